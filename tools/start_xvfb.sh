# shellcheck shell=sh disable=SC2154,SC2034 # $work comes from the caller, which reads $clipboard
# Sourced by the scripts that run the real program: start_xvfb starts an Xvfb of
# their own on a display that the server picks itself, so that nothing is ever
# sent to someone else's X server, and exports DISPLAY. It sets xvfb to the
# server's PID and keeps its files in $work, a folder of the caller's. It fails
# with the server's own messages when no server came up.
start_xvfb() {
    # Without -noreset the server resets whenever its last client leaves, and a
    # program started during the reset cannot connect.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset \
        3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do
        grep -q '^[0-9][0-9]*$' "$work/display" 2>/dev/null && break
        kill -0 "$xvfb" 2>/dev/null || break
        sleep 0.1
    done
    number=$(cat "$work/display")
    if [ -z "$number" ] || ! kill -0 "$xvfb" 2>/dev/null ||
        ! DISPLAY=:$number xdpyinfo >/dev/null 2>&1; then
        echo "Xvfb did not start:" >&2
        cat "$work/xvfb.log" >&2
        return 1
    fi
    DISPLAY=":$number"
    export DISPLAY
}

# Fills the clipboard from a file with an xclip of the caller's and waits until it
# serves it; sets clipboard to that xclip's PID, for the caller to end.
serve_clipboard() {
    xclip -quiet -selection clipboard -i "$1" >/dev/null 2>&1 &
    clipboard=$!
    for _ in $(seq 50); do
        xclip -selection clipboard -o -t TARGETS >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "xclip does not serve the clipboard" >&2
    return 1
}

# Ends, when the caller's script exits, only what it started ($app or $pid, the
# $clipboard xclip, the $xvfb server) and removes $work, keeping the status the
# script ended with.
end_started() {
    status=$?
    set +e
    for started in "${app:-}" "${pid:-}" "${clipboard:-}" "${xvfb:-}"; do
        [ -n "$started" ] && kill "$started" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$work"
    exit "$status"
}
end_started_on_exit() {
    trap end_started EXIT
    trap 'exit 1' HUP INT TERM
}

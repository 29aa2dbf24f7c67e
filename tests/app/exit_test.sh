#!/bin/sh
# The real program under its own Xvfb: it must exit with 0 and without a sanitizer
# report however it is closed: idle, right after start-up while the decorations
# run, and in the middle of converting a large pasted dump.
# Usage: exit_test.sh path/to/hexloom [start-and-close cycles]
set -eu
program=$1 cycles=${2:-30}
top=$(cd "$(dirname "$0")/../.." && pwd)
. "$top/tools/start_xvfb.sh"
work=$(mktemp -d)
xvfb="" pid="" clipboard=""
end_started_on_exit

start_xvfb || { echo "FAIL: no X server for the test"; exit 1; }
export QT_QPA_PLATFORM=xcb

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:exitcode=99
export LSAN_OPTIONS="suppressions=$top/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:exitcode=98
failures=0

# Starts the program, waits for its window, runs "$@" against it, then closes it
# with Alt+F4 and checks how it ended.
run_once() {
    label=$1; shift
    if ! kill -0 "$xvfb" 2>/dev/null; then
        echo "FAIL $label: the X server has gone"; cat "$work/xvfb.log"; exit 1
    fi
    "$program" >"$work/out" 2>"$work/err" &
    pid=$!
    window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --pid "$pid" --name '^Hexloom$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] && { "$@" || true; }
    # Typed as a user would, to the window with the focus. The key release may find
    # the window gone already: xdotool then complains.
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key alt+F4 2>/dev/null || true
    status=0
    for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then
        echo "FAIL $label: still running 30 s after Alt+F4"; kill -9 "$pid"; pid=""; failures=$((failures + 1)); return
    fi
    wait "$pid" || status=$?
    pid=""
    if [ "$status" -ne 0 ] || grep -q -E "ERROR: (Address|Leak)Sanitizer|runtime error:" "$work/err"; then
        echo "FAIL $label: exit status $status"; cat "$work/err"; failures=$((failures + 1))
    else
        echo "ok   $label"
    fi
}

idle() { sleep "$1"; }

# A 4 MiB dump pasted into the input box, then 格式化, then the close after $1 s.
python3 -c "
import random
r = random.Random(5)
print('\n'.join(' '.join('%02X' % r.randrange(256) for _ in range(32)) for _ in range(44000)))
" >"$work/dump.txt"
# Where the client area starts inside the skin's frame.
client_x=4 client_y=30
convert_and_close() {
    serve_clipboard "$work/dump.txt" &&
        xdotool mousemove --window "$window" $((client_x + 330)) $((client_y + 120)) click 1 &&
        xdotool key --window "$window" ctrl+v &&
        sleep 1 &&
        xdotool mousemove --window "$window" $((client_x + 343)) $((client_y + 235)) click 1 &&
        sleep "$1"
}
# Our xclip stays to serve the clipboard; a second one in the next run would fight it.
stop_serving_clipboard() {
    [ -z "$clipboard" ] || { kill "$clipboard" 2>/dev/null; wait "$clipboard" 2>/dev/null; } || true
    clipboard=""
}

for i in $(seq "$cycles"); do
    run_once "start and close $i" idle "0.$(( i % 5 ))"
done
for delay in 0.05 0.3 1 3; do
    run_once "close ${delay} s into a conversion" convert_and_close "$delay"
    stop_serving_clipboard
done

total=$((cycles + 4))
echo "$((total - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]

#!/bin/sh
# Runs the Windows build under wine, on an Xvfb of its own: the cross-built unit
# tests, hexloom-format.exe on real input, then hexloom.exe from the unpacked zip:
# its 591 × 432 window opens, a pasted dump converts, Alt+F4 closes it with exit
# status 0. Leaves docs/screenshot-windows.png.
# Usage: tools/test-windows.sh   (after tools/build-windows.sh)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build-windows
qt=${HEXLOOM_QT_MINGW:-/var/cache/hexloom/qt6-mingw}
out=$top/docs/screenshot-windows.png
. "$top/tools/start_xvfb.sh"

missing=""
for package in wine64 xvfb xauth x11-utils xdotool xclip imagemagick; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $package"
done
if [ -n "$missing" ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
fi
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)

work=$(mktemp -d)
xvfb="" app="" clipboard=""
end_started_on_exit

failures=0
check() { # description, then a command that must succeed
    what=$1; shift
    if "$@" >"$work/check" 2>&1; then
        echo "ok   $what"
    else
        echo "FAIL $what"; cat "$work/check"; failures=$((failures + 1))
    fi
}

start_xvfb
# A wine prefix of our own, outside the clone; made on the first run. Wine's
# browser and .NET runtime are not wanted and would ask to be downloaded.
export WINEPREFIX=${HEXLOOM_WINEPREFIX:-$HOME/.cache/hexloom/wine} WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
"$wine" wineboot --init >/dev/null 2>&1
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
runtime=$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)
WINEPATH="$(windows_path "$qt/bin");$(windows_path "$(dirname "$runtime")");$(windows_path /usr/x86_64-w64-mingw32/lib)"
export WINEPATH

# The scripted checks run on Linux already; here only the programs built as .exe.
excluded="readme_example|check_resources|fuzz|$(tr ' ' '|' <"$build/posix-only-tests")"
ctest --test-dir "$build" -E "$excluded" --output-on-failure --timeout 600 ||
    failures=$((failures + 1))

format=$build/src/cli/hexloom-format.exe
# Binary standard streams: the array's CR LF and the input's CR pass unchanged.
printf 'const byte code[] = {\r\n\t0x0A, 0xB0, \r\n\t0xC1\r\n};\r\n' >"$work/expected"
printf '0a b0\r\nc1' | "$wine" "$format" --bytes-per-line 2 >"$work/array" 2>"$work/err" || true
check "hexloom-format.exe: CR LF not doubled" cmp "$work/expected" "$work/array"
printf '0\303\251' | "$wine" "$format" --lf >"$work/array" 2>"$work/err" || true
check "hexloom-format.exe: UTF-8 in, the same UTF-8 out" grep -q "0x0$(printf '\303\251')" "$work/array"
printf 'AB\355\240\200' | "$wine" "$format" >/dev/null 2>"$work/err" && status=0 || status=$?
check "hexloom-format.exe: a surrogate in UTF-8 is refused" \
    sh -c "[ $status -eq 2 ] && grep -q 'at byte offset 2' '$work/err'"
printf 'old' >"$work/array.c"
printf '01 02' | "$wine" "$format" - "$(windows_path "$work/array.c")" 2>"$work/err" || true
check "hexloom-format.exe: a named output is replaced" grep -q '0x01, 0x02' "$work/array.c"

# The program as a user gets it: from the unpacked zip, without Qt installed.
(cd "$work" && cmake -E tar xf "$build/hexloom-windows-x64.zip")
WINEPATH="$(windows_path "$work/hexloom-windows-x64")" "$wine" "$work/hexloom-windows-x64/hexloom.exe" \
    >"$work/app.log" 2>&1 &
app=$!
window=""
for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name '^Hexloom$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
check "hexloom.exe: the window opens" test -n "$window"
[ -n "$window" ] || { cat "$work/app.log"; exit 1; }
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
# The skin's frame puts 4 pixels beside and below the form, 30 above it.
client_x=4 client_y=30
check "hexloom.exe: the form is 591 × 432 (window ${WIDTH} × ${HEIGHT})" \
    test "$((WIDTH - 2 * client_x))x$((HEIGHT - client_y - client_x))" = 591x432

printf '4D 5A 90 00 03 00 00 00 04 00 00 00 FF FF 00 00\nB8 00 00 00 00 00 00 00 40 00 00 00 00 00 00 00\n00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n0E 1F BA 0E 00 B4 09 CD 21 B8 01 4C CD 21 54 68\n69 73 20 70 72 6F 67 72 61 6D 20 63 61 6E 6E 6F\n74 20 62 65 20 72 75 6E 20 69 6E 20 44 4F 53 20\n' >"$work/sample.txt"
serve_clipboard "$work/sample.txt"
xdotool mousemove --window "$window" $((client_x + 330)) $((client_y + 120)) click 1
sleep 0.3
xdotool key --window "$window" ctrl+v
sleep 0.5
xdotool mousemove --window "$window" $((client_x + 343)) $((client_y + 235)) click 1
sleep 2
xdotool mousemove --window "$window" $((client_x + 300)) $((client_y + 320)) click 1
sleep 0.3
xdotool key --window "$window" ctrl+a ctrl+c
sleep 0.5
xclip -selection clipboard -o >"$work/pasted" 2>/dev/null || true
check "hexloom.exe: the pasted dump converts" \
    sh -c "grep -q 'const byte code\\[\\] = {' '$work/pasted' && grep -q '0x4D, 0x5A, 0x90' '$work/pasted'"
xdotool mousemove "$((X + 300))" "$((Y + HEIGHT - 6))"
sleep 0.5
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
echo "wrote $out (${WIDTH}x${HEIGHT})"

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key alt+F4 2>/dev/null || true
status=0
for _ in $(seq 300); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then
    echo "FAIL hexloom.exe: still running 30 s after Alt+F4"; failures=$((failures + 1))
else
    wait "$app" || status=$?
    app=""
    check "hexloom.exe: Alt+F4 closes it with exit status 0 (got $status)" test "$status" -eq 0
fi
[ "$failures" -eq 0 ] || { echo "$failures Windows checks failed"; exit 1; }
echo "Windows checks passed"

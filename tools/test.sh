#!/bin/sh
# Builds Hexloom with its tests and runs them all, headless: the unit and widget
# tests under Qt's offscreen platform, then, in an AddressSanitizer build, the text
# boxes' random-event test and the real program under Xvfb, started and closed in
# the middle of a conversion.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh" test
export QT_QPA_PLATFORM=offscreen

# Tests are on, whatever an earlier configure of build/ said; a run that finds none fails.
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
cmake --build "$top/build"
ctest --test-dir "$top/build" --output-on-failure --timeout 600 --no-tests=error

cmake -S "$top" -B "$top/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DHEXLOOM_SANITIZE=address,undefined -DBUILD_TESTING=ON
cmake --build "$top/build-asan" --target hexloom tst_text_view_monkey
# The text boxes' random events, under the sanitizers: nothing may crash.
LSAN_OPTIONS=suppressions=$top/tests/lsan.supp UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$top/build-asan/tests/platform/tst_text_view_monkey"
"$top/tests/app/exit_test.sh" "$top/build-asan/src/app/hexloom"

# The Windows leg needs Qt built for Windows, a long build that tools/build-windows.sh
# makes once into a cache. Its window checks under wine have not passed a whole run
# yet, so it runs only when asked for (HEXLOOM_WINDOWS_LEG=1) and the cache is there.
qt_mingw=${HEXLOOM_QT_MINGW:-/var/cache/hexloom/qt6-mingw}
if [ "${HEXLOOM_WINDOWS_LEG:-0}" = 1 ] && [ -f "$qt_mingw/.complete" ]; then
    "$top/tools/build-windows.sh"
    "$top/tools/test-windows.sh"
else
    echo "Windows leg skipped: set HEXLOOM_WINDOWS_LEG=1, with Qt for Windows in $qt_mingw" \
         "(tools/build-windows.sh builds it once)"
fi

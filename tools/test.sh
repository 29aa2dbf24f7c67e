#!/bin/sh
# Builds Hexloom with its tests and runs them all, headless: the unit and widget
# tests under Qt's offscreen platform, then the real program under Xvfb in an
# AddressSanitizer build, started and closed in the middle of a conversion.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh" test
export QT_QPA_PLATFORM=offscreen

cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$top/build"
ctest --test-dir "$top/build" --output-on-failure --timeout 600

cmake -S "$top" -B "$top/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DHEXLOOM_SANITIZE=address,undefined -DBUILD_TESTING=OFF
cmake --build "$top/build-asan" --target hexloom
"$top/tests/app/exit_test.sh" "$top/build-asan/src/app/hexloom"

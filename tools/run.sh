#!/bin/sh
# Builds Hexloom and starts it: the one command a newcomer needs.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh" build
# A folder of its own: build/ is the test command's, with the tests on.
cmake -S "$top" -B "$top/build-run" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build "$top/build-run" --target hexloom hexloom-format
exec "$top/build-run/src/app/hexloom"

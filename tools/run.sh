#!/bin/sh
# Builds Hexloom and starts it: the one command a newcomer needs.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh" build
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build "$top/build" --target hexloom hexloom-format
exec "$top/build/src/app/hexloom"

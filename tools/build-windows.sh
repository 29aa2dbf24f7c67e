#!/bin/sh
# Cross-builds Hexloom for 64-bit Windows on Debian 12 and leaves
# build-windows/hexloom-windows-x64.zip: hexloom.exe and hexloom-format.exe with
# the Qt DLLs, plugins and Chinese translation and the MinGW runtime they need,
# to run from the unpacked folder. The first run builds Qt for Windows into a
# cache folder (see tools/build-qt-mingw.sh); later runs reuse it.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build-windows
qt=${HEXLOOM_QT_MINGW:-/var/cache/hexloom/qt6-mingw}
triplet=x86_64-w64-mingw32

"$top/tools/install-deps.sh" build
missing=""
for package in g++-mingw-w64-x86-64-posix googletest qt6-translations-l10n dpkg-dev; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $package"
done
if [ -n "$missing" ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
fi

HEXLOOM_QT_MINGW=$qt "$top/tools/build-qt-mingw.sh"

toolchain=$top/cmake/mingw-w64-x86_64.cmake
gtest=$build/googletest-install
if [ ! -f "$gtest/lib/cmake/GTest/GTestConfig.cmake" ]; then
    cmake -S /usr/src/googletest -B "$build/googletest" -G Ninja -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$gtest" -DBUILD_GMOCK=OFF
    cmake --build "$build/googletest" --parallel 2
    cmake --install "$build/googletest"
fi

# The tests are listed when ctest runs, through wine, not at build time.
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
      -DCMAKE_FIND_ROOT_PATH="$qt;$gtest" \
      -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
      -DBUILD_TESTING=ON -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" \
      -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST
# Two tests measure POSIX clocks and limits and do not build for Windows; the
# test script leaves them out too.
posix_only="tst_fade_in_clock tst_out_of_memory"
echo "$posix_only" >"$build/posix-only-tests"
targets=$(ninja -C "$build" -t targets all | sed -n 's/^\(tst_[a-z0-9_]*\): phony$/\1/p' |
          grep -v -x -F "$(echo "$posix_only" | tr ' ' '\n')" | sort -u | tr '\n' ' ')
# shellcheck disable=SC2086 # one target a word
cmake --build "$build" --parallel 2 --target hexloom hexloom-format $targets

# The folder the zip holds. qt.conf points Qt at the plugins and translation
# beside the programs rather than at the folder Qt was built for.
stage=$build/hexloom-windows-x64
rm -rf "$stage" "$build/hexloom-windows-x64.zip"
mkdir -p "$stage/platforms" "$stage/styles" "$stage/translations"
# Qt puts the programs at the top of the build folder.
cp "$build/hexloom.exe" "$build/hexloom-format.exe" "$stage/"
cp "$qt/bin/Qt6Core.dll" "$qt/bin/Qt6Gui.dll" "$qt/bin/Qt6Widgets.dll" "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/"*.dll "$stage/styles/"
cp /usr/share/qt6/translations/qtbase_zh_CN.qm "$stage/translations/"
runtime=$($triplet-g++-posix -print-file-name=libstdc++-6.dll)
cp "$runtime" "$(dirname "$runtime")/libgcc_s_seh-1.dll" \
   "/usr/$triplet/lib/libwinpthread-1.dll" "$stage/"
printf '[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n' >"$stage/qt.conf"
find "$stage" -name '*.dll' -o -name '*.exe' | xargs $triplet-strip --strip-unneeded
(cd "$build" && cmake -E tar cf hexloom-windows-x64.zip --format=zip hexloom-windows-x64)
ls -l "$build/hexloom-windows-x64.zip"

#!/bin/sh
# The program's resources as the systems read them: the Windows resource script
# compiles, with its 15 icon images (the palette ones masked), manifest and version
# record; the Linux desktop entry and AppStream metadata validate; cmake --install
# puts everything in place.
# Usage: check_resources.sh source-dir build-dir
set -eu
top=$(cd "$1" && pwd) build=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passes=0 failures=0
check() { # description, then a command that must succeed
    what=$1; shift
    if "$@" >"$work/out" 2>&1; then
        echo "ok   $what"; passes=$((passes + 1))
    else
        echo "FAIL $what"; cat "$work/out"; failures=$((failures + 1))
    fi
}

icon=$top/resources/windows/hexloom.ico
expected="16x16@4 32x32@4 48x48@4 16x16@8 32x32@8 48x48@8 16x16@32 32x32@32 48x48@32 64x64@32 72x72@32 80x80@32 96x96@32 128x128@32 256x256@32"
images=$(icotool -l "$icon" | sed -E 's/.*--width=([0-9]+) --height=([0-9]+) --bit-depth=([0-9]+).*/\1x\2@\3/' | tr '\n' ' ' | sed 's/ $//')
check "icon holds the 15 images" test "$images" = "$expected"
check "256-pixel image is a PNG" python3 -c "
import struct, sys
data = open('$icon', 'rb').read()
count = struct.unpack_from('<H', data, 4)[0]
for i in range(count):
    w, h, _, _, _, bits, size, offset = struct.unpack_from('<BBBBHHII', data, 6 + 16 * i)
    if w == 0 and h == 0:
        sys.exit(0 if data[offset:offset + 8] == b'\x89PNG\r\n\x1a\n' else 1)
sys.exit(1)"
# Images with a palette have no alpha channel: their 1-bit mask alone makes the
# corners transparent. Where the mask is set the colour must be black, or Windows
# mixes it into what lies behind.
check "4- and 8-bit images are masked like the alpha of the 32-bit ones" python3 -c "
import struct, sys
data = open('$icon', 'rb').read()
masks, colour_under_mask = {}, []
for i in range(struct.unpack_from('<H', data, 4)[0]):
    offset = struct.unpack_from('<I', data, 6 + 16 * i + 12)[0]
    if data[offset:offset + 4] == b'\x89PNG':
        continue
    header, side, _, _, bits = struct.unpack_from('<IiiHH', data, offset)
    colours = (struct.unpack_from('<I', data, offset + 32)[0] or 1 << bits) if bits <= 8 else 0
    palette = offset + header
    pixels = palette + 4 * colours
    pixel_row, mask_row = (side * bits + 31) // 32 * 4, (side + 31) // 32 * 4
    mask = pixels + pixel_row * side
    clear = set()
    for y in range(side):
        for x in range(side):
            if data[mask + y * mask_row + x // 8] >> (7 - x % 8) & 1:
                clear.add((x, y))
                if bits <= 8:
                    index = data[pixels + y * pixel_row + x * bits // 8] >> (8 - bits - x * bits % 8) & (1 << bits) - 1
                    colour_under_mask.append(data[palette + 4 * index:palette + 4 * index + 3])
    masks[(side, bits)] = clear
for side in (16, 32, 48):
    for bits in (4, 8):
        clear = masks[(side, bits)]
        if not clear or clear != masks[(side, 32)]:
            sys.exit('%dx%d@%d: %d of %d pixels masked, the 32-bit image %d' % (side, side, bits, len(clear), side * side, len(masks[(side, 32)])))
sys.exit(0 if all(c == b'\0\0\0' for c in colour_under_mask) else 'colour under the mask')"

cd "$top/resources/windows"
check "resource script compiles" x86_64-w64-mingw32-windres --preprocessor=cpp -i hexloom.rc -O res -o "$work/hexloom.res"
x86_64-w64-mingw32-windres -J res -i "$work/hexloom.res" -O rc >"$work/hexloom.rc" 2>/dev/null || true
check "icon group MAINICON" grep -q '"MAINICON" 14' "$work/hexloom.rc"
check "15 icon images compiled" test "$(grep -c 'RT_ICON \*/' "$work/hexloom.rc")" -eq 15
check "manifest: common controls 6" grep -q 'Microsoft.Windows.Common-Controls.*version=""6.0.0.0""' "$work/hexloom.rc"
check "manifest: asInvoker" grep -q 'level=""asInvoker"" uiAccess=""false""' "$work/hexloom.rc"
check "version 1.0.0.12" grep -q 'FILEVERSION 1, 0, 0, 12' "$work/hexloom.rc"
check "Chinese PRC, code page 936" grep -q 'Translation", 0x804, 936' "$work/hexloom.rc"
# Windows looks the strings up under the language and code page of the Translation
# entry, both in hex: 0x804 and 936 make 080403A8.
string_block=$(sed -n 's/^ *BLOCK "\([0-9A-Fa-f]\{8\}\)".*/\1/p' "$work/hexloom.rc")
translation=$(sed -n 's/.*VALUE "Translation", \(0x[0-9A-Fa-f]*\), \([0-9]*\).*/\1 \2/p' "$work/hexloom.rc")
# shellcheck disable=SC2086 # the language and the code page, as two arguments
check "string block $string_block named after the Translation entry" \
    test -n "$translation" -a "$string_block" = "$(printf '%04X%04X' $translation)"
check "file description" grep -q 'FileDescription", L"\\x628a\\x6570\\x636e\\x683c\\x5f0f\\x5316\\x4e3abyte\\x6570\\x7ec4\\x8f93\\x51fa"' "$work/hexloom.rc"
check "product version" grep -q 'ProductVersion", "1.0.0.0"' "$work/hexloom.rc"

check "desktop entry validates" desktop-file-validate "$top/resources/linux/org.hexloom.Hexloom.desktop"
check "AppStream metadata validates" appstreamcli validate --no-net "$top/resources/linux/org.hexloom.Hexloom.metainfo.xml"

check "cmake --install" cmake --install "$build" --prefix "$work/prefix"
for file in bin/hexloom bin/hexloom-format share/applications/org.hexloom.Hexloom.desktop \
            share/metainfo/org.hexloom.Hexloom.metainfo.xml share/icons/hicolor/48x48/apps/org.hexloom.Hexloom.png \
            share/icons/hicolor/256x256/apps/org.hexloom.Hexloom.png share/icons/hicolor/scalable/apps/org.hexloom.Hexloom.svg; do
    check "installs $file" test -f "$work/prefix/$file"
done

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]

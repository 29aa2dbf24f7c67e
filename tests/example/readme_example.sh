#!/bin/sh
# The README's example of use, as a reader would follow it: its shell command makes
# the array with the real hexloom-format, its C program includes it after
# `typedef unsigned char byte;`, compiles without a warning as C and as C++, and
# prints the bytes of the dump. Every option that changes the text of the array is
# tried with it.
# Usage: readme_example.sh path/to/hexloom-format path/to/README.md
set -eu
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1") readme=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passes=0 failures=0

# The README's blocks: the shell one that runs hexloom-format, the C one that
# declares byte.
block() { # fence language, then a text the block holds
    awk -v fence="\`\`\`$1" -v holds="$2" '
        $0 == fence { inside = 1; text = ""; next }
        inside && $0 == "```" { inside = 0; if (index(text, holds)) { printf "%s", text; exit } next }
        inside { text = text $0 "\n" }' "$readme"
}
block sh "| hexloom-format" >"$work/make-array.sh"
block c "typedef unsigned char byte;" >"$work/hello.c"
for part in make-array.sh hello.c; do
    [ -s "$work/$part" ] || { echo "FAIL the README has no example's $part"; exit 1; }
done
mkdir "$work/bin"
ln -s "$program" "$work/bin/hexloom-format"

# The README's command with the options added to hexloom-format's call.
for options in "" "--lower" "--bytes-per-line 0" "--bytes-per-line 1" "--lf"; do
    what="example with '${options:-no options}'"
    sed "s/| hexloom-format/| hexloom-format $options/" "$work/make-array.sh" >"$work/run.sh"
    rm -f "$work/hello.inc" "$work/hello" "$work/hello++"
    if (cd "$work" && PATH=$work/bin:$PATH sh -eu run.sh) >"$work/out" 2>&1 &&
        (cd "$work" && cc -std=c99 -pedantic -Wall -Wextra -Werror hello.c -o hello) >>"$work/out" 2>&1 &&
        (cd "$work" && c++ -x c++ -std=c++17 -pedantic -Wall -Wextra -Werror hello.c -o hello++) >>"$work/out" 2>&1 &&
        [ "$("$work/hello")" = "Hello, world!" ] && [ "$("$work/hello++")" = "Hello, world!" ]; then
        echo "ok   $what"; passes=$((passes + 1))
    else
        echo "FAIL $what"; cat "$work/out"; [ -f "$work/hello.inc" ] && cat "$work/hello.inc"
        failures=$((failures + 1))
    fi
done

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]

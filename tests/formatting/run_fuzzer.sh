#!/bin/sh
# Builds the formatter's fuzz target with clang and runs it for a fixed number of inputs.
set -eu
source_dir=$1 build_dir=$2 runs=${3:-200000}
mkdir -p "$build_dir"
clang++ -std=c++2b -O1 -g -fsanitize=fuzzer,address,undefined \
    -I"$source_dir/src/formatting" -I"$source_dir/tests/formatting" \
    "$source_dir/tests/formatting/fuzz_format_byte_array.cpp" -o "$build_dir/fuzz_format_byte_array"
mkdir -p "$build_dir/corpus"
"$build_dir/fuzz_format_byte_array" -runs="$runs" -max_len=600 "$build_dir/corpus"

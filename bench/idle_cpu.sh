#!/bin/sh
# The idle window's cost with both animations running: CPU time of the process
# over 10 s under Xvfb, as a share of one core. Goal: at most 5 %.
# Usage: bench/idle_cpu.sh path/to/hexloom
set -eu
program=$1
display=:$(( $$ % 400 + 500 ))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb "$program" 2>/dev/null &
app=$!
sleep 3
ticks() { awk '{print $14 + $15}' "/proc/$app/stat"; }
before=$(ticks)
sleep 10
after=$(ticks)
hz=$(getconf CLK_TCK)
awk -v t=$((after - before)) -v hz="$hz" 'BEGIN { printf "idle window, both animations: %.1f %% of one core over 10 s (goal <= 5 %%)\n", 100 * t / hz / 10 }'

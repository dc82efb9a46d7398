#!/usr/bin/env bash
# Measures corvane: Google Benchmark of the scanner, writer and in-memory
# translation; then corvane file to file on generated 5 MB and 50 MB
# libraries (one thread) with wall time (median of five runs), MB/s and peak
# memory, the time ratio that shows linear growth, -j 1 against -j 2 on
# four 10 MB files, and 2 MB against 20 MB of inputs made to be slow (lines
# ended by lone carriage returns, node names made to collide in the hash).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/optimised-build.sh build/bench -DCORVANE_BUILD_BENCH=ON -DCORVANE_BUILD_TESTS=OFF \
  -DCORVANE_BUILD_GUI=OFF
build/bench/bench/translate_bench
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
corvane=build/bench/cli/corvane

runs=5

# measure JOBS INPUT... prints "SECONDS PEAK_KB": the median wall time of
# $runs corvane runs, each writing fresh files into an empty directory
# (replacing existing files costs the kernel extra work), and the largest
# peak memory.
measure() {
  local jobs=$1 times=() peak=0 run start end kb outputs=()
  shift
  for input in "$@"; do outputs+=(-o "$work/out"); done
  for ((run = 0; run < runs; run++)); do
    rm -rf "$work/out"
    mkdir "$work/out"
    start=$EPOCHREALTIME
    /usr/bin/time -f '%M' -o "$work/peak" "$corvane" -q -j "$jobs" "$@" "${outputs[@]}"
    end=$EPOCHREALTIME
    times+=("$(echo "$end - $start" | bc -l)")
    kb=$(cat "$work/peak")
    if ((kb > peak)); then peak=$kb; fi
  done
  printf '%s %s\n' "$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$((runs / 2 + 1))p")" "$peak"
}

# Generated inputs are flushed to disk first, so no write-back runs beside
# the measured translation.
declare -A seconds
for size in 5 50; do
  build/bench/bench/generate_library "$size" "$work/lib$size.sp"
  sync
  read -r secs kb < <(measure 1 "$work/lib$size.sp")
  seconds[$size]=$secs
  bytes=$(stat -c %s "$work/lib$size.sp")
  printf 'corvane file to file, %s MB: %.3f s, %.1f MB/s, peak memory %.0f MB (%.2f x input)\n' \
    "$size" "$secs" "$(echo "$bytes / 1048576 / $secs" | bc -l)" "$(echo "$kb / 1024" | bc -l)" \
    "$(echo "$kb * 1024 / $bytes" | bc -l)"
done
printf '50 MB takes %.1f times as long as 5 MB\n' "$(echo "${seconds[50]} / ${seconds[5]}" | bc -l)"

files=()
for i in 1 2 3 4; do
  build/bench/bench/generate_library 10 "$work/part$i.sp"
  files+=("$work/part$i.sp")
done
sync
read -r one _ < <(measure 1 "${files[@]}")
read -r two _ < <(measure 2 "${files[@]}")
printf 'four 10 MB files: -j 1 %.3f s, -j 2 %.3f s, %.2f times the throughput\n' "$one" "$two" \
  "$(echo "$one / $two" | bc -l)"

# Inputs made to defeat the line search and the name hash: time must still
# grow linearly (20 MB about ten times 2 MB), and crafted names cost about
# what plain names of the same length cost.
runs=3
for kind in lone-cr plain-names colliding-names; do
  for size in 2 20; do
    build/bench/bench/generate_library "--$kind" "$size" "$work/$kind$size.sp"
    read -r secs _ < <(measure 1 "$work/$kind$size.sp")
    seconds[$kind$size]=$secs
  done
  printf '%s: 2 MB %.3f s, 20 MB %.3f s, %.1f times as long\n' "$kind" "${seconds[${kind}2]}" \
    "${seconds[${kind}20]}" "$(echo "${seconds[${kind}20]} / ${seconds[${kind}2]}" | bc -l)"
done

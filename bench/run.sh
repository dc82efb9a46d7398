#!/usr/bin/env bash
# Measures corvane: Google Benchmark of the scanner, writer and in-memory
# translation, then corvane file to file on generated 5 MB and 50 MB
# libraries (one thread), with the time ratio that shows linear growth.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_BUILD_BENCH=ON \
  -DCORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build build/bench
build/bench/bench/translate_bench
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
declare -A seconds
for size in 5 50; do
  build/bench/bench/generate_library "$size" "$work/lib$size.sp"
  start=$(date +%s.%N)
  build/bench/cli/corvane -q "$work/lib$size.sp" -o "$work/out$size.lib"
  end=$(date +%s.%N)
  seconds[$size]=$(echo "$end - $start" | bc -l)
  bytes=$(stat -c %s "$work/lib$size.sp")
  printf 'corvane file to file, %s MB: %.3f s, %.1f MB/s\n' "$size" "${seconds[$size]}" \
    "$(echo "$bytes / 1048576 / ${seconds[$size]}" | bc -l)"
done
printf '50 MB takes %.1f times as long as 5 MB\n' "$(echo "${seconds[50]} / ${seconds[5]}" | bc -l)"

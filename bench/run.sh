#!/usr/bin/env bash
# Measures corvane: Google Benchmark of the scanner, writer and in-memory
# translation; then corvane file to file on generated 5 MB and 50 MB
# libraries (one thread) with wall time, MB/s and peak memory, the time
# ratio that shows linear growth, and -j 1 against -j 2 on four 10 MB files.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/optimised-build.sh build/bench -DCORVANE_BUILD_BENCH=ON -DCORVANE_BUILD_TESTS=OFF \
  -DCORVANE_BUILD_GUI=OFF
build/bench/bench/translate_bench
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
corvane=build/bench/cli/corvane

# Prints "SECONDS PEAK_KB" for one corvane run.
measure() {
  /usr/bin/time -f '%e %M' -o "$work/time" "$corvane" -q "$@"
  cat "$work/time"
}

declare -A seconds
for size in 5 50; do
  build/bench/bench/generate_library "$size" "$work/lib$size.sp"
  read -r secs kb < <(measure "$work/lib$size.sp" -o "$work/out$size.lib")
  seconds[$size]=$secs
  bytes=$(stat -c %s "$work/lib$size.sp")
  printf 'corvane file to file, %s MB: %.2f s, %.1f MB/s, peak memory %.0f MB (%.2f x input)\n' \
    "$size" "$secs" "$(echo "$bytes / 1048576 / $secs" | bc -l)" "$(echo "$kb / 1024" | bc -l)" \
    "$(echo "$kb * 1024 / $bytes" | bc -l)"
done
printf '50 MB takes %.1f times as long as 5 MB\n' "$(echo "${seconds[50]} / ${seconds[5]}" | bc -l)"

files=()
for i in 1 2 3 4; do
  build/bench/bench/generate_library 10 "$work/part$i.sp"
  files+=("$work/part$i.sp")
done
read -r one _ < <(measure -j 1 "${files[@]}" -o "$work")
read -r two _ < <(measure -j 2 "${files[@]}" -o "$work")
printf 'four 10 MB files: -j 1 %.2f s, -j 2 %.2f s, %.2f times the throughput\n' "$one" "$two" \
  "$(echo "$one / $two" | bc -l)"

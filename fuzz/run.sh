#!/usr/bin/env bash
# Builds the libFuzzer target with clang and fuzzes the translator.
#   fuzz/run.sh [SECONDS] [WORKERS]   (defaults 300 and 1)
#   fuzz/run.sh merge                  (new coverage of fuzz/work into fuzz/seeds)
# Seeds: fuzz/seeds, every golden input, and ../shared/corpus when it is
# present. New inputs go to fuzz/work, the growing working corpus, which is
# not committed; crashes go to fuzz/crashers, which the tests replay as
# regressions once committed (give each a name that says what it was).
# `merge` keeps, of fuzz/work, the inputs that reach edges fuzz/seeds does
# not (without hit counts, so the committed seeds stay small).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCORVANE_BUILD_FUZZ=ON -DCORVANE_BUILD_TESTS=OFF -DCORVANE_BUILD_UTIL=OFF -DCORVANE_BUILD_GUI=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" >/dev/null
cmake --build build/fuzz --target translate_fuzzer
fuzzer=build/fuzz/fuzz/translate_fuzzer
mkdir -p fuzz/work fuzz/seeds fuzz/crashers

if [[ ${1:-} == merge ]]; then
  "$fuzzer" -merge=1 -use_counters=0 -timeout=10 -rss_limit_mb=2048 fuzz/seeds fuzz/work
  exit
fi

seconds=${1:-300}
workers=${2:-1}
rm -rf build/fuzz/seeds
mkdir -p build/fuzz/seeds
find tests/golden -name '*.sp' -exec cp {} build/fuzz/seeds/ \;
if [[ -d ../shared/corpus ]]; then
  find ../shared/corpus -type f ! -name MANIFEST.tsv -exec cp {} build/fuzz/seeds/ \;
fi
# Several workers share the corpus through -fork; each input has 1 s.
"$fuzzer" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 \
  -max_len=65536 -artifact_prefix=fuzz/crashers/ -print_final_stats=1 \
  $( ((workers > 1)) && echo "-fork=$workers" ) \
  fuzz/work fuzz/seeds build/fuzz/seeds

#!/usr/bin/env bash
# Builds corvane and runs every test: once as built for use, once under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the tests of the
# run's threads once more under ThreadSanitizer. Warnings are errors here.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_WERROR=ON >/dev/null
cmake --build build/test -j "$jobs"
ctest --test-dir build/test -j "$jobs" --output-on-failure

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON \
  -DCORVANE_WERROR=ON >/dev/null
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/sanitize -j "$jobs" --output-on-failure

cmake -S . -B build/threads -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_SANITIZE_THREAD=ON \
  -DCORVANE_BUILD_GUI=OFF -DCORVANE_WERROR=ON >/dev/null
cmake --build build/threads -j "$jobs" --target run_tests cli_tests corvane
ctest --test-dir build/threads -L threads --output-on-failure

#!/usr/bin/env bash
# optimised-build.sh BUILD_DIR [CMAKE_ARGUMENT]...
# Builds a Release corvane in BUILD_DIR with profile-guided optimisation:
# a first build counts what the translator does on a generated foundry
# library, the example library and every golden input; a second build is
# optimised from those counts. The translated text is the same as from a
# plain build: the golden cases are checked against the binary it ships.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
shift
profile="$(realpath -m "$build")/profile"

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INTERPROCEDURAL_OPTIMIZATION=ON \
  -DCORVANE_PROFILE=generate \
  -DCORVANE_PROFILE_DIR="$profile" "$@" >/dev/null
cmake --build "$build" --target corvane generate_library

rm -rf "$profile"
training=$(mktemp -d)
trap 'rm -rf "$training"' EXIT
"$build/bench/generate_library" 5 "$training/library.sp"
"$build/cli/corvane" -q "$training/library.sp" -o "$training/"
for input in examples/*.lib tests/golden/*/*.sp; do
  # Some golden inputs end in a fatal condition (status 1) on purpose; a
  # crash while training stops the build.
  status=0
  "$build/cli/corvane" -q "$input" -o "$training/" >/dev/null 2>&1 || status=$?
  if ((status > 1)); then
    echo "optimised-build: corvane ended with status $status on $input while training" >&2
    exit 1
  fi
done

cmake -S . -B "$build" -DCORVANE_PROFILE=use >/dev/null
cmake --build "$build"
scripts/check-golden.sh "$build/cli/corvane"

#!/usr/bin/env bash
# Builds corvane and translates the bundled example library.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/optimised-build.sh build/release -DCORVANE_BUILD_TESTS=OFF

mkdir -p build/example
build/release/cli/corvane examples/foundry_corners.lib -o build/example/
echo
echo "The translated library is in build/example/ (one file per .lib section:"
ls build/example/*.lib | sed 's/^/  /'
echo "and its log of what could not be translated is build/example/foundry_corners.err."

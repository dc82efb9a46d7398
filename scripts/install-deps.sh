#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail

packages=(build-essential cmake ninja-build pkg-config git
          libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
          clang libclang-rt-14-dev
          # corvane-gui, and a font for its widget tests' offscreen drawing
          qt6-base-dev fonts-dejavu-core
          # bench/run.sh
          bc time
          # the simulation check of tests/simulation
          ngspice)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

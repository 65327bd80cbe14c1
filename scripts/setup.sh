#!/usr/bin/env bash
# Installs what building and testing Kelvora needs on Debian 12 / Ubuntu,
# then configures and builds the default (Release) preset: the program, every
# test and benchmark. Run by scripts/test.sh and the other check scripts.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

source scripts/packages.sh
install_missing "${run_packages[@]}" "${test_packages[@]}"

cmake --preset default
cmake --build --preset default --parallel "$(nproc)"

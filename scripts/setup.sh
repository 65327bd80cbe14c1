#!/usr/bin/env bash
# Installs what building and testing Kelvora needs on Debian 12 / Ubuntu,
# then configures and builds the default (Release) preset.
# Sourced or run by scripts/run.sh and scripts/test.sh.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

packages=(
    cmake g++ make pkg-config
    qt6-base-dev libgl-dev qt6-translations-l10n libxlsxwriter-dev
    libgtest-dev libbenchmark-dev
    fonts-noto-cjk fonts-arphic-uming
    xvfb xauth
    desktop-file-utils appstream dpkg-dev
    poppler-utils python3-openpyxl lintian devscripts
)

source scripts/packages.sh
install_missing "${packages[@]}"

cmake --preset default
cmake --build --preset default --parallel "$(nproc)"

#!/usr/bin/env bash
# Sets up, builds and starts Kelvora: installs only what building and running
# the program needs, and builds the program alone (the app preset, in
# build/app), so the window opens minutes sooner on a fresh machine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/packages.sh
install_missing "${run_packages[@]}"
cmake --preset app >/dev/null
cmake --build --preset app --parallel "$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Kelvora is a desktop program, and this session has no display (DISPLAY and" >&2
    echo "WAYLAND_DISPLAY are unset). Start it from a desktop session, or under Xvfb:" >&2
    echo "    xvfb-run -a build/app/app/kelvora" >&2
    exit 1
fi
exec build/app/app/kelvora "$@"

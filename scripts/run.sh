#!/usr/bin/env bash
# Sets up, builds and starts Kelvora.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/setup.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Kelvora is a desktop program, and this session has no display (DISPLAY and" >&2
    echo "WAYLAND_DISPLAY are unset). Start it from a desktop session, or under Xvfb:" >&2
    echo "    xvfb-run -a build/release/app/kelvora" >&2
    exit 1
fi
exec build/release/app/kelvora "$@"

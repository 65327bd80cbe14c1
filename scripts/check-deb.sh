#!/usr/bin/env bash
# Builds the .deb, installs it with apt as a user would, starts the installed
# program under Xvfb and checks that its window appears; then removes it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/setup.sh
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

(cd build/release && rm -f kelvora_*.deb && cpack -G DEB >/dev/null)
deb=$(ls "$PWD"/build/release/kelvora_*.deb)
echo "package: $deb"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$deb" >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq kelvora >/dev/null' EXIT

test -x /usr/bin/kelvora
desktop-file-validate /usr/share/applications/org.kelvora.Kelvora.desktop

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    /usr/bin/kelvora & pid=$!
    for _ in $(seq 50); do
        if xwininfo -root -tree 2>/dev/null | grep -q "\"Kelvora V2.0\""; then
            echo "the installed kelvora shows its window \"Kelvora V2.0\""
            kill "$pid"
            exit 0
        fi
        sleep 0.2
    done
    echo "no Kelvora window appeared" >&2
    kill "$pid" 2>/dev/null
    exit 1
'

#!/usr/bin/env bash
# Builds the .deb with Debian's hardening flags, checks it with lintian
# (failing on any error or warning) and the installed binary with
# hardening-check, installs it with apt as a user would, starts the installed
# program under Xvfb and checks that its window appears; then removes it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/setup.sh
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

cmake --preset package >/dev/null
cmake --build --preset package --parallel "$(nproc)"
(cd build/package && rm -f kelvora_*.deb && cpack -G DEB >/dev/null)
deb=$(ls "$PWD"/build/package/kelvora_*.deb)
echo "package: $deb"

# lintian: errors and warnings fail, information is shown
lintian --info --display-info "$deb" | tee build/package/lintian.log
if grep -qE '^[EW]: ' build/package/lintian.log; then
    echo "lintian found errors or warnings" >&2
    exit 1
fi
echo "lintian: no errors, no warnings"

DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$deb" >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq kelvora >/dev/null' EXIT

test -x /usr/bin/kelvora
# Every compile of the package has Fortify Source, and the binary its
# fortified calls. Control-flow protection is not asked for: Debian 12's own
# toolchain objects lack it, as every Debian 12 package does.
if grep '"command"' build/package/compile_commands.json | grep -v -q -- '-D_FORTIFY_SOURCE=2'; then
    echo "a compile of the package lacks -D_FORTIFY_SOURCE=2" >&2
    exit 1
fi
hardening-check --nocfprotection /usr/bin/kelvora
desktop-file-validate /usr/share/applications/org.kelvora.Kelvora.desktop
man -l /usr/share/man/man1/kelvora.1.gz >/dev/null

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

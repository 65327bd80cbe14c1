#!/usr/bin/env bash
# Builds the calculations and their tests for Windows x86-64 with MinGW-w64
# and runs them under Wine, headless, in a throw-away Wine prefix. Installs
# the cross compiler and Wine when missing (CI, or a developer who asks; the
# README's two commands do not need them).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

source scripts/packages.sh
install_missing g++-mingw-w64-x86-64-posix wine64 libgtest-dev cmake make

cmake --preset windows >/dev/null
cmake --build --preset windows --parallel "$(nproc)"

wine=/usr/lib/wine/wine64
command -v wine64 >/dev/null 2>&1 && wine=$(command -v wine64)
# The Wine server lives beside wine64 in Debian's package, not on PATH.
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
prefix=$(mktemp -d)

# The Wine server of a prefix goes on writing its registry files into it for a
# moment after the last program ended: the prefix is removed only once that
# server has ended, and clean-up never decides the exit status.
end_prefix() {
    WINEPREFIX="$1" "$wineserver" -w 2>/dev/null || true
    rm -rf "$1" 2>/dev/null || { sleep 1; rm -rf "$1" 2>/dev/null; } || true
}
cleanup() {
    local status=$?
    end_prefix "$prefix"
    exit "$status"
}
trap cleanup EXIT
log=build/windows/calc-tests.log
# no display, no Mono or Gecko installers, no Wine debug chatter
run_tests() {
    env -u DISPLAY WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
        "$wine" build/windows/tests/kelvora_calc_tests.exe >"$log" 2>&1
}
if ! run_tests; then
    # Wine itself sometimes fails to set up a new prefix ("could not load
    # kernel32.dll") before any test runs: that start is tried once more.
    if grep -q "could not load kernel32.dll" "$log"; then
        end_prefix "$prefix" && mkdir -p "$prefix"
        run_tests || failed=1
    else
        failed=1
    fi
fi
if [ "${failed:-0}" = 1 ]; then
    grep -E "^\[  FAILED|Failure|error" "$log" | head -n 40 || tail -n 40 "$log"
    echo "Windows calc tests: FAILED (log: $log)" >&2
    exit 1
fi
passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\./\1/p' "$log")
echo "Windows (MinGW-w64 under Wine): ${passed:-0} of ${passed:-0} calc tests passed"

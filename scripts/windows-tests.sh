#!/usr/bin/env bash
# Kelvora for Windows, end to end, in build/windows/: the SDK (scripts/
# windows-sdk.sh), the program and every test cross-built with MinGW-w64,
# the tests run under Wine (the window tests with the offscreen platform),
# the installer and the portable .zip made with CPack, the installer run
# silently into a throw-away Wine prefix, the installed program started on
# an X server under Xvfb with the windows platform until its window
# "Kelvora V2.0" shows (a picture of each tab in build/windows/screenshots/),
# then uninstalled silently. Installs what it needs when missing.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

source scripts/packages.sh
install_missing "${windows_packages[@]}"

KELVORA_WIN_PREFIX=$(scripts/windows-sdk.sh | tail -n 1)
export KELVORA_WIN_PREFIX
cmake --preset windows >/dev/null
cmake --build --preset windows --parallel "$(nproc)"

wine=/usr/lib/wine/wine64
command -v wine64 >/dev/null 2>&1 && wine=$(command -v wine64)
# The Wine server lives beside wine64 in Debian's package, not on PATH.
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
prefixes=()

# The Wine server of a prefix goes on writing its registry files into it for a
# moment after the last program ended: a prefix is removed only once that
# server has ended, and clean-up never decides the exit status.
end_prefix() {
    WINEPREFIX="$1" "$wineserver" -k 2>/dev/null || true
    WINEPREFIX="$1" "$wineserver" -w 2>/dev/null || true
    rm -rf "$1" 2>/dev/null || { sleep 1; rm -rf "$1" 2>/dev/null; } || true
}
cleanup() {
    local status=$? prefix
    for prefix in "${prefixes[@]}"; do
        end_prefix "$prefix"
    done
    exit "$status"
}
trap cleanup EXIT
# A new prefix in $prefix, set up before anything runs in it (Wine sometimes
# fails its first start in a new prefix with "could not load kernel32.dll":
# tried once more).
new_prefix() {
    local attempt
    for attempt in 1 2; do
        prefix=$(mktemp -d)
        prefixes+=("$prefix")
        if env -u DISPLAY WINEPREFIX="$prefix" "$wine" wineboot --init >/dev/null 2>&1 &&
            WINEPREFIX="$prefix" "$wineserver" -w; then
            return 0
        fi
    done
    echo "Wine could not set up a prefix" >&2
    return 1
}

# 1. Every test under Wine, headless.
new_prefix
tests_prefix=$prefix
log=build/windows/tests.log
if ! env -u DISPLAY WINEPREFIX="$tests_prefix" ctest --preset windows --verbose >"$log" 2>&1; then
    # each failure with the values it printed, then the summary
    grep -v "Read access denied" "$log" | grep -E -A6 "Failure$" | head -n 60 || true
    grep -E "^\[  FAILED|tests failed|\(Failed\)" "$log" | head -n 20 || tail -n 40 "$log"
    echo "Windows tests: FAILED (log: $log)" >&2
    exit 1
fi
passed=$(grep -Eo "\[  PASSED  \] [0-9]+" "$log" | awk '{s += $4} END {print s + 0}' || true)
skipped=$(grep -Eo "\[  SKIPPED \] [0-9]+ test" "$log" | awk '{s += $4} END {print s + 0}' || true)
echo "Windows (MinGW-w64 under Wine): $passed tests passed, $skipped skipped on Windows by name (docs/dev/building.md)"

# 2. The installer and the portable .zip.
(cd build/windows && cpack >/dev/null)
installer=$(ls build/windows/Kelvora-*-win64.exe)
echo "Windows installer: $installer ($(du -k "$installer" | cut -f1) kB), DLLs: $(tr '\n' ' ' <build/windows/shipped-dlls.txt)"

# 3. Installed silently, started on an X server, uninstalled silently.
new_prefix
install_prefix=$prefix
env -u DISPLAY WINEPREFIX="$install_prefix" "$wine" "$installer" /S
WINEPREFIX="$install_prefix" "$wineserver" -w
folder="$install_prefix/drive_c/Program Files/Kelvora"
for file in kelvora.exe Qt6Widgets.dll platforms/qwindows.dll guide/index.html Uninstall.exe; do
    [ -f "$folder/$file" ] || { echo "the installer left out $file" >&2; exit 1; }
done
shots=build/windows/screenshots
rm -rf "$shots" && mkdir -p "$shots"
WINEPREFIX="$install_prefix" xvfb-run -a -s "-screen 0 1280x1024x24" \
    scripts/windows-start-check.sh "$wine" 'C:\Program Files\Kelvora\kelvora.exe' "$shots"
WINEPREFIX="$install_prefix" "$wineserver" -w
env -u DISPLAY WINEPREFIX="$install_prefix" "$wine" "$folder/Uninstall.exe" /S "_?=C:\\Program Files\\Kelvora"
WINEPREFIX="$install_prefix" "$wineserver" -w
if [ -e "$folder/kelvora.exe" ]; then
    echo "the uninstaller left kelvora.exe" >&2
    exit 1
fi
echo "Windows installer: installed silently, the window \"Kelvora V2.0\" shown (pictures in $shots), uninstalled"

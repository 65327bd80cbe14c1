#!/usr/bin/env bash
# Makes the Windows SDK the Windows build links against: Qt 6.4.2 (qtbase:
# Core, Gui, Widgets, PrintSupport, Test; the windows and offscreen platform
# plugins, the windowsvista style) as DLLs and libxlsxwriter 1.1.4 as a static
# library, both cross-built with Debian's MinGW-w64 from Debian's own source
# packages, in a cache folder outside the clone keyed by their versions.
#
# Does nothing when a complete SDK is there. Where a prebuilt archive of the
# same SDK lies in ../shared/windows beside the clone (or in
# $KELVORA_WIN_SDK_ARCHIVES) and its SHA256SUMS matches, it is unpacked
# instead of spending about an hour of CPU on Qt.
#
#   scripts/windows-sdk.sh            prints the SDK's folder on its last line
#   KELVORA_WIN_SDK_CACHE=DIR         where SDKs are kept (default ~/.cache/kelvora)
#   KELVORA_WIN_SDK_FROM_SOURCE=1     build from source even when an archive is there
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

qt_version=6.4.2
xlsx_version=1.1.4
key="qt-${qt_version}-xlsxwriter-${xlsx_version}-mingw-w64"
cache=${KELVORA_WIN_SDK_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kelvora}
sdk="$cache/$key"
prefix="$sdk/qt-mingw"

# What a complete SDK holds; written last, so a build cut short is redone.
complete="$sdk/complete"
if [ -f "$complete" ]; then
    echo "$prefix"
    exit 0
fi

source "$here/scripts/packages.sh"
install_missing g++-mingw-w64-x86-64-posix cmake ninja-build perl xz-utils \
    qt6-base-dev qt6-base-dev-tools libz-mingw-w64-dev >&2

rm -rf "$sdk"
mkdir -p "$sdk"

# A prebuilt archive beside the clone (or beside the clone it was cloned from).
archive_folders=()
[ -n "${KELVORA_WIN_SDK_ARCHIVES:-}" ] && archive_folders+=("$KELVORA_WIN_SDK_ARCHIVES")
archive_folders+=("$here/../shared/windows")
origin=$(git -C "$here" config --get remote.origin.url 2>/dev/null || true)
[ -d "$origin" ] && archive_folders+=("$origin/../shared/windows")
archive=""
if [ "${KELVORA_WIN_SDK_FROM_SOURCE:-0}" != 1 ]; then
    for folder in "${archive_folders[@]}"; do
        candidate="$folder/qt-${qt_version}-mingw-w64.tar.xz"
        if [ -f "$candidate" ] && [ -f "$folder/SHA256SUMS" ] &&
            (cd "$folder" && sha256sum --check --status --ignore-missing SHA256SUMS) &&
            grep -q "qt-${qt_version}-mingw-w64.tar.xz" "$folder/SHA256SUMS"; then
            archive=$candidate
            break
        fi
    done
fi

if [ -n "$archive" ]; then
    echo "Windows SDK: unpacking $archive" >&2
    tar -xJf "$archive" -C "$sdk"
else
    echo "Windows SDK: building Qt ${qt_version} and libxlsxwriter ${xlsx_version} from Debian's sources (about an hour of CPU)" >&2
    work="$sdk/work"
    mkdir -p "$work/lists/partial"
    # Debian's source packages through apt, the system's sources untouched:
    # a deb-src entry for the same archive in a list of our own.
    uris=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n 1)
    suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
    cat >"$work/deb-src.sources" <<EOF
Types: deb-src
URIs: ${uris:-http://deb.debian.org/debian}
Suites: ${suite}
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    apt_options=(-o "Dir::Etc::SourceList=$work/deb-src.sources"
        -o Dir::Etc::SourceParts=/nonexistent -o "Dir::State::Lists=$work/lists")
    apt-get "${apt_options[@]}" update >&2
    (cd "$work" && apt-get "${apt_options[@]}" source --download-only \
        "qt6-base=${qt_version}*" "libxlsxwriter=${xlsx_version}*" >&2)
    (cd "$work" && for dsc in qt6-base_*.dsc libxlsxwriter_*.dsc; do
        dpkg-source --skip-debianization -x "$dsc" >&2
    done)
    toolchain="$here/cmake/mingw-w64-x86_64.cmake"
    KELVORA_WIN_PREFIX="$prefix" "$here/scripts/windows-sdk-qt.sh" \
        "$(ls -d "$work"/qtbase-everywhere-src-*/)" "$work/qt-build" "$prefix" "$toolchain" >&2
    KELVORA_WIN_PREFIX="$prefix" "$here/scripts/windows-sdk-xlsxwriter.sh" \
        "$(ls -d "$work"/libxlsxwriter-*/)" "$work/xlsx-build" "$prefix" "$toolchain" >&2
    rm -rf "$work"
fi

for needed in bin/Qt6Widgets.dll bin/Qt6PrintSupport.dll bin/Qt6Test.dll \
    plugins/platforms/qwindows.dll plugins/platforms/qoffscreen.dll \
    plugins/styles/qwindowsvistastyle.dll lib/libxlsxwriter.a lib/libz.a \
    lib/cmake/Qt6/Qt6Config.cmake bin/libstdc++-6.dll; do
    if [ ! -f "$prefix/$needed" ]; then
        echo "Windows SDK: $prefix/$needed is missing" >&2
        exit 1
    fi
done
echo "$key" >"$complete"
echo "$prefix"

# Sourced by the set-up scripts. The Debian packages, by what needs them, and
# install_missing PACKAGE..., which installs with apt-get (through sudo when
# not root) those that are not installed yet.

# Building and running the program: compiler, Qt, libxlsxwriter, the CJK faces.
run_packages=(
    cmake g++ make pkg-config
    qt6-base-dev libgl-dev qt6-translations-l10n libxlsxwriter-dev zlib1g-dev
    fonts-noto-cjk fonts-arphic-uming
)
# Building and running every test and benchmark: GoogleTest, Google Benchmark,
# an X server for the window tests, the readers of the files the program
# writes (pdftotext, openpyxl), the checks of the desktop entry and package.
test_packages=(
    libgtest-dev libbenchmark-dev
    xvfb xauth xdotool
    desktop-file-utils appstream dpkg-dev
    poppler-utils python3-openpyxl lintian devscripts
)

# The Windows build and its tests under Wine (scripts/windows-tests.sh): the
# cross compiler, Wine, Ninja, NSIS for the installer, and what takes the
# pictures of the installed program (xwd, netpbm).
windows_packages=(
    g++-mingw-w64-x86-64-posix wine64 libgtest-dev cmake ninja-build nsis
    libz-mingw-w64-dev xvfb xauth xdotool x11-apps netpbm fontconfig
)

install_missing() {
    local missing=() p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

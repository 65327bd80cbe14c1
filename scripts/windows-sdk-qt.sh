#!/usr/bin/env bash
# Cross-builds Qt's qtbase for Windows x86-64 with MinGW-w64, CMake and Ninja,
# out of tree, and installs it: Core, Gui, Widgets, PrintSupport, Test, the
# windows and offscreen platform plugins and the windowsvista style, shared,
# Release. Host tools (moc, rcc, uic) are Debian's of the same version
# (QT_HOST_PATH=/usr). Called by windows-sdk.sh.
#
#   windows-sdk-qt.sh SOURCE BUILD PREFIX TOOLCHAIN
set -euo pipefail
src=$1 build=$2 prefix=$3 toolchain=$4

options=(
    -DCMAKE_TOOLCHAIN_FILE="$toolchain"
    -DKELVORA_WIN_PREFIX="$prefix"
    -DCMAKE_INSTALL_PREFIX="$prefix"
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_BENCHMARKS=OFF
    -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF
    # modules the program does not use
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF
    # Debian's source has no src/3rdparty/wintab
    -DFEATURE_tabletevent=OFF
    # direct2d stays on: without it 6.4.2 leaves the DirectWrite font engine
    # out of QtGui while PrintSupport still calls it
    -DFEATURE_direct2d=ON -DFEATURE_direct2d1_1=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF
    # Qt's bundled libraries: Debian has no MinGW builds of them
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF
    # FreeType for the offscreen platform plugin the tests use
    -DFEATURE_freetype=ON -DFEATURE_harfbuzz=ON -DFEATURE_png=ON
    -DFEATURE_widgets=ON -DFEATURE_printsupport=ON -DFEATURE_testlib=ON
    -DFEATURE_style_windowsvista=ON -DFEATURE_accessibility=ON
)
cmake -G Ninja -S "$src" -B "$build" "${options[@]}"
cmake --build "$build" --parallel "$(nproc)"
cmake --install "$build"

# The MinGW runtime beside Qt's DLLs, as in Qt's own MinGW kits.
for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    cp "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)" "$prefix/bin/"
done

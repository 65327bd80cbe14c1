#!/usr/bin/env bash
# Cross-builds libxlsxwriter for Windows x86-64 as a static library with its
# bundled minizip and Debian's MinGW zlib (static, so nothing needs
# zlib1.dll), into the SDK. Called by windows-sdk.sh.
#
#   windows-sdk-xlsxwriter.sh SOURCE BUILD PREFIX TOOLCHAIN
set -euo pipefail
src=$1 build=$2 prefix=$3 toolchain=$4

mkdir -p "$prefix/include" "$prefix/lib"
cp /usr/x86_64-w64-mingw32/include/zlib.h /usr/x86_64-w64-mingw32/include/zconf.h "$prefix/include/"
cp /usr/x86_64-w64-mingw32/lib/libz.a "$prefix/lib/"

cmake -G Ninja -S "$src" -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DKELVORA_WIN_PREFIX="$prefix" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_INSTALL_LIBDIR=lib \
    -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_SHARED_LIBS=OFF \
    -DUSE_SYSTEM_MINIZIP=OFF \
    -DUSE_OPENSSL_MD5=OFF \
    -DBUILD_TESTS=OFF \
    -DBUILD_EXAMPLES=OFF \
    -DZLIB_LIBRARY="$prefix/lib/libz.a" \
    -DZLIB_INCLUDE_DIR="$prefix/include"
cmake --build "$build" --parallel "$(nproc)"
cmake --install "$build"

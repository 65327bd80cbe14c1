# Cross-builds for Windows x86-64 with Debian's MinGW-w64 compiler (the
# "posix" thread model, for std::thread and friends), and runs what it builds
# under Wine when CTest asks. Qt for Windows and libxlsxwriter come from the
# SDK folder KELVORA_WIN_PREFIX (scripts/windows-sdk.sh makes it); the MinGW
# headers and import libraries from /usr/x86_64-w64-mingw32.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Given as -DKELVORA_WIN_PREFIX=... or in the environment; handed on to
# CMake's own test projects, which see only the variables listed here.
if(NOT DEFINED KELVORA_WIN_PREFIX AND DEFINED ENV{KELVORA_WIN_PREFIX})
    set(KELVORA_WIN_PREFIX $ENV{KELVORA_WIN_PREFIX})
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KELVORA_WIN_PREFIX)
set(CMAKE_FIND_ROOT_PATH ${KELVORA_WIN_PREFIX} /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(KELVORA_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(KELVORA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KELVORA_WINE})
endif()

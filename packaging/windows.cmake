# Kelvora for Windows: what is installed beside kelvora.exe, the installer
# (NSIS through CPack) and a portable .zip of the same files.
#
#   cmake --install build/windows --prefix <folder>
#   (cd build/windows && cpack)        -> Kelvora-2.0.0-win64.exe and .zip
#
# The DLLs shipped are those kelvora.exe, its module of exports and printing
# and its plugins import, found in the
# SDK (Qt's and the MinGW runtime's); the plugins are those the program
# loads: the windows platform and the windowsvista style. The build folder's
# shipped-dlls.txt names the DLLs, install_manifest.txt every file.

install(TARGETS kelvora RUNTIME DESTINATION .)
# The module of exports and printing beside it, where the program looks first.
install(TARGETS kelvora_output LIBRARY DESTINATION .)
# The plugins and the DLLs, read from the imports of the program and of each plugin.
set(KELVORA_PLUGINS platforms/qwindows.dll styles/qwindowsvistastyle.dll)
install(CODE "
    set(KELVORA_OBJDUMP \"${CMAKE_OBJDUMP}\")
    set(KELVORA_STRIP \"${CMAKE_STRIP}\")
    set(KELVORA_PROGRAM \"$<TARGET_FILE:kelvora>;$<TARGET_FILE:kelvora_output>\")
    set(KELVORA_PLUGIN_FOLDER \"${KELVORA_WIN_PREFIX}/plugins\")
    set(KELVORA_PLUGINS \"${KELVORA_PLUGINS}\")
    set(KELVORA_DLL_FOLDER \"${KELVORA_WIN_PREFIX}/bin\")
    set(KELVORA_DESTINATION \"\${CMAKE_INSTALL_PREFIX}\")
    set(KELVORA_DLL_LIST \"${PROJECT_BINARY_DIR}/shipped-dlls.txt\")
    include(\"${CMAKE_CURRENT_SOURCE_DIR}/windows/runtime_dlls.cmake\")
")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/guide DESTINATION .)
install(FILES windows/THIRD-PARTY.txt DESTINATION .)
foreach(licence LGPL-3 GPL-3)
    install(FILES /usr/share/common-licenses/${licence} DESTINATION licenses RENAME ${licence}.txt)
endforeach()

# The installer: for all users into Program Files when run as an
# administrator, otherwise for this user into their own programs folder; a
# Start-menu entry, an uninstaller, and a silent mode (/S).
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Kelvora)
set(CPACK_PACKAGE_VENDOR Kelvora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "招标代理费、监理取费与工期计算")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Kelvora)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Kelvora)
set(CPACK_PACKAGE_EXECUTABLES kelvora "Kelvora ${KELVORA_VERSION}")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/windows/THIRD-PARTY.txt)
set(CPACK_NSIS_PACKAGE_NAME "Kelvora ${KELVORA_VERSION}")
set(CPACK_NSIS_DISPLAY_NAME "Kelvora ${KELVORA_VERSION}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/ui/resources/kelvora.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/ui/resources/kelvora.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME kelvora.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_URL_INFO_ABOUT "https://kelvora.example.org/guide")
set(CPACK_STRIP_FILES ON)

# CMake's own NSIS template, made a 64-bit installer (like the program; no
# 32-bit layer needed), to ask for administrator rights only of
# administrators ("highest"), and to install for one user into
# %LOCALAPPDATA%\Programs rather than into the documents folder.
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in template)
foreach(pair
        "SetCompressor @CPACK_NSIS_COMPRESSOR@|Target amd64-unicode\n  SetCompressor @CPACK_NSIS_COMPRESSOR@"
        "RequestExecutionLevel admin|RequestExecutionLevel highest"
        "StrCpy $INSTDIR \"$DOCUMENTS\\@CPACK_PACKAGE_INSTALL_DIRECTORY@\"|StrCpy $INSTDIR \"$LOCALAPPDATA\\Programs\\@CPACK_PACKAGE_INSTALL_DIRECTORY@\"")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 from)
    list(GET pair 1 to)
    string(FIND "${template}" "${from}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "CMake's NSIS template has no \"${from}\"")
    endif()
    string(REPLACE "${from}" "${to}" template "${template}")
endforeach()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/nsis/NSIS.template.in "${template}")
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_BINARY_DIR}/nsis)
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_BINARY_DIR}/nsis)
include(CPack)

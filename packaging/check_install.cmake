# Installs the build into PREFIX and checks that every file a desktop needs
# is where the standards put it.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected
    bin/kelvora
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/man/man1/kelvora.1.gz
    share/doc/kelvora/copyright
    share/doc/kelvora/changelog.Debian.gz
    share/doc/kelvora/guide/index.html
    share/doc/kelvora/guide/images/tooltip.png)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(file IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "missing after install: ${file}")
    endif()
endforeach()
message(STATUS "install tree complete: ${PREFIX}")

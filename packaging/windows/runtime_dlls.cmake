# Installs the plugins a Windows program loads and the DLLs it and they
# import, read from their import tables with objdump, following each DLL
# found in the SDK's bin folder in turn, all stripped of their symbols. Names are matched without regard to case, as Windows
# does (CMake's own file(GET_RUNTIME_DEPENDENCIES) lowercases them and then
# misses them on a case-sensitive disk). DLLs that are not in the SDK are
# the system's. Writes the names it installed to KELVORA_DLL_LIST.
#
# Set before including: KELVORA_OBJDUMP, KELVORA_STRIP, KELVORA_PROGRAM,
# KELVORA_PLUGIN_FOLDER and KELVORA_PLUGINS (relative to it), KELVORA_DLL_FOLDER,
# KELVORA_DESTINATION, KELVORA_DLL_LIST.

cmake_policy(PUSH)
cmake_policy(SET CMP0057 NEW)  # IN_LIST
file(GLOB available RELATIVE "${KELVORA_DLL_FOLDER}" "${KELVORA_DLL_FOLDER}/*.dll")
function(install_stripped file destination)
    file(INSTALL "${file}" DESTINATION "${destination}")
    get_filename_component(name "${file}" NAME)
    execute_process(COMMAND "${KELVORA_STRIP}" --strip-unneeded "${destination}/${name}"
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "could not strip ${destination}/${name}")
    endif()
endfunction()

set(queue "${KELVORA_PROGRAM}")
foreach(plugin ${KELVORA_PLUGINS})
    get_filename_component(folder "${plugin}" DIRECTORY)
    install_stripped("${KELVORA_PLUGIN_FOLDER}/${plugin}" "${KELVORA_DESTINATION}/${folder}")
    list(APPEND queue "${KELVORA_PLUGIN_FOLDER}/${plugin}")
endforeach()
set(found)
while(queue)
    list(POP_FRONT queue binary)
    execute_process(COMMAND "${KELVORA_OBJDUMP}" -p "${binary}"
        OUTPUT_VARIABLE imports RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "objdump could not read ${binary}")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" names "${imports}")
    foreach(line ${names})
        string(REGEX REPLACE "DLL Name: " "" name "${line}")
        string(TOLOWER "${name}" wanted)
        foreach(candidate ${available})
            string(TOLOWER "${candidate}" lower)
            if(lower STREQUAL wanted AND NOT candidate IN_LIST found)
                list(APPEND found "${candidate}")
                list(APPEND queue "${KELVORA_DLL_FOLDER}/${candidate}")
            endif()
        endforeach()
    endforeach()
endwhile()
list(SORT found CASE INSENSITIVE)
foreach(dll ${found})
    install_stripped("${KELVORA_DLL_FOLDER}/${dll}" "${KELVORA_DESTINATION}")
endforeach()
list(JOIN found "\n" listed)
file(WRITE "${KELVORA_DLL_LIST}" "${listed}\n")
cmake_policy(POP)

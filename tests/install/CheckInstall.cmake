# cmake -DBUILD_DIR=.. -DTEMPLATE_DIR=.. -DWORK_DIR=.. -DAPP_ID=.. -P CheckInstall.cmake
set(prefix ${WORK_DIR}/prefix)
set(home ${WORK_DIR}/home)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${home})

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${err}")
endif()

foreach(file bin/xiaowu share/xiaowu/使用手册.html share/xiaowu/readme.txt share/applications/${APP_ID}.desktop
        share/metainfo/${APP_ID}.metainfo.xml share/icons/hicolor/scalable/apps/${APP_ID}.svg
        share/icons/hicolor/16x16/apps/${APP_ID}.png share/icons/hicolor/256x256/apps/${APP_ID}.png)
    if(NOT EXISTS ${prefix}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
file(GLOB pictures ${prefix}/share/xiaowu/使用手册图片/*)
if(NOT pictures)
    message(FATAL_ERROR "the manual's pictures are not installed")
endif()

# Runs the installed program's data check; env: extra `cmake -E env` arguments. Sets `root`.
function(check_data expected)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_DATA_HOME HOME=${home} ${ARGN}
            ${prefix}/bin/xiaowu --check-data
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT rc EQUAL 0 OR NOT out STREQUAL expected)
        message(FATAL_ERROR "xiaowu --check-data: exit ${rc}, printed '${out}' (expected '${expected}'): ${err}")
    endif()
    foreach(name 006 007 008)
        file(SHA256 ${expected}/data/${name}.xsk got)
        file(SHA256 ${TEMPLATE_DIR}/${name}.xsk want)
        if(NOT got STREQUAL want AND NOT "${name}" STREQUAL "${KEEP}")
            message(FATAL_ERROR "${expected}/data/${name}.xsk is not the empty database")
        endif()
    endforeach()
    file(SHA256 ${TEMPLATE_DIR}/wage.xsk want)
    foreach(name 001 002 003 004 005)
        file(SHA256 ${expected}/data/${name}.xsk got)
        if(NOT got STREQUAL want)
            message(FATAL_ERROR "${expected}/data/${name}.xsk is not the empty wage sheet")
        endif()
    endforeach()
    foreach(dir backup Sound)
        if(NOT IS_DIRECTORY ${expected}/${dir})
            message(FATAL_ERROR "${expected}/${dir} was not made")
        endif()
    endforeach()
endfunction()

# First start: the default ~/.local/share/xiaowu.
set(KEEP "")
check_data(${home}/.local/share/xiaowu)
# A later start keeps the records it finds.
file(APPEND ${home}/.local/share/xiaowu/data/006.xsk "records")
file(SHA256 ${home}/.local/share/xiaowu/data/006.xsk before)
set(KEEP 006)
check_data(${home}/.local/share/xiaowu)
file(SHA256 ${home}/.local/share/xiaowu/data/006.xsk after)
if(NOT before STREQUAL after)
    message(FATAL_ERROR "a second start replaced the school's database")
endif()
# XDG_DATA_HOME wins over the default; a relative one is ignored as the XDG rules say.
set(KEEP "")
check_data(${WORK_DIR}/xdg/xiaowu XDG_DATA_HOME=${WORK_DIR}/xdg)
set(KEEP 006)
check_data(${home}/.local/share/xiaowu XDG_DATA_HOME=relative/dir)

file(GLOB_RECURSE below_prefix ${prefix}/*.xsk)
if(below_prefix OR EXISTS ${prefix}/bin/config.ini)
    message(FATAL_ERROR "data written below the prefix: ${below_prefix}")
endif()

# The menu entry and the software centre's data, with the tools scripts/setup installs.
find_program(desktop_validate desktop-file-validate)
find_program(appstreamcli appstreamcli)
if(NOT desktop_validate OR NOT appstreamcli)
    message(WARNING "desktop-file-validate or appstreamcli missing (scripts/setup installs them): not validated")
    return()
endif()
execute_process(COMMAND ${desktop_validate} ${prefix}/share/applications/${APP_ID}.desktop
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate: ${out}${err}")
endif()
execute_process(COMMAND ${appstreamcli} validate --no-net ${prefix}/share/metainfo/${APP_ID}.metainfo.xml
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate: ${out}${err}")
endif()

# The Windows saver runtime, cross-built with MinGW-w64 from this same source tree.
#
# In the host build: an ExternalProject configures the tree again with the MinGW toolchain into
# build/windows-runtime, builds the runtime and the probe the Wine tests use, and makes
# <app dir>/ProjectWin.krt from the runtime (stripped and padded to an even length, as
# Project.krt is). In that cross build (CMAKE_SYSTEM_NAME Windows): the probe.

if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
    if(BUILD_TESTING)
        add_subdirectory(${PROJECT_SOURCE_DIR}/tests/windows/probe
            ${CMAKE_BINARY_DIR}/tests/windows/probe)
    endif()
    return()
endif()
if(KREMOA_CORE_ONLY)
    return()
endif()

find_program(KREMOA_MINGW_CXX x86_64-w64-mingw32-g++-posix)
find_program(KREMOA_MINGW_STRIP x86_64-w64-mingw32-strip)
if(KREMOA_MINGW_CXX AND KREMOA_MINGW_STRIP)
    set(windows_runtime_default ON)
else()
    set(windows_runtime_default OFF)
endif()
option(KREMOA_WINDOWS_RUNTIME "Cross-build the Windows saver runtime ProjectWin.krt (MinGW-w64)"
    ${windows_runtime_default})

set(KREMOA_WINDOWS_BUILD_DIR ${CMAKE_BINARY_DIR}/windows-runtime)
set(KREMOA_WINDOWS_TEMPLATE ${KREMOA_APP_DIR}/ProjectWin.krt)
set(KREMOA_WINDOWS_PROBE ${KREMOA_WINDOWS_BUILD_DIR}/tests/windows/probe/kremoa-probe.exe)
if(NOT KREMOA_WINDOWS_RUNTIME)
    return()
endif()
if(NOT KREMOA_MINGW_CXX OR NOT KREMOA_MINGW_STRIP)
    message(FATAL_ERROR "KREMOA_WINDOWS_RUNTIME needs x86_64-w64-mingw32-g++-posix and "
        "x86_64-w64-mingw32-strip (packages g++-mingw-w64-x86-64-posix, binutils-mingw-w64-x86-64)")
endif()

include(ExternalProject)
set(windows_runtime_exe ${KREMOA_WINDOWS_BUILD_DIR}/src/runtime/windows/kremoa-runtime-windows.exe)
set(windows_targets kremoa-runtime-windows)
set(windows_byproducts ${windows_runtime_exe})
if(BUILD_TESTING)
    list(APPEND windows_targets kremoa-probe)
    list(APPEND windows_byproducts ${KREMOA_WINDOWS_PROBE})
endif()
# The default icon is drawn by the host build (kremoa-runtime-assets, part of kremoa-template)
# and carried by the runtime as its icon resource.
ExternalProject_Add(kremoa-windows-runtime
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${KREMOA_WINDOWS_BUILD_DIR}
    CMAKE_GENERATOR ${CMAKE_GENERATOR}
    CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
        -DCMAKE_BUILD_TYPE=Release
        -DKREMOA_DEFAULT_ICON=${KREMOA_APP_DIR}/scricon.ico
        -DKREMOA_WERROR=${KREMOA_WERROR}
        -DBUILD_TESTING=${BUILD_TESTING}
    # One job: it runs beside the host build's own jobs.
    BUILD_COMMAND ${CMAKE_COMMAND} --build ${KREMOA_WINDOWS_BUILD_DIR} --parallel 1
        --target ${windows_targets}
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${windows_byproducts}
    INSTALL_COMMAND ""
    DEPENDS kremoa-template
    USES_TERMINAL_BUILD ON)

set(windows_stripped ${CMAKE_CURRENT_BINARY_DIR}/kremoa-runtime-windows.stripped.exe)
add_custom_command(OUTPUT ${KREMOA_WINDOWS_TEMPLATE}
    COMMAND ${KREMOA_MINGW_STRIP} -o ${windows_stripped} ${windows_runtime_exe}
    COMMAND kremoa-runtime-assets pad ${windows_stripped} ${KREMOA_WINDOWS_TEMPLATE}
    DEPENDS ${windows_runtime_exe} kremoa-windows-runtime kremoa-runtime-assets
    COMMENT "Making ProjectWin.krt"
    VERBATIM)
add_custom_target(kremoa-windows-template ALL DEPENDS ${KREMOA_WINDOWS_TEMPLATE})

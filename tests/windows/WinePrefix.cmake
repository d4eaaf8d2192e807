# A throwaway Wine prefix for the tests under tests/windows, made fresh once per test run (a
# ctest fixture), or ended (-DACTION=stop: its wineserver is stopped).
#
#   cmake -DWINE=... -DWINESERVER=... -DPREFIX=... -DDESKTOP=WxH [-DACTION=stop] -P WinePrefix.cmake
#
# Every program runs in a virtual desktop of the X server's size: windows then need no window
# manager, and a host window and the saver inside it live on one X window. Without Wine the
# tests are skipped, so this only fails in CI (CI=true), where they must run.
if(NOT WINE OR NOT EXISTS "${WINE}" OR NOT WINESERVER OR NOT EXISTS "${WINESERVER}")
    if("$ENV{CI}" STREQUAL "true")
        message(FATAL_ERROR "wine64 is missing (package wine64)")
    endif()
    message(STATUS "no wine64: the Windows tests will be skipped")
    return()
endif()

set(ENV{WINEPREFIX} "${PREFIX}")
set(ENV{WINEDEBUG} "-all")
# No Mono or Gecko: the saver needs neither, and their installers would ask.
set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml=")
if(NOT "$ENV{KREMOA_TEST_DISPLAY}" STREQUAL "")
    set(ENV{DISPLAY} "$ENV{KREMOA_TEST_DISPLAY}")
endif()

execute_process(COMMAND "${WINESERVER}" -k RESULT_VARIABLE ignored OUTPUT_QUIET ERROR_QUIET)
execute_process(COMMAND "${WINESERVER}" -w RESULT_VARIABLE ignored OUTPUT_QUIET ERROR_QUIET)
if(ACTION STREQUAL "stop")
    return()
endif()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${WINE}" wineboot -i RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "wineboot could not make ${PREFIX} (${status})")
endif()
foreach(setting "Explorer;Desktop;Default" "Explorer\\Desktops;Default;${DESKTOP}")
    list(GET setting 0 key)
    list(GET setting 1 name)
    list(GET setting 2 value)
    execute_process(COMMAND "${WINE}" reg add "HKCU\\Software\\Wine\\${key}" /v ${name}
        /d ${value} /f RESULT_VARIABLE status OUTPUT_QUIET)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "the virtual desktop cannot be set in ${PREFIX} (${status})")
    endif()
endforeach()
# The desktop is read when Wine starts: the next program starts it afresh.
execute_process(COMMAND "${WINESERVER}" -k RESULT_VARIABLE ignored OUTPUT_QUIET ERROR_QUIET)
execute_process(COMMAND "${WINESERVER}" -w RESULT_VARIABLE ignored OUTPUT_QUIET ERROR_QUIET)

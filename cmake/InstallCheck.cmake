# Installs the build into a staging folder and checks the installation as a user meets it:
#   cmake -DBUILD_DIR=<build> -DSTAGE=<folder> -DSHOW=<show.kwp> -P InstallCheck.cmake
# - the manifest lists exactly the files installed, the launchers on PATH included, so removing
#   by the manifest leaves nothing (and a staged install refreshes no desktop caches);
# - the launchers are symbolic links that resolve into the application folder;
# - the saver runtime Project.krt is installed as a program; the Windows runtime ProjectWin.krt,
#   when the build made one, beside it as data (not executable here);
# - the installed kremoa-cli, started through its launcher, builds a show into a saver with the
#   installed template, and that saver checks its own show; a Windows saver of the same show is
#   the installed ProjectWin.krt followed by the same package.
# The install runs as the one component every rule belongs to, so it writes its own manifest
# and leaves the build's install_manifest.txt of a real installation alone.

foreach(variable BUILD_DIR STAGE SHOW)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "InstallCheck: ${variable} is not set")
    endif()
endforeach()

set(prefix /usr)
set(component Unspecified)
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE}
        ${CMAKE_COMMAND} -DCMAKE_INSTALL_PREFIX=${prefix} -DCMAKE_INSTALL_COMPONENT=${component}
        -P ${BUILD_DIR}/cmake_install.cmake
    OUTPUT_QUIET
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "InstallCheck: the install failed (${status})")
endif()

file(STRINGS ${BUILD_DIR}/install_manifest_${component}.txt manifest)
list(TRANSFORM manifest PREPEND ${STAGE})
list(SORT manifest)
file(GLOB_RECURSE installed LIST_DIRECTORIES false ${STAGE}/*)
list(SORT installed)
set(unlisted ${installed})
list(REMOVE_ITEM unlisted ${manifest})
set(missing ${manifest})
list(REMOVE_ITEM missing ${installed})
if(unlisted OR missing)
    message(FATAL_ERROR "InstallCheck: installed but not in the manifest: ${unlisted}; "
        "in the manifest but not installed: ${missing}")
endif()

set(app_dir)
foreach(program kremoa kremoa-cli)
    set(launcher ${STAGE}${prefix}/bin/${program})
    if(NOT IS_SYMLINK ${launcher})
        message(FATAL_ERROR "InstallCheck: ${launcher} is not a symbolic link")
    endif()
    file(READ_SYMLINK ${launcher} target)
    if(IS_ABSOLUTE ${target})
        message(FATAL_ERROR "InstallCheck: ${launcher} points to ${target}, outside the staging")
    endif()
    file(REAL_PATH ${launcher} resolved)
    if(NOT EXISTS ${resolved} OR IS_DIRECTORY ${resolved})
        message(FATAL_ERROR "InstallCheck: ${launcher} leads nowhere (${target})")
    endif()
    get_filename_component(app_dir ${resolved} DIRECTORY)
endforeach()

execute_process(COMMAND test -x ${app_dir}/Project.krt RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "InstallCheck: ${app_dir}/Project.krt is not installed as a program")
endif()

set(saver ${STAGE}/check.scr)
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
        ${STAGE}${prefix}/bin/kremoa-cli build ${SHOW} --out ${saver}
    OUTPUT_VARIABLE output ERROR_VARIABLE output
    RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT EXISTS ${saver})
    message(FATAL_ERROR "InstallCheck: the installed kremoa-cli did not build a saver (${status}): ${output}")
endif()
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${saver} --check
    OUTPUT_VARIABLE summary ERROR_VARIABLE errors
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "InstallCheck: the built saver's --check failed (${status}): ${summary}${errors}")
endif()
# The saver is the installed template (its version texts patched in place) and the package.
file(SIZE ${app_dir}/Project.krt template_size)
string(JSON file_size GET ${summary} fileSize)
string(JSON package_size GET ${summary} packageSize)
math(EXPR saver_template_size "${file_size} - ${package_size}")
if(NOT saver_template_size EQUAL template_size)
    message(FATAL_ERROR "InstallCheck: the saver holds a template of ${saver_template_size} bytes, "
        "the installed Project.krt has ${template_size}")
endif()

if(EXISTS ${BUILD_DIR}/app/ProjectWin.krt)
    set(windows_template ${app_dir}/ProjectWin.krt)
    if(NOT EXISTS ${windows_template})
        message(FATAL_ERROR "InstallCheck: ProjectWin.krt is not installed beside Project.krt")
    endif()
    execute_process(COMMAND test -x ${windows_template} RESULT_VARIABLE status)
    if(status EQUAL 0)
        message(FATAL_ERROR "InstallCheck: ${windows_template} is installed executable")
    endif()
    set(windows_saver ${STAGE}/check-windows.scr)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            ${STAGE}${prefix}/bin/kremoa-cli build ${SHOW} --out ${windows_saver} --target windows
        OUTPUT_VARIABLE output ERROR_VARIABLE output
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT EXISTS ${windows_saver})
        message(FATAL_ERROR "InstallCheck: the installed kremoa-cli did not build a Windows saver "
            "(${status}): ${output}")
    endif()
    file(SIZE ${windows_template} windows_template_size)
    file(SIZE ${windows_saver} windows_file_size)
    math(EXPR windows_expected "${windows_template_size} + ${package_size}")
    if(NOT windows_file_size EQUAL windows_expected)
        message(FATAL_ERROR "InstallCheck: the Windows saver has ${windows_file_size} bytes, "
            "not ProjectWin.krt's ${windows_template_size} and the package's ${package_size}")
    endif()
endif()
file(REMOVE_RECURSE ${STAGE})

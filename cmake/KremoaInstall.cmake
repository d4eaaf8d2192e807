# `cmake --install`: the application folder (kremoa, kremoa-cli, Project.krt, scricon.ico and
# the manual side by side, as the builder and the Help menu expect), launchers on PATH, the
# desktop entry, icons, MIME type and AppStream metainfo that let a user find the program and
# open a .kwp show by double-clicking it, the manual pages, and the copyright and changelog.
# Every installed path, the launchers included, is listed in install_manifest.txt, so
# `xargs rm < install_manifest.txt` removes the installation whole.

include(GNUInstallDirs)

# The application folder, relative to the install prefix.
set(KREMOA_INSTALL_APP_DIR ${CMAKE_INSTALL_LIBDIR}/kremoa)

# The desktop icon is the window's icon, drawn by the program's own code.
set(KREMOA_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(KREMOA_ICON_SIZES 16 32 48 64 128 256)
add_executable(kremoa-icon ${PROJECT_SOURCE_DIR}/data/IconWriter.cpp)
target_link_libraries(kremoa-icon PRIVATE kremoa_editor)
kremoa_flags(kremoa-icon)
set(icon_outputs)
foreach(size ${KREMOA_ICON_SIZES})
    list(APPEND icon_outputs ${KREMOA_ICON_DIR}/${size}x${size}/kremoa.png)
endforeach()
add_custom_command(OUTPUT ${icon_outputs}
    COMMAND kremoa-icon ${KREMOA_ICON_DIR}
    DEPENDS kremoa-icon
    COMMENT "Drawing the desktop icon"
    VERBATIM)
add_custom_target(kremoa-icons ALL DEPENDS ${icon_outputs})

# Manual pages and the changelog are installed compressed, without a name or time stamp in the
# gzip header so that the same sources give the same bytes.
find_program(KREMOA_GZIP gzip REQUIRED)
set(KREMOA_COMPRESSED_DIR ${CMAKE_BINARY_DIR}/compressed)
set(compressed_outputs)
foreach(source data/kremoa.1 data/kremoa-cli.1 data/changelog)
    get_filename_component(name ${source} NAME)
    set(output ${KREMOA_COMPRESSED_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/${source} ${KREMOA_COMPRESSED_DIR}/${name}
        COMMAND ${KREMOA_GZIP} -9nf ${KREMOA_COMPRESSED_DIR}/${name}
        DEPENDS ${PROJECT_SOURCE_DIR}/${source}
        COMMENT "Compressing ${name}"
        VERBATIM)
    list(APPEND compressed_outputs ${output})
endforeach()
add_custom_target(kremoa-compressed ALL DEPENDS ${compressed_outputs})

install(TARGETS kremoa kremoa-cli RUNTIME DESTINATION ${KREMOA_INSTALL_APP_DIR})
# The saver runtime is a program: every built screen saver is a copy of it.
install(PROGRAMS ${KREMOA_APP_DIR}/Project.krt DESTINATION ${KREMOA_INSTALL_APP_DIR})
install(FILES ${KREMOA_APP_DIR}/scricon.ico DESTINATION ${KREMOA_INSTALL_APP_DIR})
# The Windows runtime is a Windows program, data to this system: installed without the
# executable bit.
if(KREMOA_WINDOWS_RUNTIME)
    install(FILES ${KREMOA_WINDOWS_TEMPLATE} DESTINATION ${KREMOA_INSTALL_APP_DIR})
endif()
if(EXISTS ${PROJECT_SOURCE_DIR}/docs/manual/Kremoa.html)
    install(FILES ${PROJECT_SOURCE_DIR}/docs/manual/Kremoa.html
        DESTINATION ${KREMOA_INSTALL_APP_DIR})
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/manual/images
        DESTINATION ${KREMOA_INSTALL_APP_DIR} OPTIONAL FILES_MATCHING PATTERN "*.png")
endif()

# Launchers on PATH: symbolic links into the application folder, whose programs find their files
# beside their own real path. The links are made here and installed as files, which puts them in
# the manifest; relative when both folders are, so a staged or moved installation keeps working.
if(IS_ABSOLUTE ${CMAKE_INSTALL_BINDIR} OR IS_ABSOLUTE ${KREMOA_INSTALL_APP_DIR})
    set(launcher_target ${CMAKE_INSTALL_PREFIX}/${KREMOA_INSTALL_APP_DIR})
    if(IS_ABSOLUTE ${KREMOA_INSTALL_APP_DIR})
        set(launcher_target ${KREMOA_INSTALL_APP_DIR})
    endif()
else()
    file(RELATIVE_PATH launcher_target /${CMAKE_INSTALL_BINDIR} /${KREMOA_INSTALL_APP_DIR})
endif()
set(KREMOA_LAUNCHER_DIR ${CMAKE_BINARY_DIR}/launchers)
file(MAKE_DIRECTORY ${KREMOA_LAUNCHER_DIR})
foreach(program kremoa kremoa-cli)
    file(CREATE_LINK ${launcher_target}/${program} ${KREMOA_LAUNCHER_DIR}/${program} SYMBOLIC)
    install(FILES ${KREMOA_LAUNCHER_DIR}/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/data/kremoa.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/kremoa.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${PROJECT_SOURCE_DIR}/data/jp.kremoa.Kremoa.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size ${KREMOA_ICON_SIZES})
    install(FILES ${KREMOA_ICON_DIR}/${size}x${size}/kremoa.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${KREMOA_COMPRESSED_DIR}/kremoa.1.gz ${KREMOA_COMPRESSED_DIR}/kremoa-cli.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/data/copyright ${KREMOA_COMPRESSED_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR})

# A direct install (no DESTDIR staging for a package) into a folder the desktop reads refreshes
# its MIME and application caches, so .kwp files open with kremoa at once. Packages leave that to
# their triggers, and a folder no desktop reads gets no caches, which would outlive the manifest.
install(CODE "
    if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
        set(data_dirs \"\$ENV{XDG_DATA_DIRS}\")
        if(data_dirs STREQUAL \"\")
            set(data_dirs /usr/local/share:/usr/share)
        endif()
        set(data_home \"\$ENV{XDG_DATA_HOME}\")
        if(data_home STREQUAL \"\" AND NOT \"\$ENV{HOME}\" STREQUAL \"\")
            set(data_home \"\$ENV{HOME}/.local/share\")
        endif()
        string(REPLACE \":\" \";\" data_dirs \"\${data_home}:\${data_dirs}\")
        file(REAL_PATH \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}\" installed_data)
        set(read_by_desktop FALSE)
        foreach(dir IN LISTS data_dirs)
            if(NOT dir STREQUAL \"\" AND EXISTS \"\${dir}\")
                file(REAL_PATH \"\${dir}\" dir)
                if(dir STREQUAL installed_data)
                    set(read_by_desktop TRUE)
                endif()
            endif()
        endforeach()
        find_program(update_mime update-mime-database)
        find_program(update_desktop update-desktop-database)
        if(read_by_desktop AND update_mime)
            execute_process(COMMAND \${update_mime} \"\${installed_data}/mime\"
                OUTPUT_QUIET ERROR_QUIET)
        endif()
        if(read_by_desktop AND update_desktop)
            execute_process(COMMAND \${update_desktop} \"\${installed_data}/applications\"
                OUTPUT_QUIET ERROR_QUIET)
        endif()
    endif()")

# The installation checked as a user meets it: staged, listed whole in its manifest, launchers
# that resolve, and the installed kremoa-cli building a saver that checks its show.
if(BUILD_TESTING)
    add_test(NAME InstallLayout
        COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
            -DSTAGE=${CMAKE_BINARY_DIR}/install-check -DSHOW=${CMAKE_BINARY_DIR}/demo/demo.kwp
            -P ${PROJECT_SOURCE_DIR}/cmake/InstallCheck.cmake)
    set_tests_properties(InstallLayout PROPERTIES ENVIRONMENT
        "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan-suppressions.txt")
endif()

# `cmake --install`: the application folder (kremoa, kremoa-cli, Project.krt, scricon.ico and
# the manual side by side, as the builder and the Help menu expect), launchers on PATH, and the
# desktop entry, icon and MIME type that let a user open a .kwp show by double-clicking it.

set(KREMOA_INSTALL_APP_DIR lib/kremoa)

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

install(TARGETS kremoa kremoa-cli RUNTIME DESTINATION ${KREMOA_INSTALL_APP_DIR})
install(FILES ${KREMOA_APP_DIR}/Project.krt ${KREMOA_APP_DIR}/scricon.ico
    DESTINATION ${KREMOA_INSTALL_APP_DIR})
if(EXISTS ${PROJECT_SOURCE_DIR}/docs/manual/Kremoa.html)
    install(FILES ${PROJECT_SOURCE_DIR}/docs/manual/Kremoa.html
        DESTINATION ${KREMOA_INSTALL_APP_DIR})
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/manual/images
        DESTINATION ${KREMOA_INSTALL_APP_DIR} OPTIONAL FILES_MATCHING PATTERN "*.png")
endif()

# Launchers on PATH: links into the application folder, whose programs find their files
# beside their own real path.
foreach(program kremoa kremoa-cli)
    install(CODE "
        set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
        file(MAKE_DIRECTORY \"\${bin}\")
        file(CREATE_LINK \"../${KREMOA_INSTALL_APP_DIR}/${program}\" \"\${bin}/${program}\" SYMBOLIC)
        message(STATUS \"Installing: \${bin}/${program}\")")
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/data/kremoa.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/kremoa.xml DESTINATION share/mime/packages)
foreach(size ${KREMOA_ICON_SIZES})
    install(FILES ${KREMOA_ICON_DIR}/${size}x${size}/kremoa.png
        DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()

# A direct install (no DESTDIR staging for a package) refreshes the desktop's MIME and
# application caches, so .kwp files open with kremoa at once; packages leave that to their
# triggers.
install(CODE "
    if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
        find_program(update_mime update-mime-database)
        find_program(update_desktop update-desktop-database)
        if(update_mime)
            execute_process(COMMAND \${update_mime} \"\${CMAKE_INSTALL_PREFIX}/share/mime\"
                OUTPUT_QUIET ERROR_QUIET)
        endif()
        if(update_desktop)
            execute_process(COMMAND \${update_desktop} \"\${CMAKE_INSTALL_PREFIX}/share/applications\"
                OUTPUT_QUIET ERROR_QUIET)
        endif()
    endif()")

# `cpack -G DEB` in a build folder: a Debian package of what `cmake --install` puts under /usr.
# scripts/make-package.sh configures a build the way Debian builds its own packages and runs this.

set(CPACK_PACKAGE_NAME kremoa)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kremoa developers")
set(CPACK_PACKAGE_CONTACT "Kremoa maintainers <maintainers@users.noreply.c-seed-9522ff76.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "make a screen saver from a slide show of images")
# The extended description under the summary; CPack indents it and marks the empty lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "クレモア (kremoa) is a desktop program with a Japanese user interface that
turns a slide show of BMP and JPEG images into a self-contained screen saver.
Every slide has a display time, a position, one of 35 transition effects and
an optional sound effect; the show may have MIDI or WAV music. Shows are saved
as workspace files (.kwp), previewed full screen and built into one .scr file
that plays the show when run.

The package holds the editor kremoa, the command-line tool kremoa-cli and
the screen-saver runtime that every built saver starts from.")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_STRIP_FILES ON)

# The libraries come from the programs themselves (dpkg-shlibdeps); what they open at run time
# is named here: a General MIDI soundfont for MIDI music (the one the program looks for first,
# or any other) and the fonts that show the Japanese interface.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont | sf2-soundfont-gm, fonts-noto-cjk")

include(CPack)

# The Debian package: `cpack -G DEB` in the build folder makes
# varnel-solitaire_<version>-<release>_<arch>.deb, installed under /usr; `apt install
# ./varnel-solitaire_*.deb` brings what it needs to run.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnel-solitaire)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The package's own revision of that version, counted in changelog.Debian, whose latest entry
# names the two.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGE_VENDOR "The Varnel Solitaire developers")
set(CPACK_PACKAGE_CONTACT ${VARNEL_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tile-matching solitaire with three layouts")
# The long description, in lines short enough for package managers to show as written.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Take equal tiles off the board in pairs until none is left. Three layouts:"
    "Dragon, 144 tiles on five layers; Pyramid, 120 tiles on four square layers;"
    "Rivers, 84 tiles on a flat grid, where two equal tiles go when a line with at"
    "most two turns joins them. With hint, undo, shuffle, one saved game, five tile"
    "sets or a picture of your own, and background music.")

# The install rules write the prefix into the menu entry, so the package is staged with the
# prefix it installs to rather than under the staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VARNEL_HOMEPAGE})
# dpkg-shlibdeps finds the libraries the program links (Qt 6, the C++ run time). Named by hand:
# Qt's platform plugins, which Qt loads at start and without which no window opens (Qt's GUI
# library only recommends them); Qt's SQLite driver, a plugin the record of games opens;
# FluidSynth, loaded only when music is wanted; the
# General MIDI sound font the music plays through; and the typefaces some tile sets letter
# their faces with when drawn at the board's scale.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6sql6-sqlite, ${VARNEL_FLUIDSYNTH_PACKAGE}, timgm6mb-soundfont, fonts-dejavu-core")

# The Debian changelog and the notes for lintian belong to the package alone, so they are added
# to the staged files once the install rules have run, rather than by them.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/DebianFiles.cmake)
set(CPACK_VARNEL_CHANGELOG ${CMAKE_CURRENT_SOURCE_DIR}/changelog.Debian)
set(CPACK_VARNEL_LINTIAN_OVERRIDES ${CMAKE_CURRENT_SOURCE_DIR}/lintian-overrides)

include(CPack)

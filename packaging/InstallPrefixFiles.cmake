# The pieces of an install that name its own folders, written once the prefix is known, which
# is only at install time: `cmake --install build --prefix ~/.local` or /usr in the package.
# Set by the caller: game_dir (the program's folder under the prefix), source_dir, version.
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

# The command players type, on everyone's PATH: a link to the program in its folder, which
# finds its tune, picture file and help pages beside itself.
file(MAKE_DIRECTORY "${root}/bin")
file(CREATE_LINK "../${game_dir}/varnel" "${root}/bin/varnel" SYMBOLIC)

set(launcher "${CMAKE_INSTALL_PREFIX}/bin/varnel")
set(PROJECT_VERSION "${version}")
set(VARNEL_GAME_DIR "${CMAKE_INSTALL_PREFIX}/${game_dir}")
configure_file("${source_dir}/varnel-solitaire.desktop.in"
               "${root}/share/applications/varnel-solitaire.desktop" @ONLY)

# Manual pages are kept compressed; -n leaves out the time, so the same page gives the same file.
set(man_page "${root}/share/man/man6/varnel.6")
configure_file("${source_dir}/varnel.6.in" "${man_page}" @ONLY)
execute_process(COMMAND gzip -9nf "${man_page}" COMMAND_ERROR_IS_FATAL ANY)

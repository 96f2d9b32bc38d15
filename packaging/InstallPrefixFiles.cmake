# The pieces of an install that depend on its prefix, written once the prefix is known, which is
# only at install time: `cmake --install build --prefix ~/.local`, or /usr in the package.
# Set by the caller: program_dir, data_dir and help_dir (folders under the prefix), commands,
# data_files, strip (the strip program), source_dir and version.
cmake_path(SET prefix NORMALIZE "${CMAKE_INSTALL_PREFIX}")
string(REGEX REPLACE "(.)/$" "\\1" prefix "${prefix}")
set(root "$ENV{DESTDIR}${prefix}")

# The commands players type. Debian keeps games in a games folder, which is on everyone's PATH
# for the system's own prefixes; an install anywhere else (~/.local) puts them in its bin folder.
if(prefix STREQUAL "/usr" OR prefix STREQUAL "/usr/local")
    set(command_dir games)
else()
    set(command_dir bin)
endif()

# Records a file this script made in the install manifest, as the install's own rules do: by
# its path once installed, without the staging folder.
function(varnel_installed path)
    string(LENGTH "$ENV{DESTDIR}" staging)
    string(SUBSTRING "${path}" ${staging} -1 path)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${path}")
    set(CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_MANIFEST_FILES}" PARENT_SCOPE)
endfunction()

# A link by a path relative to the link's folder, so that a staged or moved tree stays whole.
function(varnel_link target link)
    cmake_path(GET link PARENT_PATH folder)
    file(MAKE_DIRECTORY "${folder}")
    file(RELATIVE_PATH relative "${folder}" "${target}")
    file(CREATE_LINK "${relative}" "${link}" SYMBOLIC)
    varnel_installed("${link}")
    set(CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_MANIFEST_FILES}" PARENT_SCOPE)
endfunction()

# The program finds its files beside itself: links there to where they are kept.
foreach(file IN LISTS data_files)
    varnel_link("${root}/${data_dir}/${file}" "${root}/${program_dir}/${file}")
endforeach()
varnel_link("${root}/${help_dir}" "${root}/${program_dir}/help")

set(PROJECT_VERSION "${version}")
set(VARNEL_PROGRAM_DIR "${prefix}/${program_dir}")
set(VARNEL_DATA_DIR "${prefix}/${data_dir}")
set(VARNEL_HELP_DIR "${prefix}/${help_dir}")
foreach(command IN LISTS commands)
    varnel_link("${root}/${program_dir}/${command}" "${root}/${command_dir}/${command}")
    # A stripped install (the package) also loses the sections Debian's own packages go without.
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND "${strip}" --remove-section=.comment --remove-section=.note
                                "${root}/${program_dir}/${command}"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()
    # Manual pages are kept compressed; -n leaves out the time, so the same page gives the
    # same file.
    set(man_page "${root}/share/man/man6/${command}.6")
    configure_file("${source_dir}/${command}.6.in" "${man_page}" @ONLY)
    execute_process(COMMAND gzip -9nf "${man_page}" COMMAND_ERROR_IS_FATAL ANY)
    varnel_installed("${man_page}.gz")
endforeach()

set(launcher "${prefix}/${command_dir}/varnel")
set(desktop_entry "${root}/share/applications/varnel-solitaire.desktop")
configure_file("${source_dir}/varnel-solitaire.desktop.in" "${desktop_entry}" @ONLY)
varnel_installed("${desktop_entry}")

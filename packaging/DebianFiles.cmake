# Run by cpack once the install rules have staged the package's files: adds what belongs to the
# Debian package alone. The changelog goes beside the copyright, compressed as Debian keeps it
# (-n leaves out the time, so the same changelog gives the same file); the notes for lintian go
# where lintian looks for them.
set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")

set(doc_dir "${usr}/share/doc/${CPACK_PACKAGE_NAME}")
file(MAKE_DIRECTORY "${doc_dir}")
file(COPY_FILE "${CPACK_VARNEL_CHANGELOG}" "${doc_dir}/changelog.Debian")
execute_process(COMMAND gzip -9nf "${doc_dir}/changelog.Debian" COMMAND_ERROR_IS_FATAL ANY)

set(overrides_dir "${usr}/share/lintian/overrides")
file(MAKE_DIRECTORY "${overrides_dir}")
file(COPY_FILE "${CPACK_VARNEL_LINTIAN_OVERRIDES}" "${overrides_dir}/${CPACK_PACKAGE_NAME}")

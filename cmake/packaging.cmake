# The Debian package: `cpack -G DEB` in a build tree packs what `cmake --install` installs. Build
# it with the `package` preset, which compiles with Debian's hardened flags.
if(NOT TARGET zentavo)
  return()
endif()

# Documentation every package carries: the licence in the machine-readable format, the release
# history and the manual pages, English and Romanian, compressed as Debian wants them (gzip -9,
# without a time stamp so that rebuilds are identical).
include(${PROJECT_SOURCE_DIR}/cmake/changelog.cmake)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/zentavo)
set(compressed_docs "")
function(zentavo_gzip source gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND sh -c "gzip -9n < \"$1\" > \"$2\"" sh ${source} ${gz}
    DEPENDS ${source}
    VERBATIM)
  set(compressed_docs ${compressed_docs} ${gz} PARENT_SCOPE)
endfunction()

zentavo_gzip(${ZENTAVO_CHANGELOG} ${PROJECT_BINARY_DIR}/doc/changelog.gz)
configure_file(doc/zentavo.1.in doc/man/zentavo.1 @ONLY)
configure_file(doc/zentavo.ro.1.in doc/man/ro/zentavo.1 @ONLY)
zentavo_gzip(${PROJECT_BINARY_DIR}/doc/man/zentavo.1 ${PROJECT_BINARY_DIR}/doc/man/zentavo.1.gz)
zentavo_gzip(${PROJECT_BINARY_DIR}/doc/man/ro/zentavo.1
             ${PROJECT_BINARY_DIR}/doc/man/ro/zentavo.1.gz)
add_custom_target(zentavo_docs ALL DEPENDS ${compressed_docs})

install(FILES packaging/copyright ${PROJECT_BINARY_DIR}/doc/changelog.gz DESTINATION ${doc_dir})
install(FILES ${PROJECT_BINARY_DIR}/doc/man/zentavo.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/doc/man/ro/zentavo.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/ro/man1)
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
  RENAME zentavo)
# CPack strips the program but keeps the compilers' notes, which Debian's own builds drop.
if(CMAKE_OBJCOPY)
  set(installed_program "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/zentavo")
  install(CODE "execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment
    --remove-section=.note \"${installed_program}\" COMMAND_ERROR_IS_FATAL ANY)")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zentavo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Tarvik)
set(CPACK_PACKAGE_CONTACT "Tarvik <zentavo@tarvik.ro>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for two, three or four resistors in parallel")
# Debian shows the long description in 80 columns.
set(CPACK_PACKAGE_DESCRIPTION [[
Zentavo takes the values of two, three or four resistors connected in
parallel and the total current that feeds them, and shows the total
resistance, the voltage across the group and the power and current of every
branch beside a schematic. Its interface is in Romanian.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries it links: Qt finds its X11 and Wayland platform plugins at run time, and
# the layout is measured in DejaVu Sans where Verdana is missing.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")

include(CPack)

# The Debian package: `cpack -G DEB` in a build tree packs what `cmake --install` installs and the
# package-only component below. Build it with the `package` preset, which compiles with Debian's
# hardened flags.
if(NOT TARGET zentavo)
  return()
endif()

# Installed for the package only, not by a plain `cmake --install`: the component is left out of
# the default install, and CPack installs it after everything else.
set(package_only COMPONENT zentavo_package EXCLUDE_FROM_ALL)
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
  RENAME zentavo ${package_only})
# CPack strips the program but keeps the compilers' notes, which Debian's own builds drop.
if(CMAKE_OBJCOPY)
  set(installed_program "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/zentavo")
  install(CODE "execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment
    --remove-section=.note \"${installed_program}\" COMMAND_ERROR_IS_FATAL ANY)" ${package_only})
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
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};Zentavo;ALL;/"
    "${PROJECT_BINARY_DIR};Zentavo;zentavo_package;/")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries it links: Qt finds its X11 and Wayland platform plugins at run time, and
# the layout is measured in DejaVu Sans where Verdana is missing.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")

include(CPack)

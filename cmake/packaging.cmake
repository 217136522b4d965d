# The Debian package: `cpack -G DEB` in a build tree packs what `cmake --install` installs.
if(NOT TARGET zentavo)
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zentavo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Tarvik)
set(CPACK_PACKAGE_CONTACT "Tarvik <zentavo@tarvik.ro>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for two, three or four resistors in parallel")
set(CPACK_PACKAGE_DESCRIPTION
    "Zentavo takes the values of two, three or four resistors connected in parallel and the\n\
total current that feeds them, and shows the total resistance, the voltage across the group\n\
and the power and current of every branch beside a schematic. Its interface is in Romanian.")
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

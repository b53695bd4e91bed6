# The Debian package: `make package` (cmake --build build --target package) writes
# build/qor_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "QOR")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Teaching and design tool for planar five-bar linkages")
set(CPACK_PACKAGE_DESCRIPTION
    "QOR models two planar five-bar linkages in a 3D scene, one on a floor and one in front of a\n\
wall. It accepts only linkages that close at every position, solves each position in closed\n\
form, animates the driven links and shows the angles and the coupler point.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY qor)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "QOR developers <qor@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://localhost/qor")
# The libraries the programs link are found by dpkg-shlibdeps. What the program loads at run time
# cannot be seen that way and is named here: Qt's Russian translations, a font with Cyrillic
# glyphs and Mesa's OpenGL drivers.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-dejavu-core, libgl1-mesa-dri")
include(CPack)

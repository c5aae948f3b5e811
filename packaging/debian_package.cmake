# The Debian binary package zhcalc_<version>_amd64.deb, made by CPack's DEB
# generator from what `cmake --install` puts under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zhcalc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "zhcalc developers <zhcalc@zhcalc.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scientific desktop calculator with a Russian interface")
# Wrapped as a Debian description wants it.
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_CURRENT_LIST_DIR}/description)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://zhcalc.example.org/)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries' packages come from dpkg-shlibdeps; the fonts are the stand-ins that
# src/controls/fonts.cpp names for the windows' Windows fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ebgaramond, fonts-liberation2, fonts-noto-extra, fonts-urw-base35")
# A Wayland session without XWayland needs Qt's Wayland plugin; the mail line opens
# the mail program through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils")

include(CPack)

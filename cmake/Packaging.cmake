# Debian packages with CPack: "kestrins" (the game and its library) and "libhivekit-dev" (Hivekit
# for other programs). Dependencies come from the binaries through dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrins)
set(CPACK_PACKAGE_VENDOR "The Kestrins developers")
set(CPACK_PACKAGE_CONTACT "${KESTRINS_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL kestrins development)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
if(NOT KESTRINS_HOMEPAGE STREQUAL "")
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KESTRINS_HOMEPAGE}")
endif()

set(CPACK_DEBIAN_KESTRINS_PACKAGE_NAME kestrins)
set(CPACK_DEBIAN_KESTRINS_PACKAGE_SECTION games)
# The Japanese font and Qt's platform plugins are loaded at run time, so dpkg-shlibdeps cannot
# see them.
set(CPACK_DEBIAN_KESTRINS_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-qpa-plugins")
# The package ships libhivekit.so.1: a shlibs file tells other packages' dpkg-shlibdeps where it
# is, and dpkg's ldconfig trigger updates the loader's cache. CPack would otherwise write
# maintainer scripts that call ldconfig themselves; ours do nothing.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_KESTRINS_PACKAGE_CONTROL_EXTRA
  ${CMAKE_CURRENT_LIST_DIR}/debian/triggers
  ${CMAKE_CURRENT_LIST_DIR}/debian/postinst
  ${CMAKE_CURRENT_LIST_DIR}/debian/postrm)
# First line the synopsis; CPack indents the rest and turns empty lines into " .".
set(CPACK_DEBIAN_KESTRINS_DESCRIPTION
  "five-card draw poker against three computer players
Kestrins (ケストリン) is a desktop card game in Japanese and English: five-card
draw with one betting round, played against three computer players whose
temperament you choose and who can bluff. Money is play money and carries
over from game to game.

The package includes Hivekit, the small settings library the game keeps its
settings with.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libhivekit-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "kestrins (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION
  "settings store of Kestrins - development files
Hivekit keeps named, typed values (text and 32-bit numbers) under key paths
in one SQLite file per root, with a small C interface.

This package holds the header, the link library, the pkg-config file
hivekit.pc and the CMake package Hivekit (target Hivekit::hivekit).")

include(CPack)

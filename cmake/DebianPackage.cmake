# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` in a build folder packs what `cmake --install` puts in place, under /usr.
set(CPACK_PACKAGE_NAME quillkeeper)
set(CPACK_PACKAGE_VENDOR "Arlen.T.K.")
# There is no public mail address or home page yet: the maintainer is named without an address
# (the lintian override in resources/debian says so) and the package names no home page.
set(CPACK_PACKAGE_CONTACT "Arlen.T.K.")
# Defined and empty, so that cpack does not fall back on the project's address.
set(CPACK_PACKAGE_HOMEPAGE_URL "")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "clipboard history manager")
# In lines short enough for the package tools' 80 columns.
set(CPACK_PACKAGE_DESCRIPTION [[
QuillKeeper watches the clipboard while it runs and keeps every text you copy
in named lists, to be put back on the clipboard with a click, or picked with a
key from any program. Lists are kept between runs and can be saved to files.
The interface is in Japanese.]])
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Debian's revision of the upstream version: the package is not a native one.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# The libraries the program links come from dpkg-shlibdeps; Qt loads its X11 platform plugin at run
# time, which no library dependency names.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The help page opens in a browser through xdg-open; the lists show Japanese text.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-noto-cjk")

# What a Debian package holds beyond the install: its change log and lintian's override, and a
# program stripped as dh_strip strips it. cmake/DebianStage.cmake does it in the staged tree.
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
execute_process(COMMAND date -u -R -d "${QK_RELEASE_DATE}" OUTPUT_VARIABLE QK_RELEASE_TIME
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_SOURCE_DIR}/resources/debian/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog.Debian @ONLY)
set(CPACK_QK_CHANGELOG ${CMAKE_BINARY_DIR}/debian/changelog.Debian)
set(CPACK_QK_LINTIAN_OVERRIDES ${CMAKE_SOURCE_DIR}/resources/debian/lintian-overrides)
set(CPACK_QK_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/DebianStage.cmake)
set(CPACK_GENERATOR DEB)
include(CPack)

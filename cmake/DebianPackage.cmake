# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` in a build folder packs what `cmake --install` puts in place, under /usr.
set(CPACK_PACKAGE_NAME quillkeeper)
set(CPACK_PACKAGE_VENDOR "Arlen.T.K.")
set(CPACK_PACKAGE_CONTACT "Arlen.T.K. <quillkeeper@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "clipboard history manager")
set(CPACK_PACKAGE_DESCRIPTION
  "QuillKeeper watches the clipboard while it runs and keeps every text you copy in named lists, to be put back on the clipboard with a click. Lists are kept between runs and can be saved to files. The interface is in Japanese.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# The libraries the program links come from dpkg-shlibdeps; Qt loads its X11 platform plugin at run
# time, which no library dependency names.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The help page opens in a browser through xdg-open; the lists show Japanese text.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-noto-cjk")
set(CPACK_GENERATOR DEB)
include(CPack)

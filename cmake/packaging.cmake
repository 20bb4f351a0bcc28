# SPDX-License-Identifier: MIT
# `cpack -G DEB` in the build folder makes a Debian package of the installed files.
set(CPACK_PACKAGE_NAME textcipher)
set(CPACK_PACKAGE_VENDOR "The Text Cipher developers")
set(CPACK_PACKAGE_CONTACT "The Text Cipher developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keep notes unreadable at a glance")
set(CPACK_PACKAGE_DESCRIPTION
    "Text Cipher is a small window with one large text area. Encrypt Text (Ctrl+E)\n\
turns the whole text into a cipher text of the same length; Decrypt Text\n\
(Ctrl+D) turns it back. There is no key: the same text always gives the same\n\
cipher text.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries the program links are found by dpkg-shlibdeps. What it loads
# at run time is not: Qt's platform plugins (only recommended by Qt's GUI
# library) and the serif font the text area asks for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# Qt's Wayland platform plugin, so that the window runs natively on a
# Wayland desktop instead of through Xwayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_STRIP_FILES ON)
include(CPack)

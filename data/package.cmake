# The Debian package, made by CPack from the install rules:
#   cpack -G DEB --config build/CPackConfig.cmake   ->  kovlo_<version>_amd64.deb
# The version is the project's; the dependencies are the binary's libraries
# as dpkg-shlibdeps finds them, plus the font the dialogs are drawn in.
# No Homepage field: the project has none. The address is a stand-in under
# the .invalid domain, which never delivers.
set(KOVLO_MAINTAINER "the Kovlo developers <developers@kovlo.invalid>")

set(CPACK_PACKAGE_NAME kovlo)
set(CPACK_PACKAGE_VENDOR "the Kovlo developers")
set(CPACK_PACKAGE_CONTACT "${KOVLO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for the JPEG photographs of one folder")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Kovlo lists the JPEG files of one folder in name order and shows them one at\n"
    "a time in a resizable window: next and previous with wrap-around, jump to\n"
    "picture N, a timed slideshow, quarter turns, EXIF orientation applied, a\n"
    "fit-to-window view that states its scale and an actual-size view with\n"
    "scroll bars. Large photographs are decoded already reduced when the fit\n"
    "view does not need their full size.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/strip_comment.cmake)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)

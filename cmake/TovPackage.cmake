# The Debian package (`make package`, or `cpack -G DEB` in a release build folder): the
# install rules of src/app and packaging/, under /usr. Its dependencies come from
# dpkg-shlibdeps (package dpkg-dev).
set(TOV_PACKAGE_NAME tovbrenn)
# The desktop entry's and the AppStream component's identifier, in reverse-DNS form.
set(TOV_APP_ID "com.example.tovbrenn" CACHE STRING "Desktop and AppStream identifier")
set(TOV_PACKAGE_CONTACT "Tov Brenn <setup@example.com>" CACHE STRING
    "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${TOV_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "Tov Brenn")
set(CPACK_PACKAGE_CONTACT "${TOV_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration files for cellular trail cameras")
set(CPACK_PACKAGE_DESCRIPTION
    "Tov Brenn Setup prepares the configuration files of the Tov Brenn cellular trail cameras: \
pick a language and a camera model, fill in a setup form and write the file onto the camera's \
memory card. tovbrenn-cli writes and checks the same files from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TOV_MAKER_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The icon theme and the desktop database are refreshed by the triggers of Debian's own
# packages; nothing of ours runs at installation.
include(CPack)

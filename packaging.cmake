# SPDX-License-Identifier: GPL-3.0-or-later
# `bash scripts/package` (or `cpack` in a build folder) makes a Debian package of the program.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pokotamu)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Pokotamu developers <pokotamu@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "二枚の画像を同じ縮尺で重ねる道具 / lays one picture over another at the same scale")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Open a background and a foreground picture, click the \
ends of a known distance on each and type its length in millimetres: the foreground is scaled \
to the background's scale and can be dragged into place.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so no library check can find them: the window system plugin, the
# decoders of JPEG, TIFF, WebP, SVG and the rest, Qt's dialogs in Japanese, and a Japanese font.
# (PDF and HEIC are read by libraries the program links: libqt6pdf6, libheif1.)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-image-formats-plugins, libqt6svg6, qt6-translations-l10n, fonts-ipafont-gothic | fonts-noto-cjk")
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
# Debian's place for what users may do with the package.
install(FILES ${PROJECT_SOURCE_DIR}/resources/copyright DESTINATION share/doc/pokotamu)
include(CPack)

# The Linux release file: a Debian package of exactly what `cmake --install` installs
# (the programs, the desktop entry and the icons; generators, tests and benchmarks are
# never installed). `cpack -G DEB` in a Release tree writes lumio_VERSION_amd64.deb.
set(CPACK_PACKAGE_NAME lumio)
set(CPACK_PACKAGE_VENDOR "Lumio")
set(CPACK_PACKAGE_CONTACT "Lumio developers <lumio@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumio shows a plain-text (GBK) document as a one-line ticker in a borderless,\n"
    "see-through strip that stays above other windows, with a tray icon to hide and\n"
    "show it, and a terminal ticker (lumio-tty) for the same documents.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries found above: Qt's own translations, so its dialog and buttons
# speak the user's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# The captions and the viewer need a CJK font; the program falls back to any installed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
set(CPACK_STRIP_FILES ON)
include(CPack)

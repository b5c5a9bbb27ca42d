# The Linux release file: a Debian package of exactly what `cmake --install` installs
# (the programs, their manual pages, the desktop entry, the AppStream metadata, the icons
# and the two documents below; generators, tests and benchmarks are never installed).
# `cpack -G DEB` in a Release tree writes lumio_VERSION_amd64.deb.
set(CPACK_PACKAGE_NAME lumio)
set(CPACK_PACKAGE_VENDOR "Lumio")
set(CPACK_PACKAGE_CONTACT "Lumio developers <lumio@example.org>")
# Debian's synopsis starts without an article.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "one-line ticker reader for plain-text novels")
# One string: given as several, CMake would join them into a list, and the ";" between
# them would start the description's continuation lines. At most 79 columns a line.
set(CPACK_PACKAGE_DESCRIPTION
    "Lumio shows a plain-text novel as a one-line ticker in a borderless,
see-through strip that stays above other windows, with a tray icon and a boss
key to hide and show it, and a terminal ticker (lumio-tty) for the same
documents. It reads GBK, GB18030, Big5, UTF-8 and UTF-16 and remembers where
each book stopped.")
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
if(DEFINED LUMIO_WEB_PAGE)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LUMIO_WEB_PAGE}")
endif()
include(CPack)

# What Debian wants of every package in /usr/share/doc/lumio: the licence in its
# machine-readable copyright format and the changelog, both made from the project's own
# files at build time (installed by any install, where they do no harm).
if(NOT WIN32)
    include(GNUInstallDirs)
    set(debian_docs ${CMAKE_BINARY_DIR}/debian-docs)
    add_custom_command(
        OUTPUT ${debian_docs}/copyright ${debian_docs}/changelog.gz
        COMMAND bash ${PROJECT_SOURCE_DIR}/packaging/debian/make_docs.sh ${PROJECT_SOURCE_DIR}
                ${debian_docs} ${CPACK_PACKAGE_CONTACT} ${CPACK_PACKAGE_NAME}
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/debian/make_docs.sh ${PROJECT_SOURCE_DIR}/LICENSE
                ${PROJECT_SOURCE_DIR}/CHANGELOG.md
        COMMENT "Writing the Debian copyright and changelog"
        VERBATIM)
    add_custom_target(debian_docs ALL DEPENDS ${debian_docs}/copyright ${debian_docs}/changelog.gz)
    install(FILES ${debian_docs}/copyright ${debian_docs}/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

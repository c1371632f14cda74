# Installation into the standard places under the prefix, and the Debian package (CPack).
include(GNUInstallDirs)

set(ZYK_APP_ID net.umbrin.zykcalc)
set(ZYK_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/zykcalc)

install(TARGETS zykcalc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Read-only files the program finds through ../share/zykcalc beside its bin folder.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/images ${PROJECT_SOURCE_DIR}/resources/help
        ${PROJECT_SOURCE_DIR}/examples DESTINATION ${ZYK_SHARE_DIR})

install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${ZYK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${ZYK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/zykcalc-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME zykcalc.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/zykcalc.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/resources/completion/zykcalc
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# Debian wants manual pages and the changelog compressed, without time stamps (gzip -n).
find_program(ZYK_GZIP gzip REQUIRED)
set(zyk_man_gz ${PROJECT_BINARY_DIR}/zykcalc.1.gz)
set(zyk_changelog_gz ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${zyk_man_gz}
    COMMAND ${ZYK_GZIP} -9nc ${PROJECT_SOURCE_DIR}/docs/zykcalc.1 > ${zyk_man_gz}
    DEPENDS ${PROJECT_SOURCE_DIR}/docs/zykcalc.1
    COMMENT "Compressing the manual page")
add_custom_command(OUTPUT ${zyk_changelog_gz}
    COMMAND ${ZYK_GZIP} -9nc ${PROJECT_SOURCE_DIR}/resources/package/changelog > ${zyk_changelog_gz}
    DEPENDS ${PROJECT_SOURCE_DIR}/resources/package/changelog
    COMMENT "Compressing the package changelog")
add_custom_target(zyk_compressed_docs ALL DEPENDS ${zyk_man_gz} ${zyk_changelog_gz})
install(FILES ${zyk_man_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/resources/package/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zykcalc)
# The package is not meant for Debian's archive: a first upload closes no bug report there.
install(FILES ${PROJECT_SOURCE_DIR}/resources/package/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME zykcalc)
install(FILES ${zyk_changelog_gz} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zykcalc RENAME changelog.Debian.gz)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zykcalc)
set(CPACK_PACKAGE_VENDOR "Umbrin Software")
set(CPACK_PACKAGE_CONTACT "Umbrin Software <zykcalc@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scientific calculator with formulas, statistics and programs")
set(CPACK_PACKAGE_DESCRIPTION
    "Zyk Calc is a keypad calculator with a two-line display, answer formats,
number bases, memories, constants, a formula library, a unit converter,
statistics and regression, and a small BASIC-like programming language
that uses the calculator display as its console. The same calculator
runs in a terminal with zykcalc --eval, --keys and --run.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/zykcalc/")
# The Qt libraries (and everything else) come from the shared libraries the binary links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Widgets find the X11 platform plugin at run time, which no library dependency names.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# Installs the program as a desktop program: the executable in bin/, what ships with it (the
# manual with its pictures, readme.txt) in share/xiaowu/, a menu entry, icons and AppStream data.
# The school's records are not installed: an installed program makes them in the user's data
# directory at its first start.
include(GNUInstallDirs)

set(XIAOWU_APP_ID io.github.xiaowu.Xiaowu)
set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)

install(TARGETS xiaowu RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/manual/ DESTINATION ${CMAKE_INSTALL_DATADIR}/xiaowu)
install(FILES ${XIAOWU_PROGRAM_DIR}/readme.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/xiaowu)
install(FILES ${desktop}/${XIAOWU_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop}/${XIAOWU_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop}/xiaowu.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${XIAOWU_APP_ID}.svg)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${desktop}/xiaowu-${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${XIAOWU_APP_ID}.png)
endforeach()

# `cpack -G DEB` in the build directory: a package that installs on a fresh Debian 12 with
# everything the program needs at run time, including the platform plugins and the fonts it names.
set(CPACK_PACKAGE_NAME xiaowu)
set(CPACK_PACKAGE_VENDOR xiaowu)
set(CPACK_PACKAGE_CONTACT "xiaowu <xiaowu@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "校务管理系统 - school office records")
set(CPACK_PACKAGE_DESCRIPTION
    "Pupils and classes, teachers, marks, comments, wages, timetables, printouts and backups of a school office.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libgcc-s1, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6charts6 (>= 6.4), \
qt6-qpa-plugins, qt6-translations-l10n, libsqlite3-0, libpq5, libnettle8, libsdl2-2.0-0, libsdl2-mixer-2.0-0, libxlsxwriter4, libminizip1, \
fonts-noto-cjk, fonts-arphic-gbsn00lp, fonts-arphic-gkai00mp")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fluid-soundfont-gm")
include(CPack)

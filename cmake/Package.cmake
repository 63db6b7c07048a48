# The Debian package: scripts/package configures a build of its own with this and runs
# cpack (the DEB generator) on it, with the program in /usr/games as Debian wants a game
# (CMAKE_INSTALL_BINDIR=games; the data folder stays /usr/share/myuruka). The shared-library dependencies come from dpkg-shlibdeps;
# what the program needs at run time that no library names is listed here.

# What a Debian package carries beside the program: the changelog and the manual page,
# compressed as Debian wants them (gzip -9n: no name, no time stamp).
find_program(MYURUKA_GZIP gzip REQUIRED)
set(MYURUKA_CHANGELOG_GZ ${CMAKE_BINARY_DIR}/changelog.gz)
set(MYURUKA_MANPAGE_GZ ${CMAKE_BINARY_DIR}/myuruka.6.gz)
add_custom_command(
  OUTPUT ${MYURUKA_CHANGELOG_GZ} ${MYURUKA_MANPAGE_GZ}
  COMMAND ${MYURUKA_GZIP} -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog > ${MYURUKA_CHANGELOG_GZ}
  COMMAND ${MYURUKA_GZIP} -9nc ${PROJECT_SOURCE_DIR}/packaging/myuruka.6 > ${MYURUKA_MANPAGE_GZ}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog ${PROJECT_SOURCE_DIR}/packaging/myuruka.6
  COMMENT "Compressing the changelog and the manual page")
add_custom_target(myuruka_package_docs ALL DEPENDS ${MYURUKA_CHANGELOG_GZ} ${MYURUKA_MANPAGE_GZ})
install(FILES ${MYURUKA_CHANGELOG_GZ} DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${MYURUKA_MANPAGE_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME myuruka)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "ミュルカ developers")
set(CPACK_PACKAGE_CONTACT "ミュルカ developers <dev@myuruka.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fluffy little bird that lives on your desktop")
set(CPACK_PACKAGE_INSTALL_DIRECTORY myuruka)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # myuruka_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "ミュルカ developers <dev@myuruka.invalid>")
# The extended description (CPack puts the summary above it and indents it).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A desktop virtual pet: the little bird Mofurino lives in a small window on
your desktop and grows in real time. It gets hungry and happy, learns the
words you teach it, eats the dishes you serve from food files, meets and
fights your friends' pets, earns titles, and one day enters the hall of fame.

Every text the pet shows is Japanese.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# A Japanese font for every text.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk | fonts-ipafont-gothic | fonts-vlgothic")
# libqt6gui6 (found by dpkg-shlibdeps) holds the X11 platform plugin; on a Wayland desktop
# the program runs through XWayland, and Qt's Wayland plugin is there for pure Wayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-qpa-plugins, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

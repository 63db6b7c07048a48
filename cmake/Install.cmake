# cmake --install: the program, its read-only data folder and the desktop's files, in the
# GNUInstallDirs layout (kernel/ProgramFolders.h says which folder holds what):
#
#   bin/myuruka
#   share/myuruka/           Img/ (the pictures and their @2x twins), お助けぺーじ.html,
#                            注意事項.txt, the sample food files *.krp
#   share/applications/org.myuruka.Myuruka.desktop
#   share/icons/hicolor/NxN/apps/myuruka.png, share/icons/hicolor/scalable/apps/myuruka.svg
#   share/metainfo/org.myuruka.Myuruka.metainfo.xml
#   share/doc/myuruka/copyright

set(MYURUKA_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/myuruka)

install(TARGETS myuruka RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${MYURUKA_PICTURES} DESTINATION ${MYURUKA_DATA_DESTINATION}/Img)
install(FILES ${MYURUKA_PROGRAM_DIR}/お助けぺーじ.html ${MYURUKA_PROGRAM_DIR}/注意事項.txt
              ${MYURUKA_FOOD_FILES}
        DESTINATION ${MYURUKA_DATA_DESTINATION})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/org.myuruka.Myuruka.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size ${MYURUKA_ICON_SIZES})
  install(FILES ${MYURUKA_ICON_DIR}/hicolor/${size}x${size}/apps/myuruka.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${MYURUKA_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The screenshot of the AppStream file lies in the repository (docs/screenshots); its address is
# where the repository's files are published.
set(MYURUKA_SCREENSHOT_URL
    "https://myuruka.example.org/docs/screenshots/installed-pet-window.png"
    CACHE STRING "Address of the screenshot named in the AppStream file")
configure_file(${PROJECT_SOURCE_DIR}/packaging/org.myuruka.Myuruka.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/org.myuruka.Myuruka.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/org.myuruka.Myuruka.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Lays out the program folder beside the executable: the help page, the notes and, when
# the Qt program is built, the pictures that tools/mkpictures.cpp paints into Img/ (every
# file it writes is listed here, so that a missing one is painted again), each at 1× and as
# NAME@2x.bmp at 2×. The same tool paints the program's icon into the build's icons/ folder,
# laid out as an icon theme.

configure_file(${PROJECT_SOURCE_DIR}/assets/お助けぺーじ.html
               ${MYURUKA_PROGRAM_DIR}/お助けぺーじ.html COPYONLY)
# The notes are kept with LF in the repository and given CR LF in the program folder.
configure_file(${PROJECT_SOURCE_DIR}/assets/注意事項.txt ${MYURUKA_PROGRAM_DIR}/注意事項.txt
               @ONLY NEWLINE_STYLE CRLF)

if(MYURUKA_BUILD_UI AND EXISTS ${PROJECT_SOURCE_DIR}/src/app/main.cpp)
  find_package(Qt6 REQUIRED COMPONENTS Gui)
  add_executable(myuruka-mkpictures ${PROJECT_SOURCE_DIR}/tools/mkpictures.cpp)
  target_link_libraries(myuruka-mkpictures PRIVATE myuruka_options Qt6::Gui)

  set(MYURUKA_PICTURE_NAMES ending Oth_IMG_0a Oth_IMG_0b Splash_Logo Splash_Help Mof_CUR_0
      Mof_CUR_1 Mof_CUR_2)
  foreach(pose RANGE 0 19)
    list(APPEND MYURUKA_PICTURE_NAMES Mof_IMG_${pose}a Mof_IMG_${pose}b)
  endforeach()
  # The sister species, in the poses of a friend's pet (friends and battle windows).
  foreach(pose 0 1 3 17 18)
    list(APPEND MYURUKA_PICTURE_NAMES Fwa_IMG_${pose}a Fwa_IMG_${pose}b)
  endforeach()
  set(MYURUKA_PICTURES)
  foreach(name ${MYURUKA_PICTURE_NAMES})
    list(APPEND MYURUKA_PICTURES ${MYURUKA_PROGRAM_DIR}/Img/${name}.bmp
         ${MYURUKA_PROGRAM_DIR}/Img/${name}@2x.bmp)
  endforeach()
  add_custom_command(
    OUTPUT ${MYURUKA_PICTURES}
    COMMAND myuruka-mkpictures ${MYURUKA_PROGRAM_DIR}/Img
    DEPENDS myuruka-mkpictures
    COMMENT "Painting the pet pictures")
  add_custom_target(myuruka_pictures ALL DEPENDS ${MYURUKA_PICTURES})

  # The icon: hicolor/NxN/apps/myuruka.png and hicolor/scalable/apps/myuruka.svg.
  set(MYURUKA_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
  set(MYURUKA_ICON_SIZES 16 22 24 32 48 64 128 256)
  set(MYURUKA_ICON_PNGS)
  foreach(size ${MYURUKA_ICON_SIZES})
    list(APPEND MYURUKA_ICON_PNGS ${MYURUKA_ICON_DIR}/hicolor/${size}x${size}/apps/myuruka.png)
  endforeach()
  set(MYURUKA_ICON_SVG ${MYURUKA_ICON_DIR}/hicolor/scalable/apps/myuruka.svg)
  add_custom_command(
    OUTPUT ${MYURUKA_ICON_PNGS} ${MYURUKA_ICON_SVG}
    COMMAND myuruka-mkpictures --icons ${MYURUKA_ICON_DIR}
    DEPENDS myuruka-mkpictures
    COMMENT "Painting the icon")
  add_custom_target(myuruka_icons ALL DEPENDS ${MYURUKA_ICON_PNGS} ${MYURUKA_ICON_SVG})

  # Screenshots of a private display (docs/screenshots); built only when asked for.
  add_executable(myuruka-screenshot EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/tools/screenshot.cpp)
  target_link_libraries(myuruka-screenshot PRIVATE myuruka_options Qt6::Gui)
endif()

# Lays out the program folder beside the executable: the help page, the notes and, when
# the Qt program is built, the pictures that tools/mkpictures.cpp paints into Img/ (every
# file it writes is listed here, so that a missing one is painted again).

configure_file(${PROJECT_SOURCE_DIR}/assets/お助けぺーじ.html
               ${MYURUKA_PROGRAM_DIR}/お助けぺーじ.html COPYONLY)
# The notes are kept with LF in the repository and given CR LF in the program folder.
configure_file(${PROJECT_SOURCE_DIR}/assets/注意事項.txt ${MYURUKA_PROGRAM_DIR}/注意事項.txt
               @ONLY NEWLINE_STYLE CRLF)

if(MYURUKA_BUILD_UI AND EXISTS ${PROJECT_SOURCE_DIR}/src/app/main.cpp)
  find_package(Qt6 REQUIRED COMPONENTS Gui)
  add_executable(myuruka-mkpictures ${PROJECT_SOURCE_DIR}/tools/mkpictures.cpp)
  target_link_libraries(myuruka-mkpictures PRIVATE myuruka_options Qt6::Gui)

  set(MYURUKA_PICTURES ${MYURUKA_PROGRAM_DIR}/Img/ending.bmp
      ${MYURUKA_PROGRAM_DIR}/Img/Oth_IMG_0a.bmp ${MYURUKA_PROGRAM_DIR}/Img/Oth_IMG_0b.bmp
      ${MYURUKA_PROGRAM_DIR}/Img/Splash_Logo.bmp ${MYURUKA_PROGRAM_DIR}/Img/Splash_Help.bmp
      ${MYURUKA_PROGRAM_DIR}/Img/Mof_CUR_0.bmp ${MYURUKA_PROGRAM_DIR}/Img/Mof_CUR_1.bmp
      ${MYURUKA_PROGRAM_DIR}/Img/Mof_CUR_2.bmp)
  foreach(pose RANGE 0 19)
    list(APPEND MYURUKA_PICTURES ${MYURUKA_PROGRAM_DIR}/Img/Mof_IMG_${pose}a.bmp
         ${MYURUKA_PROGRAM_DIR}/Img/Mof_IMG_${pose}b.bmp)
  endforeach()
  # The sister species, in the poses of a friend's pet (friends and battle windows).
  foreach(pose 0 1 3 17 18)
    list(APPEND MYURUKA_PICTURES ${MYURUKA_PROGRAM_DIR}/Img/Fwa_IMG_${pose}a.bmp
         ${MYURUKA_PROGRAM_DIR}/Img/Fwa_IMG_${pose}b.bmp)
  endforeach()
  add_custom_command(
    OUTPUT ${MYURUKA_PICTURES}
    COMMAND myuruka-mkpictures ${MYURUKA_PROGRAM_DIR}/Img
    DEPENDS myuruka-mkpictures
    COMMENT "Painting the pet pictures")
  add_custom_target(myuruka_pictures ALL DEPENDS ${MYURUKA_PICTURES})
endif()

# Sample food files: each assets/food/NAME.txt (one dish a line) becomes NAME.krp in the
# program folder, written by the makefood tool.
add_executable(makefood tools/makefood.cpp)
target_link_libraries(makefood PRIVATE myuruka_core)

file(GLOB MYURUKA_FOOD_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/food/*.txt)
set(MYURUKA_FOOD_FILES)
foreach(source ${MYURUKA_FOOD_SOURCES})
  get_filename_component(stem ${source} NAME_WE)
  set(output ${MYURUKA_PROGRAM_DIR}/${stem}.krp)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MYURUKA_PROGRAM_DIR}
    COMMAND makefood ${output} ${source}
    DEPENDS makefood ${source}
    COMMENT "Cooking ${stem}.krp")
  list(APPEND MYURUKA_FOOD_FILES ${output})
endforeach()
add_custom_target(food_files ALL DEPENDS ${MYURUKA_FOOD_FILES})

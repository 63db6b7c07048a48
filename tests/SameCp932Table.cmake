# Fails unless the code-page-932 conversions of this system (HOST_TABLE, iconv) and of the
# Windows build under its emulator (EMULATOR TARGET_TABLE) answer the same for every code.
#   cmake -DHOST_TABLE=… -DEMULATOR=… -DTARGET_TABLE=… -DWORK=… -P SameCp932Table.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT EXISTS "${HOST_TABLE}")
  message(FATAL_ERROR "no table of this system at ${HOST_TABLE}: build the core preset first "
                      "(or set MYURUKA_HOST_BUILD_DIR)")
endif()
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND "${HOST_TABLE}" OUTPUT_FILE "${WORK}/host.txt" RESULT_VARIABLE host_rc)
execute_process(COMMAND ${EMULATOR} "${TARGET_TABLE}" OUTPUT_FILE "${WORK}/target.txt"
                RESULT_VARIABLE target_rc)
if(NOT host_rc EQUAL 0 OR NOT target_rc EQUAL 0)
  message(FATAL_ERROR "the tables did not run: ${host_rc} here, ${target_rc} on Windows")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/host.txt" "${WORK}/target.txt"
                RESULT_VARIABLE differs)
if(differs)
  find_program(DIFF diff)
  set(shown "")
  if(DIFF)
    execute_process(COMMAND ${DIFF} "${WORK}/host.txt" "${WORK}/target.txt" OUTPUT_VARIABLE shown)
    string(SUBSTRING "${shown}" 0 4000 shown)
  endif()
  message(FATAL_ERROR "code page 932 differs between the systems (${WORK}):\n${shown}")
endif()
message(STATUS "code page 932: the same answers for every code on both systems")

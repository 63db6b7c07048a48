cmake_minimum_required(VERSION 3.25)
# Fails when a source includes a header of a layer above its own. The layers, from the
# bottom: platform, kernel, game (the subsystem folders), petwindow, startup; then ui,
# testsupport and app on top. A folder may include its own layer and the layers below.
#
# Inside the game layer the subsystem folders run one way too, in this order from the bottom:
# a subsystem folder may include itself and the subsystem folders before it. The windows that
# open other windows sit above the rules and windows they call (the status window above the
# friends, memorial and words windows).
set(game_folders persistence words memorial friends events status feeding)
# The one pair of subsystems that call each other, the game's own: a status pass starts an
# incident (status includes events), and an incident changes the status through the status
# rules (events includes status/mdlChange.h, and only that header of status).
set(game_climb_from events)
set(game_climb_to status/mdlChange.h)

set(allowed_platform platform)
set(allowed_kernel platform kernel)
set(allowed_game platform kernel ${game_folders})
set(allowed_petwindow ${allowed_game} petwindow)
set(allowed_startup ${allowed_petwindow} startup)
set(allowed_testsupport platform kernel testsupport)

file(GLOB_RECURSE sources ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
set(offenders "")
foreach(f ${sources})
  file(RELATIVE_PATH rel ${SOURCE_DIR}/src ${f})
  string(REGEX REPLACE "/.*" "" folder ${rel})
  if(folder IN_LIST game_folders)
    set(layer game)
    list(FIND game_folders ${folder} rank)
  else()
    set(layer ${folder})
  endif()
  if(NOT DEFINED allowed_${layer})
    continue()  # ui and app may include every layer
  endif()
  file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z]+/")
  foreach(line ${lines})
    string(REGEX REPLACE ".*#[ \t]*include[ \t]*\"([a-z]+)/.*" "\\1" target "${line}")
    string(REGEX REPLACE ".*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
    if(NOT target IN_LIST allowed_${layer})
      list(APPEND offenders "src/${rel} (${layer}) includes ${target}/")
    elseif(layer STREQUAL "game" AND target IN_LIST game_folders)
      list(FIND game_folders ${target} target_rank)
      if(target_rank GREATER rank
         AND NOT (folder STREQUAL game_climb_from AND header STREQUAL game_climb_to))
        list(APPEND offenders "src/${rel} (${folder}) includes ${header}, a subsystem above it")
      endif()
    endif()
  endforeach()
endforeach()
if(offenders)
  string(REPLACE ";" "\n  " text "${offenders}")
  message(FATAL_ERROR "includes that climb a layer:\n  ${text}")
endif()
message(STATUS "the layers run one way")

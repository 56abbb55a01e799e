# Keeps the run folder's pictures as the generator draws them. Run at every
# build: a group is drawn again when the generator has changed since it last
# drew, or when one of the group's files is missing or no longer the file it
# wrote. The record lists every file drawn and its checksum; installing reads
# it to know which files are pictures.
#
#   cmake -DGENERATOR=... -DRUN_DIR=... -DRECORD=... -P refreshpictures.cmake
cmake_minimum_required(VERSION 3.25)
foreach(var GENERATOR RUN_DIR RECORD)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "refreshpictures.cmake needs -D${var}=...")
  endif()
endforeach()

execute_process(COMMAND "${GENERATOR}" --files
    OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${GENERATOR} --files failed: ${failed}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${listing}")

# What the last drawing left: "checksum path" a line.
set(known "")
set(recorded "")
if(EXISTS "${RECORD}" AND NOT "${GENERATOR}" IS_NEWER_THAN "${RECORD}")
  file(STRINGS "${RECORD}" recorded)
  set(known TRUE)
endif()

set(groups "")
set(files "")
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^([^ ]+) (.+)$")
    message(FATAL_ERROR "unexpected line from ${GENERATOR} --files: ${line}")
  endif()
  set(group "${CMAKE_MATCH_1}")
  set(file "${CMAKE_MATCH_2}")
  list(APPEND files "${file}")
  if(group IN_LIST groups)
    continue()
  endif()
  if(NOT known OR NOT EXISTS "${RUN_DIR}/${file}")
    list(APPEND groups "${group}")
    continue()
  endif()
  file(MD5 "${RUN_DIR}/${file}" sum)
  if(NOT "${sum} ${file}" IN_LIST recorded)
    list(APPEND groups "${group}")
  endif()
endforeach()

if(NOT groups)
  return()
endif()
if(NOT known)
  set(groups "")  # everything, in one run
  message(STATUS "Drawing the pictures into ${RUN_DIR}")
else()
  list(JOIN groups " " named)
  message(STATUS "Drawing ${named} again into ${RUN_DIR}")
endif()
file(REMOVE "${RECORD}")
execute_process(COMMAND "${GENERATOR}" "${RUN_DIR}" ${groups} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${GENERATOR} failed: ${failed}")
endif()

set(record "")
foreach(file IN LISTS files)
  file(MD5 "${RUN_DIR}/${file}" sum)
  string(APPEND record "${sum} ${file}\n")
endforeach()
file(WRITE "${RECORD}" "${record}")

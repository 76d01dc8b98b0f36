# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the generator twice into fresh directories and requires the same set
# of files with identical bytes: the art is committed to nobody, so every
# build must reproduce it exactly.
#   cmake -DARTGEN=<exe> -DWORK_DIR=<dir> -P check_deterministic.cmake
foreach(var ARTGEN WORK_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
foreach(run a b)
  execute_process(COMMAND "${ARTGEN}" "${WORK_DIR}/${run}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "run ${run} failed: ${rc}")
  endif()
  file(GLOB files_${run} RELATIVE "${WORK_DIR}/${run}" "${WORK_DIR}/${run}/*")
  list(SORT files_${run})
endforeach()

if(NOT files_a STREQUAL files_b)
  message(FATAL_ERROR "runs wrote different file sets:\n${files_a}\n${files_b}")
endif()
list(LENGTH files_a count)
if(count LESS 50)
  message(FATAL_ERROR "only ${count} files written")
endif()

set(differ "")
foreach(f IN LISTS files_a)
  file(SHA256 "${WORK_DIR}/a/${f}" ha)
  file(SHA256 "${WORK_DIR}/b/${f}" hb)
  if(NOT ha STREQUAL hb)
    list(APPEND differ "${f}")
  endif()
endforeach()
if(differ)
  message(FATAL_ERROR "not byte-identical between runs: ${differ}")
endif()
message(STATUS "${count} files identical across two runs")

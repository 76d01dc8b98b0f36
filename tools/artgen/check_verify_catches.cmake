# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Damages copies of a good art directory in typical ways and requires
# `gravok-artgen --verify` to reject each one (and to accept the intact copy).
#   cmake -DARTGEN=<exe> -DART_DIR=<good art> -DWORK_DIR=<dir> -P check_verify_catches.cmake
foreach(var ARTGEN ART_DIR WORK_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

# name | how to damage the copy (operations below)
set(cases
  "intact|none"
  "missing_file|remove:105.png"
  "missing_set|remove:105@3x.png"
  "set_of_another_picture|copy:101@2x.png:109@2x.png"
  "wrong_size|copy:101.png:112.png"
  "shuttle_heading_swapped|copy:5.png:6.png"
  "shuttle_flipped|copy:9.png:1.png"
  "quarter_turn_broken|copy:22.png:26.png"
  "engines_missing|copy:3.png:23.png"
  "gravok_too_small|copy:151.png:107.png"
  "opaque_pointer|copy:101.png:hand.png"
  "hotspot_off_hand|write:hand.hotspot:30 30"
  "hotspot_missing|remove:hand.hotspot")

set(failures "")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 name)
  list(GET parts 1 damage)
  set(dir "${WORK_DIR}/${name}")
  file(REMOVE_RECURSE "${dir}")
  file(COPY "${ART_DIR}/" DESTINATION "${dir}")
  string(REPLACE ":" ";" op "${damage}")
  list(GET op 0 kind)
  if(kind STREQUAL "remove")
    list(GET op 1 target)
    file(REMOVE "${dir}/${target}")
  elseif(kind STREQUAL "copy")
    list(GET op 1 from)
    list(GET op 2 to)
    file(COPY_FILE "${dir}/${from}" "${dir}/${to}")
  elseif(kind STREQUAL "write")
    list(GET op 1 target)
    list(GET op 2 text)
    file(WRITE "${dir}/${target}" "${text}\n")
  endif()
  execute_process(COMMAND "${ARTGEN}" --verify "${dir}" RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
  if(name STREQUAL "intact")
    if(NOT rc EQUAL 0)
      list(APPEND failures "intact copy rejected")
    endif()
  elseif(rc EQUAL 0)
    list(APPEND failures "${name} not detected")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "verify check problems: ${failures}")
endif()
list(LENGTH cases count)
message(STATUS "${count} cases behaved as expected")

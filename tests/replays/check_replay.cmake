# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays one recorded game and compares its final state with the one it was recorded with:
#   cmake -DSIM=... -DDATA_DIR=... -DREPLAY=... -P this
# A change to the rules fails here until RulesVersion is raised and the replays recorded again
# (tests/replays/record.sh). With -DSOAK_SEED=N the game is first recorded afresh: two
# restless soak games (dialogs, names, pauses, F4) must play back to the same end. With
# -DSPEED=P the replay is played as one recorded at a game speed of P per cent.
if(DEFINED SOAK_SEED)
  execute_process(COMMAND ${SIM} --soak 2 --seed ${SOAK_SEED} --record ${REPLAY} --dir ${DATA_DIR}
    RESULT_VARIABLE status ERROR_VARIABLE err OUTPUT_QUIET)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "the soak games could not be recorded (status ${status}): ${err}")
  endif()
endif()
set(played ${REPLAY})
if(DEFINED SPEED)
  file(READ ${REPLAY} text)
  string(REPLACE "\n#@episode " "\n#@speed ${SPEED}\n#@episode " text "${text}")
  get_filename_component(name ${REPLAY} NAME)
  set(played ${CMAKE_CURRENT_BINARY_DIR}/${name}.at${SPEED})
  file(WRITE ${played} "${text}")
endif()
execute_process(COMMAND ${SIM} --replay ${played} --dir ${DATA_DIR}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${REPLAY} ended with status ${status}: ${err}")
endif()
file(READ ${REPLAY}.dump expected)
if(NOT out STREQUAL expected)
  message(FATAL_ERROR "${REPLAY} no longer reaches its recorded end: gravok-sim --replay shows where")
endif()

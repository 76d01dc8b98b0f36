# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one harness script:
#   cmake -DSIM=... -DPROGRAM_DIR=... -DDATA_DIR=... -DSCRIPT=... -DWORK=... [-DEXPECTED=...] -P this
# A script with an EXPECTED file beside it (NAME.out) must print exactly that.
# The game may write beside itself (Punkte.lst), so each run gets a fresh directory.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
# The episode and help files as the build lays them out; the sources stand in until it does.
foreach(dir ${DATA_DIR} ${PROGRAM_DIR})
  file(GLOB files ${dir}/*.gvk ${dir}/*.quh)
  if(files)
    file(COPY ${files} DESTINATION ${WORK})
  endif()
endforeach()
execute_process(COMMAND ${SIM} --dir ${WORK} --seed 1
  INPUT_FILE ${SCRIPT} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}${err}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${SCRIPT} ended with status ${status}")
endif()
if(EXPECTED AND EXISTS ${EXPECTED})
  file(READ ${EXPECTED} want)
  if(NOT out STREQUAL want)
    message(FATAL_ERROR "${SCRIPT} printed otherwise than ${EXPECTED}")
  endif()
endif()

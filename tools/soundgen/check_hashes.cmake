# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DSOUNDGEN=... -DEXPECTED=... -P this: two runs agree, and agree with EXPECTED.
foreach(run 1 2)
  execute_process(COMMAND ${SOUNDGEN} --hashes RESULT_VARIABLE status OUTPUT_VARIABLE out${run})
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gravok-soundgen --hashes failed: ${status}")
  endif()
endforeach()
if(NOT out1 STREQUAL out2)
  message(FATAL_ERROR "two runs differ:\n${out1}\n${out2}")
endif()
file(READ ${EXPECTED} expected)
if(NOT out1 STREQUAL expected)
  message(FATAL_ERROR "the sounds changed; expected\n${expected}\ngot\n${out1}")
endif()

# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every text of the sources has its finished translation: lupdate over the sources into a
# copy of each catalogue leaves no text new, unfinished or vanished.
# -DLUPDATE=… -DSOURCES=<list file> -DOPTIONS=<;-list> -DWORK=<dir> -DTS_FILES=<;-list>
file(MAKE_DIRECTORY ${WORK})
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  configure_file(${ts} ${WORK}/${name} COPYONLY)
  execute_process(COMMAND ${LUPDATE} ${OPTIONS} @${SOURCES} -ts ${WORK}/${name}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}:\n${out}${err}")
  endif()
  file(READ ${WORK}/${name} text)
  string(REGEX MATCHALL "<source>[^<]*</source>\n[ ]*<translation type=\"(unfinished|vanished|obsolete)\"" open "${text}")
  if(open)
    string(REPLACE ";" "\n" open "${open}")
    message(FATAL_ERROR "${name} is not up to date with the sources (cmake --build build --target "
      "update_translations, then translate):\n${open}")
  endif()
  message(STATUS "${name}: every text translated")
endforeach()

# Fails when lupdate, run on the sources, would leave an entry of truv_en.ts unfinished (a text
# without English, or whose Italian changed) or vanished (a text the sources no longer have), and
# when a text header files its texts under a context other than its own.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
configure_file(${TS} ${WORK}/truv_en.ts COPYONLY)
execute_process(
  COMMAND ${LUPDATE} -silent -locations none -no-ui-lines ${SOURCES} -ts ${WORK}/truv_en.ts
  RESULT_VARIABLE status
  ERROR_VARIABLE lupdate_errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status}): ${lupdate_errors}")
endif()
if(lupdate_errors)
  message(FATAL_ERROR "lupdate:\n${lupdate_errors}")
endif()

file(READ ${WORK}/truv_en.ts updated)
string(REGEX MATCHALL "<source>[^<]*</source>([ \t\r\n]*<[a-z]*comment>[^<]*</[a-z]*comment>)*[ \t\r\n]*<translation type=\"(unfinished|vanished|obsolete)\"" open "${updated}")
list(LENGTH open open_count)
if(open_count GREATER 0)
  string(REPLACE ";" "\n" open_list "${open}")
  message(FATAL_ERROR "translations/truv_en.ts: ${open_count} entries without a finished English text "
                      "or no longer in the sources (run lupdate src -ts translations/truv_en.ts and "
                      "translate them in Qt Linguist):\n${open_list}")
endif()

file(GLOB_RECURSE headers ${SOURCES}/*text.h)
foreach(header IN LISTS headers)
  file(READ ${header} content)
  string(REGEX MATCH "Context\\[\\] = \"([^\"]+)\"" declared "${content}")
  if(NOT declared)
    continue()
  endif()
  set(context ${CMAKE_MATCH_1})
  string(REGEX MATCHALL "QT_TRANSLATE_NOOP\\(\"[^\"]+\"" used "${content}")
  foreach(call IN LISTS used)
    if(NOT call STREQUAL "QT_TRANSLATE_NOOP(\"${context}\"")
      message(FATAL_ERROR "${header}: ${call} in a header whose Context is \"${context}\"")
    endif()
  endforeach()
endforeach()
file(TOUCH ${STAMP})

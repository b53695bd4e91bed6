# Fails when the translation TS_FILE is not complete for the sources in SOURCES: lupdate (LUPDATE)
# reads them into a copy of the file in WORK_DIR, and every message of the copy must be finished.
# A text new in the sources comes in unfinished; one that has gone from them is marked vanished.
# On success, touches STAMP.
file(MAKE_DIRECTORY ${WORK_DIR})
get_filename_component(name ${TS_FILE} NAME)
set(copy ${WORK_DIR}/${name})
configure_file(${TS_FILE} ${copy} COPYONLY)
execute_process(COMMAND ${LUPDATE} -silent -locations none ${SOURCES} -ts ${copy}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${SOURCES}")
endif()

file(READ ${copy} text)
# A ";" would split the list of faults below.
string(REPLACE ";" "," text "${text}")
string(REGEX MATCHALL "<message>[^<]*<source>[^<]*</source>[^<]*<translation type=\"(unfinished|vanished|obsolete)\""
       faults "${text}")
if(faults)
    set(report "")
    foreach(fault IN LISTS faults)
        string(REGEX REPLACE ".*<source>([^<]*)</source>.*type=\"([a-z]+)\"" "  \\2: \\1" line
               "${fault}")
        string(APPEND report "${line}\n")
    endforeach()
    message(FATAL_ERROR "${TS_FILE} is not complete (update it with the target "
                        "update_translations, then translate):\n${report}")
endif()
file(TOUCH ${STAMP})

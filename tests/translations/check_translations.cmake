# cmake -DLUPDATE=... -DLRELEASE=... -DINCLUDE=<source root> -DSOURCES=<list file> -DTS=<file.ts> -DWORK=<folder> -P check_translations.cmake
# A translation is complete when the sources hold no text it lacks (lupdate
# finds nothing new) and every text of it is finished (lrelease reports no
# unfinished or untranslated one).
get_filename_component(name "${TS}" NAME)
file(MAKE_DIRECTORY "${WORK}")
set(copy "${WORK}/${name}")
file(COPY_FILE "${TS}" "${copy}")
execute_process(COMMAND "${LUPDATE}" -no-obsolete -locations none -I "${INCLUDE}" "@${SOURCES}" -ts "${copy}"
                OUTPUT_VARIABLE updated ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}: ${errors}")
endif()
if(NOT updated MATCHES "\\(0 new and [0-9]+ already existing\\)")
    message(FATAL_ERROR "${name} lacks texts of the sources; run the update_translations target and translate them:\n${updated}")
endif()
execute_process(COMMAND "${LRELEASE}" "${copy}" -qm "${WORK}/${name}.qm"
                OUTPUT_VARIABLE released ERROR_VARIABLE errors RESULT_VARIABLE result)
string(REGEX MATCH "\\(([0-9]+) finished and 0 unfinished\\)" complete "${released}")
set(finished "${CMAKE_MATCH_1}")
if(NOT result EQUAL 0 OR NOT complete OR released MATCHES "Ignored [0-9]+ untranslated")
    message(FATAL_ERROR "${name} has unfinished translations:\n${released}${errors}")
endif()
message(STATUS "${name}: ${finished} texts, every one translated")

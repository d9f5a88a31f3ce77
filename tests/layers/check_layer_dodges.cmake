# The layer check against the ways round it: in a small tree of its own, a
# clean include graph passes, and each dodge below must make it fail and be
# named. cmake -DCHECK=<check_layers.cmake> -DWORK=<folder> -P check_layer_dodges.cmake
cmake_minimum_required(VERSION 3.25)

find_program(GIT git)
file(REMOVE_RECURSE "${WORK}")

# What is allowed: own folder, a lower layer, a relative path to the own
# folder, a system header, a generated file.
file(WRITE "${WORK}/model/stellar_model.h" "#pragma once\n#include <cmath>\n")
file(WRITE "${WORK}/report/print_data.h" "#pragma once\n#include \"model/stellar_model.h\"\n")
file(WRITE "${WORK}/diagram/diagram_window.cpp"
    "#include \"diagram/diagram_window.h\"\n#include \"./diagram_window.h\"\n#include <report/print_data.h>\n"
    "#include <QWidget>\n#include \"diagram_window.moc\"\n")
file(WRITE "${WORK}/diagram/diagram_window.h" "#pragma once\n#  include \"../model/stellar_model.h\"\n")

function(run_check out_result out_output)
    execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${WORK} -P ${CHECK}
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    set(${out_result} ${result} PARENT_SCOPE)
    set(${out_output} "${output}" PARENT_SCOPE)
endfunction()

run_check(result output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "The clean tree fails the layer check:\n${output}")
endif()

# A committed clean tree: the untracked dodge is a file git does not know.
if(GIT)
    execute_process(COMMAND ${GIT} init -q WORKING_DIRECTORY ${WORK})
    execute_process(COMMAND ${GIT} add -A WORKING_DIRECTORY ${WORK})
    execute_process(COMMAND ${GIT} -c user.name=check -c user.email=check@localhost commit -q -m clean
        WORKING_DIRECTORY ${WORK})
endif()

# Each dodge: its name, the file it adds, what the file holds. The model may
# include nothing of report/.
set(dodges
    "angle brackets|model/angle.cpp|#include <report/print_data.h>"
    "a relative path|model/relative.cpp|#include \"../report/print_data.h\""
    "blanks after the hash|model/blanks.cpp|#  include \"report/print_data.h\""
    "a new top-level folder|extras/extra.cpp|#include \"model/stellar_model.h\""
    "an untracked file|model/untracked.h|#include \"report/print_data.h\""
    "a bare name that only an include path finds|model/bare.cpp|#include \"print_data.h\""
    "the digraph|model/digraph.cpp|%:include \"report/print_data.h\""
    "a macro|model/macro.cpp|#include REPORT_HEADER")
foreach(dodge IN LISTS dodges)
    string(REPLACE "|" ";" parts "${dodge}")
    list(GET parts 0 name)
    list(GET parts 1 path)
    list(GET parts 2 content)
    file(WRITE "${WORK}/${path}" "${content}\n")
    run_check(result output)
    file(REMOVE "${WORK}/${path}")
    if(result EQUAL 0)
        message(FATAL_ERROR "The layer check lets ${name} through (${path}: ${content})")
    endif()
    string(FIND "${output}" "${path}" named)
    if(named EQUAL -1)
        message(FATAL_ERROR "The layer check fails on ${name} but does not name ${path}:\n${output}")
    endif()
    message(STATUS "Caught: ${name}")
endforeach()

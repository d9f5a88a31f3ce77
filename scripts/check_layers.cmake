# The layer check: every C and C++ file under the source tree, tracked by git
# or not, is read for its includes in every form the compiler takes
# ("quotes", <angle brackets>, "../relative" paths, "#  include" with blanks,
# the %: digraph), each is resolved to the folder it reaches, and the check
# fails on an include of a folder its own folder may not use, on a folder the
# table below does not know, and on an include it cannot resolve (a macro).
#
#   cmake -P scripts/check_layers.cmake              # the source tree this script is in
#   cmake -DROOT=<tree> -P scripts/check_layers.cmake
#
# `make test` runs it as the test test_layers. Build trees (a folder holding
# CMakeCache.txt) and hidden folders such as .git are not read.

# Each line: a top-level folder, then the folders it may include besides its
# own. The program's layers come first, bottom up: a folder uses only those
# below it, evolution (the stellar-evolution library) stands on model, and
# report, relsize and stardb stand side by side. A new folder is one more
# line here (a new pure library beside model, say, is "<name> model", and the
# folders above it that use it list it too; a window folder for it stands
# beside stardb: "<name> windows platform <name of the library> model").
set(VELTRANE_LAYERS
    "model"
    "evolution model"
    "platform evolution model"
    "windows platform evolution model"
    "report windows platform evolution model"
    "relsize windows platform evolution model"
    "stardb windows platform evolution model"
    "starlife relsize windows platform evolution model"
    "diagram report relsize windows platform evolution model"
    "resources"
    "translations"
    "app diagram stardb starlife relsize report windows platform evolution model resources translations"
    # Beside the program, and using none of each other but the tests the
    # tools: generators of its pictures and catalogue, screenshot programs,
    # tests, benchmarks, fuzz targets and packaging helpers.
    "tools app diagram stardb starlife relsize report windows platform evolution model resources translations"
    "shots app diagram stardb starlife relsize report windows platform evolution model resources translations"
    "tests app diagram stardb starlife relsize report windows platform evolution model resources translations tools"
    "bench app diagram stardb starlife relsize report windows platform evolution model resources translations"
    "fuzz stardb report model"
    "packaging")

cmake_minimum_required(VERSION 3.25)

if(NOT ROOT)
    get_filename_component(ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
endif()
get_filename_component(ROOT "${ROOT}" ABSOLUTE)

set(known_folders)
foreach(line IN LISTS VELTRANE_LAYERS)
    string(REPLACE " " ";" words "${line}")
    list(GET words 0 folder)
    list(APPEND known_folders ${folder})
    set(allowed_${folder} ${words})
endforeach()

set(source_extensions c cc cpp cxx c++ h hh hpp hxx h++ ipp inl tpp)
set(patterns)
foreach(extension IN LISTS source_extensions)
    list(APPEND patterns "*.${extension}")
endforeach()

# The top-level entries that are read: not hidden, not a build tree.
file(GLOB top_entries RELATIVE "${ROOT}" "${ROOT}/*")
set(files)
foreach(entry IN LISTS top_entries)
    if(entry MATCHES "^\\.")
        continue()
    endif()
    if(IS_DIRECTORY "${ROOT}/${entry}")
        if(EXISTS "${ROOT}/${entry}/CMakeCache.txt")
            continue()
        endif()
        set(globs)
        foreach(pattern IN LISTS patterns)
            list(APPEND globs "${ROOT}/${entry}/${pattern}")
        endforeach()
        file(GLOB_RECURSE found RELATIVE "${ROOT}" ${globs})
        list(APPEND files ${found})
    else()
        string(REGEX MATCH "[^.]*$" extension "${entry}")
        if(entry MATCHES "\\." AND extension IN_LIST source_extensions)
            list(APPEND files "${entry}")
        endif()
    endif()
endforeach()
list(REMOVE_DUPLICATES files)
list(SORT files)

# Every header's name, for an include by bare name that only an added
# include path would find ("print_data.h" reaching report/).
set(header_names)
foreach(file IN LISTS files)
    get_filename_component(name "${file}" NAME)
    string(MAKE_C_IDENTIFIER "${name}" key)
    string(REGEX MATCH "^[^/]*" folder "${file}")
    list(APPEND folders_of_${key} ${folder})
endforeach()

set(problems)
foreach(file IN LISTS files)
    if(file MATCHES "/")
        string(REGEX MATCH "^[^/]*" folder "${file}")
    else()
        set(folder "")
    endif()
    if(NOT folder IN_LIST known_folders)
        if(folder STREQUAL "")
            list(APPEND problems "${file}: a source file at the top of the tree belongs to no layer")
        else()
            list(APPEND problems "${file}: the folder ${folder}/ is not in the layer table of scripts/check_layers.cmake")
        endif()
        continue()
    endif()
    get_filename_component(directory "${ROOT}/${file}" DIRECTORY)
    file(STRINGS "${ROOT}/${file}" lines REGEX "^[ \t]*(#|%:)[ \t]*include")
    foreach(line IN LISTS lines)
        if(line MATCHES "^[ \t]*(#|%:)[ \t]*include(_next)?[ \t]*([<\"])([^>\"]*)[>\"]")
            set(quoted FALSE)
            if(CMAKE_MATCH_3 STREQUAL "\"")
                set(quoted TRUE)
            endif()
            set(target "${CMAKE_MATCH_4}")
        elseif(line MATCHES "^[ \t]*(#|%:)[ \t]*include(_next)?[ \t]*[A-Za-z_]")
            list(APPEND problems "${file}: ${line}: an include through a macro cannot be checked")
            continue()
        else()
            continue()
        endif()
        # Where the include lands: a relative path ("../report/x.h", in
        # quotes or not) beside the including file; a quoted name beside it
        # when it is there; anything else under the tree's root, which is
        # the include path of every target.
        if(target MATCHES "(^|/)\\.\\.?/")
            cmake_path(APPEND directory "${target}" OUTPUT_VARIABLE reached)
        elseif(quoted AND EXISTS "${directory}/${target}")
            set(reached "${directory}/${target}")
        else()
            cmake_path(APPEND ROOT "${target}" OUTPUT_VARIABLE reached)
        endif()
        cmake_path(NORMAL_PATH reached)
        cmake_path(IS_PREFIX ROOT "${reached}" NORMALIZE inside)
        if(NOT inside)
            list(APPEND problems "${file}: ${line}: reaches outside the source tree")
            continue()
        endif()
        file(RELATIVE_PATH relative "${ROOT}" "${reached}")
        set(reached_folders)
        if(relative MATCHES "/")
            string(REGEX MATCH "^[^/]*" first "${relative}")
            if(IS_DIRECTORY "${ROOT}/${first}" AND NOT first MATCHES "^\\.")
                set(reached_folders ${first})
            endif()
        endif()
        if(NOT reached_folders AND NOT target MATCHES "/" AND NOT EXISTS "${directory}/${target}")
            # A bare name found nowhere beside the file: the folders holding
            # a header of that name, which only an include path reaches.
            string(MAKE_C_IDENTIFIER "${target}" key)
            set(reached_folders ${folders_of_${key}})
            list(REMOVE_DUPLICATES reached_folders)
        endif()
        foreach(reached_folder IN LISTS reached_folders)
            if(NOT reached_folder IN_LIST allowed_${folder})
                list(APPEND problems "${file}: ${line}: ${folder}/ may not include ${reached_folder}/")
            endif()
        endforeach()
    endforeach()
endforeach()

if(problems)
    list(LENGTH problems count)
    string(REPLACE ";" "\n  " text "${problems}")
    message(FATAL_ERROR "The layer check found ${count} include(s) it does not allow:\n  ${text}\n"
                        "The layers and what each folder may include: scripts/check_layers.cmake.")
endif()
list(LENGTH files count)
message(STATUS "The layers hold: ${count} files read under ${ROOT}")

# The rooms of src/ and what each may include: every arrow runs down, from the windows to the
# model. Fails, naming the file and the line, when a source file includes a folder its own may
# not, or when a folder of the core (standard library only) includes a Qt header.
#   cmake -DSOURCE_DIR=<a src/ tree> -P check_layers.cmake

# Each folder with the folders it may include (itself included), lowest first.
set(allowed_model     model)
set(allowed_analysis  model analysis)
set(allowed_design    model analysis design)
set(allowed_detailing model analysis design detailing)
set(allowed_check     model analysis design check)
set(allowed_verify    model analysis check verify)
set(allowed_edit      model analysis edit)
set(allowed_outcome   model analysis design detailing outcome)
set(allowed_io        model io)
set(allowed_exports   model analysis design detailing outcome io exports)
set(allowed_drawing   model analysis design detailing outcome drawing)
set(allowed_report    model analysis design detailing outcome check verify drawing report)
# the batch tool; its report module (ReportModuleEntries.cpp) alone brings in the report;
# of the drawing it links only the sheet and its DXF writer (QtCore), never the painter
set(allowed_cli       model analysis design detailing outcome check verify io exports drawing
                      cli)
set(allowed_cli_module report)
set(allowed_ui        model analysis design detailing outcome check verify edit io exports
                      drawing report ui)
set(allowed_app       model ui app)
# The core: standard library only.
set(core model analysis design detailing check verify edit outcome)

get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
set(offenders "")
file(GLOB folders RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*")
foreach(folder IN LISTS folders)
    if(NOT IS_DIRECTORY "${SOURCE_DIR}/${folder}")
        continue()
    endif()
    if(NOT DEFINED allowed_${folder})
        list(APPEND offenders "${folder}/: a folder without a line in check_layers.cmake")
        continue()
    endif()
    file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp"
         "${SOURCE_DIR}/${folder}/*.in")
    foreach(f IN LISTS files)
        set(may ${allowed_${folder}})
        if(folder STREQUAL "cli" AND f MATCHES "ReportModuleEntries\\.cpp$")
            list(APPEND may ${allowed_cli_module})
        endif()
        file(STRINGS "${f}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        set(n 0)
        foreach(line IN LISTS includes)
            if(line MATCHES "#[ \t]*include[ \t]*\"([a-z]+)/")
                list(FIND may "${CMAKE_MATCH_1}" found)
                if(found EQUAL -1)
                    list(APPEND offenders "${f}: ${line} (${folder}/ may include: ${may})")
                endif()
            endif()
            list(FIND core "${folder}" inCore)
            if(NOT inCore EQUAL -1 AND line MATCHES "[<\"](Q[A-Za-z]+|Qt[A-Za-z]*/)")
                list(APPEND offenders "${f}: ${line} (Qt in the core)")
            endif()
        endforeach()
    endforeach()
endforeach()
if(offenders)
    string(REPLACE ";" "\n" text "${offenders}")
    message(FATAL_ERROR "Includes against the layers:\n${text}")
endif()
message(STATUS "every include runs down the layers; the core includes no Qt header")

# Runs spanwise-calc once and compares its exit code, stdout and stderr.
#   TOOL        the built tool
#   WORKDIR     where it runs (file names in messages are relative to it)
#   ARGS        its arguments, separated by "|"
#   EXIT        the exit code expected
#   STDOUT      file with the exact stdout expected; without it stdout must be empty
#   STDERR      file with the exact stderr expected; or
#   STDERR_REGEX  a regular expression stderr must match; without both stderr must be empty
#   JSON_CHECKS "path=value" pairs separated by "|"; the path is a list of JSON keys and
#               indices separated by "/"; stdout must be valid JSON with those values
if(ARGS STREQUAL "")
    set(args "")
else()
    string(REPLACE "|" ";" args "${ARGS}")
endif()
execute_process(COMMAND ${TOOL} ${args} WORKING_DIRECTORY ${WORKDIR}
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)

set(failures "")
if(NOT code STREQUAL EXIT)
    string(APPEND failures "exit code ${code}, expected ${EXIT}\n")
endif()

if(STDOUT)
    file(READ ${STDOUT} expected)
    if(NOT out STREQUAL expected)
        string(APPEND failures "stdout:\n${out}\nexpected:\n${expected}\n")
    endif()
elseif(NOT JSON_CHECKS AND NOT out STREQUAL "")
    string(APPEND failures "unexpected stdout:\n${out}\n")
endif()

if(STDERR)
    file(READ ${STDERR} expected)
    if(NOT err STREQUAL expected)
        string(APPEND failures "stderr:\n${err}\nexpected:\n${expected}\n")
    endif()
elseif(STDERR_REGEX)
    if(NOT err MATCHES "${STDERR_REGEX}")
        string(APPEND failures "stderr:\n${err}\ndoes not match ${STDERR_REGEX}\n")
    endif()
elseif(NOT err STREQUAL "")
    string(APPEND failures "unexpected stderr:\n${err}\n")
endif()

if(JSON_CHECKS)
    string(REPLACE "|" ";" checks "${JSON_CHECKS}")
    foreach(check IN LISTS checks)
        string(FIND "${check}" "=" eq)
        string(SUBSTRING "${check}" 0 ${eq} path)
        math(EXPR valueStart "${eq} + 1")
        string(SUBSTRING "${check}" ${valueStart} -1 value)
        string(REPLACE "/" ";" keys "${path}")
        string(JSON actual ERROR_VARIABLE jsonError GET "${out}" ${keys})
        if(jsonError)
            string(APPEND failures "JSON ${path}: ${jsonError}\n")
        elseif(NOT actual STREQUAL value)
            string(APPEND failures "JSON ${path} is ${actual}, expected ${value}\n")
        endif()
    endforeach()
endif()

if(failures)
    message(FATAL_ERROR "spanwise-calc ${ARGS}\n${failures}")
endif()

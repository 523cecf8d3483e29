# Small checks for the install and package tests; each failure says what differed.

# Runs a command; fails with its output unless it succeeds. Leaves its standard output in `out`.
macro(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${ARGN}\nexited ${status}\n${out}${err}")
    endif()
endmacro()

function(expect_equal actual expected what)
    if(NOT actual STREQUAL expected)
        message(FATAL_ERROR "${what}: \"${actual}\", expected \"${expected}\"")
    endif()
endfunction()

function(expect_contains text part what)
    string(FIND "${text}" "${part}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${what} lacks \"${part}\":\n${text}")
    endif()
endfunction()

# One way to register a test program: GoogleTest linked in, the test support library at hand,
# the offscreen Qt platform and a fixed locale so that results never depend on the machine.
# OWN_MAIN: the program brings its own main (the GUI tests run inside a QApplication).
function(quillara_add_test name)
    cmake_parse_arguments(ARG "OWN_MAIN" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE quillara_testsupport GTest::gtest ${ARG_LIBS})
    if(NOT ARG_OWN_MAIN)
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8"
        TIMEOUT 600)
endfunction()

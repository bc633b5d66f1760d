# zorvi_add_test(NAME SOURCES files... LIBS targets... [ENVIRONMENT VAR=value...] [TIMEOUT SECONDS]): a
# GoogleTest program whose tests ctest discovers when it runs (under wine64 in the Windows build,
# through the cross-compiling emulator), with the given environment when they run; each test may
# take 120 seconds unless told otherwise.
include(GoogleTest)

function(zorvi_add_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    if(ZORVI_WINDOWS)
        target_link_options(${name} PRIVATE -mconsole)
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    set(properties TIMEOUT ${ARG_TIMEOUT})
    if(ARG_ENVIRONMENT)
        list(APPEND properties ENVIRONMENT "${ARG_ENVIRONMENT}")
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin PROPERTIES ${properties})
endfunction()

# zorvi_rerun_skinned(NAME): the tests of the program NAME run once more with the control skin on
# (scheme 3) on the program's thread from before the first test; their names start "skinned.".
function(zorvi_rerun_skinned name)
    if(NOT TARGET skinned_test_environment)
        return()
    endif()
    target_link_libraries(${name} PRIVATE skinned_test_environment)
    gtest_discover_tests(${name} TEST_PREFIX skinned. DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin PROPERTIES TIMEOUT 120 ENVIRONMENT ZORVI_TEST_SKIN=3)
endfunction()

# Tests that run Win32 programs under Wine. ./dev gives CTest a resource
# "wine" of several workers, each a Wine prefix and an X display of its own
# (tools/wine-run runs a test's programs in its worker's), so that tests go
# side by side and none waits for another's screen, desktop or running-object
# table. A test that runs under Wine takes one worker for itself.
#
# Options of every function here:
#   WOW64               the test runs again in the 64-bit prefix (label wow64:
#                       ./dev test's WOW64 stage, ./dev wintest --wow64)
#   EXIT_TIMING reason  the test is exposed to Wine's exit timing (its process
#                       ends while other threads still work): a run that Wine's
#                       server killed as it ended runs once more (tools/wine-run)
#   PROPERTIES ...      more test properties; COST, a long test's seconds, lets
#                       it start first where CTest has no times of its own yet
#                       (a clean clone), so that it does not end the stage alone

set(ARRL_WINE_RUN ${PROJECT_SOURCE_DIR}/tools/wine-run)
set(ARRL_WINE_SCALE_RUN ${PROJECT_SOURCE_DIR}/tools/wine-scale-run)

# The properties of a test in a worker, in ${out}.
function(arrl_wine_properties out)
    cmake_parse_arguments(ARG "WOW64" "EXIT_TIMING" "PROPERTIES" ${ARGN})
    set(properties RESOURCE_GROUPS wine:1 ${ARG_PROPERTIES})
    if(ARG_WOW64)
        list(APPEND properties LABELS wow64)
    endif()
    if(ARG_EXIT_TIMING)
        list(APPEND properties ENVIRONMENT "ARRL_WINE_EXIT_TIMING=${ARG_EXIT_TIMING}")
    endif()
    set(${out} ${properties} PARENT_SCOPE)
endfunction()

# arrl_wine_gtest(TARGET [WOW64] [EXIT_TIMING reason CASES filter] [PROPERTIES ...]):
# every case of a GoogleTest program, each a test of its own run in a process
# of its own; the cases of the gtest filter CASES carry the EXIT_TIMING mark.
function(arrl_wine_gtest target)
    cmake_parse_arguments(ARG "WOW64" "EXIT_TIMING;CASES" "PROPERTIES" ${ARGN})
    set(wow64)
    if(ARG_WOW64)
        set(wow64 WOW64)
    endif()
    arrl_wine_properties(properties ${wow64} PROPERTIES ${ARG_PROPERTIES})
    if(NOT ARG_EXIT_TIMING)
        gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST PROPERTIES ${properties})
        return()
    endif()
    if(NOT ARG_CASES STREQUAL "*")
        gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST TEST_FILTER "-${ARG_CASES}"
            PROPERTIES ${properties})
    endif()
    arrl_wine_properties(marked ${wow64} EXIT_TIMING "${ARG_EXIT_TIMING}"
        PROPERTIES ${ARG_PROPERTIES})
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST TEST_FILTER "${ARG_CASES}"
        PROPERTIES ${marked})
endfunction()

# arrl_wine_test(NAME name [WOW64] [EXIT_TIMING reason] [PROPERTIES ...] COMMAND ...):
# a command that runs Win32 programs through tools/wine-run.
function(arrl_wine_test)
    cmake_parse_arguments(ARG "WOW64" "NAME;EXIT_TIMING" "PROPERTIES;COMMAND" ${ARGN})
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_COMMAND})
    set(options)
    if(ARG_WOW64)
        list(APPEND options WOW64)
    endif()
    if(ARG_EXIT_TIMING)
        list(APPEND options EXIT_TIMING "${ARG_EXIT_TIMING}")
    endif()
    arrl_wine_properties(properties ${options} PROPERTIES ${ARG_PROPERTIES})
    set_tests_properties(${ARG_NAME} PROPERTIES ${properties})
endfunction()

# arrl_wine_look_test(NAME name LOOK DPI[:FACE] [WOW64] [PROPERTIES ...] COMMAND program ...):
# a Win32 program at a display scale and with a dialog font
# (tools/wine-scale-run). The base look, 96 DPI with Tahoma, runs in a worker;
# every other look in a prefix and on a display of its own, and the runs of
# one look take turns.
function(arrl_wine_look_test)
    cmake_parse_arguments(ARG "WOW64" "NAME;LOOK" "PROPERTIES;COMMAND" ${ARGN})
    add_test(NAME ${ARG_NAME} COMMAND ${ARRL_WINE_SCALE_RUN} ${ARG_LOOK} ${ARG_COMMAND})
    if(ARG_LOOK STREQUAL "96" OR ARG_LOOK STREQUAL "96:Tahoma")
        set(wow64)
        if(ARG_WOW64)
            set(wow64 WOW64)
        endif()
        arrl_wine_properties(properties ${wow64} PROPERTIES ${ARG_PROPERTIES})
    else()
        string(MAKE_C_IDENTIFIER "wine_look_${ARG_LOOK}" lock)
        set(properties RESOURCE_LOCK ${lock} ${ARG_PROPERTIES})
        if(ARG_WOW64)
            list(APPEND properties LABELS wow64)
        endif()
    endif()
    set_tests_properties(${ARG_NAME} PROPERTIES ${properties})
endfunction()

# The environment of tests that open windows: the X font libraries keep
# caches for the life of the process, which LeakSanitizer would report.
set(QUENBREL_GUI_ENV "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/cmake/lsan_gui.supp")

# quenbrel_test(NAME <name> LABEL unit|gui SOURCES ... LIBS ... [MANUAL])
#
# One GoogleTest executable whose tests CTest discovers one by one.
# `unit` tests run without DISPLAY (they must not need an X server);
# `gui` tests keep the DISPLAY of the xvfb-run that `make test` starts.
# Every test runs in its own scratch folder under the build tree.
# MANUAL: only built; its tests are registered by quenbrel_env_test.
function(quenbrel_test)
  cmake_parse_arguments(T "MANUAL" "NAME;LABEL" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main
                        Threads::Threads)
  target_compile_definitions(${T_NAME} PRIVATE
    QUENBREL_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    QUENBREL_TEST_DIR="${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}.d")
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}.d)
  if(T_MANUAL)
    return()
  endif()
  set(props LABELS ${T_LABEL})
  if(T_LABEL STREQUAL "unit")
    list(APPEND props ENVIRONMENT_MODIFICATION "DISPLAY=unset:")
  else()
    list(APPEND props ENVIRONMENT "${QUENBREL_GUI_ENV}")
  endif()
  gtest_discover_tests(${T_NAME}
    TEST_PREFIX "${T_NAME}."
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}.d
    DISCOVERY_TIMEOUT 60
    PROPERTIES ${props})
endfunction()

# quenbrel_env_test(NAME <ctest name> TARGET <test executable> FILTER <gtest filter>
#                   LABEL unit|gui ENV VAR=value ...)
#
# Runs a subset of an executable's tests as one CTest entry with its own
# environment: for code that reads an environment variable once per process.
function(quenbrel_env_test)
  cmake_parse_arguments(T "" "NAME;TARGET;FILTER;LABEL" "ENV" ${ARGN})
  add_test(NAME ${T_NAME}
           COMMAND ${T_TARGET} --gtest_filter=${T_FILTER}
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${T_TARGET}.d)
  set_tests_properties(${T_NAME} PROPERTIES LABELS ${T_LABEL} ENVIRONMENT "${T_ENV}")
  if(T_LABEL STREQUAL "unit")
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT_MODIFICATION "DISPLAY=unset:")
  endif()
endfunction()

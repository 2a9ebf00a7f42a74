# ks_add_script_test(NAME SCRIPT [ARGS ...] [HOST_ARGS ...] [WILL_FAIL] [FAIL_REGEX re] [PASS_REGEX re])
# Runs SCRIPT with the stand-in host from the build's bin folder. The host exits non-zero
# on an uncaught script error and on memory still held at exit, so both fail the test.
function(ks_add_script_test name script)
  cmake_parse_arguments(T "WILL_FAIL" "PASS_REGEX;FAIL_REGEX" "ARGS;HOST_ARGS" ${ARGN})
  add_test(NAME ${name}
    COMMAND ${KS_BIN_DIR}/kestrune ${T_HOST_ARGS} ${script} ${T_ARGS}
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT
    "KS_TEST_DATA=${CMAKE_CURRENT_BINARY_DIR};KS_TESTLIB=${CMAKE_SOURCE_DIR}/tests/lib/testing.lua;KS_HOST=${KS_BIN_DIR}/kestrune;KS_RUNTIME_DIR=${CMAKE_CURRENT_BINARY_DIR}/run-${name}")
  if(T_WILL_FAIL)
    set_tests_properties(${name} PROPERTIES WILL_FAIL TRUE)
  endif()
  if(T_PASS_REGEX)
    set_tests_properties(${name} PROPERTIES PASS_REGULAR_EXPRESSION "${T_PASS_REGEX}")
  endif()
  if(T_FAIL_REGEX)
    set_tests_properties(${name} PROPERTIES FAIL_REGULAR_EXPRESSION "${T_FAIL_REGEX}")
  endif()
endfunction()

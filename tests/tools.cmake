# Checks that need tools of the test set-up (tools/setup.sh test installs them
# all). What happens when one is missing is decided here, once:
#   - with KOVLO_REQUIRE_CHECKS (./test.sh, and so CI, turns it on) the set-up
#     should have made every check possible, so a missing tool stops the
#     configure and a check that finds itself unable to run (exit code 77)
#     fails;
#   - on a developer's partial machine the check is left out and a test named
#     skipped.<what> stands in its place: it prints what was left out and why,
#     and ctest counts it among the skipped tests of its summary.
option(KOVLO_REQUIRE_CHECKS "Fail, not skip, a check that cannot run for a missing tool" OFF)

# Declares that WHAT cannot run, for the reason WHY.
function(kovlo_skip what why)
  if(KOVLO_REQUIRE_CHECKS)
    message(FATAL_ERROR "${what} cannot run: ${why} (tools/setup.sh test installs it)")
  endif()
  message(WARNING "skipped: ${what}: ${why} (tools/setup.sh test installs it)")
  string(MAKE_C_IDENTIFIER "${what}" name)
  add_test(NAME skipped.${name} COMMAND sh -c "echo 'skipped: ${what}: ${why}'; exit 77")
  set_tests_properties(skipped.${name} PROPERTIES SKIP_RETURN_CODE 77 LABELS skipped)
endfunction()

# kovlo_require_tools(RESULT WHAT TOOL...): finds each TOOL as a program, in
# the variable KOVLO_TOOL_<TOOL> (an identifier: xvfb-run gives
# KOVLO_TOOL_xvfb_run); RESULT is true when all were found, else WHAT is
# declared skipped (above).
function(kovlo_require_tools result what)
  set(missing)
  foreach(tool ${ARGN})
    string(MAKE_C_IDENTIFIER "KOVLO_TOOL_${tool}" var)
    find_program(${var} ${tool})
    if(NOT ${var})
      list(APPEND missing ${tool})
    endif()
  endforeach()
  if(missing)
    list(JOIN missing ", " names)
    kovlo_skip("${what}" "no ${names}")
    set(${result} FALSE PARENT_SCOPE)
  else()
    set(${result} TRUE PARENT_SCOPE)
  endif()
endfunction()

# For checks that find out only when they run whether they can (exit code 77):
# a skip where that is allowed, a failure where the checks are required.
function(kovlo_may_skip)
  if(NOT KOVLO_REQUIRE_CHECKS)
    set_tests_properties(${ARGN} PROPERTIES SKIP_RETURN_CODE 77)
  endif()
endfunction()

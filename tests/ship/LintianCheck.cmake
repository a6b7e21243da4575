# Runs lintian (pedantic) on the package that PackageCheck.cmake built: no error, no warning.
# cmake -DDEB=... -P LintianCheck.cmake
find_program(LINTIAN lintian)
if(NOT LINTIAN)
  message("SKIPPED: lintian is not installed, the package is not checked (scripts/setup test installs it)")
  return()
endif()
if(NOT EXISTS ${DEB})
  message(FATAL_ERROR "no package ${DEB} (the package test builds it)")
endif()
execute_process(COMMAND ${LINTIAN} --pedantic --display-info --fail-on error,warning ${DEB}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
message(STATUS "lintian --pedantic ${DEB}:\n${out}")
if(NOT result EQUAL 0 OR out MATCHES "(^|\n)[EW]: ")
  message(FATAL_ERROR "lintian finds errors or warnings (status ${result}):\n${out}\n${err}")
endif()

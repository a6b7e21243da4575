# Renders each installed manual page with man-db as a user would, under the C locale (ASCII
# terminal) and under UTF-8: no troff warning, the page's name in its NAME line, and the
# Cyrillic name where the terminal can show it.
# cmake -DPREFIX=... -DPAGES="zul;zulc" -DVERSION=... -P ManPageCheck.cmake
find_program(MAN man)
if(NOT MAN)
  message("SKIPPED: man (man-db) is not installed; scripts/setup test installs it")
  return()
endif()

# locale | what the NAME line shows (a regular expression)
set(cases "C|of ZUL \\(ZUL\\)" "C.UTF-8|of ZUL \\(ЗУЛ\\)")
foreach(page ${PAGES})
  set(file ${PREFIX}/share/man/man1/${page}.1.gz)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
  foreach(c ${cases})
    string(REPLACE "|" ";" parts "${c}")
    list(GET parts 0 locale)
    list(GET parts 1 name_text)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env LC_ALL=${locale} MANWIDTH=80 MAN_DISABLE_SECCOMP=1
              ${MAN} --warnings -P cat -l ${file}
      OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE result)
    if(NOT result EQUAL 0 OR NOT err STREQUAL "")
      message(FATAL_ERROR "man ${page} under LC_ALL=${locale}: status ${result}\n${err}")
    endif()
    string(REGEX REPLACE "[ ]+" " " out "${out}")  # justification widens the spaces
    if(NOT out MATCHES "NAME\n ${page} - [^\n]*${name_text}")
      message(FATAL_ERROR "man ${page} under LC_ALL=${locale} lacks '${page} - ... ${name_text}':\n${out}")
    endif()
    if(NOT out MATCHES "ZUL ${VERSION}")
      message(FATAL_ERROR "man ${page} does not name version ${VERSION}")
    endif()
  endforeach()
endforeach()
message(STATUS "manual pages render without warnings: ${PAGES}")

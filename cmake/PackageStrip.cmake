# Run by cpack on the staged package: strips the programs as Debian strips those of its own
# packages, without the compiler's .comment and .note sections.
if(NOT IS_DIRECTORY "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin" OR NOT CPACK_ZUL_STRIP)
  message(FATAL_ERROR "no staged programs in '${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin' or no strip")
endif()
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
foreach(p ${programs})
  execute_process(COMMAND ${CPACK_ZUL_STRIP} --remove-section=.comment --remove-section=.note --strip-unneeded ${p}
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "strip failed on ${p}")
  endif()
endforeach()

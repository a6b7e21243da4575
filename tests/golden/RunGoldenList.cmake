# Runs zulc --list over every list file NAME.sl of a folder and compares what it prints (on
# standard output, then on standard error), followed by "exit status N", with NAME.out.
# NAME.options holds more zulc options. Where NAME.written exists, the list is also computed
# with --write on a copy, which must then hold exactly the bytes of NAME.written.
#   cmake -DZULC=<zulc> -DDIR=<folder of the lists> -DWORK=<scratch folder> -P RunGoldenList.cmake
file(GLOB lists "${DIR}/*.sl")
list(SORT lists)
set(failures 0)
set(count 0)
file(MAKE_DIRECTORY "${WORK}")
foreach(list_file IN LISTS lists)
  get_filename_component(name "${list_file}" NAME_WE)
  set(options "")
  if(EXISTS "${DIR}/${name}.options")
    file(READ "${DIR}/${name}.options" text)
    string(STRIP "${text}" text)
    separate_arguments(options UNIX_COMMAND "${text}")
  endif()
  execute_process(COMMAND ${ZULC} ${options} --list "${list_file}"
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  string(APPEND out "${err}exit status ${status}\n")
  file(READ "${DIR}/${name}.out" expected)
  math(EXPR count "${count} + 1")
  if(NOT out STREQUAL expected)
    message(SEND_ERROR "golden list ${name}.sl gave:\n${out}expected:\n${expected}")
    math(EXPR failures "${failures} + 1")
  endif()
  if(EXISTS "${DIR}/${name}.written")
    set(copy "${WORK}/${name}.sl")
    file(COPY_FILE "${list_file}" "${copy}")
    execute_process(COMMAND ${ZULC} ${options} --list "${copy}" --write OUTPUT_QUIET RESULT_VARIABLE status)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${copy}" "${DIR}/${name}.written"
                    RESULT_VARIABLE differ)
    if(NOT status EQUAL 0 OR NOT differ EQUAL 0)
      message(SEND_ERROR "golden list ${name}.sl written with --write (status ${status}) "
                         "differs from ${name}.written")
      math(EXPR failures "${failures} + 1")
    endif()
  endif()
endforeach()
message(STATUS "${count} golden lists, ${failures} failed")
if(count EQUAL 0 OR failures GREATER 0)
  message(FATAL_ERROR "golden list mismatches: ${failures}")
endif()

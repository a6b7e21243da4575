# Fails when a file of src/ includes a file of a layer above its own.
#   cmake -DSRC=<src folder> -P CheckLayers.cmake
#
# The layers, lowest first. A file may include its own layer and the layers below.
# A folder named "window" inside a subsystem folder holds windows, the top layer; zulc's
# folder cli sits there too. An include without a folder ("Version.h", generated at build
# time) counts as the lowest layer.
cmake_policy(VERSION 3.25)

set(layer_0 eval)                                      # the evaluator
set(layer_1 calc)                                      # catalogue, dispatch, formulas
set(layer_2 platform)                                  # what every command asks of the desktop
set(layer_3 settings memory lists insert reference)    # the subsystem models
set(layer_4 app)                                       # the calculator as a whole
set(layer_5 widgets)                                   # the window kit
set(layer_6 window cli)                                # the windows and zulc
set(top_layer 6)

get_filename_component(SRC "${SRC}" ABSOLUTE)
if(NOT IS_DIRECTORY "${SRC}")
  message(FATAL_ERROR "CheckLayers.cmake: give -DSRC=<the src folder>")
endif()

# Sets out_var to the layer of a path relative to src/ ("calc/Dispatch.h",
# "memory/window/UMemory.h"), or to -1 when its folder has no layer.
function(layer_of path out_var)
  if(path MATCHES "^[^/]+/window/")
    set(${out_var} ${top_layer} PARENT_SCOPE)
    return()
  endif()
  if(NOT path MATCHES "/")
    set(${out_var} 0 PARENT_SCOPE)
    return()
  endif()
  string(REGEX REPLACE "/.*" "" folder "${path}")
  foreach(n RANGE ${top_layer})
    if(folder IN_LIST layer_${n})
      set(${out_var} ${n} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out_var} -1 PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp")
list(SORT files)
set(faults 0)
set(count 0)
foreach(file IN LISTS files)
  layer_of("${file}" own)
  if(own LESS 0)
    message(NOTICE "${file}: its folder has no layer; add it to the table in CheckLayers.cmake")
    math(EXPR faults "${faults} + 1")
    continue()
  endif()
  file(STRINGS "${SRC}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" target "${line}")
    math(EXPR count "${count} + 1")
    layer_of("${target}" theirs)
    if(theirs LESS 0)
      message(NOTICE "${file}: includes ${target}, whose folder has no layer")
      math(EXPR faults "${faults} + 1")
    elseif(theirs GREATER own)
      message(NOTICE "${file} (layer ${own}) includes ${target} (layer ${theirs}), a layer above its own")
      math(EXPR faults "${faults} + 1")
    endif()
  endforeach()
endforeach()
list(LENGTH files file_count)
message(STATUS "${file_count} files, ${count} includes, ${faults} against the layers")
if(faults GREATER 0)
  message(FATAL_ERROR "includes against the layers: ${faults}")
endif()

# Packs one content file: runs mrvtool with the arguments contentgen staged in ARGS (one a
# line, "@OUT@" for the packed file, "#" lines ignored) from the STAGING folder, writing a
# temporary file first so an interrupted pack never leaves a half-written OUT behind.
#   cmake -DMRVTOOL=... -DSTAGING=... -DARGS=... -DOUT=... -P PackContent.cmake
cmake_minimum_required(VERSION 3.22)
file(STRINGS "${ARGS}" lines)
set(command)
foreach(line IN LISTS lines)
  if(line MATCHES "^#")
    continue()
  elseif(line STREQUAL "@OUT@")
    list(APPEND command "${OUT}.tmp")
  else()
    list(APPEND command "${line}")
  endif()
endforeach()
get_filename_component(out_dir "${OUT}" DIRECTORY)
file(MAKE_DIRECTORY "${out_dir}")
execute_process(COMMAND "${MRVTOOL}" ${command} WORKING_DIRECTORY "${STAGING}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE "${OUT}.tmp")
  message(FATAL_ERROR "mrvtool failed (${result}) packing ${OUT}")
endif()
file(RENAME "${OUT}.tmp" "${OUT}")

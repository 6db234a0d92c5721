# cmake -DFROM=FILE -DTO=FILE -P CopyNativeFile.cmake: copies a file the native build made (the
# Windows build cannot make it itself), or says which build to run first.
if(NOT EXISTS "${FROM}")
  message(FATAL_ERROR "${FROM} is missing: build the native preset first "
                      "(cmake --workflow --preset default), or set VELVINA_NATIVE_BUILD_DIR")
endif()
file(COPY_FILE "${FROM}" "${TO}" ONLY_IF_DIFFERENT)

# Toolchain file: 64-bit Windows programs built with Debian's mingw-w64 cross compiler.
# The posix thread model is required (the win32 model of GCC 12 has no std::thread or
# std::mutex). The runtime is linked statically, so velvina.exe needs only system DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VELVINA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELVINA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELVINA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VELVINA_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VELVINA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

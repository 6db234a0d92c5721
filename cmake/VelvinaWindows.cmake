# Settings of the Windows build (mingw-w64 on Linux, see mingw-w64-x86_64.cmake).
#
# The cross-built test programs run under Wine, in a private prefix inside this build tree.
# Content and the headless runner's reference shots come from a native build of the same
# sources (there is no mingw build of Cairo, libpng or SDL2 to make them here).

set(VELVINA_NATIVE_BUILD_DIR "${PROJECT_SOURCE_DIR}/build/default" CACHE PATH
    "Native build whose content/, Windows resources and velvina-headless the Windows build uses")
set(VELVINA_WINE_PREFIX "${CMAKE_BINARY_DIR}/wine/tests" CACHE PATH
    "Wine prefix in which the cross-built unit tests run")
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine/wine-run.sh ${VELVINA_WINE_PREFIX})

# velvina.exe carries its icon and cursor as resources.
enable_language(RC)

# Nothing of the native-only parts.
set(VELVINA_CONTENT OFF CACHE BOOL "" FORCE)
set(VELVINA_TOOLS OFF CACHE BOOL "" FORCE)
set(VELVINA_FUZZ OFF CACHE BOOL "" FORCE)

# GoogleTest from the sources Debian ships in libgtest-dev (its libraries are native ones).
set(VELVINA_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for the cross build")

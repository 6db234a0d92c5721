# The browser build: every object is compiled for shared memory (the streaming workers are
# real threads) and with C++ exceptions caught (the engine reports file and data faults by
# throwing, which this compiler otherwise turns into an abort); emscripten's JavaScript
# optimiser, which needs the acorn parser, finds Debian's copy of it whatever Node.js runs it.
add_compile_options(-pthread -fexceptions)
add_link_options(-pthread -fexceptions)
set(VELVINA_NODE_PATH "/usr/share/nodejs" CACHE PATH "Folder holding the acorn parser for emscripten's linker")
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${VELVINA_NODE_PATH})
set(CMAKE_C_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${VELVINA_NODE_PATH})

# The native build whose content the page preloads and whose headless runner takes the
# reference shots of the browser test.
set(VELVINA_NATIVE_BUILD_DIR "${PROJECT_SOURCE_DIR}/build/default" CACHE PATH
    "Native build holding content/ and apps/velvina-headless")

# The browser test is registered by apps/web.
enable_testing()

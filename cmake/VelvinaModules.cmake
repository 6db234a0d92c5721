# Helpers that keep every module, test, benchmark and fuzz target declared the same way.

# velvina_module(NAME SOURCES ... [DEPENDS ...] [PUBLIC_DEPENDS ...])
# One static library per folder. Its public headers are the .h files of its own folder,
# included from the project root ("assets/MRVFrameSet.h"). What it links is private to it
# (DEPENDS) unless its own headers include the other module's headers (PUBLIC_DEPENDS).
# Which folder may include which is checked by scripts/check-layers.sh.
function(velvina_module name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;PUBLIC_DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  velvina_public_headers(${name} PUBLIC)
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_DEPENDS} PRIVATE velvina_options ${ARG_DEPENDS})
endfunction()

# velvina_header_module(NAME [PUBLIC_DEPENDS ...]): a folder of headers only.
function(velvina_header_module name)
  cmake_parse_arguments(ARG "" "" "PUBLIC_DEPENDS" ${ARGN})
  add_library(${name} INTERFACE)
  velvina_public_headers(${name} INTERFACE)
  target_link_libraries(${name} INTERFACE ${ARG_PUBLIC_DEPENDS})
endfunction()

# Declares the .h files of the current folder as the target's header set.
function(velvina_public_headers name scope)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  target_sources(${name} ${scope} FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES ${headers})
endfunction()

# velvina_test(NAME SOURCES ... DEPENDS ... [RESOURCE_LOCK name]): a GoogleTest executable
# registered with CTest. Tests that share a resource (the built content, whose files the game
# opens without sharing) name it in RESOURCE_LOCK so that CTest never runs them at once.
function(velvina_test name)
  cmake_parse_arguments(ARG "" "RESOURCE_LOCK" "SOURCES;DEPENDS" ${ARGN})
  set(properties TIMEOUT 300)
  if(ARG_RESOURCE_LOCK)
    list(APPEND properties RESOURCE_LOCK ${ARG_RESOURCE_LOCK})
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE velvina_options ${ARG_DEPENDS} GTest::gtest GTest::gtest_main Threads::Threads)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${properties})
endfunction()

# velvina_fuzzer(NAME SOURCES ... DEPENDS ...): a libFuzzer target (clang, VELVINA_FUZZ=ON).
function(velvina_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE velvina_options ${ARG_DEPENDS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endfunction()

# velvina_bench(NAME SOURCES ... DEPENDS ...): a benchmark program printing FIGURE lines.
function(velvina_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE velvina_options ${ARG_DEPENDS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
endfunction()

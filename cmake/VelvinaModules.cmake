# Helpers that keep every module, test, benchmark and fuzz target declared the same way.

# velvina_module(NAME SOURCES ... [DEPENDS ...] [PUBLIC_DEPENDS ...])
# One static library per module; its folder's parent is the include root, so code
# includes "assets/MRVImage.h" and never a backend header by accident.
function(velvina_module name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;PUBLIC_DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC velvina_options ${ARG_PUBLIC_DEPENDS} PRIVATE ${ARG_DEPENDS})
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
  # A cross-built test lists its cases when CTest starts (under the emulator), not at build time.
  set(discovery_mode POST_BUILD)
  if(CMAKE_CROSSCOMPILING)
    set(discovery_mode PRE_TEST)
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 DISCOVERY_MODE ${discovery_mode} PROPERTIES ${properties})
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

# Compiler warnings and sanitizers shared by every target of the project.
add_library(velvina_options INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(velvina_options INTERFACE -Wall -Wextra -Wshadow -Wnon-virtual-dtor
                         -Wcast-align -Wunused -Woverloaded-virtual -Wformat=2 -Wimplicit-fallthrough)
  if(VELVINA_WERROR)
    target_compile_options(velvina_options INTERFACE -Werror)
  endif()
  if(VELVINA_SANITIZE OR VELVINA_FUZZ)
    target_compile_options(velvina_options INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=undefined
                           -fno-omit-frame-pointer)
    target_link_options(velvina_options INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=undefined)
  endif()
  if(VELVINA_FUZZ)
    target_compile_options(velvina_options INTERFACE -fsanitize=fuzzer-no-link)
  endif()
elseif(MSVC)
  target_compile_options(velvina_options INTERFACE /W4 $<$<BOOL:${VELVINA_WERROR}>:/WX>)
endif()

# Tools that run during the build (the content generator) run under the sanitizers too in a
# sanitized build; their leak checker is told about the system libraries' own caches.
set(VELVINA_TOOL_ENV "")
if(VELVINA_SANITIZE OR VELVINA_FUZZ)
  set(VELVINA_TOOL_ENV ${CMAKE_COMMAND} -E env
      LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan-suppressions.txt)
endif()

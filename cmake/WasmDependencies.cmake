# What the WebAssembly build takes from the host system. Pointing it at /usr/include would pull
# glibc's headers in, so header-only nlohmann is copied into the build tree on its own, and
# GoogleTest is built from Debian's sources with the same compiler.

# The core's JSON decoding catches nlohmann's exceptions; emscripten drops catch blocks unless
# exceptions are asked for. WebAssembly's own exceptions cost less code than emscripten's
# JavaScript ones (about 40 KB against 180 KB of the module).
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)

if(NOT EXISTS /usr/include/nlohmann/json.hpp)
  message(FATAL_ERROR "the WebAssembly build needs nlohmann-json3-dev")
endif()
file(COPY /usr/include/nlohmann DESTINATION ${CMAKE_BINARY_DIR}/host-headers)
add_library(nlohmann_json INTERFACE)
target_include_directories(nlohmann_json SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/host-headers)
add_library(nlohmann_json::nlohmann_json ALIAS nlohmann_json)
set(nlohmann_json_FOUND TRUE)

if(UC_BUILD_TESTS)
  set(UC_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the WebAssembly tests")
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${UC_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

# emscripten's JavaScript optimiser needs Debian's acorn, which node finds only through NODE_PATH.
set(UC_NODE_PATH /usr/share/nodejs CACHE PATH "Where node finds acorn for emscripten's optimiser")
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${UC_NODE_PATH})

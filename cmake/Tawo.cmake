# Build helpers shared by every folder. Sources are found by globbing so that adding a
# unit (one .h/.cpp pair) needs no edit of the build files.

# The SDK-named headers (<windows.h> and friends): all that code above platform/ sees of it.
# On Windows the SDK is the compiler's; only the project's code page table comes along.
add_library(win32_sdk INTERFACE)
if(WIN32)
  configure_file(${PROJECT_SOURCE_DIR}/platform/include/cp1250.h ${PROJECT_BINARY_DIR}/sdk-extra/cp1250.h COPYONLY)
  target_include_directories(win32_sdk INTERFACE ${PROJECT_BINARY_DIR}/sdk-extra)
else()
  target_include_directories(win32_sdk INTERFACE ${PROJECT_SOURCE_DIR}/platform/include)
endif()

# tawo_dll(<name> [DEPS <targets>...] [SYSTEM_LIBS <targets>...])
# One system library of the Win32 subset, a static library from every .cpp in the calling
# folder. Its own headers stay private: a program linking it sees the SDK headers only.
# <name>_internal hands the headers to another library of the subset, a test, a benchmark or a
# fuzz target that works below the API; DEPS may name such internal targets in turn.
function(tawo_dll name)
  cmake_parse_arguments(ARG "" "" "DEPS;SYSTEM_LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC win32_sdk PRIVATE ${ARG_DEPS} ${ARG_SYSTEM_LIBS})
  add_library(${name}_internal INTERFACE)
  target_include_directories(${name}_internal INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name}_internal INTERFACE ${name} ${ARG_DEPS} ${ARG_SYSTEM_LIBS})
endfunction()

# tawo_library(<name> [SOURCE_DIRS <dirs>...] [USES <targets>...] [LINKS <targets>...])
# A library of an upper layer from every .cpp in its source folders (default: the calling
# folder), whose headers its users see. USES: the layers below whose headers it includes (its
# users see them too, as a unit's interface names them); LINKS: the system libraries it only
# calls through the SDK headers.
function(tawo_library name)
  cmake_parse_arguments(ARG "" "" "SOURCE_DIRS;USES;LINKS" ${ARGN})
  if(NOT ARG_SOURCE_DIRS)
    set(ARG_SOURCE_DIRS ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  set(sources)
  foreach(dir ${ARG_SOURCE_DIRS})
    file(GLOB dir_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    list(APPEND sources ${dir_sources})
  endforeach()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${ARG_SOURCE_DIRS})
  target_link_libraries(${name} PUBLIC win32_sdk ${ARG_USES} PRIVATE ${ARG_LINKS})
endfunction()

# tawo_test(<name> DEPS <targets>...)
# One GoogleTest executable from every .cpp in the calling folder; each test case becomes
# a CTest test so that `ctest -j` runs them in parallel.
function(tawo_test name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    TAWO_SOURCE_DIR="${PROJECT_SOURCE_DIR}" TAWO_TEST_OUTPUT_DIR="${PROJECT_BINARY_DIR}/test-output")
  # Tests never touch the user's own prefix: whatever a test does not give a prefix of its own
  # (start-up code of the library included) goes to one under the build folder. Message loops
  # of tests and of the programs they start end after 2 s in which nothing could happen.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "WINDISPLAY=headless;WINPREFIX=${PROJECT_BINARY_DIR}/test-prefix;WINIDLELIMIT=2000")
endfunction()

# tawo_bench(<name> <source> DEPS <targets>...)
function(tawo_bench name source)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  find_package(benchmark REQUIRED)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark)
endfunction()

# tawo_fuzz(<name> <source> DEPS <targets>...)
# With TAWO_FUZZ a libFuzzer program; otherwise a regression test that replays every input
# kept under fuzz/corpus/<name>/ (crashes found by fuzzing are kept there).
function(tawo_fuzz name source)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  if(TAWO_FUZZ)
    add_executable(${name} ${source})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(${name} ${source} ${PROJECT_SOURCE_DIR}/fuzz/ReplayMain.cpp)
    add_test(NAME fuzz.${name}.replay
             COMMAND ${name} ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name})
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
endfunction()

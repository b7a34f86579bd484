# Build helpers shared by every folder. Sources are found by globbing so that adding a
# unit (one .h/.cpp pair) needs no edit of the build files.

# tawo_library(<name> [DEPS <targets>...] [PUBLIC_INCLUDE <dirs>...])
# A static library from every .cpp in the calling folder.
function(tawo_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;PUBLIC_INCLUDE;SYSTEM_LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${ARG_PUBLIC_INCLUDE})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} ${ARG_SYSTEM_LIBS})
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
  # (start-up code of the library included) goes to one under the build folder.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "WINDISPLAY=headless;WINPREFIX=${PROJECT_BINARY_DIR}/test-prefix")
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

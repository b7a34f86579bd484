# The Windows programs (instalator.exe, tawo_demo.exe, draw_catalogue.exe), built from the same sources with
# MinGW-w64 (cmake/mingw-w64.cmake) into build/windows, so that they are checked against the
# real SDK and can run in Wine. Built again with every build: the outer build does not track
# the sources of the inner one, and an inner build with nothing to do is quick.
include(ExternalProject)
set(WINDOWS_PROGRAMS_DIR ${PROJECT_BINARY_DIR}/windows/bin)
ExternalProject_Add(windows_programs
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${PROJECT_BINARY_DIR}/windows
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release
  # $(MAKE) shares the outer build's jobs; a nested `cmake --build` would run one at a time.
  BUILD_COMMAND $(MAKE) -C <BINARY_DIR> instalator tawo_demo draw_catalogue
  INSTALL_COMMAND ""
  BUILD_ALWAYS TRUE)

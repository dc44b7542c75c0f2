# The Windows base of `scenario package`, for a Linux build with the tool:
# this same source tree cross-built as the windows preset builds it (Release,
# stripped, statically linked), but only the package, whenever a MinGW-w64
# compiler is there (P1_PACCHETTO_WINDOWS). Every build runs its build, which
# rebuilds what changed in the sources, and copies its Progetto1.exe beside the
# tool, into tools/ of the build folder, when it differs; tools/CMakeLists.txt
# makes the tool depend on it and installs it. Included before the project's
# folders, so that Ninja, which starts the ready jobs in the order they were
# defined, runs it beside their compiles and not after them.
# Defines the target pacchetto_windows and P1_BASE_WINDOWS, the copy beside
# the tool (empty without it).
set(P1_BASE_WINDOWS "")
string(TOUPPER "${P1_PACCHETTO_WINDOWS}" p1_pacchetto_windows)
if(NOT p1_pacchetto_windows STREQUAL "AUTO")
  if(P1_PACCHETTO_WINDOWS)
    set(p1_pacchetto_windows ON)
  else()
    set(p1_pacchetto_windows OFF)
  endif()
endif()
if(p1_pacchetto_windows STREQUAL "OFF")
  return()
endif()

# A compiler found by an earlier configure and removed since is looked for
# again; one not found is looked for at every configure.
foreach(p1_compilatore P1_MINGW_CC P1_MINGW_CXX)
  if(${p1_compilatore} AND NOT EXISTS "${${p1_compilatore}}")
    unset(${p1_compilatore} CACHE)
  endif()
endforeach()
find_program(P1_MINGW_CC NAMES x86_64-w64-mingw32-gcc-posix x86_64-w64-mingw32-gcc)
find_program(P1_MINGW_CXX NAMES x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-g++)
mark_as_advanced(P1_MINGW_CC P1_MINGW_CXX)
if(NOT P1_MINGW_CC OR NOT P1_MINGW_CXX)
  if(p1_pacchetto_windows STREQUAL "ON")
    message(FATAL_ERROR "P1_PACCHETTO_WINDOWS=ON, ma manca il compilatore MinGW-w64 "
                        "(x86_64-w64-mingw32-gcc e x86_64-w64-mingw32-g++, -posix o no)")
  endif()
  return()
endif()

include(ExternalProject)
# Its build runs as many jobs as there are cores, not Ninja's default of two
# more.
cmake_host_system_information(RESULT p1_lavori QUERY NUMBER_OF_LOGICAL_CORES)
set(P1_BASE_WINDOWS ${CMAKE_BINARY_DIR}/tools/Progetto1.exe)
ExternalProject_Add(pacchetto_windows
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  PREFIX ${CMAKE_BINARY_DIR}/pacchetto_windows
  BINARY_DIR ${CMAKE_BINARY_DIR}/pacchetto_windows/build
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64.cmake
             -DCMAKE_BUILD_TYPE=Release -DP1_TESTS=OFF -DP1_TOOLS=OFF -DP1_BENCH=OFF
             -DP1_WERROR=${P1_WERROR}
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target Progetto1 --parallel ${p1_lavori}
  BUILD_ALWAYS TRUE
  BUILD_BYPRODUCTS <BINARY_DIR>/app/Progetto1.exe
  INSTALL_COMMAND ${CMAKE_COMMAND} -DDA=<BINARY_DIR>/app/Progetto1.exe -DA=${P1_BASE_WINDOWS}
                  -P ${CMAKE_SOURCE_DIR}/cmake/sostituisci_file.cmake
  LOG_CONFIGURE TRUE
  LOG_BUILD TRUE
  LOG_OUTPUT_ON_FAILURE TRUE)

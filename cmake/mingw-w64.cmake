# Cross-build for Windows (x86_64) with MinGW-w64 and a static runtime, so
# that Progetto1.exe runs on its own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(prefisso x86_64-w64-mingw32)
# The posix flavour carries std::thread, which GoogleTest wants.
find_program(CMAKE_C_COMPILER NAMES ${prefisso}-gcc-posix ${prefisso}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${prefisso}-g++-posix ${prefisso}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${prefisso}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${prefisso})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# What users get is the Release build: stripped, it is a fraction of the size.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL_INIT "-s")

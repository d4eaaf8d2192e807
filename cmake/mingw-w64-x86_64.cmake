# Cross-building for 64-bit Windows with MinGW-w64 (posix threads, for std::thread and
# std::mutex). Programs link the C and C++ runtimes statically: a saver is one file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KREMOA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KREMOA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KREMOA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KREMOA_MINGW_PREFIX}-windres)
set(CMAKE_STRIP ${KREMOA_MINGW_PREFIX}-strip)

set(CMAKE_FIND_ROOT_PATH /usr/${KREMOA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

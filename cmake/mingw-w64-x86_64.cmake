# Cross-compiles for 64-bit Windows with Debian's mingw-w64 in its posix thread
# model, which std::thread and Qt's threads need.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(HEXLOOM_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${HEXLOOM_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HEXLOOM_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${HEXLOOM_MINGW_TRIPLET}-windres)

# Libraries and headers come from the MinGW sysroot and whatever prefix the
# caller adds (the cross-built Qt); programs run on the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${HEXLOOM_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

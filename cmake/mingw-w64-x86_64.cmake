# Cross build for 64-bit Windows with Debian's mingw-w64 (package g++-mingw-w64-x86-64).
# The posix threads variant of the compiler, so std::thread and std::mutex work.
# Everything is linked statically: the .exe files need no DLL beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZEMLAR_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZEMLAR_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZEMLAR_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZEMLAR_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZEMLAR_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under Wine; scripts/test-windows sets WINEPREFIX and friends.
find_program(ZEMLAR_WINE NAMES wine wine64)
if(ZEMLAR_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZEMLAR_WINE})
endif()

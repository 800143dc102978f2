# Cross-compiles the 64-bit Windows DLL and its programs with Debian's
# MinGW-w64, and runs those programs under Wine (ctest, test discovery).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VELRTF_MINGW x86_64-w64-mingw32)
# The posix thread model: GoogleTest needs std::mutex and std::condition_variable.
set(CMAKE_C_COMPILER ${VELRTF_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELRTF_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VELRTF_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VELRTF_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Everything the programs need is linked in: no runtime DLLs to ship.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# The 64-bit loader by its own path: on a machine that also has 32-bit Wine,
# /usr/bin/wine starts the 32-bit loader instead.
find_program(VELRTF_WINE64 NAMES wine64 PATHS /usr/lib/wine)
if(VELRTF_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VELRTF_WINE64})
endif()

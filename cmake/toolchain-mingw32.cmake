# Cross-compiles the 32-bit (i686) Windows DLL and its programs with Debian's
# MinGW-w64, for the hosts that are 32-bit: VB6, 32-bit Office (VBA), Delphi,
# older C and C++ programs. The programs run under 32-bit Wine where the
# machine has it (the 32-bit loader of the wine32 package); elsewhere they are
# built and inspected only.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(VELRTF_MINGW i686-w64-mingw32)
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
# Debian's 32-bit loader by its own path: /usr/bin/wine picks a loader by itself.
find_program(VELRTF_WINE32 NAMES wine PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(VELRTF_WINE32)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VELRTF_WINE32})
endif()

/*
 * windows.h for velrtf hosts on Linux and other POSIX systems.
 *
 * A host written for Windows includes <windows.h> before velrtf.h. On other
 * systems, put this folder (include/posix; include/velrtf/posix once
 * installed) on that host's include path, and
 * the same source compiles unchanged: this header brings in velrtf.h, whose
 * HGLOBAL, GMEM_MOVEABLE, GlobalAlloc, GlobalLock, GlobalUnlock, GlobalSize
 * and GlobalFree the library itself provides, and defines the handful of
 * Windows type names that such hosts commonly use with them. Nothing else of
 * Windows is here. With CMake, link the host to the target velrtf::windows_h
 * as well as velrtf::velrtf; it adds this folder on systems other than
 * Windows only. With pkg-config: -I$(pkg-config --variable=windowsincludedir
 * velrtf).
 */
#ifndef VELRTF_POSIX_WINDOWS_H
#define VELRTF_POSIX_WINDOWS_H

#if defined(_WIN32)
#  error "velrtf's posix/windows.h is for systems other than Windows"
#endif

#include <stddef.h>
#include <stdint.h>

#include "velrtf.h"

typedef int BOOL;
typedef unsigned char BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef unsigned int UINT;
typedef char CHAR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef void* LPVOID;

#ifndef TRUE
#  define TRUE 1
#endif
#ifndef FALSE
#  define FALSE 0
#endif

#define WINAPI
#define CALLBACK

#endif /* VELRTF_POSIX_WINDOWS_H */

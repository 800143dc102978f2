/*
 * A program linked as Microsoft's tools link one: compiled by clang for the
 * MSVC target (i686-pc-windows-msvc or x86_64-pc-windows-msvc) and linked by
 * lld-link with velrtf.lib, which is the point: it refers to every export
 * of velrtf.h the way an MSVC-compiled host does (__imp__VelTextFont@20 on
 * 32-bit Windows), and tests/api/check_exports.py reads its import table,
 * which must name every function of velrtf.dll by its plain name. It links
 * no C runtime and is never run.
 *
 * Declares the functions itself, from export_calls.h (written from velrtf.h),
 * as a host without velrtf.h's <windows.h> would; only the sizes of the types
 * matter to the names.
 */
#ifndef _WIN32
#error "a Windows program: it is linked with velrtf.lib"
#endif

typedef struct VelDocRecord* HVELDOC;
typedef void* HGLOBAL;
typedef void* HANDLE;
typedef struct tagLOGFONTA LOGFONTA;
typedef struct tagTEXTMETRICA TEXTMETRICA;
typedef unsigned short VELWCHAR;
#if defined(_WIN64)
typedef long long intptr_t;
#else
typedef int intptr_t;
#endif

#define VELRTF_EXPORT(name, result, params, bytes) __declspec(dllimport) result __stdcall name params;
#include "export_calls.h"
#undef VELRTF_EXPORT

int start(void)
{
    void* volatile address;
#define VELRTF_EXPORT(name, result, params, bytes) address = (void*)&name;
#include "export_calls.h"
#undef VELRTF_EXPORT
    (void)address;
    return 0;
}

/*
 * Every function that velrtf.h declares, found in velrtf.dll by its plain name
 * and called once, as hosts that declare the functions themselves reach them:
 * VB6 and VBA Declare, Delphi, LoadLibrary with GetProcAddress.
 *
 * - GetProcAddress finds each function under its plain name (VelNewDoc, never
 *   VelNewDoc@0), at the address that the import library of this program's
 *   link leads to (libvelrtf.dll.a, or velrtf.lib for velrtf_export_calls_lib).
 * - On 32-bit Windows each call removes its own arguments from the stack
 *   (__stdcall), as many bytes as the declaration's parameters take: what a
 *   VB6 Declare needs. A __cdecl export leaves them and fails here. On x64
 *   there is one calling convention, in which the caller removes them.
 *
 * Each function gets null and zero arguments: a null document, null strings
 * and handles, zero sizes, which every one of them takes without a report.
 * velrtf.h is read by cmake/velrtf_exports.py into export_calls.h, one line
 * per function with its parameter types; the compiler checks the types
 * against the declarations and counts their bytes.
 *
 * A Windows program (tests/CMakeLists.txt builds it for Windows only).
 * Exit status 0 when every function passes; each failure is printed.
 */
#ifndef _WIN32
#error "a Windows program: it looks velrtf.dll up with GetProcAddress"
#endif
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include "velrtf.h"

#if defined(__i386__)
/* Calls `function` with `words` zero arguments of 4 bytes, stores its result
 * and returns the bytes of arguments the call removed from the stack. The
 * stack pointer is put back afterwards whatever the callee did. */
unsigned CallWithZeros(FARPROC function, unsigned words, INT_PTR* result) __asm__("velrtf_call_with_zeros");
__asm__(
    ".text\n"
    ".p2align 4\n"
    "velrtf_call_with_zeros:\n"
    "    pushl %ebp\n"
    "    movl  %esp, %ebp\n"
    "    pushl %ebx\n"
    "    movl  %esp, %ebx\n"        /* the stack before the arguments */
    "    movl  12(%ebp), %ecx\n"    /* words */
    "1:  testl %ecx, %ecx\n"
    "    jz    2f\n"
    "    pushl $0\n"
    "    decl  %ecx\n"
    "    jmp   1b\n"
    "2:  call  *8(%ebp)\n"
    "    movl  16(%ebp), %ecx\n"
    "    movl  %eax, (%ecx)\n"
    "    movl  %esp, %eax\n"        /* where the call left the stack ... */
    "    subl  %ebx, %eax\n"        /* ... less where it stood: removed - 4 * words */
    "    movl  12(%ebp), %ecx\n"
    "    leal  (%eax,%ecx,4), %eax\n"
    "    movl  %ebx, %esp\n"
    "    popl  %ebx\n"
    "    popl  %ebp\n"
    "    ret\n");
#else
/* x64: the caller removes the arguments, so there is nothing to measure.
 * Extra zero arguments are harmless in this convention. */
typedef INT_PTR(WINAPI* AnyCall)(INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR,
                                 INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR);

static unsigned CallWithZeros(FARPROC function, unsigned words, INT_PTR* result)
{
    AnyCall call;
    memcpy(&call, &function, sizeof call);
    *result = call(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    return words * 4;
}
#endif

static int checked = 0;

/* 1 when the function passes, else 0 with the reason printed. */
static int CheckExport(HMODULE dll, const char* name, FARPROC imported, unsigned bytes)
{
    FARPROC found = GetProcAddress(dll, name);
    checked++;
    if (!found) {
        printf("%s: GetProcAddress does not find it by its plain name\n", name);
        return 0;
    }
    if (found != imported) {
        printf("%s: the import library leads elsewhere than GetProcAddress\n", name);
        return 0;
    }
    INT_PTR value = 0;
    unsigned removed = CallWithZeros(found, bytes / 4, &value);
    if (removed != bytes) {
        printf("%s: the call removed %u bytes of arguments from the stack, not %u\n", name, removed, bytes);
        return 0;
    }
    /* The two that make something out of nothing: a new document, an empty block. */
    if (value && strcmp(name, "VelNewDoc") == 0) VelEndDoc((HVELDOC)value);
    if (value && strcmp(name, "VelStrToHandle") == 0) GlobalFree((HGLOBAL)value);
    return 1;
}

int main(void)
{
    VelSetFlags(NULL, 1, DOCFLAG_QUIET); /* a shown report would be a modal box */
    HMODULE dll = GetModuleHandleA("velrtf.dll");
    if (!dll) {
        printf("velrtf.dll is not loaded\n");
        return 1;
    }
    int failures = 0;
#define ARG(type) ((unsigned)((sizeof(type) + 3) & ~(size_t)3))
    /* `typed` takes the declaration's own types: a line of export_calls.h that
     * differs from velrtf.h does not compile. */
#define VELRTF_EXPORT(name, result, params, bytes)                                    \
    {                                                                                 \
        result(WINAPI * typed) params = name;                                         \
        FARPROC imported;                                                             \
        memcpy(&imported, &typed, sizeof imported);                                   \
        failures += !CheckExport(dll, #name, imported, bytes);                        \
    }
#include "export_calls.h"
#undef VELRTF_EXPORT
    if (failures) {
        printf("%d of %d exports failed\n", failures, checked);
        return 1;
    }
#if defined(__i386__)
    printf("%d exports found by their plain names and called; each removed its own arguments (__stdcall)\n", checked);
#else
    printf("%d exports found by their plain names and called (x64: the caller removes the arguments)\n", checked);
#endif
    return 0;
}

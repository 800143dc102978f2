#!/usr/bin/env python3
"""The library exports exactly the functions velrtf.h declares, under their plain names, and carries the header's
version: the SONAME libvelrtf.so.MAJOR, or a VERSIONINFO resource in velrtf.dll, which needs nothing beyond the
system's own DLLs. Beside a DLL, velrtf.def and each import library name every export too: a 32-bit DLL exports
the plain names of its __stdcall functions, while the .def and the import libraries carry the decorated names
(VelTextFont@20, the bytes of its arguments) that C and C++ hosts ask for. Each program given after --programs,
linked through one of the import libraries and referring to every export, imports every one from velrtf.dll
by its plain name.
Usage: check_exports.py OBJDUMP LIBRARY HEADER [NM DEF IMPORT_LIBRARY... [--programs PROGRAM...]]"""
import os, re, struct, subprocess, sys  # noqa: E401

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "cmake"))
from velrtf_exports import exports, stack_bytes  # noqa: E402

objdump, library, header, *beside = sys.argv[1:]
beside, programs = (beside[:beside.index("--programs")], beside[beside.index("--programs") + 1:]) \
    if "--programs" in beside else (beside, [])
windows = library.lower().endswith(".dll")
declared = exports(header, "win" if windows else "posix")
names = {e.name for e in declared}
version = tuple(int(re.search(r"#define VELRTF_VERSION_%s (\d+)" % part, open(header).read())[1])
                for part in ("MAJOR", "MINOR", "PATCH"))
dump = subprocess.run([objdump, "-p" if windows else "-T", library], check=True, capture_output=True, text=True).stdout
problems = [] if names else ["no declaration found in velrtf.h"]


def compare(what, found, expected=names):
    problems.extend(["%s names %s, which velrtf.h does not declare" % (what, n) for n in sorted(found - expected)])
    problems.extend(["%s lacks %s" % (what, n) for n in sorted(expected - found)])


def imports_from(program, dll="velrtf.dll"):
    """The names that a Windows program imports from `dll`, as objdump -p lists them."""
    dump = subprocess.run([objdump, "-p", program], check=True, capture_output=True, text=True).stdout
    found, inside = set(), False
    for line in dump.splitlines():
        if "DLL Name:" in line:
            inside = line.split()[-1].lower() == dll
        elif inside and re.match(r"\s*[0-9a-f]+\s+\d+\s+\S+$", line):
            found.add(line.split()[-1])
    return found


if windows:
    exported = set(re.findall(r"^\s*\[\s*\d+\] (\S+)$", dump.partition("[Ordinal/Name Pointer] Table")[2], re.M))
    if dump.count(" Export RVA") != len(exported):
        problems.append("functions exported without a name")
    imported, system = {name.upper() for name in re.findall(r"DLL Name: (\S+)", dump)}, {"KERNEL32", "USER32", "GDI32"}
    if not {s + ".DLL" for s in system} <= imported <= {s + ".DLL" for s in system | {"MSVCRT"}}:
        problems.append("imports %s, not just the system's DLLs" % sorted(imported))
    # VS_FIXEDFILEINFO: its signature, then the file version as major << 16 | minor, patch << 16 | build.
    data = open(library, "rb").read()
    at = data.find(struct.pack("<I", 0xFEEF04BD), data.find("VS_VERSION_INFO".encode("utf-16-le")))
    found = struct.unpack_from("<II", data, at + 8) if at > 0 else (0, 0)
    if (found[0] >> 16, found[0] & 0xFFFF, found[1] >> 16) != version:
        problems.append("no VERSIONINFO of version %d.%d.%d" % version)
    # The names C sees: VelTextFont@20 for a 32-bit __stdcall function, VelTextFont on x64.
    x86 = "file format pei-i386" in dump
    c_names = {e.name: "%s@%d" % (e.name, stack_bytes(e)) if x86 else e.name for e in declared}
    if beside:
        nm, def_file, *import_libraries = beside
        text = open(def_file).read()
        if not text.startswith("LIBRARY velrtf.dll"):
            problems.append("velrtf.def does not start with LIBRARY velrtf.dll")
        compare("velrtf.def", set(text.partition("EXPORTS")[2].split()), set(c_names.values()))
        for lib in import_libraries:
            symbols = subprocess.run([nm, "-g", lib], check=True, capture_output=True, text=True).stdout
            compare(os.path.basename(lib), set(re.findall(r" I (__imp_\S+)$", symbols, re.M)),
                    {"__imp_" + ("_" if x86 else "") + n for n in c_names.values()})
    for program in programs:
        compare(os.path.basename(program) + " (its imports from velrtf.dll)", imports_from(program))
else:
    exported = {line.split()[-1] for line in dump.splitlines() if re.match(r"[0-9a-f]+ [gw] (?!.*\*UND\*)", line)}
    soname = re.search(r"^\s*SONAME\s+(\S+)", subprocess.run([objdump, "-p", library], check=True,
                                                               capture_output=True, text=True).stdout, re.M)
    if not soname or soname[1] != "libvelrtf.so.%d" % version[0]:
        problems.append("SONAME %s, not libvelrtf.so.%d" % (soname and soname[1], version[0]))
compare("the export table", exported)
print("\n".join(problems) or "%d exports, as velrtf.h declares, version %d.%d.%d" % ((len(exported),) + version)
      + ("; __stdcall names (VelNewDoc@0) in velrtf.def and the import libraries" if windows and x86 else "")
      + ("; %d programs import them by their plain names" % len(programs) if programs else ""))
sys.exit(1 if problems else 0)

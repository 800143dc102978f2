#!/usr/bin/env python3
"""The library exports exactly the functions velrtf.h declares, under their plain names, and carries the header's
version: the SONAME libvelrtf.so.MAJOR, or a VERSIONINFO resource in velrtf.dll, which needs nothing beyond the
system's own DLLs. Beside a DLL, velrtf.def and each import library name every export too.
Usage: check_exports.py OBJDUMP LIBRARY HEADER [NM DEF IMPORT_LIBRARY...]"""
import os, re, struct, subprocess, sys  # noqa: E401

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "cmake"))
from velrtf_exports import exports  # noqa: E402

objdump, library, header, *beside = sys.argv[1:]
windows = library.lower().endswith(".dll")
names = {e.name for e in exports(header, "win" if windows else "posix")}
version = tuple(int(re.search(r"#define VELRTF_VERSION_%s (\d+)" % part, open(header).read())[1])
                for part in ("MAJOR", "MINOR", "PATCH"))
dump = subprocess.run([objdump, "-p" if windows else "-T", library], check=True, capture_output=True, text=True).stdout
problems = [] if names else ["no declaration found in velrtf.h"]


def compare(what, found):
    problems.extend(["%s names %s, which velrtf.h does not declare" % (what, n) for n in sorted(found - names)])
    problems.extend(["%s lacks %s" % (what, n) for n in sorted(names - found)])


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
    if beside:
        nm, def_file, *import_libraries = beside
        body = open(def_file).read().partition("EXPORTS")[2]
        if not open(def_file).read().startswith("LIBRARY velrtf.dll"):
            problems.append("velrtf.def does not start with LIBRARY velrtf.dll")
        compare("velrtf.def", {re.sub(r"@\d+$", "", w) for w in body.split()})
        for lib in import_libraries:
            symbols = subprocess.run([nm, "-g", lib], check=True, capture_output=True, text=True).stdout
            compare(os.path.basename(lib), set(re.findall(r" I __imp__?(\w+?)(?:@\d+)?$", symbols, re.M)))
else:
    exported = {line.split()[-1] for line in dump.splitlines() if re.match(r"[0-9a-f]+ [gw] (?!.*\*UND\*)", line)}
    soname = re.search(r"^\s*SONAME\s+(\S+)", subprocess.run([objdump, "-p", library], check=True,
                                                               capture_output=True, text=True).stdout, re.M)
    if not soname or soname[1] != "libvelrtf.so.%d" % version[0]:
        problems.append("SONAME %s, not libvelrtf.so.%d" % (soname and soname[1], version[0]))
compare("the export table", exported)
print("\n".join(problems) or "%d exports, as velrtf.h declares, version %d.%d.%d" % ((len(exported),) + version))
sys.exit(1 if problems else 0)

#!/usr/bin/env python3
"""The library exports exactly the functions velrtf.h declares, under their plain names, and velrtf.dll needs
nothing beyond the system's own DLLs.  Usage: check_exports.py OBJDUMP LIBRARY HEADER"""
import re, subprocess, sys  # noqa: E401

objdump, library, header = sys.argv[1:]
windows = library.lower().endswith(".dll")
names, blocks = set(), []  # the `VELEXPORT <type> VELAPI <name>(` lines; per open #if, the system it is for
for line in open(header):
    d = re.match(r"\s*#\s*(\w+)(.*)", line)
    m = re.match(r"\s*VELEXPORT\b[^(;]*\bVELAPI\s+(\w+)\s*\(", line)
    if d and d[1].startswith("if"):
        negated = d[1] == "ifndef" or re.search(r"!\s*defined\s*\(?\s*_WIN32", d[2])
        blocks.append("" if "_WIN32" not in d[2] else "posix" if negated else "win")
    elif d and d[1] in ("else", "elif"):
        blocks[-1] = {"win": "posix", "posix": "win"}.get(blocks[-1], "") if d[1] == "else" else ""
    elif d and d[1] == "endif":
        blocks.pop()
    elif m and ("posix" if windows else "win") not in blocks:
        names.add(m[1])
dump = subprocess.run([objdump, "-p" if windows else "-T", library], check=True, capture_output=True, text=True).stdout
problems = [] if names else ["no declaration found in velrtf.h"]
if windows:
    exported = set(re.findall(r"^\s*\[\s*\d+\] (\S+)$", dump.partition("[Ordinal/Name Pointer] Table")[2], re.M))
    if dump.count(" Export RVA") != len(exported):
        problems.append("functions exported without a name")
    imported, system = {name.upper() for name in re.findall(r"DLL Name: (\S+)", dump)}, {"KERNEL32", "USER32", "GDI32"}
    if not {s + ".DLL" for s in system} <= imported <= {s + ".DLL" for s in system | {"MSVCRT"}}:
        problems.append("imports %s, not just the system's DLLs" % sorted(imported))
else:
    exported = {line.split()[-1] for line in dump.splitlines() if re.match(r"[0-9a-f]+ [gw] (?!.*\*UND\*)", line)}
problems += ["exported but not declared in velrtf.h: " + name for name in sorted(exported - names)]
problems += ["declared in velrtf.h but not exported: " + name for name in sorted(names - exported)]
print("\n".join(problems) or "%d exports, as velrtf.h declares" % len(exported))
sys.exit(1 if problems else 0)

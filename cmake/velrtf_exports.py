#!/usr/bin/env python3
"""The exported functions as include/velrtf.h declares them, for the build and the checks.

Every export is declared on a line of its own that starts `VELEXPORT <type> VELAPI <name>(`; declarations inside
`#if !defined(_WIN32)` blocks exist on other systems only, those inside `#if defined(_WIN32)` on Windows only.

    velrtf_exports.py def HEADER OUT [LINKER_DEF]

writes the module-definition file of velrtf.dll: `LIBRARY velrtf.dll`, then every export of the header in its
order. Given the .def that the linker wrote (`-Wl,--output-def`), each name takes the linker's decorated form
(`VelNewDoc@0` for a 32-bit stdcall export; x64 names are plain), and the two must name the same functions.

    velrtf_exports.py calls HEADER OUT

writes, for a C program that includes velrtf.h, one line per Windows export:
`VELRTF_EXPORT(name, result type, (parameter types), ARG(type) + ARG(type)...)`, the last being the bytes its
arguments take on the stack once the program defines ARG.
"""
import re
import sys
from typing import NamedTuple


class Export(NamedTuple):
    name: str
    result: str  # C types, spaces normalised: "const char*", "HGLOBAL", "int"
    params: list  # of (type, name)


def _ctype(text):
    return re.sub(r"\s*\*", "*", " ".join(text.split()))


def _param(text):
    m = re.match(r"(.*?)(\w+)$", text.strip())
    return (_ctype(m[1]), m[2]) if m and m[1].strip() else (_ctype(text), "")


def exports(header, system="win"):
    """The exports of velrtf.h on `system` ("win" or "posix"), in the header's order."""
    found, blocks, pending = [], [], None
    for line in open(header, encoding="utf-8"):
        if pending is not None:
            pending += " " + line.strip()
        else:
            d = re.match(r"\s*#\s*(\w+)(.*)", line)
            if d and d[1].startswith("if"):
                negated = d[1] == "ifndef" or re.search(r"!\s*defined\s*\(?\s*_WIN32", d[2])
                blocks.append("" if "_WIN32" not in d[2] else "posix" if negated else "win")
            elif d and d[1] in ("else", "elif"):
                blocks[-1] = {"win": "posix", "posix": "win"}.get(blocks[-1], "") if d[1] == "else" else ""
            elif d and d[1] == "endif":
                blocks.pop()
            elif re.match(r"\s*VELEXPORT\b", line) and ("posix" if system == "win" else "win") not in blocks:
                pending = line.strip()
        if pending is not None and ";" in pending:
            m = re.match(r"VELEXPORT\s+(.*?)\s*\bVELAPI\s+(\w+)\s*\((.*)\)\s*;", pending)
            if not m:
                raise ValueError("cannot read the declaration: " + pending)
            params = [] if m[3].strip() in ("", "void") else [_param(p) for p in m[3].split(",")]
            found.append(Export(m[2], _ctype(m[1]), params))
            pending = None
    return found


def linker_names(linker_def):
    """Plain name -> the name as the linker exported it, from a .def that ld wrote."""
    names, body = {}, False
    for line in open(linker_def, encoding="utf-8"):
        words = line.split()
        if words and words[0] == "EXPORTS":
            body = True
        elif body and words and not words[0].startswith(";"):
            decorated = words[2] if len(words) > 2 and words[1] == "=" else words[0]
            names[re.sub(r"^_?(\w+?)(@\d+)?$", r"\1", words[0])] = decorated
    return names


def stack_bytes(export):
    """The bytes the arguments of a 32-bit stdcall export take on the stack: the n of VelNewDoc@n."""
    wide = ("double", "int64_t", "uint64_t", "long long", "unsigned long long")
    return sum(8 if t in wide else 4 for t, _ in export.params)


def write_calls(header, out):
    with open(out, "w") as f:
        f.write("/* Written from velrtf.h by cmake/velrtf_exports.py. */\n")
        for e in exports(header):
            types = [t for t, _ in e.params]
            f.write("VELRTF_EXPORT(%s, %s, (%s), %s)\n" % (
                e.name, e.result, ", ".join(types) or "void", " + ".join("ARG(%s)" % t for t in types) or "0"))


def write_def(header, out, linker_def=None):
    names = [e.name for e in exports(header)]
    decorated = linker_names(linker_def) if linker_def else {n: n for n in names}
    if set(decorated) != set(names):
        raise SystemExit("velrtf.def: the DLL exports %s, velrtf.h declares %s" % (
            sorted(set(decorated) - set(names)) or "no more", sorted(set(names) - set(decorated)) or "no more"))
    with open(out, "w", newline="\r\n") as f:
        f.write("LIBRARY velrtf.dll\nEXPORTS\n" + "".join("    %s\n" % decorated[n] for n in names))


if __name__ == "__main__":
    if len(sys.argv) in (4, 5) and sys.argv[1] == "def":
        write_def(*sys.argv[2:])
    elif len(sys.argv) == 4 and sys.argv[1] == "calls":
        write_calls(*sys.argv[2:])
    else:
        sys.exit(__doc__)

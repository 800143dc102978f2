#!/usr/bin/env python3
"""Each Declare of velrtf.dll in the VBA/VB6 modules given matches the function as velrtf.h declares it: the
same parameters, in order, each ByVal as the type that passes it whole (pointer-sized handles as LongPtr in the
`#If VBA7` branch and Long in the other, strings As String, numbers As Long), the same result, and PtrSafe
exactly in the VBA7 branch, which declares the same functions as the other. A Declare with one argument too
many or too few would make each call leave the stack of a 32-bit host unbalanced (VB's error 49, "Bad DLL
calling convention"); one declaring a 64-bit handle As Long would cut it in half.
Usage: check_declares.py HEADER MODULE..."""
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "cmake"))
from velrtf_exports import exports  # noqa: E402

header, *modules = sys.argv[1:]
declared = {e.name: e for e in exports(header)}
problems = []


def vb_type(ctype, vba7):
    if ctype in ("const char*", "char*"):
        return "String"
    if ctype in ("int", "unsigned"):
        return "Long"
    return "LongPtr" if vba7 else "Long"  # handles, intptr_t and other pointers


for module in modules:
    name = os.path.basename(module)
    # Whole statements: a line that ends in " _" goes on on the next.
    text = re.sub(r" _\r?\n\s*", " ", open(module, encoding="utf-8").read())
    branch, found = None, {True: set(), False: set()}
    for line in text.splitlines():
        line = line.strip()
        if re.match(r"#If\s+VBA7\s+Then$", line, re.I):
            branch = True
        elif re.match(r"#Else$", line, re.I) and branch is not None:
            branch = False
        elif re.match(r"#End If$", line, re.I):
            branch = None
        m = re.match(r'(?:Private |Public )?Declare (PtrSafe )?Function (\w+) Lib "velrtf\.dll" \((.*)\) As (\w+)$', line)
        if not m:
            continue
        safe, function, params, result = bool(m[1]), m[2], m[3], m[4]
        where = "%s: %s%s" % (name, function, {True: " (VBA7)", False: " (VB6)", None: ""}[branch])
        if branch is None:
            problems.append(where + ": declared outside #If VBA7 ... #Else ... #End If")
            continue
        found[branch].add(function)
        if function not in declared:
            problems.append(where + ": velrtf.h declares no such function")
            continue
        if safe != branch:
            problems.append(where + (": lacks PtrSafe" if branch else ": PtrSafe outside the VBA7 branch"))
        want = [vb_type(t, branch) for t, _ in declared[function].params]
        have = [re.match(r"(ByVal |ByRef )?\w+ As (\w+)$", p.strip()) for p in params.split(",") if p.strip()]
        if len(have) != len(want):
            problems.append("%s: %d parameters, velrtf.h has %d" % (where, len(have), len(want)))
        for i, (p, w) in enumerate(zip(have, want)):
            if not p or p[1] != "ByVal " or p[2] != w:
                problems.append("%s: parameter %d should be ByVal ... As %s" % (where, i + 1, w))
        if result != vb_type(declared[function].result, branch):
            problems.append("%s: returns %s, not %s" % (where, result, vb_type(declared[function].result, branch)))
    if found[True] != found[False]:
        problems.append("%s: the two branches declare different functions: %s" % (
            name, sorted(found[True] ^ found[False])))
    if not found[True]:
        problems.append(name + ": no Declare of velrtf.dll")

print("\n".join(problems) or "the Declares of %d module(s) match velrtf.h" % len(modules))
sys.exit(1 if problems else 0)

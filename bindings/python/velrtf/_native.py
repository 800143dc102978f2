"""Finding and loading the velrtf shared library, and its exported functions as ctypes calls."""
from __future__ import annotations

import ctypes
import ctypes.util
import os
import sys
import threading
from typing import Any, Dict, List, Optional, Tuple

#: The environment variable naming the library file (or a folder holding it) to load.
LIBRARY_ENV = "VELRTF_LIBRARY"

if sys.platform == "win32":
    _FILE_NAMES = ["velrtf.dll"]
elif sys.platform == "darwin":
    _FILE_NAMES = ["libvelrtf.1.dylib", "libvelrtf.dylib"]
else:
    _FILE_NAMES = ["libvelrtf.so.1", "libvelrtf.so"]

# Every export of velrtf.h as "result (parameters)" in the header's C types. The library's stand-ins for the
# Windows functions it provides on other systems (GlobalAlloc, the metafile and clipboard functions...) are left
# out: on Windows they come from the system.
SIGNATURES: Dict[str, str] = {
    "VelNewDoc": "HVELDOC ()",
    "VelEndDoc": "int (HVELDOC)",
    "VelSaveFile": "intptr_t (HVELDOC, const char*)",
    "VelGetData": "HGLOBAL (HVELDOC, int*)",
    "VelGetLastMessage": "int (char*, char*)",
    "VelResetLastMessage": "int ()",
    "VelSetFlags": "unsigned (HVELDOC, int, unsigned)",
    "WEP": "int ()",
    "VelStrToHandle": "HGLOBAL (const char*, int)",
    "VelStrToHandleInChunks": "HGLOBAL (const char*, int, HGLOBAL, int, int)",
    "VelHandleToStr": "int (char*, int, HGLOBAL)",
    "VelHandleToStrInChunks": "int (char*, int, HGLOBAL, int, int)",
    "VelMakeMbcs": "int (char*, const char*, const char*, int)",
    "VelBeginGroup": "int (HVELDOC, const char*, int)",
    "VelEndGroup": "int (HVELDOC)",
    "VelInsertControl": "int (HVELDOC, const char*, int, int)",
    "VelInsertRaw": "int (HVELDOC, const char*)",
    "VelEnumFont": "int (const LOGFONTA*, const TEXTMETRICA*, unsigned, intptr_t)",
    "VelTextFont": "int (HVELDOC, const char*, int, unsigned, int)",
    "VelTextFont2": "int (HVELDOC, const char*, int, unsigned, int, int)",
    "VelTextFont3": "int (HVELDOC, const char*, int, unsigned, int, int, int)",
    "VelResetTextProp": "int (HVELDOC)",
    "VelCharStyleId": "int (HVELDOC, int)",
    "VelTextColor": "int (HVELDOC, unsigned, int)",
    "VelTextColor2": "int (HVELDOC, unsigned, int, int)",
    "VelBeginScriptStyle": "int (HVELDOC, int)",
    "VelEndScriptStyle": "int (HVELDOC)",
    "VelInsertText": "int (HVELDOC, const char*)",
    "VelInsertUText": "int (HVELDOC, const VELWCHAR*)",
    "VelInsertBreak": "int (HVELDOC, int)",
    "VelResetParaProp": "int (HVELDOC)",
    "VelParaFlags": "int (HVELDOC, unsigned)",
    "VelParaIndent": "int (HVELDOC, int, int, int)",
    "VelParaSpace": "int (HVELDOC, int, int, int)",
    "VelParaShadeColor": "int (HVELDOC, int, unsigned)",
    "VelParaStyleId": "int (HVELDOC, int)",
    "VelParaTabStop": "int (HVELDOC, int, int, int)",
    "VelParaBullet": "int (HVELDOC, int, int, int, int, const char*, const char*, unsigned)",
    "VelInitSect": "int (HVELDOC)",
    "VelBeginSectText": "int (HVELDOC)",
    "VelPaper": "int (HVELDOC, int, int, int)",
    "VelMargin": "int (HVELDOC, int, int, int, int, int, int)",
    "VelSectInfo": "int (HVELDOC, int, int, int, int)",
    "VelBeginHdrFtr": "int (HVELDOC, int)",
    "VelEndHdrFtr": "int (HVELDOC)",
    "VelBeginStyleSheet": "int (HVELDOC)",
    "VelBeginStyleItem": "int (HVELDOC, int, int, const char*)",
    "VelEndStyleItem": "int (HVELDOC)",
    "VelEndStyleSheet": "int (HVELDOC)",
    "VelBeginTableRow": "int (HVELDOC, int, int, unsigned, unsigned, int)",
    "VelBeginTableRow2": "int (HVELDOC, int, int, unsigned, unsigned, int, int, int, int)",
    "VelNextCellInfo": "int (HVELDOC, int, unsigned, int, unsigned, int, int, int, int, unsigned)",
    "VelNextCellInfo2": "int (HVELDOC, int, unsigned, int, unsigned, int, int, int, int, unsigned, unsigned)",
    "VelNextCellInfo3": "int (HVELDOC, int, unsigned, int, unsigned, int, int, int, int, unsigned, unsigned, int)",
    "VelBeginCellText": "int (HVELDOC)",
    "VelEndCellText": "int (HVELDOC)",
    "VelEndTableRow": "int (HVELDOC)",
    "VelBeginFrame": "int (HVELDOC, int, int, int, int, int)",
    "VelEndFrame": "int (HVELDOC)",
    "VelBeginTextBox": "int (HVELDOC, int, int, int, int, int, int, unsigned, unsigned, int, int)",
    "VelBeginTextBox2": "int (HVELDOC, int, int, int, int, int, int, unsigned, unsigned, int, int, int)",
    "VelEndTextBox": "int (HVELDOC)",
    "VelDrawRect": "int (HVELDOC, int, int, int, int, int, int, unsigned, unsigned, int, int)",
    "VelDrawLine": "int (HVELDOC, int, int, int, int, int, int, unsigned, int)",
    "VelInsertPageField": "int (HVELDOC, int)",
    "VelInsertMergeField": "int (HVELDOC, const char*, const char*)",
    "VelInsertTocField": "int (HVELDOC, int, int)",
    "VelInsertFootnote": "int (HVELDOC, const char*, const char*)",
    "VelInsertBookmark": "int (HVELDOC, const char*, int)",
    "VelInsertPictFile": "int (HVELDOC, const char*, int, int, int)",
    "VelPastePicture": "int (HVELDOC, unsigned, HANDLE, int, int)",
}

#: The ctypes type of each C type of velrtf.h. Handles are pointers; UTF-16 text is passed as bytes.
CTYPES: Dict[str, Any] = {
    "void": None, "int": ctypes.c_int, "unsigned": ctypes.c_uint, "intptr_t": ctypes.c_ssize_t,
    "size_t": ctypes.c_size_t, "HVELDOC": ctypes.c_void_p, "HGLOBAL": ctypes.c_void_p, "HANDLE": ctypes.c_void_p,
    "const char*": ctypes.c_char_p, "char*": ctypes.c_char_p, "int*": ctypes.POINTER(ctypes.c_int),
    "const VELWCHAR*": ctypes.c_void_p, "const LOGFONTA*": ctypes.c_void_p, "const TEXTMETRICA*": ctypes.c_void_p,
}


def parse_signature(signature: str) -> Tuple[str, List[str]]:
    """'int (HVELDOC, int)' as ('int', ['HVELDOC', 'int'])."""
    result, _, params = signature.partition(" (")
    return result, [p.strip() for p in params.rstrip(")").split(",") if p.strip()]


class LibraryNotFoundError(OSError):
    """The velrtf shared library could not be loaded; `tried` lists each path tried and why it failed."""

    def __init__(self, tried: List[Tuple[str, str]]):
        self.tried = tried
        lines = "\n".join("  %s: %s" % attempt for attempt in tried)
        super().__init__("the velrtf library was not found; set %s to its path. Tried:\n%s" % (LIBRARY_ENV, lines))


class Library:
    """The loaded velrtf library. Each exported function is an attribute, a ctypes function with the argument and
    result types of velrtf.h, looked up on first use: a function this build of the library lacks fails only when
    it is used (AttributeError)."""

    def __init__(self, path: str):
        loader = ctypes.WinDLL if sys.platform == "win32" else ctypes.CDLL  # type: ignore[attr-defined]
        self.path = path
        self._dll = loader(path)

    def __getattr__(self, name: str) -> Any:
        if name not in SIGNATURES:
            raise AttributeError("velrtf has no function %s" % name)
        try:
            function = getattr(self._dll, name)
        except AttributeError:
            raise AttributeError("the velrtf library %s has no function %s (an older build?)" % (self.path, name))
        result, params = parse_signature(SIGNATURES[name])
        function.restype = CTYPES[result]
        function.argtypes = [CTYPES[p] for p in params]
        setattr(self, name, function)
        return function

    def has(self, name: str) -> bool:
        """Whether this build of the library exports `name`."""
        return hasattr(self._dll, name)


def _candidates() -> List[str]:
    chosen = os.environ.get(LIBRARY_ENV)
    if chosen:  # only what the variable names
        return [os.path.join(chosen, n) for n in _FILE_NAMES] if os.path.isdir(chosen) else [chosen]
    here = os.path.dirname(os.path.abspath(__file__))
    found = ctypes.util.find_library("velrtf")
    return [os.path.join(here, n) for n in _FILE_NAMES] + _FILE_NAMES + ([found] if found else [])


_loaded: Optional[Library] = None
_lock = threading.Lock()


def library() -> Library:
    """The velrtf library, loaded on first use from, in this order: the file (or folder) that the environment
    variable VELRTF_LIBRARY names (only there, when it is set); the folder of this package; the system's library
    search path. Reports stay quiet from then on (the default flags get DOCFLAG_QUIET), so a script never sees a
    message box: failures become exceptions instead."""
    global _loaded
    with _lock:
        if _loaded is None:
            tried = []
            for path in _candidates():
                try:
                    lib = Library(path)
                except OSError as error:
                    tried.append((path, str(error) or type(error).__name__))
                    continue
                lib.VelSetFlags(None, 1, 0x1)  # DOCFLAG_QUIET for new documents and reports without one
                _loaded = lib
                break
            else:
                raise LibraryNotFoundError(tried)
        return _loaded

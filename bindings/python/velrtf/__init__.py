"""velrtf: write Rich Text Format documents from Python.

    import velrtf

    with velrtf.Document() as doc:
        doc.font("Times New Roman", 12, bold=True)
        doc.paragraph("Hello, RTF")
        doc.save("hello.rtf")

The package drives the velrtf shared library (libvelrtf.so.1, velrtf.dll) through ctypes; see library() for where
it looks for it. Failures raise VelrtfError; velrtf.library() gives the raw functions of velrtf.h.
"""
from ._native import LIBRARY_ENV, Library, LibraryNotFoundError, library
from .document import Document, TableRow, VelrtfError
from .values import (BLACK, WHITE, Cell, Char, Color, ColorLike, Font, Leader, Merge, Numbering, Para, Row, Tab,
                     VAlign)

__version__ = "1.0.0"  # the version of velrtf.h (a test checks)
__all__ = ["BLACK", "WHITE", "Cell", "Char", "Color", "ColorLike", "Document", "Font", "LIBRARY_ENV", "Leader",
           "Library", "LibraryNotFoundError", "Merge", "Numbering", "Para", "Row", "Tab", "TableRow", "VAlign",
           "VelrtfError", "library"]

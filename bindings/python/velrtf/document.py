"""Document: an RTF document built by calls in document order."""
from __future__ import annotations

import contextlib
import ctypes
import itertools
import os
import sys
from typing import Iterator, Optional, Sequence, Tuple, Union

from ._native import Library, library
from .values import BLACK, WHITE, Cell, Char, ColorLike, Font, Leader, Numbering, Para, Row, Tab, color_value

StrPath = Union[str, "os.PathLike[str]"]
_UTF16 = "utf-16-le" if sys.byteorder == "little" else "utf-16-be"
_PAGES = {"all": 0, "first": 1, "left": 2, "right": 3}  # header kinds from HF_HEADER, footers from HF_FOOTER
# The attributes font() switches by keyword, in the order of its keywords.
_CHAR_FLAGS = (Char.BOLD, Char.ITALIC, Char.UNDERLINE, Char.DOUBLE_UNDERLINE, Char.STRIKE, Char.HIDDEN, Char.CAPS,
               Char.SMALL_CAPS, Char.PROTECTED)


class VelrtfError(Exception):
    """A call that the library refused: `number` is its message number (0 when it refused without one), `message`
    the text, `caption` the operation that failed."""

    def __init__(self, number: int, message: str, caption: str):
        super().__init__("%s: %s (message %d)" % (caption, message, number))
        self.number, self.message, self.caption = number, message, caption


def ansi(text: Optional[str], what: str = "text") -> Optional[bytes]:
    """`text` as the library's 8-bit ANSI string (Windows-1252, the code page of the RTF it writes)."""
    if text is None:
        return None
    if "\0" in text:
        raise ValueError("%s holds a NUL character" % what)
    try:
        return text.encode("cp1252")
    except UnicodeEncodeError:
        raise ValueError("%s must be ANSI (Windows-1252) text: %r" % (what, text)) from None


def _lines(text: str) -> str:  # "\n" and "\r\n" end a paragraph: the library takes CR LF
    return text.replace("\r\n", "\n").replace("\n", "\r\n")


def _twips(value: Optional[int]) -> int:  # None leaves a length out
    return -1 if value is None else value


class Document:
    """An RTF document. Use it as a context manager, which ends the document (or call close()); build it by
    calling the methods in document order, then save() or to_bytes(). Lengths are twips (1/1440 inch).

    Every call that the library refuses raises VelrtfError. The raw functions stay reachable for anything this
    class does not cover: `velrtf.library().VelInsertControl(doc.handle, b"ul", 0, 0)`."""

    def __init__(self, modern_pictures: bool = False) -> None:
        """`modern_pictures` (DOCFLAG_MODERN_PICTURES) also embeds PNG and every JPEG (Exif, progressive...) at
        their true size, and pastes PNG under the clipboard format "PNG"."""
        self._lib: Library = library()
        self._handle: Optional[int] = self._lib.VelNewDoc()
        if not self._handle:
            raise self._error("VelNewDoc")
        # DOCFLAG_QUIET: failures become exceptions; DOCFLAG_MODERN_PICTURES when asked.
        self._lib.VelSetFlags(self._handle, 1, 0x1 | (0x4 if modern_pictures else 0))

    # ---- lifecycle --------------------------------------------------------------------------------------------
    @property
    def handle(self) -> int:
        """The document handle (HVELDOC) for the raw functions."""
        if not self._handle:
            raise ValueError("the document is closed")
        return self._handle

    @property
    def closed(self) -> bool:
        return not self._handle

    def close(self) -> None:
        """Ends the document and releases everything it owns. Further calls raise ValueError."""
        if self._handle:
            self._lib.VelEndDoc(self._handle)
            self._handle = None

    def __enter__(self) -> "Document":
        return self

    def __exit__(self, *exc: object) -> None:
        self.close()

    def __del__(self) -> None:
        if getattr(self, "_handle", None):
            self.close()

    def save(self, path: StrPath) -> None:
        """Writes the RTF to `path`, replacing the file. The document stays open and may grow and be saved again."""
        name = os.fspath(path).encode("mbcs") if sys.platform == "win32" else os.fsencode(path)
        self._call("VelSaveFile", name)

    def to_bytes(self) -> bytes:
        """The RTF as it would be saved now."""
        length = ctypes.c_int(0)
        self._lib.VelResetLastMessage()
        block = self._lib.VelGetData(self.handle, ctypes.byref(length))
        if not block:
            raise self._error("VelGetData")
        data = ctypes.create_string_buffer(length.value)
        if not self._lib.VelHandleToStr(data, length.value, block):  # copies the block out and frees it
            raise self._error("VelHandleToStr")
        return data.raw[:length.value - 1]  # without the NUL

    # ---- calls and errors -------------------------------------------------------------------------------------
    def _call(self, name: str, *args: object, reports_fail: bool = False) -> None:
        # reports_fail: the call gives 1 even when it reports a failure and writes nothing (pictures).
        lib = self._lib
        lib.VelResetLastMessage()
        if not getattr(lib, name)(self.handle, *args) or (reports_fail and lib.VelGetLastMessage(None, None)):
            raise self._error(name)

    def _error(self, name: str) -> VelrtfError:
        message, caption = ctypes.create_string_buffer(300), ctypes.create_string_buffer(1000)
        number = self._lib.VelGetLastMessage(message, caption)
        if not number:
            return VelrtfError(0, "refused without a message: a value out of its range", name)
        return VelrtfError(number, message.value.decode("cp1252", "replace"),
                           caption.value.decode("cp1252", "replace") or name)

    @contextlib.contextmanager
    def _scope(self, begin: str, args: Tuple[object, ...], end: str) -> Iterator["Document"]:
        self._call(begin, *args)
        yield self
        self._call(end)  # not after an exception, which goes on as it was

    # ---- text -------------------------------------------------------------------------------------------------
    def text(self, text: str) -> None:
        """Writes text. A newline ("\\n" or "\\r\\n") ends the paragraph; a tab, form feed (page break) and the
        library's other control characters work as in VelInsertText. ASCII goes as ANSI text, every other
        character as UTF-16 (VelInsertUText)."""
        if "\0" in text:
            raise ValueError("text holds a NUL character")
        for is_ascii, run in itertools.groupby(_lines(text), key=lambda c: c < "\x80"):
            part = "".join(run)
            if is_ascii:
                self._call("VelInsertText", part.encode("ascii"))
            else:
                self._call("VelInsertUText", part.encode(_UTF16) + b"\0\0")

    def paragraph(self, text: str = "") -> None:
        """Writes text and ends the paragraph."""
        self.text(text + "\n")

    # ---- character formatting ---------------------------------------------------------------------------------
    def font(self, font: Union[Font, str, None] = None, size: Optional[float] = None, *,
             bold: Optional[bool] = None, italic: Optional[bool] = None, underline: Optional[bool] = None,
             double_underline: Optional[bool] = None, strike: Optional[bool] = None, hidden: Optional[bool] = None,
             caps: Optional[bool] = None, small_caps: Optional[bool] = None, protected: Optional[bool] = None,
             on: Char = Char(0), off: Char = Char(0)) -> None:
        """Sets the typeface and size (a Font, or a face name and a size in points) and switches attributes on
        (True) or off (False); None leaves each as it is. `on` and `off` take any Char flags."""
        value = font if isinstance(font, Font) else Font(font, size or 0)
        if isinstance(font, Font) and size is not None:
            value = Font(font.face, size, font.charset)
        switches = (bold, italic, underline, double_underline, strike, hidden, caps, small_caps, protected)
        for switch, flag in zip(switches, _CHAR_FLAGS):
            if switch is not None:
                on, off = (on | flag, off) if switch else (on, off | flag)
        if value.face or value.size or on or not off:
            self._call("VelTextFont2", ansi(value.face, "a face name"), value.size_argument, int(on),
                       value.charset, 1)
        if off:
            self._call("VelTextFont2", None, 0, int(off), -1, 0)

    def add_font(self, font: Union[Font, str]) -> None:
        """Adds a font to the font table without using it; the first font added is the document's default."""
        value = font if isinstance(font, Font) else Font(font)
        self._call("VelTextFont3", ansi(value.face, "a face name"), 0, 0, value.charset, 0, 0)

    def plain(self) -> None:
        """Back to plain characters."""
        self._call("VelResetTextProp")

    def char_style(self, number: int) -> None:
        """Applies character style `number` of the stylesheet."""
        self._call("VelCharStyleId", number)

    def color(self, color: ColorLike) -> None:
        """The text color."""
        self._call("VelTextColor", color_value(color), 1)

    def highlight(self, color: ColorLike) -> None:
        """The highlight (background) color of the text."""
        self._call("VelTextColor", color_value(color), 0)

    def add_color(self, color: ColorLike) -> None:
        """Adds a color to the color table without using it."""
        self._call("VelTextColor2", color_value(color), 1, 0)

    def superscript(self) -> "contextlib.AbstractContextManager[Document]":
        """`with doc.superscript(): doc.text("2")`: a superscript run; font changes wait until it ends."""
        return self._scope("VelBeginScriptStyle", (1,), "VelEndScriptStyle")

    def subscript(self) -> "contextlib.AbstractContextManager[Document]":
        """A subscript run, as superscript()."""
        return self._scope("VelBeginScriptStyle", (0,), "VelEndScriptStyle")

    # ---- paragraphs -------------------------------------------------------------------------------------------
    def reset_paragraph(self) -> None:
        """Back to plain paragraph properties (in a table row, the paragraph stays in it)."""
        self._call("VelResetParaProp")

    def paragraph_flags(self, flags: Para) -> None:
        """Alignment, double spacing, keeping, widow control and borders; they last until reset_paragraph()."""
        self._call("VelParaFlags", int(flags))

    def indent(self, left: Optional[int] = None, right: Optional[int] = None, first: Optional[int] = None) -> None:
        """Left, right and first-line indents; None leaves one out."""
        self._call("VelParaIndent", _twips(left), _twips(right), _twips(first))

    def spacing(self, before: Optional[int] = None, after: Optional[int] = None, line: Optional[int] = None) -> None:
        """Space before and after the paragraph, and between its lines; None leaves one out."""
        self._call("VelParaSpace", _twips(before), _twips(after), _twips(line))

    def shading(self, percent: int) -> None:
        """Shades the paragraph (percent, at most 100)."""
        self._call("VelParaShadeColor", percent, 0)

    def background(self, color: ColorLike) -> None:
        """A background color for the paragraph."""
        self._call("VelParaShadeColor", -1, color_value(color))

    def paragraph_style(self, number: int) -> None:
        """Applies paragraph style `number` of the stylesheet."""
        self._call("VelParaStyleId", number)

    def tab_stop(self, position: int, align: Tab = Tab.LEFT, leader: Leader = Leader.NONE) -> None:
        """A tab stop at `position`."""
        self._call("VelParaTabStop", int(align), position, int(leader))

    def page_break(self) -> None:
        self._call("VelInsertBreak", 2)

    def column_break(self) -> None:
        self._call("VelInsertBreak", 1)

    def end_section(self) -> None:
        """Ends the section; the next new_section() or content starts the next one."""
        self._call("VelInsertBreak", 0)

    # ---- lists ------------------------------------------------------------------------------------------------
    def bullet(self, style: int = 0) -> None:
        """Makes the paragraph a bulleted one (bullet styles 0 to 7); call it after the paragraph properties."""
        self._call("VelParaBullet", 1, style, 1, 1, None, None, 0)

    def numbered(self, style: Numbering = Numbering.DECIMAL, level: int = 1, start: int = 1, before: str = "",
                 after: str = ".", continued: bool = False) -> None:
        """Makes the paragraph a numbered one, the number between `before` and `after`; `continued` goes on with
        the list without a number of its own."""
        self._call("VelParaBullet", 0, int(style), level, start, ansi(before), ansi(after), 1 if continued else 0)

    # ---- sections and page layout -----------------------------------------------------------------------------
    def new_section(self) -> None:
        """Starts a section; its page layout, headers and footers follow, then its text."""
        self._call("VelInitSect")

    def begin_text(self) -> None:
        """Begins the section's text (content does it by itself)."""
        self._call("VelBeginSectText")

    def page_size(self, width: int, height: int, landscape: bool = False) -> None:
        """Paper size: for the whole document before any section, else for the section being started."""
        self._call("VelPaper", width, height, 1 if landscape else 0)

    def margins(self, left: Optional[int] = None, right: Optional[int] = None, top: Optional[int] = None,
                bottom: Optional[int] = None, header: Optional[int] = None, footer: Optional[int] = None) -> None:
        """Page margins and the distances of headers and footers from the edge; None leaves one out."""
        self._call("VelMargin", *(_twips(v) for v in (left, right, top, bottom, header, footer)))

    def section_layout(self, columns: int = 1, column_space: int = 720, new_page: bool = True,
                       first_page_number: int = 0) -> None:
        """Columns and their spacing, whether the section starts a new page, and the page number it restarts
        at (0 continues the numbering)."""
        self._call("VelSectInfo", columns, column_space, 1 if new_page else 0, first_page_number)

    def header(self, pages: str = "all") -> "contextlib.AbstractContextManager[Document]":
        """`with doc.header(): doc.text(...)`: the header of `pages` "all", "first", "left" or "right" of the
        section being started (before its text)."""
        return self._scope("VelBeginHdrFtr", (1 + _PAGES[pages],), "VelEndHdrFtr")

    def footer(self, pages: str = "all") -> "contextlib.AbstractContextManager[Document]":
        """The footer, as header()."""
        return self._scope("VelBeginHdrFtr", (5 + _PAGES[pages],), "VelEndHdrFtr")

    # ---- stylesheet -------------------------------------------------------------------------------------------
    def stylesheet(self) -> "contextlib.AbstractContextManager[Document]":
        """`with doc.stylesheet():` holds the style() definitions; before any text."""
        return self._scope("VelBeginStyleSheet", (), "VelEndStyleSheet")

    def style(self, number: int, name: str, paragraph: bool = True) -> "contextlib.AbstractContextManager[Document]":
        """`with doc.style(1, "heading 1"): doc.font(...)`: a paragraph (or character) style, its formatting
        given by the calls inside."""
        return self._scope("VelBeginStyleItem", (1 if paragraph else 0, number, ansi(name, "a style name")),
                           "VelEndStyleItem")

    # ---- tables -----------------------------------------------------------------------------------------------
    def row(self, cells: Sequence[Union[int, Cell]], left: int = 0, height: int = 0, align: Row = Row(0),
            header: bool = False, padding: Union[int, Tuple[int, int, int, int]] = 0) -> "TableRow":
        """`with doc.row([2000, Cell(3000, borders=10)]) as row: row.cell("text")`: a table row of the given
        cells (a width, or a Cell). `height` 0 is automatic, negative exact; `padding` is the cell margin left and
        right (0: the default), or (left, right, top, bottom). A row begun inside a cell is a nested table."""
        return TableRow(self, [c if isinstance(c, Cell) else Cell(c) for c in cells], left, height, align, header,
                        padding)

    # ---- frames, text boxes and drawing objects ---------------------------------------------------------------
    def frame(self, x: int, y: int, width: int, height: int,
              page_relative: bool = False) -> "contextlib.AbstractContextManager[Document]":
        """`with doc.frame(...):` the paragraphs written inside stand in a block at (x, y)."""
        return self._scope("VelBeginFrame", (1 if page_relative else 0, x, y, width, height), "VelEndFrame")

    def text_box(self, x: int, y: int, width: int, height: int, *, fill: ColorLike = WHITE, line: ColorLike = BLACK,
                 line_width: int = 10, transparent: bool = False, rotation: int = 0, z_order: int = 0,
                 page_relative: bool = False) -> "contextlib.AbstractContextManager[Document]":
        """`with doc.text_box(...):` a text box holding the text written inside (end its last paragraph)."""
        return self._scope("VelBeginTextBox2", (1 if page_relative else 0, x, y, width, height, z_order,
                                                color_value(fill), color_value(line), line_width,
                                                1 if transparent else 0, rotation), "VelEndTextBox")

    def rectangle(self, x: int, y: int, width: int, height: int, *, fill: ColorLike = WHITE,
                  line: ColorLike = BLACK, line_width: int = 10, transparent: bool = False, z_order: int = 0,
                  page_relative: bool = False) -> None:
        self._call("VelDrawRect", 1 if page_relative else 0, x, y, width, height, z_order, color_value(fill),
                   color_value(line), line_width, 1 if transparent else 0)

    def line(self, x1: int, y1: int, x2: int, y2: int, *, color: ColorLike = BLACK, width: int = 10,
             z_order: int = 0, page_relative: bool = False) -> None:
        self._call("VelDrawLine", 1 if page_relative else 0, x1, y1, x2, y2, z_order, color_value(color), width)

    # ---- fields, footnotes, bookmarks -------------------------------------------------------------------------
    def page_number(self) -> None:
        self._call("VelInsertPageField", 1)

    def page_count(self) -> None:
        self._call("VelInsertPageField", 0)

    def merge_field(self, name: str, result: Optional[str] = None) -> None:
        """A mail-merge field showing `result` until the merge runs (quote a name with spaces yourself)."""
        self._call("VelInsertMergeField", ansi(name, "a field name"), ansi(result))

    def table_of_contents(self, first_level: int = 1, last_level: int = 3) -> None:
        """A table of contents over the headings of those outline levels; it ends its paragraph."""
        self._call("VelInsertTocField", first_level, last_level)

    def footnote(self, text: str, mark: Optional[str] = None) -> None:
        """A footnote, numbered automatically unless `mark` is given; a newline in `text` starts a paragraph."""
        self._call("VelInsertFootnote", ansi(mark, "a footnote mark"), ansi(_lines(text)))

    def bookmark_start(self, name: str) -> None:
        self._call("VelInsertBookmark", ansi(name, "a bookmark name"), 1)

    def bookmark_end(self, name: str) -> None:
        self._call("VelInsertBookmark", ansi(name, "a bookmark name"), 0)

    def bookmark(self, name: str) -> "contextlib.AbstractContextManager[Document]":
        """`with doc.bookmark("name"): doc.text(...)`: the text written inside is the bookmark."""
        return self._bookmark(name)

    @contextlib.contextmanager
    def _bookmark(self, name: str) -> Iterator["Document"]:
        self.bookmark_start(name)
        yield self
        self.bookmark_end(name)

    # ---- pictures ---------------------------------------------------------------------------------------------
    def insert_picture(self, path: StrPath, width: int = 0, height: int = 0, link: bool = False) -> None:
        """A picture from a file (bitmap, placeable or enhanced metafile, JPEG with the JFIF marker; with
        modern_pictures also PNG and every JPEG), `width` and `height` in twips (0: its own size); `link` links the
        file by name instead of embedding it. A file that cannot be read, or is no such picture, raises
        VelrtfError and writes nothing."""
        name = os.fspath(path).encode("mbcs") if sys.platform == "win32" else os.fsencode(path)
        self._call("VelInsertPictFile", name, width, height, 1 if link else 0, reports_fail=True)

    def paste_picture(self, format: int = 0, handle: Optional[int] = None, width: int = 0, height: int = 0) -> None:
        """A picture the host holds: `handle` (a memory block or metafile handle) of clipboard format `format`
        (CF_METAFILEPICT 3, CF_DIB 8, CF_ENHMETAFILE 14), or without a handle the clipboard's picture of that
        format (0: the first of the three it holds). A picture that cannot be written raises VelrtfError."""
        self._call("VelPastePicture", format, handle, width, height, reports_fail=True)

    # ---- direct RTF -------------------------------------------------------------------------------------------
    def group(self, word: Optional[str] = None, star: bool = False) -> "contextlib.AbstractContextManager[Document]":
        """`with doc.group("field"):` an RTF group, with `\\*` when `star` and a control word when given."""
        return self._scope("VelBeginGroup", (ansi(word, "a control word"), 1 if star else 0), "VelEndGroup")

    def control(self, word: str, value: Optional[int] = None) -> None:
        """Writes the control word `\\word`, with `value` as its parameter when given."""
        self._call("VelInsertControl", ansi(word, "a control word"), 0 if value is None else 1, value or 0)

    def raw(self, rtf: Union[str, bytes]) -> None:
        """Appends ready-made RTF unchanged; balance its braces."""
        self._call("VelInsertRaw", rtf if isinstance(rtf, bytes) else ansi(rtf, "RTF"))


class TableRow:
    """A table row (Document.row()): `with` begins it and declares its cells, the end of the block ends it.
    cell("text") writes a cell of text; `with row.cell():` holds any content, nested rows included. A cell left
    open ends when the next one begins or the row ends."""

    def __init__(self, doc: Document, cells: Sequence[Cell], left: int, height: int, align: Row, header: bool,
                 padding: Union[int, Tuple[int, int, int, int]]):
        self._doc, self._cells, self._open = doc, cells, False
        self._row = (left, height, int(align), 1 if header else 0)
        self._padding = padding

    def __enter__(self) -> "TableRow":
        doc = self._doc
        if isinstance(self._padding, int):
            doc._call("VelBeginTableRow", *self._row, self._padding)
        else:
            doc._call("VelBeginTableRow2", *self._row, *self._padding)
        for c in self._cells:
            borders = c.borders if isinstance(c.borders, tuple) else (c.borders,) * 4
            doc._call("VelNextCellInfo3", c.width, int(c.valign), c.shading,
                      0xFFFFFF if c.background is None else color_value(c.background), *borders,
                      0 if c.border_color is None else color_value(c.border_color), int(c.merge), c.rotation)
        return self

    def __exit__(self, kind: object, *exc: object) -> None:
        if kind is None:
            self._end_cell()
            self._doc._call("VelEndTableRow")

    def cell(self, text: Optional[str] = None) -> "contextlib.AbstractContextManager[TableRow]":
        """Begins the next cell; with `text`, writes it and ends the cell."""
        self._end_cell()
        self._doc._call("VelBeginCellText")
        self._open = True
        if text is not None:
            self._doc.text(text)
            self._end_cell()
        return self._cell_scope()

    @contextlib.contextmanager
    def _cell_scope(self) -> Iterator["TableRow"]:
        yield self
        self._end_cell()

    def _end_cell(self) -> None:
        if self._open:
            self._open = False
            self._doc._call("VelEndCellText")


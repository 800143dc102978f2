"""The values a document is built with: the flag families of velrtf.h, colors, fonts and table cells."""
from __future__ import annotations

from dataclasses import dataclass
from enum import IntEnum, IntFlag
from typing import NamedTuple, Optional, Tuple, Union


class Char(IntFlag):
    """Character attributes (CHAR_*)."""
    UNDERLINE = 0x00001
    BOLD = 0x00002
    ITALIC = 0x00004
    STRIKE = 0x00008
    SUPERSCRIPT = 0x00010
    SUBSCRIPT = 0x00020
    HIDDEN = 0x00040
    DOUBLE_UNDERLINE = 0x00100
    PROTECTED = 0x00200
    HYPERLINK = 0x04000
    CAPS = 0x10000
    SMALL_CAPS = 0x20000


class Para(IntFlag):
    """Paragraph alignment, spacing, keeping and borders (PARA_*)."""
    CENTER = 0x00001
    RIGHT = 0x00002
    DOUBLE = 0x00004
    BOX_TOP = 0x00010
    BOX_BOTTOM = 0x00020
    BOX_LEFT = 0x00040
    BOX_RIGHT = 0x00080
    BOX = 0x000F0
    BOX_DOUBLE = 0x00100
    BOX_THICK = 0x00200
    LEFT = 0x00400
    JUSTIFY = 0x00800
    KEEP = 0x04000
    KEEP_NEXT = 0x08000
    WIDOW = 0x10000


class Tab(IntEnum):
    """Tab stop alignment (TAB_*)."""
    LEFT = 0
    RIGHT = 1
    CENTER = 2
    DECIMAL = 3


class Leader(IntEnum):
    """What fills the space before a tab stop (LEADER_*)."""
    NONE = 0
    DOT = 1
    HYPHEN = 2
    UNDERLINE = 4


class Numbering(IntEnum):
    """Number styles of numbered paragraphs (NUM_*)."""
    DECIMAL = 0
    UPPER_ALPHA = 1
    LOWER_ALPHA = 2
    UPPER_ROMAN = 3
    LOWER_ROMAN = 4


class Row(IntFlag):
    """Table row alignment (ROW_*); the default is the left."""
    CENTER = 0x1
    RIGHT = 0x2


class VAlign(IntEnum):
    """Vertical alignment of a cell's text (CELL_VALIGN_*)."""
    TOP = 0
    CENTER = 1
    BOTTOM = 2


class Merge(IntFlag):
    """Cell merges (CELL_HMERGE*, CELL_VMERGE*): the first cell of a merged range, and the cells merged into it."""
    HORIZONTAL_FIRST = 0x1
    HORIZONTAL = 0x2
    VERTICAL_FIRST = 0x4
    VERTICAL = 0x8


class Color(NamedTuple):
    """A color of 8-bit red, green and blue."""
    red: int
    green: int
    blue: int

    @classmethod
    def hex(cls, text: str) -> "Color":
        """Color.hex("#336699")"""
        value = int(text.lstrip("#"), 16)
        return cls(value >> 16 & 0xFF, value >> 8 & 0xFF, value & 0xFF)

    @property
    def value(self) -> int:
        """The Windows color value: red in the low byte, then green, then blue."""
        return (self.red & 0xFF) | (self.green & 0xFF) << 8 | (self.blue & 0xFF) << 16


#: A color as a Color, a (red, green, blue) tuple or a "#rrggbb" string.
ColorLike = Union[Color, Tuple[int, int, int], str]

BLACK = Color(0, 0, 0)
WHITE = Color(255, 255, 255)


def color_value(color: ColorLike) -> int:
    """The Windows color value of any ColorLike."""
    return (Color.hex(color) if isinstance(color, str) else Color(*color)).value


@dataclass(frozen=True)
class Font:
    """A typeface in a size. `size` is in points (a half point such as 10.5 is kept; 0 leaves the size as it is);
    `charset` is a Windows character set (0 ANSI, 2 symbol...), -1 any."""
    face: Optional[str] = None
    size: float = 0
    charset: int = -1

    @property
    def size_argument(self) -> int:
        """The size as the library takes it: points, or half-points as a negative number."""
        return int(self.size) if float(self.size).is_integer() else -round(self.size * 2)


@dataclass(frozen=True)
class Cell:
    """One cell of a table row: its width and look. Lengths are twips (1/1440 inch). `borders` is one width for
    all four sides or (left, right, top, bottom); 0 draws none. `rotation` 90 runs the text bottom to top, 270 top
    to bottom."""
    width: int
    valign: VAlign = VAlign.TOP
    shading: int = 0
    background: Optional[ColorLike] = None
    borders: Union[int, Tuple[int, int, int, int]] = 0
    border_color: Optional[ColorLike] = None
    merge: Merge = Merge(0)
    rotation: int = 0

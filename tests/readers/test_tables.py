"""Tables as LibreOffice and pandoc read them: rows, columns, cell texts,
merges, widths, borders, shading, text direction and nested tables."""

import unittest

import readerlib as r

NEEDS_LO = unittest.skipUnless(r.SOFFICE, "LibreOffice is not installed")
NEEDS_PANDOC = unittest.skipUnless(r.PANDOC, "pandoc is not installed")

TWIPS_PER_INCH = 1440


# ---- Flat ODT tables --------------------------------------------------------------

def own_tables(element):
    """The tables inside `element` that no other table inside it holds."""
    found = []
    for child in element:
        if child.tag == r.q("table:table"):
            found.append(child)
        else:
            found.extend(own_tables(child))
    return found


def rows(table):
    """The table's rows, header rows included, without those of nested tables."""
    result = []
    for child in table:
        if child.tag == r.q("table:table-row"):
            result.append(child)
        elif child.tag in (r.q("table:table-header-rows"), r.q("table:table-rows")):
            result.extend(rows(child))
    return result


def cells(row):
    """The row's cells, covered ones included."""
    return [c for c in row if c.tag in (r.q("table:table-cell"), r.q("table:covered-table-cell"))]


def covered(cell):
    return cell.tag == r.q("table:covered-table-cell")


def cell_text(cell):
    """The cell's own paragraphs, joined by line feeds; nested tables left out."""
    return "\n".join(r.inline_text(p) for p in cell if p.tag in (r.q("text:p"), r.q("text:h")))


def grid(table):
    """The texts of the table's cells, row by row; a covered cell is None."""
    return [[None if covered(c) else cell_text(c) for c in cells(row)] for row in rows(table)]


def spans(cell):
    return (int(cell.get(r.q("table:number-columns-spanned"), "1")),
            int(cell.get(r.q("table:number-rows-spanned"), "1")))


def column_widths(root, table):
    """The width of each column in twips, rounded."""
    styles = r.automatic_styles(root)
    widths = []
    for column in table.findall("table:table-column", r.NS):
        width = styles[column.get(r.q("table:style-name"))]["column-width"]
        assert width.endswith("in"), width
        repeat = int(column.get(r.q("table:number-columns-repeated"), "1"))
        widths.extend([round(float(width[:-2]) * TWIPS_PER_INCH)] * repeat)
    return widths


def cell_style(root, cell):
    return r.automatic_styles(root).get(cell.get(r.q("table:style-name")), {})


# ---- pandoc tables ----------------------------------------------------------------

def pandoc_text(blocks):
    """The plain text of pandoc blocks or inlines, paragraphs joined by line feeds."""
    parts = []
    for item in blocks:
        kind, content = item.get("t"), item.get("c")
        if kind == "Str":
            parts.append(content)
        elif kind in ("Space", "SoftBreak"):
            parts.append(" ")
        elif kind in ("Para", "Plain"):
            parts.append(pandoc_text(content) + "\n")
        elif isinstance(content, list):
            parts.append(pandoc_text([c for c in content if isinstance(c, dict)]))
    return "".join(parts).strip("\n")


def pandoc_tables(blocks):
    """The Table blocks among `blocks` (not inside other blocks)."""
    return [b["c"] for b in blocks if b.get("t") == "Table"]


def pandoc_rows(table):
    """Each row of a pandoc Table (head, bodies, foot) as a list of cells
    (text, row span, column span, blocks)."""
    _attr, _caption, _colspecs, head, bodies, foot = table
    raw = list(head[1])
    for body in bodies:
        raw.extend(body[2])
        raw.extend(body[3])
    raw.extend(foot[1])
    return [[(pandoc_text(c[4]), c[2], c[3], c[4]) for c in row[1]] for row in raw]


def pandoc_columns(table):
    return len(table[2])


# ---- Checks ---------------------------------------------------------------------------

class LibreOfficeTables(unittest.TestCase):
    def single_table(self, name):
        root = r.libreoffice(name)
        tables = own_tables(r.body(root))
        self.assertEqual(len(tables), 1)
        return root, tables[0]

    def assertWidths(self, actual, expected):
        self.assertEqual(len(actual), len(expected))
        for a, e in zip(actual, expected):
            self.assertAlmostEqual(a, e, delta=3)

    @NEEDS_LO
    def test_plain_table(self):
        root, table = self.single_table("table_plain")
        self.assertEqual(grid(table), [["A1", "B1", "C1"], ["A2", "B2", "C2"], ["A3", "B3", "C3"]])
        self.assertWidths(column_widths(root, table), [2000, 3000, 1500])
        self.assertEqual(own_tables(table), [])
        # The paragraphs around the table stay outside it.
        outside = [r.inline_text(p) for p in r.body(root) if p.tag == r.q("text:p")]
        self.assertEqual(outside, ["Before the table.", "After the table."])

    @NEEDS_LO
    def test_header_row(self):
        # LibreOffice drops the header mark (\trhdr): the header row is an
        # ordinary first row there.
        root, table = self.single_table("table_header")
        self.assertEqual(grid(table), [["Name", "Value"], ["alpha", "1"], ["beta", "2"]])
        self.assertWidths(column_widths(root, table), [2500, 2500])

    @NEEDS_LO
    def test_merged_cells(self):
        root, table = self.single_table("table_merged")
        self.assertEqual(grid(table), [["wide", None, "R1C3"], ["tall", "R2C2", "R2C3"], [None, "R3C2", "R3C3"]])
        first = [cells(row)[0] for row in rows(table)]
        self.assertEqual(spans(first[0]), (2, 1))
        self.assertEqual(spans(first[1]), (1, 2))
        self.assertEqual(cell_style(root, first[1]).get("vertical-align"), "middle")
        self.assertWidths(column_widths(root, table), [2000, 2000, 2000])

    @NEEDS_LO
    def test_borders_shading_and_backgrounds(self):
        root, table = self.single_table("table_borders")
        self.assertEqual(grid(table), [["red border", "shaded", "yellow", "bare"]])
        styles = [cell_style(root, c) for c in cells(rows(table)[0])]
        self.assertEqual(styles[0].get("border"), "1.5pt solid #ff0000")  # 30 twips
        self.assertEqual(styles[1].get("border"), "0.5pt solid #000000")
        self.assertEqual(styles[1].get("background-color"), "#bfbfbf")   # 25 % shading
        self.assertEqual(styles[1].get("vertical-align"), "bottom")
        self.assertEqual(styles[2].get("background-color"), "#ffff00")
        self.assertEqual(styles[2].get("vertical-align"), "middle")
        self.assertEqual(styles[3].get("border"), "none")
        all_styles = r.automatic_styles(root)
        self.assertEqual(all_styles[table.get(r.q("table:style-name"))].get("align"), "center")
        row_style = all_styles[rows(table)[0].get(r.q("table:style-name"))]
        self.assertAlmostEqual(float(row_style["min-row-height"][:-2]) * TWIPS_PER_INCH, 600, delta=1)
        self.assertWidths(column_widths(root, table), [2000, 2000, 2000, 2000])

    @NEEDS_LO
    def test_rotated_cell_text(self):
        root, table = self.single_table("table_rotated")
        self.assertEqual(grid(table), [["up", "down", "across"]])
        modes = [cell_style(root, c).get("writing-mode") for c in cells(rows(table)[0])]
        self.assertEqual(modes, ["bt-lr", "tb-rl", None])
        self.assertWidths(column_widths(root, table), [1000, 1000, 3000])

    @NEEDS_LO
    def test_table_nested_one_level(self):
        root, outer = self.single_table("table_nested1")
        self.assertEqual(grid(outer), [["outer 1", "outer 2\nouter 2 after"], ["outer 3", "outer 4"]])
        self.assertWidths(column_widths(root, outer), [2000, 5000])
        holder = cells(rows(outer)[0])[1]
        inner = own_tables(holder)
        self.assertEqual(len(inner), 1)
        self.assertEqual(grid(inner[0]), [["inner A1", "inner B1"], ["inner A2", "inner B2"]])
        self.assertWidths(column_widths(root, inner[0]), [1500, 2500])
        self.assertEqual(own_tables(inner[0]), [])
        # The nested table stands between the cell's two paragraphs.
        order = [c.tag for c in holder]
        self.assertEqual(order, [r.q("text:p"), r.q("table:table"), r.q("text:p")])
        for cell in cells(rows(outer)[1]) + [cells(rows(outer)[0])[0]]:
            self.assertEqual(own_tables(cell), [])
        self.assertEqual(r.paragraphs(root)[-1], "After the tables.")

    @NEEDS_LO
    def test_table_nested_two_levels(self):
        root, outer = self.single_table("table_nested2")
        self.assertEqual(grid(outer), [["outer\n", "side"]])
        self.assertWidths(column_widths(root, outer), [7000, 2000])
        middle = own_tables(cells(rows(outer)[0])[0])
        self.assertEqual(len(middle), 1)
        self.assertEqual(grid(middle[0]), [["middle\n"]])
        self.assertWidths(column_widths(root, middle[0]), [6000])
        inner = own_tables(cells(rows(middle[0])[0])[0])
        self.assertEqual(len(inner), 1)
        self.assertEqual(grid(inner[0]), [["deep 1", "deep 2", "deep 3"]])
        self.assertWidths(column_widths(root, inner[0]), [1000, 2000, 1500])
        self.assertEqual(own_tables(inner[0]), [])
        self.assertEqual(own_tables(cells(rows(outer)[0])[1]), [])


class PandocTables(unittest.TestCase):
    def single_table(self, name):
        tables = pandoc_tables(r.pandoc(name)["blocks"])
        self.assertEqual(len(tables), 1)
        return tables[0]

    def texts(self, table):
        return [[cell[0] for cell in row] for row in pandoc_rows(table)]

    @NEEDS_PANDOC
    def test_plain_table(self):
        # pandoc keeps no column widths from RTF (ColWidthDefault).
        table = self.single_table("table_plain")
        self.assertEqual(pandoc_columns(table), 3)
        self.assertEqual(self.texts(table), [["A1", "B1", "C1"], ["A2", "B2", "C2"], ["A3", "B3", "C3"]])
        paragraphs = [pandoc_text([b]) for b in r.pandoc("table_plain")["blocks"] if b["t"] == "Para"]
        self.assertEqual(paragraphs, ["Before the table.", "After the table."])

    @NEEDS_PANDOC
    def test_header_row(self):
        # pandoc makes no table head of a header row: it is the first row.
        table = self.single_table("table_header")
        self.assertEqual(pandoc_columns(table), 2)
        self.assertEqual(self.texts(table), [["Name", "Value"], ["alpha", "1"], ["beta", "2"]])

    @NEEDS_PANDOC
    def test_merged_cells(self):
        # pandoc shows no spans: the merged cells are empty cells of their own.
        table = self.single_table("table_merged")
        self.assertEqual(pandoc_columns(table), 3)
        self.assertEqual(self.texts(table), [["wide", "", "R1C3"], ["tall", "R2C2", "R2C3"], ["", "R3C2", "R3C3"]])

    @NEEDS_PANDOC
    def test_borders_and_rotated_text(self):
        # pandoc reads no borders, shading or text direction: the texts remain.
        self.assertEqual(self.texts(self.single_table("table_borders")),
                         [["red border", "shaded", "yellow", "bare"]])
        self.assertEqual(self.texts(self.single_table("table_rotated")), [["up", "down", "across"]])

    @NEEDS_PANDOC
    def test_nested_tables(self):
        # pandoc 2.17 knows no nested tables: it keeps the outer table with
        # its columns and some of its texts, and loses the inner tables.
        for name in ("table_nested1", "table_nested2"):
            table = self.single_table(name)
            self.assertEqual(pandoc_columns(table), 2)
            for row in pandoc_rows(table):
                for cell in row:
                    self.assertEqual(pandoc_tables(cell[3]), [])
        texts = [cell[0] for row in pandoc_rows(self.single_table("table_nested1")) for cell in row]
        for text in ("outer 1", "outer 3", "outer 4"):
            self.assertIn(text, texts)
        texts = [cell[0] for row in pandoc_rows(self.single_table("table_nested2")) for cell in row]
        self.assertIn("side", texts)


if __name__ == "__main__":
    unittest.main()

"""Tables as LibreOffice and pandoc read them."""

import unittest

import readerlib as r

# Each table as (cell texts row by row, None for a cell covered by a merge;
# column widths in twips; {(row, column): the table that cell holds}).
TABLES = [([["Name", "Value", "Unit"], ["wide", None, "C2"], ["tall", "B3", "C3"], [None, "B4", "C4"]],
           [2000, 3000, 1500], {}),
          ([["red", "shaded", "yellow", "bare", "up", "down"]], [1500] * 4 + [1000] * 2, {})]
NESTED = ([["outer 1\nouter 1 after", "outer 2\n"], ["outer 3", "outer 4"]], [4000, 4000], {
    (0, 0): ([["inner A1", "inner B1"], ["inner A2", "inner B2"]], [1500, 2500], {}),
    (0, 1): ([["middle\n"]], [3500], {(0, 0): ([["deep 1", "deep 2", "deep 3"]], [1000, 1200, 1000], {})})})


def tables(element):
    return element.findall("table:table", r.NS)


def rows(table):
    return table.findall("table:table-row", r.NS)


def pandoc_text(blocks):
    return "\n".join("".join(i["c"] if i["t"] == "Str" else " " for i in b["c"])
                     for b in blocks if b["t"] in ("Para", "Plain"))


@unittest.skipUnless(r.SOFFICE, "LibreOffice is not installed")
class LibreOfficeTables(unittest.TestCase):
    def assertTable(self, root, table, expected):
        grid, widths, inner = expected
        self.assertEqual([[None if c.tag == r.q("table:covered-table-cell") else "\n".join(
            r.inline_text(p) for p in c.findall("text:p", r.NS)) for c in row] for row in rows(table)], grid)
        styles = r.automatic_styles(root)
        columns = [r.twips(styles[c.get(r.q("table:style-name"))]["column-width"])
                   for c in table.findall("table:table-column", r.NS)
                   for _ in range(int(c.get(r.q("table:number-columns-repeated"), "1")))]
        for got, want in zip(columns, widths, strict=True):
            self.assertAlmostEqual(got, want, delta=3)
        for i, row in enumerate(rows(table)):
            for j, cell in enumerate(row):
                self.assertEqual(len(tables(cell)), int((i, j) in inner))
                if (i, j) in inner:
                    self.assertTable(root, tables(cell)[0], inner[(i, j)])

    def test_tables(self):
        # LibreOffice drops the header mark: the header row is a plain row.
        root = r.libreoffice("tables")
        found = tables(r.body(root))
        self.assertEqual(len(found), 2)
        for table, expected in zip(found, TABLES):
            self.assertTable(root, table, expected)
        self.assertEqual([(row[0].get(r.q("table:number-columns-spanned")),
                           row[0].get(r.q("table:number-rows-spanned"))) for row in rows(found[0])],
                         [(None, None), ("2", None), (None, "2"), (None, None)])
        styles = r.automatic_styles(root)
        expected = [{"border": "1.5pt solid #ff0000"},  # 30 twips
                    {"border": "0.5pt solid #000000", "background-color": "#bfbfbf", "vertical-align": "bottom"},
                    {"background-color": "#ffff00", "vertical-align": "middle"}, {"border": "none"},
                    {"writing-mode": "bt-lr"}, {"writing-mode": "tb-rl"}]
        for cell, props in zip(rows(found[1])[0], expected, strict=True):
            got = styles[cell.get(r.q("table:style-name"))]
            self.assertEqual({k: got.get(k) for k in props}, props)
        found = tables(r.body(r.libreoffice("tables_nested")))
        self.assertEqual(len(found), 1)
        self.assertTable(r.libreoffice("tables_nested"), found[0], NESTED)


@unittest.skipUnless(r.PANDOC, "pandoc is not installed")
class PandocTables(unittest.TestCase):
    def test_tables(self):
        # pandoc keeps no widths, spans (merged cells are empty cells of their
        # own), header rows, borders, shading or text direction.
        found = [b["c"] for b in r.pandoc("tables")["blocks"] if b["t"] == "Table"]
        self.assertEqual(len(found), 2)
        for (_attr, _caption, columns, head, bodies, _foot), (grid, _widths, _inner) in zip(found, TABLES):
            self.assertEqual([c[1]["t"] for c in columns], ["ColWidthDefault"] * len(grid[0]))
            got = [[(pandoc_text(c[4]), c[2], c[3]) for c in row[1]] for row in head[1] + bodies[0][3]]
            self.assertEqual(got, [[(text or "", 1, 1) for text in row] for row in grid])
        # pandoc 2.17 loses nested tables; the outer one keeps its columns.
        found = [b["c"] for b in r.pandoc("tables_nested")["blocks"] if b["t"] == "Table"]
        self.assertEqual([len(t[2]) for t in found], [2])
        found_cells = [c for body in found[0][4] for row in body[3] for c in row[1]]
        self.assertFalse([b for c in found_cells for b in c[4] if b["t"] == "Table"])
        self.assertLessEqual({"outer 3", "outer 4"}, {pandoc_text(c[4]) for c in found_cells})

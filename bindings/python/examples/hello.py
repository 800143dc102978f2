"""Writes a short document with velrtf: a heading, text in any script, a footnote and a small table.
Usage: python3 hello.py [file.rtf]"""
import sys

import velrtf

with velrtf.Document() as doc:
    doc.add_font("Times New Roman")                # the first font added is the default
    doc.font("Arial", 16, bold=True)
    doc.paragraph("Hello from Python")
    doc.font("Times New Roman", 12, bold=False)
    doc.text("Grüße, Καλημέρα, こんにちは")
    doc.footnote("Written by examples/hello.py.")
    doc.paragraph()
    with doc.row([2500, velrtf.Cell(2500, borders=10)]) as row:
        row.cell("Item")
        row.cell("Price")
    doc.save(sys.argv[1] if len(sys.argv) > 1 else "hello.rtf")

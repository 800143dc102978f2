#!/usr/bin/env python3
"""Runs the reader checks: generates the documents, then every test_*.py.  Usage: run_readers.py GENERATOR
Exit code 77 (skipped) when neither LibreOffice nor pandoc is installed."""
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import readerlib as r  # noqa: E402

if len(sys.argv) != 2:
    sys.exit(__doc__)
if not r.SOFFICE and not r.PANDOC:
    print("reader checks skipped: neither LibreOffice (soffice) nor pandoc is installed; scripts/setup installs them")
    sys.exit(77)
for tool, name in ((r.SOFFICE, "LibreOffice"), (r.PANDOC, "pandoc"), (r.PDFTOTEXT, "pdftotext")):
    if not tool:
        print("%s is not installed: its checks are skipped" % name)
r.generate(sys.argv[1])
suite = unittest.defaultTestLoader.discover(HERE, pattern="test_*.py", top_level_dir=HERE)
sys.exit(0 if unittest.TextTestRunner(verbosity=2).run(suite).wasSuccessful() else 1)

#!/usr/bin/env python3
"""Runs the reader checks: generates the documents, then every test_*.py.

Usage: run_readers.py GENERATOR
Exit code 77 (skipped) when neither LibreOffice nor pandoc is installed.
"""

import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import readerlib  # noqa: E402


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    if not readerlib.SOFFICE and not readerlib.PANDOC:
        print("reader checks skipped: neither LibreOffice (soffice) nor pandoc is installed; "
              "scripts/setup installs them")
        return 77
    for tool, name in ((readerlib.SOFFICE, "LibreOffice"), (readerlib.PANDOC, "pandoc"),
                       (readerlib.PDFTOTEXT, "pdftotext")):
        if not tool:
            print("%s is not installed: its checks are skipped" % name)
    readerlib.generate(sys.argv[1])
    suite = unittest.defaultTestLoader.discover(HERE, pattern="test_*.py", top_level_dir=HERE)
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())

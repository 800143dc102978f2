#!/usr/bin/env python3
"""Each code block of the README that follows a line `<!-- from PATH -->` is a part of that file, line for line
(indentation aside): the examples the README shows are the ones the tests build and run.
Usage: readme_examples.py README"""
import os, re, sys  # noqa: E401

readme = sys.argv[1]
root, problems = os.path.dirname(os.path.abspath(readme)), []
blocks = re.findall(r"<!-- from (\S+) -->\n```\w*\n(.*?)```", open(readme, encoding="utf-8").read(), re.S)
for path, block in blocks:
    want = [line.strip() for line in block.splitlines()]
    have = [line.strip() for line in open(os.path.join(root, path), encoding="utf-8").read().splitlines()]
    if not any(have[i:i + len(want)] == want for i in range(len(have) - len(want) + 1)):
        problems.append("the README's example from %s differs from that file" % path)
print("\n".join(problems) or "%d README examples match their files" % len(blocks))
sys.exit(1 if problems or not blocks else 0)

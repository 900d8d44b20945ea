# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints every character the drill may show, from the files named: the
page's sources, the core's table of words and the help file. The fonts are
cut down to these, with all printable ASCII besides."""
import sys

shown = {chr(code) for code in range(0x20, 0x7F)}
for name in sys.argv[1:]:
    with open(name, encoding="utf-8") as source:
        shown.update(c for c in source.read() if ord(c) >= 0x80)
# The cells' full-width digits are written by the core from a code point.
shown.update(chr(0xFF10 + digit) for digit in range(10))
print("".join(sorted(shown)))

#!/usr/bin/env python3
"""Writes K small TrueType fonts with distinct family names into a folder, fast: one
template is built with fontTools, and each copy gets its own 16-character family name
patched into the name table (the checksums are not updated; font engines do not check them).
Every 50th family also comes as a copy whose name differs only in case, and every 100th
ends in a charset word ("CE"), so the list filter has real work to do.
Usage: make_fonts.py K FOLDER"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'fonts'))
import make_fonts  # noqa: E402  (the tests' own generator)

PLACEHOLDER = 'QQQQQQQQQQQQQQQQ'


def template():
    path = os.path.join(os.environ.get('TMPDIR', '/tmp'), 'glyphbox-bench-template.ttf')
    font = make_fonts.build(None, PLACEHOLDER)
    font.save(path)
    with open(path, 'rb') as f:
        return f.read()


def names(k):
    """k family names of exactly 16 characters."""
    out = []
    i = 0
    while len(out) < k:
        i += 1
        base = 'Gbench %06d Ab' % i
        if i % 100 == 0:
            base = 'Gbench %06d CE' % i
        out.append(base)
        if i % 50 == 0 and len(out) < k:
            out.append(base.upper())  # the same family name apart from case
    return out


def main():
    k, folder = int(sys.argv[1]), sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    data = template()
    ascii_ph, utf16_ph = PLACEHOLDER.encode('ascii'), PLACEHOLDER.encode('utf-16-be')
    for n, name in enumerate(names(k)):
        font = data.replace(ascii_ph, name.encode('ascii')).replace(utf16_ph, name.encode('utf-16-be'))
        with open(os.path.join(folder, 'gbench%06d.ttf' % n), 'wb') as f:
            f.write(font)


if __name__ == '__main__':
    main()

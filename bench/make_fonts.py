#!/usr/bin/env python3
"""Writes K small TrueType fonts with distinct family names into a folder, fast: one
template is built with fontTools, and each copy gets its own 16-character family name
patched into the name table (the checksums are not updated; font engines do not check them).
Every 50th family also comes as a copy whose name differs only in case, and every 100th
ends in a charset word ("CE"), so the list filter has real work to do. Like real font
files, no two are the same size. Two more fonts for the file-name copy: one whose family
name of 43 characters the list shows cut at 31 ("Gbench Variable Display Semibol"), and one
nothing registers ("Gbench Unplaced").
REGFILE gets the registry values, as Windows registers fonts: the English full name and
" (TrueType)".
Usage: make_fonts.py K FOLDER REGFILE"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'fonts'))
import make_fonts  # noqa: E402  (the tests' own generator)

PLACEHOLDER = 'QQQQQQQQQQQQQQQQ'
CUT = 'Gbench Variable Display Semibold Compressed'


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
    k, folder, regfile = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    os.makedirs(folder, exist_ok=True)
    data = template()
    ascii_ph, utf16_ph = PLACEHOLDER.encode('ascii'), PLACEHOLDER.encode('utf-16-be')
    values = {}
    for n, name in enumerate(names(k)):
        font = data.replace(ascii_ph, name.encode('ascii')).replace(utf16_ph, name.encode('utf-16-be'))
        with open(os.path.join(folder, 'gbench%06d.ttf' % n), 'wb') as f:
            f.write(font + bytes(n + 1))  # font engines read the tables, not what follows them
        values[name + ' (TrueType)'] = 'gbench%06d.ttf' % n
    make_fonts.build(None, CUT).save(os.path.join(folder, 'gbenchvariable.ttf'))
    values[CUT + ' (TrueType)'] = 'gbenchvariable.ttf'
    make_fonts.build(None, 'Gbench Unplaced', ascent=900).save(os.path.join(folder, 'gbenchunplaced.ttf'))
    lines = ['Windows Registry Editor Version 5.00', '',
             r'[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts]']
    lines += ['"%s"="%s"' % item for item in values.items()]
    with open(regfile, 'w', encoding='utf-16', newline='\r\n') as f:
        f.write('\n'.join(lines) + '\n')


if __name__ == '__main__':
    main()

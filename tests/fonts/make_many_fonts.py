#!/usr/bin/env python3
"""Writes a few hundred small fonts for the test that compares the gather with the plain
algorithm: names that differ only in case (ASCII, full-width, Greek, Cyrillic; the system
reports each such family once, under one of its spellings), in width and in kana, the same
family in two files, and Japanese fonts, which the system reports once per character set
and again as vertical "@" faces. Every name fits code page 932.
Usage: make_many_fonts.py FOLDER"""
import os
import sys

import make_fonts

JAPAN = 1 << 17  # OS/2 code page range bit for JIS/Japan (932)


def families():
    """(file stem, family name, Japanese?) for every font to write."""
    out = []
    for i in range(240):
        out.append(('many%03d' % i, 'Gbm %03d' % i, i % 7 == 0))
        if i % 12 == 0:
            out.append(('many%03du' % i, 'GBM %03d' % i, False))
            out.append(('many%03dl' % i, 'gbm %03d' % i, i % 24 == 0))
        if i % 40 == 0:
            out.append(('many%03dd' % i, 'Gbm %03d' % i, False))  # the same family again
    specials = [
        ('Ｇｂｍ ｗｉｄｅ', True), ('ｇｂｍ ｗｉｄｅ', False), ('Gbm wide', False),
        ('Gbm Ω', False), ('Gbm ω', False),
        ('Gbm Д', True), ('Gbm д', False),
        ('Gbm がんま', True), ('Gbm ガンマ', True), ('Gbm ｶﾞﾝﾏ', False),
        ('Gbm あ', False), ('Gbm ア', False), ('Gbm ｱ', False),
        ('Gbm 1', False), ('Gbm １', False), ('Gbm ABC', False), ('Gbm ＡＢＣ', False), ('Gbm abc', False),
    ]
    for n, (family, japan) in enumerate(specials):
        family.encode('cp932')  # every name must survive the ANSI enumeration
        out.append(('gbmx%02d' % n, family, japan))
    return out


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for stem, family, japan in families():
        font = make_fonts.build(None, family)
        if japan:
            font['OS/2'].ulCodePageRange1 |= JAPAN
        # Non-Roman names have no Macintosh encoding; the Windows records are what counts.
        name = font['name']
        name.names = [r for r in name.names if r.platformID == 3]
        font.save(os.path.join(folder, stem + '.ttf'))


if __name__ == '__main__':
    main()

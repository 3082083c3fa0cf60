#!/usr/bin/env python3
"""Makes the small TrueType fonts the tests install into their throwaway Wine prefix.
Each has a family name of its own and a handful of glyphs; nothing else matters.
Needs fontTools (Debian: python3-fonttools). Run: python3 make_fonts.py"""
import os

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

# file name -> (family name, style). Two names differ only in case; some end in digits for
# "#" patterns; one carries a bracket for literal-bracket searches. The rest are for the
# removal tests: a family of four styles, a lone font, siblings with charset words.
FONTS = {
    'gbx-alpha.ttf': ('Gbx Alpha', 'Regular'),
    'gbx-alpha-caps.ttf': ('GBX ALPHA', 'Regular'),
    'gbx-beta1.ttf': ('Gbx Beta 1', 'Regular'),
    'gbx-beta2.ttf': ('Gbx Beta 2', 'Regular'),
    'gbx-beta10.ttf': ('Gbx Beta 10', 'Regular'),
    'gbx-gamma.ttf': ('Gbx Gamma]', 'Regular'),
    'gbx-quad.ttf': ('Gbx Quad', 'Regular'),
    'gbx-quadb.ttf': ('Gbx Quad', 'Bold'),
    'gbx-quadi.ttf': ('Gbx Quad', 'Italic'),
    'gbx-quadz.ttf': ('Gbx Quad', 'Bold Italic'),
    'gbx-solo.ttf': ('Gbx Solo', 'Regular'),
    'gbx-sib.ttf': ('Gbx Sib', 'Regular'),
    'gbx-sibbal.ttf': ('Gbx Sib Baltic', 'Regular'),
    'gbx-sibce.ttf': ('Gbx Sib CE', 'Regular'),
    # Listed by its Japanese family name, registered under its English one.
    'gbx-mincho.ttf': ('Gbx Mincho', 'Regular', 'Gbx 明朝'),
    'gbx-minchob.ttf': ('Gbx Mincho', 'Bold', 'Gbx 明朝'),
}
# A face whose lines are far taller than its size, for list rows that must follow the font.
TALL = ('gbx-tall.ttf', 'Gbx Tall', 1500, 700)
# Collections (faces: family, Japanese family), and a file that only claims to be a bitmap font.
COLLECTIONS = {
    'gbx-coll.ttc': [('Gbx CollA', None), ('Gbx CollB', None)],
    'gbx-kaku.ttc': [('Gbx Kaku', 'Gbx 角ゴ'), ('Gbx Kaku UI', None), ('Gbx PKaku', 'Gbx P角ゴ')],
}
FAKE_FON = 'gbx-omega.fon'
JAPAN = 1 << 17  # OS/2 code page range bit for JIS/Japan (932): the system lists "@" faces too


def box_glyph(x0, y0, x1, y1):
    pen = TTGlyphPen(None)
    pen.moveTo((x0, y0))
    pen.lineTo((x0, y1))
    pen.lineTo((x1, y1))
    pen.lineTo((x1, y0))
    pen.closePath()
    return pen.glyph()


def build(path, family, style='Regular', ascent=800, descent=200, japanese=None):
    names = ['.notdef', 'space', 'A', 'a']
    fb = FontBuilder(1000, isTTF=True)
    fb.setupGlyphOrder(names)
    fb.setupCharacterMap({0x20: 'space', 0x41: 'A', 0x61: 'a'})
    empty = TTGlyphPen(None).glyph()
    fb.setupGlyf({'.notdef': box_glyph(50, 0, 450, 700), 'space': empty,
                  'A': box_glyph(50, 0, 550, 700), 'a': box_glyph(50, 0, 450, 500)})
    fb.setupHorizontalMetrics({n: (600, 50) for n in names})
    fb.setupHorizontalHeader(ascent=ascent, descent=-descent)
    bold, italic = 'Bold' in style, 'Italic' in style
    ps = family.replace(' ', '').replace(']', '') + '-' + style.replace(' ', '')
    fb.setupNameTable({'familyName': family, 'styleName': style,
                       'uniqueFontIdentifier': family + ' ' + style, 'fullName': family + ' ' + style,
                       'psName': ps})
    fs_selection = (0x20 if bold else 0) | (0x01 if italic else 0) or 0x40
    fb.setupOS2(sTypoAscender=ascent, sTypoDescender=-descent, usWinAscent=ascent, usWinDescent=descent,
                ulCodePageRange1=1,  # Latin 1
                usWeightClass=700 if bold else 400, fsSelection=fs_selection)
    fb.setupPost(italicAngle=-12 if italic else 0)
    fb.font['head'].macStyle = (1 if bold else 0) | (2 if italic else 0)
    if japanese:
        fb.font['OS/2'].ulCodePageRange1 |= JAPAN
        for name_id, text in ((1, japanese), (4, japanese + ' ' + style)):
            fb.font['name'].setName(text, name_id, 3, 1, 0x411)
    return fb.font


if __name__ == '__main__':
    from fontTools.ttLib.ttCollection import TTCollection

    here = os.path.dirname(os.path.abspath(__file__))
    for file, (family, style, *japanese) in FONTS.items():
        build(None, family, style, japanese=japanese[0] if japanese else None).save(os.path.join(here, file))
        print(file, family, style, *japanese)
    file, family, ascent, descent = TALL
    build(None, family, ascent=ascent, descent=descent).save(os.path.join(here, file))
    print(file, family)
    for file, faces in COLLECTIONS.items():
        ttc = TTCollection()
        ttc.fonts = [build(None, family, japanese=japanese) for family, japanese in faces]
        ttc.save(os.path.join(here, file))
        print(file, faces)
    with open(os.path.join(here, FAKE_FON), 'wb') as f:
        f.write(b'MZ not really a bitmap font, only a file to move to the recycle bin\n')
    print(FAKE_FON)

#!/usr/bin/env python3
"""Makes the small TrueType fonts the tests install into their throwaway Wine prefix.
Each has a family name of its own and a handful of glyphs; nothing else matters.
Needs fontTools (Debian: python3-fonttools). Run: python3 make_fonts.py"""
import os

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

# file name -> family name. Two names differ only in case; some end in digits for "#"
# patterns; one carries a bracket for literal-bracket searches.
FONTS = {
    'gbx-alpha.ttf': 'Gbx Alpha',
    'gbx-alpha-caps.ttf': 'GBX ALPHA',
    'gbx-beta1.ttf': 'Gbx Beta 1',
    'gbx-beta2.ttf': 'Gbx Beta 2',
    'gbx-beta10.ttf': 'Gbx Beta 10',
    'gbx-gamma.ttf': 'Gbx Gamma]',
}


def box_glyph(x0, y0, x1, y1):
    pen = TTGlyphPen(None)
    pen.moveTo((x0, y0))
    pen.lineTo((x0, y1))
    pen.lineTo((x1, y1))
    pen.lineTo((x1, y0))
    pen.closePath()
    return pen.glyph()


def build(path, family):
    names = ['.notdef', 'space', 'A', 'a']
    fb = FontBuilder(1000, isTTF=True)
    fb.setupGlyphOrder(names)
    fb.setupCharacterMap({0x20: 'space', 0x41: 'A', 0x61: 'a'})
    empty = TTGlyphPen(None).glyph()
    fb.setupGlyf({'.notdef': box_glyph(50, 0, 450, 700), 'space': empty,
                  'A': box_glyph(50, 0, 550, 700), 'a': box_glyph(50, 0, 450, 500)})
    fb.setupHorizontalMetrics({n: (600, 50) for n in names})
    fb.setupHorizontalHeader(ascent=800, descent=-200)
    fb.setupNameTable({'familyName': family, 'styleName': 'Regular',
                       'uniqueFontIdentifier': family + ' Regular', 'fullName': family,
                       'psName': family.replace(' ', '').replace(']', '') + '-Regular'})
    fb.setupOS2(sTypoAscender=800, sTypoDescender=-200, usWinAscent=800, usWinDescent=200,
                ulCodePageRange1=1)  # Latin 1
    fb.setupPost()
    fb.save(path)


if __name__ == '__main__':
    here = os.path.dirname(os.path.abspath(__file__))
    for file, family in FONTS.items():
        build(os.path.join(here, file), family)
        print(file, family)

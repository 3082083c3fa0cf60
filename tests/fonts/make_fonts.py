#!/usr/bin/env python3
"""Makes the small TrueType fonts the tests install into their throwaway Wine prefix.
Each has a family name of its own and a handful of glyphs; nothing else matters.
Needs fontTools (Debian: python3-fonttools). Run: python3 make_fonts.py"""
import os
import struct

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
    # Shapes Windows 10/11 holds fonts in: a family name the platform cuts at 31 characters,
    # a file name outside code page 932, a collection's member with single-file styles.
    'gbx-variable.ttf': ('Gbx Variable Display Semibold Compressed', 'Regular'),
    'gbx-café.ttf': ('Gbx Cafe', 'Regular'),
    'gbx-cafeb.ttf': ('Gbx Cafe', 'Bold'),
    'gbx-camb.ttf': ('Gbx Cam', 'Bold'),
    'gbx-cami.ttf': ('Gbx Cam', 'Italic'),
}
# Faces that hold different parts of a Japanese text: Latin only, kana only, and a few kanji
# with two characters beyond the Basic Multilingual Plane (𠮷, 🍣), which only a format-12
# map can hold.
CHARS = {
    'gbx-latin.ttf': ('Gbx Latin', ''.join(chr(c) for c in range(0x21, 0x7F))),
    'gbx-kana.ttf': ('Gbx Kana', ''.join(chr(c) for c in list(range(0x3041, 0x3097)) + list(range(0x30A1, 0x30FB)))),
    'gbx-sushi.ttf': ('Gbx Sushi', '\u91ce\u5bb6\U00020bb7\U0001f363'),
}
# A face whose lines are far taller than its size, for list rows that must follow the font.
TALL = ('gbx-tall.ttf', 'Gbx Tall', 1500, 700)
# Collections (faces: family, Japanese family, style), and a file that only claims to be a
# bitmap font. A family over two collections, its " UI" member's regular in one and bold in
# the other; and a collection whose first member's other styles are single files.
COLLECTIONS = {
    'gbx-coll.ttc': [('Gbx CollA', None), ('Gbx CollB', None)],
    'gbx-kaku.ttc': [('Gbx Kaku', 'Gbx 角ゴ'), ('Gbx Kaku UI', None), ('Gbx PKaku', 'Gbx P角ゴ')],
    'gbx-mei.ttc': [('Gbx Mei', None), ('Gbx Mei UI', None)],
    'gbx-meib.ttc': [('Gbx Mei', None, 'Bold'), ('Gbx Mei UI', None, 'Bold')],
    'gbx-cam.ttc': [('Gbx Cam', None), ('Gbx Cam Math', None)],
}
FAKE_FON = 'gbx-omega.fon'
# A font renamed in place, as a tool that does not recompute checksums renames one: of the
# same size and head (table directory, checksums included) as the font it was made from.
TWINS = ('gbx-twina.ttf', 'Gbx Twin A', 'gbx-twinb.ttf', 'Gbx Twin B')
# Crafted name tables for the name reader's fuzzer to start from: (records, characters each).
# Every record's text overlaps the others', so a small file claims many long names.
CRAFTED = {'crafted-many-names.ttf': (300, 2), 'crafted-long-names.ttf': (300, 200)}
CMAP_SEEDS = ('cmap-sushi.bin', 'cmap-overlapping.bin')
JAPAN = 1 << 17  # OS/2 code page range bit for JIS/Japan (932): the system lists "@" faces too


def crafted(records, chars):
    """A font whose one table is a name table of overlapping family records."""
    table = struct.pack('>HHH', 0, records, 6) + b''.join(
        struct.pack('>HHHHHH', 3, 1, 0x409, 1, 2 * chars, 2 * i) for i in range(records))
    return struct.pack('>IHHHH', 0x00010000, 1, 0, 0, 0) + b'name' + struct.pack('>III', 0, 28, len(table)) + table


def overlapping_cmap(segments):
    """A format-4 map whose segments all cover the same codes through its glyph id array."""
    x2 = 2 * segments
    sub = struct.pack('>HHHHHHH', 4, 0, 0, x2, 0, 0, 0) + struct.pack('>%dH' % segments, *[0xFFFE] * segments)
    sub += struct.pack('>H', 0) + struct.pack('>%dH' % segments, *[0x20] * segments)
    sub += struct.pack('>%dH' % segments, *[0] * segments) + struct.pack('>%dH' % segments, *[2] * segments)
    sub += struct.pack('>%dH' % 64, *range(1, 65))
    return struct.pack('>HHHHI', 0, 1, 3, 1, 12) + sub


def box_glyph(x0, y0, x1, y1):
    pen = TTGlyphPen(None)
    pen.moveTo((x0, y0))
    pen.lineTo((x0, y1))
    pen.lineTo((x1, y1))
    pen.lineTo((x1, y0))
    pen.closePath()
    return pen.glyph()


def build(path, family, style='Regular', ascent=800, descent=200, japanese=None, chars=None):
    """chars: the characters the face holds besides the space, each drawn as a box; "Aa" when
    not given. Characters beyond the Basic Multilingual Plane give it a format-12 map too."""
    chars = 'Aa' if chars is None else chars
    glyph = {c: c if c in 'Aa' else 'u%04X' % ord(c) for c in chars}
    names = ['.notdef', 'space'] + [glyph[c] for c in chars]
    fb = FontBuilder(1000, isTTF=True)
    fb.setupGlyphOrder(names)
    cmap = {0x20: 'space'}
    cmap.update({ord(c): glyph[c] for c in chars})
    fb.setupCharacterMap(cmap)
    empty = TTGlyphPen(None).glyph()
    glyphs = {'.notdef': box_glyph(50, 0, 450, 700), 'space': empty}
    glyphs.update({glyph[c]: box_glyph(50, 0, 550, 700) if ord(c) > 0x7F or c.isupper()
                   else box_glyph(50, 0, 450, 500) for c in chars})
    fb.setupGlyf(glyphs)
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
    fb.font['head'].created = fb.font['head'].modified = 3850000000  # the same bytes from every run
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
    for file, (family, chars) in CHARS.items():
        build(None, family, chars=chars).save(os.path.join(here, file))
        print(file, family)
    # The fuzzer reads its inputs as character maps too: one of a real shape (formats 4 and
    # 12), and one of overlapping segments through the glyph id array.
    with open(os.path.join(here, 'gbx-sushi.ttf'), 'rb') as f:
        data = f.read()
    at = data.index(b'cmap')
    offset, length = struct.unpack('>II', data[at + 8:at + 16])
    with open(os.path.join(here, CMAP_SEEDS[0]), 'wb') as f:
        f.write(data[offset:offset + length])
    with open(os.path.join(here, CMAP_SEEDS[1]), 'wb') as f:
        f.write(overlapping_cmap(40))
    print(*CMAP_SEEDS)
    file, family, ascent, descent = TALL
    build(None, family, ascent=ascent, descent=descent).save(os.path.join(here, file))
    print(file, family)
    for file, faces in COLLECTIONS.items():
        ttc = TTCollection()
        ttc.fonts = [build(None, family, *style, japanese=japanese) for family, japanese, *style in faces]
        ttc.save(os.path.join(here, file))
        print(file, faces)
    for file, (records, chars) in CRAFTED.items():
        with open(os.path.join(here, file), 'wb') as f:
            f.write(crafted(records, chars))
        print(file, records, chars)
    file, family, twin_file, twin_family = TWINS
    build(None, family).save(os.path.join(here, file))
    with open(os.path.join(here, file), 'rb') as f:
        data = f.read()
    for a, b in ((family.encode('ascii'), twin_family.encode('ascii')),
                 (family.encode('utf-16-be'), twin_family.encode('utf-16-be'))):
        data = data.replace(a, b)
    with open(os.path.join(here, twin_file), 'wb') as f:
        f.write(data)
    print(file, twin_file)
    with open(os.path.join(here, FAKE_FON), 'wb') as f:
        f.write(b'MZ not really a bitmap font, only a file to move to the recycle bin\n')
    print(FAKE_FON)

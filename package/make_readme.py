#!/usr/bin/env python3
"""Writes the package's readme for Windows users: the UTF-8 source with the version filled
in, in code page 932 with CR LF line ends, as Notepad on a Japanese Windows reads it.
Usage: make_readme.py SOURCE VERSION OUTPUT"""
import sys

source, version, output = sys.argv[1:4]
with open(source, encoding='utf-8') as f:
    text = f.read().replace('@VERSION@', version)
with open(output, 'wb') as f:
    f.write(text.replace('\r\n', '\n').replace('\n', '\r\n').encode('cp932'))

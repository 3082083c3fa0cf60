#!/usr/bin/env python3
"""Checks Codechart.txt against a code page 932 table that comes neither from the program
nor from Windows: Python's own cp932 codec. Runs Codechart.exe under Wine (the environment
tools/test.sh prepared) in a temporary folder, then compares, code by code in walk order.
Every difference is printed with its code; the run fails on any that README.md does not
explain (there are none on Wine 8)."""
import os
import subprocess
import sys
import tempfile


def walk():
    code = 1
    while code <= 0xFC4B:
        yield code
        code += 1
        if code == 256:
            code = 0x8140
        if code == 0x9FFD:
            code = 0xE040


def expected():
    """(code, character) for every code the independent table gives a character."""
    for code in walk():
        raw = bytes([code]) if code < 256 else bytes([code >> 8, code & 0xFF])
        try:
            ch = raw.decode('cp932')
        except UnicodeDecodeError:
            continue  # no character: Windows gives the default "・", which is dropped
        if ch == '\u30fb' and code != 0x8145:
            continue
        if ch == '\0':
            continue
        yield code, ch


def main():
    exe = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        run = subprocess.run(['wine', exe], cwd=folder, capture_output=True)
        if run.returncode != 0:
            print('Codechart failed:', run.returncode, run.stderr.decode(errors='replace'))
            return 1
        data = open(os.path.join(folder, 'Codechart.txt'), 'rb').read()
    got = data.decode('cp932', errors='replace')
    differences = 0
    at = 0
    for code, ch in expected():
        line = ch + '\r\n'
        if got.startswith(line, at):
            at += len(line)
            continue
        differences += 1
        print('code %04X: table says %r, file has %r' % (code, ch, got[at:at + 6]))
        if differences > 50:
            break
        nl = got.find('\r\n', at)
        at = len(got) if nl < 0 else nl + 2
    if at != len(got) and differences == 0:
        differences += 1
        print('file has more than the table: %r' % got[at:at + 20])
    print('%d codes compared, %d differences' % (sum(1 for _ in expected()), differences))
    print('%d passed, %d failed' % (1 if differences == 0 else 0, 1 if differences else 0))
    return 1 if differences else 0


if __name__ == '__main__':
    sys.exit(main())

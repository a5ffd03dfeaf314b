#!/usr/bin/env python3
"""Builds the two barcode fonts that the host-launched applications print with.

Usage: make_barcode_fonts.py OUTPUT_FOLDER

Writes OUTPUT_FOLDER/3of9.ttf (family "3 of 9", Code 39) and
OUTPUT_FOLDER/bar25IT.ttf (family "Bar Code25 InterleaveTall", Interleaved
2 of 5). Nothing is copied from an existing font: every glyph is drawn from
the published bar patterns of the two symbologies.

Both fonts draw bars only; the text a program writes with them must already
be the symbol's text:

- "3 of 9": one glyph per Code 39 character (0-9, A-Z, "-", ".", space,
  "$", "/", "+", "%" and the start/stop "*"); lower-case letters draw as their
  upper-case ones. Each glyph is the character's five bars and four spaces
  followed by the narrow gap that separates characters, so "*CODE*" prints a
  complete symbol.
- "Bar Code25 InterleaveTall": one glyph per pair of digits, the first digit
  in the bars and the second in the spaces. Pair 00-93 is the character of
  code 33 + pair ("!" ... "~"), pair 94-99 the character of code 197 + pair -
  94 ("Å" ... "Ê"); the start pattern is "Ë" (code 203) and the stop pattern
  "Ì" (code 204). This is the mapping widely used by Interleaved 2 of 5 fonts,
  so that existing printing code keeps working. A blank is a blank.

Widths: a narrow element is 64 units of a 1024-unit em and a wide one three
times that, the ratio most scanners read best. Bars stand on the baseline.
"""

import sys
from pathlib import Path

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

UNITS_PER_EM = 1024
NARROW = 64
WIDE = 3 * NARROW

# Code 39: the nine elements of each character, bar first, n(arrow)/w(ide).
CODE39 = {
    "0": "nnnwwnwnn", "1": "wnnwnnnnw", "2": "nnwwnnnnw", "3": "wnwwnnnnn",
    "4": "nnnwwnnnw", "5": "wnnwwnnnn", "6": "nnwwwnnnn", "7": "nnnwnnwnw",
    "8": "wnnwnnwnn", "9": "nnwwnnwnn", "A": "wnnnnwnnw", "B": "nnwnnwnnw",
    "C": "wnwnnwnnn", "D": "nnnnwwnnw", "E": "wnnnwwnnn", "F": "nnwnwwnnn",
    "G": "nnnnnwwnw", "H": "wnnnnwwnn", "I": "nnwnnwwnn", "J": "nnnnwwwnn",
    "K": "wnnnnnnww", "L": "nnwnnnnww", "M": "wnwnnnnwn", "N": "nnnnwnnww",
    "O": "wnnnwnnwn", "P": "nnwnwnnwn", "Q": "nnnnnnwww", "R": "wnnnnnwwn",
    "S": "nnwnnnwwn", "T": "nnnnwnwwn", "U": "wwnnnnnnw", "V": "nwwnnnnnw",
    "W": "wwwnnnnnn", "X": "nwnnwnnnw", "Y": "wwnnwnnnn", "Z": "nwwnwnnnn",
    "-": "nwnnnnwnw", ".": "wwnnnnwnn", " ": "nwwnnnwnn", "*": "nwnnwnwnn",
    "$": "nwnwnwnnn", "/": "nwnwnnnwn", "+": "nwnnnwnwn", "%": "nnnwnwnwn",
}

# Interleaved 2 of 5: a digit is five elements, two of them wide; the digit
# is the sum of the weights 1, 2, 4, 7, 0 of its wide elements (0 is 4 + 7).
WEIGHTS = (1, 2, 4, 7, 0)
I25_START = "nnnn"
I25_STOP = "wnn"
I25_START_CHAR = 203
I25_STOP_CHAR = 204


def i25_digit(d):
    for a in range(5):
        for b in range(a + 1, 5):
            if (WEIGHTS[a] + WEIGHTS[b]) % 11 == d:
                return "".join("w" if i in (a, b) else "n" for i in range(5))
    raise ValueError(d)


def i25_pair_char(pair):
    return chr(33 + pair) if pair < 94 else chr(197 + pair - 94)


def check_code39():
    # Every character has exactly three wide elements; the 40 ordinary ones
    # are the 10 patterns of two wide bars in five, each with one wide space
    # in one of four places, and the four others have three wide spaces.
    seen = set()
    for ch, p in CODE39.items():
        assert len(p) == 9 and p.count("w") == 3, ch
        bars, spaces = p[0::2], p[1::2]
        if ch in "$/+%":
            assert bars == "nnnnn" and spaces.count("w") == 3, ch
        else:
            assert bars.count("w") == 2 and spaces.count("w") == 1, ch
        seen.add(p)
    assert len(seen) == len(CODE39)


def draw(elements, height):
    """A glyph of bars and spaces, starting with a bar; returns (glyph, width)."""
    pen = TTGlyphPen(None)
    x = 0
    for i, e in enumerate(elements):
        w = WIDE if e == "w" else NARROW
        if i % 2 == 0:
            # Clockwise: TrueType's direction for an outer contour.
            pen.moveTo((x, 0))
            pen.lineTo((x, height))
            pen.lineTo((x + w, height))
            pen.lineTo((x + w, 0))
            pen.closePath()
        x += w
    return pen.glyph(), x


def empty_glyph():
    return TTGlyphPen(None).glyph()


def build(path, family, glyphs, cmap, height):
    """glyphs: name -> (glyph, advance); cmap: code point -> name."""
    order = [".notdef"] + sorted(n for n in glyphs if n != ".notdef")
    glyphs = dict(glyphs)
    glyphs.setdefault(".notdef", (empty_glyph(), NARROW * 8))
    fb = FontBuilder(UNITS_PER_EM, isTTF=True)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf({n: glyphs[n][0] for n in order})
    metrics = {}
    glyf = fb.font["glyf"]
    for n in order:
        g = glyf[n]
        lsb = g.xMin if getattr(g, "numberOfContours", 0) else 0
        metrics[n] = (glyphs[n][1], lsb)
    fb.setupHorizontalMetrics(metrics)
    descent = UNITS_PER_EM - height if height < UNITS_PER_EM else 0
    fb.setupHorizontalHeader(ascent=height, descent=-descent)
    fb.setupNameTable({
        "familyName": family,
        "styleName": "Regular",
        "uniqueFontIdentifier": family + " Regular",
        "fullName": family,
        "psName": family.replace(" ", "") + "-Regular",
        "version": "Version 1.000",
    })
    fb.setupOS2(sTypoAscender=height, sTypoDescender=-descent, sTypoLineGap=0,
                usWinAscent=height, usWinDescent=descent,
                achVendID="RMDR", fsType=0)
    fb.setupPost()
    fb.save(str(path))


def code39_font(path):
    check_code39()
    glyphs, cmap = {}, {}
    for ch, pattern in CODE39.items():
        name = "c39_%04X" % ord(ch)
        # Nine elements, then the narrow gap before the next character.
        glyph, width = draw(pattern, 800)
        glyphs[name] = (glyph, width + NARROW)
        cmap[ord(ch)] = name
        if ch.isalpha():
            cmap[ord(ch.lower())] = name
    build(path, "3 of 9", glyphs, cmap, 800)


def interleaved25_font(path):
    digits = [i25_digit(d) for d in range(10)]
    assert len(set(digits)) == 10 and all(p.count("w") == 2 for p in digits)
    glyphs, cmap = {}, {}
    for pair in range(100):
        bars, spaces = digits[pair // 10], digits[pair % 10]
        elements = "".join(b + s for b, s in zip(bars, spaces))
        glyph, width = draw(elements, 1000)
        name = "i25_%02d" % pair
        glyphs[name] = (glyph, width)
        cmap[ord(i25_pair_char(pair))] = name
    for code, pattern, name in ((I25_START_CHAR, I25_START, "i25_start"),
                                (I25_STOP_CHAR, I25_STOP, "i25_stop")):
        glyph, width = draw(pattern, 1000)
        glyphs[name] = (glyph, width)
        cmap[code] = name
    glyphs["space"] = (empty_glyph(), NARROW * 10)
    cmap[ord(" ")] = "space"
    build(path, "Bar Code25 InterleaveTall", glyphs, cmap, 1000)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_barcode_fonts.py OUTPUT_FOLDER")
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    code39_font(out / "3of9.ttf")
    interleaved25_font(out / "bar25IT.ttf")


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Build the card artwork of Kasumiori from the table of lower verses.

    gen_cards.py --kana tools/torifuda_kana.txt --out DIR

writes into DIR:
  cards.bmp         750 x 1050, the practice view's cards, 10 x 10 cells of 75 x 105
  blank_card.bmp    75 x 105, the grey placeholder card
  board_cards.bmp   600 x 935, the card-taking board: 10 x 10 cards of 60 x 85,
                    then the empty slot and the two marks in row 10
  Kasumiori.ico, KasumioriDoc.ico, FudatoriDoc.ico   16, 32 and 48 px icons

Bitmaps are 24-bit uncompressed bottom-up BMP files, which is what LoadBitmap
expects from the resource script. The output depends only on the kana table
and the font, so two runs give the same bytes.

Needs Debian's Python with Pillow (/usr/bin/python3) and IPA Mincho.
"""

import argparse
import os
import struct
import sys

try:
    from PIL import Image, ImageDraw, ImageFont
except ImportError:
    sys.exit("gen_cards.py: Pillow is missing; run it with Debian's /usr/bin/python3 "
             "(package python3-pil)")

DEFAULT_FONT = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf"

POEMS = 100
SHEET_COLS = 10

# Practice view cards.
CARD_W, CARD_H = 75, 105
# Card-taking board cells.
BOARD_W, BOARD_H = 60, 85
BOARD_ROWS = 11

# Text is drawn this many times larger and scaled down, which gives smooth
# strokes and lets the lettering be a little heavier than the bare font.
SS = 4

CREAM = (252, 248, 234)
WHITE = (255, 255, 255)
INK = (0, 0, 0)
EDGE_GREEN = (0, 72, 36)        # dark-green card edge (the wrapped back paper)
EDGE_LINE = (0, 40, 20)         # thin outline round the edge
SLOT_GREEN = (190, 226, 190)    # light green of the empty slot and the marks
MARK_RED = (208, 0, 0)
MARK_BLUE = (0, 0, 128)
GREY_FACE = (192, 192, 192)
GREY_EDGE = (128, 128, 128)
GREY_INK = (96, 96, 96)

# Hiragana allowed on a grabbing card: the plain syllables with ゐ and ゑ; no
# voiced marks, no small kana.
CARD_KANA = set("あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ"
                "まみむめもやゆよらりるれろわゐゑをん")


def fail(msg):
    sys.exit("gen_cards.py: error: " + msg)


def load_kana(path):
    if not os.path.isfile(path):
        fail("kana table not found: %s" % path)
    try:
        with open(path, "r", encoding="utf-8") as f:
            text = f.read()
    except (OSError, UnicodeDecodeError) as e:
        fail("cannot read kana table %s: %s" % (path, e))
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    lines = [ln.rstrip("\r") for ln in lines]
    if len(lines) != POEMS:
        fail("%s: expected %d lines (one lower verse per poem), found %d"
             % (path, POEMS, len(lines)))
    for n, ln in enumerate(lines, 1):
        bad = sorted(set(ch for ch in ln if ch not in CARD_KANA))
        if bad:
            fail("%s:%d: characters not allowed on a grabbing card: %s"
                 % (path, n, " ".join("U+%04X" % ord(c) for c in bad)))
        if not 11 <= len(ln) <= 18:
            fail("%s:%d: a lower verse of %d kana is not plausible" % (path, n, len(ln)))
    return lines


def load_font(path, size):
    try:
        return ImageFont.truetype(path, size)
    except OSError as e:
        fail("cannot load font %s: %s" % (path, e))


class Lettering:
    """Vertical lettering in the IPA Mincho em square."""

    def __init__(self, font_path):
        self.font_path = font_path
        self.cache = {}

    def font(self, px):
        if px not in self.cache:
            self.cache[px] = load_font(self.font_path, px)
        return self.cache[px]

    def columns(self, text, ncols):
        """Split text into ncols columns, the first ones one longer if needed."""
        q, r = divmod(len(text), ncols)
        cols, pos = [], 0
        for i in range(ncols):
            n = q + (1 if i < r else 0)
            cols.append(text[pos:pos + n])
            pos += n
        return [c for c in cols if c]

    def mask(self, box_w, box_h, cols, glyph, pitch_x, pitch_y, stroke):
        """Greyscale mask (box_w x box_h) with the columns written right to left.

        glyph, pitch_x, pitch_y are in final pixels (floats allowed), stroke
        (extra weight) in pixels of the enlarged drawing. The columns form a
        block centred in the box; every column starts at the top of the block,
        as on a real grabbing card.
        """
        W, H = box_w * SS, box_h * SS
        m = Image.new("L", (W, H), 0)
        d = ImageDraw.Draw(m)
        size = int(round(glyph * SS))
        f = self.font(size)
        ascent = f.getmetrics()[0]
        em_top = ascent - size * 0.88   # IPA fonts: em square from ascender line
        rows = max(len(c) for c in cols)
        block_w = pitch_x * (len(cols) - 1) + glyph
        block_h = pitch_y * (rows - 1) + glyph
        x_right = (box_w + block_w) / 2.0 - glyph / 2.0   # centre of the first column
        y0 = (box_h - block_h) / 2.0
        for ci, col in enumerate(cols):
            cx = (x_right - ci * pitch_x) * SS
            for ri, ch in enumerate(col):
                y = (y0 + ri * pitch_y) * SS - em_top
                d.text((cx, y), ch, font=f, fill=255, anchor="ma",
                       stroke_width=stroke, stroke_fill=255)
        return m.resize((box_w, box_h), Image.Resampling.BOX)


def paint(img, xy, mask, color):
    img.paste(Image.new("RGB", mask.size, color), xy, mask)


def card_frame(img, x, y, w, h, face, edge, line, edge_px):
    d = ImageDraw.Draw(img)
    d.rectangle([x, y, x + w - 1, y + h - 1], fill=line)
    d.rectangle([x + 1, y + 1, x + w - 2, y + h - 2], fill=edge)
    d.rectangle([x + edge_px, y + edge_px, x + w - 1 - edge_px, y + h - 1 - edge_px],
                fill=face)


def verse_mask(lt, text, w, h, glyph, pitch_x, max_pitch_y, stroke):
    # Three balanced columns; a long verse gets its rows (and glyphs) closer.
    cols = lt.columns(text, 3)
    rows = max(len(c) for c in cols)
    pitch_y = min(max_pitch_y, (h - glyph) / float(rows - 1))
    g = min(glyph, pitch_y * 1.08)
    return lt.mask(w, h, cols, g, pitch_x, pitch_y, stroke)


def make_cards(lt, verses):
    sheet = Image.new("RGB", (CARD_W * SHEET_COLS, CARD_H * (POEMS // SHEET_COLS)), WHITE)
    edge = 4
    for n, verse in enumerate(verses, 1):
        x = (n - 1) % SHEET_COLS * CARD_W
        y = (n - 1) // SHEET_COLS * CARD_H
        card_frame(sheet, x, y, CARD_W, CARD_H, CREAM, EDGE_GREEN, EDGE_LINE, edge)
        fw, fh = CARD_W - 2 * edge - 6, CARD_H - 2 * edge - 6
        m = verse_mask(lt, verse, fw, fh, 17.0, 21.0, 18.6, 2)
        paint(sheet, (x + edge + 3, y + edge + 3), m, INK)
    return sheet


def make_blank_card(lt):
    img = Image.new("RGB", (CARD_W, CARD_H), WHITE)
    edge = 4
    card_frame(img, 0, 0, CARD_W, CARD_H, GREY_FACE, GREY_EDGE, GREY_INK, edge)
    fw, fh = CARD_W - 2 * edge, CARD_H - 2 * edge
    m = lt.mask(fw, fh, ["取り札"], 22.0, 24.0, 25.0, 4)
    paint(img, (edge, edge), m, GREY_INK)
    return img


def make_board(lt, verses):
    sheet = Image.new("RGB", (BOARD_W * SHEET_COLS, BOARD_H * BOARD_ROWS), WHITE)
    edge = 3
    fw, fh = BOARD_W - 2 * edge - 4, BOARD_H - 2 * edge - 4
    for n, verse in enumerate(verses, 1):
        x = (n - 1) % SHEET_COLS * BOARD_W
        y = (n - 1) // SHEET_COLS * BOARD_H
        card_frame(sheet, x, y, BOARD_W, BOARD_H, WHITE, EDGE_GREEN, EDGE_LINE, edge)
        m = verse_mask(lt, verse, fw, fh, 14.0, 16.5, 15.2, 2)
        paint(sheet, (x + edge + 2, y + edge + 2), m, INK)
    y = 10 * BOARD_H
    # The empty slot.
    card_frame(sheet, 0, y, BOARD_W, BOARD_H, SLOT_GREEN, EDGE_GREEN, EDGE_LINE, edge)
    # The correct mark.
    card_frame(sheet, BOARD_W, y, BOARD_W, BOARD_H, SLOT_GREEN, EDGE_GREEN, EDGE_LINE, edge)
    m = lt.mask(BOARD_W - 2 * edge, BOARD_H - 2 * edge, ["正解"], 27.0, 0.0, 30.0, 4)
    paint(sheet, (BOARD_W + edge, y + edge), m, MARK_RED)
    # The wrong mark.
    card_frame(sheet, 2 * BOARD_W, y, BOARD_W, BOARD_H, SLOT_GREEN, EDGE_GREEN, EDGE_LINE, edge)
    m = lt.mask(BOARD_W - 2 * edge, BOARD_H - 2 * edge, ["ちがうよ"], 17.5, 0.0, 19.0, 4)
    paint(sheet, (2 * BOARD_W + edge, y + edge), m, MARK_BLUE)
    return sheet


# ---- icons ---------------------------------------------------------------

def icon_card(d, box, face=CREAM, strokes=True):
    """A small karuta card; box is (x0, y0, x1, y1) in icon pixels, inclusive."""
    x0, y0, x1, y1 = box
    w = x1 - x0 + 1
    e = max(2, int(round(w * 0.13)))      # edge width, outline included

    def rect(a, b, c, dd, color):
        d.rectangle([a * SS, b * SS, (c + 1) * SS - 1, (dd + 1) * SS - 1], fill=color + (255,))

    rect(x0, y0, x1, y1, EDGE_LINE)
    rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, EDGE_GREEN)
    rect(x0 + e, y0 + e, x1 - e, y1 - e, face)
    if strokes and w >= 8:
        # three columns of lettering, right to left, the last one shorter
        fx0, fy0, fx1, fy1 = x0 + e + 1, y0 + e + 1, x1 - e - 1, y1 - e - 1
        fw, fh = fx1 - fx0 + 1, fy1 - fy0 + 1
        lw = max(1, w // 9)
        seg = max(2, lw * 2)                  # dashes hint at separate kana
        step = (fw - lw) / 2.0
        for i, frac in enumerate((1.0, 0.85, 0.6)):
            cx = fx1 - lw + 1 - int(round(i * step))
            length = max(1, int(round(fh * frac)))
            y = fy0
            while y < fy0 + length:
                y_end = min(y + seg, fy0 + length) - 1
                rect(cx, y, cx + lw - 1, y_end, INK)
                y += seg + (1 if fh >= 12 else 0)


def draw_icon(kind, px):
    S = px * SS
    img = Image.new("RGBA", (S, S), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)

    def p(f):
        return int(round(px * f))

    if kind == "app":
        # two cards, one behind the other
        icon_card(d, (0, 0, p(0.62), p(0.78)), strokes=False)
        icon_card(d, (p(0.34), p(0.22), px - 1, px - 1))
    elif kind == "practice":
        # one card with a red seal in its corner
        icon_card(d, (p(0.16), 0, px - 1 - p(0.16), px - 1))
        r = p(0.40)
        d.ellipse([(px - r) * SS, (px - r) * SS, S - 1, S - 1], fill=MARK_RED + (255,))
    else:
        # the board: four cards, one of them taken (an empty light-green slot)
        gap = max(1, p(0.04))
        w = (px - gap) // 2
        for i, (cx, cy) in enumerate(((0, 0), (1, 0), (0, 1), (1, 1))):
            x, y = cx * (w + gap), cy * (w + gap)
            icon_card(d, (x, y, x + w - 1, y + w - 1), face=SLOT_GREEN if i == 3 else CREAM,
                      strokes=(i != 3))
    return img.resize((px, px), Image.Resampling.BOX)


def write_ico(path, images):
    """ICO with one 32-bit BGRA DIB per image (planes 1, AND mask included)."""
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for im in images:
        w, h = im.size
        px = im.load()
        xor = bytearray()
        for y in range(h - 1, -1, -1):
            for x in range(w):
                r, g, b, a = px[x, y]
                xor += bytes((b, g, r, a))
        mask_stride = ((w + 31) // 32) * 4
        andm = bytearray()
        for y in range(h - 1, -1, -1):
            row = bytearray(mask_stride)
            for x in range(w):
                if px[x, y][3] == 0:
                    row[x // 8] |= 0x80 >> (x % 8)
            andm += row
        header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0,
                             len(xor) + len(andm), 0, 0, 0, 0)
        blob = header + bytes(xor) + bytes(andm)
        entries.append(struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32,
                                   len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)))
        for e in entries:
            f.write(e)
        for b in blobs:
            f.write(b)


# ---- checks ---------------------------------------------------------------

def check_bmp(path, size):
    with open(path, "rb") as f:
        data = f.read()
    if len(data) < 54 or data[:2] != b"BM":
        fail("%s: not a BMP file" % path)
    width, height, planes, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    if (width, height) != size:
        fail("%s: %d x %d, expected %d x %d" % (path, width, height, size[0], size[1]))
    if planes != 1 or bits != 24 or compression != 0:
        fail("%s: planes %d, %d bits, compression %d; expected 1, 24, 0 (BI_RGB)"
             % (path, planes, bits, compression))
    stride = (width * 3 + 3) & ~3
    offbits = struct.unpack_from("<I", data, 10)[0]
    if len(data) < offbits + stride * height:
        fail("%s: pixel data truncated" % path)


def check_ico(path, sizes):
    with open(path, "rb") as f:
        data = f.read()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1 or count != len(sizes):
        fail("%s: bad icon directory" % path)
    found = []
    for i in range(count):
        w, h, _, _, planes, bits, nbytes, off = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        if planes != 1 or bits != 32 or off + nbytes > len(data):
            fail("%s: bad icon entry %d" % (path, i))
        bw, bh, _, bbits = struct.unpack_from("<iiHH", data, off + 4)
        if (bw, bh, bbits) != (w, 2 * h, 32):
            fail("%s: icon image %d does not match its entry" % (path, i))
        found.append(w)
    if found != sizes:
        fail("%s: icon sizes %s, expected %s" % (path, found, sizes))


def main(argv):
    ap = argparse.ArgumentParser(description="Generate Kasumiori's card bitmaps and icons.")
    ap.add_argument("--kana", required=True, help="UTF-8 table of the 100 lower verses in kana")
    ap.add_argument("--out", required=True, help="output directory")
    ap.add_argument("--font", default=DEFAULT_FONT, help="IPA Mincho font file")
    args = ap.parse_args(argv)

    verses = load_kana(args.kana)
    if not os.path.isfile(args.font):
        fail("font not found: %s (install fonts-ipafont-mincho)" % args.font)
    lt = Lettering(args.font)
    try:
        os.makedirs(args.out, exist_ok=True)
    except OSError as e:
        fail("cannot create %s: %s" % (args.out, e))

    bitmaps = [
        ("cards.bmp", make_cards(lt, verses), (750, 1050)),
        ("blank_card.bmp", make_blank_card(lt), (75, 105)),
        ("board_cards.bmp", make_board(lt, verses), (600, 935)),
    ]
    for name, img, size in bitmaps:
        path = os.path.join(args.out, name)
        img.save(path, "BMP")
        check_bmp(path, size)

    sizes = [16, 32, 48]
    for name, kind in (("Kasumiori.ico", "app"), ("KasumioriDoc.ico", "practice"),
                       ("FudatoriDoc.ico", "board")):
        path = os.path.join(args.out, name)
        write_ico(path, [draw_icon(kind, px) for px in sizes])
        check_ico(path, sizes)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

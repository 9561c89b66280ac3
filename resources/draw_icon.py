#!/usr/bin/env python3
"""Draws Ruvelin's icon and writes it twice: as mainicon.ico (the program's MAINICON) and as
the Icon.Data block of the main window's layout, so the two can never drift apart.

Run it after changing the picture:  python3 resources/draw_icon.py [--png preview.png]
The build does not run it; the .ico and the layout are committed.
"""

import argparse
import re
import struct
import sys
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent
ICO_PATH = HERE / "mainicon.ico"
LAYOUT_PATH = HERE / "mainform.txt"

# The sixteen colours every Windows palette starts with, as (red, green, blue).
STANDARD_16 = [
    (0x00, 0x00, 0x00),  # 0 black
    (0x80, 0x00, 0x00),  # 1 dark red
    (0x00, 0x80, 0x00),  # 2 dark green
    (0x80, 0x80, 0x00),  # 3 dark yellow
    (0x00, 0x00, 0x80),  # 4 dark blue
    (0x80, 0x00, 0x80),  # 5 dark magenta
    (0x00, 0x80, 0x80),  # 6 dark cyan
    (0xC0, 0xC0, 0xC0),  # 7 light grey
    (0x80, 0x80, 0x80),  # 8 grey
    (0xFF, 0x00, 0x00),  # 9 red
    (0x00, 0xFF, 0x00),  # 10 green
    (0xFF, 0xFF, 0x00),  # 11 yellow
    (0x00, 0x00, 0xFF),  # 12 blue
    (0xFF, 0x00, 0xFF),  # 13 magenta
    (0x00, 0xFF, 0xFF),  # 14 cyan
    (0xFF, 0xFF, 0xFF),  # 15 white
]

# Picture keys. "." is transparent: mask bit set and colour index 0, as Windows expects.
INK = {"K": 0, "C": 6, "L": 7, "G": 8, "Y": 11, "W": 15}

# A dark-cyan panel with a grey top edge (lit along its upper line) and a jagged yellow
# left edge, and a black-outlined white pointer over its lower right. Top row first.
PICTURE = [
    "................................",
    "..YYYYYYLLLLLLLLLLLLLLLLLLLLL...",
    "...YYYYYGGGGGGGGGGGGGGGGGGGGG...",
    "....YYYYGGGGGGGGGGGGGGGGGGGGG...",
    ".....YYYCCCCCCCCCCCCCCCCCCCCC...",
    "....YYYYCCCCCCCCCCCCCCCCCCCCC...",
    "...YYYYYCCCCCCCCCCCCCCCCCCCCC...",
    "..YYYYYYCCCCCCCKCCCCCCCCCCCCC...",
    "...YYYYYCCCCCCCKKCCCCCCCCCCCC...",
    "....YYYYCCCCCCCKWKCCCCCCCCCCC...",
    ".....YYYCCCCCCCKWWKCCCCCCCCCC...",
    "....YYYYCCCCCCCKWWWKCCCCCCCCC...",
    "...YYYYYCCCCCCCKWWWWKCCCCCCCC...",
    "..YYYYYYCCCCCCCKWWWWWKCCCCCCC...",
    "...YYYYYCCCCCCCKWWWWWWKCCCCCC...",
    "....YYYYCCCCCCCKWWWWWWWKCCCCC...",
    ".....YYYCCCCCCCKWWWWWWWWKCCCC...",
    "....YYYYCCCCCCCKWWWWWWWWWKCCC...",
    "...YYYYYCCCCCCCKWWWWWWWWWWKCC...",
    "..YYYYYYCCCCCCCKWWWWWWWWWWWKC...",
    "...YYYYYCCCCCCCKWWWWWWWWWWWWK...",
    "....YYYYCCCCCCCKWWWWWWWWKKKKKK..",
    ".....YYYCCCCCCCKWWWWKWWWKCCCC...",
    "....YYYYCCCCCCCKWWWKCKWWWKCCC...",
    "...YYYYYCCCCCCCKWWKCCKWWWKCCC...",
    "...............KWK....KWWWK.....",
    "...............KK.....KWWWK.....",
    "...............K.......KWWWK....",
    ".......................KWWWK....",
    "........................KWWWK...",
    "........................KWWWK...",
    ".........................KKK....",
]

SIZE = 32
# What the rest of the program expects of this file; checked before anything is written.
EXPECTED_FILE_SIZE = 2238
EXPECTED_TRANSPARENT = 372
EXPECTED_INKS = set(INK)

# The layout stores 30 bytes per line of hex, indented under the property.
HEX_BYTES_PER_LINE = 30
HEX_INDENT = "    "


def check_picture():
    if len(PICTURE) != SIZE or any(len(row) != SIZE for row in PICTURE):
        sys.exit("picture must be 32 rows of 32 keys")
    keys = {key for row in PICTURE for key in row}
    if not keys <= EXPECTED_INKS | {"."}:
        sys.exit(f"unknown keys in picture: {sorted(keys - EXPECTED_INKS - {'.'})}")
    if keys - {"."} != EXPECTED_INKS:
        sys.exit(f"picture must use exactly the inks {sorted(EXPECTED_INKS)}")
    transparent = sum(row.count(".") for row in PICTURE)
    if transparent != EXPECTED_TRANSPARENT:
        sys.exit(f"picture has {transparent} transparent pixels, wants {EXPECTED_TRANSPARENT}")


def image_bytes():
    """The icon image: header, palette, colour indices, then the transparency mask."""
    palette = STANDARD_16 + [(0, 0, 0)] * (256 - len(STANDARD_16))
    xor_size = SIZE * SIZE
    and_size = SIZE * (SIZE // 8)
    # Height counts the colour and mask bitmaps together.
    header = struct.pack(
        "<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 8, 0, xor_size + and_size, 0, 0, 0, 0
    )
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    indices = bytearray()
    mask = bytearray()
    for row in reversed(PICTURE):  # bitmaps are stored bottom row first
        indices += bytes(INK.get(key, 0) for key in row)
        bits = 0
        for key in row:
            bits = (bits << 1) | (key == ".")
        mask += bits.to_bytes(SIZE // 8, "big")
    return header + colours + bytes(indices) + bytes(mask)


def icon_file():
    image = image_bytes()
    offset = 6 + 16
    # A colour count of 0 means 256 colours.
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), offset)
    data = struct.pack("<HHH", 0, 1, 1) + entry + image
    if len(data) != EXPECTED_FILE_SIZE:
        sys.exit(f"icon file is {len(data)} bytes, wants {EXPECTED_FILE_SIZE}")
    return data


def hex_block(data):
    lines = [
        HEX_INDENT + data[i : i + HEX_BYTES_PER_LINE].hex().upper()
        for i in range(0, len(data), HEX_BYTES_PER_LINE)
    ]
    return "{\n" + "\n".join(lines) + "}"


def update_layout(data):
    text = LAYOUT_PATH.read_text(encoding="utf-8")
    text, count = re.subn(
        r"(\n  Icon\.Data = )\{[^}]*\}", lambda m: m.group(1) + hex_block(data), text
    )
    if count != 1:
        sys.exit(f"{LAYOUT_PATH.name}: expected one Icon.Data block, found {count}")
    LAYOUT_PATH.write_text(text, encoding="utf-8", newline="\n")


def write_png(path, scale):
    """A blown-up preview on a checkerboard, for looking at the picture."""

    def chunk(kind, body):
        crc = struct.pack(">I", zlib.crc32(kind + body))
        return struct.pack(">I", len(body)) + kind + body + crc

    raw = bytearray()
    for y, row in enumerate(PICTURE):
        line = bytearray()
        for x, key in enumerate(row):
            if key == ".":
                colour = (205, 205, 205) if (x + y) % 2 else (240, 240, 240)
            else:
                colour = STANDARD_16[INK[key]]
            line += bytes(colour) * scale
        raw += (b"\0" + line) * scale
    side = SIZE * scale
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", side, side, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(raw)))
    png += chunk(b"IEND", b"")
    Path(path).write_bytes(png)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--png", help="also write an enlarged preview to this file")
    parser.add_argument("--scale", type=int, default=8, help="preview pixels per icon pixel")
    args = parser.parse_args()

    check_picture()
    data = icon_file()
    ICO_PATH.write_bytes(data)
    update_layout(data)
    if args.png:
        write_png(args.png, args.scale)


if __name__ == "__main__":
    main()

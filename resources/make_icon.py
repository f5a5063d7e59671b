#!/usr/bin/env python3
"""Writes resources/kelvara.ico: a browser page with a context menu open on it,
32 x 32 in 16 colours and in 256 colours. The picture is the text below."""
import struct
import sys

PICTURE = """
................................
.dddddddddddddddddddddddd.......
.dnnnnnnnnnnnnnnnnnnnnnnd.......
.dnwnnnnnnnnnnnnnnnnwnwnd.......
.dnnnnnnnnnnnnnnnnnnnnnnd.......
.dggggggggggggggggggggggd.......
.dgwwwwwwwwwwwwwwwwwwwwgd.......
.dddddddddddddddddddddddd.......
.dwwwwwwwwwwwwwwwwwwwwwwd.......
.dwbbbbbbbbbbbbwwwwwwwwwd.......
.dwwwwwwwwwwwwwwwwwwwwwwd.......
.dwkkkkkkkkkkkkkkkkkkwwwd.......
.dwkkkkkkkkkkkkkkwwwwwwwd.......
.dwwwwwwwwwwwkkkkkkkkkkkkkkkkk..
.dwkkkkkkkkkwkgggggggggggggggks.
.dwkkkkkkkkkwkgkkkkkkkkkkkgggks.
.dwwwwwwwwwwwkgggggggggggggggks.
.dwyyyyyywwwwknnnnnnnnnnnnnnnks.
.dwyrrrryywwwknwwwwwwwwwwwnnnks.
.dwyrrrrrywwwknnnnnnnnnnnnnnnks.
.dwyyrrrryywwkgggggggggggggggks.
.dwwyyyyyywwwkgkkkkkkkkkkgggbks.
.dwwwwwwwwwwwkgggggggggggggbbks.
.dwwwwwwwwwwwkgddddddddddddggks.
.dddddddddddddgggggggggggggggks.
.............gkkkkkkkkkkgggggks.
.............ggggggggggggggggks.
.............gkkkkkkkkkkkkggggks
.............gggggggggggggggggks
.............kkkkkkkkkkkkkkkkkks
..............ssssssssssssssssss
................................
"""

# Windows' standard 16-colour order.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
       (255, 0, 255), (0, 255, 255), (255, 255, 255)]
CODES = {'k': 0, 'r': 9, 'n': 4, 'g': 7, 'd': 8, 'y': 11, 'b': 12, 'w': 15, 's': 8}


def rows():
    lines = [line for line in PICTURE.strip('\n').split('\n')]
    assert len(lines) == 32 and all(len(line) == 32 for line in lines), 'the picture must be 32 x 32'
    return lines


def palette_256():
    colours = list(VGA)
    # A blue ramp for the title bar and a grey one for the menu's shadow.
    colours += [(0, 0, 128 + i * 127 // 23) for i in range(24)]
    colours += [(96 + i * 8, 96 + i * 8, 96 + i * 8) for i in range(8)]
    # Only the colours the picture uses are stored: the header's colour count
    # says how many, and the image stays one of 256 colours, 8 bits a pixel.
    return colours


def index_256(ch, x, y):
    if ch == 'n' and y <= 4:
        return 16 + min(x, 23)
    if ch == 's':
        return 40 + (x + y) % 8 // 2
    return CODES.get(ch, 0)


def pack_bits(values, bits):
    """One bottom-up row, padded to four bytes."""
    out, acc, used = bytearray(), 0, 0
    for v in values:
        acc = (acc << bits) | v
        used += bits
        if used == 8:
            out.append(acc)
            acc, used = 0, 0
    while len(out) % 4:
        out.append(0)
    return bytes(out)


def image(bits, colours, index):
    lines = rows()
    header = struct.pack('<IiiHHIIiiII', 40, 32, 64, 1, bits, 0, 0, 0, 0, len(colours), 0)
    table = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in colours)
    xor = b''.join(pack_bits([0 if ch == '.' else index(ch, x, y) for x, ch in enumerate(line)], bits)
                   for y, line in reversed(list(enumerate(lines))))
    mask = b''.join(pack_bits([1 if ch == '.' else 0 for ch in line], 1) for line in reversed(lines))
    return header + table + xor + mask


def main(path):
    images = [(16, image(4, VGA, lambda ch, x, y: CODES[ch])),
              (0, image(8, palette_256(), index_256))]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for count, data in images:
        bits = 4 if count == 16 else 8
        out += struct.pack('<BBBBHHII', 32, 32, count, 0, 1, bits, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, data in images)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'resources/kelvara.ico')

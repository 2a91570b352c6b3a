#!/usr/bin/env python3
"""Draws the client's pictures: the toolbar strip, one icon strip per
navigation group and the window icon. Usage:
    make_artwork.py OUTDIR TOOLBAR_COUNT GROUP_COUNT...
Strips are 24-bit BMP files on a magenta mask colour; the icon is a 32-bit
ICO with 32x32 and 16x16 images."""
import math
import struct
import sys

MASK = (255, 0, 255)


def hue(h, s=0.65, v=0.85):
    h = (h % 360) / 60.0
    c = v * s
    x = c * (1 - abs(h % 2 - 1))
    m = v - c
    r, g, b = [(c, x, 0), (x, c, 0), (0, c, x), (0, x, c), (x, 0, c), (c, 0, x)][int(h) % 6]
    return tuple(int(255 * (t + m)) for t in (r, g, b))


# Glyphs as inside-tests on coordinates in [-1, 1].
def glyph(n):
    shapes = [
        lambda x, y: x * x + y * y < 0.36,                                  # disc
        lambda x, y: abs(x) < 0.55 and abs(y) < 0.55,                       # square
        lambda x, y: y > -0.6 and abs(x) < (y + 0.6) * 0.55,                # triangle
        lambda x, y: abs(x) + abs(y) < 0.7,                                 # diamond
        lambda x, y: abs(x) < 0.18 or abs(y) < 0.18,                        # cross
        lambda x, y: 0.2 < x * x + y * y < 0.45,                            # ring
        lambda x, y: abs(y) < 0.6 and (abs(x + 0.4) < 0.12 or abs(x) < 0.12 or abs(x - 0.4) < 0.12),  # bars
        lambda x, y: abs(y - x * 0.0) < 0.6 and abs(x) < 0.6 and (y < -0.2 or abs(x) < 0.15),         # T
        lambda x, y: abs(x - y) < 0.2 or abs(x + y) < 0.2,                  # X
        lambda x, y: (abs(y + 0.3) < 0.12 or abs(y - 0.05) < 0.12 or abs(y - 0.4) < 0.12) and abs(x) < 0.6,  # lines
        lambda x, y: x * x + y * y < 0.5 and not (x > 0 and abs(y) < x),    # pie
        lambda x, y: abs(y) < 0.2 and x < 0.3 or (x >= 0.1 and abs(y) < 0.65 - (x - 0.1) * 1.2),       # arrow
    ]
    return shapes[n % len(shapes)]


def tile(size, colour, shape, rounded=True):
    """Rows top to bottom of (r, g, b, alpha)."""
    rows = []
    r0 = size * 0.18
    for py in range(size):
        row = []
        for px in range(size):
            # Rounded square background.
            dx = max(0.0, abs(px + 0.5 - size / 2) - (size / 2 - r0))
            dy = max(0.0, abs(py + 0.5 - size / 2) - (size / 2 - r0))
            inside = dx * dx + dy * dy <= r0 * r0 if rounded else True
            if px in (0, size - 1) or py in (0, size - 1):
                inside = False
            if not inside:
                row.append(MASK + (0,))
                continue
            x = (px + 0.5) / size * 2 - 1
            y = 1 - (py + 0.5) / size * 2
            shade = 1.0 - 0.25 * (py / size)
            if shape(x, y):
                row.append((255, 255, 255, 255))
            else:
                row.append(tuple(int(c * shade) for c in colour) + (255,))
        rows.append(row)
    return rows


def write_bmp(path, images, size):
    width = size * max(1, len(images))
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for py in range(size - 1, -1, -1):  # bottom-up
        line = bytearray()
        for i in range(max(1, len(images))):
            for px in range(size):
                r, g, b, _ = images[i][py][px] if images else MASK + (0,)
                line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        pixels += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, size, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def icon_image(rows):
    size = len(rows)
    xor = bytearray()
    for py in range(size - 1, -1, -1):
        for r, g, b, a in rows[py]:
            xor += bytes((b, g, r, a)) if a else b"\0\0\0\0"
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for py in range(size - 1, -1, -1):
        bits = bytearray(mask_stride)
        for px, (_, _, _, a) in enumerate(rows[py]):
            if not a:
                bits[px // 8] |= 0x80 >> (px % 8)
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + xor + mask


def write_ico(path, images):
    data = [icon_image(rows) for rows in images]
    out = struct.pack("<HHH", 0, 1, len(data))
    offset = 6 + 16 * len(data)
    for rows, blob in zip(images, data):
        size = len(rows)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(out + b"".join(data))


def main():
    outdir, toolbar_count = sys.argv[1], int(sys.argv[2])
    groups = [int(n) for n in sys.argv[3:]]
    write_bmp(f"{outdir}/toolbar.bmp",
              [tile(24, hue(i * 360 / toolbar_count), glyph(i)) for i in range(toolbar_count)], 24)
    for g, count in enumerate(groups):
        write_bmp(f"{outdir}/group{g}.bmp",
                  [tile(32, hue(g * 40 + k * 7, 0.55 + 0.03 * (k % 5)), glyph(k + g)) for k in range(count)], 32)
    # The window icon: a fur-brown tile with a ring.
    brown = (150, 95, 55)
    write_ico(f"{outdir}/publisher.ico", [tile(32, brown, glyph(5)), tile(16, brown, glyph(5))])


if __name__ == "__main__":
    main()

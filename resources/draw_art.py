#!/usr/bin/env python3
"""Draws the player's bitmaps and icon into resources/art/.

The output is committed; the build uses the files and never runs this script.
Run it again after changing a drawing:  python3 resources/draw_art.py
Only the Python standard library is used: shapes are rasterised with 4 x 4
supersampling and written as 24-bit BMP files and a 32-bit icon with a frame
for every size Windows asks at the usual display scales. The same shapes are
drawn again at every scale of SCALES, each picture stored as a PNG file under
art/<percent>/, and art/scaled.rc lists them for the resource script.
"""
import os
import struct
import zlib

ART = os.path.join(os.path.dirname(os.path.abspath(__file__)), "art")
SAMPLES = 4
# The display scales the bar has pictures of its own for, in percent.
SCALES = (125, 150, 175, 200, 250, 300)
ICON_SIZES = (16, 20, 24, 32, 40, 48, 64)


def scaled_length(length, scale):
    """A length of the 100 % design in pixels at the scale, halves rounded up,
    as the player rounds every place and size of the bar."""
    return int(length * scale + 0.5)


def hex_colour(text):
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


class Canvas:
    """An RGBA picture; shapes are coverage tests evaluated per sub-sample."""

    def __init__(self, width, height, fill=(0, 0, 0), alpha=255, scale=1):
        """width and height in pixels of the 100 % design; shapes are given in
        those too and drawn at the scale."""
        self.scale = scale
        self.width, self.height = scaled_length(width, scale), scaled_length(height, scale)
        width, height = self.width, self.height
        self.pixels = [[list(fill) + [alpha] for _ in range(width)] for _ in range(height)]

    def paint(self, inside, colour, left=0, top=0, right=None, bottom=None):
        """Blends colour over every pixel by the share of its sub-samples inside the shape.

        colour is an (r, g, b) tuple or a function of (x, y) giving one."""
        right = self.width if right is None else min(right, self.width)
        bottom = self.height if bottom is None else min(bottom, self.height)
        step = 1.0 / SAMPLES
        scale = self.scale
        if scale != 1:
            shape, paint = inside, colour
            inside = lambda x, y: shape(x / scale, y / scale)
            colour = (lambda x, y: paint(x / scale, y / scale)) if callable(paint) else paint
        for y in range(max(0, top), bottom):
            for x in range(max(0, left), right):
                hits = 0
                for sy in range(SAMPLES):
                    for sx in range(SAMPLES):
                        if inside(x + (sx + 0.5) * step, y + (sy + 0.5) * step):
                            hits += 1
                if not hits:
                    continue
                share = hits / (SAMPLES * SAMPLES)
                c = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                p = self.pixels[y][x]
                a = p[3] / 255.0
                out_a = share + a * (1 - share)
                for i in range(3):
                    p[i] = round((c[i] * share + p[i] * a * (1 - share)) / out_a) if out_a else 0
                p[3] = round(out_a * 255)

    def blit(self, other, left, top):
        """Copies another canvas of the same scale at a place of the 100 % design."""
        left, top = scaled_length(left, self.scale), scaled_length(top, self.scale)
        for y in range(other.height):
            for x in range(other.width):
                self.pixels[top + y][left + x] = list(other.pixels[y][x])


# Shapes: functions of a point that say whether it lies inside.
def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def ring(outer, inner):
    return lambda x, y: outer(x, y) and not inner(x, y)


def polygon(*points):
    def inside(x, y):
        result = False
        n = len(points)
        for i in range(n):
            (xa, ya), (xb, yb) = points[i], points[(i + 1) % n]
            if (ya > y) != (yb > y) and x < (xb - xa) * (y - ya) / (yb - ya) + xa:
                result = not result
        return result
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def bar(xa, ya, xb, yb, half_width):
    """A straight stroke with round ends."""
    dx, dy = xb - xa, yb - ya
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - xa) * dx + (y - ya) * dy) / length2))
        px, py = xa + t * dx, ya + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= half_width * half_width
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def moved(shape, dx, dy):
    return lambda x, y: shape(x - dx, y - dy)


def vertical(top_colour, bottom_colour, y0, y1):
    return lambda x, y: mix(top_colour, bottom_colour, min(1.0, max(0.0, (y - y0) / (y1 - y0))))


# The glyphs of the transport buttons on a 20 x 20 face.
GLYPHS = {
    "exit": union(bar(6.5, 6.5, 13.5, 13.5, 1.45), bar(13.5, 6.5, 6.5, 13.5, 1.45)),
    "prev": union(polygon((10, 5.5), (10, 14.5), (4, 10)), polygon((16, 5.5), (16, 14.5), (10, 10))),
    "cue": union(rect(5, 5.5, 7.5, 14.5), polygon((15.5, 5.5), (15.5, 14.5), (8, 10))),
    "play": polygon((7, 5), (15.5, 10), (7, 15)),
    "stop": rounded_rect(6, 6, 14, 14, 1.2),
    "next": union(polygon((4, 5.5), (4, 14.5), (10, 10)), polygon((10, 5.5), (10, 14.5), (16, 10))),
}

# Each state of a button has its own body, rim and glyph colour, so that the
# four images are told apart at a glance: slate, sunk amber, bright blue, flat grey.
STATES = [
    # normal
    dict(top="4A5668", bottom="323B48", rim="6B7C93", glyph="F2F4F7", shift=0),
    # pressed
    dict(top="141B24", bottom="222C38", rim="0A0E13", glyph="FFB547", shift=1),
    # hover
    dict(top="4C9BE8", bottom="2866A8", rim="B5DBFF", glyph="FFFFFF", shift=0),
    # disabled
    dict(top="2B2F35", bottom="2B2F35", rim="363A41", glyph="5E646D", shift=0),
]


def button_face(glyph, state, scale=1):
    face = Canvas(20, 20, fill=hex_colour("1C2128"), scale=scale)
    top, bottom = hex_colour(state["top"]), hex_colour(state["bottom"])
    face.paint(rounded_rect(1, 1, 19, 19, 4), hex_colour(state["rim"]))
    face.paint(rounded_rect(2, 2, 18, 18, 3), vertical(top, bottom, 2, 18))
    face.paint(moved(glyph, state["shift"], state["shift"]), hex_colour(state["glyph"]))
    return face


def button_strip(name, scale=1):
    strip = Canvas(80, 20, scale=scale)
    for index, state in enumerate(STATES):
        strip.blit(button_face(GLYPHS[name], state, scale), index * 20, 0)
    return strip


def label_panel(width, scale=1):
    """Dark, slightly sunk panel behind a white label text."""
    panel = Canvas(width, 20, fill=hex_colour("1C2128"), scale=scale)
    panel.paint(rounded_rect(0, 1, width, 19, 3), hex_colour("07090C"))
    panel.paint(rounded_rect(1, 2, width, 19, 2.5), hex_colour("3A4452"))
    panel.paint(rounded_rect(1, 2, width - 1, 18, 2.5),
                vertical(hex_colour("0B0F14"), hex_colour("18202A"), 2, 18))
    return panel


def background(scale=1):
    bg = Canvas(280, 34, scale=scale)
    bg.paint(rect(0, 0, 280, 34), vertical(hex_colour("2A313B"), hex_colour("161A20"), 0, 34))
    bg.paint(rect(0, 0, 280, 1), hex_colour("4C5767"))
    bg.paint(rect(0, 0, 1, 34), hex_colour("3C4553"))
    bg.paint(rect(0, 33, 280, 34), hex_colour("08090B"))
    bg.paint(rect(279, 0, 280, 34), hex_colour("0E1014"))
    # A grip at the left end: the bar is moved by dragging its background.
    for row in range(4):
        for column in range(2):
            x, y = 6 + column * 4, 10 + row * 4
            bg.paint(rect(x + 1, y + 1, x + 3, y + 3), hex_colour("0B0D10"))
            bg.paint(rect(x, y, x + 2, y + 2), hex_colour("6A7688"))
    # A thin accent line under the controls.
    bg.paint(rect(16, 30, 272, 31), hex_colour("2D6FB0"))
    return bg


def icon(size):
    picture = Canvas(size, size, alpha=0)
    s = size / 32.0
    picture.paint(rounded_rect(1 * s, 1 * s, 31 * s, 31 * s, 6 * s), hex_colour("10243A"))
    picture.paint(rounded_rect(2 * s, 2 * s, 30 * s, 30 * s, 5 * s),
                  vertical(hex_colour("4C9BE8"), hex_colour("1F4F86"), 2 * s, 30 * s))
    note = union(
        circle(11.5 * s, 22.5 * s, 4.2 * s),
        circle(22.5 * s, 19.5 * s, 4.2 * s),
        rect(13.6 * s, 7 * s, 15.7 * s, 22.5 * s),
        rect(24.6 * s, 4 * s, 26.7 * s, 19.5 * s),
        polygon((13.6 * s, 7 * s), (26.7 * s, 4 * s), (26.7 * s, 8.2 * s), (13.6 * s, 11.2 * s)),
    )
    picture.paint(moved(note, 0.8 * s, 0.8 * s), hex_colour("0B1B2C"))
    picture.paint(note, hex_colour("FFFFFF"))
    return picture


def bmp_bytes(canvas):
    row_size = (canvas.width * 3 + 3) & ~3
    rows = []
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray()
        for r, g, b, _ in canvas.pixels[y]:
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        rows.append(bytes(row))
    image = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0,
                       len(image), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(image), 0, 0, 14 + len(info))
    return header + info + image


def png_bytes(canvas):
    """A 24-bit PNG; each row filtered the way that leaves the smallest sum of differences."""
    def paeth(a, b, c):
        p = a + b - c
        pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
        return a if pa <= pb and pa <= pc else (b if pb <= pc else c)

    raw = bytearray()
    previous = bytes(canvas.width * 3)
    for y in range(canvas.height):
        row = bytes(v for r, g, b, _ in canvas.pixels[y] for v in (r, g, b))
        left = lambda i: row[i - 3] if i >= 3 else 0
        upper_left = lambda i: previous[i - 3] if i >= 3 else 0
        candidates = [
            bytes([0]) + row,
            bytes([1]) + bytes((row[i] - left(i)) & 255 for i in range(len(row))),
            bytes([2]) + bytes((row[i] - previous[i]) & 255 for i in range(len(row))),
            bytes([4]) + bytes((row[i] - paeth(left(i), previous[i], upper_left(i))) & 255 for i in range(len(row))),
        ]
        raw += min(candidates, key=lambda c: sum(v if v < 128 else 256 - v for v in c[1:]))
        previous = row

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def icon_image_bytes(canvas):
    size = canvas.width
    colour = bytearray()
    for y in range(size - 1, -1, -1):
        for r, g, b, a in canvas.pixels[y]:
            colour += bytes((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        row = bytearray(mask_row)
        for x in range(size):
            if canvas.pixels[y][x][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                       len(colour) + len(mask), 0, 0, 0, 0)
    return info + bytes(colour) + bytes(mask)


def ico_bytes(canvases):
    images = [icon_image_bytes(c) for c in canvases]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    directory = b""
    for canvas, data in zip(canvases, images):
        directory += struct.pack("<BBBBHHII", canvas.width % 256, canvas.height % 256, 0, 0,
                                 1, 32, len(data), offset)
        offset += len(data)
    return header + directory + b"".join(images)


# Each picture: its file name, its resource name and how it is drawn at a scale.
PICTURES = [
    ("play", "IDB_PLAY_FACE", lambda s: button_strip("play", s)),
    ("stop", "IDB_STOP_FACE", lambda s: button_strip("stop", s)),
    ("exit", "IDB_EXIT", lambda s: button_strip("exit", s)),
    ("next", "IDB_NEXT", lambda s: button_strip("next", s)),
    ("cue", "IDB_CUE", lambda s: button_strip("cue", s)),
    ("prev", "IDB_PREV", lambda s: button_strip("prev", s)),
    ("track_label", "IDB_TRACK_LABEL", lambda s: label_panel(75, s)),
    ("group_label", "IDB_GROUP_LABEL", lambda s: label_panel(60, s)),
    ("background", "IDB_BACKGROUND", background),
]


def main():
    os.makedirs(ART, exist_ok=True)
    for name, _, draw in PICTURES:
        with open(os.path.join(ART, name + ".bmp"), "wb") as out:
            out.write(bmp_bytes(draw(1)))
    with open(os.path.join(ART, "player.ico"), "wb") as out:
        out.write(ico_bytes([icon(size) for size in ICON_SIZES]))
    lines = ["// Written by draw_art.py: the bar's pictures at each display scale, as PNG files."]
    for percent in SCALES:
        os.makedirs(os.path.join(ART, str(percent)), exist_ok=True)
        for name, resource, draw in PICTURES:
            with open(os.path.join(ART, str(percent), name + ".png"), "wb") as out:
                out.write(png_bytes(draw(percent / 100)))
            lines.append("SCALED_PICTURE(%s, %d) RCDATA \"art/%d/%s.png\"" % (resource, percent, percent, name))
    with open(os.path.join(ART, "scaled.rc"), "w") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()

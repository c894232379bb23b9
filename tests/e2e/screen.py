"""What the virtual screen shows, and the player's own pictures to compare it with."""
import os
import re
import struct
import subprocess

ART = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))), "resources", "art")


class Image:
    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    def pixel(self, x, y):
        at = (y * self.width + x) * 3
        return tuple(self.rgb[at:at + 3])


def screenshot():
    out = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], capture_output=True,
                         check=True).stdout
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", out)
    width, height = int(header.group(1)), int(header.group(2))
    return Image(width, height, out[header.end():])


def read_bitmap(name):
    """One of the player's 24-bit bitmaps from resources/art."""
    with open(os.path.join(ART, name), "rb") as bmp:
        data = bmp.read()
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    row = (width * 3 + 3) & ~3
    rgb = bytearray()
    for y in range(height):
        start = offset + (height - 1 - y) * row
        for x in range(width):
            b, g, r = data[start + 3 * x:start + 3 * x + 3]
            rgb += bytes((r, g, b))
    return Image(width, height, bytes(rgb))


def region_differences(shot, left, top, picture, pic_left=0, pic_top=0, width=None, height=None, tolerance=3):
    """How many pixels of the screen region differ from the picture's region."""
    width = picture.width - pic_left if width is None else width
    height = picture.height - pic_top if height is None else height
    differing = 0
    for y in range(height):
        for x in range(width):
            a = shot.pixel(left + x, top + y)
            b = picture.pixel(pic_left + x, pic_top + y)
            if max(abs(a[i] - b[i]) for i in range(3)) > tolerance:
                differing += 1
    return differing


def strip_state_shown(shot, rect, strip):
    """Which of the four images of a button strip the screen shows at rect, or None."""
    for index in range(4):
        if region_differences(shot, rect.x, rect.y, strip, index * 20, 0, 20, 20) == 0:
            return index
    return None


def crop(shot, rect):
    """The part of a screenshot under rect, as an Image of its own."""
    rgb = bytearray()
    for y in range(rect.y, rect.y + rect.h):
        start = (y * shot.width + rect.x) * 3
        rgb += shot.rgb[start:start + rect.w * 3]
    return Image(rect.w, rect.h, bytes(rgb))


def read_png(path):
    """A PNG read through ImageMagick."""
    out = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], capture_output=True, check=True).stdout
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", out)
    return Image(int(header.group(1)), int(header.group(2)), out[header.end():])


def write_png(image, path):
    ppm = b"P6 %d %d 255\n" % (image.width, image.height) + image.rgb
    subprocess.run(["convert", "ppm:-", "png:" + path], input=ppm, check=True)

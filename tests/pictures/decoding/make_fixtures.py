#!/usr/bin/python3
"""Makes the picture decoding fixtures and their reference pixels.

    make_fixtures.py OUTPUT_DIR [LIBJPEG_TESTIMAGES_DIR]

Pictures are written by PIL, ImageMagick or the small writers below; each reference is an
independent decode (PIL's, djpeg's) or the pixels the writer was given, saved as a binary PPM
next to the picture ("name.ext" -> "name.ppm"). Run with Debian's /usr/bin/python3 (it has PIL).
"""

import os
import random
import shutil
import struct
import subprocess
import sys

from PIL import Image

IMAGEMAGICK = "convert-im6.q16"


def save_ppm(image, path):
    image.convert("RGB").save(path, "PPM")


def reference_of(out, name, image=None):
    """Writes name's reference: the given image, or PIL's decode of the file."""
    if image is None:
        image = Image.open(os.path.join(out, name))
        image.load()
    save_ppm(image, os.path.join(out, os.path.splitext(name)[0] + ".ppm"))


def test_card(width, height, seed=1):
    """A colourful picture with edges, gradients and noise: every decoder stage shows in it."""
    rnd = random.Random(seed)
    image = Image.new("RGB", (width, height))
    pixels = image.load()
    for y in range(height):
        for x in range(width):
            r = (x * 255) // max(1, width - 1)
            g = (y * 255) // max(1, height - 1)
            b = 255 if (x // 5 + y // 3) % 2 else rnd.randrange(256)
            pixels[x, y] = (r, g, b)
    return image


def paletted(width, height, colours, seed=2):
    rnd = random.Random(seed)
    image = Image.new("P", (width, height))
    image.putpalette([rnd.randrange(256) for _ in range(colours * 3)] + [0] * (768 - colours * 3))
    image.putdata([(x * 7 + y * 3 + rnd.randrange(2)) % colours for y in range(height) for x in range(width)])
    return image


def magick(*args):
    subprocess.run([IMAGEMAGICK, *args], check=True)


# ---------------------------------------------------------------- JPEG

def make_jpegs(out):
    card = test_card(37, 23)
    card.save(os.path.join(out, "jpeg_colour.jpg"), quality=90)
    card.save(os.path.join(out, "jpeg_colour444.jpg"), quality=90, subsampling=0)
    card.save(os.path.join(out, "jpeg_progressive.jpg"), quality=85, progressive=True)
    card.convert("L").save(os.path.join(out, "jpeg_grey.jpg"), quality=90)
    for name in ("jpeg_colour.jpg", "jpeg_colour444.jpg", "jpeg_progressive.jpg", "jpeg_grey.jpg"):
        reference_of(out, name)
    card.convert("CMYK").save(os.path.join(out, "jpeg_cmyk.jpg"), quality=90)

    # Cut in the middle of its entropy-coded data; the reference is the whole picture.
    whole = os.path.join(out, "jpeg_whole64.jpg")
    test_card(64, 64, seed=3).save(whole, quality=95)
    reference_of(out, "jpeg_whole64.jpg")
    data = open(whole, "rb").read()
    open(os.path.join(out, "jpeg_truncated.jpg"), "wb").write(data[: len(data) * 6 // 10])


def make_big_jpeg(out):
    """A 12000 x 9000 (108-megapixel) photograph-sized JPEG and a sample of PIL's decode of it."""
    Image.MAX_IMAGE_PIXELS = None
    width, height = 12000, 9000
    small = test_card(300, 225, seed=4).resize((width, height), Image.Resampling.BILINEAR)
    path = os.path.join(out, "jpeg_big.jpg")
    small.save(path, quality=80)
    decoded = Image.open(path).convert("RGB")
    rnd = random.Random(5)
    points = [(0, 0), (width - 1, 0), (0, height - 1), (width - 1, height - 1)]
    points += [(rnd.randrange(width), rnd.randrange(height)) for _ in range(200)]
    with open(os.path.join(out, "jpeg_big.samples"), "w") as samples:
        for x, y in points:
            samples.write("%d %d %d %d %d\n" % ((x, y) + decoded.getpixel((x, y))))


def copy_libjpeg_testimages(out, source):
    """libjpeg-turbo's own test pictures with djpeg's decode as the reference."""
    target = os.path.join(out, "libjpeg")
    os.makedirs(target, exist_ok=True)
    for name in ("testorig.jpg", "testimgint.jpg", "testimgari.jpg", "testorig12.jpg"):
        path = os.path.join(source, name)
        if not os.path.exists(path):
            continue
        shutil.copy(path, target)
        if name != "testorig12.jpg":
            ppm = os.path.join(target, os.path.splitext(name)[0] + ".ppm")
            subprocess.run(["djpeg", "-ppm", "-outfile", ppm, path], check=True)


# ---------------------------------------------------------------- BMP

def bmp_bytes(width, height, bits, palette, rows, colours_used=0, compression=0, top_down=False):
    """A BMP with a 40-byte header; rows are lists of pixel values (indices or B,G,R bytes), top first."""
    stored = bytearray()
    for row in (rows if top_down else reversed(rows)):
        line = bytearray()
        if bits <= 8:
            acc, count = 0, 0
            for value in row:
                acc = acc << bits | value
                count += bits
                if count == 8:
                    line.append(acc)
                    acc, count = 0, 0
            if count:
                line.append(acc << (8 - count))
        else:
            line += bytes(row)
        line += b"\0" * (-len(line) % 4)
        stored += line
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(stored), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, -height if top_down else height, 1, bits, compression,
                       len(stored), 2835, 2835, colours_used, 0)
    return header + info + table + bytes(stored)


def make_bmps(out):
    card = test_card(13, 7)
    card.save(os.path.join(out, "bmp_24bit.bmp"))
    card.convert("1").save(os.path.join(out, "bmp_1bit.bmp"))
    paletted(19, 6, 256).save(os.path.join(out, "bmp_8bit.bmp"))
    alpha = card.convert("RGBA")
    alpha.putalpha(Image.new("L", card.size, 77))
    alpha.save(os.path.join(out, "bmp_32bit.bmp"))
    for name in ("bmp_24bit.bmp", "bmp_1bit.bmp", "bmp_8bit.bmp", "bmp_32bit.bmp"):
        reference_of(out, name)
    # The format comes from the data, never from the name.
    shutil.copy(os.path.join(out, "bmp_24bit.bmp"), os.path.join(out, "bmp_named.jpg"))
    reference_of(out, "bmp_named.jpg", card)

    # ImageMagick writes the V5 header, the colour table after it.
    magick(os.path.join(out, "bmp_8bit.bmp"), "-type", "Palette", "-compress", "None",
           "BMP:" + os.path.join(out, "bmp_v5_8bit.bmp"))
    reference_of(out, "bmp_v5_8bit.bmp")

    # A top-down (negative height) BMP of the 24-bit card.
    rows = [[c for x in range(13) for c in reversed(card.getpixel((x, y)))] for y in range(7)]
    open(os.path.join(out, "bmp_topdown.bmp"), "wb").write(bmp_bytes(13, 7, 24, [], rows, top_down=True))
    reference_of(out, "bmp_topdown.bmp", card)

    # 4 bits with only 6 colours in the table: indices 6 to 15 are black.
    palette = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 0), (0, 255, 255), (255, 255, 255)]
    indices = [[(x + 3 * y) % 16 for x in range(11)] for y in range(4)]
    open(os.path.join(out, "bmp_4bit_used6.bmp"), "wb").write(bmp_bytes(11, 4, 4, palette, indices, colours_used=6))
    expected = Image.new("RGB", (11, 4))
    expected.putdata([palette[i] if i < 6 else (0, 0, 0) for row in indices for i in row])
    reference_of(out, "bmp_4bit_used6.bmp", expected)

    # What the decoder refuses.
    grey = [(i * 17, i * 17, i * 17) for i in range(16)]
    open(os.path.join(out, "bmp_16bit.bmp"), "wb").write(
        bmp_bytes(4, 2, 24, [], [[0] * 12] * 2).replace(struct.pack("<HH", 1, 24), struct.pack("<HH", 1, 16), 1))
    magick(os.path.join(out, "bmp_8bit.bmp"), "-compress", "RLE", "BMP3:" + os.path.join(out, "bmp_rle8.bmp"))
    magick(os.path.join(out, "bmp_24bit.bmp"), "BMP2:" + os.path.join(out, "bmp_os2.bmp"))
    open(os.path.join(out, "bmp_4bit.bmp"), "wb").write(bmp_bytes(11, 4, 4, grey, indices))
    expected.putdata([grey[i] for row in indices for i in row])
    reference_of(out, "bmp_4bit.bmp", expected)


# ---------------------------------------------------------------- ICO and CUR

def icon_dib(image, bits, transparent):
    """An icon's image data: BITMAPINFOHEADER, colour table, XOR rows and AND mask, bottom-up."""
    width, height = image.size
    if bits <= 8:
        palette = image.getpalette()[: 3 * (1 << bits)]
        palette += [0] * (3 * (1 << bits) - len(palette))
        table = b"".join(bytes((palette[i + 2], palette[i + 1], palette[i], 0)) for i in range(0, len(palette), 3))
    else:
        table = b""
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(height)):
        line = bytearray()
        acc, count = 0, 0
        for x in range(width):
            if bits <= 8:
                acc = acc << bits | image.getpixel((x, y))
                count += bits
                if count == 8:
                    line.append(acc)
                    acc, count = 0, 0
            else:
                r, g, b = image.getpixel((x, y))
                line += bytes((b, g, r))
        xor += line + b"\0" * (-len(line) % 4)
        bitsline = bytearray((width + 7) // 8)
        for x in range(width):
            if (x, y) in transparent:
                bitsline[x // 8] |= 0x80 >> (x % 8)
        mask += bitsline + b"\0" * (-len(bitsline) % 4)
    info = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, bits, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + table + bytes(xor) + bytes(mask)


def icon_file(entries, kind=1):
    """entries: (width byte, colour count byte, image data)."""
    head = struct.pack("<HHH", 0, kind, len(entries))
    offset = 6 + 16 * len(entries)
    directory = b""
    for width, colours, data in entries:
        hot_x, hot_y = (1, 2) if kind == 2 else (1, 32)
        directory += struct.pack("<BBBBHHII", width, width, colours, 0, hot_x, hot_y, len(data), offset)
        offset += len(data)
    return head + directory + b"".join(data for _, _, data in entries)


def icon_entry_image(size, bits, seed):
    """A paletted (bits <= 8) or RGB (24) picture whose top-left 3 x 3 pixels are transparent."""
    if bits <= 8:
        image = paletted(size, size, 1 << bits, seed)
        # Transparent pixels hold index 0, which must be black for the AND/XOR pair to show the background.
        palette = image.getpalette()
        palette[0:3] = [0, 0, 0]
        image.putpalette(palette)
        for y in range(3):
            for x in range(3):
                image.putpixel((x, y), 0)
    else:
        image = test_card(size, size, seed)
        for y in range(3):
            for x in range(3):
                image.putpixel((x, y), (0, 0, 0))
    transparent = {(x, y) for x in range(3) for y in range(3)}
    on_white = image.convert("RGB")
    for x, y in transparent:
        on_white.putpixel((x, y), (255, 255, 255))
    return icon_dib(image, bits, transparent), on_white


def make_icons(out):
    e16, ref16 = icon_entry_image(16, 4, 10)
    e48, _ = icon_entry_image(48, 24, 11)
    open(os.path.join(out, "icon_48_16.ico"), "wb").write(icon_file([(48, 0, e48), (16, 16, e16)]))
    reference_of(out, "icon_48_16.ico", ref16)

    # The first 32-pixel entry with at least 16 colours wins; the 256-colour one (count byte 0) and
    # the 2-colour one do not qualify. The 256-colour entry's data is broken: choosing it would fail.
    e32_4, ref32 = icon_entry_image(32, 4, 12)
    e32_1, _ = icon_entry_image(32, 1, 13)
    broken = b"\0" * 64
    entries = [(16, 16, e16), (32, 0, broken), (32, 2, e32_1), (32, 16, e32_4), (48, 0, e48)]
    open(os.path.join(out, "icon_pick32.ico"), "wb").write(icon_file(entries))
    reference_of(out, "icon_pick32.ico", ref32)

    e24, ref24 = icon_entry_image(24, 24, 14)
    open(os.path.join(out, "cursor.cur"), "wb").write(icon_file([(24, 0, e24)], kind=2))
    reference_of(out, "cursor.cur", ref24)

    # PIL writes PNG image data. Alpha is 0 or 255 only, so drawing on white is exact.
    card = test_card(40, 40, 15).convert("RGBA")
    for y in range(10):
        for x in range(40):
            card.putpixel((x, y), (0, 0, 0, 0))
    card.save(os.path.join(out, "icon_png.ico"), sizes=[(40, 40)])
    on_white = Image.new("RGBA", card.size, (255, 255, 255, 255))
    on_white.alpha_composite(card)
    reference_of(out, "icon_png.ico", on_white)


# ---------------------------------------------------------------- GIF

class BitWriter:
    def __init__(self):
        self.data = bytearray()
        self.acc = 0
        self.count = 0

    def put(self, code, width):
        self.acc |= code << self.count
        self.count += width
        while self.count >= 8:
            self.data.append(self.acc & 0xFF)
            self.acc >>= 8
            self.count -= 8

    def bytes(self):
        return bytes(self.data) + (bytes((self.acc,)) if self.count else b"")


def lzw_encode_without_reset(indices, min_code_size):
    """GIF LZW that never clears again: once the table is full, codes stay 12 bits wide."""
    clear = 1 << min_code_size
    writer = BitWriter()
    width = min_code_size + 1
    writer.put(clear, width)
    table = {}
    next_code = clear + 2
    prefix = indices[0]
    for value in indices[1:]:
        key = (prefix, value)
        if key in table:
            prefix = table[key]
            continue
        writer.put(prefix, width)
        if next_code < 4096:
            table[key] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        prefix = value
    writer.put(prefix, width)
    writer.put(clear + 1, width)
    return writer.bytes()


def sub_blocks(data):
    return b"".join(bytes((len(data[i:i + 255]),)) + data[i:i + 255] for i in range(0, len(data), 255)) + b"\0"


def make_gifs(out):
    paletted(40, 30, 256).save(os.path.join(out, "gif_basic.gif"), interlace=0, optimize=False)
    paletted(33, 41, 256, seed=6).save(os.path.join(out, "gif_interlaced.gif"), interlace=1, optimize=False)
    # Optimised: the table shrinks to the colours used, and the LZW codes start at 3 and 5 bits.
    paletted(21, 17, 2, seed=7).save(os.path.join(out, "gif_2colour.gif"), interlace=0, optimize=True)
    paletted(23, 19, 16, seed=8).save(os.path.join(out, "gif_16colour.gif"), interlace=0, optimize=True)
    frames = [paletted(25, 20, 64, seed=s) for s in (20, 21, 22)]
    frames[0].save(os.path.join(out, "gif_animated.gif"), save_all=True, append_images=frames[1:], duration=100,
                   loop=0, comment=b"three frames", optimize=False)
    magick(os.path.join(out, "bmp_24bit.bmp"), "-colors", "200", os.path.join(out, "gif_magick.gif"))
    for name in ("gif_basic.gif", "gif_interlaced.gif", "gif_2colour.gif", "gif_16colour.gif", "gif_animated.gif",
                 "gif_magick.gif"):
        reference_of(out, name)

    # A 20 x 10 frame on a 50 x 40 screen at (5, 3): the reference is the frame alone.
    small = os.path.join(out, "gif_frame.gif")
    paletted(20, 10, 32, seed=9).save(small, interlace=0, optimize=False)
    reference_of(out, "gif_frame.gif")
    data = bytearray(open(small, "rb").read())
    data[6:10] = struct.pack("<HH", 50, 40)
    descriptor = data.index(b"\x2c", 13 + 3 * (2 << (data[10] & 7)))
    data[descriptor + 1:descriptor + 5] = struct.pack("<HH", 5, 3)
    open(os.path.join(out, "gif_small_frame.gif"), "wb").write(data)

    # The first frame's colours in a local table instead of the global one.
    data = bytearray(open(small, "rb").read())
    table_bytes = 3 * (2 << (data[10] & 7))
    table = data[13:13 + table_bytes]
    local_flags = 0x80 | (data[10] & 7)
    data[10] &= 0x7F
    del data[13:13 + table_bytes]
    descriptor = data.index(b"\x2c", 13)
    data[descriptor + 9] = local_flags
    data[descriptor + 10:descriptor + 10] = table
    open(os.path.join(out, "gif_local_table.gif"), "wb").write(data)
    reference_of(out, "gif_local_table.gif")

    # Noise fills the LZW table quickly; the stream keeps its full table at 12 bits to the end.
    rnd = random.Random(30)
    width, height = 120, 90
    indices = [rnd.randrange(256) for _ in range(width * height)]
    palette = bytes(rnd.randrange(256) for _ in range(768))
    gif = b"GIF89a" + struct.pack("<HHBBB", width, height, 0xF7, 0, 0) + palette
    gif += b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, 0) + b"\x08"
    gif += sub_blocks(lzw_encode_without_reset(indices, 8)) + b"\x3b"
    open(os.path.join(out, "gif_full_table.gif"), "wb").write(gif)
    expected = Image.new("P", (width, height))
    expected.putpalette(palette)
    expected.putdata(indices)
    decoded = Image.open(os.path.join(out, "gif_full_table.gif"))
    assert list(decoded.getdata()) == indices, "PIL disagrees with the full-table GIF"
    reference_of(out, "gif_full_table.gif", expected)

    # Cut short inside the image data: about 17 of its 30 rows remain.
    data = open(os.path.join(out, "gif_basic.gif"), "rb").read()
    open(os.path.join(out, "gif_truncated.gif"), "wb").write(data[: len(data) * 8 // 10])


# ---------------------------------------------------------------- PCX

def make_pcx(out):
    # Width 17: PIL writes 18 bytes per line (8-bit) and 4 (1-bit, where 3 hold the width).
    paletted(17, 9, 256, seed=40).save(os.path.join(out, "pcx_8bit.pcx"))
    test_card(21, 8).convert("L").save(os.path.join(out, "pcx_grey.pcx"))
    for name in ("pcx_8bit.pcx", "pcx_grey.pcx"):
        reference_of(out, name)

    mono = os.path.join(out, "pcx_mono.pcx")
    test_card(17, 11).convert("1").save(mono)
    reference_of(out, "pcx_mono.pcx")
    data = bytearray(open(mono, "rb").read())
    data[1] = 3  # monochrome PCX is recognised as version 3
    open(mono, "wb").write(data)

    magick(os.path.join(out, "bmp_8bit.bmp"), "-type", "Palette", os.path.join(out, "pcx_magick.pcx"))
    reference_of(out, "pcx_magick.pcx")

    data = bytearray(open(os.path.join(out, "pcx_8bit.pcx"), "rb").read())
    data[-769] = 0
    open(os.path.join(out, "pcx_no_palette.pcx"), "wb").write(data)

    test_card(9, 4).save(os.path.join(out, "pcx_rgb.pcx"))


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    make_jpegs(out)
    make_bmps(out)
    make_icons(out)
    make_gifs(out)
    make_pcx(out)
    if len(sys.argv) > 2 and os.path.isdir(sys.argv[2]):
        copy_libjpeg_testimages(out, sys.argv[2])
    make_big_jpeg(out)
    open(os.path.join(out, "stamp"), "w").write("done\n")


if __name__ == "__main__":
    main()

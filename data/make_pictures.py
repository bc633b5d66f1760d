#!/usr/bin/python3
"""Draws the program's two pictures: the default picture that is split when none is opened, and the
preview board's background picture. Both are 480 x 360 baseline JFIF files with three components,
padded with a comment segment to the exact sizes the program carries.

    /usr/bin/python3 data/make_pictures.py    (writes data/default_picture.jpg and
                                               data/background_picture.jpg)
"""

import io
import math
import os
import random

from PIL import Image, ImageDraw, ImageFilter

WIDTH, HEIGHT = 480, 360
HERE = os.path.dirname(os.path.abspath(__file__))


def vertical_gradient(draw, box, top, bottom):
    left, y0, right, y1 = box
    for y in range(y0, y1):
        t = (y - y0) / max(1, y1 - y0 - 1)
        colour = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
        draw.line([(left, y), (right - 1, y)], fill=colour)


def hill(draw, base, amplitude, period, phase, colour):
    points = [(0, HEIGHT)]
    for x in range(0, WIDTH + 1, 4):
        y = base - amplitude * math.sin(x / period + phase) - amplitude / 3 * math.sin(x / (period / 2.7) + phase * 2)
        points.append((x, y))
    points.append((WIDTH, HEIGHT))
    draw.polygon(points, fill=colour)


def balloon(draw, cx, cy, radius, colours):
    stripe = 2 * radius / len(colours)
    for i, colour in enumerate(colours):
        x0 = cx - radius + i * stripe
        draw.rectangle([x0, cy - radius, x0 + stripe, cy + radius], fill=colour)
    mask = Image.new("L", (WIDTH, HEIGHT), 0)
    ImageDraw.Draw(mask).ellipse([cx - radius, cy - radius, cx + radius, cy + radius], fill=255)
    return mask


def tree(draw, x, ground, size, rng):
    draw.rectangle([x - size // 8, ground - size // 2, x + size // 8, ground], fill=(96, 62, 34))
    for layer in range(3):
        y = ground - size // 2 - layer * size // 3
        green = (34 + rng.randint(0, 30), 120 + rng.randint(0, 50), 48 + rng.randint(0, 20))
        draw.polygon([(x - size // 2 + layer * 4, y), (x + size // 2 - layer * 4, y), (x, y - size // 2)], fill=green)


def meadow_scene():
    """A summer valley: sky, sun, balloons, mountains, a lake, trees and a field of flowers."""
    rng = random.Random(34451)
    image = Image.new("RGB", (WIDTH, HEIGHT))
    draw = ImageDraw.Draw(image)
    vertical_gradient(draw, (0, 0, WIDTH, 240), (64, 140, 230), (190, 228, 255))
    draw.ellipse([360, 28, 430, 98], fill=(255, 226, 92))
    for cloud in range(6):
        cx, cy = rng.randint(20, 460), rng.randint(20, 120)
        for puff in range(5):
            r = rng.randint(10, 22)
            ox, oy = rng.randint(-30, 30), rng.randint(-8, 8)
            draw.ellipse([cx + ox - r, cy + oy - r, cx + ox + r, cy + oy + r], fill=(250, 250, 255))
    hill(draw, 190, 40, 60, 0.5, (112, 120, 170))
    draw.polygon([(150, 190), (210, 95), (270, 190)], fill=(130, 134, 180))
    draw.polygon([(193, 122), (210, 95), (227, 122)], fill=(245, 245, 250))
    hill(draw, 220, 22, 45, 2.0, (88, 160, 72))
    vertical_gradient(draw, (0, 236, WIDTH, 276), (70, 150, 210), (40, 110, 180))
    for ripple in range(60):
        x, y = rng.randint(0, WIDTH), rng.randint(238, 274)
        draw.line([(x, y), (x + rng.randint(6, 18), y)], fill=(170, 210, 240))
    hill(draw, 300, 14, 70, 4.0, (96, 178, 64))
    draw.rectangle([0, 300, WIDTH, HEIGHT], fill=(96, 178, 64))
    for x in range(12, WIDTH, 38):
        tree(draw, x + rng.randint(-8, 8), 262 + rng.randint(0, 30), rng.randint(30, 46), rng)
    palette = [(235, 64, 52), (250, 200, 40), (250, 250, 250), (190, 80, 220), (255, 140, 30), (60, 120, 235)]
    for flower in range(900):
        x, y = rng.randint(0, WIDTH), rng.randint(296, HEIGHT)
        r = 1 + (y - 290) // 25
        draw.ellipse([x - r, y - r, x + r, y + r], fill=rng.choice(palette))
    for cx, cy, r, colours in [(90, 70, 26, [(230, 50, 60), (250, 210, 40), (40, 160, 90), (40, 90, 220)]),
                               (290, 110, 18, [(250, 120, 30), (250, 250, 250), (190, 60, 200)])]:
        draw.line([(cx - r // 2, cy + r), (cx - r // 3, cy + r + r // 2)], fill=(80, 60, 40))
        draw.line([(cx + r // 2, cy + r), (cx + r // 3, cy + r + r // 2)], fill=(80, 60, 40))
        draw.rectangle([cx - r // 3, cy + r + r // 2, cx + r // 3, cy + r + r // 2 + r // 3], fill=(150, 100, 50))
        painted = Image.new("RGB", (WIDTH, HEIGHT))
        mask = balloon(ImageDraw.Draw(painted), cx, cy, r, colours)
        image.paste(painted, (0, 0), mask)
    return texture(image, rng, 6)


def harbour_scene():
    """An evening harbour: sunset sky, a striped lighthouse, sailing boats and coloured houses."""
    rng = random.Random(37977)
    image = Image.new("RGB", (WIDTH, HEIGHT))
    draw = ImageDraw.Draw(image)
    vertical_gradient(draw, (0, 0, WIDTH, 210), (48, 40, 120), (250, 150, 80))
    draw.ellipse([200, 150, 280, 230], fill=(255, 210, 110))
    for star in range(70):
        x, y = rng.randint(0, WIDTH), rng.randint(0, 90)
        draw.point((x, y), fill=(255, 255, 220))
    vertical_gradient(draw, (0, 200, WIDTH, HEIGHT), (230, 130, 90), (30, 60, 120))
    for glint in range(160):
        x, y = rng.randint(150, 330), rng.randint(205, 300)
        draw.line([(x, y), (x + rng.randint(4, 14), y)], fill=(255, 200, 120))
    draw.polygon([(0, 200), (0, 150), (40, 140), (130, 160), (160, 200)], fill=(60, 50, 70))
    for i, colour in enumerate([(220, 60, 50), (250, 250, 250)] * 4):
        draw.rectangle([60, 60 + i * 11, 80, 71 + i * 11], fill=colour)
    draw.polygon([(56, 60), (84, 60), (70, 42)], fill=(60, 40, 40))
    draw.rectangle([64, 50, 76, 60], fill=(255, 240, 150))
    houses = [(330, (230, 90, 70)), (362, (250, 200, 60)), (394, (90, 170, 220)), (426, (140, 200, 110)),
              (458, (220, 120, 200))]
    for x, colour in houses:
        top = 150 + rng.randint(-10, 10)
        draw.rectangle([x - 14, top, x + 14, 200], fill=colour)
        draw.polygon([(x - 17, top), (x + 17, top), (x, top - 16)], fill=(120, 50, 40))
        for wx in (x - 8, x + 3):
            draw.rectangle([wx, top + 10, wx + 5, top + 17], fill=(255, 235, 150))
    for x, y, sail in [(110, 260, (250, 250, 250)), (300, 280, (240, 80, 60)), (400, 240, (250, 210, 60)),
                       (190, 320, (80, 180, 240))]:
        draw.polygon([(x - 30, y), (x + 30, y), (x + 20, y + 12), (x - 20, y + 12)], fill=(120, 70, 40))
        draw.line([(x, y), (x, y - 50)], fill=(60, 40, 30), width=2)
        draw.polygon([(x + 2, y - 48), (x + 2, y - 4), (x + 30, y - 4)], fill=sail)
        draw.polygon([(x - 2, y - 40), (x - 2, y - 4), (x - 22, y - 4)], fill=sail)
    for gull in range(8):
        x, y = rng.randint(100, 460), rng.randint(30, 120)
        draw.arc([x - 8, y, x, y + 6], 180, 360, fill=(40, 30, 50))
        draw.arc([x, y, x + 8, y + 6], 180, 360, fill=(40, 30, 50))
    return texture(image, rng, 7)


def texture(image, rng, strength):
    """Softens the drawn edges a little and adds fine grain, as a photograph has."""
    image = image.filter(ImageFilter.SMOOTH)
    pixels = image.load()
    for y in range(HEIGHT):
        for x in range(WIDTH):
            d = rng.randint(-strength, strength)
            r, g, b = pixels[x, y]
            pixels[x, y] = (min(255, max(0, r + d)), min(255, max(0, g + d)), min(255, max(0, b + d)))
    return image


def encode(image, quality):
    out = io.BytesIO()
    image.save(out, "JPEG", quality=quality, optimize=False, progressive=False)
    return out.getvalue()


def padded_jpeg(image, size, comment):
    """The best quality whose file fits, then a comment segment after the JFIF header to fill up."""
    best = None
    for quality in range(40, 98):
        data = encode(image, quality)
        if len(data) + 4 <= size:
            best = data
    if best is None:
        raise SystemExit("picture does not fit in %d bytes" % size)
    # SOI (2 bytes), then the APP0 JFIF segment: FF E0 and its length.
    assert best[2:4] == b"\xff\xe0" and best[6:11] == b"JFIF\0"
    app0_end = 4 + (best[4] << 8 | best[5])
    pad = size - len(best)
    if pad > 65535 + 2:
        raise SystemExit("too much padding for one comment segment")
    text = (comment * (pad // len(comment) + 1))[: pad - 4]
    segment = b"\xff\xfe" + (pad - 2).to_bytes(2, "big") + text
    result = best[:app0_end] + segment + best[app0_end:]
    assert len(result) == size
    return result


def main():
    pictures = [
        ("default_picture.jpg", meadow_scene(), 34451),
        ("background_picture.jpg", harbour_scene(), 37977),
    ]
    for name, image, size in pictures:
        data = padded_jpeg(image, size, b"Zorvi picture splitter. ")
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)
        check = Image.open(io.BytesIO(data))
        print(name, len(data), check.size, check.mode, check.format)


if __name__ == "__main__":
    main()

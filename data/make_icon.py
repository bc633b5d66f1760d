#!/usr/bin/python3
"""Makes the application icon zorvi.ico: a picture cut into a 3 x 3 grid of coloured tiles."""
from pathlib import Path

from PIL import Image, ImageDraw

COLOURS = [(230, 90, 60), (250, 190, 50), (90, 180, 80), (60, 140, 220), (150, 90, 200),
           (240, 130, 170), (70, 200, 200), (200, 220, 80), (250, 150, 60)]


def tile_icon(size):
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    draw = ImageDraw.Draw(img)
    gap = max(1, size // 16)
    cell = (size - 4 * gap) // 3
    for row in range(3):
        for column in range(3):
            x = gap + column * (cell + gap)
            y = gap + row * (cell + gap)
            draw.rectangle([x, y, x + cell - 1, y + cell - 1], fill=COLOURS[row * 3 + column] + (255,))
    return img


tile_icon(32).save(Path(__file__).with_name("zorvi.ico"), sizes=[(32, 32), (16, 16)], append_images=[tile_icon(16)])

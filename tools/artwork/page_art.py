"""The shared page background with its seasonal corner, and the small page
pictures: the welcome emblem and the note bullet."""

import math

from PIL import Image, ImageDraw

from drawing import (NAVY, NOTE_YELLOW, WHITE, Layer, clock_face, gradient, mix, text)
from gif_writer import GifPicture
from inventory import PICTURES
from picture_frames import assemble, reduce_image, single_frame

PAGE_W, PAGE_H = 467, 335
BAND_BLUE = (196, 216, 244)
BAND_PALE = (238, 244, 252)
ACCENT = (58, 92, 170)
FOOTER_TOP = 291
SEASONAL_RECT = PICTURES["mainbkg"].frames[1].rect


def _band_edge(x: float) -> float:
    """Lower edge of the header band: a gentle swoosh, deeper on the left."""
    return 53 - 9 * math.sin(x / PAGE_W * math.pi / 2)


def _header(layer: Layer) -> None:
    points = [(x, _band_edge(x)) for x in range(0, PAGE_W + 1, 3)]
    band_shape = [(0, 0), (PAGE_W, 0)] + points[::-1]
    mask = Layer(PAGE_W, PAGE_H)
    mask.polygon(band_shape, fill=(255, 255, 255, 255))
    fill = gradient(PAGE_W * layer.scale, PAGE_H * layer.scale,
                    [(0.0, BAND_BLUE), (0.55, mix(BAND_BLUE, BAND_PALE, 0.6)), (1.0, BAND_PALE)],
                    vertical=False)
    layer.image.paste(fill, (0, 0), mask.image)
    layer.line(points, fill=ACCENT + (255,), width=1.6)
    layer.line([(x, y + 3) for x, y in points], fill=(170, 194, 232, 255), width=1)
    # Faint dial rings in the top-right corner echo the clock theme.
    for radius in (34, 44):
        layer.circle(438, -4, radius, outline=(255, 255, 255, 150), width=2)
    for tick in range(12):
        x0, y0 = 438 + 24 * math.sin(tick * math.pi / 6), -4 - 24 * math.cos(tick * math.pi / 6)
        x1, y1 = 438 + 29 * math.sin(tick * math.pi / 6), -4 - 29 * math.cos(tick * math.pi / 6)
        layer.line([(x0, y0), (x1, y1)], fill=(255, 255, 255, 170), width=1.5)
    clock_face(layer, 30, 25, 17, rim=(34, 66, 150), rim_light=(96, 140, 214),
               ticks=(40, 50, 80), hands=(20, 30, 70))


def _footer(layer: Layer) -> None:
    fill = gradient(PAGE_W * layer.scale, (PAGE_H - FOOTER_TOP) * layer.scale,
                    [(0.0, (246, 249, 254)), (1.0, (226, 235, 249))])
    layer.image.paste(fill, (0, FOOTER_TOP * layer.scale))
    layer.rect((0, FOOTER_TOP - 1, PAGE_W, FOOTER_TOP), fill=(188, 204, 232, 255))
    layer.rect((0, FOOTER_TOP, PAGE_W, FOOTER_TOP + 1), fill=(255, 255, 255, 255))


def page_background() -> Image.Image:
    layer = Layer(PAGE_W, PAGE_H, background=WHITE + (255,))
    _header(layer)
    _footer(layer)
    image = layer.reduce()
    draw = ImageDraw.Draw(image)
    text(draw, (56, 9), "Kalidor Clock", "sans-bold", 20, NAVY + (255,))
    text(draw, (58, 33), "Quick Introduction", "sans", 11, ACCENT + (255,))
    text(draw, (14, 312), "Kalidor Clock", "sans", 10, (120, 138, 176, 255), anchor="lm")
    return image


def _holly_leaf(layer: Layer, base: tuple[float, float], angle: float, length: float,
                colour, vein) -> None:
    """A holly leaf with scalloped spiky edges, pointing at `angle` degrees."""
    bx, by = base
    direction = math.radians(angle)
    ux, uy = math.cos(direction), math.sin(direction)
    nx, ny = -uy, ux
    outline = []
    spikes = 4
    for side in (1, -1):
        steps = range(spikes * 2 + 1) if side == 1 else range(spikes * 2, -1, -1)
        for step in steps:
            t = step / (spikes * 2)
            half_width = length * 0.28 * math.sin(math.pi * t)
            depth = 1.0 if step % 2 else 0.62
            outline.append((bx + ux * length * t + nx * half_width * depth * side,
                            by + uy * length * t + ny * half_width * depth * side))
    layer.polygon(outline, fill=colour)
    layer.line([(bx, by), (bx + ux * length * 0.9, by + uy * length * 0.9)], fill=vein, width=1)


def _snowflake(layer: Layer, cx: float, cy: float, r: float, colour) -> None:
    for arm in range(3):
        angle = math.radians(arm * 60 + 90)
        dx, dy = r * math.cos(angle), r * math.sin(angle)
        layer.line([(cx - dx, cy - dy), (cx + dx, cy + dy)], fill=colour, width=1.1)
    layer.circle(cx, cy, r * 0.3, fill=colour)


def seasonal_corner(base: Image.Image) -> Image.Image:
    """December dressing for the top-right corner: a holly sprig with
    berries and a few snowflakes over the header band."""
    left, top, width, height = SEASONAL_RECT
    layer = Layer(width, height)
    dark, mid, vein = (18, 110, 44, 255), (40, 150, 62, 255), (150, 210, 150, 255)
    sprig = (64, 24)
    _holly_leaf(layer, sprig, 196, 40, dark, vein)
    _holly_leaf(layer, sprig, 340, 36, mid, vein)
    _holly_leaf(layer, sprig, 262, 26, mid, vein)
    _holly_leaf(layer, sprig, 120, 22, dark, vein)
    for dx, dy in ((-5, 3), (3, 5), (-1, -3), (6, -2)):
        layer.circle(sprig[0] + dx, sprig[1] + dy, 4.6, fill=(140, 0, 16, 255))
        layer.circle(sprig[0] + dx, sprig[1] + dy, 3.9, fill=(214, 24, 38, 255))
        layer.circle(sprig[0] + dx - 1.3, sprig[1] + dy - 1.3, 1.2, fill=(255, 200, 200, 255))
    flake = (120, 158, 222, 255)
    for cx, cy, r in ((14, 10, 4.5), (26, 40, 3.4), (100, 8, 3.6), (100, 46, 4.2), (8, 32, 2.8),
                      (38, 6, 2.6)):
        _snowflake(layer, cx, cy, r, flake)
    corner = base.crop((left, top, left + width, top + height))
    corner.alpha_composite(layer.reduce())
    return corner


def build_mainbkg() -> GifPicture:
    spec = PICTURES["mainbkg"]
    page = page_background()
    table, indices = reduce_image(page, 256, keep=[WHITE, NAVY])
    shown = Image.new("RGBA", page.size)
    shown.putdata([table[i] + (255,) for i in indices])
    left, top, width, height = SEASONAL_RECT
    plain_corner = shown.crop((left, top, left + width, top + height)).convert("RGB")
    base_colours = sorted(set(plain_corner.getdata()))
    # The corner's own table keeps every colour of the plain background
    # exactly, so the frame's edges meet frame 0 without a seam.
    corner_table, corner_indices = reduce_image(seasonal_corner(shown), 256, keep=base_colours)
    return assemble(spec, table, [indices, corner_indices], [None, corner_table])


def build_image8() -> GifPicture:
    layer = Layer(55, 44, background=WHITE + (255,))
    layer.ellipse((7, 36, 49, 43), fill=(222, 228, 240, 255))
    clock_face(layer, 27.5, 21, 19.5, rim=(34, 66, 150), rim_light=(96, 140, 214),
               ticks=(40, 50, 80), hands=(20, 30, 70))
    return single_frame("image8", layer.reduce(), keep=[WHITE])


def build_bullet() -> GifPicture:
    """A small glowing light bulb, the hint mark of the note boxes."""
    layer = Layer(26, 28, background=NOTE_YELLOW + (255,))
    layer.circle(13, 10.5, 9.5, fill=(255, 240, 150, 255))
    layer.circle(13, 10, 7.2, fill=(255, 214, 40, 255), outline=(180, 120, 0, 255), width=1)
    layer.circle(10.8, 7.6, 2.2, fill=(255, 250, 215, 255))
    filament = [(11, 12.5), (12, 15), (13, 12.5), (14, 15), (15, 12.5)]
    layer.line(filament, fill=(190, 110, 0, 255), width=0.8)
    layer.rect((9.5, 16.5, 16.5, 18), fill=(200, 140, 0, 255))
    for y in (18, 20.2):
        layer.rounded((9, y, 17, y + 2.2), 1, fill=(150, 150, 160, 255),
                      outline=(90, 90, 100, 255), width=0.6)
    layer.rounded((11, 22.4, 15, 24.6), 1.2, fill=(70, 70, 80, 255))
    return single_frame("bullet", layer.reduce(), matte=NOTE_YELLOW, keep=[NOTE_YELLOW])

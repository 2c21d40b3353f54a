"""The animated seasonal greeting: a decorated fir tree on a snow mound
whose lights and star twinkle over three frames."""

import math

from PIL import Image

from drawing import WHITE, Layer, mix, pixels_of
from gif_writer import GifPicture
from inventory import PICTURES
from palette import reduce_colours
from picture_frames import assemble

SPEC = PICTURES["gifanimator"]
WIDTH, HEIGHT = SPEC.size
CENTRE_X = 76
# Each frame paints the whole figure inside the smallest frame rectangle:
# a frame is composed over the previous one only, so every frame must
# stand on its own.
FIGURE_RECT = SPEC.frames[-1].rect
TIERS = ((24, 70, 24), (52, 112, 38), (86, 152, 52), (120, 184, 62))  # top, base, half width
LIGHT_COLOURS = ((236, 40, 40), (255, 210, 40), (60, 130, 255), (250, 120, 220), (255, 150, 30))
COMMENT = b"Kalidor Clock season's greetings"


def _tier(layer: Layer, top: float, base: float, half: float) -> None:
    points = [(CENTRE_X, top)]
    scallops = 5
    for step in range(scallops + 1):
        x = CENTRE_X + half - 2 * half * step / scallops
        points.append((x, base + (2.5 if step % 2 else 0)))
    layer.polygon(points, fill=(22, 104, 48, 255))
    shade = [(CENTRE_X, top + 4), (CENTRE_X + half * 0.92, base - 1),
             (CENTRE_X + half * 0.2, base + 1)]
    layer.polygon(shade, fill=(14, 78, 36, 255))
    light = [(CENTRE_X - 1, top + 6), (CENTRE_X - half * 0.55, base - 4),
             (CENTRE_X - half * 0.35, base - 3)]
    layer.polygon(light, fill=(52, 142, 70, 255))


def _garland(layer: Layer, y_left: float, y_right: float, sag: float, half: float) -> None:
    points = []
    for step in range(21):
        t = step / 20
        x = CENTRE_X - half + 2 * half * t
        points.append((x, y_left + (y_right - y_left) * t + sag * math.sin(math.pi * t)))
    layer.line(points, fill=(230, 190, 60, 255), width=1.8)
    layer.line([(x, y - 0.6) for x, y in points], fill=(255, 240, 160, 255), width=0.6)


def _star(layer: Layer, cx: float, cy: float, glow: float) -> None:
    points = []
    for corner in range(10):
        angle = math.radians(corner * 36 - 90)
        r = 12 if corner % 2 == 0 else 5
        points.append((cx + r * math.cos(angle), cy + r * math.sin(angle)))
    layer.polygon(points, fill=(214, 150, 10, 255))
    inner = [(cx + (x - cx) * 0.7, cy + (y - cy) * 0.7 + 0.5) for x, y in points]
    layer.polygon(inner, fill=mix((255, 214, 60), (255, 255, 230), glow) + (255,))
    layer.circle(cx, cy, 2.2 + glow, fill=(255, 255, 240, 255))


def _light_spots() -> list[tuple[float, float]]:
    spots = []
    for top, base, half in TIERS:
        rows = 2 if base - top > 40 else 1
        for row in range(rows):
            y = base - 9 - row * 16
            reach = half * (y - top) / (base - top) - 9
            count = max(2, int(reach / 11))
            for k in range(count + 1):
                spots.append((CENTRE_X - reach + 2 * reach * k / count, y + (k % 2) * 3))
    return spots


def _lights(layer: Layer, phase: int) -> None:
    for number, (x, y) in enumerate(_light_spots()):
        colour = LIGHT_COLOURS[(number + phase) % len(LIGHT_COLOURS)]
        lit = (number + phase) % 3 != 0
        if lit:
            layer.circle(x, y, 3.6, fill=mix(colour, (22, 104, 48), 0.45) + (255,))
            layer.circle(x, y, 2.4, fill=colour + (255,))
            layer.circle(x - 0.7, y - 0.7, 0.9, fill=mix(colour, WHITE, 0.75) + (255,))
        else:
            layer.circle(x, y, 2.2, fill=mix(colour, (0, 0, 0), 0.45) + (255,))


def _present(layer: Layer, box, paper, ribbon) -> None:
    x0, y0, x1, y1 = box
    layer.rect(box, fill=paper + (255,))
    layer.rect((x0, y0, x1, y0 + 2), fill=mix(paper, WHITE, 0.3) + (255,))
    middle = (x0 + x1) / 2
    layer.rect((middle - 1.5, y0, middle + 1.5, y1), fill=ribbon + (255,))
    layer.rect((x0, (y0 + y1) / 2 - 1.5, x1, (y0 + y1) / 2 + 1.5), fill=ribbon + (255,))
    layer.ellipse((middle - 6, y0 - 4, middle, y0 + 1), outline=ribbon + (255,), width=1.5)
    layer.ellipse((middle, y0 - 4, middle + 6, y0 + 1), outline=ribbon + (255,), width=1.5)


def _snow(layer: Layer) -> None:
    layer.ellipse((4, 186, 136, 216), fill=(214, 226, 244, 255))
    layer.ellipse((8, 186, 132, 212), fill=(246, 250, 255, 255))
    layer.ellipse((30, 189, 80, 199), fill=WHITE + (255,))


def _flakes(layer: Layer) -> None:
    for x, y, r in ((12, 40, 2.2), (126, 30, 2.6), (20, 110, 1.8), (134, 96, 2.2),
                    (8, 160, 2.4), (132, 150, 1.8), (36, 16, 1.6), (110, 12, 2.0)):
        for arm in range(3):
            angle = math.radians(arm * 60 + 90)
            dx, dy = r * 1.6 * math.cos(angle), r * 1.6 * math.sin(angle)
            layer.line([(x - dx, y - dy), (x + dx, y + dy)], fill=(150, 180, 230, 255), width=0.9)


def tree_frame(phase: int) -> Image.Image:
    layer = Layer(WIDTH, HEIGHT)
    _snow(layer)
    _flakes(layer)
    layer.rect((CENTRE_X - 7, 178, CENTRE_X + 7, 196), fill=(110, 66, 30, 255))
    layer.rect((CENTRE_X - 7, 178, CENTRE_X - 3, 196), fill=(140, 90, 44, 255))
    for top, base, half in TIERS:
        _tier(layer, top, base, half)
    for (top, base, half), sag in zip(TIERS[1:], (7, 8, 9)):
        y = top + (base - top) * 0.55
        reach = half * (y - top) / (base - top)
        _garland(layer, y - 4, y + 4, sag, reach)
    _lights(layer, phase)
    _star(layer, CENTRE_X, 20, (0.0, 0.6, 1.0)[phase])
    _present(layer, (28, 188, 52, 206), (200, 30, 40), (250, 214, 80))
    _present(layer, (98, 184, 126, 206), (40, 90, 200), (240, 240, 255))
    _present(layer, (52, 196, 66, 208), (60, 160, 80), (230, 40, 40))
    return layer.reduce()


def _frame_pixels(image: Image.Image, rect) -> list:
    left, top, width, height = rect
    return pixels_of(image.crop((left, top, left + width, top + height)))


def _check_inside_figure_rect(image: Image.Image) -> None:
    left, top, width, height = FIGURE_RECT
    alpha = image.getchannel("A")
    bbox = alpha.point(lambda a: 255 if a >= 128 else 0).getbbox()
    outside = bbox and (bbox[0] < left or bbox[1] < top
                        or bbox[2] > left + width or bbox[3] > top + height)
    if outside:
        raise ValueError(f"seasonal figure {bbox} leaves the smallest frame rectangle")


def build_gifanimator() -> GifPicture:
    images = [tree_frame(phase) for phase in range(len(SPEC.frames))]
    pixel_runs = []
    for image, frame in zip(images, SPEC.frames):
        _check_inside_figure_rect(image)
        pixel_runs.append(_frame_pixels(image, frame.rect))
    silhouettes = {tuple(pixel is None for pixel in pixels_of(image)) for image in images}
    if len(silhouettes) != 1:
        # A frame leaves the previous one visible through its transparent
        # pixels, so the see-through area must be the same in every frame.
        raise ValueError("seasonal frames differ in their see-through area")
    combined = [pixel for run in pixel_runs for pixel in run]
    table, indices = reduce_colours(combined, SPEC.table_size, SPEC.transparent, keep=[WHITE])
    frames, start = [], 0
    for run in pixel_runs:
        frames.append(indices[start:start + len(run)])
        start += len(run)
    return assemble(SPEC, table, frames, comment=COMMENT)

"""Drawing helpers shared by the pictures: fonts, supersampled layers,
clock faces, classic window chrome, and the hand-off to colour reduction."""

import math
from functools import lru_cache
from typing import Optional, Sequence

from PIL import Image, ImageDraw, ImageFont

Colour = tuple[int, int, int]

FONT_FILES = {
    "sans": "dejavu/DejaVuSans.ttf",
    "sans-bold": "dejavu/DejaVuSans-Bold.ttf",
}
FONT_ROOT = "/usr/share/fonts/truetype/"
SUPERSAMPLE = 4

# Classic desktop colours.
BLACK: Colour = (0, 0, 0)
WHITE: Colour = (255, 255, 255)
FACE: Colour = (212, 208, 200)
SHADOW: Colour = (128, 128, 128)
NAVY: Colour = (0, 0, 128)
TITLE_BLUE: Colour = (10, 36, 106)
OPTION_GREY: Colour = (231, 231, 231)
NOTE_YELLOW: Colour = (255, 255, 202)


@lru_cache(maxsize=None)
def font(name: str, size: int) -> ImageFont.FreeTypeFont:
    return ImageFont.truetype(FONT_ROOT + FONT_FILES[name], size)


def text(draw: ImageDraw.ImageDraw, xy, words: str, face: str, size: int, fill,
         crisp: bool = False, anchor: str = "la") -> None:
    """Text at 1x. Crisp text is drawn without anti-aliasing, for pictures
    whose small colour tables have no room for edge shades."""
    draw.fontmode = "1" if crisp else "L"
    draw.text(xy, words, font=font(face, size), fill=fill, anchor=anchor)


class Layer:
    """An RGBA drawing surface in 1x coordinates that is drawn at
    SUPERSAMPLE times the size and reduced afterwards, for smooth edges."""

    def __init__(self, width: int, height: int, background=(0, 0, 0, 0),
                 scale: int = SUPERSAMPLE) -> None:
        self.width, self.height, self.scale = width, height, scale
        self.image = Image.new("RGBA", (width * scale, height * scale), background)
        self.draw = ImageDraw.Draw(self.image)

    def _s(self, values: Sequence[float]) -> list[float]:
        return [v * self.scale for v in values]

    def _w(self, width: float) -> int:
        return max(1, round(width * self.scale))

    def rect(self, box, fill=None, outline=None, width: float = 1) -> None:
        x0, y0, x1, y1 = self._s(box)
        self.draw.rectangle((x0, y0, x1 - 1, y1 - 1), fill=fill, outline=outline,
                            width=self._w(width))

    def rounded(self, box, radius: float, fill=None, outline=None, width: float = 1) -> None:
        x0, y0, x1, y1 = self._s(box)
        self.draw.rounded_rectangle((x0, y0, x1 - 1, y1 - 1), radius * self.scale, fill=fill,
                                    outline=outline, width=self._w(width))

    def ellipse(self, box, fill=None, outline=None, width: float = 1) -> None:
        x0, y0, x1, y1 = self._s(box)
        self.draw.ellipse((x0, y0, x1 - 1, y1 - 1), fill=fill, outline=outline,
                          width=self._w(width))

    def circle(self, cx: float, cy: float, r: float, **style) -> None:
        self.ellipse((cx - r, cy - r, cx + r, cy + r), **style)

    def polygon(self, points, fill=None, outline=None) -> None:
        self.draw.polygon([tuple(self._s(p)) for p in points], fill=fill, outline=outline)

    def line(self, points, fill, width: float = 1) -> None:
        self.draw.line([tuple(self._s(p)) for p in points], fill=fill, width=self._w(width))
        for x, y in (points[0], points[-1]):
            r = width / 2
            self.ellipse((x - r, y - r, x + r, y + r), fill=fill)

    def reduce(self) -> Image.Image:
        return self.image.resize((self.width, self.height), Image.LANCZOS)


def gradient(width: int, height: int, stops: Sequence[tuple[float, Colour]],
             vertical: bool = True) -> Image.Image:
    """Linear gradient through colour stops given at positions 0..1."""
    image = Image.new("RGBA", (width, height))
    draw = ImageDraw.Draw(image)
    length = height if vertical else width
    for step in range(length):
        t = step / max(1, length - 1)
        colour = _colour_at(stops, t)
        if vertical:
            draw.line((0, step, width - 1, step), fill=colour + (255,))
        else:
            draw.line((step, 0, step, height - 1), fill=colour + (255,))
    return image


def _colour_at(stops: Sequence[tuple[float, Colour]], t: float) -> Colour:
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            f = 0 if p1 == p0 else (t - p0) / (p1 - p0)
            return mix(c0, c1, f)
    return stops[-1][1]


def mix(a: Colour, b: Colour, f: float) -> Colour:
    return tuple(round(x + (y - x) * f) for x, y in zip(a, b))  # type: ignore[return-value]


def hand_point(cx: float, cy: float, length: float, minutes_angle: float) -> tuple[float, float]:
    """End of a clock hand; the angle is in minutes on the dial (0 = twelve)."""
    angle = math.radians(minutes_angle * 6)
    return cx + length * math.sin(angle), cy - length * math.cos(angle)


def clock_face(layer: Layer, cx: float, cy: float, r: float, *, rim: Colour, rim_light: Colour,
               dial: Colour = WHITE, ticks: Colour = (40, 40, 60), hands: Colour = (20, 20, 40),
               second: Optional[Colour] = (200, 30, 30), time: tuple[int, int, int] = (10, 9, 36),
               numerals: bool = False, tick_count: int = 12) -> None:
    """An analog clock: rim with a highlight, dial, hour ticks and hands."""
    rim_width = max(1.0, r * 0.16)
    layer.circle(cx, cy, r, fill=rim)
    layer.circle(cx - r * 0.05, cy - r * 0.05, r - rim_width * 0.45, fill=rim_light)
    layer.circle(cx, cy, r - rim_width, fill=dial)
    inner = r - rim_width
    for tick in range(tick_count):
        minutes = tick * 60 / tick_count
        major = tick % (tick_count // 4) == 0
        outer_end = hand_point(cx, cy, inner * 0.9, minutes)
        inner_end = hand_point(cx, cy, inner * (0.68 if major else 0.78), minutes)
        layer.line([inner_end, outer_end], ticks, width=max(0.8, inner * (0.1 if major else 0.06)))
    hours, minutes, seconds = time
    hour_angle = (hours % 12) * 5 + minutes / 12
    layer.line([(cx, cy), hand_point(cx, cy, inner * 0.5, hour_angle)], hands,
               width=max(1.0, inner * 0.12))
    layer.line([(cx, cy), hand_point(cx, cy, inner * 0.74, minutes + seconds / 60)], hands,
               width=max(0.9, inner * 0.08))
    if second is not None:
        tail = hand_point(cx, cy, -inner * 0.15, seconds)
        tip = hand_point(cx, cy, inner * 0.8, seconds)
        layer.line([tail, tip], second, width=max(0.6, inner * 0.035))
    layer.circle(cx, cy, max(0.8, inner * 0.08), fill=second or hands)


DARK_SHADOW: Colour = (64, 64, 64)


def bevel(draw: ImageDraw.ImageDraw, box, raised: bool = True) -> None:
    """Classic two-pixel 3-D frame inside a box (x0, y0, x1, y1), exclusive end."""
    x0, y0, x1, y1 = box
    if raised:
        outer = (FACE, DARK_SHADOW)
        inner = (WHITE, SHADOW)
    else:
        outer = (SHADOW, WHITE)
        inner = (DARK_SHADOW, FACE)
    for inset, (light, dark) in enumerate((outer, inner)):
        left, top, right, bottom = x0 + inset, y0 + inset, x1 - 1 - inset, y1 - 1 - inset
        draw.line((left, bottom, left, top, right, top), fill=light)
        draw.line((left, bottom, right, bottom, right, top), fill=dark)


def thin_bevel(draw: ImageDraw.ImageDraw, box, raised: bool = True) -> None:
    """One-pixel frame, as around the tray area and status panes."""
    x0, y0, x1, y1 = box
    light, dark = (WHITE, SHADOW) if raised else (SHADOW, WHITE)
    draw.line((x0, y1 - 1, x0, y0, x1 - 1, y0), fill=light)
    draw.line((x0, y1 - 1, x1 - 1, y1 - 1, x1 - 1, y0), fill=dark)


def seven_segment(draw: ImageDraw.ImageDraw, x: int, y: int, digits: str, height: int,
                  on: Colour, off: Optional[Colour] = None, thickness: int = 2) -> int:
    """Digital clock digits drawn as segments; returns the x after the text."""
    segments = {"0": "abcdef", "1": "bc", "2": "abged", "3": "abgcd", "4": "fgbc", "5": "afgcd",
                "6": "afgedc", "7": "abc", "8": "abcdefg", "9": "abcdfg"}
    width = height // 2 + thickness
    half = height // 2
    t = thickness
    for char in digits:
        if char == ":":
            for cy in (y + half // 2, y + half + half // 2):
                draw.rectangle((x, cy - t // 2, x + t - 1, cy - t // 2 + t - 1), fill=on)
            x += t + 3
            continue
        if char == " ":
            x += width + 3
            continue
        shapes = {
            "a": (x + t, y, x + width - t - 1, y + t - 1),
            "g": (x + t, y + half - t // 2, x + width - t - 1, y + half - t // 2 + t - 1),
            "d": (x + t, y + height - t, x + width - t - 1, y + height - 1),
            "f": (x, y + t, x + t - 1, y + half - 1),
            "b": (x + width - t, y + t, x + width - 1, y + half - 1),
            "e": (x, y + half + 1, x + t - 1, y + height - t - 1),
            "c": (x + width - t, y + half + 1, x + width - 1, y + height - t - 1),
        }
        for name, box in shapes.items():
            colour = on if name in segments[char] else off
            if colour is not None:
                draw.rectangle(box, fill=colour)
        x += width + 3
    return x


def pixels_of(image: Image.Image, matte: Colour = WHITE) -> list[Optional[Colour]]:
    """Opaque colours of an RGBA picture, half-covered edges blended onto the
    colour the picture will stand on; mostly uncovered pixels become None."""
    out: list[Optional[Colour]] = []
    for r, g, b, a in image.convert("RGBA").getdata():
        if a < 128:
            out.append(None)
        elif a == 255:
            out.append((r, g, b))
        else:
            f = a / 255
            out.append((round(r * f + matte[0] * (1 - f)), round(g * f + matte[1] * (1 - f)),
                        round(b * f + matte[2] * (1 - f))))
    return out

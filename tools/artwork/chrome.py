"""Classic desktop window parts drawn pixel by pixel at 1x, so they stay
crisp in small colour tables: frames, title bars, buttons, check boxes,
edit fields, the taskbar and the mouse pointer."""

from typing import Optional

from PIL import Image, ImageDraw

from drawing import (BLACK, FACE, SHADOW, TITLE_BLUE, WHITE, Colour, bevel, gradient,
                     text, thin_bevel)
from sprites import ARROW, plot

TITLE_END: Colour = (166, 202, 240)
TITLE_HEIGHT = 18
UI_FONT = "sans"
UI_BOLD = "sans-bold"
UI_SIZE = 11


def title_bar(image: Image.Image, box, title: str, smooth: bool, crisp: bool) -> None:
    x0, y0, x1, y1 = box
    draw = ImageDraw.Draw(image)
    if smooth:
        image.paste(gradient(x1 - x0, y1 - y0, [(0.0, TITLE_BLUE), (1.0, TITLE_END)],
                             vertical=False).convert(image.mode), (x0, y0))
    else:
        draw.rectangle((x0, y0, x1 - 1, y1 - 1), fill=TITLE_BLUE)
    text(draw, (x0 + 4, (y0 + y1) // 2), title, UI_BOLD, UI_SIZE, WHITE, crisp=crisp, anchor="lm")
    close = (x1 - 18, y0 + 2, x1 - 2, y1 - 2)
    draw.rectangle((close[0], close[1], close[2] - 1, close[3] - 1), fill=FACE)
    bevel(draw, close)
    cx, cy = (close[0] + close[2]) // 2 - 1, (close[1] + close[3]) // 2 - 1
    for offset in (0, 1):
        draw.line((cx - 3 + offset, cy - 3, cx + 3 + offset - 1, cy + 3), fill=BLACK)
        draw.line((cx + 3 + offset - 1, cy - 3, cx - 3 + offset, cy + 3), fill=BLACK)


def window(image: Image.Image, box, title: str, smooth: bool = True, crisp: bool = False):
    """A raised window with a title bar; returns its client box."""
    x0, y0, x1, y1 = box
    draw = ImageDraw.Draw(image)
    draw.rectangle((x0, y0, x1 - 1, y1 - 1), fill=FACE)
    bevel(draw, box)
    title_bar(image, (x0 + 4, y0 + 4, x1 - 4, y0 + 4 + TITLE_HEIGHT), title, smooth, crisp)
    return (x0 + 4, y0 + 5 + TITLE_HEIGHT, x1 - 4, y1 - 4)


def button(draw: ImageDraw.ImageDraw, box, label: str, crisp: bool = False,
           default: bool = False) -> None:
    x0, y0, x1, y1 = box
    draw.rectangle((x0, y0, x1 - 1, y1 - 1), fill=FACE)
    if default:
        draw.rectangle((x0, y0, x1 - 1, y1 - 1), outline=BLACK)
        x0, y0, x1, y1 = x0 + 1, y0 + 1, x1 - 1, y1 - 1
    bevel(draw, (x0, y0, x1, y1))
    text(draw, ((x0 + x1) // 2, (y0 + y1) // 2), label, UI_FONT, UI_SIZE, BLACK, crisp=crisp,
         anchor="mm")


def check_box(draw: ImageDraw.ImageDraw, x: int, y: int, checked: bool, label: str,
              crisp: bool = False, label_colour: Colour = BLACK) -> None:
    draw.rectangle((x + 2, y + 2, x + 10, y + 10), fill=WHITE)
    bevel(draw, (x, y, x + 13, y + 13), raised=False)
    if checked:
        for dx, dy in ((3, 5), (4, 6), (5, 7), (6, 6), (7, 5), (8, 4), (9, 3)):
            draw.line((x + dx, y + dy, x + dx, y + dy + 2), fill=BLACK)
    text(draw, (x + 19, y + 6), label, UI_FONT, UI_SIZE, label_colour, crisp=crisp, anchor="lm")


def edit_field(draw: ImageDraw.ImageDraw, box, value: str, crisp: bool = False) -> None:
    x0, y0, x1, y1 = box
    draw.rectangle((x0, y0, x1 - 1, y1 - 1), fill=WHITE)
    bevel(draw, box, raised=False)
    text(draw, (x0 + 4, (y0 + y1) // 2), value, UI_FONT, UI_SIZE, BLACK, crisp=crisp, anchor="lm")


def taskbar(draw: ImageDraw.ImageDraw, box) -> None:
    """The bar itself: face colour with the highlight line along its top."""
    x0, y0, x1, y1 = box
    draw.rectangle((x0, y0, x1 - 1, y1 - 1), fill=FACE)
    draw.line((x0, y0 + 1, x1 - 1, y0 + 1), fill=WHITE)


def tray_area(draw: ImageDraw.ImageDraw, box) -> None:
    x0, y0, x1, y1 = box
    draw.rectangle((x0, y0, x1 - 1, y1 - 1), fill=FACE)
    thin_bevel(draw, box, raised=False)


def pointer(draw: ImageDraw.ImageDraw, x: int, y: int, outline: Colour = BLACK,
            fill: Optional[Colour] = WHITE) -> None:
    colours = {"X": outline}
    if fill is not None:
        colours["."] = fill
    plot(draw, x, y, ARROW, colours)


def separator(draw: ImageDraw.ImageDraw, x0: int, x1: int, y: int) -> None:
    draw.line((x0, y, x1, y), fill=SHADOW)
    draw.line((x0, y + 1, x1, y + 1), fill=WHITE)

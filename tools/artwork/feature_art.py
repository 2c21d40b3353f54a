"""Pictures of the clock's features: the preferences page, the skins fan,
dragging skins onto the list, and the calendar of the Cyclara page.
All of them have small colour tables, so they are drawn without smoothing."""

import math

from PIL import Image, ImageDraw

from chrome import UI_BOLD, UI_FONT, UI_SIZE, button, check_box, pointer, window
from drawing import (BLACK, DARK_SHADOW, FACE, NAVY, SHADOW, TITLE_BLUE, WHITE, bevel, text,
                     thin_bevel)
from gif_writer import GifPicture
from picture_frames import single_frame
from sprites import FOLDER_ICON, PLUS_BADGE, ZIP_ICON, plot

HIGHLIGHT_RED = (214, 32, 32)
CLOCK_BLUE = (34, 66, 150)


def _tabs(draw: ImageDraw.ImageDraw, x: int, y: int, labels, selected: int) -> int:
    """Tab headers on a page frame starting at (x, y + 18); returns the page top."""
    page_top = y + 18
    for number, label in enumerate(labels):
        width = 14 + len(label) * 7
        top = y if number == selected else y + 2
        draw.rectangle((x, top, x + width - 1, page_top), fill=FACE)
        draw.line((x, page_top, x, top + 2, x + 2, top, x + width - 3, top), fill=WHITE)
        draw.line((x + width - 2, top + 1, x + width - 2, page_top - 1), fill=SHADOW)
        draw.line((x + width - 1, top + 2, x + width - 1, page_top - 1), fill=DARK_SHADOW)
        text(draw, (x + width // 2, (top + page_top) // 2 + 1), label, UI_FONT, UI_SIZE, BLACK,
             crisp=True, anchor="mm")
        x += width
    return page_top


def preferences_page() -> Image.Image:
    image = Image.new("RGBA", (282, 113), WHITE + (255,))
    client = window(image, (2, 2, 300, 140), "Kalidor Clock Preferences", smooth=False, crisp=True)
    draw = ImageDraw.Draw(image)
    page_top = _tabs(draw, client[0] + 4, client[1] + 3, ("General", "Appearance", "Alarms"), 0)
    draw.line((client[0] + 4, page_top, client[2], page_top), fill=WHITE)
    draw.line((client[0] + 4, page_top, client[0] + 4, client[3]), fill=WHITE)
    x, y = client[0] + 14, page_top + 10
    check_box(draw, x, y, True, "Run at Windows startup", crisp=True)
    check_box(draw, x, y + 21, True, "Always on top", crisp=True)
    check_box(draw, x, y + 42, False, "Show seconds", crisp=True)
    ring = (x - 7, y - 6, x + 172, y + 19)
    for inset in (0, 1):
        draw.rounded_rectangle((ring[0] + inset, ring[1] + inset, ring[2] - inset, ring[3] - inset),
                               8, outline=HIGHLIGHT_RED)
    return image


def build_image2() -> GifPicture:
    return single_frame("image2", preferences_page())


def _flat_hand(draw, cx, cy, length, minutes, colour, width) -> None:
    angle = math.radians(minutes * 6)
    draw.line((cx, cy, round(cx + length * math.sin(angle)), round(cy - length * math.cos(angle))),
              fill=colour, width=width)


def _ticks(draw, cx, cy, r, colour, count=12, size=2) -> None:
    for tick in range(count):
        angle = math.radians(tick * 360 / count)
        x, y = round(cx + r * math.sin(angle)), round(cy - r * math.cos(angle))
        draw.rectangle((x - size // 2, y - size // 2, x + (size - 1) // 2, y + (size - 1) // 2),
                       fill=colour)


def _skin(kind: str, size: int = 64) -> Image.Image:
    """One clock skin on its own transparent tile."""
    tile = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    draw = ImageDraw.Draw(tile)
    c = size // 2
    colours = {
        "classic": (BLACK, WHITE, BLACK, BLACK),
        "square": (NAVY, (70, 110, 200), WHITE, WHITE),
        "alarm": (HIGHLIGHT_RED, WHITE, BLACK, BLACK),
        "gold": ((218, 170, 30), WHITE, BLACK, NAVY),
        "night": (BLACK, NAVY, (218, 170, 30), WHITE),
        "wood": ((128, 128, 128), (218, 170, 30), BLACK, BLACK),
    }
    rim, dial, tick_colour, hands = colours[kind]
    if kind in ("square", "wood"):
        draw.rounded_rectangle((4, 4, size - 5, size - 5), 8, fill=rim)
        draw.rounded_rectangle((8, 8, size - 9, size - 9), 5, fill=dial)
    elif kind == "alarm":
        for side in (-1, 1):
            bx = c + side * 17
            draw.ellipse((bx - 9, 2, bx + 9, 20), fill=rim, outline=BLACK)
        draw.line((c - 22, size - 3, c - 14, size - 12), fill=BLACK, width=3)
        draw.line((c + 22, size - 3, c + 14, size - 12), fill=BLACK, width=3)
        draw.ellipse((8, 10, size - 9, size - 7), fill=rim, outline=BLACK)
        draw.ellipse((13, 15, size - 14, size - 12), fill=dial)
    else:
        draw.ellipse((4, 4, size - 5, size - 5), fill=rim)
        draw.ellipse((8, 8, size - 9, size - 9), fill=dial)
        if kind == "gold":
            draw.rectangle((c - 4, 0, c + 3, 5), fill=rim)
            draw.ellipse((c - 5, -4, c + 4, 4), outline=rim, width=2)
    cy = c + (2 if kind == "alarm" else 0)
    r = size // 2 - (16 if kind == "alarm" else 12)
    night = kind == "night"
    _ticks(draw, c, cy, r + 2, tick_colour, 4 if night else 12, 3 if night else 2)
    _flat_hand(draw, c, cy, r - 6, 52, hands, 3)
    _flat_hand(draw, c, cy, r - 1, 9, hands, 2)
    if kind in ("classic", "gold"):
        _flat_hand(draw, c, cy, r, 35, HIGHLIGHT_RED, 1)
    draw.ellipse((c - 2, cy - 2, c + 2, cy + 2), fill=hands)
    return tile


def skins_fan() -> Image.Image:
    """Skins spread like a hand of cards, the classic face in front."""
    image = Image.new("RGBA", (204, 196), (0, 0, 0, 0))
    pivot, distance = (102, 156), 100
    for kind, angle in (("night", -44), ("square", -22), ("alarm", 0), ("gold", 22),
                        ("wood", 44)):
        tile = _skin(kind)
        x = pivot[0] + distance * math.sin(math.radians(angle)) - tile.width / 2
        y = pivot[1] - distance * math.cos(math.radians(angle)) - tile.height / 2
        image.alpha_composite(tile, (round(x), round(y)))
    front = _skin("classic", 84)
    image.alpha_composite(front, (pivot[0] - front.width // 2, 196 - front.height - 12))
    return image


def build_image3() -> GifPicture:
    image = skins_fan()
    order = [(0, BLACK), (2, WHITE), (3, NAVY), (4, HIGHLIGHT_RED), (5, (218, 170, 30)),
             (6, (70, 110, 200)), (7, (128, 128, 128))]
    return single_frame("image3", image, pinned={index: colour for index, colour in order})


SKIN_NAMES = ("Classic", "Blue Square", "Red Alarm", "Gold Watch", "Night Glow")
ZIP_COLOURS = {"X": BLACK, ".": WHITE, "Y": (240, 200, 40), "y": (140, 100, 0)}


def _list_icon(draw, x, y) -> None:
    draw.ellipse((x, y, x + 11, y + 11), fill=CLOCK_BLUE)
    draw.ellipse((x + 2, y + 2, x + 9, y + 9), fill=WHITE)
    draw.line((x + 5, y + 5, x + 5, y + 3), fill=BLACK)
    draw.line((x + 5, y + 5, x + 7, y + 5), fill=BLACK)


def _skins_window(image: Image.Image) -> tuple[int, int]:
    client = window(image, (2, 4, 214, 170), "Kalidor Clock - Skins", smooth=False, crisp=True)
    draw = ImageDraw.Draw(image)
    box = (client[0] + 6, client[1] + 6, client[2] - 6, client[3] - 32)
    draw.rectangle((box[0], box[1], box[2] - 1, box[3] - 1), fill=WHITE)
    bevel(draw, box, raised=False)
    y = box[1] + 4
    for number, name in enumerate(SKIN_NAMES):
        if number == 1:
            draw.rectangle((box[0] + 3, y - 1, box[2] - 4, y + 14), fill=TITLE_BLUE)
        _list_icon(draw, box[0] + 6, y + 1)
        text(draw, (box[0] + 22, y + 7), name, UI_FONT, UI_SIZE,
             WHITE if number == 1 else BLACK, crisp=True, anchor="lm")
        y += 16
    # The insertion mark below the last skin shows where the dropped one goes.
    drop_line = y + 1
    draw.line((box[0] + 4, drop_line, box[2] - 5, drop_line), fill=BLACK, width=2)
    for left, label in ((client[0] + 6, "Add..."), (client[0] + 82, "Remove")):
        button(draw, (left, client[3] - 26, left + 70, client[3] - 4), label, crisp=True)
    return box[0] + 40, drop_line


def _file_window(image: Image.Image) -> tuple[int, int]:
    client = window(image, (226, 18, 457, 173), "Downloads", smooth=False, crisp=True)
    draw = ImageDraw.Draw(image)
    plot(draw, client[0] + 6, client[1] + 5, FOLDER_ICON, {"X": (128, 96, 0), "Y": (255, 232, 140),
                                                        "y": (240, 200, 80)})
    text(draw, (client[0] + 26, client[1] + 10), "C:\\Downloads", UI_FONT, UI_SIZE, BLACK,
         crisp=True, anchor="lm")
    area = (client[0] + 2, client[1] + 22, client[2] - 2, client[3] - 2)
    draw.rectangle((area[0], area[1], area[2] - 1, area[3] - 1), fill=WHITE)
    thin_bevel(draw, area, raised=False)
    files = ("aqua.zip", "retro.zip", "neon.zip", "marble.zip")
    y = area[1] + 6
    picked = (0, 0)
    for number, name in enumerate(files):
        plot(draw, area[0] + 6, y, ZIP_ICON, ZIP_COLOURS)
        if number == 1:
            width = len(name) * 7 + 4
            draw.rectangle((area[0] + 26, y + 3, area[0] + 26 + width, y + 16), fill=TITLE_BLUE)
            picked = (area[0] + 12, y + 8)
        text(draw, (area[0] + 29, y + 10), name, UI_FONT, UI_SIZE,
             WHITE if number == 1 else BLACK, crisp=True, anchor="lm")
        y += 24
    return picked


def _dashed_arc(draw, start, end, colour) -> None:
    (x0, y0), (x1, y1) = start, end
    control = ((x0 + x1) / 2, min(y0, y1) - 34)
    points = []
    for step in range(41):
        t = step / 40
        points.append(((1 - t) ** 2 * x0 + 2 * (1 - t) * t * control[0] + t * t * x1,
                       (1 - t) ** 2 * y0 + 2 * (1 - t) * t * control[1] + t * t * y1))
    for a, b in zip(points[::2], points[1::2]):
        draw.line((round(a[0]), round(a[1]), round(b[0]), round(b[1])), fill=colour, width=2)
    end_x, end_y = points[-1]
    draw.polygon([(end_x - 1, end_y + 5), (end_x - 7, end_y - 4), (end_x + 4, end_y - 3)],
                 fill=colour)


def drag_scene() -> Image.Image:
    image = Image.new("RGBA", (457, 173), WHITE + (255,))
    drop_x, drop_y = _skins_window(image)
    picked = _file_window(image)
    draw = ImageDraw.Draw(image)
    ghost = (drop_x + 56, drop_y - 14)
    _dashed_arc(draw, (picked[0] - 8, picked[1] - 6), (ghost[0] + 16, ghost[1] - 2), HIGHLIGHT_RED)
    plot(draw, ghost[0], ghost[1], ZIP_ICON, ZIP_COLOURS)
    pointer(draw, ghost[0] + 10, ghost[1] + 8)
    plot(draw, ghost[0] + 18, ghost[1] + 24, PLUS_BADGE, {"X": BLACK, ".": WHITE})
    return image


def build_image5() -> GifPicture:
    return single_frame("image5", drag_scene())


CRITICAL = (236, 96, 130)
CRITICAL_LIGHT = (255, 196, 214)
EXPECTED = (190, 232, 190)
TODAY = (40, 140, 60)


def calendar_view() -> Image.Image:
    image = Image.new("RGBA", (370, 112), WHITE + (255,))
    draw = ImageDraw.Draw(image)
    panel = (1, 1, 376, 111)
    draw.rectangle((panel[0], panel[1], panel[2] - 1, panel[3] - 1), fill=FACE)
    thin_bevel(draw, panel)
    draw.rectangle((4, 4, 198, 19), fill=TITLE_BLUE)
    text(draw, (12, 12), "<", UI_BOLD, UI_SIZE, WHITE, crisp=True, anchor="lm")
    text(draw, (101, 12), "May", UI_BOLD, UI_SIZE, WHITE, crisp=True, anchor="mm")
    text(draw, (190, 12), ">", UI_BOLD, UI_SIZE, WHITE, crisp=True, anchor="rm")
    grid = (4, 20, 198, 108)
    draw.rectangle((grid[0], grid[1], grid[2] - 1, grid[3] - 1), fill=WHITE)
    cell_w, header_h, cell_h = 27, 14, 14
    for column, name in enumerate(("Mo", "Tu", "We", "Th", "Fr", "Sa", "Su")):
        colour = HIGHLIGHT_RED if column >= 5 else NAVY
        x = grid[0] + 4 + column * cell_w + cell_w // 2
        text(draw, (x, grid[1] + 7), name, UI_FONT, 10, colour, crisp=True, anchor="mm")
    rule_y = grid[1] + header_h - 1
    draw.line((grid[0] + 2, rule_y, grid[2] - 3, rule_y), fill=SHADOW)
    first_column = 6
    for day in range(1, 32):
        slot = day - 1 + first_column
        if slot >= 5 * 7:
            slot -= 5 * 7
        column, row = slot % 7, slot // 7
        x = grid[0] + 4 + column * cell_w
        y = grid[1] + header_h + 1 + row * cell_h
        fill = None
        if 3 <= day <= 7:
            fill = CRITICAL if day in (4, 5) else CRITICAL_LIGHT
        elif 13 <= day <= 17:
            fill = EXPECTED
        if fill is not None:
            draw.rectangle((x, y, x + cell_w - 3, y + cell_h - 2), fill=fill)
        if day == 20:
            draw.rectangle((x, y, x + cell_w - 3, y + cell_h - 2), outline=TODAY, width=2)
        colour = HIGHLIGHT_RED if column >= 5 and fill is None else BLACK
        text(draw, (x + cell_w - 6, y + cell_h // 2), str(day), UI_FONT, 10, colour, crisp=True,
             anchor="rm")
    _legend(draw, 212, 8)
    return image


def _legend(draw, x: int, y: int) -> None:
    text(draw, (x, y + 6), "Cyclara", UI_BOLD, 12, NAVY, crisp=True, anchor="lm")
    entries = ((CRITICAL, None, "Critical days"), (CRITICAL_LIGHT, None, "Nearby days"),
               (EXPECTED, None, "Expected"), (WHITE, TODAY, "Today"))
    for number, (fill, outline, label) in enumerate(entries):
        top = y + 20 + number * 17
        draw.rectangle((x, top, x + 13, top + 11), fill=fill, outline=outline or DARK_SHADOW,
                       width=2 if outline else 1)
        text(draw, (x + 20, top + 6), label, UI_FONT, UI_SIZE, BLACK, crisp=True, anchor="lm")
    text(draw, (x, y + 93), "Cycle: 28 days", UI_FONT, UI_SIZE, SHADOW, crisp=True, anchor="lm")


def build_image6() -> GifPicture:
    return single_frame("image6", calendar_view())

"""Pictures of the clock on the desktop: the taskbar strip, the tray and
floating clock options, the pop-up menu and the click-to-hide scene."""

from PIL import Image, ImageDraw

from chrome import (UI_BOLD, UI_FONT, UI_SIZE, button, check_box, edit_field, pointer, separator,
                    taskbar, tray_area, window)
from drawing import (BLACK, FACE, OPTION_GREY, SHADOW, TITLE_BLUE, WHITE, Layer, bevel, clock_face,
                     seven_segment, text)
from gif_writer import GifPicture
from picture_frames import single_frame
from sprites import FOLDER_ICON, SPEAKER_ICON, plot

TRAY_TIME = "12:45 PM"
CLOCK_BLUE = (34, 66, 150)
CLOCK_BLUE_LIGHT = (96, 140, 214)
FOLDER_COLOURS = {"X": (128, 96, 0), "Y": (255, 232, 140), "y": (240, 200, 80)}
# Image4 stands on the page 10 pixels above the bottom of Image1 and covers
# this part of the taskbar, so it repeats these taskbar pixels exactly.
MENU_OVER_TASKBAR = (58, 0, 222, 10)
MENU_PICTURE_SIZE = (164, 178)


def _mini_clock(size: int, scale: int = 4) -> Image.Image:
    layer = Layer(size, size)
    clock_face(layer, size / 2, size / 2, size / 2 - 0.5, rim=CLOCK_BLUE,
               rim_light=CLOCK_BLUE_LIGHT, second=None, tick_count=4, time=(12, 45, 0))
    return layer.reduce()


def _start_button(image: Image.Image, draw: ImageDraw.ImageDraw) -> None:
    button(draw, (2, 4, 56, 26), "")
    sphere = Layer(14, 14)
    sphere.circle(7, 7, 6.5, fill=(30, 120, 60, 255))
    sphere.circle(6, 6, 4.5, fill=(90, 190, 90, 255))
    sphere.circle(5, 4.5, 1.8, fill=(220, 255, 220, 255))
    image.alpha_composite(sphere.reduce(), (6, 8))
    text(draw, (22, 15), "Start", UI_BOLD, UI_SIZE, BLACK, anchor="lm")


def taskbar_strip() -> Image.Image:
    image = Image.new("RGBA", (467, 29), FACE + (255,))
    draw = ImageDraw.Draw(image)
    taskbar(draw, (0, 0, 467, 29))
    _start_button(image, draw)
    draw.line((60, 5, 60, 25), fill=SHADOW)
    draw.line((61, 5, 61, 25), fill=WHITE)
    button(draw, (232, 4, 382, 26), "")
    plot(draw, 238, 9, FOLDER_ICON, FOLDER_COLOURS)
    text(draw, (258, 15), "My Documents", UI_FONT, UI_SIZE, BLACK, anchor="lm")
    tray_area(draw, (370, 3, 465, 27))
    image.alpha_composite(_mini_clock(14), (376, 8))
    text(draw, (394, 15), TRAY_TIME, UI_FONT, UI_SIZE, BLACK, anchor="lm")
    pointer(draw, 447, 12)
    return image


def build_image1() -> GifPicture:
    return single_frame("image1", taskbar_strip(), keep=[BLACK, WHITE, FACE, SHADOW])


MENU_ITEMS = (
    ("Main Dialog...", "default"),
    ("Preferences...", "selected"),
    ("Skins", "submenu"),
    ("Calendar", ""),
    ("-", ""),
    ("Always on top", "checked"),
    ("Floating clock", ""),
    ("Hide", ""),
    ("-", ""),
    ("Exit", ""),
)
MENU_ICON_COLOURS = {"X": CLOCK_BLUE, ".": WHITE, "h": BLACK, "r": (200, 30, 30)}
MENU_ICON = (
    "    XXXXX    ",
    "  XX.....XX  ",
    " X....h....X ",
    " X....h....X ",
    "X.....h.....X",
    "X.....h.....X",
    "X.....hhhh..X",
    "X...........X",
    "X......r....X",
    " X......r..X ",
    " X.........X ",
    "  XX.....XX  ",
    "    XXXXX    ",
)


def _menu_item(draw: ImageDraw.ImageDraw, x0: int, x1: int, y: int, label: str, kind: str) -> int:
    if label == "-":
        separator(draw, x0 + 1, x1 - 2, y + 3)
        return 8
    height = 17
    colour = BLACK
    if kind == "selected":
        draw.rectangle((x0, y, x1 - 1, y + height - 1), fill=TITLE_BLUE)
        colour = WHITE
    if kind == "default":
        plot(draw, x0 + 3, y + 2, MENU_ICON, MENU_ICON_COLOURS)
    if kind == "checked":
        for dx, dy in ((5, 7), (6, 8), (7, 9), (8, 8), (9, 7), (10, 6), (11, 5)):
            draw.line((x0 + dx, y + dy, x0 + dx, y + dy + 2), fill=colour)
    if kind == "submenu":
        tip = x1 - 8
        draw.polygon([(tip - 3, y + 5), (tip, y + 8), (tip - 3, y + 11)], fill=colour)
    face = UI_BOLD if kind == "default" else UI_FONT
    text(draw, (x0 + 20, y + height // 2), label, face, UI_SIZE, colour, crisp=True, anchor="lm")
    return height


def popup_menu() -> Image.Image:
    width, height = MENU_PICTURE_SIZE
    image = Image.new("RGBA", (width, height), WHITE + (255,))
    draw = ImageDraw.Draw(image)
    box = (2, 8, 150, 166)
    draw.rectangle((box[0], box[1], box[2] - 1, box[3] - 1), fill=FACE)
    bevel(draw, box)
    y = box[1] + 3
    for label, kind in MENU_ITEMS:
        y += _menu_item(draw, box[0] + 3, box[2] - 3, y, label, kind)
    left, top, right, bottom = MENU_OVER_TASKBAR
    image.paste(taskbar_strip().crop(MENU_OVER_TASKBAR), (0, height - (bottom - top)))
    return image


def build_image4() -> GifPicture:
    return single_frame("image4", popup_menu())


def _tray_piece() -> Image.Image:
    image = Image.new("RGBA", (148, 60), (0, 0, 0, 0))
    shadow = Layer(148, 60)
    shadow.rounded((9, 19, 145, 51), 2, fill=(0, 0, 0, 70))
    image.alpha_composite(shadow.reduce())
    draw = ImageDraw.Draw(image)
    taskbar(draw, (6, 16, 142, 48))
    draw.rectangle((6, 16, 141, 47), outline=SHADOW)
    draw.line((11, 21, 11, 43), fill=SHADOW)
    draw.line((12, 21, 12, 43), fill=WHITE)
    tray_area(draw, (16, 20, 138, 44))
    plot(draw, 21, 28, SPEAKER_ICON, {"X": BLACK, ".": SHADOW})
    image.alpha_composite(_mini_clock(16), (37, 24))
    text(draw, (58, 32), TRAY_TIME, UI_BOLD, 12, BLACK, anchor="lm")
    return image


def build_trayclockimg() -> GifPicture:
    return single_frame("trayclockimg", _tray_piece(), matte=OPTION_GREY, keep=[BLACK, WHITE, FACE])


def desk_clock(layer: Layer, x: float, y: float, width: float, height: float) -> None:
    """The floating clock: a rounded glossy case with a dial and an LCD."""
    layer.rounded((x + 2, y + 3, x + width + 2, y + height + 3), 9, fill=(0, 0, 0, 60))
    layer.rounded((x, y, x + width, y + height), 9, fill=(70, 96, 150, 255))
    layer.rounded((x + 1, y + 1, x + width - 1, y + height - 1), 8, fill=(150, 178, 224, 255))
    layer.rounded((x + 2, y + height * 0.45, x + width - 2, y + height - 2), 7,
                  fill=(112, 142, 200, 255))
    radius = height / 2 - 3
    clock_face(layer, x + 3 + radius, y + height / 2, radius, rim=CLOCK_BLUE,
               rim_light=CLOCK_BLUE_LIGHT, time=(12, 45, 20))
    layer.rounded((x + 2 * radius + 10, y + 7, x + width - 7, y + height - 7), 3,
                  fill=(20, 34, 44, 255))


def _lcd_digits(image: Image.Image, box, height: int) -> None:
    x0, y0, x1, y1 = box
    draw = ImageDraw.Draw(image)
    off = (36, 58, 64)
    digits = TRAY_TIME.split()[0]
    width = len(digits) * (height // 2 + 5) - 2
    seven_segment(draw, (x0 + x1 - width) // 2, (y0 + y1 - height) // 2, digits, height,
                  on=(120, 240, 255), off=off)


def _floating_clock() -> Image.Image:
    layer = Layer(148, 60)
    # Below row 17 the picture lies over the option box, whose grey the
    # smoothed edges are blended with.
    desk_clock(layer, 8, 17, 130, 38)
    image = layer.reduce()
    _lcd_digits(image, (50, 24, 131, 48), 18)
    return image


def build_desktopclockimg() -> GifPicture:
    return single_frame("desktopclockimg", _floating_clock(), matte=OPTION_GREY,
                        keep=[BLACK, WHITE])


def _dialog(image: Image.Image) -> None:
    client = window(image, (14, 14, 262, 150), "Page Setup")
    draw = ImageDraw.Draw(image)
    x0, y0 = client[0] + 8, client[1] + 8
    text(draw, (x0, y0 + 9), "Paper size:", UI_FONT, UI_SIZE, BLACK, anchor="lm")
    edit_field(draw, (x0 + 70, y0, x0 + 190, y0 + 20), "Letter")
    text(draw, (x0, y0 + 35), "Margins:", UI_FONT, UI_SIZE, BLACK, anchor="lm")
    edit_field(draw, (x0 + 70, y0 + 26, x0 + 120, y0 + 46), "0.75")
    check_box(draw, x0, y0 + 56, True, "Print background")
    check_box(draw, x0, y0 + 76, False, "Print in colour")
    button(draw, (x0 + 140, y0 + 88, x0 + 215, y0 + 111), "OK", default=True)


def _click_rays(layer: Layer, x: float, y: float) -> None:
    for dx, dy in ((10, -4), (11, 3), (7, -10), (-5, 9)):
        layer.line([(x + dx * 0.55, y + dy * 0.55), (x + dx, y + dy)], fill=(236, 120, 0, 255),
                   width=1.6)


def hide_scene() -> Image.Image:
    image = Image.new("RGBA", (241, 138), (0, 0, 0, 0))
    _dialog(image)
    layer = Layer(241, 138)
    desk_clock(layer, 92, 52, 120, 38)
    image.alpha_composite(layer.reduce())
    _lcd_digits(image, (133, 58, 206, 84), 16)
    tip = (196, 83)
    rays = Layer(241, 138)
    _click_rays(rays, *tip)
    image.alpha_composite(rays.reduce())
    draw = ImageDraw.Draw(image)
    pointer(draw, *tip)
    tip_box = (tip[0] - 70, tip[1] + 20, tip[0] + 10, tip[1] + 38)
    draw.rectangle(tip_box, fill=(255, 255, 225), outline=BLACK)
    centre = ((tip_box[0] + tip_box[2]) // 2, (tip_box[1] + tip_box[3]) // 2 + 1)
    text(draw, centre, "Click to hide", UI_FONT, UI_SIZE, BLACK, anchor="mm")
    return image


def build_image7() -> GifPicture:
    return single_frame("image7", hide_scene(), pinned={142: WHITE}, keep=[BLACK, FACE])

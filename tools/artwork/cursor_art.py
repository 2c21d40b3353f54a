"""The program's cursors and its icon."""

from typing import Sequence

from drawing import BLACK, FACE, WHITE, Layer, clock_face, pixels_of
from cursor_writer import CURSOR_TYPE, ICON_TYPE, MaskedImage, write_single
from palette import reduce_colours
from sprites import ARROW, HAND, HAND_TIP_X

SIZE = 32
MONO_PALETTE = (BLACK, WHITE)
MONO_CODES = {"X": 0, ".": 1}
VGA_PALETTE = ((0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
               (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
               (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255))
# Sprite letters for the 16-colour cursors, as indexes of VGA_PALETTE.
COLOUR_CODES = {"X": 0, ".": 15, "b": 4, "B": 12, "h": 0, "r": 9, "y": 11, "o": 3, "s": 7,
                "w": 15}

MINI_CLOCK = (
    "   XXXXX   ",
    " XX.....XX ",
    " X...X...X ",
    "X....X....X",
    "X....X....X",
    "X....XXX..X",
    "X.........X",
    "X.........X",
    " X.......X ",
    " XX.....XX ",
    "   XXXXX   ",
)

BLUE_CLOCK = (
    "    bbbbb    ",
    "  bbBBBBBbb  ",
    " bBB.....BBb ",
    " bB...h...Bb ",
    "bB....h....Bb",
    "bB....h....Bb",
    "bB....hhh..Bb",
    "bB.........Bb",
    "bB......r..Bb",
    " bB.......Bb ",
    " bBB.....BBb ",
    "  bbBBBBBbb  ",
    "    bbbbb    ",
)

HIDE_BADGE = (
    "  XXXXX  ",
    " XrrrrrX ",
    "XrrrrrrrX",
    "XrrrrrrrX",
    "XrwwwwwrX",
    "XrrrrrrrX",
    "XrrrrrrrX",
    " XrrrrrX ",
    "  XXXXX  ",
)

OLD_CLOCK = (
    " XXX     XXX ",
    "XyyyX   XyyyX",
    "XyyX XXX XyyX",
    " XXXyyyyyXXX ",
    "  XyX...XyX  ",
    " Xy...h...yX ",
    " Xy...h...yX ",
    " Xy...hhh.yX ",
    " Xy.......yX ",
    "  XyX...XyX  ",
    "   XyyyyyX   ",
    "  XXXXXXXXX  ",
    " XX       XX ",
)


class Grid:
    """A 32x32 sheet of sprite letters; a space is see-through."""

    def __init__(self) -> None:
        self.cells = [[" "] * SIZE for _ in range(SIZE)]

    def stamp(self, sprite: Sequence[str], x: int, y: int) -> "Grid":
        for dy, row in enumerate(sprite):
            for dx, char in enumerate(row):
                if char != " " and 0 <= x + dx < SIZE and 0 <= y + dy < SIZE:
                    self.cells[y + dy][x + dx] = char
        return self

    def image(self, codes: dict, palette: Sequence, bits: int) -> MaskedImage:
        flat = [char for row in self.cells for char in row]
        return MaskedImage(SIZE, SIZE, bits, palette, [codes.get(char, 0) for char in flat],
                           [char == " " for char in flat])


def _mono(grid: Grid, hot_spot: tuple[int, int]) -> bytes:
    return write_single(CURSOR_TYPE, grid.image(MONO_CODES, MONO_PALETTE, 1), hot_spot)


def _colour(grid: Grid, hot_spot: tuple[int, int]) -> bytes:
    return write_single(CURSOR_TYPE, grid.image(COLOUR_CODES, VGA_PALETTE, 4), hot_spot)


def _hand(hot_x: int) -> Grid:
    """The hand placed so that its fingertip starts at the hot spot."""
    return Grid().stamp(HAND, hot_x - HAND_TIP_X, 0)


def _arrow_at(tip: tuple[int, int]) -> Grid:
    return Grid().stamp(ARROW, *tip)


def _dotted_box(grid: Grid, x0: int, y0: int, x1: int, y1: int) -> Grid:
    for x in range(x0, x1 + 1):
        for y in (y0, y1):
            grid.cells[y][x] = "X" if (x + y) % 2 == 0 else "."
    for y in range(y0, y1 + 1):
        for x in (x0, x1):
            grid.cells[y][x] = "X" if (x + y) % 2 == 0 else "."
    return grid


def _block_arrow_left(tip_x: int, tip_y: int) -> list[str]:
    """A fat arrow pointing left, tip at (tip_x, tip_y): a head of 17 rows
    and a shaft of 7, outlined."""
    inside = set()
    head_base = tip_x + 8
    for dy in range(-8, 9):
        for x in range(tip_x + abs(dy), head_base + 1):
            inside.add((x, tip_y + dy))
    for dy in range(-3, 4):
        for x in range(head_base, head_base + 9):
            inside.add((x, tip_y + dy))
    rows = []
    for y in range(SIZE):
        row = ""
        for x in range(SIZE):
            if (x, y) not in inside:
                row += " "
            elif all((x + dx, y + dy) in inside for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                row += "w" if y < tip_y - 1 and x > tip_x + abs(y - tip_y) + 1 else "B"
            else:
                row += "X"
        rows.append(row)
    return rows


def mirrored_full(rows: Sequence[str]) -> list[str]:
    """Left-right mirror across the whole 32-pixel width."""
    return [row.ljust(SIZE)[::-1] for row in rows]


def cursors() -> dict[str, bytes]:
    left_arrow = _block_arrow_left(13, 16)
    return {
        "kaldcursor": _mono(_hand(7).stamp(MINI_CLOCK, 20, 20), (7, 0)),
        "hidekaldcursor": _colour(
            _arrow_at((3, 2)).stamp(BLUE_CLOCK, 13, 15).stamp(HIDE_BADGE, 22, 23), (3, 2)),
        "oldkaldcursor": _colour(_arrow_at((3, 2)).stamp(OLD_CLOCK, 14, 16), (3, 2)),
        "leftcursor": _colour(Grid().stamp(left_arrow, 0, 0), (13, 16)),
        "rightcursor": _colour(Grid().stamp(mirrored_full(left_arrow), 0, 0), (18, 16)),
        "handcursor": _mono(_hand(4), (4, 0)),
        "cursor8888": _mono(_arrow_at((0, 0)), (0, 0)),
        "lib_handcur": _mono(_hand(HAND_TIP_X), (HAND_TIP_X, 0)),
        "lib_dragcur": _mono(_dotted_box(_arrow_at((0, 0)), 9, 18, 25, 29), (0, 0)),
    }


def main_icon() -> bytes:
    layer = Layer(SIZE, SIZE)
    clock_face(layer, 16, 16, 15.5, rim=(34, 66, 150), rim_light=(96, 140, 214),
               ticks=(40, 50, 80), hands=(20, 30, 70))
    pixels = pixels_of(layer.reduce(), matte=FACE)
    see_through = [pixel is None for pixel in pixels]
    palette, indices = reduce_colours([pixel or BLACK for pixel in pixels], 256,
                                      keep=[BLACK, WHITE])
    image = MaskedImage(SIZE, SIZE, 8, palette, indices, see_through)
    return write_single(ICON_TYPE, image)

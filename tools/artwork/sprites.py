"""Small pixel sprites shared by the pictures and the cursors.
'X' is the outline, '.' the fill, other letters are named per sprite and
spaces are see-through."""

ARROW = (
    "X",
    "XX",
    "X.X",
    "X..X",
    "X...X",
    "X....X",
    "X.....X",
    "X......X",
    "X.......X",
    "X........X",
    "X.....XXXXX",
    "X..X..X",
    "X.X X..X",
    "XX  X..X",
    "X    X..X",
    "     X..X",
    "      XX",
)

# Pointing hand; its fingertip is the two pixels of row 0 from HAND_TIP_X.
HAND = (
    "     XX",
    "    X..X",
    "    X..X",
    "    X..X",
    "    X..X",
    "    X..XXX",
    "    X..X..XXX",
    "    X..X..X..XX",
    "  XXX..X..X..X.X",
    " X..X........X..X",
    " X..X...........X",
    "  X.X...........X",
    "  X.............X",
    "   X............X",
    "   X...........X",
    "    X..........X",
    "    X.........X",
    "     X........X",
    "     X.......X",
    "     X.......X",
    "     XXXXXXXXX",
)
HAND_TIP_X = 5

# A small zipped-archive document: page with a folded corner and a zipper.
ZIP_ICON = (
    "XXXXXXXXXXX     ",
    "X.........XX    ",
    "X.........X.X   ",
    "X.........X..X  ",
    "X...YY....XXXXX ",
    "X...yY.........X",
    "X...YY.........X",
    "X...yY.........X",
    "X...YY.........X",
    "X...yY.........X",
    "X...YY.........X",
    "X..XXXX........X",
    "X..XyyX........X",
    "X..XyyX........X",
    "X..XXXX........X",
    "X..............X",
    "X..............X",
    "XXXXXXXXXXXXXXXX",
)

FOLDER_ICON = (
    " XXXXX          ",
    "XYYYYYX         ",
    "XYYYYYYXXXXXXXX ",
    "XYYYYYYYYYYYYYYX",
    "XYXXXXXXXXXXXXXXX",
    "XYXyyyyyyyyyyyyyX",
    "XYXyyyyyyyyyyyyyX",
    "XXyyyyyyyyyyyyyX ",
    "XXyyyyyyyyyyyyyX ",
    "XyyyyyyyyyyyyyyX ",
    "XyyyyyyyyyyyyyX  ",
    "XXXXXXXXXXXXXXX  ",
)

PLUS_BADGE = (
    "XXXXXXXXX",
    "X.......X",
    "X...X...X",
    "X...X...X",
    "X.XXXXX.X",
    "X...X...X",
    "X...X...X",
    "X.......X",
    "XXXXXXXXX",
)


def plot(draw, x: int, y: int, rows, colours: dict) -> None:
    """Draws a sprite with its top-left corner at (x, y)."""
    for dy, row in enumerate(rows):
        for dx, char in enumerate(row):
            if char in colours:
                draw.point((x + dx, y + dy), fill=colours[char])


SPEAKER_ICON = (
    "     X     ",
    "    XX   X ",
    " XXX.X    X",
    " X...X  X X",
    " X...X  X X",
    " X...X  X X",
    " XXX.X    X",
    "    XX   X ",
    "     X     ",
)

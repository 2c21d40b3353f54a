"""Structure of every picture of the wizard: GIF version, logical screen,
colour table size, frames with their rectangles and graphic control blocks.
The generator builds from this table and the checker verifies against it."""

from dataclasses import dataclass
from typing import Optional

from gif_writer import ControlBlock


@dataclass(frozen=True)
class FrameSpec:
    rect: tuple[int, int, int, int]
    control: Optional[ControlBlock] = None
    local_table: Optional[int] = None


@dataclass(frozen=True)
class PictureSpec:
    version: bytes
    size: tuple[int, int]
    table_size: int
    frames: tuple[FrameSpec, ...]
    background: int = 0
    looping: bool = False
    comment: bool = False

    @property
    def transparent(self) -> Optional[int]:
        control = self.frames[0].control
        return control.transparent if control else None


def _single(size: tuple[int, int], table: int, control: Optional[ControlBlock] = None,
            version: bytes = b"GIF89a", background: int = 0) -> PictureSpec:
    return PictureSpec(version, size, table, (FrameSpec((0, 0) + size, control),), background)


def _keyed(index: int) -> ControlBlock:
    return ControlBlock(delay=0, disposal=0, transparent=index)


_SEASONAL = ControlBlock(delay=25, disposal=0, transparent=255)

PICTURES: dict[str, PictureSpec] = {
    "gifanimator": PictureSpec(
        b"GIF89a", (143, 217), 256,
        (FrameSpec((0, 0, 143, 217), _SEASONAL), FrameSpec((0, 2, 142, 215), _SEASONAL),
         FrameSpec((0, 4, 139, 213), _SEASONAL)),
        background=255, looping=True, comment=True),
    "mainbkg": PictureSpec(
        b"GIF89a", (467, 335), 256,
        (FrameSpec((0, 0, 467, 335), ControlBlock(delay=100, disposal=0)),
         FrameSpec((358, 0, 108, 79), None, local_table=256))),
    "image8": _single((55, 44), 64, ControlBlock(delay=20, disposal=1)),
    "trayclockimg": _single((148, 60), 64, _keyed(34)),
    "desktopclockimg": _single((148, 60), 64, _keyed(33)),
    "image1": _single((467, 29), 64),
    "image4": _single((164, 178), 8),
    "image7": _single((241, 138), 256, _keyed(107), background=142),
    "image2": _single((282, 113), 8),
    "image3": _single((204, 196), 8, _keyed(1)),
    "image5": _single((457, 173), 32, version=b"GIF87a"),
    "image6": _single((370, 112), 16),
    "bullet": _single((26, 28), 256),
}


@dataclass(frozen=True)
class CursorSpec:
    bits: int
    hot_spot: tuple[int, int]


CURSOR_SIZE = 32
CURSORS: dict[str, CursorSpec] = {
    "kaldcursor": CursorSpec(1, (7, 0)),
    "hidekaldcursor": CursorSpec(4, (3, 2)),
    "oldkaldcursor": CursorSpec(4, (3, 2)),
    "leftcursor": CursorSpec(4, (13, 16)),
    "rightcursor": CursorSpec(4, (18, 16)),
    "handcursor": CursorSpec(1, (4, 0)),
    "cursor8888": CursorSpec(1, (0, 0)),
    "lib_handcur": CursorSpec(1, (5, 0)),
    "lib_dragcur": CursorSpec(1, (0, 0)),
}
ICON_BITS = 8

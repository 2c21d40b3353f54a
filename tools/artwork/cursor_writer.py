"""Writer for cursor (.cur) and icon (.ico) files holding one image each:
a directory entry and a device-independent bitmap with its AND mask."""

from dataclasses import dataclass
from typing import Optional, Sequence

Colour = tuple[int, int, int]

ICON_TYPE = 1
CURSOR_TYPE = 2


@dataclass
class MaskedImage:
    """Pixels as colour indexes (row 0 at the top) and a see-through mask
    (True where the screen shows through)."""

    width: int
    height: int
    bits: int
    palette: Sequence[Colour]
    indices: Sequence[int]
    see_through: Sequence[bool]


def _packed_rows(values: Sequence[int], width: int, height: int, bits: int) -> bytes:
    """Rows bottom-up, each padded to a multiple of four bytes."""
    stride = ((width * bits + 31) // 32) * 4
    out = bytearray()
    for row in range(height - 1, -1, -1):
        line = bytearray(stride)
        for x in range(width):
            value = values[row * width + x]
            bit = x * bits
            line[bit // 8] |= value << (8 - bits - bit % 8)
        out += line
    return bytes(out)


def _bitmap(image: MaskedImage) -> bytes:
    if len(image.palette) != 1 << image.bits:
        raise ValueError("palette size must match the bit depth")
    colours = _packed_rows(image.indices, image.width, image.height, image.bits)
    mask = _packed_rows([1 if clear else 0 for clear in image.see_through],
                        image.width, image.height, 1)
    header = b"".join(value.to_bytes(size, "little", signed=signed) for value, size, signed in (
        (40, 4, False), (image.width, 4, True), (2 * image.height, 4, True), (1, 2, False),
        (image.bits, 2, False), (0, 4, False), (len(colours) + len(mask), 4, False),
        (0, 4, False), (0, 4, False), (0, 4, False), (0, 4, False)))
    quads = b"".join(bytes((b, g, r, 0)) for r, g, b in image.palette)
    return header + quads + colours + mask


def write_single(kind: int, image: MaskedImage,
                 hot_spot: Optional[tuple[int, int]] = None) -> bytes:
    """One-image icon or cursor file; cursors carry their hot spot where
    icons keep planes and bit count."""
    data = _bitmap(image)
    colour_count = (1 << image.bits) if image.bits < 8 else 0
    if kind == CURSOR_TYPE:
        if hot_spot is None:
            raise ValueError("a cursor needs a hot spot")
        field_a, field_b = hot_spot
    else:
        field_a, field_b = 1, image.bits
    directory = (b"\x00\x00" + kind.to_bytes(2, "little") + b"\x01\x00"
                 + bytes((image.width % 256, image.height % 256, colour_count, 0))
                 + field_a.to_bytes(2, "little") + field_b.to_bytes(2, "little")
                 + len(data).to_bytes(4, "little") + (22).to_bytes(4, "little"))
    return directory + data

"""Strict reader for the one-image cursor and icon files we write."""

from dataclasses import dataclass


class CursorFormatError(Exception):
    pass


@dataclass
class ParsedIconImage:
    kind: int
    width: int
    height: int
    bits: int
    hot_spot: tuple[int, int]
    palette: list[tuple[int, int, int]]
    indices: list[int]
    see_through: list[bool]


def _u16(data: bytes, offset: int) -> int:
    return int.from_bytes(data[offset:offset + 2], "little")


def _u32(data: bytes, offset: int) -> int:
    return int.from_bytes(data[offset:offset + 4], "little")


def _rows(data: bytes, offset: int, width: int, height: int, bits: int) -> list[int]:
    stride = ((width * bits + 31) // 32) * 4
    values = [0] * (width * height)
    for stored_row in range(height):
        row = height - 1 - stored_row
        line = data[offset + stored_row * stride:offset + (stored_row + 1) * stride]
        for x in range(width):
            bit = x * bits
            values[row * width + x] = (line[bit // 8] >> (8 - bits - bit % 8)) & ((1 << bits) - 1)
    return values


def parse_icon_file(data: bytes) -> ParsedIconImage:
    if len(data) < 22 or _u16(data, 0) != 0 or _u16(data, 2) not in (1, 2) or _u16(data, 4) != 1:
        raise CursorFormatError("bad directory header")
    kind = _u16(data, 2)
    width, height, colour_count = data[6], data[7], data[8]
    field_a, field_b = _u16(data, 10), _u16(data, 12)
    size, offset = _u32(data, 14), _u32(data, 18)
    if offset != 22 or offset + size != len(data):
        raise CursorFormatError("image data does not fill the file")
    if _u32(data, 22) != 40 or _u32(data, 26) != width or _u32(data, 30) != 2 * height:
        raise CursorFormatError("bitmap header disagrees with the directory")
    bits = _u16(data, 36)
    if _u16(data, 34) != 1 or bits not in (1, 4, 8) or _u32(data, 38) != 0:
        raise CursorFormatError("unsupported bitmap format")
    if colour_count != ((1 << bits) if bits < 8 else 0):
        raise CursorFormatError("directory colour count disagrees with the bit depth")
    if kind == 1 and (field_a, field_b) != (1, bits):
        raise CursorFormatError("icon planes or bit count wrong")
    palette_at = 22 + 40
    quads = [data[palette_at + 4 * i:palette_at + 4 * i + 3] for i in range(1 << bits)]
    palette = [(red, green, blue) for blue, green, red in quads]
    colours_at = palette_at + 4 * (1 << bits)
    colour_bytes = ((width * bits + 31) // 32) * 4 * height
    mask_bytes = ((width + 31) // 32) * 4 * height
    if colours_at + colour_bytes + mask_bytes != len(data):
        raise CursorFormatError("pixel data size wrong")
    indices = _rows(data, colours_at, width, height, bits)
    mask = _rows(data, colours_at + colour_bytes, width, height, 1)
    hot_spot = (field_a, field_b) if kind == 2 else (0, 0)
    return ParsedIconImage(kind, width, height, bits, hot_spot, palette, indices,
                           [bit == 1 for bit in mask])

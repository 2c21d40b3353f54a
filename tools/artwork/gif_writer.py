"""A small GIF writer with its own LZW encoder.

The pictures' block structure (version, table sizes, which frames carry a
graphic control block, looping and comment blocks) must come out exactly as
the wizard's artwork inventory lists it, so every block is written here by
hand instead of through an imaging library.
"""

from dataclasses import dataclass
from typing import Optional, Sequence

MAX_CODE_WIDTH = 12
# Entries stop at 4094 and a clear code follows, so that decoders which grow
# their code width one entry early never see a 13-bit code.
LAST_TABLE_ENTRY = 4094

Colour = tuple[int, int, int]


@dataclass(frozen=True)
class ControlBlock:
    """Graphic control extension: delay in hundredths, disposal method and
    an optional transparent colour index."""

    delay: int = 0
    disposal: int = 0
    transparent: Optional[int] = None


@dataclass
class Frame:
    left: int
    top: int
    width: int
    height: int
    indices: Sequence[int]
    control: Optional[ControlBlock] = None
    local_table: Optional[list[Colour]] = None


@dataclass
class GifPicture:
    version: bytes
    width: int
    height: int
    global_table: list[Colour]
    frames: list[Frame]
    background: int = 0
    loop_count: Optional[int] = None
    comment: Optional[bytes] = None


def table_bits(size: int) -> int:
    """Bits of a colour table size; only the sizes GIF can store are allowed."""
    bits = size.bit_length() - 1
    if size < 2 or size > 256 or (1 << bits) != size:
        raise ValueError(f"colour table size {size} is not a power of two in 2..256")
    return bits


class _CodePacker:
    """Packs variable-width codes least significant bit first."""

    def __init__(self) -> None:
        self.out = bytearray()
        self.bit_buffer = 0
        self.bit_count = 0

    def emit(self, code: int, width: int) -> None:
        self.bit_buffer |= code << self.bit_count
        self.bit_count += width
        while self.bit_count >= 8:
            self.out.append(self.bit_buffer & 0xFF)
            self.bit_buffer >>= 8
            self.bit_count -= 8

    def finish(self) -> bytes:
        if self.bit_count > 0:
            self.out.append(self.bit_buffer & 0xFF)
        return bytes(self.out)


def lzw_encode(indices: Sequence[int], min_code_size: int) -> bytes:
    """Plain LZW code stream (not yet split into sub-blocks)."""
    clear_code = 1 << min_code_size
    end_code = clear_code + 1
    packer = _CodePacker()
    width = min_code_size + 1
    next_code = end_code + 1
    table: dict[tuple[int, int], int] = {}
    packer.emit(clear_code, width)
    if not indices:
        packer.emit(end_code, width)
        return packer.finish()
    prefix = indices[0]
    for pixel in indices[1:]:
        known = table.get((prefix, pixel))
        if known is not None:
            prefix = known
            continue
        packer.emit(prefix, width)
        if next_code > LAST_TABLE_ENTRY:
            packer.emit(clear_code, width)
            table.clear()
            width = min_code_size + 1
            next_code = end_code + 1
        else:
            table[(prefix, pixel)] = next_code
            next_code += 1
            # The decoder adds each entry one code later than we do, so the
            # width grows once the entry just added no longer fits.
            if next_code > (1 << width) and width < MAX_CODE_WIDTH:
                width += 1
        prefix = pixel
    packer.emit(prefix, width)
    packer.emit(end_code, width)
    return packer.finish()


def sub_blocks(data: bytes) -> bytes:
    out = bytearray()
    for start in range(0, len(data), 255):
        chunk = data[start:start + 255]
        out.append(len(chunk))
        out += chunk
    out.append(0)
    return bytes(out)


def _table_bytes(table: Sequence[Colour], size: int) -> bytes:
    if len(table) != size:
        raise ValueError(f"colour table holds {len(table)} entries, {size} expected")
    return b"".join(bytes(entry) for entry in table)


def _control_block(block: ControlBlock) -> bytes:
    packed = (block.disposal & 7) << 2
    transparent = 0
    if block.transparent is not None:
        packed |= 1
        transparent = block.transparent
    return (b"\x21\xF9\x04" + bytes([packed]) + block.delay.to_bytes(2, "little")
            + bytes([transparent, 0]))


def _looping_block(count: int) -> bytes:
    return b"\x21\xFF\x0BNETSCAPE2.0\x03\x01" + count.to_bytes(2, "little") + b"\x00"


def _frame_bytes(frame: Frame, global_size: int) -> bytes:
    out = bytearray()
    if frame.control is not None:
        out += _control_block(frame.control)
    packed = 0
    table_size = global_size
    if frame.local_table is not None:
        table_size = len(frame.local_table)
        packed = 0x80 | (table_bits(table_size) - 1)
    out += b"\x2C"
    for value in (frame.left, frame.top, frame.width, frame.height):
        out += value.to_bytes(2, "little")
    out.append(packed)
    if frame.local_table is not None:
        out += _table_bytes(frame.local_table, table_size)
    if len(frame.indices) != frame.width * frame.height:
        raise ValueError("frame pixel count does not match its rectangle")
    if any(index >= table_size for index in frame.indices):
        raise ValueError("pixel index outside the colour table")
    min_code_size = max(2, table_bits(table_size))
    out.append(min_code_size)
    out += sub_blocks(lzw_encode(frame.indices, min_code_size))
    return bytes(out)


def write_gif(picture: GifPicture) -> bytes:
    size = len(picture.global_table)
    bits = table_bits(size)
    if picture.version not in (b"GIF87a", b"GIF89a"):
        raise ValueError("unknown GIF version")
    out = bytearray(picture.version)
    out += picture.width.to_bytes(2, "little") + picture.height.to_bytes(2, "little")
    # Global table present, colour resolution taken from the table size.
    out += bytes([0x80 | ((bits - 1) << 4) | (bits - 1), picture.background, 0])
    out += _table_bytes(picture.global_table, size)
    if picture.loop_count is not None:
        out += _looping_block(picture.loop_count)
    for frame in picture.frames:
        out += _frame_bytes(frame, size)
    if picture.comment is not None:
        out += b"\x21\xFE" + sub_blocks(picture.comment)
    out += b"\x3B"
    return bytes(out)

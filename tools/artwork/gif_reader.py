"""Strict GIF parser and LZW decoder used to check the generated pictures.

It is deliberately unforgiving: any stray byte, missing end code or wrong
pixel count is an error, because these files are ours and must be clean.
"""

from dataclasses import dataclass, field
from typing import Optional


class GifFormatError(Exception):
    pass


@dataclass
class ParsedControl:
    delay: int
    disposal: int
    transparent: Optional[int]


@dataclass
class ParsedFrame:
    left: int
    top: int
    width: int
    height: int
    interlaced: bool
    control: Optional[ParsedControl]
    local_table: Optional[list[tuple[int, int, int]]]
    min_code_size: int
    indices: list[int]


@dataclass
class ParsedGif:
    version: bytes
    width: int
    height: int
    background: int
    global_table: Optional[list[tuple[int, int, int]]]
    colour_resolution: int
    frames: list[ParsedFrame] = field(default_factory=list)
    loop_counts: list[int] = field(default_factory=list)
    comments: list[bytes] = field(default_factory=list)
    other_extensions: list[int] = field(default_factory=list)


class _Cursor:
    def __init__(self, data: bytes) -> None:
        self.data = data
        self.pos = 0

    def take(self, count: int) -> bytes:
        if self.pos + count > len(self.data):
            raise GifFormatError(
                f"data ends at {len(self.data)}, {count} bytes wanted at {self.pos}")
        chunk = self.data[self.pos:self.pos + count]
        self.pos += count
        return chunk

    def byte(self) -> int:
        return self.take(1)[0]

    def word(self) -> int:
        return int.from_bytes(self.take(2), "little")

    def sub_blocks(self) -> bytes:
        out = bytearray()
        while True:
            length = self.byte()
            if length == 0:
                return bytes(out)
            out += self.take(length)


def _colour_table(cursor: _Cursor, size: int) -> list[tuple[int, int, int]]:
    raw = cursor.take(3 * size)
    return [(raw[i], raw[i + 1], raw[i + 2]) for i in range(0, len(raw), 3)]


def lzw_decode(data: bytes, min_code_size: int, pixel_count: int) -> list[int]:
    """Decodes a whole code stream; it must end with the end code right after
    the last pixel, with nothing but padding bits behind it."""
    if not 2 <= min_code_size <= 8:
        raise GifFormatError(f"minimum code size {min_code_size} out of range")
    clear_code = 1 << min_code_size
    end_code = clear_code + 1
    bit_pos = 0
    total_bits = 8 * len(data)
    padded = data + b"\0\0\0"

    def read(width: int) -> int:
        nonlocal bit_pos
        if bit_pos + width > total_bits:
            raise GifFormatError("code stream ends without an end code")
        start = bit_pos >> 3
        window = int.from_bytes(padded[start:start + 3], "little")
        code = (window >> (bit_pos & 7)) & ((1 << width) - 1)
        bit_pos += width
        return code

    out: list[int] = []
    strings: list[Optional[list[int]]] = []
    width = min_code_size + 1
    previous: Optional[list[int]] = None
    if read(width) != clear_code:
        raise GifFormatError("code stream does not start with a clear code")
    strings = [[i] for i in range(clear_code)] + [None, None]
    while True:
        code = read(width)
        if code == clear_code:
            strings = [[i] for i in range(clear_code)] + [None, None]
            width = min_code_size + 1
            previous = None
            continue
        if code == end_code:
            break
        if code < len(strings) and strings[code] is not None:
            entry = strings[code]
            if previous is not None:
                strings.append(previous + [entry[0]])
        elif code == len(strings) and previous is not None:
            entry = previous + [previous[0]]
            strings.append(entry)
        else:
            raise GifFormatError(f"code {code} not yet defined")
        out += entry
        previous = entry
        if len(strings) == (1 << width) and width < 12:
            width += 1
        if len(strings) > 4096:
            raise GifFormatError("code table overflow without a clear code")
    if len(out) != pixel_count:
        raise GifFormatError(f"{len(out)} pixels decoded, {pixel_count} expected")
    if (total_bits - bit_pos) >= 8:
        raise GifFormatError("bytes after the end code")
    return out


def _read_frame(cursor: _Cursor, control: Optional[ParsedControl]) -> ParsedFrame:
    left, top, width, height = cursor.word(), cursor.word(), cursor.word(), cursor.word()
    packed = cursor.byte()
    local_table = None
    if packed & 0x80:
        local_table = _colour_table(cursor, 2 << (packed & 7))
    min_code_size = cursor.byte()
    indices = lzw_decode(cursor.sub_blocks(), min_code_size, width * height)
    return ParsedFrame(left, top, width, height, bool(packed & 0x40), control,
                       local_table, min_code_size, indices)


def _read_extension(cursor: _Cursor, gif: ParsedGif) -> Optional[ParsedControl]:
    label = cursor.byte()
    body = cursor.sub_blocks()
    if label == 0xF9:
        if len(body) != 4:
            raise GifFormatError("graphic control block of wrong size")
        transparent = body[3] if body[0] & 1 else None
        return ParsedControl(int.from_bytes(body[1:3], "little"), (body[0] >> 2) & 7, transparent)
    if label == 0xFF and body[:11] == b"NETSCAPE2.0" and len(body) == 14 and body[11] == 1:
        gif.loop_counts.append(int.from_bytes(body[12:14], "little"))
    elif label == 0xFE:
        gif.comments.append(body)
    else:
        gif.other_extensions.append(label)
    return None


def parse_gif(data: bytes) -> ParsedGif:
    cursor = _Cursor(data)
    version = cursor.take(6)
    if version not in (b"GIF87a", b"GIF89a"):
        raise GifFormatError(f"bad signature {version!r}")
    width, height = cursor.word(), cursor.word()
    packed, background = cursor.byte(), cursor.byte()
    cursor.take(1)  # pixel aspect ratio
    global_table = _colour_table(cursor, 2 << (packed & 7)) if packed & 0x80 else None
    gif = ParsedGif(version, width, height, background, global_table, ((packed >> 4) & 7) + 1)
    pending_control: Optional[ParsedControl] = None
    while True:
        introducer = cursor.byte()
        if introducer == 0x3B:
            break
        if introducer == 0x21:
            control = _read_extension(cursor, gif)
            if control is not None:
                if pending_control is not None:
                    raise GifFormatError("two graphic control blocks before one image")
                pending_control = control
        elif introducer == 0x2C:
            gif.frames.append(_read_frame(cursor, pending_control))
            pending_control = None
        else:
            raise GifFormatError(f"stray byte 0x{introducer:02X} at {cursor.pos - 1}")
    if cursor.pos != len(data):
        raise GifFormatError("bytes after the trailer")
    if pending_control is not None:
        raise GifFormatError("graphic control block without an image")
    return gif

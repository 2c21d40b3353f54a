"""Verifies the generated artwork files against the inventory: GIF block
structure, decodable LZW data, meaningful transparency, cursor and icon
layout, and the manifest's identity. Needs nothing beyond Python."""

import os
import xml.etree.ElementTree as ElementTree
from typing import Optional

from cursor_reader import CursorFormatError, parse_icon_file
from gif_reader import GifFormatError, ParsedFrame, ParsedGif, parse_gif
from gif_writer import GifPicture
from inventory import CURSOR_SIZE, CURSORS, ICON_BITS, PICTURES, PictureSpec

MANIFEST_NS = "{urn:schemas-microsoft-com:asm.v1}"
APP_IDENTITY = {"name": "Kalidor.Clock.Intro", "processorArchitecture": "x86",
                "version": "1.0.0.0", "type": "win32"}
CONTROLS_IDENTITY = {"type": "win32", "name": "Microsoft.Windows.Common-Controls",
                     "version": "6.0.0.0", "processorArchitecture": "x86",
                     "publicKeyToken": "6595b64144ccf1df", "language": "*"}
MIN_DISTINCT_COLOURS = 6
GIF_BUDGET = 400 * 1024


class ArtworkError(Exception):
    pass


def _expect(condition: bool, message: str) -> None:
    if not condition:
        raise ArtworkError(message)


def picture_path(root: str, name: str) -> str:
    return os.path.join(root, "resources", "pictures", name + ".gif")


def cursor_path(root: str, name: str) -> str:
    return os.path.join(root, "resources", "cursors", name + ".cur")


def icon_path(root: str) -> str:
    return os.path.join(root, "resources", "icons", "mainicon.ico")


def manifest_path(root: str) -> str:
    return os.path.join(root, "resources", "app.manifest")


def _check_transparency(frame: ParsedFrame, table: list, number: int) -> None:
    index = frame.control.transparent if frame.control else None
    if index is None:
        return
    _expect(index in frame.indices, f"frame {number}: transparent index {index} is never used")
    key = table[index]
    _expect(table.count(key) == 1,
            f"frame {number}: transparent colour {key} appears elsewhere in the table")


def _check_frame(spec: PictureSpec, gif: ParsedGif, number: int) -> None:
    frame, frame_spec = gif.frames[number], spec.frames[number]
    rect = (frame.left, frame.top, frame.width, frame.height)
    _expect(rect == frame_spec.rect,
            f"frame {number}: rectangle {rect}, {frame_spec.rect} expected")
    control = frame.control
    wanted = frame_spec.control
    if wanted is None:
        _expect(control is None, f"frame {number}: unexpected graphic control block")
    else:
        _expect(control is not None and (control.delay, control.disposal, control.transparent)
                == (wanted.delay, wanted.disposal, wanted.transparent),
                f"frame {number}: graphic control block {control}, {wanted} expected")
    local_size = len(frame.local_table) if frame.local_table is not None else None
    _expect(local_size == frame_spec.local_table,
            f"frame {number}: local table {local_size}, {frame_spec.local_table} expected")
    table = frame.local_table if frame.local_table is not None else gif.global_table
    bits = len(table).bit_length() - 1
    _expect(frame.min_code_size == max(2, bits), f"frame {number}: code size {frame.min_code_size}")
    _expect(not frame.interlaced, f"frame {number}: interlaced")
    _expect(max(frame.indices) < len(table), f"frame {number}: index past the colour table")
    _expect(len(set(frame.indices)) >= MIN_DISTINCT_COLOURS,
            f"frame {number}: only {len(set(frame.indices))} colours, looks flat")
    _check_transparency(frame, table, number)


def check_gif(spec: PictureSpec, data: bytes) -> ParsedGif:
    try:
        gif = parse_gif(data)
    except GifFormatError as error:
        raise ArtworkError(f"unreadable: {error}") from error
    _expect(gif.version == spec.version, f"version {gif.version!r}, {spec.version!r} expected")
    _expect((gif.width, gif.height) == spec.size, f"screen {gif.width}x{gif.height}")
    _expect(gif.global_table is not None and len(gif.global_table) == spec.table_size,
            f"global table size {len(gif.global_table or [])}, {spec.table_size} expected")
    _expect(gif.background == spec.background, f"background index {gif.background}")
    _expect(len(gif.frames) == len(spec.frames), f"{len(gif.frames)} frames")
    _expect(gif.loop_counts == ([0] if spec.looping else []), f"looping blocks {gif.loop_counts}")
    _expect(len(gif.comments) == (1 if spec.comment else 0), f"{len(gif.comments)} comment blocks")
    _expect(not gif.other_extensions, f"unexpected extensions {gif.other_extensions}")
    for number in range(len(gif.frames)):
        _check_frame(spec, gif, number)
    return gif


def check_round_trip(picture: GifPicture, gif: ParsedGif) -> None:
    """The written bytes decode back to exactly the tables and pixels drawn."""
    _expect(gif.global_table == [tuple(c) for c in picture.global_table], "global table changed")
    for number, (written, read) in enumerate(zip(picture.frames, gif.frames)):
        _expect(list(written.indices) == read.indices, f"frame {number}: pixels changed")
        if written.local_table is not None:
            _expect(read.local_table == [tuple(c) for c in written.local_table],
                    f"frame {number}: local table changed")


def check_cursor(name: str, data: bytes) -> str:
    spec = CURSORS[name]
    try:
        image = parse_icon_file(data)
    except CursorFormatError as error:
        raise ArtworkError(f"unreadable: {error}") from error
    _expect(image.kind == 2, "not a cursor file")
    _expect((image.width, image.height) == (CURSOR_SIZE, CURSOR_SIZE), "wrong size")
    _expect(image.bits == spec.bits, f"{image.bits} bits, {spec.bits} expected")
    _expect(image.hot_spot == spec.hot_spot, f"hot spot {image.hot_spot}, {spec.hot_spot} expected")
    _expect(any(image.see_through) and not all(image.see_through), "mask is all or nothing")
    hot_x, hot_y = image.hot_spot
    near_hot = [image.see_through[(hot_y + dy) * image.width + hot_x + dx]
                for dy in (0, 1) for dx in (-1, 0, 1)
                if 0 <= hot_x + dx < image.width and hot_y + dy < image.height]
    _expect(not all(near_hot), "nothing drawn at the hot spot")
    return f"{image.width}x{image.height} {image.bits}-bit hot spot {image.hot_spot}"


def check_icon(data: bytes) -> str:
    try:
        image = parse_icon_file(data)
    except CursorFormatError as error:
        raise ArtworkError(f"unreadable: {error}") from error
    _expect(image.kind == 1 and image.bits == ICON_BITS, "not a 256-colour icon")
    _expect((image.width, image.height) == (CURSOR_SIZE, CURSOR_SIZE), "wrong size")
    _expect(any(image.see_through) and not all(image.see_through), "mask is all or nothing")
    return f"{image.width}x{image.height} {image.bits}-bit with mask"


def _attributes_match(element: Optional[ElementTree.Element], wanted: dict) -> bool:
    return element is not None and all(element.get(key) == value for key, value in wanted.items())


def check_manifest(data: bytes) -> None:
    root = ElementTree.fromstring(data)
    _expect(root.tag == MANIFEST_NS + "assembly", "root element is not an assembly")
    _expect(_attributes_match(root.find(MANIFEST_NS + "assemblyIdentity"), APP_IDENTITY),
            "assembly identity wrong")
    description = root.find(MANIFEST_NS + "description")
    _expect(description is not None and description.text == "Windows Shell", "description wrong")
    dependencies = root.findall(f"{MANIFEST_NS}dependency/{MANIFEST_NS}dependentAssembly/"
                                f"{MANIFEST_NS}assemblyIdentity")
    _expect(len(dependencies) == 1 and _attributes_match(dependencies[0], CONTROLS_IDENTITY),
            "common controls dependency wrong")


def _read(path: str) -> bytes:
    with open(path, "rb") as handle:
        return handle.read()


def check_all(root: str) -> list[str]:
    """Checks every output file; returns the problems and prints one line per file."""
    problems = []
    jobs = [(picture_path(root, name), lambda data, spec=spec: _describe_gif(check_gif(spec, data)))
            for name, spec in PICTURES.items()]
    jobs += [(cursor_path(root, name), lambda data, name=name: check_cursor(name, data))
             for name in CURSORS]
    jobs += [(icon_path(root), check_icon), (manifest_path(root), check_manifest)]
    gif_bytes = 0
    for path, job in jobs:
        relative = os.path.relpath(path, root)
        try:
            data = _read(path)
            detail = job(data) or ""
            print(f"ok    {relative:44} {len(data):7} bytes  {detail}")
            if path.endswith(".gif"):
                gif_bytes += len(data)
        except (OSError, ArtworkError, ElementTree.ParseError) as error:
            problems.append(f"{relative}: {error}")
            print(f"FAIL  {relative:44} {error}")
    print(f"GIF pictures together: {gif_bytes} bytes")
    if gif_bytes > GIF_BUDGET:
        problems.append(f"GIF pictures take {gif_bytes} bytes, over the {GIF_BUDGET} budget")
    return problems


def _describe_gif(gif: ParsedGif) -> str:
    parts = [f"{gif.version.decode()} {gif.width}x{gif.height} table {len(gif.global_table or [])}"]
    for frame in gif.frames:
        item = f"[{frame.left},{frame.top} {frame.width}x{frame.height}"
        if frame.control:
            c = frame.control
            item += f" delay {c.delay} disp {c.disposal}"
            if c.transparent is not None:
                item += f" transp {c.transparent}"
        if frame.local_table:
            item += f" local {len(frame.local_table)}"
        parts.append(item + "]")
    if gif.loop_counts:
        parts.append(f"loop {gif.loop_counts[0]}")
    if gif.comments:
        parts.append("comment")
    if gif.background:
        parts.append(f"bg {gif.background}")
    return " ".join(parts)

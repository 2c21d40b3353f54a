"""Turns drawn pictures into GIF pictures of the inventory's structure."""

from typing import Optional, Sequence

from PIL import Image

from drawing import WHITE, Colour, pixels_of
from gif_writer import Frame, GifPicture
from inventory import PICTURES, PictureSpec
from palette import reduce_colours


# Pictures with tables this small are drawn in flat colours without
# smoothing; reducing them further would smear their crisp text.
LOSSLESS_TABLE_LIMIT = 32


def reduce_image(image: Image.Image, size: int, transparent: Optional[int] = None,
                 matte: Colour = WHITE, pinned: Optional[dict[int, Colour]] = None,
                 keep: Sequence[Colour] = ()) -> tuple[list[Colour], list[int]]:
    pixels = pixels_of(image, matte)
    if transparent is None and None in pixels:
        raise ValueError("an opaque picture has uncovered pixels")
    colours = set(pixels) - {None}
    if size <= LOSSLESS_TABLE_LIMIT and len(colours) > size - (transparent is not None):
        raise ValueError(f"{len(colours)} colours drawn for a table of {size}")
    return reduce_colours(pixels, size, transparent, pinned, keep)


def assemble(spec: PictureSpec, global_table: list[Colour], frame_indices: Sequence[list[int]],
             local_tables: Sequence[Optional[list[Colour]]] = (), comment: Optional[bytes] = None
             ) -> GifPicture:
    frames = []
    for number, (frame_spec, indices) in enumerate(zip(spec.frames, frame_indices)):
        left, top, width, height = frame_spec.rect
        local = local_tables[number] if number < len(local_tables) else None
        frames.append(Frame(left, top, width, height, indices, frame_spec.control, local))
    return GifPicture(spec.version, spec.size[0], spec.size[1], global_table, frames,
                      background=spec.background, loop_count=0 if spec.looping else None,
                      comment=comment)


def single_frame(name: str, image: Image.Image, matte: Colour = WHITE,
                 pinned: Optional[dict[int, Colour]] = None, keep: Sequence[Colour] = ()
                 ) -> GifPicture:
    spec = PICTURES[name]
    if image.size != spec.size:
        raise ValueError(f"{name} drawn at {image.size}, {spec.size} expected")
    table, indices = reduce_image(image, spec.table_size, spec.transparent, matte, pinned, keep)
    return assemble(spec, table, [indices])

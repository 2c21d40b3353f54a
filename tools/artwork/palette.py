"""Colour reduction of drawn pictures to a GIF colour table of a fixed size.

Median cut over the picture's colour histogram, refined by a few rounds of
nearest-colour averaging; colours the caller names (text black, page white)
are kept exact so that text stays crisp. A transparent pixel gets the table's
transparent index, whose key colour is made unique in the table because the
program draws transparency by comparing colours, not indexes.
"""

from collections import Counter
from typing import Optional, Sequence

Colour = tuple[int, int, int]

KEY_CANDIDATES: tuple[Colour, ...] = ((255, 0, 255), (0, 255, 254), (254, 1, 253), (1, 254, 1))
REFINE_ROUNDS = 3


def _distance(a: Colour, b: Colour) -> int:
    dr, dg, db = a[0] - b[0], a[1] - b[1], a[2] - b[2]
    # Green weighs most for the eye, blue least.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db


def _mean(items: Sequence[tuple[Colour, int]]) -> Colour:
    total = sum(count for _, count in items)
    return tuple(round(sum(colour[ch] * count for colour, count in items) / total)
                 for ch in range(3))  # type: ignore[return-value]


def _split(items: list[tuple[Colour, int]]) -> tuple[list, list]:
    spans = [max(c[ch] for c, _ in items) - min(c[ch] for c, _ in items) for ch in range(3)]
    channel = spans.index(max(spans))
    items.sort(key=lambda item: (item[0][channel], item[0]))
    half = sum(count for _, count in items) / 2
    running = 0
    for cut, (_, count) in enumerate(items[:-1], start=1):
        running += count
        if running >= half:
            break
    return items[:cut], items[cut:]


def _box_priority(items: list[tuple[Colour, int]]) -> float:
    if len(items) < 2:
        return -1.0
    span = max(max(c[ch] for c, _ in items) - min(c[ch] for c, _ in items) for ch in range(3))
    return span * sum(count for _, count in items) ** 0.5


def median_cut(histogram: dict[Colour, int], box_count: int) -> list[Colour]:
    boxes = [sorted(histogram.items())]
    while len(boxes) < box_count:
        priorities = [_box_priority(box) for box in boxes]
        best = max(range(len(boxes)), key=lambda i: priorities[i])
        if priorities[best] < 0:
            break
        low, high = _split(boxes.pop(best))
        boxes += [low, high]
    return [_mean(box) for box in boxes if box]


def _nearest(colour: Colour, choices: Sequence[tuple[int, Colour]]) -> int:
    return min(choices, key=lambda choice: (_distance(colour, choice[1]), choice[0]))[0]


def _refine(histogram: dict[Colour, int], fixed: list[Colour], free: list[Colour]) -> list[Colour]:
    for _ in range(REFINE_ROUNDS):
        choices = list(enumerate(fixed + free))
        groups: dict[int, list[tuple[Colour, int]]] = {}
        for colour, count in histogram.items():
            groups.setdefault(_nearest(colour, choices), []).append((colour, count))
        free = [_mean(groups[len(fixed) + i]) if len(fixed) + i in groups else colour
                for i, colour in enumerate(free)]
    return free


def _choose_colours(histogram: dict[Colour, int], slots: int,
                    keep: Sequence[Colour]) -> list[Colour]:
    if len(histogram) <= slots:
        return sorted(histogram, key=lambda colour: (-histogram[colour], colour))
    fixed = [colour for colour in dict.fromkeys(keep) if colour in histogram]
    rest = {colour: count for colour, count in histogram.items() if colour not in fixed}
    free = median_cut(rest, slots - len(fixed))
    return fixed + _refine(histogram, fixed, free)


def reduce_colours(pixels: Sequence[Optional[Colour]], size: int,
                   transparent_index: Optional[int] = None,
                   pinned: Optional[dict[int, Colour]] = None,
                   keep: Sequence[Colour] = ()) -> tuple[list[Colour], list[int]]:
    """Returns a colour table of exactly `size` entries and one index per pixel.
    None pixels are transparent; `pinned` fixes colours at given indexes."""
    pinned = dict(pinned or {})
    histogram = Counter(pixel for pixel in pixels if pixel is not None)
    for colour in pinned.values():
        histogram.pop(colour, None)
    reserved = set(pinned) | ({transparent_index} if transparent_index is not None else set())
    colours = _choose_colours(histogram, size - len(reserved), keep)
    table: list[Optional[Colour]] = [pinned.get(index) for index in range(size)]
    free_indexes = [index for index in range(size) if index not in reserved]
    for index, colour in zip(free_indexes, colours):
        table[index] = colour
    if transparent_index is not None:
        table[transparent_index] = next(key for key in KEY_CANDIDATES if key not in table)
    # Unused entries are black; no key candidate is black, so the key stays unique.
    final = [colour if colour is not None else (0, 0, 0) for colour in table]
    choices = [(index, colour) for index, colour in enumerate(final)
               if index != transparent_index and table[index] is not None]
    lookup = {colour: _nearest(colour, choices) for colour in histogram}
    for index, colour in pinned.items():
        lookup[colour] = index
    indices = [transparent_index if pixel is None else lookup[pixel] for pixel in pixels]
    return final, indices

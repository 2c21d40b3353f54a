#!/usr/bin/env python3
"""Generates all artwork of Quick Introduction into resources/: the GIF
pictures, the cursors, the program icon and the application manifest.

    python3 tools/artwork/make_artwork.py          write everything, then check it
    python3 tools/artwork/make_artwork.py --check  only check the files in resources/

Output is deterministic: the same bytes on every run with the same fonts
and Pillow."""

import argparse
import importlib.util
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from artwork_check import (ArtworkError, check_all, check_gif, check_round_trip,  # noqa: E402
                           cursor_path, icon_path, manifest_path, picture_path)
from inventory import PICTURES  # noqa: E402

REPOSITORY = os.path.dirname(os.path.dirname(HERE))
SYSTEM_PYTHON = "/usr/bin/python3"

MANIFEST = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">
  <assemblyIdentity name="Kalidor.Clock.Intro" processorArchitecture="x86" version="1.0.0.0" type="win32"/>
  <description>Windows Shell</description>
  <dependency>
    <dependentAssembly>
      <assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6.0.0.0" processorArchitecture="x86" publicKeyToken="6595b64144ccf1df" language="*"/>
    </dependentAssembly>
  </dependency>
</assembly>
"""


def _ensure_pillow() -> None:
    """Drawing needs Pillow; when this interpreter lacks it, run again under
    the system Python, where the distribution package installs it."""
    if importlib.util.find_spec("PIL") is None:
        running = os.path.realpath(sys.executable)
        if os.path.exists(SYSTEM_PYTHON) and running != os.path.realpath(SYSTEM_PYTHON):
            os.execv(SYSTEM_PYTHON, [SYSTEM_PYTHON] + sys.argv)
        sys.exit("make_artwork: Pillow is missing (install python3-pil)")


def _builders():
    import desktop_art
    import feature_art
    import page_art
    import seasonal_art
    return {
        "gifanimator": seasonal_art.build_gifanimator,
        "mainbkg": page_art.build_mainbkg,
        "image8": page_art.build_image8,
        "trayclockimg": desktop_art.build_trayclockimg,
        "desktopclockimg": desktop_art.build_desktopclockimg,
        "image1": desktop_art.build_image1,
        "image4": desktop_art.build_image4,
        "image7": desktop_art.build_image7,
        "image2": feature_art.build_image2,
        "image3": feature_art.build_image3,
        "image5": feature_art.build_image5,
        "image6": feature_art.build_image6,
        "bullet": page_art.build_bullet,
    }


def render_all(root: str) -> dict[str, bytes]:
    from cursor_art import cursors, main_icon
    from gif_writer import write_gif
    outputs = {}
    builders = _builders()
    for name in PICTURES:
        picture = builders[name]()
        data = write_gif(picture)
        try:
            check_round_trip(picture, check_gif(PICTURES[name], data))
        except ArtworkError as error:
            sys.exit(f"make_artwork: {name}: {error}")
        outputs[picture_path(root, name)] = data
    for name, data in cursors().items():
        outputs[cursor_path(root, name)] = data
    outputs[icon_path(root)] = main_icon()
    outputs[manifest_path(root)] = MANIFEST.encode("utf-8")
    return outputs


def write_outputs(outputs: dict[str, bytes]) -> None:
    for path, data in outputs.items():
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as handle:
            handle.write(data)


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="only check the existing files")
    parser.add_argument("--root", default=REPOSITORY, help="repository root (default: this one)")
    arguments = parser.parse_args()
    if not arguments.check:
        _ensure_pillow()
        write_outputs(render_all(arguments.root))
    problems = check_all(arguments.root)
    for problem in problems:
        print("problem:", problem, file=sys.stderr)
    print(f"{'artwork check failed' if problems else 'artwork check passed'}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())

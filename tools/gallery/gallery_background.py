#!/usr/bin/env python3
"""The gallery's background: the skin's window look at the gallery's size (1280 x 1000).

The button sections sit where the main window has its panels (the left column, the information
popup, the bottom links), so those panels are drawn at the same places; the sections of the lists,
fields, gauges and panels get a right column and a bottom band of their own.

  gallery_background.py OUT.svg
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "res", "svg"))
import skin  # noqa: E402

WIDTH, HEIGHT = 1280, 1000


def background():
    panels = (skin.panel(16, 92, 276, 492, 10, 0.28) +
              '<rect x="32" y="214" width="244" height="1" fill="#ffffff" fill-opacity="0.07"/>' +
              skin.panel(300, 96, 581, 358, 14, 0.18) +
              skin.panel(300, 466, 581, 40, 8, 0.14) +
              skin.panel(900, 92, 364, 492, 10, 0.22) +
              skin.panel(16, 596, 1248, 392, 10, 0.22))
    return skin.window_background(WIDTH, HEIGHT, 16, 84, panels)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    with open(sys.argv[1], "w", encoding="utf-8") as out:
        out.write(background())

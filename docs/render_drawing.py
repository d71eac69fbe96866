# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Tarvelo contributors
"""Renders a DXF drawing's model space to a PNG picture with ezdxf's drawing add-on, as a program
other than ours sees the drawing:

    python3 render_drawing.py DRAWING.dxf PICTURE.png [--width PX] [--window X0,Y0,X1,Y1]

--window adds a close view of that part of the plane (drawing units) under the whole drawing,
framed in red on it: for symbols small beside the plan.
Needs python3-ezdxf and python3-matplotlib. The picture has a white background, the way the drawing is
printed, so that it reads in the README whatever the page's colours."""
import argparse
import logging

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
from matplotlib.patches import Rectangle  # noqa: E402

import ezdxf  # noqa: E402
from ezdxf.addons.drawing import Frontend, RenderContext  # noqa: E402
from ezdxf.addons.drawing.config import Configuration, LinePolicy  # noqa: E402
from ezdxf.addons.drawing.matplotlib import MatplotlibBackend  # noqa: E402


def black_for_white(properties):
    """White ink turns black on paper, and pale inks (yellow, cyan) darker, so that they read."""
    colour = properties.color.lower()
    if colour.startswith("#ffffff"):
        properties.color = "#000000"
        return
    red, green, blue = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
    if 0.299 * red + 0.587 * green + 0.114 * blue > 150:
        properties.color = "#{:02x}{:02x}{:02x}".format(red * 3 // 5, green * 3 // 5, blue * 3 // 5) + colour[7:]


class PaperBackend(MatplotlibBackend):
    """Inks as on paper: the add-on resolves them against a dark screen."""

    def draw_line(self, start, end, properties):
        black_for_white(properties)
        super().draw_line(start, end, properties)

    def draw_solid_lines(self, lines, properties):
        # The dashes of a line type come this way.
        black_for_white(properties)
        super().draw_solid_lines(lines, properties)

    def draw_path(self, path, properties):
        black_for_white(properties)
        super().draw_path(path, properties)

    def draw_filled_paths(self, paths, holes, properties):
        black_for_white(properties)
        super().draw_filled_paths(paths, holes, properties)

    def draw_filled_polygon(self, points, properties):
        black_for_white(properties)
        super().draw_filled_polygon(points, properties)

    def draw_text(self, text, transform, properties, cap_height):
        black_for_white(properties)
        super().draw_text(text, transform, properties, cap_height)


def window_of(text):
    values = [float(value) for value in text.split(",")]
    if len(values) != 4 or values[0] >= values[2] or values[1] >= values[3]:
        raise argparse.ArgumentTypeError("X0,Y0,X1,Y1 with X0 < X1 and Y0 < Y1")
    return values


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("drawing")
    parser.add_argument("picture")
    parser.add_argument("--width", type=int, default=1600)
    parser.add_argument("--window", type=window_of)
    arguments = parser.parse_args()
    # Fonts the drawing names but the machine lacks are replaced silently.
    logging.getLogger("matplotlib.font_manager").setLevel(logging.ERROR)

    doc = ezdxf.readfile(arguments.drawing)
    width = arguments.width / 100
    if arguments.window:
        # The whole drawing with the window framed on top, the window below it.
        x0, y0, x1, y1 = arguments.window
        window_height = width * (y1 - y0) / (x1 - x0)
        whole_height = width * 0.5
        figure = plt.figure(figsize=(width, whole_height + window_height), dpi=100)
        total = whole_height + window_height
        whole = figure.add_axes([0, window_height / total, 1, whole_height / total])
        draw(doc, whole)
        whole.add_patch(Rectangle((x0, y0), x1 - x0, y1 - y0, fill=False, edgecolor="#d02020", linewidth=1.5))
        close = figure.add_axes([0, 0, 1, window_height / total])
        draw(doc, close)
        close.set_xlim(x0, x1)
        close.set_ylim(y0, y1)
        close.add_patch(Rectangle((x0, y0), x1 - x0, y1 - y0, fill=False, edgecolor="#d02020", linewidth=3))
    else:
        figure = plt.figure(figsize=(width, width * 0.6), dpi=100)
        draw(doc, figure.add_axes([0, 0, 1, 1]))
    figure.savefig(arguments.picture, dpi=100, facecolor="white")


def draw(doc, axes):
    # Symbols may sit on any layer the user picked, the non-printing one included.
    config = Configuration.defaults().with_changes(show_defpoints=True, line_policy=LinePolicy.ACCURATE)
    context = RenderContext(doc)
    context.set_current_layout(doc.modelspace())
    context.current_layout_properties.set_colors(bg="#ffffff")
    Frontend(context, PaperBackend(axes), config=config).draw_layout(doc.modelspace(), finalize=True)
    axes.set_facecolor("white")

if __name__ == "__main__":
    main()

# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Tarvelo contributors
"""Writes plan.dxf: a small floor plan of a two-room flat, with Russian layer and line type names.

Run with /usr/bin/python3 (it needs python3-ezdxf); the output is committed next to this script.
"""
import sys
from pathlib import Path

import ezdxf
from ezdxf.enums import TextEntityAlignment

# Line type name, description, pattern (ezdxf form: total length, then dashes and gaps).
LINETYPES = [
    ("Штриховая", "Штриховая __ __ __", [12.0, 8.0, -4.0]),
    ("Штрихпунктирная", "Штрихпунктирная тонкая __ . __ .", [26.0, 20.0, -3.0, 0.0, -3.0]),
    ("Штрихпунктирная2", "Штрихпунктирная с двумя точками __ .. __", [30.0, 20.0, -3.0, 0.0, -3.0, 0.0, -4.0]),
    ("Пунктирная", "Пунктирная . . . .", [3.0, 0.0, -3.0]),
]
# Layer name, colour number, line type.
LAYERS = [
    ("Оси", 1, "Штрихпунктирная"),
    ("Стены", 7, "Continuous"),
    ("Перегородки", 8, "Continuous"),
    ("Окна", 4, "Continuous"),
    ("Двери", 30, "Continuous"),
    ("Размеры", 3, "Continuous"),
    ("Тексты", 2, "Continuous"),
    ("Штриховка", 9, "Continuous"),
    ("Мебель", 6, "Continuous"),
    ("Скрытые линии", 5, "Штриховая"),
    ("Границы участка", 140, "Штрихпунктирная2"),
]

AXES_X = [0, 6000, 12000]
AXES_Y = [0, 5400]
WALL = 380


def rectangle(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def add_axes(msp):
    for number, x in enumerate(AXES_X, start=1):
        msp.add_line((x, -1500), (x, AXES_Y[-1] + 1500), dxfattribs={"layer": "Оси"})
        msp.add_circle((x, -1900), 400, dxfattribs={"layer": "Оси"})
        msp.add_text(str(number), height=350, dxfattribs={"layer": "Тексты"}).set_placement(
            (x, -1900), align=TextEntityAlignment.MIDDLE_CENTER)
    for letter, y in zip("АБ", AXES_Y):
        msp.add_line((-1500, y), (AXES_X[-1] + 1500, y), dxfattribs={"layer": "Оси"})
        msp.add_circle((-1900, y), 400, dxfattribs={"layer": "Оси"})
        msp.add_text(letter, height=350, dxfattribs={"layer": "Тексты"}).set_placement(
            (-1900, y), align=TextEntityAlignment.MIDDLE_CENTER)


def add_walls(msp):
    half = WALL / 2
    outer = rectangle(AXES_X[0] - half, AXES_Y[0] - half, AXES_X[-1] + half, AXES_Y[-1] + half)
    inner = rectangle(AXES_X[0] + half, AXES_Y[0] + half, AXES_X[-1] - half, AXES_Y[-1] - half)
    msp.add_lwpolyline(outer, close=True, dxfattribs={"layer": "Стены"})
    msp.add_lwpolyline(inner, close=True, dxfattribs={"layer": "Стены"})
    hatch = msp.add_hatch(color=256, dxfattribs={"layer": "Штриховка"})
    hatch.set_pattern_fill("ANSI31", scale=20)
    hatch.paths.add_polyline_path(outer, is_closed=True)
    hatch.paths.add_polyline_path(inner, is_closed=True)
    x = AXES_X[1]
    msp.add_lwpolyline(rectangle(x - 60, AXES_Y[0] + half, x + 60, AXES_Y[-1] - half), close=True,
                       dxfattribs={"layer": "Перегородки"})


def add_openings(msp):
    half = WALL / 2
    for x in (2000, 8200):
        for y in (AXES_Y[0], AXES_Y[-1]):
            msp.add_lwpolyline(rectangle(x, y - half, x + 1500, y + half), close=True, dxfattribs={"layer": "Окна"})
            msp.add_line((x, y), (x + 1500, y), dxfattribs={"layer": "Окна"})
    # A door in the partition, drawn as its leaf and its swing.
    x = AXES_X[1]
    msp.add_line((x, 1200), (x + 900, 1200), dxfattribs={"layer": "Двери"})
    msp.add_arc((x, 1200), 900, 0, 90, dxfattribs={"layer": "Двери"})
    msp.add_line((AXES_X[0] - WALL, 2300), (AXES_X[0] + WALL, 2300), dxfattribs={"layer": "Двери"})


def add_furniture(msp):
    msp.add_lwpolyline(rectangle(600, 3000, 2600, 4800), close=True, dxfattribs={"layer": "Мебель"})
    msp.add_circle((9000, 2700), 600, dxfattribs={"layer": "Мебель"})
    msp.add_lwpolyline(rectangle(500, 500, 5500, 5000), close=True, dxfattribs={"layer": "Скрытые линии"})
    msp.add_lwpolyline(rectangle(-4000, -4000, 16000, 9400), close=True, dxfattribs={"layer": "Границы участка"})


def add_annotations(msp):
    for x0, x1 in zip(AXES_X, AXES_X[1:]):
        msp.add_linear_dim(base=(0, -1000), p1=(x0, 0), p2=(x1, 0), dxfattribs={"layer": "Размеры"}).render()
    msp.add_linear_dim(base=(-1000, 0), p1=(0, AXES_Y[0]), p2=(0, AXES_Y[-1]), angle=90,
                       dxfattribs={"layer": "Размеры"}).render()
    for text, x in (("Комната 1  18,6 м²", 3000), ("Комната 2  19,4 м²", 9000)):
        msp.add_text(text, height=250, dxfattribs={"layer": "Тексты"}).set_placement(
            (x, 4300), align=TextEntityAlignment.MIDDLE_CENTER)
    msp.add_text("План на отм. 0.000", height=500, dxfattribs={"layer": "Тексты"}).set_placement(
        (6000, AXES_Y[-1] + 2600), align=TextEntityAlignment.MIDDLE_CENTER)


def main(target):
    doc = ezdxf.new("R2010", setup=True)
    for name, description, pattern in LINETYPES:
        doc.linetypes.add(name, pattern=pattern, description=description)
    for name, colour, linetype in LAYERS:
        doc.layers.add(name, color=colour, linetype=linetype)
    msp = doc.modelspace()
    add_axes(msp)
    add_walls(msp)
    add_openings(msp)
    add_furniture(msp)
    add_annotations(msp)
    doc.saveas(target)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).with_name("plan.dxf"))

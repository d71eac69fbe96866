# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Tarvelo contributors
"""Writes the drawings the DXF reader tests open, good and broken, into a folder."""
import random
import re
import sys
from pathlib import Path

import ezdxf

# Layer name, colour number, switched off.
LAYERS = [
    ("Стены", 1, False),
    ("Оси", 5, False),
    ("Размеры", 3, True),
    ("Окна и двери", 4, False),
]
# Line type name, description, pattern.
LINETYPES = [
    ("Штриховая", "Штриховая __ __ __", [0.9, 0.6, -0.3]),
    ("Осевая", "Штрихпунктирная __ . __ .", [1.4, 1.0, -0.2, 0.0, -0.2]),
]


def make_drawing(version, encoding=None):
    doc = ezdxf.new(version)
    if encoding:
        # Sets $DWGCODEPAGE too; characters the code page lacks are written as \U+XXXX escapes.
        doc.encoding = encoding
    for name, description, pattern in LINETYPES:
        doc.linetypes.add(name, pattern=pattern, description=description)
    for name, colour, off in LAYERS:
        layer = doc.layers.add(name, color=colour, linetype="Штриховая" if name == "Оси" else "Continuous")
        if off:
            layer.off()
    doc.modelspace().add_line((0, 0), (6000, 0), dxfattribs={"layer": "Стены"})
    return doc


def write_text_variants(out):
    """The same drawings as other programs write them: other line ends, a byte order mark,
    blanks after values, no code page in the header."""
    r12 = (out / "r12_cp1251.dxf").read_bytes()
    r2010 = (out / "r2010_utf8.dxf").read_bytes()
    (out / "r2010_cr.dxf").write_bytes(r2010.replace(b"\r\n", b"\n").replace(b"\n", b"\r"))
    (out / "r2010_crlf.dxf").write_bytes(r2010.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n"))
    blanks = r2010.replace(b"\nAC1024\n", b"\nAC1024 \n").replace(b"\nSECTION\n", b"\nSECTION  \n")
    (out / "r2010_trailing_blanks.dxf").write_bytes(blanks.replace(b"\nENDTAB\n", b"\nENDTAB\t\n"))
    # A program that writes UTF-8 marks it so, whatever code page the header names.
    (out / "r12_utf8_bom.dxf").write_bytes(b"\xef\xbb\xbf" + r12.decode("cp1251").encode("utf-8"))
    codepage = re.search(rb"\s*9\r?\n\$DWGCODEPAGE\r?\n\s*3\r?\n[^\r\n]*\r?\n", r12)
    (out / "r12_no_codepage.dxf").write_bytes(r12[: codepage.start()] + b"\n" + r12[codepage.end() :])


def write_broken_binaries(out):
    whole = (out / "r2010_binary.dxf").read_bytes()
    layer_table = whole.index(b"LAYER\x00", whole.index(b"TABLES\x00"))
    (out / "binary_truncated.dxf").write_bytes(whole[: layer_table + 100])
    # A binary file sent as text: its CR LF became LF.
    (out / "binary_sent_as_text.dxf").write_bytes(whole.replace(b"DXF\r\n\x1a", b"DXF\n\x1a", 1))
    (out / "binary_noise.dxf").write_bytes(b"AutoCAD Binary DXF\r\n\x1a\x00" + bytes(range(256)) * 4)
    # A text without its terminating zero byte, running on to the end of the file.
    (out / "binary_endless_text.dxf").write_bytes(whole[: layer_table] + b"x" * 10000)


def main(folder):
    out = Path(folder)
    out.mkdir(parents=True, exist_ok=True)
    make_drawing("R12", "cp1251").saveas(out / "r12_cp1251.dxf")
    # Cyrillic has no place in code page 1252, so the names come out as escapes.
    make_drawing("R12", "cp1252").saveas(out / "r12_escapes.dxf")
    make_drawing("R2010").saveas(out / "r2010_utf8.dxf")
    # Binary files: one-byte group codes before R13, two-byte ones after.
    make_drawing("R12", "cp1251").saveas(out / "r12_binary.dxf", fmt="bin")
    make_drawing("R2010").saveas(out / "r2010_binary.dxf", fmt="bin")
    write_text_variants(out)
    write_broken_binaries(out)

    whole = (out / "r2010_utf8.dxf").read_bytes()
    layer_table = whole.index(b"\nLAYER\r\n") if b"\nLAYER\r\n" in whole else whole.index(b"\nLAYER\n")
    (out / "truncated.dxf").write_bytes(whole[: layer_table + 200])
    (out / "not_a_drawing.dxf").write_text("Это обычный текстовый файл,\nа не чертёж.\n", encoding="utf-8")
    (out / "empty.dxf").write_bytes(b"")
    noise = random.Random(1251)
    (out / "garbage.dxf").write_bytes(bytes(noise.randrange(256) for _ in range(8192)))


if __name__ == "__main__":
    main(sys.argv[1])

# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Tarvelo contributors
"""Prints, as one JSON object, the layer names of each DXF file given as ezdxf reads its
LAYER table: the table's records in file order, decoded as ezdxf decodes them, "0" alone when
the drawing has no layer records. A file whose section structure ezdxf refuses is reported as
damaged with ezdxf's message instead."""
import json
import sys

from ezdxf.filemanagement import dxf_file_info
from ezdxf.lldxf.const import DXFError
from ezdxf.lldxf.encoding import decode_dxf_unicode, has_dxf_unicode
from ezdxf.lldxf.loader import load_dxf_structure
from ezdxf.lldxf.tagger import ascii_tags_loader, binary_tags_loader
from ezdxf.lldxf.validator import is_binary_dxf_file


def raw_tags(path):
    if is_binary_dxf_file(path):
        with open(path, "rb") as file:
            return list(binary_tags_loader(file.read()))
    info = dxf_file_info(path)
    with open(path, encoding=info.encoding, errors="surrogateescape") as file:
        return list(ascii_tags_loader(file))


def layer_names(path):
    sections = load_dxf_structure(raw_tags(path))
    names = []
    in_layer_table = False
    for entity in sections.get("TABLES", []):
        kind = entity[0].value
        if kind == "TABLE":
            in_layer_table = len(entity) > 1 and entity[1].value == "LAYER"
        elif kind == "ENDTAB":
            in_layer_table = False
        elif in_layer_table and kind == "LAYER":
            name = next((tag.value for tag in entity if tag.code == 2), "")
            # As ezdxf's recovering loader does: \U+XXXX stands for its character.
            names.append(decode_dxf_unicode(name) if has_dxf_unicode(name) else name)
    return names or ["0"]


def main(paths):
    result = {}
    for path in paths:
        try:
            result[path] = {"layers": layer_names(path)}
        except DXFError as error:
            result[path] = {"damaged": str(error)}
    json.dump(result, sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main(sys.argv[1:])

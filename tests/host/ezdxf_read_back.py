# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Tarvelo contributors
"""Reads DXF drawings back with ezdxf and prints, as one JSON object by path, what a test compares
with what was written:

- "raw": the entities of the ENTITIES section as the file holds them, [type, handle or null], in
  file order, from ezdxf's low-level loader (so handles are the file's, not ones ezdxf makes up);
- "problems": what ezdxf's recovering loader and its audit report as errors, "code: message";
- "version", "encoding", and the "layers", "linetypes" and "styles" tables;
- with --details, "entities": each model space entity's type, pens and geometry.

A file ezdxf cannot read at all gets {"unreadable": message}."""
import json
import sys

import ezdxf
from ezdxf import recover
from ezdxf.lldxf.const import DXFError
from ezdxf.lldxf.loader import load_dxf_structure
from ezdxf.lldxf.tagger import ascii_tags_loader, binary_tags_loader
from ezdxf.lldxf.validator import is_binary_dxf_file
from ezdxf.filemanagement import dxf_file_info


def raw_entities(path):
    if is_binary_dxf_file(path):
        with open(path, "rb") as file:
            tags = list(binary_tags_loader(file.read()))
    else:
        info = dxf_file_info(path)
        with open(path, encoding=info.encoding, errors="surrogateescape") as file:
            tags = list(ascii_tags_loader(file))
    sections = load_dxf_structure(tags)
    entities = []
    # The first tag list is the section's own head.
    for entity in sections.get("ENTITIES", [])[1:]:
        handle = next((tag.value for tag in entity if tag.code == 5), None)
        entities.append([entity[0].value, handle])
    return entities


def xy(vector):
    return [vector[0], vector[1]]


def details(entity):
    dxf = entity.dxf
    kind = entity.dxftype()
    found = {
        "type": kind,
        "handle": dxf.get("handle"),
        "layer": dxf.get("layer"),
        "linetype": dxf.get("linetype", "BYLAYER"),
        "color": dxf.get("color", 256),
        "lineweight": dxf.get("lineweight", -1),
        "ltscale": dxf.get("ltscale", 1.0),
    }
    if kind == "LINE":
        found.update(start=xy(dxf.start), end=xy(dxf.end))
    elif kind in ("CIRCLE", "ARC"):
        found.update(center=xy(dxf.center), radius=dxf.radius)
        if kind == "ARC":
            found.update(start_angle=dxf.start_angle, end_angle=dxf.end_angle)
    elif kind == "SOLID":
        found.update(corners=[xy(dxf.vtx0), xy(dxf.vtx1), xy(dxf.vtx2), xy(dxf.vtx3)])
    elif kind == "TEXT":
        found.update(text=dxf.text, insert=xy(dxf.insert), align_point=xy(dxf.get("align_point", dxf.insert)),
                     height=dxf.height, width=dxf.get("width", 1.0), oblique=dxf.get("oblique", 0.0),
                     rotation=dxf.get("rotation", 0.0), style=dxf.get("style", "Standard"),
                     halign=dxf.get("halign", 0), valign=dxf.get("valign", 0))
    elif kind == "LWPOLYLINE":
        found.update(points=[[p[0], p[1], p[4]] for p in entity.get_points("xyseb")],
                     width=dxf.get("const_width", 0.0), closed=entity.closed)
    elif kind == "POLYLINE":
        found.update(points=[[v.dxf.location[0], v.dxf.location[1], v.dxf.get("bulge", 0.0)] for v in entity.vertices],
                     width=dxf.get("default_start_width", 0.0), closed=entity.is_closed)
    return found


def read_back(path, with_details):
    try:
        raw = raw_entities(path)
        doc, auditor = recover.readfile(path)
    except (DXFError, IOError, UnicodeDecodeError, ValueError) as error:
        return {"unreadable": str(error)}
    problems = [f"{error.code}: {error.message}" for error in auditor.errors]
    problems += [f"{error.code}: {error.message}" for error in doc.audit().errors]
    result = {
        "version": doc.dxfversion,
        "encoding": doc.encoding,
        "raw": raw,
        "problems": problems,
        "layers": [{"name": layer.dxf.name, "color": layer.dxf.get("color", 7),
                    "linetype": layer.dxf.get("linetype", "Continuous")} for layer in doc.layers],
        "linetypes": [{"name": linetype.dxf.name,
                       "pattern": [tag.value for tag in linetype.pattern_tags.tags if tag.code == 49]}
                      for linetype in doc.linetypes],
        "styles": [{"name": style.dxf.name, "height": style.dxf.get("height", 0.0),
                    "width": style.dxf.get("width", 1.0), "oblique": style.dxf.get("oblique", 0.0),
                    "font": style.dxf.get("font", "")} for style in doc.styles],
    }
    if with_details:
        result["entities"] = [details(entity) for entity in doc.modelspace()]
    return result


def main(arguments):
    with_details = "--details" in arguments
    paths = [argument for argument in arguments if argument != "--details"]
    json.dump({path: read_back(path, with_details) for path in paths}, sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main(sys.argv[1:])

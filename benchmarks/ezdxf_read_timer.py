# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Tarvelo contributors
"""Times ezdxf reading one DXF drawing, as a user would read it instead, on request: each line
"tables" or "full" on standard input reads the drawing once and answers the seconds it took.

"tables" reads the file with ezdxf's tag loaders up to the end of its TABLES section and takes the
layer names, the job the host program's reader does; "full" is ezdxf.readfile."""
import sys
import time

import ezdxf
from ezdxf.filemanagement import dxf_file_info
from ezdxf.lldxf.tagger import ascii_tags_loader, binary_tags_loader
from ezdxf.lldxf.validator import is_binary_dxf_file


def layer_names_from(tags):
    names = []
    section = table = None
    expect = None
    for code, value in tags:
        if code == 0:
            if value == "ENDSEC" and section == "TABLES":
                break
            expect = value
        elif code == 2 and expect is not None:
            if expect == "SECTION":
                section = value
            elif expect == "TABLE":
                table = value
            elif expect == "LAYER" and table == "LAYER":
                names.append(value)
            expect = None
    return names


def read_tables(path):
    if is_binary_dxf_file(path):
        with open(path, "rb") as file:
            return layer_names_from(binary_tags_loader(file.read()))
    info = dxf_file_info(path)
    with open(path, encoding=info.encoding, errors="surrogateescape") as file:
        return layer_names_from(ascii_tags_loader(file))


def main(path):
    readers = {"tables": read_tables, "full": ezdxf.readfile}
    for line in sys.stdin:
        started = time.perf_counter()
        readers[line.strip()](path)
        print(time.perf_counter() - started, flush=True)


if __name__ == "__main__":
    main(sys.argv[1])

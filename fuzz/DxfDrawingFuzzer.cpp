// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Feeds arbitrary bytes to the DXF reader: it must either open a drawing
// with at least one layer or refuse it with a message, and never crash.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "DxfDrawing.h"
#include "TableWalk.h"

using namespace tarvelo::hostcad;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::string error;
    const std::unique_ptr<tarvelo::host::DxfDrawing> drawing =
        tarvelo::host::DxfDrawing::read(in, "fuzz.dxf", error);
    if (!drawing) {
        if (error.empty())
            std::abort();
        return 0;
    }
    const TableNames layers = readTableNames(drawing.get(), TableKind::Layers, FailedRecords::Skip);
    if (layers.names.empty() || layers.names.size() != drawing->layers().size() || !error.empty())
        std::abort();
    readTableNames(drawing.get(), TableKind::Linetypes, FailedRecords::ReadAnyway);
    return 0;
}

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdlib>
#include <sstream>
#include <string>

#include "DxfDrawing.h"
#include "TableWalk.h"

/// @file
/// What every input must give the DXF reader: a drawing with at least one
/// layer, all of which the table walk hands out, or a message; never a crash.

namespace tarvelo::fuzz {

inline void checkDrawingRead(const std::string& bytes)
{
    using namespace tarvelo::hostcad;
    std::istringstream in(bytes);
    std::string error;
    const std::unique_ptr<tarvelo::host::DxfDrawing> drawing = tarvelo::host::DxfDrawing::read(in, "fuzz.dxf", error);
    if (!drawing) {
        if (error.empty())
            std::abort();
        return;
    }
    const TableNames layers = readTableNames(drawing.get(), TableKind::Layers, FailedRecords::Skip);
    if (layers.names.empty() || layers.names.size() != drawing->layers().size() || !error.empty())
        std::abort();
    readTableNames(drawing.get(), TableKind::Linetypes, FailedRecords::ReadAnyway);
}

}  // namespace tarvelo::fuzz

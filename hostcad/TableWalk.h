// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "HostCad.h"

namespace tarvelo::hostcad {

enum class TableKind { Layers, Linetypes };

/// How a walk treats a record that fails to open: the layer walk skips it,
/// the line type walk takes its name regardless.
enum class FailedRecords { Skip, ReadAnyway };

struct TableNames {
    /// Code page 1251 names in table order, as far as the walk got.
    std::vector<std::string> names;
    /// What stopped the walk half way (UTF-8), empty when it went through.
    std::string failure;
};

/// Walks a table of the drawing, handing each name to take() as the host
/// holds it. Nothing for a null drawing or a table that cannot be iterated;
/// erased records are skipped by the iterator itself. Returns what stopped
/// the walk half way (UTF-8), empty when it went through.
std::string walkTableNames(IDrawingDatabase* drawing, TableKind table, FailedRecords failed,
                           const std::function<void(const HostText&)>& take);

/// Walks a table of the drawing into lists of names. Nothing for a null drawing or a table that
/// cannot be iterated; erased records are skipped by the iterator itself. A
/// failure raised by the host stops the walk and is reported, not thrown.
TableNames readTableNames(IDrawingDatabase* drawing, TableKind table, FailedRecords failed);

}  // namespace tarvelo::hostcad

// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QString>
#include <memory>
#include <string>

#include "tarvelo/geometry/TGeoBlock.h"

/// @file
/// Blocks kept in JSON files, for --edit, --json and "Сохранить JSON…".

namespace tarvelo::host {

/// Reads the block in the file; null, with a Russian message naming the
/// file and the fault in @p errorUtf8, when it cannot.
std::unique_ptr<GEOTYPE_DEFINITION::TGeoBlock> readBlockFile(const QString& path, std::string& errorUtf8);

/// Writes the block's JSON, replacing the file only once all of it is
/// written; false, with a Russian message in @p errorUtf8, when it cannot.
bool writeBlockFile(GEOTYPE_DEFINITION::IGeoBlock& block, const QString& path, std::string& errorUtf8);

}  // namespace tarvelo::host

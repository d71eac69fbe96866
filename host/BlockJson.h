// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <memory>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>

#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/geometry/TGeoBlock.h"

namespace tarvelo::host {

/// Everything a caller can read from a block, as indented UTF-8 JSON:
/// scalars, parameters, extended data, traits, items, scope points and
/// points, collections in their iteration order. Texts are converted from
/// code page 1251. Used to show and save returned blocks.
std::string blockToJson(GEOTYPE_DEFINITION::IGeoBlock& block);

/// The document that blockToJson writes out, for showing it otherwise.
nlohmann::ordered_json blockToJsonDocument(GEOTYPE_DEFINITION::IGeoBlock& block);

/// The block that blockToJson wrote: for every document it wrote, the new
/// block writes the same document again (but for the one byte code page
/// 1251 leaves unassigned, which comes back as '?'). Members may be left out and keep
/// a new block's values; unknown members, wrong types, values out of range
/// and points or items without a key or with a key used twice are refused.
/// Texts are converted to code page 1251. On failure answers null and puts
/// a Russian message (UTF-8) naming the place into @p errorUtf8.
std::unique_ptr<GEOTYPE_DEFINITION::TGeoBlock> blockFromJson(std::string_view json, std::string& errorUtf8);

}  // namespace tarvelo::host

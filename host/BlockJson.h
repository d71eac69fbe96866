// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <string>

#include "tarvelo/geometry/IGeoBlock.h"

namespace tarvelo::host {

/// Everything a caller can read from a block, as indented UTF-8 JSON:
/// scalars, parameters, extended data, traits, items, scope points and
/// points, collections in their iteration order. Texts are converted from
/// code page 1251. Used to show and save returned blocks.
std::string blockToJson(GEOTYPE_DEFINITION::IGeoBlock& block);

}  // namespace tarvelo::host

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <map>

/// @file
/// Plain types shared by every interface of the geometry data model.

namespace GEOTYPE_DEFINITION {

/// Iteration position of a keyed collection; null marks the end.
using POSITION = void*;

/// Numeric parameters of a block, keyed by small numbers each dialog assigns.
using ParamMap = std::map<std::uint32_t, double>;

/// Free values of a geometry item, keyed by number.
using ValueMap = std::map<std::uint32_t, std::uint32_t>;

}  // namespace GEOTYPE_DEFINITION

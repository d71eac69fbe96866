// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

namespace GEOTYPE_DEFINITION {
class IGeoBlock;
}
namespace tarvelo::services {
class IServiceEnvironment;
}

/// @file
/// What a boundary hatch's type choice writes into its block, apart from the widgets.

namespace tarvelo::dialogs::hatch {

inline constexpr std::uint32_t kBoundaryHatch = 601;
inline constexpr std::uint32_t kLinearHatch = 602;
inline constexpr std::uint32_t kGroundBoundary = 603;
inline constexpr std::uint32_t kWaterproofedContour = 604;
inline constexpr std::uint32_t kInsulatedContour = 605;

/// Readies a new hatch for the host after a type choice: the two placeholder
/// scope points at the origin and the host defaults of the type, which the
/// block gets when it does not have it yet. An existing hatch (edit mode set)
/// and a null block are left alone: their geometry and graphics are the user's.
void prepareHatchBlock(services::IServiceEnvironment& environment, GEOTYPE_DEFINITION::IGeoBlock* block,
                       std::uint32_t code);

}  // namespace tarvelo::dialogs::hatch

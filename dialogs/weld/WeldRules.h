// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <array>
#include <cstdint>

#include "Choice.h"

namespace GEOTYPE_DEFINITION {
class IGeoBlock;
}
namespace tarvelo::dialogs {
class HostSupportSession;
}

/// @file
/// What a weld seam's type means for the block and the dialog, apart from
/// the widgets: the sixteen types, their pictures, the remembered default.

namespace tarvelo::dialogs::weld {

/// The weld types in list order. A code is 700 + 10 x group + kind: groups
/// corner factory, butt factory, corner site, butt site; kinds continuous
/// visible, continuous hidden, intermittent visible, intermittent hidden.
inline constexpr std::array<controls::Choice, 16> kWeldTypes{{
    {"Угловые заводские - сплошные видимые", 701},
    {"Угловые заводские - сплошные невидимые", 702},
    {"Угловые заводские - прерывистые видимые", 703},
    {"Угловые заводские - прерывистые невидимые", 704},
    {"Стыковые заводские - сплошные видимые", 711},
    {"Стыковые заводские - сплошные невидимые", 712},
    {"Стыковые заводские - прерывистые видимые", 713},
    {"Стыковые заводские - прерывистые невидимые", 714},
    {"Угловые монтажные - сплошные видимые", 721},
    {"Угловые монтажные - сплошные невидимые", 722},
    {"Угловые монтажные - прерывистые видимые", 723},
    {"Угловые монтажные - прерывистые невидимые", 724},
    {"Стыковые монтажные - сплошные видимые", 731},
    {"Стыковые монтажные - сплошные невидимые", 732},
    {"Стыковые монтажные - прерывистые видимые", 733},
    {"Стыковые монтажные - прерывистые невидимые", 734},
}};

/// The store value that remembers the last accepted weld type (spelled so).
inline constexpr const char* kDefaultTypeValue = "WeldDefultType";
/// The type a new weld starts with when nothing usable is remembered.
inline constexpr std::uint32_t kFirstWeldType = 701;

/// The bitmap number of a weld code's picture; the neutral picture for a code
/// that is not in the list.
[[nodiscard]] int weldPicture(std::uint32_t code);

/// The type a new weld starts with from the remembered value: anything not
/// inside 701 to 734 gives 701. A code inside that range without an entry
/// (705 to 710, for instance) is passed on as it is.
[[nodiscard]] std::uint32_t startingWeldType(std::uint32_t remembered);

/// Gives the block the weld code as symbol type and variant, the two
/// placeholder scope points at the origin and the code's host defaults.
void ResetWeld(const HostSupportSession& hostSupport, GEOTYPE_DEFINITION::IGeoBlock& block,
               std::uint32_t code);

/// A type the user chose: a new weld is reset to it (ResetWeld); an existing
/// weld (edit mode set) gets the code as type and variant and the code's host
/// defaults, but keeps its scope points, which the host placed, and its layer.
void chooseWeldType(const HostSupportSession& hostSupport, GEOTYPE_DEFINITION::IGeoBlock& block,
                    std::uint32_t code);

}  // namespace tarvelo::dialogs::weld

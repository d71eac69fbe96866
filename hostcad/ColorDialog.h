// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <optional>

class QWidget;

namespace tarvelo::hostcad {

/// Shows the colour dialog modally, starting with `initialColor` selected.
/// The by-layer and by-block buttons appear only when `allowMetaColors` is
/// set; the by-layer button shows `currentLayerColor`. Returns the chosen
/// colour number (1..255, 256 by layer, 0 by block), or nullopt when the user
/// cancelled.
std::optional<int> chooseColor(int initialColor, bool allowMetaColors, int currentLayerColor,
                               QWidget* parent = nullptr);

}  // namespace tarvelo::hostcad

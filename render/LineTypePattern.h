// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QString>
#include <vector>

namespace tarvelo::render {

/// The dash pattern of a line type, known by its name: dash, gap, dash, gap
/// and so on in millimetres on the sheet, after the drafting standard's line
/// kinds (dashed 5/1.5, thin dash-dot 15/3, dash-dot-dot 15/4, dotted). An
/// empty pattern draws a continuous line: so do "Continuous", "default", the
/// by-layer and by-block names and any name the rules do not recognise.
[[nodiscard]] std::vector<double> dashPatternOf(const QString& lineType);

}  // namespace tarvelo::render

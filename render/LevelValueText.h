// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QString>
#include <string_view>

namespace tarvelo::render {

/// A level in metres as a draughtsman writes it on a level mark: sign, three
/// decimals, decimal comma ("+3,250", "−0,450" with a true minus sign, and
/// "±0,000" for zero, also when the value rounds to zero).
[[nodiscard]] QString levelValueText(double metres);

/// The level a mark's main text holds: the number it starts with (the dialog
/// writes "%f*3"), read with a dot as the decimal separator whatever the
/// locale; 0 when it starts with none.
[[nodiscard]] double levelValueOf(std::string_view mainText);

}  // namespace tarvelo::render

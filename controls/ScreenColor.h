// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QColor>
#include <cstdint>

namespace tarvelo::controls {

/// A screen colour as the host and its libraries give it, 0x00BBGGRR (red in
/// the lowest byte).
inline QColor fromScreenColor(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

}  // namespace tarvelo::controls

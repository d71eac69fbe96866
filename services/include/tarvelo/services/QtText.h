// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QString>
#include <string>
#include <string_view>

/// @file
/// Code page 1251 text to and from Qt's strings, through the one codec table
/// of TextCodec.h, so that display and input replace characters the same way.

namespace tarvelo::text {

/// Code page 1251 bytes for display.
QString cp1251ToQString(std::string_view cp1251);

/// What the user typed, as code page 1251 bytes; what the code page lacks becomes '?'.
std::string qStringToCp1251(const QString& text);

/// True when code page 1251 holds every character of the text, so that it is stored unchanged.
bool fitsCp1251(const QString& text);

}  // namespace tarvelo::text

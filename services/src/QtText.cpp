// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "tarvelo/services/QtText.h"

#include "tarvelo/services/TextCodec.h"

namespace tarvelo::text {

QString cp1251ToQString(std::string_view cp1251)
{
    return QString::fromStdString(cp1251ToUtf8(cp1251));
}

std::string qStringToCp1251(const QString& text)
{
    return utf8ToCp1251(text.toStdString());
}

}  // namespace tarvelo::text

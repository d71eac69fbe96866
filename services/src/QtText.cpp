// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "tarvelo/services/QtText.h"

#include "tarvelo/services/TextCodec.h"

namespace tarvelo::text {

QString cp1251ToQString(std::string_view cp1251)
{
    // One UTF-16 unit per byte, filled in place: lists of many names pass through here.
    QString text(static_cast<qsizetype>(cp1251.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : cp1251)
        *out++ = QChar(cp1251ByteToUtf16(static_cast<unsigned char>(byte)));
    return text;
}

std::string qStringToCp1251(const QString& text)
{
    return utf8ToCp1251(text.toStdString());
}

bool fitsCp1251(const QString& text)
{
    return cp1251ToQString(qStringToCp1251(text)) == text;
}

}  // namespace tarvelo::text

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "LevelValueText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tarvelo::render {

QString levelValueText(double metres)
{
    if (!std::isfinite(metres))
        metres = 0.0;
    const long long thousandths = std::llround(metres * 1000.0);
    if (thousandths == 0)
        return QStringLiteral("\u00B10,000");
    const long long magnitude = std::llabs(thousandths);
    const QString digits = QStringLiteral("%1,%2").arg(magnitude / 1000).arg(magnitude % 1000, 3, 10, QLatin1Char('0'));
    return (thousandths > 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) + digits;
}

double levelValueOf(std::string_view mainText)
{
    const char* first = mainText.data();
    const char* last = first + mainText.size();
    while (first != last && (*first == ' ' || *first == '\t'))
        ++first;
    // from_chars takes a minus but no plus sign.
    if (first != last && *first == '+')
        ++first;
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end != first ? value : 0.0;
}

}  // namespace tarvelo::render

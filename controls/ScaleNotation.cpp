// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "ScaleNotation.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "NumberText.h"

namespace tarvelo::controls {

namespace {

// A term as the user typed or picked it; a Russian keypad types a comma for the point.
double termValue(std::string_view term)
{
    std::string text(term);
    std::replace(text.begin(), text.end(), ',', '.');
    return parseLeadingNumber(text);
}

bool isWhole(double value)
{
    double integral = 0.0;
    return std::modf(value, &integral) == 0.0;
}

}  // namespace

bool isUsableScale(double factor)
{
    return std::isfinite(factor) && factor > 0.0;
}

std::string scaleCaption(double factor)
{
    if (factor >= 1.0)
        return formatWithDecimals(isWhole(factor) ? 0 : 1, factor) + " : 1";
    if (factor > 0.0) {
        const double reciprocal = 1.0 / factor;
        return "1 : " + formatWithDecimals(isWhole(reciprocal) ? 0 : 1, reciprocal);
    }
    return {};
}

std::string currentScaleText(double factor)
{
    if (factor < 1.0)
        return " 1: " + formatWithDecimals(1, 100.0 / (100.0 * factor)) + " ";
    if (factor >= 1.0)
        return " " + formatWithDecimals(1, factor) + " : 1 ";
    return {};
}

std::optional<double> scaleFromTerms(std::string_view numerator, std::string_view denominator)
{
    const double factor = termValue(numerator) / termValue(denominator);
    if (!isUsableScale(factor))
        return std::nullopt;
    return factor;
}

RatioProblem ratioProblem(std::string_view numerator, std::string_view denominator)
{
    if (!isUsableScale(termValue(numerator)))
        return RatioProblem::Numerator;
    if (!isUsableScale(termValue(denominator)))
        return RatioProblem::Denominator;
    return scaleFromTerms(numerator, denominator) ? RatioProblem::None : RatioProblem::OutOfRange;
}

std::string scaleDefaultText(double factor)
{
    return formatWithDecimals(6, factor);
}

}  // namespace tarvelo::controls

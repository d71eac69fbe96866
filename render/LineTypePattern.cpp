// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "LineTypePattern.h"

#include <algorithm>

namespace tarvelo::render {

namespace {

// A dot is a very short dash, so that flat line ends still show it.
constexpr double kDot = 0.5;

bool containsAny(const QString& name, std::initializer_list<const char*> words)
{
    return std::any_of(words.begin(), words.end(),
                       [&](const char* word) { return name.contains(QString::fromUtf8(word)); });
}

}  // namespace

std::vector<double> dashPatternOf(const QString& lineType)
{
    const QString name = lineType.toLower();
    // Line types are named by what they look like, in Russian or in the usual English names.
    const bool dashDot = containsAny(name, {"штрихпунктир", "dashdot", "dash-dot", "dash dot", "center", "axis"});
    const bool twoDots = containsAny(name, {"2", "двум", "двух", "dotdot"});
    if ((dashDot && twoDots) || containsAny(name, {"divide", "phantom"}))
        return {15.0, 4.0, kDot, 4.0, kDot, 4.0};
    if (dashDot)
        return {15.0, 3.0, kDot, 3.0};
    if (containsAny(name, {"штрих", "dash", "hidden"}))
        return {5.0, 1.5};
    if (containsAny(name, {"пунктир", "dot"}))
        return {kDot, 1.5};
    return {};
}

}  // namespace tarvelo::render

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <functional>
#include <span>

class QComboBox;
class QIcon;

namespace tarvelo::controls {

/// One entry of a drop-down list: the text it shows (UTF-8), the value its
/// item data carries and its picture's bitmap number (-1: none).
struct Choice {
    const char* text;
    std::uint32_t value;
    int picture = -1;
};

/// Appends `choices` to `list` in order, each with the icon `picture` makes
/// of its bitmap number; which entry the list shows is left to the caller.
/// The tables of choices stay free of Qt: rules that use them need no widgets.
void fillChoices(QComboBox& list, std::span<const Choice> choices, const std::function<QIcon(int)>& picture);
/// The same without pictures.
void fillChoices(QComboBox& list, std::span<const Choice> choices);

/// Shows the entries' pictures 16 x 16, the size they are drawn for.
void showSmallPictures(QComboBox& list);

/// Shows the entry whose value is `value`; false, and the list unchanged, when none has it.
bool selectChoice(QComboBox& list, std::uint32_t value);

/// The value of the entry the list shows; 0 when it shows none.
[[nodiscard]] std::uint32_t chosenValue(const QComboBox& list);

}  // namespace tarvelo::controls

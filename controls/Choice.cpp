// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "Choice.h"

#include <QComboBox>
#include <QIcon>

namespace tarvelo::controls {

void fillChoices(QComboBox& list, std::span<const Choice> choices, const std::function<QIcon(int)>& picture)
{
    for (const Choice& choice : choices) {
        const QIcon icon = choice.picture >= 0 && picture ? picture(choice.picture) : QIcon();
        list.addItem(icon, QString::fromUtf8(choice.text), QVariant::fromValue<uint>(choice.value));
    }
}

void fillChoices(QComboBox& list, std::span<const Choice> choices)
{
    fillChoices(list, choices, {});
}

void showSmallPictures(QComboBox& list)
{
    const QSize small(16, 16);
    // Setting a size builds the drop-down at once, which most dialogs close
    // unopened; the style's own size is this one almost everywhere.
    if (list.iconSize() != small)
        list.setIconSize(small);
}

bool selectChoice(QComboBox& list, std::uint32_t value)
{
    const int entry = list.findData(QVariant::fromValue<uint>(value));
    if (entry < 0)
        return false;
    list.setCurrentIndex(entry);
    return true;
}

std::uint32_t chosenValue(const QComboBox& list)
{
    return list.currentIndex() < 0 ? 0 : list.currentData().toUInt();
}

}  // namespace tarvelo::controls

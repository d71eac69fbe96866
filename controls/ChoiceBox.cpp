// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "ChoiceBox.h"

#include <QHash>
#include <QStyle>

namespace tarvelo::controls {

namespace {

struct Measured {
    QSize size;
    QSize minimum;
};

// By everything a list's size hints depend on.
QHash<QString, Measured>& measured()
{
    static QHash<QString, Measured> sizes;
    return sizes;
}

}  // namespace

QString ChoiceBox::measuredAs() const
{
    QString key = font().key() + u'|' + style()->name();
    for (const int number : {logicalDpiY(), iconSize().width(), iconSize().height(), int(isEditable()),
                             int(hasFrame()), int(sizeAdjustPolicy()), minimumContentsLength()})
        key += u'|' + QString::number(number);
    for (int row = 0; row < count(); ++row)
        key += (itemIcon(row).isNull() ? QStringLiteral("|") : QStringLiteral("|+")) + itemText(row);
    return key;
}

QSize ChoiceBox::sizeHint() const
{
    Measured& sizes = measured()[measuredAs()];
    if (!sizes.size.isValid())
        sizes.size = QComboBox::sizeHint();
    return sizes.size;
}

QSize ChoiceBox::minimumSizeHint() const
{
    Measured& sizes = measured()[measuredAs()];
    if (!sizes.minimum.isValid())
        sizes.minimum = QComboBox::minimumSizeHint();
    return sizes.minimum;
}

}  // namespace tarvelo::controls

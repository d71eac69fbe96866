// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QString>
#include <QWidget>
#include <initializer_list>

/// @file
/// Gives a template's control its object name, the name tests and tools find it by.

namespace tarvelo {

/// Names the control by its decimal identifier ("12014") or by a given name ("1", "scale-problem").
template <typename Control>
Control* named(Control* control, int identifier)
{
    control->setObjectName(QString::number(identifier));
    return control;
}

template <typename Control>
Control* named(Control* control, const char* objectName)
{
    control->setObjectName(QString::fromLatin1(objectName));
    return control;
}

/// Sets the tab order through the controls as listed; Qt 6.4 takes them only in pairs.
inline void setTabChain(std::initializer_list<QWidget*> controls)
{
    for (auto* from = controls.begin(); from + 1 < controls.end(); ++from)
        QWidget::setTabOrder(*from, *(from + 1));
}

}  // namespace tarvelo

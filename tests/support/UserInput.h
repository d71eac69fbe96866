// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QTest>

namespace tarvelo::testing {

/// Types `text` into `widget` one key press per character with the text set, so Cyrillic arrives too.
inline void typeText(QWidget* widget, const QString& text)
{
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
    }
}

/// Gives `widget` the keyboard focus as a mouse click would.
inline void clickFocus(QWidget* widget)
{
    if (QApplication::activeWindow() != widget->window())
        QApplication::setActiveWindow(widget->window());
    widget->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
}

/// Picks the item showing `text` from the drop-down list as a user does: focus, open, move, Enter.
inline void pickItem(QComboBox* list, const QString& text)
{
    clickFocus(list);
    list->showPopup();
    list->view()->setCurrentIndex(list->model()->index(list->findText(text), 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
    QCoreApplication::processEvents();
}

}  // namespace tarvelo::testing

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "HostServices.h"

using tarvelo::hostcad::removePendingCharacters;

namespace {

void postCharacter(QWidget* widget, QChar character)
{
    QCoreApplication::postEvent(widget,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character)));
}

}  // namespace

// Typed-ahead characters queued for a field are dropped; the same characters queued for another field arrive.
TEST(HostServices, pendingCharactersOfTheFieldAreDropped)
{
    QLineEdit edit;
    QLineEdit other;
    for (const QChar character : QStringLiteral("12ф"))
        postCharacter(&edit, character);
    postCharacter(&other, QLatin1Char('7'));

    removePendingCharacters(&edit);
    QCoreApplication::processEvents();

    EXPECT_EQ(edit.text(), QString());
    EXPECT_EQ(other.text(), QStringLiteral("7"));
}

// Key presses without a character stay queued and still arrive after the removal, in their order.
TEST(HostServices, keysWithoutCharactersStayQueued)
{
    QLineEdit edit;
    edit.setText(QStringLiteral("abc"));
    edit.setCursorPosition(3);
    QCoreApplication::postEvent(&edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier));
    postCharacter(&edit, QLatin1Char('x'));
    QCoreApplication::postEvent(&edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier));

    removePendingCharacters(&edit);
    EXPECT_EQ(edit.cursorPosition(), 3);
    QCoreApplication::processEvents();

    EXPECT_EQ(edit.text(), QStringLiteral("abc"));
    EXPECT_EQ(edit.cursorPosition(), 1);
}

// Characters posted after the removal are typed as usual, and a null field is ignored.
TEST(HostServices, laterCharactersAreTyped)
{
    QLineEdit edit;
    postCharacter(&edit, QLatin1Char('1'));
    removePendingCharacters(&edit);
    removePendingCharacters(nullptr);
    postCharacter(&edit, QLatin1Char('2'));
    QCoreApplication::processEvents();
    EXPECT_EQ(edit.text(), QStringLiteral("2"));
}

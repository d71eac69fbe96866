// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTest>

#include "CNumEdit.h"
#include "UserInput.h"

namespace {

// Types characters one key at a time and returns what the field then shows.
QString type(tarvelo::controls::CNumEdit& edit, const QString& characters)
{
    tarvelo::testing::typeText(&edit, characters);
    return edit.text();
}

}  // namespace

// 12.5 is taken key by key; a letter after 12 leaves 12, selected; a blank is never inserted; a lone
// minus is refused but goes in front of digits; a number beyond a float is refused; backspacing the
// last character away is refused, but Delete is not filtered.
TEST(NumEdit, onlyTextThatStaysANumberIsTaken)
{
    tarvelo::controls::CNumEdit edit;
    EXPECT_EQ(type(edit, "12."), "12.");
    EXPECT_EQ(type(edit, "5"), "12.5");
    edit.setText("12");
    EXPECT_EQ(type(edit, "a"), "12");
    EXPECT_EQ(edit.selectedText(), "12");
    EXPECT_EQ(type(edit, QStringLiteral("ж")), "12");
    edit.setCursorPosition(1);
    EXPECT_EQ(type(edit, " "), "12");
    edit.setCursorPosition(0);
    EXPECT_EQ(type(edit, "-"), "-12");
    edit.setText("1e38");
    edit.setCursorPosition(3);
    EXPECT_EQ(type(edit, "9"), "1e38");
    edit.clear();
    EXPECT_EQ(type(edit, "-"), "");
    EXPECT_EQ(type(edit, "7"), "7");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "7");
    edit.setCursorPosition(0);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.Validate(), 2);
}

// Characters typed ahead of a refused one are dropped with it; those queued for another field are not.
TEST(NumEdit, typedAheadCharactersAreDropped)
{
    tarvelo::controls::CNumEdit edit;
    tarvelo::controls::CNumEdit other;
    edit.setText("12");
    for (QWidget* target : {static_cast<QWidget*>(&edit), static_cast<QWidget*>(&other)})
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, "3"));
    type(edit, "x");
    QCoreApplication::processEvents();
    EXPECT_EQ(edit.text(), "12");
    EXPECT_EQ(other.text(), "3");
}

// A Russian keyboard's keypad types a comma: "12,25" is taken as 12.25, and a pasted "3,5" as 3.5.
TEST(NumEdit, decimalCommaBecomesAPoint)
{
    tarvelo::controls::CNumEdit edit;
    EXPECT_EQ(type(edit, "12,25"), "12.25");
    EXPECT_EQ(type(edit, ","), "12.25") << "a second separator is refused like a second point";
    edit.clear();
    edit.insert("3,5");
    EXPECT_EQ(edit.text(), "3.5");
}

// Listeners hear only what the field keeps: a refused character sends no change, a kept one one change.
TEST(NumEdit, refusedCharactersAreNeverHeardOf)
{
    tarvelo::controls::CNumEdit edit;
    edit.setText("12");
    QStringList heard;
    QObject::connect(&edit, &QLineEdit::textEdited, [&heard](const QString& text) { heard << text; });
    QObject::connect(&edit, &QLineEdit::textChanged, [&heard](const QString& text) { heard << "changed " + text; });
    edit.setCursorPosition(1);
    type(edit, "x");
    EXPECT_TRUE(heard.isEmpty()) << heard.join(", ").toStdString();
    edit.setCursorPosition(2);
    type(edit, "5");
    EXPECT_EQ(heard, QStringList({"changed 125", "125"}));
}

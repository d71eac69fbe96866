// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "ColorIndex.h"
#include "HostServices.h"
#include "ModalDriver.h"

using tarvelo::hostcad::kColorByBlock;
using tarvelo::hostcad::kColorByLayer;
using tarvelo::hostcad::zcedSetColorDialog;

namespace {

struct DialogRun {
    bool opened = false;
    bool accepted = false;
    int colorNumber = 0;
};

// Opens the dialog through the host call and lets `drive` work on it; a
// dialog the driver leaves open is cancelled so that no test hangs.
DialogRun runColorDialog(int colorNumber, bool allowMetaColors, int layerColor,
                         const std::function<void(QDialog&)>& drive)
{
    DialogRun run;
    tarvelo::testing::whenModalOpens([&run, &drive](QWidget* modal) {
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (dialog == nullptr)
            return;
        run.opened = true;
        drive(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    run.colorNumber = colorNumber;
    run.accepted = zcedSetColorDialog(run.colorNumber, allowMetaColors, layerColor);
    return run;
}

template <typename Control>
Control* control(QDialog& dialog, const char* name)
{
    auto* found = dialog.findChild<Control*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QString labelText(QDialog& dialog, const char* name)
{
    QLabel* label = control<QLabel>(dialog, name);
    return label ? label->text() : QString();
}

// Sends one key press with its text per character, as a keyboard would; Cyrillic included.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
    }
}

}  // namespace

// The dialog opens titled, with the passed colour selected and described; a clicked cell and OK give its number.
TEST(ColorDialog, clickedCellIsChosenWithOk)
{
    QString title, startNumber, startRgb, pickedNumber, pickedRgb, startText;
    const DialogRun run = runColorDialog(5, false, 7, [&](QDialog& dialog) {
        title = dialog.windowTitle();
        startNumber = labelText(dialog, "color-number-info");
        startText = control<QLineEdit>(dialog, "color-text")->text();
        startRgb = labelText(dialog, "color-rgb-info");
        QTest::mouseClick(control<QWidget>(dialog, "color-30"), Qt::LeftButton);
        pickedNumber = labelText(dialog, "color-number-info");
        pickedRgb = labelText(dialog, "color-rgb-info");
        QPushButton* ok = control<QPushButton>(dialog, "1");
        EXPECT_EQ(ok->text(), QStringLiteral("ОК"));
        EXPECT_EQ(control<QPushButton>(dialog, "2")->text(), QStringLiteral("Отмена"));
        ok->click();
    });
    ASSERT_TRUE(run.opened);
    EXPECT_EQ(title, QStringLiteral("Выбор цвета"));
    EXPECT_EQ(startNumber, QStringLiteral("Номер цвета: 5"));
    EXPECT_EQ(startText, QStringLiteral("5"));
    EXPECT_EQ(startRgb, QStringLiteral("Красный, Зелёный, Синий: 0, 0, 255"));
    EXPECT_EQ(pickedNumber, QStringLiteral("Номер цвета: 30"));
    EXPECT_EQ(pickedRgb, QStringLiteral("Красный, Зелёный, Синий: 255, 127, 0"));
    EXPECT_TRUE(run.accepted);
    EXPECT_EQ(run.colorNumber, 30);
}

// Arrow keys move from the starting colour through the grid and Enter accepts the last one.
TEST(ColorDialog, arrowKeysAndEnterChoose)
{
    const DialogRun run = runColorDialog(30, false, 7, [](QDialog& dialog) {
        QWidget* palette = control<QWidget>(dialog, "palette");
        EXPECT_EQ(dialog.focusWidget(), palette);
        QTest::keyClick(palette, Qt::Key_Right);
        QTest::keyClick(palette, Qt::Key_Down);
        QTest::keyClick(palette, Qt::Key_Down);
        QTest::keyClick(palette, Qt::Key_Left);
        EXPECT_EQ(control<QLineEdit>(dialog, "color-text")->text(), QStringLiteral("34"));
        QTest::keyClick(palette, Qt::Key_Return);
    });
    ASSERT_TRUE(run.opened);
    EXPECT_TRUE(run.accepted);
    EXPECT_EQ(run.colorNumber, 34);
}

// Tab leads from the palette to the field; a typed number is chosen, while text outside the numbering disables OK.
TEST(ColorDialog, typedNumberIsChosen)
{
    bool okWhileInvalid = true;
    const DialogRun run = runColorDialog(1, false, 7, [&](QDialog& dialog) {
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        auto* field = control<QLineEdit>(dialog, "color-text");
        EXPECT_EQ(dialog.focusWidget(), field);
        field->clear();
        typeText(field, "300");
        okWhileInvalid = control<QPushButton>(dialog, "1")->isEnabled();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClick(field, Qt::Key_Return);
    });
    EXPECT_FALSE(okWhileInvalid);
    EXPECT_TRUE(run.accepted);
    EXPECT_EQ(run.colorNumber, 30);
}

// Escape and the cancel button both leave the number as it was, whatever was picked before.
TEST(ColorDialog, cancelKeepsTheNumber)
{
    const DialogRun escaped = runColorDialog(42, false, 7, [](QDialog& dialog) {
        QTest::mouseClick(control<QWidget>(dialog, "color-100"), Qt::LeftButton);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
    });
    EXPECT_FALSE(escaped.accepted);
    EXPECT_EQ(escaped.colorNumber, 42);

    const DialogRun cancelled = runColorDialog(kColorByLayer, true, 7, [](QDialog& dialog) {
        QTest::mouseClick(control<QWidget>(dialog, "color-100"), Qt::LeftButton);
        control<QPushButton>(dialog, "2")->click();
    });
    EXPECT_FALSE(cancelled.accepted);
    EXPECT_EQ(cancelled.colorNumber, 256);
}

// Without meta colours the by-layer and by-block buttons are hidden and their words are not accepted.
TEST(ColorDialog, metaColoursHiddenWhenNotAllowed)
{
    bool layerShown = true, blockShown = true, okForWord = true;
    const DialogRun run = runColorDialog(7, false, 1, [&](QDialog& dialog) {
        layerShown = control<QPushButton>(dialog, "by-layer")->isVisible();
        blockShown = control<QPushButton>(dialog, "by-block")->isVisible();
        auto* field = control<QLineEdit>(dialog, "color-text");
        field->clear();
        typeText(field, QStringLiteral("ПоСлою"));
        okForWord = control<QPushButton>(dialog, "1")->isEnabled();
    });
    ASSERT_TRUE(run.opened);
    EXPECT_FALSE(layerShown);
    EXPECT_FALSE(blockShown);
    EXPECT_FALSE(okForWord);
    EXPECT_FALSE(run.accepted);
    EXPECT_EQ(run.colorNumber, 7);
}

// By layer gives 256 and is described in the layer's colour; by block gives 0.
TEST(ColorDialog, metaButtonsGiveByLayerAndByBlock)
{
    QString layerCaption, layerNumber, layerRgb, layerText;
    const DialogRun byLayer = runColorDialog(30, true, 1, [&](QDialog& dialog) {
        auto* button = control<QPushButton>(dialog, "by-layer");
        EXPECT_TRUE(button->isVisible());
        layerCaption = button->text();
        button->click();
        layerNumber = labelText(dialog, "color-number-info");
        layerRgb = labelText(dialog, "color-rgb-info");
        layerText = control<QLineEdit>(dialog, "color-text")->text();
        control<QPushButton>(dialog, "1")->click();
    });
    EXPECT_EQ(layerCaption, QStringLiteral("ПоСлою"));
    EXPECT_EQ(layerNumber, QStringLiteral("Номер цвета: ПоСлою"));
    EXPECT_EQ(layerRgb, QStringLiteral("Красный, Зелёный, Синий: 255, 0, 0"));
    EXPECT_EQ(layerText, QStringLiteral("ПоСлою"));
    EXPECT_TRUE(byLayer.accepted);
    EXPECT_EQ(byLayer.colorNumber, kColorByLayer);

    QString blockCaption;
    const DialogRun byBlock = runColorDialog(30, true, 1, [&](QDialog& dialog) {
        auto* button = control<QPushButton>(dialog, "by-block");
        blockCaption = button->text();
        button->click();
        control<QPushButton>(dialog, "1")->click();
    });
    EXPECT_EQ(blockCaption, QStringLiteral("ПоБлоку"));
    EXPECT_TRUE(byBlock.accepted);
    EXPECT_EQ(byBlock.colorNumber, kColorByBlock);
}

// The by-layer word typed in Cyrillic chooses by layer; a dialog opened on by block starts with it.
TEST(ColorDialog, typedByLayerWordAndMetaStart)
{
    QString startText;
    const DialogRun run = runColorDialog(kColorByBlock, true, 3, [&](QDialog& dialog) {
        auto* field = control<QLineEdit>(dialog, "color-text");
        startText = field->text();
        field->setFocus();
        field->selectAll();
        typeText(field, QStringLiteral("послою"));
        QTest::keyClick(field, Qt::Key_Enter);
    });
    EXPECT_EQ(startText, QStringLiteral("ПоБлоку"));
    EXPECT_TRUE(run.accepted);
    EXPECT_EQ(run.colorNumber, kColorByLayer);
}

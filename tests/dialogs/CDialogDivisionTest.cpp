// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "CDialogDivision.h"
#include "ImageButton.h"
#include "SymbolDialogFixture.h"
#include "tarvelo/geometry/IScopePointBlock.h"

using namespace tarvelo;
using dialogs::CDialogDivision;
using dialogs::ImageButton;
using dialogs::testing::control;
using services::testing::cp1251;

namespace {

const char* const kTypeButtons[] = {"12023", "12024", "12025", "12026"};

class DivisionTest : public dialogs::testing::SymbolDialogFixture {
protected:
    int run(const std::function<void(QDialog&)>& drive) { return SymbolDialogFixture::run<CDialogDivision>(drive); }

    /// An existing break with points 1, 2, 3 at these places.
    void existingBreak(std::uint32_t type, double x2, double y2, double x3, double y3)
    {
        block.SetEditMode(1);
        block.SetSymbolType(type);
        block.SetSymbolVariant(type);
        block.GetTraits()->SetLayerName(cp1251("Оси"));
        auto* scope = block.GetScopePoints();
        scope->AddScopePoint(1, 1, 1, 0.0, 0.0, 0.0, 0, 0, 0, 0);
        scope->AddScopePoint(2, 2, 1, x2, y2, 0.0, 0, 0, 0, 0);
        scope->AddScopePoint(3, 3, 1, x3, y3, 0.0, 0, 0, 0, 0);
    }

    /// Which of the four type buttons are pushed, as "0010".
    static std::string pushedButtons(QDialog& dialog)
    {
        std::string pushed;
        for (const char* id : kTypeButtons)
            pushed += control<ImageButton>(dialog, id)->isPushed() ? '1' : '0';
        return pushed;
    }

    static void replaceText(QDialog& dialog, const char* id, const char* text)
    {
        auto* edit = control<QLineEdit>(dialog, id);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    static void press(QDialog& dialog, const char* id) { control<QAbstractButton>(dialog, id)->click(); }

    void expectPoint(std::uint32_t key, double x, double y)
    {
        auto* point = block.GetScopePoints()->FindPoint(key);
        ASSERT_NE(point, nullptr) << key;
        EXPECT_NEAR(point->GetX(), x, 1e-9) << "point " << key;
        EXPECT_NEAR(point->GetY(), y, 1e-9) << "point " << key;
    }

    std::uint32_t storedType() { return hub.GetDwordParams("", "DivType"); }
};

}  // namespace

// A new break opens with the remembered type, its host defaults, the stored scale and the sizes off.
TEST_F(DivisionTest, newBreakStartsFromTheRememberedTypeAndScale)
{
    hub.SetDwordParam("", "DivType", 203);
    hub.SetStringParams("", "SymScl", "50", false);
    run([&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "12042");
        EXPECT_EQ(dialog.windowTitle(), "Разрыв");
        EXPECT_EQ(pushedButtons(dialog), "0010");
        EXPECT_EQ(control<QCheckBox>(dialog, "12109")->text(), "Фиксированный размер");
        EXPECT_FALSE(control<QCheckBox>(dialog, "12109")->isChecked());
        EXPECT_FALSE(control<QLineEdit>(dialog, "12030")->isEnabled());
        EXPECT_FALSE(control<QLineEdit>(dialog, "12029")->isEnabled());
        EXPECT_TRUE(control<QComboBox>(dialog, "12013")->isEnabled());
        EXPECT_EQ(control<QPushButton>(dialog, "12032")->text(), "50 : 1");
        EXPECT_EQ(control<QPushButton>(dialog, "12032")->toolTip(), "Коэффициент масштабирования объекта");
        EXPECT_EQ(control<QPushButton>(dialog, "12033")->toolTip(), "Параметры объекта");
        const char* const tips[] = {"Обрыв прямолинейный", "Разрыв прямолинейный", "Обрыв криволинейный",
                                    "Разрыв криволинейный"};
        for (int index = 0; index < 4; ++index) {
            auto* button = control<ImageButton>(dialog, kTypeButtons[index]);
            EXPECT_EQ(button->toolTip(), QString::fromUtf8(tips[index]));
            EXPECT_FALSE(button->icon().isNull()) << kTypeButtons[index];
        }
    });
    EXPECT_EQ(block.GetSymbolType(), 203u);
    EXPECT_EQ(block.GetSymbolVariant(), 203u);
    EXPECT_EQ(block.GetParam(1), 6.0) << "the library's height of the kink";
    EXPECT_EQ(block.GetScale(), 50.0);
}

// Accepted with the box unticked: three points at the origin under scope key 2, the type remembered, the layer taken.
TEST_F(DivisionTest, newBreakWithoutFixedSizeIsSizedInTheDrawing)
{
    hub.SetDwordParam("", "DivType", 204);
    const int result = run([&](QDialog& dialog) {
        auto* layers = control<QComboBox>(dialog, "12013");
        layers->setFocus();
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(layers, &down);
        press(dialog, "1");
    });
    EXPECT_EQ(result, dialogs::kAccepted);
    ASSERT_EQ(block.GetScopePoints()->GetCount(), 3u);
    for (std::uint32_t key = 1; key <= 3; ++key) {
        expectPoint(key, 0, 0);
        EXPECT_EQ(block.GetScopePoints()->GetPointScopeKey(key), 2u);
    }
    EXPECT_EQ(storedType(), 204u);
    EXPECT_EQ(block.GetTraits()->GetLayerName(), cp1251("Стены"));
}

// Accepted with the box ticked and 10 by 4 typed: the new layout under scope key 1.
TEST_F(DivisionTest, newBreakWithFixedSizeGetsTheTypedSizes)
{
    run([&](QDialog& dialog) {
        press(dialog, "12109");
        EXPECT_TRUE(control<QLineEdit>(dialog, "12030")->isEnabled());
        EXPECT_TRUE(control<QLineEdit>(dialog, "12029")->isEnabled());
        QTest::keyClicks(control<QLineEdit>(dialog, "12030"), "10");
        QTest::keyClicks(control<QLineEdit>(dialog, "12029"), "4");
        press(dialog, "1");
    });
    ASSERT_EQ(block.GetScopePoints()->GetCount(), 3u);
    expectPoint(1, 0, 0);
    expectPoint(2, 0, 10);
    expectPoint(3, 4, 0);
    EXPECT_EQ(block.GetScopePoints()->GetPointScopeKey(3), 1u);
    EXPECT_EQ(storedType(), 201u) << "no type remembered yet: the straight cut-off";
}

// A remembered type outside 200 to 204 gives 201; a remembered 200 pushes no button and is kept.
TEST_F(DivisionTest, rememberedTypeFallbacks)
{
    for (const auto& [stored, shown, pushed] : {std::tuple{207u, 201u, "1000"}, std::tuple{200u, 200u, "0000"}}) {
        hub.SetDwordParam("", "DivType", stored);
        run([&](QDialog& dialog) {
            EXPECT_EQ(pushedButtons(dialog), pushed) << stored;
            press(dialog, "1");
        });
        EXPECT_EQ(block.GetSymbolType(), shown);
        EXPECT_EQ(storedType(), shown);
    }
}

// A type click writes the type at once and replaces the parameters by that type's defaults; a cancel keeps it unremembered.
TEST_F(DivisionTest, typeClickReloadsDefaultsAtOnce)
{
    const int result = run([&](QDialog& dialog) {
        block.SetParam(9, 99.0);
        press(dialog, "12024");
        EXPECT_EQ(pushedButtons(dialog), "0100");
        EXPECT_EQ(block.GetSymbolType(), 202u);
        EXPECT_EQ(block.GetSymbolVariant(), 202u);
        EXPECT_EQ(block.GetParamMap().count(9), 0u);
        EXPECT_EQ(block.GetParam(1), 6.0);
        press(dialog, "12024");
        EXPECT_EQ(pushedButtons(dialog), "0100") << "a click on the pushed button keeps it pushed";
        press(dialog, "12109");
        QTest::keyClicks(control<QLineEdit>(dialog, "12030"), "10");
        press(dialog, "2");
    });
    EXPECT_EQ(result, dialogs::kCancelled);
    EXPECT_EQ(block.GetSymbolType(), 202u);
    EXPECT_TRUE(block.GetScopePoints()->IsEmpty()) << "the sizes wait for acceptance";
    EXPECT_EQ(storedType(), 0u);
}

// An existing break shows its sizes with four decimals, locks its layer and moves points 2 and 3 to a new height.
TEST_F(DivisionTest, existingBreakIsResizedAlongItsDirection)
{
    existingBreak(204, 0, 10, -5, 10);
    block.SetParam(9, 99.0);
    run([&](QDialog& dialog) {
        EXPECT_EQ(pushedButtons(dialog), "0001");
        EXPECT_TRUE(control<QCheckBox>(dialog, "12109")->isChecked());
        EXPECT_TRUE(control<QLineEdit>(dialog, "12030")->isEnabled());
        EXPECT_EQ(control<QLineEdit>(dialog, "12030")->text(), "10.0000");
        EXPECT_EQ(control<QLineEdit>(dialog, "12029")->text(), "5.0000");
        EXPECT_FALSE(control<QComboBox>(dialog, "12013")->isEnabled());
        EXPECT_EQ(control<QComboBox>(dialog, "12013")->currentText(), "Оси");
        EXPECT_EQ(control<QPushButton>(dialog, "12032")->text(), "1 : 1");
        replaceText(dialog, "12030", "20");
        press(dialog, "1");
    });
    expectPoint(1, 0, 0);
    expectPoint(2, 0, 20);
    expectPoint(3, -5, 20);
    EXPECT_EQ(block.GetScopePoints()->GetPointScopeKey(2), 1u) << "only X and Y move";
    EXPECT_EQ(block.GetParam(9), 99.0) << "an existing break keeps its parameters";
    EXPECT_EQ(block.GetTraits()->GetLayerName(), cp1251("Оси"));
    EXPECT_EQ(storedType(), 0u);
}

// Accepting untouched still snaps the break to the shown, rounded sizes with point 3 square to 1→2.
TEST_F(DivisionTest, existingBreakAcceptedUntouchedTakesTheRoundedSizes)
{
    hub.SetDwordParam("", "Roundz", 2);
    existingBreak(201, 12.504, 0, 15, 3);
    run([&](QDialog& dialog) {
        EXPECT_EQ(control<QLineEdit>(dialog, "12030")->text(), "12.50");
        EXPECT_EQ(control<QLineEdit>(dialog, "12029")->text(), "3.90");
        press(dialog, "1");
    });
    expectPoint(2, 12.5, 0);
    expectPoint(3, 12.5, 3.9);
}

// Unticking the box keeps what the fields show, and an existing break accepted unticked keeps its points.
TEST_F(DivisionTest, existingBreakAcceptedUntickedIsNotFolded)
{
    existingBreak(202, 0, 10, -5, 10);
    run([&](QDialog& dialog) {
        replaceText(dialog, "12030", "30");
        press(dialog, "12109");
        EXPECT_FALSE(control<QLineEdit>(dialog, "12030")->isEnabled());
        press(dialog, "12109");
        press(dialog, "12109");
        EXPECT_EQ(control<QLineEdit>(dialog, "12030")->text(), "30");
        EXPECT_EQ(control<QLineEdit>(dialog, "12029")->text(), "5.0000");
        press(dialog, "1");
    });
    expectPoint(1, 0, 0);
    expectPoint(2, 0, 10);
    expectPoint(3, -5, 10);
}

// An existing break shows the type its variant names; one without a variant keeps its own type.
TEST_F(DivisionTest, existingBreakTakesTheTypeOfItsVariant)
{
    existingBreak(202, 0, 10, -5, 10);
    block.SetSymbolVariant(204);
    run([&](QDialog& dialog) { EXPECT_EQ(pushedButtons(dialog), "0001"); });
    EXPECT_EQ(block.GetSymbolType(), 204u);

    block.SetSymbolType(203);
    block.SetSymbolVariant(0);
    run([&](QDialog& dialog) { EXPECT_EQ(pushedButtons(dialog), "0010"); });
    EXPECT_EQ(block.GetSymbolType(), 203u);
}

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "CDialogDivision.h"
#include "ImageButton.h"
#include "SymbolDialogFixture.h"

using namespace tarvelo;
using namespace tarvelo::dialogs::testing;
using services::testing::cp1251;
using Break = dialogs::DivisionTemplate;
static constexpr const dialogs::FrameTemplate& kFrame = dialogs::kDivisionFrame;

namespace {

class DivisionTest : public SymbolDialogFixture {
protected:
    int run(const std::function<void(QDialog&)>& drive)
    {
        return SymbolDialogFixture::run<dialogs::CDialogDivision>(drive);
    }

    /// An existing break of this type with points 1, 2, 3 at (0, 0), p2 and p3, on layer "Оси".
    void existingBreak(std::uint32_t type, QPointF p2, QPointF p3)
    {
        block.SetEditMode(1);
        block.SetSymbolType(type);
        block.SetSymbolVariant(type);
        block.GetTraits()->SetLayerName(cp1251("Оси"));
        const QPointF places[] = {{0, 0}, p2, p3};
        for (std::uint32_t key = 1; key <= 3; ++key)
            block.GetScopePoints()->AddScopePoint(key, key, 1, places[key - 1].x(), places[key - 1].y(), 0, 0, 0, 0, 0);
    }

    /// Which of the type buttons 12023 to 12026 are pushed, as "0010".
    static std::string pushed(QDialog& dialog)
    {
        std::string state;
        for (const ControlId id :
             {Break::kStraightCutOff, Break::kStraightGap, Break::kCurvedCutOff, Break::kCurvedGap})
            state += control<dialogs::ImageButton>(dialog, id)->isPushed() ? '1' : '0';
        return state;
    }

    static void type(QDialog& dialog, const ControlId& id, const char* text)
    {
        auto* edit = control<QLineEdit>(dialog, id);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    static QString shown(QDialog& dialog, const ControlId& id) { return control<QLineEdit>(dialog, id)->text(); }

    void expectPoint(std::uint32_t key, double x, double y, std::uint32_t scopeKey)
    {
        auto* point = block.GetScopePoints()->FindPoint(key);
        ASSERT_NE(point, nullptr) << key;
        EXPECT_NEAR(point->GetX(), x, 1e-9) << "point " << key;
        EXPECT_NEAR(point->GetY(), y, 1e-9) << "point " << key;
        EXPECT_EQ(point->GetScopeKey(), scopeKey) << "point " << key;
    }

    std::uint32_t rememberedType() { return hub.GetDwordParams("", "DivType"); }
};

}  // namespace

// A new break opens with the remembered type and its defaults and no fixed size; accepted,
// its three points lie at the origin for the drawing to size, and the type and chosen layer are kept.
TEST_F(DivisionTest, newBreakIsSizedInTheDrawing)
{
    hub.SetDwordParam("", "DivType", 203);
    run([&](QDialog& dialog) {
        EXPECT_EQ(pushed(dialog), "0010");
        EXPECT_EQ(control<QWidget>(dialog, Break::kCurvedCutOff)->toolTip(), "Обрыв криволинейный");
        EXPECT_FALSE(control<QWidget>(dialog, Break::kHeight)->isEnabled());
        EXPECT_FALSE(control<QWidget>(dialog, Break::kWidth)->isEnabled());
        auto* layers = control<QComboBox>(dialog, kFrame.layerCombo);
        layers->setCurrentIndex(1);
        emit layers->activated(1);
        press(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(block.GetSymbolVariant(), 203u);
    EXPECT_EQ(block.GetParam(1), 6.0) << "the library's height of the kink";
    ASSERT_EQ(block.GetScopePoints()->GetCount(), 3u);
    for (std::uint32_t key = 1; key <= 3; ++key)
        expectPoint(key, 0, 0, 2);
    EXPECT_EQ(rememberedType(), 203u);
    EXPECT_EQ(block.GetTraits()->GetLayerName(), cp1251("Стены"));
}

// A remembered type out of range gives 201; ticked with 10 by 4 typed, the new break is laid out at that size.
TEST_F(DivisionTest, newBreakWithFixedSize)
{
    hub.SetDwordParam("", "DivType", 207);
    run([&](QDialog& dialog) {
        EXPECT_EQ(pushed(dialog), "1000");
        press(dialog, Break::kFixedSize);
        type(dialog, Break::kHeight, "10");
        type(dialog, Break::kWidth, "4");
        press(dialog, dialogs::kAcceptButton);
    });
    expectPoint(1, 0, 0, 1);
    expectPoint(2, 0, 10, 1);
    expectPoint(3, 4, 0, 1);
    EXPECT_EQ(rememberedType(), 201u);
}

// A remembered 200 pushes no button; a type click writes the type and its defaults at once, the rest waits.
TEST_F(DivisionTest, typeClickReloadsDefaultsAtOnce)
{
    hub.SetDwordParam("", "DivType", 200);
    const int result = run([&](QDialog& dialog) {
        EXPECT_EQ(pushed(dialog), "0000");
        EXPECT_EQ(block.GetSymbolType(), 200u);
        block.SetParam(9, 99.0);
        press(dialog, Break::kStraightGap);
        press(dialog, Break::kStraightGap);
        EXPECT_EQ(pushed(dialog), "0100");
        EXPECT_EQ(block.GetSymbolVariant(), 202u);
        EXPECT_EQ(block.GetParamMap().count(9), 0u);
        EXPECT_EQ(block.GetParam(1), 6.0);
        press(dialog, Break::kFixedSize);
        type(dialog, Break::kHeight, "10");
        press(dialog, dialogs::kCancelButton);
    });
    EXPECT_EQ(result, dialogs::kCancelled);
    EXPECT_EQ(block.GetSymbolType(), 202u);
    EXPECT_TRUE(block.GetScopePoints()->IsEmpty());
    EXPECT_EQ(rememberedType(), 200u);
}

// An existing break shows the type of its variant, its sizes with four decimals and a locked layer; a new
// height moves points 2 and 3.
TEST_F(DivisionTest, existingBreakIsResizedAlongItsDirection)
{
    existingBreak(204, {0, 10}, {-5, 10});
    block.SetParam(9, 99.0);
    run([&](QDialog& dialog) {
        EXPECT_EQ(pushed(dialog), "0001");
        EXPECT_EQ(shown(dialog, Break::kHeight), "10.0000");
        EXPECT_EQ(shown(dialog, Break::kWidth), "5.0000");
        EXPECT_FALSE(control<QWidget>(dialog, kFrame.layerCombo)->isEnabled());
        EXPECT_EQ(control<QComboBox>(dialog, kFrame.layerCombo)->currentText(), "Оси");
        type(dialog, Break::kHeight, "20");
        press(dialog, dialogs::kAcceptButton);
    });
    expectPoint(1, 0, 0, 1);
    expectPoint(2, 0, 20, 1);
    expectPoint(3, -5, 20, 1);
    EXPECT_EQ(block.GetSymbolType(), 204u);
    EXPECT_EQ(block.GetParam(9), 99.0) << "an existing break keeps its parameters";
    EXPECT_EQ(block.GetTraits()->GetLayerName(), cp1251("Оси"));
    EXPECT_EQ(rememberedType(), 0u);
}

// Shown rounded, an existing break accepted untouched keeps its points exactly; a typed width moves
// point 3 square to 1→2 and leaves the untyped height as it was, not as shown.
TEST_F(DivisionTest, existingBreakMovesOnlyByATypedSize)
{
    hub.SetDwordParam("", "Roundz", 2);
    existingBreak(201, {12.504, 0}, {15, 3});
    run([&](QDialog& dialog) {
        EXPECT_EQ(shown(dialog, Break::kHeight), "12.50");
        EXPECT_EQ(shown(dialog, Break::kWidth), "3.00");
        press(dialog, dialogs::kAcceptButton);
    });
    expectPoint(2, 12.504, 0, 1);
    expectPoint(3, 15, 3, 1);
    run([&](QDialog& dialog) {
        type(dialog, Break::kWidth, "4");
        press(dialog, dialogs::kAcceptButton);
    });
    expectPoint(2, 12.504, 0, 1);
    expectPoint(3, 12.504, 4, 1);
}

// A type chosen for an existing break brings that type's parameters but not its layer.
TEST_F(DivisionTest, existingBreakGivenAnotherTypeKeepsItsLayer)
{
    existingBreak(201, {0, 10}, {-5, 10});
    run([&](QDialog& dialog) {
        press(dialog, Break::kCurvedGap);
        press(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(block.GetSymbolType(), 204u);
    EXPECT_EQ(block.GetSymbolVariant(), 204u);
    EXPECT_EQ(block.GetParam(1), 6.0) << "the library's height of the kink";
    EXPECT_EQ(block.GetTraits()->GetLayerName(), cp1251("Оси"));
}

// Without a variant an existing break keeps its type; unticking keeps what the fields show, and accepted
// unticked the break is not folded onto point 1.
TEST_F(DivisionTest, existingBreakAcceptedUntickedKeepsItsPoints)
{
    existingBreak(203, {0, 10}, {-5, 10});
    block.SetSymbolVariant(0);
    run([&](QDialog& dialog) {
        EXPECT_EQ(pushed(dialog), "0010");
        type(dialog, Break::kHeight, "30");
        for (int click = 0; click < 3; ++click)
            press(dialog, Break::kFixedSize);
        EXPECT_FALSE(control<QWidget>(dialog, Break::kHeight)->isEnabled());
        EXPECT_EQ(shown(dialog, Break::kHeight), "30");
        press(dialog, dialogs::kAcceptButton);
    });
    expectPoint(2, 0, 10, 1);
    expectPoint(3, -5, 10, 1);
    EXPECT_EQ(block.GetSymbolType(), 203u);
}

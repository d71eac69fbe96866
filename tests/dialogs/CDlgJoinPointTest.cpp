// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "CDlgJoinPoint.h"
#include "SymbolDialogFixture.h"
#include "tarvelo/geometry/IScopePointBlock.h"

using namespace tarvelo;
using dialogs::CDlgJoinPoint;
using dialogs::testing::control;
using dialogs::testing::typeText;
using services::testing::cp1251;

namespace {

class JoinPointTest : public dialogs::testing::SymbolDialogFixture {
protected:
    int run(const std::function<void(QDialog&)>& drive) { return SymbolDialogFixture::run<CDlgJoinPoint>(drive); }

    static void press(QDialog& dialog, const char* id) { control<QAbstractButton>(dialog, id)->click(); }

    std::string mainText() { return block.GetExtData()->GetMainText(); }
};

}  // namespace

// A new designation starts as "1" of type 501 with one origin point; typing writes the text at once.
TEST_F(JoinPointTest, newDesignationIsNumberedOneAndTypedIntoTheBlock)
{
    hub.SetStringParams("", "SymScl", "0.5", false);
    block.GetExtData()->SetMainText("");
    std::string typedAtOnce;
    const int result = run([&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "12055");
        EXPECT_EQ(dialog.windowTitle(), "Обозначение узла");
        EXPECT_EQ(control<QGroupBox>(dialog, "12051")->title(), "Идентификация");
        EXPECT_EQ(control<QGroupBox>(dialog, "12055")->title(), "Слой для объекта");
        auto* numbering = control<QCheckBox>(dialog, "12050");
        EXPECT_FALSE(numbering->isVisible());
        EXPECT_FALSE(numbering->isEnabled());
        EXPECT_EQ(control<QPushButton>(dialog, "12053")->toolTip(), "Свойства объекта");
        EXPECT_TRUE(control<QPushButton>(dialog, "12053")->isEnabled());
        EXPECT_EQ(control<QPushButton>(dialog, "12054")->toolTip(), "Коэффициент масштабирования объекта");
        EXPECT_EQ(control<QPushButton>(dialog, "12054")->text(), "1 : 2");
        EXPECT_TRUE(control<QComboBox>(dialog, "12013")->isEnabled());
        auto* designation = control<QLineEdit>(dialog, "12052");
        EXPECT_EQ(designation->text(), "1");
        designation->clear();
        typeText(*designation, QStringLiteral("Уз-А"));
        typedAtOnce = mainText();
        press(dialog, "1");
    });
    EXPECT_EQ(result, dialogs::kAccepted);
    EXPECT_EQ(typedAtOnce, cp1251("Уз-А"));
    EXPECT_EQ(block.GetSymbolType(), 501u);
    EXPECT_EQ(block.GetParam(1), 12.0) << "the library's circle diameter";
    EXPECT_EQ(block.GetScale(), 0.5);
    auto* scope = block.GetScopePoints();
    ASSERT_EQ(scope->GetCount(), 1u);
    EXPECT_EQ(scope->FindPoint(1)->GetX(), 0.0);
    EXPECT_EQ(scope->FindPoint(1)->GetY(), 0.0);
    EXPECT_EQ(scope->GetPointScopeKey(1), 2u);
    EXPECT_EQ(block.GetTraits()->GetLayerName(), "0");
}

// An existing designation shows its text, keeps its layer, parameters and points, and offers no properties.
TEST_F(JoinPointTest, existingDesignationKeepsItsLayerAndParameters)
{
    block.SetEditMode(1);
    block.SetSymbolType(501);
    block.SetParam(1, 20.0);
    block.GetExtData()->SetMainText(cp1251("Б"));
    block.GetTraits()->SetLayerName(cp1251("Оси"));
    block.GetScopePoints()->AddScopePoint(1, 1, 2, 3.0, 4.0, 0.0, 0, 0, 0, 0);
    block.GetScopePoints()->AddScopePoint(2, 2, 2, 5.0, 4.0, 0.0, 0, 0, 0, 0);
    run([&](QDialog& dialog) {
        EXPECT_EQ(control<QLineEdit>(dialog, "12052")->text(), "Б");
        EXPECT_FALSE(control<QPushButton>(dialog, "12053")->isEnabled());
        auto* layers = control<QComboBox>(dialog, "12013");
        EXPECT_FALSE(layers->isEnabled());
        EXPECT_EQ(layers->currentText(), "Оси");
        // Even a layer that reaches the dialog's name is not written to an existing designation.
        layers->setCurrentIndex(0);
        emit layers->activated(0);
        press(dialog, "1");
    });
    EXPECT_EQ(block.GetTraits()->GetLayerName(), cp1251("Оси"));
    EXPECT_EQ(block.GetParam(1), 20.0);
    EXPECT_EQ(block.GetScopePoints()->GetCount(), 2u);
    EXPECT_EQ(mainText(), cp1251("Б"));
}

// Cancelling empties the block, an existing designation included.
TEST_F(JoinPointTest, cancelEmptiesTheBlock)
{
    for (std::uint8_t editMode : {0, 1}) {
        block.SetEditMode(editMode);
        block.GetExtData()->SetMainText(cp1251("7"));
        block.GetScopePoints()->AddScopePoint(1, 1, 2, 1.0, 1.0, 0.0, 0, 0, 0, 0);
        EXPECT_EQ(run([&](QDialog& dialog) { press(dialog, "2"); }), dialogs::kCancelled);
        EXPECT_TRUE(block.IsEmpty()) << int(editMode);
        EXPECT_EQ(mainText(), "") << int(editMode);
    }
}

// A cleared designation is stored empty; opening it again shows and stores "1".
TEST_F(JoinPointTest, clearedDesignationComesBackAsOne)
{
    block.GetExtData()->SetMainText(cp1251("12"));
    run([&](QDialog& dialog) {
        control<QLineEdit>(dialog, "12052")->clear();
        press(dialog, "1");
    });
    EXPECT_EQ(mainText(), "");
    block.SetEditMode(1);
    run([&](QDialog& dialog) {
        EXPECT_EQ(control<QLineEdit>(dialog, "12052")->text(), "1");
        press(dialog, "1");
    });
    EXPECT_EQ(mainText(), "1");
}

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "CDlgJoinPoint.h"
#include "SymbolDialogFixture.h"

using namespace tarvelo;
using namespace tarvelo::dialogs::testing;
using services::testing::cp1251;
using Node = dialogs::JoinPointTemplate;
static constexpr const dialogs::FrameTemplate& kFrame = dialogs::kJoinPointFrame;

namespace {

class JoinPointTest : public SymbolDialogFixture {
protected:
    int run(const std::function<void(QDialog&)>& drive)
    {
        return SymbolDialogFixture::run<dialogs::CDlgJoinPoint>(drive);
    }
    std::string mainText() { return block.GetExtData()->GetMainText(); }
};

}  // namespace

// A new designation starts as "1" of type 501 with one origin point; what is typed reaches the block at once.
TEST_F(JoinPointTest, newDesignationIsNumberedOneAndWrittenAsTyped)
{
    block.GetExtData()->SetMainText("");
    std::string typedAtOnce;
    run([&](QDialog& dialog) {
        EXPECT_FALSE(control<QWidget>(dialog, Node::kAutoNumbering)->isVisible());
        auto* designation = control<QLineEdit>(dialog, Node::kDesignation);
        EXPECT_EQ(designation->text(), "1");
        designation->clear();
        typeText(*designation, QStringLiteral("Уз-А"));
        typedAtOnce = mainText();
        press(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(typedAtOnce, cp1251("Уз-А"));
    EXPECT_EQ(block.GetSymbolType(), 501u);
    EXPECT_EQ(block.GetParam(1), 12.0) << "the library's circle diameter";
    ASSERT_EQ(block.GetScopePoints()->GetCount(), 1u);
    EXPECT_EQ(block.GetScopePoints()->FindPoint(1)->GetX(), 0.0);
    EXPECT_EQ(block.GetScopePoints()->GetPointScopeKey(1), 2u);
    EXPECT_EQ(block.GetTraits()->GetLayerName(), "0");
}

// An existing designation shows its text and keeps its layer, parameters and points; properties are off.
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
        EXPECT_EQ(control<QLineEdit>(dialog, Node::kDesignation)->text(), "Б");
        EXPECT_FALSE(control<QWidget>(dialog, kFrame.propertiesButton)->isEnabled());
        auto* layers = control<QComboBox>(dialog, kFrame.layerCombo);
        EXPECT_FALSE(layers->isEnabled());
        // Even a layer that reaches the dialog's name is not written to an existing designation.
        layers->setCurrentIndex(0);
        emit layers->activated(0);
        press(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(block.GetTraits()->GetLayerName(), cp1251("Оси"));
    EXPECT_EQ(block.GetParam(1), 20.0);
    EXPECT_EQ(block.GetScopePoints()->GetCount(), 2u);
}

// Cancelling empties the block, an existing designation included; an existing designation cleared and
// accepted is stored empty and stays so when opened again: only a new one starts as "1".
TEST_F(JoinPointTest, cancelEmptiesAndClearedStaysCleared)
{
    for (std::uint8_t editMode : {0, 1}) {
        block.SetEditMode(editMode);
        block.GetScopePoints()->AddScopePoint(1, 1, 2, 1.0, 1.0, 0.0, 0, 0, 0, 0);
        EXPECT_EQ(run([&](QDialog& dialog) { press(dialog, dialogs::kCancelButton); }), dialogs::kCancelled);
        EXPECT_TRUE(block.IsEmpty()) << int(editMode);
    }
    run([&](QDialog& dialog) {
        control<QLineEdit>(dialog, Node::kDesignation)->clear();
        press(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(mainText(), "");
    run([&](QDialog& dialog) {
        EXPECT_EQ(control<QLineEdit>(dialog, Node::kDesignation)->text(), "");
        press(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(mainText(), "");
}

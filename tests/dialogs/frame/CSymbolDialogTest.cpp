// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QComboBox>

#include "CDlgJoinPoint.h"
#include "SymbolDialogFixture.h"
#include "UserInput.h"

using namespace tarvelo;
using namespace tarvelo::dialogs::testing;
using services::testing::cp1251;

namespace {

// The frame's layer handling, seen through the node designation dialog, a new symbol of which takes the
// chosen layer on acceptance.
class SymbolDialogLayers : public SymbolDialogFixture {
protected:
    void SetUp() override
    {
        SymbolDialogFixture::SetUp();
        drawing.layers = {{"洁具"}, {"Стены"}, {"Tschüss"}};
    }
    int run(const std::function<void(QDialog&)>& drive)
    {
        return SymbolDialogFixture::run<dialogs::CDlgJoinPoint>(drive);
    }
};

}  // namespace

// Names outside code page 1251 are listed as the drawing has them; accepting one of them, which the block
// could hold only as "??", is refused with a message naming the layer, and the dialog stays for another choice.
TEST_F(SymbolDialogLayers, layerThatCodePage1251CannotHoldIsNotWritten)
{
    bool stayedOpen = false;
    const int result = run([&](QDialog& dialog) {
        auto* layers = control<QComboBox>(dialog, dialogs::kJoinPointFrame.layerCombo);
        EXPECT_EQ(layers->itemText(2), QStringLiteral("Tschüss"));
        tarvelo::testing::pickItem(layers, QStringLiteral("洁具"));
        press(dialog, dialogs::kAcceptButton);
        tarvelo::testing::pickItem(layers, QStringLiteral("Tschüss"));
        press(dialog, dialogs::kAcceptButton);
        stayedOpen = dialog.isVisible();
        tarvelo::testing::pickItem(layers, QStringLiteral("Стены"));
        press(dialog, dialogs::kAcceptButton);
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(result, dialogs::kAccepted);
    EXPECT_EQ(block.GetTraits()->GetLayerName(), cp1251("Стены"));
    const std::string text = "» нельзя записать в символ: в кодировке Windows-1251, в которой символ хранит имена, "
                             "нет некоторых его знаков. Выберите другой слой.";
    const std::vector<services::testing::ShownMessage> told = {
        {"Обозначение узла", "Имя слоя «洁具" + text, services::MessageIcon::Warning},
        {"Обозначение узла", "Имя слоя «Tschüss" + text, services::MessageIcon::Warning}};
    EXPECT_EQ(environment.recorder.shown, told);
}

// An existing symbol keeps its own layer, so whatever the combo shows is never written and nothing is refused.
TEST_F(SymbolDialogLayers, existingSymbolAcceptsWhateverTheComboShows)
{
    block.SetEditMode(1);
    block.SetSymbolType(501);
    block.GetTraits()->SetLayerName(cp1251("Стены"));
    const int result = run([&](QDialog& dialog) {
        auto* layers = control<QComboBox>(dialog, dialogs::kJoinPointFrame.layerCombo);
        layers->setCurrentIndex(0);
        emit layers->activated(0);
        press(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(result, dialogs::kAccepted);
    EXPECT_EQ(block.GetTraits()->GetLayerName(), cp1251("Стены"));
    EXPECT_TRUE(environment.recorder.shown.empty());
}

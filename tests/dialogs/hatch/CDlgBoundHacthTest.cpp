// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <vector>

#include "CDlgBoundHacth.h"
#include "ImageButton.h"
#include "ScopePointsText.h"
#include "SymbolDialogFixture.h"

using namespace tarvelo;
using namespace tarvelo::dialogs::testing;
using dialogs::ImageButton;
using services::testing::cp1251;
using Hatch = dialogs::BoundHatchTemplate;

namespace {

class BoundHatchTest : public SymbolDialogFixture {
protected:
    int run(const std::function<void(QDialog&)>& drive)
    {
        return SymbolDialogFixture::run<dialogs::CDlgBoundHacth>(drive);
    }

    /// The identifiers of the pushed type buttons.
    static std::vector<int> pushed(QDialog& dialog)
    {
        std::vector<int> ids;
        for (const dialogs::HatchTypeButton& button : dialogs::kHatchTypeButtons) {
            if (control<ImageButton>(dialog, button.id)->isPushed())
                ids.push_back(button.id);
        }
        return ids;
    }
    static void click(QDialog& dialog, const ControlId& id)
    {
        QTest::mouseClick(control<ImageButton>(dialog, id), Qt::LeftButton);
    }
    static QComboBox* layers(QDialog& dialog)
    {
        return control<QComboBox>(dialog, dialogs::kBoundHatchFrame.layerCombo);
    }
    void addStrayScopePoint() { block.GetScopePoints()->AddScopePoint(3, 3, 1, 7.0, 8.0, 0.0, 0, 0, 0, 0); }
};

}  // namespace

// A new hatch starts as 601 whatever came in; 12101 sets 602 and 12100 sets 603, each renewing the points
// and the defaults but not the layer the user chose. Accepting keeps the typed layer and the user's
// property changes.
TEST_F(BoundHatchTest, newHatchTypeButtonsRenewTheBlockAndAcceptanceKeepsUserChanges)
{
    block.SetSymbolType(602);
    run([&](QDialog& dialog) {
        EXPECT_EQ(pushed(dialog), std::vector<int>{Hatch::kBoundaryHatch});
        EXPECT_EQ(block.GetSymbolType(), 601u);
        layers(dialog)->setCurrentIndex(layers(dialog)->findText(QStringLiteral("Оси")));
        emit layers(dialog)->activated(layers(dialog)->currentIndex());
        EXPECT_FALSE(control<ImageButton>(dialog, Hatch::kWaterproofedContour)->isVisible());
        EXPECT_FALSE(control<ImageButton>(dialog, Hatch::kInsulatedContour)->isVisible());
        EXPECT_TRUE(layers(dialog)->isEnabled());
        const std::pair<int, std::uint32_t> choices[] = {{Hatch::kLinearHatch, 602}, {Hatch::kGroundBoundary, 603}};
        for (const auto& [id, code] : choices) {
            SCOPED_TRACE(id);
            addStrayScopePoint();
            block.SetParam(1, 99.0);
            click(dialog, id);
            EXPECT_EQ(block.GetSymbolType(), code);
            EXPECT_EQ(pushed(dialog), std::vector<int>{id});
            EXPECT_EQ(scopePointsText(block), kOriginPair);
            EXPECT_EQ(block.GetParam(1), 2.0) << "the hatch's host defaults";
            EXPECT_EQ(layers(dialog)->currentText(), QStringLiteral("Оси"));
        }
        // What the properties dialog would have written into the block.
        block.SetParam(1, 5.0);
        block.GetTraits()->SetColorIndex(1005);
        addStrayScopePoint();
        layers(dialog)->lineEdit()->clear();
        typeText(*layers(dialog), QStringLiteral("Стены"));
        QTest::keyClick(layers(dialog), Qt::Key_Return);
        press(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(block.GetSymbolType(), 603u);
    EXPECT_EQ(block.GetTraits()->GetLayerName(), cp1251("Стены"));
    EXPECT_EQ(block.GetTraits()->GetColorIndex(), 1005u);
    EXPECT_EQ(block.GetParam(1), 5.0);
    EXPECT_EQ(scopePointsText(block), kOriginPair);
}

// Existing hatches: 604 pushes only its hidden button; 602 pushes 12101; a click changes only the type.
TEST_F(BoundHatchTest, existingHatchChangesOnlyItsType)
{
    block.SetEditMode(1);
    block.SetParam(1, 7.0);
    block.GetTraits()->SetLayerName(cp1251("Стены"));
    addStrayScopePoint();
    const std::string ownPoints = scopePointsText(block);
    block.SetSymbolType(604);
    run([&](QDialog& dialog) {
        EXPECT_EQ(pushed(dialog), std::vector<int>{Hatch::kWaterproofedContour});
        EXPECT_FALSE(layers(dialog)->isEnabled());
        EXPECT_EQ(layers(dialog)->currentText(), QStringLiteral("Стены"));
        press(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(block.GetSymbolType(), 604u);

    block.SetSymbolType(602);
    run([&](QDialog& dialog) {
        EXPECT_EQ(pushed(dialog), std::vector<int>{Hatch::kLinearHatch});
        click(dialog, Hatch::kGroundBoundary);
        press(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(block.GetSymbolType(), 603u);
    EXPECT_EQ(scopePointsText(block), ownPoints);
    EXPECT_EQ(block.GetParam(1), 7.0);
    EXPECT_EQ(block.GetTraits()->GetLayerName(), cp1251("Стены"));
}

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "CDlgWeld.h"
#include "RenderPicture.h"
#include "ResourceIds.h"
#include "ScopePointsText.h"
#include "SymbolDialogFixture.h"
#include "WeldRules.h"

using namespace tarvelo;
using namespace tarvelo::dialogs::testing;
using tarvelo::services::testing::cp1251;
using Weld = dialogs::WeldTemplate;
static constexpr const dialogs::FrameTemplate& kFrame = dialogs::kWeldFrame;

namespace {

class WeldTest : public SymbolDialogFixture {
protected:
    int run(const std::function<void(QDialog&)>& drive) { return SymbolDialogFixture::run<dialogs::CDlgWeld>(drive); }
    static QComboBox* types(QDialog& dialog) { return control<QComboBox>(dialog, Weld::kTypes); }
    static QImage shownPicture(QDialog& dialog) { return control<QLabel>(dialog, Weld::kPicture)->pixmap().toImage(); }
    static QImage picture(int number) { return dialogs::renderPicture(resources::bitmapPath(number)).toImage(); }
    std::uint32_t rememberedType() { return hub.GetDwordParams("", "WeldDefultType"); }
};

// Opens the type list and clicks the entry, as the user chooses a type.
void choose(QComboBox& list, int entry)
{
    list.showPopup();
    QAbstractItemView* view = list.view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(entry, 0)).center());
}

}  // namespace

// Each listed code has the picture of its group and kind, any other code the neutral one.
TEST(WeldRulesTest, picturesFollowTheCodes)
{
    for (std::uint32_t group = 0; group < 4; ++group) {
        for (std::uint32_t kind = 1; kind <= 4; ++kind)
            EXPECT_EQ(dialogs::weld::weldPicture(700 + 10 * group + kind), int(12080 + 4 * group + kind - 1));
    }
    for (std::uint32_t other : {0u, 700u, 705u, 715u, 735u})
        EXPECT_EQ(dialogs::weld::weldPicture(other), resources::kWeldOther) << other;
}

// The remembered type decides a new weld's start: none gives 701, 733 its own entry, 735 falls back, 707
// selects nothing and is remembered as 0.
TEST_F(WeldTest, newWeldStartsFromTheRememberedType)
{
    struct Case { std::uint32_t remembered; const char* shown; std::uint32_t type; int picture; };
    const Case cases[] = {{0, "Угловые заводские - сплошные видимые", 701, 12080},
                          {733, "Стыковые монтажные - прерывистые видимые", 733, 12094},
                          {735, "Угловые заводские - сплошные видимые", 701, 12080},
                          {707, "", 0, 12080}};
    for (const Case& start : cases) {
        SCOPED_TRACE(start.remembered);
        hub.SetDwordParam("", "WeldDefultType", start.remembered);
        block.Clear();
        block.GetParamMap().clear();
        run([&](QDialog& dialog) {
            EXPECT_EQ(types(dialog)->count(), 16);
            EXPECT_EQ(types(dialog)->currentText(), QString::fromUtf8(start.shown));
            EXPECT_EQ(shownPicture(dialog), picture(start.picture));
            EXPECT_TRUE(control<QWidget>(dialog, kFrame.layerCombo)->isEnabled());
            press(dialog, dialogs::kAcceptButton);
        });
        EXPECT_EQ(block.GetSymbolType(), start.type);
        EXPECT_EQ(block.GetSymbolVariant(), start.type);
        EXPECT_EQ(scopePointsText(block), start.type != 0 ? kOriginPair : "");
        EXPECT_EQ(block.GetParam(1), start.type != 0 ? 15.0 : 0.0) << "the weld's host defaults";
        EXPECT_EQ(rememberedType(), start.type);
    }
}

// Choosing a type rewrites variant, points, defaults and picture at once; only accepting remembers it.
TEST_F(WeldTest, choosingATypeRewritesTheBlockAtOnce)
{
    for (const int decision : {dialogs::kAcceptButton, dialogs::kCancelButton}) {
        SCOPED_TRACE(decision);
        hub.SetDwordParam("", "WeldDefultType", 711);
        run([&](QDialog& dialog) {
            block.SetParam(1, 99.0);
            block.GetScopePoints()->AddScopePoint(3, 3, 1, 7.0, 8.0, 0.0, 0, 0, 0, 0);
            choose(*types(dialog), 14);
            EXPECT_EQ(block.GetSymbolVariant(), 733u);
            EXPECT_EQ(scopePointsText(block), kOriginPair);
            EXPECT_EQ(block.GetParam(1), 15.0);
            EXPECT_EQ(shownPicture(dialog), picture(12094));
            press(dialog, decision);
        });
        EXPECT_EQ(block.GetSymbolType(), 733u) << "the choice stays in the block either way";
        EXPECT_EQ(rememberedType(), decision == dialogs::kAcceptButton ? 733u : 711u);
    }
}

// An existing weld shows its type, own scale and fixed layer and is kept as it is; a type chosen for it
// brings that type's defaults but leaves its points and layer.
TEST_F(WeldTest, existingWeldKeepsItsPlaceAndLayer)
{
    hub.SetStringParams(services::CSysHub::kParamsKey, "SymScl", "50", false);
    block.SetEditMode(1);
    block.SetSymbolType(712);
    block.SetSymbolVariant(712);
    block.SetScale(2.5);
    block.SetParam(1, 20.0);
    block.GetTraits()->SetLayerName(cp1251("Сварка"));
    block.GetScopePoints()->AddScopePoint(1, 1, 1, 40.0, 5.0, 0.0, 0, 0, 0, 0);
    const std::string placed = scopePointsText(block);
    run([&](QDialog& dialog) {
        EXPECT_EQ(types(dialog)->currentText(), QStringLiteral("Стыковые заводские - сплошные невидимые"));
        EXPECT_EQ(shownPicture(dialog), picture(12085));
        EXPECT_EQ(control<QAbstractButton>(dialog, kFrame.scaleButton)->text(), QStringLiteral("2.5 : 1"));
        EXPECT_FALSE(control<QWidget>(dialog, kFrame.layerCombo)->isEnabled());
        press(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(block.GetScale(), 2.5);
    EXPECT_EQ(block.GetParam(1), 20.0);
    EXPECT_EQ(scopePointsText(block), placed);
    EXPECT_EQ(block.GetTraits()->GetLayerName(), cp1251("Сварка"));
    EXPECT_EQ(rememberedType(), 712u);

    run([&](QDialog& dialog) {
        choose(*types(dialog), 14);
        EXPECT_EQ(shownPicture(dialog), picture(12094));
        press(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(block.GetSymbolVariant(), 733u);
    EXPECT_EQ(block.GetParam(1), 15.0);
    EXPECT_EQ(scopePointsText(block), placed);
    EXPECT_EQ(block.GetTraits()->GetLayerName(), cp1251("Сварка"));
}

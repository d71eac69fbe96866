// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <functional>
#include <vector>

#include "CDlgLevelMark.h"
#include "SymbolDialogFixture.h"
#include "InMemoryDrawing.h"
#include "LevelMarkRules.h"
#include "ModalDriver.h"
#include "TestEnvironment.h"
#include "tarvelo/geometry/IExtData.h"
#include "tarvelo/geometry/IGeoItemTraits.h"
#include "tarvelo/geometry/IGeoPointsBlock.h"
#include "tarvelo/geometry/TGeoBlock.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/MakerLibraries.h"

using namespace tarvelo;
using namespace tarvelo::dialogs;
using services::testing::cp1251;

namespace {

using Points = std::vector<std::array<double, 4>>;  // key, x, y, z
const Points kThreePoints{{1, 0, 0, 0}, {2, 10, 0, 0}, {3, 0, 10, 0}};
const Points kOnePoint{{1, 0, 0, 0}};

// The scope points, each checked for the tag and scope key every layout gives.
Points points(GEOTYPE_DEFINITION::IGeoBlock& block)
{
    auto& scope = *block.GetScopePoints();
    Points found;
    for (std::uint32_t key = 1; key <= scope.GetMaxKey(); ++key) {
        if (auto* point = scope.FindPoint(key)) {
            EXPECT_EQ(scope.GetPointTag(key), key);
            EXPECT_EQ(scope.GetPointScopeKey(key), 2u);
            found.push_back({double(key), point->GetX(), point->GetY(), point->GetZ()});
        }
    }
    return found;
}

using dialogs::testing::control;
using dialogs::testing::ControlId;
using Level = dialogs::LevelMarkTemplate;
static constexpr const dialogs::FrameTemplate& kFrame = dialogs::kLevelMarkFrame;

// Confirms the entry with this value, as the user picks it from the list.
void choose(QWidget& dialog, const ControlId& list, std::uint32_t value)
{
    auto* combo = control<QComboBox>(dialog, list);
    combo->setCurrentIndex(combo->findData(value));
    emit combo->activated(combo->currentIndex());
}

bool shown(QWidget& dialog, const ControlId& name)
{
    return control<QWidget>(dialog, name)->isVisible();
}

class LevelMarkTest : public dialogs::testing::SymbolDialogFixture {
protected:
    void SetUp() override
    {
        SymbolDialogFixture::SetUp();
        drawing.layers = {{"0"}, {"Оси"}, {"Отметки"}};
        block.GetPoints()->AddPoint(0, 0, 500.0, 0.0, 0.0);
    }

    /// Runs the dialog on the block; `drive` leaves it with "1" or "2".
    int run(const std::function<void(QDialog&)>& drive)
    {
        return SymbolDialogFixture::run<CDlgLevelMark>(drive);
    }
    static void accept(QDialog& dialog) { control<QPushButton>(dialog, kAcceptButton)->click(); }
    static void cancel(QDialog& dialog) { control<QPushButton>(dialog, kCancelButton)->click(); }

    std::string mainText() { return block.GetExtData()->GetMainText(); }
    std::uint32_t rememberedKind() { return hub.GetDwordParams("", kLevelDefaultTypeValue); }
};

}  // namespace

// A plan mark keeps points that fit the extension-line choice, replaces those that do not, and ignores no choice.
TEST(LevelMarkRules, planLayoutKeepsFittingPoints)
{
    GEOTYPE_DEFINITION::TGeoBlock block;
    auto& scope = *block.GetScopePoints();
    applyLevelLayout(scope, kPlanLevelMark, kWithoutExtensionLines);
    EXPECT_EQ(points(block), kOnePoint);
    scope.MovePoint(1, 4.0, 4.0, 0.0);
    applyPlanLayout(scope, kWithoutExtensionLines);
    EXPECT_EQ(points(block), (Points{{1, 4, 4, 0}}));
    scope.AddScopePoint(2, 2, 2, 1.0, 1.0, 0.0, 0, 0, 0, 0);
    applyPlanLayout(scope, 0);
    EXPECT_EQ(scope.GetCount(), 2u);
    applyPlanLayout(scope, kWithExtensionLines);
    EXPECT_EQ(points(block), kThreePoints);
    scope.MovePoint(3, 0.0, 25.0, 0.0);
    applyPlanLayout(scope, kWithExtensionLines);
    EXPECT_EQ(scope.FindPoint(3)->GetY(), 25.0);
    applyLevelLayout(scope, kLevelMark, kWithExtensionLines);
    EXPECT_EQ(points(block), kThreePoints);
}

// Acceptance writes note, kind, the library's parameters and then the attach flag, and keeps the chosen layer.
TEST_F(LevelMarkTest, acceptanceLoadsDefaultsButKeepsTheLayer)
{
    block.SetParam(40, 7.0);
    block.GetTraits()->SetLayerName(cp1251("Отметки"));
    writeAcceptedLevelMark(HostSupportSession(environment), block, cp1251("Чистый пол"), true);
    EXPECT_EQ(block.GetExtData()->GetSubText(), cp1251("Чистый пол"));
    EXPECT_EQ(block.GetSymbolType(), kLevelMark);
    EXPECT_EQ(block.GetSymbolVariant(), kLevelMark);
    EXPECT_EQ(block.GetParamMap(),
              (GEOTYPE_DEFINITION::ParamMap{{1, 3.0}, {2, 45.0}, {3, 3.5}, {4, 12.0}, {5, 1.0}, {9, 1.0}}));
    EXPECT_EQ(block.GetTraits()->GetTextStyle(), cp1251("ГОСТ тип Б"));
    EXPECT_EQ(block.GetTraits()->GetLayerName(), cp1251("Отметки"));
}

// A new mark with nothing remembered is a plain mark with three points, level 0 and defaults; 301 is remembered.
TEST_F(LevelMarkTest, newMarkStartsAsPlainMark)
{
    hub.SetStringParams(services::CSysHub::kParamsKey, "SymScl", "2.5", false);
    EXPECT_EQ(run([&](QDialog& dialog) {
                  EXPECT_EQ(control<QComboBox>(dialog, Level::kKind)->currentData().toUInt(), kLevelMark);
                  EXPECT_TRUE(shown(dialog, Level::kNote));
                  EXPECT_FALSE(shown(dialog, Level::kExtension) || shown(dialog, Level::kUnused));
                  EXPECT_EQ(control<QLineEdit>(dialog, Level::kLevel)->text(), QStringLiteral("0"));
                  EXPECT_EQ(mainText(), "0.000000*3");
                  EXPECT_EQ(points(block), kThreePoints);
                  EXPECT_EQ(block.GetParam(1), 3.0);
                  EXPECT_EQ(control<QPushButton>(dialog, kFrame.scaleButton)->text(), QStringLiteral("2.5 : 1"));
                  accept(dialog);
              }),
              kAccepted);
    EXPECT_EQ(block.GetSymbolVariant(), kLevelMark);
    EXPECT_EQ(block.GetParam(kLevelAttachParam), 0.0);
    EXPECT_EQ(rememberedKind(), kLevelMark);
}

// A remembered plan kind starts a plan mark without extension lines on one point.
TEST_F(LevelMarkTest, newMarkTakesTheRememberedPlanKind)
{
    hub.SetDwordParam("", kLevelDefaultTypeValue, kPlanLevelMark);
    run([&](QDialog& dialog) {
        EXPECT_EQ(control<QComboBox>(dialog, Level::kExtension)->currentData().toUInt(), kWithoutExtensionLines);
        EXPECT_FALSE(shown(dialog, Level::kNote));
        EXPECT_FALSE(control<QWidget>(dialog, Level::kAttach)->isEnabled());
        EXPECT_EQ(points(block), kOnePoint);
        cancel(dialog);
    });
}

// A new mark takes the level as shown with "RoundzLevel" decimals and typing rewrites the main text at
// once; an existing mark shown with fewer decimals keeps its level.
TEST_F(LevelMarkTest, levelIsWrittenAsShownForANewMarkOnlyAndAsTyped)
{
    block.GetExtData()->SetMainText("12.250000*3");
    run([&](QDialog& dialog) {
        auto* level = control<QLineEdit>(dialog, Level::kLevel);
        EXPECT_EQ(level->text(), QStringLiteral("12"));
        EXPECT_EQ(mainText(), "12.000000*3");
        level->clear();
        QTest::keyClicks(level, "12.25");
        EXPECT_EQ(mainText(), "12.250000*3");
        accept(dialog);
    });
    block.SetEditMode(1);
    run([&](QDialog& dialog) {
        EXPECT_EQ(control<QLineEdit>(dialog, Level::kLevel)->text(), QStringLiteral("12"));
        accept(dialog);
    });
    EXPECT_EQ(mainText(), "12.250000*3");
    hub.SetDwordParam("", kLevelDecimalsValue, 2);
    run([&](QDialog& dialog) {
        EXPECT_EQ(control<QLineEdit>(dialog, Level::kLevel)->text(), QStringLiteral("12.25"));
        accept(dialog);
    });
    EXPECT_EQ(mainText(), "12.250000*3");
}

// Kind and extension-line choices lay out the points at once; the plan kind is remembered.
TEST_F(LevelMarkTest, choicesLayOutTheScopePoints)
{
    run([&](QDialog& dialog) {
        choose(dialog, Level::kKind, kPlanLevelMark);
        EXPECT_EQ(block.GetSymbolVariant(), kPlanLevelMark);
        EXPECT_EQ(points(block), kOnePoint);
        EXPECT_TRUE(shown(dialog, Level::kExtension));
        choose(dialog, Level::kExtension, kWithExtensionLines);
        EXPECT_EQ(points(block), kThreePoints);
        choose(dialog, Level::kKind, kLevelMark);
        EXPECT_TRUE(shown(dialog, Level::kNote) && control<QWidget>(dialog, Level::kAttach)->isEnabled());
        choose(dialog, Level::kKind, kPlanLevelMark);
        accept(dialog);
    });
    EXPECT_EQ(block.GetSymbolType(), kPlanLevelMark);
    EXPECT_EQ(rememberedKind(), kPlanLevelMark);
}

// A kind chosen for a new mark brings its defaults but leaves the chosen layer; what the properties dialog
// set afterwards survives acceptance.
TEST_F(LevelMarkTest, newMarkKeepsTheUsersLayerAndProperties)
{
    run([&](QDialog& dialog) {
        auto* layers = control<QComboBox>(dialog, kFrame.layerCombo);
        layers->setCurrentIndex(layers->findText(QStringLiteral("Отметки")));
        emit layers->activated(layers->currentIndex());
        block.SetParam(1, 42.0);
        choose(dialog, Level::kKind, kPlanLevelMark);
        EXPECT_EQ(block.GetParam(1), 3.0) << "the plan mark's defaults";
        EXPECT_EQ(layers->currentText(), QStringLiteral("Отметки"));
        block.SetParam(1, 4.0);
        accept(dialog);
    });
    EXPECT_EQ(block.GetParam(1), 4.0);
    EXPECT_EQ(block.GetTraits()->GetLayerName(), cp1251("Отметки"));
}

// The attach toggle and the note reach the block only on acceptance.
TEST_F(LevelMarkTest, attachAndNoteWaitForAcceptance)
{
    block.GetExtData()->SetSubText(cp1251("Пол"));
    run([&](QDialog& dialog) {
        auto* attach = control<QToolButton>(dialog, Level::kAttach);
        const QImage off = attach->icon().pixmap(24).toImage();
        attach->click();
        EXPECT_NE(attach->icon().pixmap(24).toImage(), off);
        auto* note = control<QLineEdit>(dialog, Level::kNote);
        EXPECT_EQ(note->text(), QStringLiteral("Пол"));
        note->end(false);
        for (const QChar character : QStringLiteral(" цеха")) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
            QApplication::sendEvent(note, &press);
        }
        EXPECT_EQ(block.GetParam(kLevelAttachParam), 0.0);
        EXPECT_EQ(block.GetExtData()->GetSubText(), cp1251("Пол"));
        accept(dialog);
    });
    EXPECT_EQ(block.GetParam(kLevelAttachParam), 1.0);
    EXPECT_EQ(block.GetExtData()->GetSubText(), cp1251("Пол цеха"));
}

// An existing mark keeps kind, layer, attachment, parameters and scale; properties see its kind as the type.
TEST_F(LevelMarkTest, existingMarkIsLocked)
{
    hub.SetStringParams(services::CSysHub::kParamsKey, "SymScl", "2.5", false);
    block.SetEditMode(1);
    block.SetSymbolVariant(kPlanLevelMark);
    block.SetScale(50.0);
    block.SetParam(kLevelAttachParam, 1.0);
    block.SetParam(40, 7.0);
    block.GetTraits()->SetLayerName(cp1251("Оси"));
    std::uint32_t typeInProperties = 0;
    run([&](QDialog& dialog) {
        for (const ControlId& locked :
             std::initializer_list<ControlId>{Level::kKind, Level::kExtension, kFrame.layerCombo, Level::kAttach})
            EXPECT_FALSE(control<QWidget>(dialog, locked)->isEnabled()) << locked;
        EXPECT_EQ(block.GetSymbolType(), 0u) << "no defaults before acceptance";
        QTimer::singleShot(50, [&] {
            typeInProperties = block.GetSymbolType();
            if (auto* properties = qobject_cast<QDialog*>(QApplication::activeModalWidget()); properties != &dialog)
                properties->reject();
        });
        control<QPushButton>(dialog, kFrame.propertiesButton)->click();
        accept(dialog);
    });
    EXPECT_EQ(typeInProperties, kPlanLevelMark);
    EXPECT_EQ(block.GetParamMap(), (GEOTYPE_DEFINITION::ParamMap{{kLevelAttachParam, 1.0}, {40, 7.0}}));
    EXPECT_EQ(block.GetScale(), 50.0);
    EXPECT_EQ(block.GetTraits()->GetLayerName(), cp1251("Оси"));
}

// Cancelling empties the block and remembers nothing.
TEST_F(LevelMarkTest, cancelEmptiesTheBlock)
{
    EXPECT_EQ(run([&](QDialog& dialog) {
                  choose(dialog, Level::kKind, kPlanLevelMark);
                  cancel(dialog);
              }),
              kCancelled);
    EXPECT_TRUE(block.IsEmpty());
    EXPECT_EQ(block.GetSymbolVariant(), 0u);
    EXPECT_EQ(rememberedKind(), 0u);
}

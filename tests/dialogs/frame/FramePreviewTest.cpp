// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "CDlgAxisArray.h"
#include "CDlgLevelMark.h"
#include "CDlgSymbSection.h"
#include "DrawingQueries.h"
#include "LevelMarkRules.h"
#include "ScaleDialogTemplate.h"
#include "SymbolDialogFixture.h"
#include "SymbolPreview.h"
#include "UserInput.h"

using namespace tarvelo;
using namespace tarvelo::dialogs;
using dialogs::testing::control;
using dialogs::testing::press;
using dialogs::testing::ControlId;

namespace {

/// What the pane shows, as far as a change of type, text or scale moves it.
struct Shown {
    std::size_t primitives = 0;
    QRectF bounds;
    std::vector<QString> texts;
    double unitsPerMillimetre = 0.0;

    bool operator==(const Shown&) const = default;
};

/// The pane after the handlers of the last change have run.
Shown shownBy(QDialog& dialog)
{
    QTest::qWait(0);
    const render::Drawing& drawing = control<SymbolPreview>(dialog, "preview")->drawing();
    return {drawing.primitives.size(), drawing.bounds(), render::testing::textsOf(drawing), drawing.unitsPerMillimetre};
}

/// Presses the scale button `id` and picks `numerator` : 1 in the scale dialog.
void chooseScale(QDialog& dialog, const ControlId& id, const QString& numerator)
{
    tarvelo::testing::whenModalOpens([numerator](QWidget* modal) {
        ASSERT_NE(modal, nullptr);
        tarvelo::testing::pickItem(control<QComboBox>(*modal, controls::ScaleDialogTemplate::kNumerator), numerator);
        control<QPushButton>(*modal, "1")->click();
    });
    press(dialog, id);
}

void choose(QDialog& dialog, const ControlId& list, std::uint32_t value)
{
    auto* combo = control<QComboBox>(dialog, list);
    combo->setCurrentIndex(combo->findData(value));
    emit combo->activated(combo->currentIndex());
}

class FramePreviewTest : public dialogs::testing::SymbolDialogFixture {};

}  // namespace

// The section mark's pane shows the new mark and follows its type, designation and scale.
TEST_F(FramePreviewTest, sectionPreviewFollowsTypeTextAndScale)
{
    run<CDlgSymbSection>([&](QDialog& dialog) {
        const Shown start = shownBy(dialog);
        EXPECT_GT(start.primitives, 0u);
        press(dialog, dialogs::SectionTemplate::kStepped);
        const Shown stepped = shownBy(dialog);
        EXPECT_NE(stepped, start);
        control<QLineEdit>(dialog, dialogs::SectionTemplate::kDesignation)->setText(QStringLiteral("Б"));
        const Shown lettered = shownBy(dialog);
        EXPECT_NE(std::find(lettered.texts.begin(), lettered.texts.end(), QStringLiteral("Б")), lettered.texts.end())
            << QStringList(lettered.texts.begin(), lettered.texts.end()).join('|').toStdString();
        chooseScale(dialog, dialogs::kSectionFrame.scaleButton, QStringLiteral("10"));
        const Shown scaled = shownBy(dialog);
        EXPECT_EQ(scaled.unitsPerMillimetre, 10.0 * lettered.unitsPerMillimetre);
        EXPECT_NEAR(scaled.bounds.width(), 10.0 * lettered.bounds.width(), 1e-6 * scaled.bounds.width());
    });
}

// The level mark's pane follows its kind, the typed level and the scale.
TEST_F(FramePreviewTest, levelMarkPreviewFollowsTypeTextAndScale)
{
    run<CDlgLevelMark>([&](QDialog& dialog) {
        const Shown start = shownBy(dialog);
        EXPECT_GT(start.primitives, 0u);
        choose(dialog, dialogs::LevelMarkTemplate::kKind, kPlanLevelMark);
        EXPECT_NE(shownBy(dialog), start);
        auto* level = control<QLineEdit>(dialog, dialogs::LevelMarkTemplate::kLevel);
        level->clear();
        QTest::keyClicks(level, "3.25");
        const Shown typed = shownBy(dialog);
        EXPECT_NE(std::find(typed.texts.begin(), typed.texts.end(), QStringLiteral("+3,250")), typed.texts.end());
        chooseScale(dialog, dialogs::kLevelMarkFrame.scaleButton, QStringLiteral("10"));
        EXPECT_EQ(shownBy(dialog).unitsPerMillimetre, 10.0 * typed.unitsPerMillimetre);
    });
}

// The axis array's pane follows a change to the polar type and the scale.
TEST_F(FramePreviewTest, axisArrayPreviewFollowsTypeAndScale)
{
    run<CDlgAxisArray>([&](QDialog& dialog) {
        const Shown start = shownBy(dialog);
        EXPECT_GT(start.primitives, 0u);
        choose(dialog, dialogs::AxisArrayTemplate::kType, 802);
        const Shown polar = shownBy(dialog);
        EXPECT_NE(polar, start);
        chooseScale(dialog, dialogs::kAxisArrayFrame.scaleButton, QStringLiteral("10"));
        EXPECT_EQ(shownBy(dialog).unitsPerMillimetre, 10.0 * polar.unitsPerMillimetre);
    });
}

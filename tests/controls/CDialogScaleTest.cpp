// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <optional>

#include "CDialogScale.h"
#include "ModalDriver.h"
#include "ScaleButton.h"
#include "ScaleDialogTemplate.h"
#include "TestEnvironment.h"
#include "UserInput.h"
#include "tarvelo/geometry/TGeoBlock.h"
#include "tarvelo/services/CSysHub.h"

using tarvelo::services::CSysHub;

namespace {

using Drive = std::function<void(QDialog&)>;

using Scale = tarvelo::controls::ScaleDialogTemplate;

template <typename Control = QComboBox>
Control* control(QDialog& dialog, const QString& name)
{
    return dialog.findChild<Control*>(name);
}

template <typename Control = QComboBox>
Control* control(QDialog& dialog, Scale::Id id)
{
    return control<Control>(dialog, QString::number(id));
}

// Picks each term from its list (numerator or denominator), or types it when `typed`, as a user does.
Drive choose(std::vector<std::pair<Scale::Id, QString>> terms, bool typed = false)
{
    return [=](QDialog& dialog) {
        for (const auto& [list, term] : terms) {
            if (typed) {
                tarvelo::testing::clickFocus(control(dialog, list));
                tarvelo::testing::typeText(control(dialog, list), term);
            } else {
                tarvelo::testing::pickItem(control(dialog, list), term);
            }
        }
    };
}

// Drives the next scale dialog, then presses accept or cancel, or neither when none is given.
void whenScaleDialogOpens(const Drive& drive, std::optional<Scale::Id> closeWith)
{
    tarvelo::testing::whenModalOpens([=](QWidget* modal) {
        auto* dialog = qobject_cast<QDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        drive(*dialog);
        if (closeWith)
            control<QPushButton>(*dialog, *closeWith)->click();
    });
}

class ScaleDialogTest : public ::testing::Test {
protected:
    double run(double scale, const Drive& drive, std::optional<Scale::Id> closeWith = Scale::kAccept)
    {
        whenScaleDialogOpens(drive, closeWith);
        QWidget parent;
        return tarvelo::controls::CDialogScale(&parent, environment).Run(scale);
    }

    std::string storedScale()
    {
        return CSysHub(environment).GetStringParams(CSysHub::kParamsKey, "SymScl", "<none>", false);
    }

    tarvelo::services::testing::TestEnvironment environment;
};

}  // namespace

// The dialog opens with the current scale in its label and no term chosen; a numerator term gives a
// ratio over 1, a denominator term one below 1, each saved as the default.
TEST_F(ScaleDialogTest, pickedTermCompletesTheRatioWithOne)
{
    const double factor = run(1.0, [](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QString::number(Scale::kTemplate));
        EXPECT_EQ(control<QLabel>(dialog, Scale::kCurrentScale)->text(), " 1.0 : 1 ");
        EXPECT_EQ(control(dialog, Scale::kNumerator)->count() + control(dialog, Scale::kDenominator)->count(), 28);
        EXPECT_EQ(control(dialog, Scale::kDenominator)->currentIndex(), -1);
        choose({{Scale::kNumerator, "2.5"}})(dialog);
    });
    EXPECT_EQ(factor, 2.5);
    EXPECT_EQ(storedScale(), "2.500000");
    EXPECT_EQ(run(2.5, choose({{Scale::kDenominator, "1000"}})), 0.001);
    EXPECT_EQ(storedScale(), "0.001000");
}

// "4" over, then "25" under resets the numerator to "1" (it is disabled while the denominator has the
// focus), giving 1 : 25; "1" in both gives 1 : 1; a typed term counts like a picked one.
TEST_F(ScaleDialogTest, secondListResetsTheFirstToOne)
{
    const Drive fourThenTwentyFive = [](QDialog& dialog) {
        choose({{Scale::kNumerator, "4"}})(dialog);
        tarvelo::testing::clickFocus(control(dialog, Scale::kDenominator));
        EXPECT_FALSE(control(dialog, Scale::kNumerator)->isEnabled());
        choose({{Scale::kDenominator, "25"}})(dialog);
        EXPECT_EQ(control(dialog, Scale::kNumerator)->currentText(), "1");
        EXPECT_TRUE(control(dialog, Scale::kNumerator)->isEnabled());
    };
    EXPECT_EQ(run(1.0, fourThenTwentyFive), 0.04);
    EXPECT_EQ(run(2.0, choose({{Scale::kNumerator, "1"}, {Scale::kDenominator, "1"}})), 1.0);
    EXPECT_EQ(run(1.0, choose({{Scale::kDenominator, "3"}}, true)), 1.0 / 3.0);
    EXPECT_EQ(run(1.0, choose({{Scale::kNumerator, "2,5"}}, true)), 2.5) << "a Russian keypad's decimal comma";
}

// A ratio that cannot be used is not taken: the dialog says why and stays open until the user picks a usable
// one, which it then takes, or cancels, which keeps the scale and the default.
TEST_F(ScaleDialogTest, unusableRatioIsExplainedInTheDialog)
{
    const struct {
        Scale::Id list;
        QString term;
        QString problem;
    } unusable[] = {
        {Scale::kDenominator, "0", "Масштаб не применён: знаменатель должен быть числом больше нуля."},
        {Scale::kNumerator, QStringLiteral("пять"), "Масштаб не применён: числитель должен быть числом больше нуля."},
        {Scale::kDenominator, "1e-320", "Масштаб не применён: отношение слишком велико или слишком мало."},
    };
    for (const auto& ratio : unusable) {
        SCOPED_TRACE(ratio.term.toStdString());
        const Drive refusedThenCancelled = [&](QDialog& dialog) {
            choose({{ratio.list, ratio.term}}, true)(dialog);
            control<QPushButton>(dialog, Scale::kAccept)->click();
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_TRUE(control<QLabel>(dialog, QStringLiteral("scale-problem"))->isVisible());
            EXPECT_EQ(control<QLabel>(dialog, QStringLiteral("scale-problem"))->text(), ratio.problem);
        };
        EXPECT_EQ(run(7.0, refusedThenCancelled, Scale::kCancel), 7.0);
    }
    EXPECT_EQ(storedScale(), "<none>");
    const Drive refusedThenCorrected = [](QDialog& dialog) {
        choose({{Scale::kDenominator, "0"}}, true)(dialog);
        control<QPushButton>(dialog, Scale::kAccept)->click();
        choose({{Scale::kDenominator, "50"}})(dialog);
        EXPECT_FALSE(control<QLabel>(dialog, QStringLiteral("scale-problem"))->isVisible());
        control<QPushButton>(dialog, Scale::kAccept)->click();
    };
    EXPECT_EQ(run(7.0, refusedThenCorrected, std::nullopt), 0.02);
    EXPECT_EQ(storedScale(), "0.020000");
}

// No term chosen, cancelling and an unticked box keep the scale or the default.
TEST_F(ScaleDialogTest, nothingChosenOrCancelKeepScaleAndDefault)
{
    EXPECT_EQ(run(7.0, [](QDialog&) {}), 7.0);
    EXPECT_EQ(run(0.5, choose({{Scale::kNumerator, "50"}}), Scale::kCancel), 0.5);
    const Drive untickedFifty = [](QDialog& dialog) {
        control<QCheckBox>(dialog, Scale::kSaveAsDefault)->setChecked(false);
        choose({{Scale::kNumerator, "50"}})(dialog);
    };
    EXPECT_EQ(run(1.0, untickedFifty), 50.0);
    EXPECT_EQ(storedScale(), "<none>");
}

// The scale button stores the chosen scale in the block and shows it; cancelling changes neither.
TEST_F(ScaleDialogTest, scaleButtonUpdatesBlockAndCaption)
{
    QWidget dialog;
    QPushButton scaleButton(&dialog);
    GEOTYPE_DEFINITION::TGeoBlock block;
    for (const Scale::Id closeWith : {Scale::kAccept, Scale::kCancel}) {
        whenScaleDialogOpens(choose({{closeWith == Scale::kAccept ? Scale::kDenominator : Scale::kNumerator, "100"}}),
                             closeWith);
        tarvelo::controls::chooseBlockScale(dialog, environment, block, scaleButton);
        EXPECT_EQ(block.GetScale(), 0.01);
        EXPECT_EQ(scaleButton.text(), "1 : 100");
    }
}

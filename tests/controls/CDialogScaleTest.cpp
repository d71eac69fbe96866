// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <functional>

#include "CDialogScale.h"
#include "ModalDriver.h"
#include "ScaleButton.h"
#include "TestEnvironment.h"
#include "UserInput.h"
#include "tarvelo/geometry/TGeoBlock.h"
#include "tarvelo/services/CSysHub.h"

using tarvelo::services::CSysHub;

namespace {

using Drive = std::function<void(QDialog&)>;

template <typename Control = QComboBox>
Control* control(QDialog& dialog, const char* name)
{
    return dialog.findChild<Control*>(QString::fromLatin1(name));
}

// Picks each term from its list ("12013" or "12014"), or types it when `typed`, as a user does.
Drive choose(std::vector<std::pair<const char*, QString>> terms, bool typed = false)
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

// Drives the next scale dialog, then presses button "1" (accept) or "2" (cancel), or none when null.
void whenScaleDialogOpens(const Drive& drive, const char* closeWith)
{
    tarvelo::testing::whenModalOpens([=](QWidget* modal) {
        auto* dialog = qobject_cast<QDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        drive(*dialog);
        if (closeWith != nullptr)
            control<QPushButton>(*dialog, closeWith)->click();
    });
}

class ScaleDialogTest : public ::testing::Test {
protected:
    double run(double scale, const Drive& drive, const char* closeWith = "1")
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
        EXPECT_EQ(dialog.objectName(), "12041");
        EXPECT_EQ(control<QLabel>(dialog, "12021")->text(), " 1.0 : 1 ");
        EXPECT_EQ(control(dialog, "12013")->count() + control(dialog, "12014")->count(), 28);
        EXPECT_EQ(control(dialog, "12014")->currentIndex(), -1);
        choose({{"12013", "2.5"}})(dialog);
    });
    EXPECT_EQ(factor, 2.5);
    EXPECT_EQ(storedScale(), "2.500000");
    EXPECT_EQ(run(2.5, choose({{"12014", "1000"}})), 0.001);
    EXPECT_EQ(storedScale(), "0.001000");
}

// "4" over, then "25" under resets the numerator to "1" (it is disabled while the denominator has the
// focus), giving 1 : 25; "1" in both gives 1 : 1; a typed term counts like a picked one.
TEST_F(ScaleDialogTest, secondListResetsTheFirstToOne)
{
    const Drive fourThenTwentyFive = [](QDialog& dialog) {
        choose({{"12013", "4"}})(dialog);
        tarvelo::testing::clickFocus(control(dialog, "12014"));
        EXPECT_FALSE(control(dialog, "12013")->isEnabled());
        choose({{"12014", "25"}})(dialog);
        EXPECT_EQ(control(dialog, "12013")->currentText(), "1");
        EXPECT_TRUE(control(dialog, "12013")->isEnabled());
    };
    EXPECT_EQ(run(1.0, fourThenTwentyFive), 0.04);
    EXPECT_EQ(run(2.0, choose({{"12013", "1"}, {"12014", "1"}})), 1.0);
    EXPECT_EQ(run(1.0, choose({{"12014", "3"}}, true)), 1.0 / 3.0);
    EXPECT_EQ(run(1.0, choose({{"12013", "2,5"}}, true)), 2.5) << "a Russian keypad's decimal comma";
}

// A ratio that cannot be used is not taken: the dialog says why and stays open until the user picks a usable
// one, which it then takes, or cancels, which keeps the scale and the default.
TEST_F(ScaleDialogTest, unusableRatioIsExplainedInTheDialog)
{
    const struct {
        const char* list;
        QString term;
        QString problem;
    } unusable[] = {
        {"12014", "0", "Масштаб не применён: знаменатель должен быть числом больше нуля."},
        {"12013", QStringLiteral("пять"), "Масштаб не применён: числитель должен быть числом больше нуля."},
        {"12014", "1e-320", "Масштаб не применён: отношение слишком велико или слишком мало."},
    };
    for (const auto& ratio : unusable) {
        SCOPED_TRACE(ratio.term.toStdString());
        const Drive refusedThenCancelled = [&](QDialog& dialog) {
            choose({{ratio.list, ratio.term}}, true)(dialog);
            control<QPushButton>(dialog, "1")->click();
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_TRUE(control<QLabel>(dialog, "scale-problem")->isVisible());
            EXPECT_EQ(control<QLabel>(dialog, "scale-problem")->text(), ratio.problem);
        };
        EXPECT_EQ(run(7.0, refusedThenCancelled, "2"), 7.0);
    }
    EXPECT_EQ(storedScale(), "<none>");
    const Drive refusedThenCorrected = [](QDialog& dialog) {
        choose({{"12014", "0"}}, true)(dialog);
        control<QPushButton>(dialog, "1")->click();
        choose({{"12014", "50"}})(dialog);
        EXPECT_FALSE(control<QLabel>(dialog, "scale-problem")->isVisible());
        control<QPushButton>(dialog, "1")->click();
    };
    EXPECT_EQ(run(7.0, refusedThenCorrected, nullptr), 0.02);
    EXPECT_EQ(storedScale(), "0.020000");
}

// No term chosen, cancelling and an unticked box keep the scale or the default.
TEST_F(ScaleDialogTest, nothingChosenOrCancelKeepScaleAndDefault)
{
    EXPECT_EQ(run(7.0, [](QDialog&) {}), 7.0);
    EXPECT_EQ(run(0.5, choose({{"12013", "50"}}), "2"), 0.5);
    const Drive untickedFifty = [](QDialog& dialog) {
        control<QCheckBox>(dialog, "12116")->setChecked(false);
        choose({{"12013", "50"}})(dialog);
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
    for (const char* closeWith : {"1", "2"}) {
        whenScaleDialogOpens(choose({{closeWith[0] == '1' ? "12014" : "12013", "100"}}), closeWith);
        tarvelo::controls::chooseBlockScale(dialog, environment, block, scaleButton);
        EXPECT_EQ(block.GetScale(), 0.01);
        EXPECT_EQ(scaleButton.text(), "1 : 100");
    }
}

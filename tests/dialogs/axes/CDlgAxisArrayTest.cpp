// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <functional>

#include "SymbolDialogFixture.h"
#include "UserInput.h"
#include "AxisArrayRules.h"
#include "CDlgAxisArray.h"
#include "CFxAxisPreview.h"
#include "CellGrid.h"
#include "HostSupportSession.h"
#include "InMemoryDrawing.h"
#include "ModalDriver.h"
#include "RenderPicture.h"
#include "ResourceIds.h"
#include "TestEnvironment.h"
#include "tarvelo/geometry/TGeoBlock.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/CompanionApi.h"

using namespace tarvelo;
using dialogs::axes::AxisRow;
using dialogs::axes::AxisRows;
using services::CSysHub;
using services::testing::cp1251;

namespace {

using dialogs::testing::control;
using dialogs::testing::ControlId;
using Axes = dialogs::AxisArrayTemplate;
static constexpr const dialogs::FrameTemplate& kFrame = dialogs::kAxisArrayFrame;

/// "name|step" of every row of a table.
QStringList rows(QWidget& dialog, const ControlId& table)
{
    QStringList shown;
    auto* list = control<controls::CellGrid>(dialog, table);
    for (int row = 0; row < list->rowCount(); ++row)
        shown << list->text(row, 0) + '|' + list->text(row, 1);
    return shown;
}

QStringList entries(QWidget& dialog, const ControlId& list)
{
    auto* combo = control<QComboBox>(dialog, list);
    QStringList texts;
    for (int entry = 0; entry < combo->count(); ++entry)
        texts << combo->itemText(entry);
    return texts;
}

/// An in-place editor is made when its table's row is first chosen.
bool editorShown(QWidget& dialog, const ControlId& editor)
{
    const auto* found = dialog.findChild<QWidget*>(editor.name);
    return found != nullptr && found->isVisible();
}

bool ticked(QWidget& dialog, const ControlId& box)
{
    return control<QCheckBox>(dialog, box)->isChecked();
}

QString textOf(QWidget& dialog, const ControlId& edit)
{
    return control<QLineEdit>(dialog, edit)->text();
}

// Clicks near the left edge, where a check box has its box.
void click(QWidget& dialog, const ControlId& button)
{
    auto* target = control<QAbstractButton>(dialog, button);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, target->height() / 2));
}

// Clicks a row's first cell, as the user chooses it.
void selectRow(QWidget& dialog, const ControlId& table, int row)
{
    auto* list = control<controls::CellGrid>(dialog, table);
    QTest::mouseClick(list, Qt::LeftButton, {}, list->cellRect(row, 0).center());
}

// Opens the drop-down list and takes the entry at `entry` with Enter, as the user does.
void pickEntry(QComboBox* combo, int entry)
{
    ASSERT_GE(entry, 0);
    tarvelo::testing::clickFocus(combo);
    combo->showPopup();
    combo->view()->setCurrentIndex(combo->model()->index(entry, 0));
    QTest::keyClick(combo->view(), Qt::Key_Return);
}

// Takes the entry carrying `data`.
void pick(QWidget& dialog, const ControlId& list, uint data)
{
    auto* combo = control<QComboBox>(dialog, list);
    pickEntry(combo, combo->findData(QVariant::fromValue(data)));
}

void replaceText(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    edit->del();
    tarvelo::testing::typeText(edit, text);
}

class AxisArrayTest : public dialogs::testing::SymbolDialogFixture {
protected:
    void SetUp() override
    {
        SymbolDialogFixture::SetUp();
        drawing.layers = {{"0"}, {"Оси"}, {"Стены"}};
    }

    void useHostSupport(const std::string& path)
    {
        hub.SetStringParams(CSysHub::kModulesKey, services::kHostSupportLibraryValue, path, false);
    }
    void withoutHostSupport() { useHostSupport("/nonexistent/libdhostsp.so"); }

    /// An array that exists: its own axes, in edit mode unless told otherwise.
    void existingArray(const AxisRows& axes, std::uint8_t editMode = 1)
    {
        block.SetSymbolType(801);
        block.SetEditMode(editMode);
        dialogs::axes::writeAxes(block, axes);
    }

    int run(const std::function<void(QDialog&)>& drive)
    {
        return SymbolDialogFixture::run<dialogs::CDlgAxisArray>(drive);
    }

    /// The default axes the host-support library now gives for a type.
    AxisRows hostDefaultAxes(std::uint32_t type)
    {
        const dialogs::HostSupportSession library(environment);
        auto* defaults = library.find<services::exports::GetDefaultAxis>()(type);
        AxisRows axes = dialogs::axes::readAxes(*defaults);
        library.find<services::exports::FreeBlock>()(defaults);
        return axes;
    }
};

const AxisRows kThreeByTwo{
    {{cp1251("А"), 0.0}, {cp1251("Б"), 6000.0}, {cp1251("В"), 7200.0}},
    {{"1", 0.0}, {"2", 6000.0}},
};

}  // namespace

// Without the host library a new array is orthogonal with empty tables, and accepting writes only the options.
TEST_F(AxisArrayTest, newArrayWithoutHostLibraryWritesOnlyTheOptions)
{
    withoutHostSupport();
    const int result = run([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Массив осей"));
        EXPECT_EQ(entries(dialog, Axes::kType), QStringList({"Массив ортогональных осей", "Массив полярных осей"}));
        EXPECT_EQ(control<QComboBox>(dialog, Axes::kType)->currentIndex(), 0);
        EXPECT_TRUE(rows(dialog, Axes::kLetterTable).isEmpty() && rows(dialog, Axes::kNumberTable).isEmpty());
        EXPECT_FALSE(ticked(dialog, Axes::kInsertionGiven));
        EXPECT_EQ(QStringList({textOf(dialog, Axes::kInsertionX), textOf(dialog, Axes::kInsertionY)}),
                  QStringList({"0.000", "0.000"}));
        for (const auto disabled : {Axes::kInsertionX, Axes::kInsertionY, Axes::kAngle})
            EXPECT_FALSE(control<QWidget>(dialog, disabled)->isEnabled()) << disabled;
        EXPECT_TRUE(ticked(dialog, Axes::kAsPrimitives));
        EXPECT_EQ(entries(dialog, Axes::kLetterPlacement), QStringList({"Скрыть", "С двух сторон", "Слева", "Справа"}));
        EXPECT_EQ(entries(dialog, Axes::kNumberPlacement), QStringList({"Скрыть", "С двух сторон", "Вверх", "Вниз"}));
        EXPECT_EQ(control<QComboBox>(dialog, Axes::kLetterPlacement)->currentIndex(), -1);
        for (const auto hidden : {Axes::kLetterName, Axes::kLetterStep, Axes::kNumberName, Axes::kNumberStep})
            EXPECT_FALSE(editorShown(dialog, hidden)) << hidden;
        const QStringList tips{"Добавить буквенную ось", "Удалить буквенную ось", "Добавить цифровую ось",
                               "Удалить цифровую ось", "Параметры объекта"};
        QStringList shown;
        for (const ControlId& button : std::initializer_list<ControlId>{
                 Axes::kAddLetter, Axes::kRemoveLetter, Axes::kAddNumber, Axes::kRemoveNumber, kFrame.propertiesButton})
            shown << control<QWidget>(dialog, button)->toolTip();
        EXPECT_EQ(shown, tips);
        click(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(block.GetSymbolType(), 801u);
    EXPECT_TRUE(block.GetItems()->IsEmpty());
    EXPECT_EQ(block.GetPoints()->GetCount(), 0u);
    ASSERT_EQ(block.GetScopePoints()->GetCount(), 1u);
    EXPECT_EQ(block.GetScopePoints()->GetPointScopeKey(1), 2u);
    EXPECT_EQ(block.GetAngleMode(), 0u);
    EXPECT_EQ(block.GetParamMap(), (GEOTYPE_DEFINITION::ParamMap{{11, 0.0}, {12, 0.0}, {13, 0.0}, {14, 0.0}, {15, 1.0}}));
    EXPECT_TRUE(environment.recorder.shown.empty());
}

// A new array shows the library's orthogonal axes, placements, options and the default scale. Accepted axes
// become the library's defaults, which the next new array starts from; cancelled ones do not.
TEST_F(AxisArrayTest, newArrayStartsFromTheHostDefaultAxes)
{
    hub.SetDwordParam("", "Roundz", 1);
    hub.SetStringParams(CSysHub::kParamsKey, "SymScl", "2.5", false);
    run([&](QDialog& dialog) {
        EXPECT_EQ(rows(dialog, Axes::kLetterTable), QStringList({"А|0.0", "Б|6000.0", "В|6000.0", "Г|6000.0"}));
        EXPECT_EQ(rows(dialog, Axes::kNumberTable),
                  QStringList({"1|0.0", "2|6000.0", "3|6000.0", "4|6000.0", "5|6000.0"}));
        EXPECT_EQ(control<QComboBox>(dialog, Axes::kLetterPlacement)->currentData().toUInt(), 2000u);
        EXPECT_EQ(control<QComboBox>(dialog, Axes::kNumberPlacement)->currentData().toUInt(), 30u);
        EXPECT_TRUE(ticked(dialog, Axes::kDimensionChain) && ticked(dialog, Axes::kOverallDimension));
        EXPECT_EQ(control<QPushButton>(dialog, kFrame.scaleButton)->text(), QStringLiteral("2.5 : 1"));
        EXPECT_EQ(textOf(dialog, Axes::kAngle), QStringLiteral("0.0"));
        click(dialog, Axes::kAddLetter);
    });
    EXPECT_EQ(hostDefaultAxes(801).letters.size(), 4u);

    block.Clear();
    run([&](QDialog& dialog) {
        click(dialog, Axes::kAddLetter);
        auto* layers = control<QComboBox>(dialog, kFrame.layerCombo);
        pickEntry(layers, layers->findText(QStringLiteral("Стены")));
        click(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(block.GetTraits()->GetLayerName(), cp1251("Стены"));
    EXPECT_EQ(hostDefaultAxes(801).letters.back(), (AxisRow{cp1251("А5"), 6000.0}));
    block.Clear();
    run([&](QDialog& dialog) { EXPECT_EQ(rows(dialog, Axes::kLetterTable).size(), 5); });
}

// "+" names axes А1, А2 … and 1, 2 …, repeating the previous step; the axes are stored with their points.
TEST_F(AxisArrayTest, addedAxesAreNamedInTurnAndStored)
{
    withoutHostSupport();
    hub.SetDwordParam("", "Roundz", 2);
    run([&](QDialog& dialog) {
        click(dialog, Axes::kAddLetter);
        EXPECT_EQ(rows(dialog, Axes::kLetterTable), QStringList({"А1|"}));
        EXPECT_FALSE(editorShown(dialog, Axes::kLetterName));
        selectRow(dialog, Axes::kLetterTable, 0);
        replaceText(control<QLineEdit>(dialog, Axes::kLetterStep), "6000");
        click(dialog, Axes::kAddLetter);
        click(dialog, Axes::kAddNumber);
        click(dialog, Axes::kAddNumber);
        EXPECT_EQ(rows(dialog, Axes::kLetterTable), QStringList({"А1|6000.00", "А2|6000.00"}));
        EXPECT_EQ(rows(dialog, Axes::kNumberTable), QStringList({"1|", "2|"}));
        click(dialog, dialogs::kAcceptButton);
    });
    const AxisRows expected{{{cp1251("А1"), 6000.0}, {cp1251("А2"), 6000.0}}, {{"1", 0.0}, {"2", 0.0}}};
    EXPECT_EQ(dialogs::axes::readAxes(block), expected);
    EXPECT_EQ(block.GetItems()->FindItem(2)->GetKind(), 7u);
    EXPECT_EQ(block.GetItems()->FindItem(3)->GetKind(), 4u);
    auto* second = block.GetPoints()->FindPoint(2);
    EXPECT_EQ((std::array{second->GetX(), second->GetY(), second->GetZ()}), (std::array{0.0, 6000.0, 0.0}));
}

// An array in edit mode lists its axes in key order with the store's decimals, shows but locks its insertion
// point and layer, shows its own scale and parameters, and comes back unchanged when accepted.
TEST_F(AxisArrayTest, existingArrayIsShownLockedAndKept)
{
    existingArray(kThreeByTwo);
    block.GetParamMap() = {{11, 6000.0}, {14, 0.0}};
    block.SetScale(4.0);
    block.GetScopePoints()->AddScopePoint(1, 1, 1, 1500.0, -20.5, 0.0, 0, 0, 0, 0);
    hub.SetDwordParam("", "Roundz", 2);
    hub.SetStringParams(CSysHub::kParamsKey, "SymScl", "2", false);
    run([&](QDialog& dialog) {
        EXPECT_EQ(rows(dialog, Axes::kLetterTable), QStringList({"А|0.00", "Б|6000.00", "В|7200.00"}));
        EXPECT_EQ(rows(dialog, Axes::kNumberTable), QStringList({"1|0.00", "2|6000.00"}));
        EXPECT_TRUE(ticked(dialog, Axes::kInsertionGiven));
        EXPECT_EQ(QStringList({textOf(dialog, Axes::kInsertionX), textOf(dialog, Axes::kInsertionY)}),
                  QStringList({"1500.00", "-20.50"}));
        for (const ControlId& locked : std::initializer_list<ControlId>{Axes::kInsertionGiven, Axes::kInsertionX,
                                                                        Axes::kInsertionY, kFrame.layerCombo})
            EXPECT_FALSE(control<QWidget>(dialog, locked)->isEnabled()) << locked;
        EXPECT_TRUE(control<QWidget>(dialog, Axes::kType)->isEnabled());
        EXPECT_EQ(control<QPushButton>(dialog, kFrame.scaleButton)->text(), QStringLiteral("4 : 1"));
        EXPECT_EQ(control<QComboBox>(dialog, Axes::kLetterPlacement)->currentText(), QStringLiteral("Слева"));
        EXPECT_FALSE(ticked(dialog, Axes::kOverallDimension));
        click(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(block.GetParamMap(), (GEOTYPE_DEFINITION::ParamMap{{11, 6000.0}, {14, 0.0}}));
    EXPECT_EQ(dialogs::axes::readAxes(block), kThreeByTwo);
    EXPECT_EQ(block.GetItems()->FindItem(4)->GetText(), "1");
    EXPECT_EQ(block.GetScale(), 4.0);
}

// Choosing a row lays the editors over it; what they hold goes into the row, a step by the store's format.
TEST_F(AxisArrayTest, editorsWriteIntoTheirRow)
{
    existingArray(kThreeByTwo);
    hub.SetDwordParam("", "Roundz", 2);
    QString stepKept;
    run([&](QDialog& dialog) {
        selectRow(dialog, Axes::kLetterTable, 1);
        auto* name = control<QLineEdit>(dialog, Axes::kLetterName);
        auto* step = control<QLineEdit>(dialog, Axes::kLetterStep);
        auto* table = control<controls::CellGrid>(dialog, Axes::kLetterTable);
        EXPECT_TRUE(name->isVisible() && step->isVisible());
        EXPECT_FALSE(editorShown(dialog, Axes::kNumberName));
        // Tab goes from "-" through the two editors, as if they had been there from the start.
        EXPECT_EQ(control<QWidget>(dialog, Axes::kRemoveLetter)->nextInFocusChain(), name);
        EXPECT_EQ(name->nextInFocusChain(), step);
        EXPECT_EQ(step->nextInFocusChain(), control<QWidget>(dialog, Axes::kNumbersCaption));
        EXPECT_EQ(dialog.focusWidget(), name);
        EXPECT_EQ(QStringList({name->text(), step->text()}), QStringList({"Б", "6000.00"}));
        const QRect row = table->cellRect(1, 0).united(table->cellRect(1, 1));
        EXPECT_EQ(name->geometry(), QRect(row.left(), row.top(), (row.width() + 1) / 2, row.height() + 2));
        EXPECT_EQ(step->geometry().right(), row.right());

        replaceText(name, "Б/1");
        replaceText(step, "5400.456");
        EXPECT_EQ(rows(dialog, Axes::kLetterTable).value(1), QStringLiteral("Б/1|5400.46"));
        step->selectAll();
        step->insert(QStringLiteral("шаг"));
        EXPECT_EQ(rows(dialog, Axes::kLetterTable).value(1), QStringLiteral("Б/1|0.00"));
        replaceText(step, "12.5");
        stepKept = step->text();
        click(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(stepKept, QStringLiteral("12.5"));
    EXPECT_EQ(dialogs::axes::readAxes(block).letters.at(1), (AxisRow{cp1251("Б/1"), 12.5}));
}

// "-" removes the chosen row of its own table, even one beyond the other table's length; the editors go with it.
TEST_F(AxisArrayTest, removingActsOnTheChosenRowOfItsTable)
{
    existingArray({{{cp1251("А"), 0.0}}, {{"1", 0.0}, {"2", 3000.0}, {"3", 4500.0}}});
    run([&](QDialog& dialog) {
        click(dialog, Axes::kRemoveLetter);  // no lettered row chosen yet
        selectRow(dialog, Axes::kNumberTable, 2);
        click(dialog, Axes::kRemoveNumber);
        EXPECT_EQ(rows(dialog, Axes::kNumberTable), QStringList({"1|0", "2|3000"}));
        EXPECT_FALSE(editorShown(dialog, Axes::kNumberName) || editorShown(dialog, Axes::kNumberStep));
        click(dialog, Axes::kRemoveNumber);  // the chosen row is gone: nothing more goes
        click(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(dialogs::axes::readAxes(block), (AxisRows{{{cp1251("А"), 0.0}}, {{"1", 0.0}, {"2", 3000.0}}}));
}

// Placements and dimension options show the block's values and follow the user; a placement without an
// entry selects none and goes back as it was; an existing array gets back only the options the user changed.
// A rotated array shows its angle as given and keeps it; unticked, the angle stays and loses its mode.
TEST_F(AxisArrayTest, placementsAndOptionsFollowTheBlockAndTheUser)
{
    withoutHostSupport();
    existingArray(kThreeByTwo);
    block.GetParamMap() = {{11, 6000.0}, {12, 40.0}, {13, 1.0}};
    block.SetAngle(45.25);
    block.SetAngleMode(1);
    run([&](QDialog& dialog) {
        EXPECT_EQ(textOf(dialog, Axes::kAngle), QStringLiteral("45"));
        EXPECT_TRUE(ticked(dialog, Axes::kAngleGiven));
        EXPECT_EQ(control<QComboBox>(dialog, Axes::kLetterPlacement)->currentText(), QStringLiteral("Слева"));
        EXPECT_EQ(control<QComboBox>(dialog, Axes::kNumberPlacement)->currentText(), QStringLiteral("Вверх"));
        EXPECT_TRUE(ticked(dialog, Axes::kDimensionChain));
        EXPECT_FALSE(ticked(dialog, Axes::kOverallDimension));
        EXPECT_TRUE(ticked(dialog, Axes::kAsPrimitives));
        pick(dialog, Axes::kNumberPlacement, 50);
        click(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(block.GetParamMap(), (GEOTYPE_DEFINITION::ParamMap{{11, 6000.0}, {12, 50.0}, {13, 1.0}}));
    EXPECT_EQ(block.GetAngle(), 45.25);
    EXPECT_EQ(block.GetAngleMode(), 1u);
    run([&](QDialog& dialog) {
        click(dialog, Axes::kAngleGiven);
        click(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(block.GetAngle(), 45.25);
    EXPECT_EQ(block.GetAngleMode(), 0u);

    block.GetParamMap() = {{11, 5000.0}, {12, 90.0}, {13, 1.0}};
    run([&](QDialog& dialog) {
        EXPECT_EQ(control<QComboBox>(dialog, Axes::kLetterPlacement)->currentIndex(), -1);
        EXPECT_EQ(control<QComboBox>(dialog, Axes::kNumberPlacement)->currentIndex(), -1);
        click(dialog, Axes::kDimensionChain);
        click(dialog, Axes::kOverallDimension);
        click(dialog, Axes::kAsPrimitives);
        click(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(block.GetParamMap(), (GEOTYPE_DEFINITION::ParamMap{{11, 5000.0}, {12, 90.0}, {13, 0.0}, {14, 1.0}, {15, 0.0}}));
}

// Changing to the polar type loads its lists, default axes and picture at once, and forgets the insertion point.
TEST_F(AxisArrayTest, typeChangeReloadsThePolarDefaults)
{
    existingArray(kThreeByTwo, 0);
    block.GetScopePoints()->AddScopePoint(1, 1, 1, 500.0, 250.0, 0.0, 0, 0, 0, 0);
    run([&](QDialog& dialog) {
        EXPECT_TRUE(ticked(dialog, Axes::kInsertionGiven));
        pick(dialog, Axes::kType, 802);
        EXPECT_EQ(block.GetSymbolType(), 802u);
        EXPECT_EQ(entries(dialog, Axes::kLetterPlacement),
                  QStringList({"Скрыть", "С двух сторон", "Стартовый", "Конечный"}));
        EXPECT_EQ(entries(dialog, Axes::kNumberPlacement), QStringList({"Скрыть", "Показать"}));
        EXPECT_EQ(rows(dialog, Axes::kLetterTable), QStringList({"А|6000", "Б|6000", "В|6000"}));
        EXPECT_EQ(rows(dialog, Axes::kNumberTable), QStringList({"1|0", "2|30", "3|30", "4|30"}));
        EXPECT_EQ(control<dialogs::CFxAxisPreview>(dialog, Axes::kScheme)->GetAxisType(), 802u);
        EXPECT_FALSE(ticked(dialog, Axes::kInsertionGiven));
        EXPECT_EQ(textOf(dialog, Axes::kInsertionX), QStringLiteral("0.000"));
        click(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(block.GetSymbolType(), 802u);
    EXPECT_EQ(dialogs::axes::readAxes(block).numbers.size(), 4u);
    EXPECT_EQ(block.GetScopePoints()->GetPointScopeKey(1), 2u);
}

// A type chosen in a new array starts it at the stored scale again; an existing array keeps its own scale.
TEST_F(AxisArrayTest, chosenTypeTakesTheStoredScaleOnlyInANewArray)
{
    hub.SetStringParams(CSysHub::kParamsKey, "SymScl", "2.5", false);
    run([&](QDialog& dialog) {
        hub.SetStringParams(CSysHub::kParamsKey, "SymScl", "4", false);
        pick(dialog, Axes::kType, 802);
        EXPECT_EQ(control<QPushButton>(dialog, kFrame.scaleButton)->text(), QStringLiteral("4 : 1"));
        click(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(block.GetScale(), 4.0);

    block.Clear();
    existingArray(kThreeByTwo);
    block.SetScale(2.0);
    run([&](QDialog& dialog) {
        pick(dialog, Axes::kType, 802);
        EXPECT_EQ(control<QPushButton>(dialog, kFrame.scaleButton)->text(), QStringLiteral("2 : 1"));
        click(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(block.GetScale(), 2.0);
}

// Ticked, the angle and the insertion point go in as typed.
TEST_F(AxisArrayTest, tickedAngleAndInsertionPointGoIn)
{
    withoutHostSupport();
    existingArray(kThreeByTwo, 0);
    run([&](QDialog& dialog) {
        click(dialog, Axes::kAngleGiven);
        replaceText(control<QLineEdit>(dialog, Axes::kAngle), "30");
        click(dialog, Axes::kInsertionGiven);
        replaceText(control<QLineEdit>(dialog, Axes::kInsertionX), "1200");
        control<QLineEdit>(dialog, Axes::kInsertionY)->setText("-350");
        click(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(block.GetAngle(), 30.0);
    EXPECT_EQ(block.GetAngleMode(), 1u);
    auto* insertion = block.GetScopePoints()->FindPoint(1);
    EXPECT_EQ(block.GetScopePoints()->GetPointScopeKey(1), 1u);
    EXPECT_EQ((std::array{insertion->GetX(), insertion->GetY()}), (std::array{1200.0, -350.0}));
}

// The picture control shows the picture of its type inside its frame line.
TEST(AxisPreviewTest, showsThePictureOfItsType)
{
    dialogs::CFxAxisPreview preview;
    const auto interior = [&preview] {
        return preview.grab().toImage().copy(1, 1, preview.width() - 2, preview.height() - 2).convertToFormat(
            QImage::Format_RGB32);
    };
    const auto picture = [](int id) {
        return dialogs::renderPicture(resources::bitmapPath(id)).toImage().convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_EQ(interior(), picture(12062));
    preview.SetAxisType(802);
    EXPECT_EQ(interior(), picture(12061));
}

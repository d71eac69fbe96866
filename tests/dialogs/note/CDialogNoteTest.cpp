// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <functional>

#include "CDialogNote.h"
#include "InMemoryDrawing.h"
#include "ModalDriver.h"
#include "SymbolDialogFixture.h"
#include "UserInput.h"
#include "DrawingQueries.h"
#include "NoteRules.h"
#include "SymbolPreview.h"
#include "TestEnvironment.h"
#include "tarvelo/geometry/IGeoPoint.h"
#include "tarvelo/geometry/TGeoBlock.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/MakerLibraries.h"

using namespace tarvelo;
using services::CSysHub;
using services::testing::cp1251;
using tarvelo::dialogs::NotePoint;

namespace {

using dialogs::testing::control;
using dialogs::testing::ControlId;
using Note = dialogs::NoteTemplate;
static constexpr const dialogs::FrameTemplate& kFrame = dialogs::kNoteFrame;

QString shown(QWidget& dialog, const ControlId& comboName)
{
    return control<QComboBox>(dialog, comboName)->currentText();
}

QStringList entries(QWidget& dialog, const ControlId& comboName)
{
    QStringList texts;
    for (int entry = 0; entry < control<QComboBox>(dialog, comboName)->count(); ++entry)
        texts << control<QComboBox>(dialog, comboName)->itemText(entry);
    return texts;
}

// Opens the drop-down list and clicks the entry that carries `value`, as the user chooses it.
void choose(QWidget& dialog, const ControlId& name, std::uint32_t value)
{
    auto* combo = control<QComboBox>(dialog, name);
    const int entry = combo->findData(QVariant::fromValue(value));
    ASSERT_GE(entry, 0) << name << " has no entry " << value;
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(entry, 0)).center());
}

void click(QWidget& dialog, const ControlId& name)
{
    QTest::mouseClick(control(dialog, name), Qt::LeftButton);
}

// Types into a field one character at a time, as keyClicks cannot send Cyrillic.
using tarvelo::testing::typeText;

QStringList records(QWidget& dialog)
{
    QStringList texts;
    for (int row = 0; row < control<QListWidget>(dialog, Note::kRecords)->count(); ++row)
        texts << control<QListWidget>(dialog, Note::kRecords)->item(row)->text();
    return texts;
}

void clickRecord(QWidget& dialog, int row)
{
    auto* list = control<QListWidget>(dialog, Note::kRecords);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

class NoteDialogTest : public dialogs::testing::SymbolDialogFixture {
protected:
    int run(const std::function<void(QDialog&)>& drive)
    {
        return SymbolDialogFixture::run<dialogs::CDialogNote>(drive);
    }

    std::vector<NotePoint> scopePoints()
    {
        std::vector<NotePoint> points;
        auto* scope = block.GetScopePoints();
        for (std::uint32_t key = 1; key <= scope->GetMaxKey(); ++key)
            points.push_back({scope->FindPoint(key)->GetX(), scope->FindPoint(key)->GetY()});
        return points;
    }

    /// An existing leader of the type, as the host hands it over for editing.
    void existingLeader(std::uint32_t type)
    {
        block.SetEditMode(1);
        block.SetSymbolType(type);
        block.GetScopePoints()->AddScopePoint(1, 1, 2, 7.0, 8.0, 0.0, 0, 0, 0, 0);
        block.GetTraits()->SetLayerName(cp1251("Стены"));
    }

    bool stored(const char* name)
    {
        services::StoredValue value;
        return environment.store().readValue(false, CSysHub::kParamsKey, name, value) == 0;
    }
};

const std::vector<NotePoint> kBend{{0, 0}, {0, 10}, {10, 10}};
const std::vector<NotePoint> kDoubledBend{{0, 0}, {0, 10}, {0, 10}, {10, 10}};
const std::vector<NotePoint> kExistingShape{{7, 8}};

}  // namespace

// A new leader without stored defaults: a position leader with its shape and host defaults, first entries, scale 1.
TEST_F(NoteDialogTest, newLeaderStartsAsPositionLeader)
{
    const int result = run([&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QString::number(kFrame.templateId));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Выноска"));
        EXPECT_EQ(entries(dialog, Note::kType),
                  (QStringList{"Позиционная выноска", "Гребенчатая выноска", "Выноска для многослойных конструкций"}));
        EXPECT_EQ(entries(dialog, Note::kEnding),
                  (QStringList{" Линия ", "Откр. стрелка", "Закр. стрелка", "Пол. стрелка", "Точка", "Засечка"}));
        EXPECT_EQ(entries(dialog, Note::kAngle), (QStringList{"Произвольный", "15", "30", "45", "90"}));
        EXPECT_FALSE(control<QComboBox>(dialog, Note::kEnding)->itemIcon(5).isNull());
        EXPECT_EQ(control<QPushButton>(dialog, kFrame.scaleButton)->text(), QStringLiteral("1 : 1"));
        EXPECT_TRUE(control(dialog, Note::kUpperText)->isVisible());
        EXPECT_EQ(dialog.findChild<QWidget*>(QString::number(Note::kRecords)), nullptr)
            << "a position leader has no records to show";
        click(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(result, dialogs::kAccepted);
    EXPECT_EQ(block.GetSymbolType(), 401u);
    EXPECT_EQ(scopePoints(), kBend);
    EXPECT_EQ(block.GetScopePoints()->GetPointTag(3), 3u);
    EXPECT_EQ(block.GetScopePoints()->GetPointScopeKey(3), 2u);
    EXPECT_EQ(block.GetAngle(), 0.0);
    EXPECT_EQ(block.GetSymbolVariant(), 0u) << "the first ending is shown, not written";
    EXPECT_EQ(block.GetParam(1), 3.5) << "the leader's host defaults";
    EXPECT_EQ(block.GetTraits()->GetLayerName(), "0");
    EXPECT_EQ(block.GetExtData()->GetMainText(), "") << "the upper text field was left empty";
    EXPECT_TRUE(stored("NoteEndline") && stored("NoteDefaultAngle"));
    EXPECT_EQ(hub.GetDwordParams("", "NoteEndline"), 0u);
    EXPECT_EQ(hub.GetDwordParams("", "NoteDefaultAngle"), 0u);
}

// The stored scale goes to a new empty leader; a new leader the host gave points to keeps its own scale.
TEST_F(NoteDialogTest, storedScaleReachesOnlyAnEmptyNewLeader)
{
    hub.SetStringParams(CSysHub::kParamsKey, "SymScl", "100.000000", false);
    run([&](QDialog& dialog) {
        EXPECT_EQ(control<QPushButton>(dialog, kFrame.scaleButton)->text(), QStringLiteral("100 : 1"));
        click(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(block.GetScale(), 100.0);

    block.Clear();
    block.SetScale(50.0);
    block.GetScopePoints()->AddScopePoint(1, 1, 2, 7.0, 8.0, 0.0, 0, 0, 0, 0);
    run([&](QDialog& dialog) {
        EXPECT_EQ(control<QPushButton>(dialog, kFrame.scaleButton)->text(), QStringLiteral("50 : 1"));
        click(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(block.GetScale(), 50.0);
}

// Stored defaults that match preselect their entries and go into the block; accepting stores them again.
TEST_F(NoteDialogTest, storedDefaultsArePreselected)
{
    hub.SetDwordParam("", "NoteDefaultAngle", 45);
    hub.SetDwordParam("", "NoteEndline", 3);
    run([&](QDialog& dialog) {
        EXPECT_EQ(shown(dialog, Note::kAngle), QStringLiteral("45"));
        EXPECT_EQ(shown(dialog, Note::kEnding), QStringLiteral("Закр. стрелка"));
        EXPECT_EQ(block.GetAngle(), 45.0);
        EXPECT_EQ(block.GetSymbolVariant(), 3u);
        hub.SetDwordParam("", "NoteDefaultAngle", 0);
        hub.SetDwordParam("", "NoteEndline", 0);
        click(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(hub.GetDwordParams("", "NoteDefaultAngle"), 45u);
    EXPECT_EQ(hub.GetDwordParams("", "NoteEndline"), 3u);
}

// Stored defaults that no entry carries leave the first entries shown and the block's own values in place.
TEST_F(NoteDialogTest, unmatchedDefaultsChangeNothing)
{
    hub.SetDwordParam("", "NoteDefaultAngle", 20);
    hub.SetDwordParam("", "NoteEndline", 9);
    block.SetAngle(12.5);
    block.SetSymbolVariant(77);
    run([&](QDialog& dialog) {
        EXPECT_EQ(shown(dialog, Note::kAngle), QStringLiteral("Произвольный"));
        EXPECT_EQ(shown(dialog, Note::kEnding), QStringLiteral(" Линия "));
        click(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(hub.GetDwordParams("", "NoteDefaultAngle"), 12u);
    EXPECT_EQ(hub.GetDwordParams("", "NoteEndline"), 77u);
}

// Choices go into the block at once: angle step, end mark, texts, "Многоточечная" and the comb leader's shape.
TEST_F(NoteDialogTest, choicesAreWrittenAtOnce)
{
    run([&](QDialog& dialog) {
        choose(dialog, Note::kAngle, 45);
        EXPECT_EQ(block.GetAngle(), 45.0);
        choose(dialog, Note::kEnding, 6);
        EXPECT_EQ(block.GetSymbolVariant(), 6u);
        typeText(control(dialog, Note::kUpperText), QStringLiteral("Поз. 1"));
        typeText(control(dialog, Note::kLowerText), QStringLiteral("ГОСТ"));
        EXPECT_EQ(block.GetExtData()->GetMainText(), cp1251("Поз. 1"));
        EXPECT_EQ(block.GetExtData()->GetSubText(), cp1251("ГОСТ"));

        auto* multiPoint = control<QCheckBox>(dialog, Note::kMultiPoint);
        auto* angle = control(dialog, Note::kAngle);
        multiPoint->click();
        EXPECT_EQ(scopePoints(), kDoubledBend);
        EXPECT_EQ(shown(dialog, Note::kAngle), QStringLiteral("Произвольный"));
        EXPECT_FALSE(angle->isEnabled());
        EXPECT_EQ(block.GetAngle(), 0.0);
        multiPoint->click();
        EXPECT_EQ(scopePoints(), kBend);
        EXPECT_TRUE(angle->isEnabled());

        choose(dialog, Note::kType, 402);
        EXPECT_EQ(block.GetSymbolType(), 402u);
        EXPECT_EQ(scopePoints(), kDoubledBend);
        EXPECT_TRUE(multiPoint->isChecked());
        EXPECT_FALSE(multiPoint->isEnabled());
        choose(dialog, Note::kType, 401);
        EXPECT_EQ(scopePoints(), kBend);
        EXPECT_TRUE(multiPoint->isEnabled() && !multiPoint->isChecked());
        click(dialog, dialogs::kCancelButton);
    });
    EXPECT_EQ(block.GetSymbolVariant(), 6u) << "written before the cancel";
    EXPECT_FALSE(stored("NoteEndline"));
}

// A multilayer leader edits records in place, adds them as count + 1, removes the one last picked,
// and on acceptance, even by Enter in the editor, turns them into its items.
TEST_F(NoteDialogTest, multilayerLeaderEditsItsRecords)
{
    run([&](QDialog& dialog) {
        choose(dialog, Note::kAngle, 30);
        choose(dialog, Note::kType, 403);
        EXPECT_EQ(scopePoints(), (std::vector<NotePoint>{{0, 0}, {0, 10}, {0, 10}}));
        for (const ControlId hidden :
             {Note::kUpperText, Note::kLowerText, Note::kShelf, Note::kAngleLabel, Note::kAngle, Note::kMultiPoint})
            EXPECT_FALSE(control(dialog, hidden)->isVisible()) << hidden;
        EXPECT_TRUE(control(dialog, Note::kRecords)->isVisible() && control(dialog, Note::kEnding)->isVisible());
        EXPECT_EQ(shown(dialog, Note::kAngle), QStringLiteral("Произвольный"));
        EXPECT_EQ(block.GetAngle(), 30.0) << "resetting the list does not write the block";
        EXPECT_EQ(records(dialog), (QStringList{"1", "2", "3"}));
        EXPECT_EQ(control(dialog, Note::kAddRecord)->toolTip(), QStringLiteral("Добавление записи"));
        EXPECT_EQ(control(dialog, Note::kRemoveRecord)->toolTip(), QStringLiteral("Удаление записи"));
        // Made when the type is chosen, the records still come between the texts and the choices below them.
        EXPECT_EQ(control(dialog, Note::kLowerText)->nextInFocusChain(), control(dialog, Note::kRecords));
        EXPECT_EQ(control(dialog, Note::kRemoveRecord)->nextInFocusChain(), control(dialog, Note::kRecordEditor));
        EXPECT_EQ(control(dialog, Note::kRecordEditor)->nextInFocusChain(), control(dialog, Note::kMultiPoint));

        auto* editor = control<QLineEdit>(dialog, Note::kRecordEditor);
        clickRecord(dialog, 0);
        ASSERT_TRUE(editor->isVisible() && editor->hasFocus());
        EXPECT_EQ(editor->text(), QStringLiteral("1"));
        editor->selectAll();
        typeText(editor, QStringLiteral("Бетон"));
        clickRecord(dialog, 2);  // leaving the editor puts its text into the record
        EXPECT_EQ(records(dialog), (QStringList{"Бетон", "2", "3"}));
        EXPECT_EQ(editor->text(), QStringLiteral("3"));

        clickRecord(dialog, 1);
        click(dialog, Note::kRemoveRecord);
        EXPECT_FALSE(editor->isVisible());
        click(dialog, Note::kAddRecord);
        EXPECT_EQ(records(dialog), (QStringList{"Бетон", "3", "3"}));
        click(dialog, Note::kRemoveRecord);  // the record that moved up into the removed place
        click(dialog, Note::kRemoveRecord);
        click(dialog, Note::kRemoveRecord);  // the index now lies beyond the last record
        EXPECT_EQ(records(dialog), (QStringList{"Бетон"}));
        EXPECT_EQ(dialogs::readNoteRecords(block), (std::vector<std::string>{cp1251("Бетон")}));

        click(dialog, Note::kAddRecord);
        clickRecord(dialog, 1);
        editor->selectAll();
        typeText(editor, QStringLiteral("Утеплитель"));
        QTest::keyClick(editor, Qt::Key_Return);
    });
    EXPECT_EQ(dialogs::readNoteRecords(block), (std::vector<std::string>{cp1251("Бетон"), cp1251("Утеплитель")}));
    EXPECT_EQ(hub.GetDwordParams("", "NoteDefaultAngle"), 30u);
}

// The preview shows a multilayer leader's records as they are typed, before acceptance; choosing another
// type takes them out of the block again, so that a position leader is accepted without them.
TEST_F(NoteDialogTest, previewShowsRecordsAsTyped)
{
    const auto previewTexts = [](QDialog& dialog) {
        QTest::qWait(0);
        return render::testing::textsOf(control<dialogs::SymbolPreview>(dialog, "preview")->drawing());
    };
    const auto shows = [](const std::vector<QString>& texts, const QString& text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    // Chosen without the drop-down, whose closing would take the focus from the record editor.
    const auto chooseType = [](QDialog& dialog, std::uint32_t type) {
        auto* list = control<QComboBox>(dialog, "12013");
        list->setCurrentIndex(list->findData(QVariant::fromValue(type)));
        emit list->activated(list->currentIndex());
    };
    run([&](QDialog& dialog) {
        chooseType(dialog, 403);
        EXPECT_TRUE(shows(previewTexts(dialog), QStringLiteral("2")));
        auto* editor = control<QLineEdit>(dialog, "12062");
        clickRecord(dialog, 1);
        ASSERT_TRUE(editor->hasFocus());
        editor->selectAll();
        typeText(editor, QStringLiteral("Кирпич"));
        EXPECT_TRUE(shows(previewTexts(dialog), QStringLiteral("Кирпич"))) << "while the editor is still open";
        EXPECT_FALSE(shows(previewTexts(dialog), QStringLiteral("2")));
        clickRecord(dialog, 0);
        click(dialog, "12060");
        EXPECT_TRUE(shows(previewTexts(dialog), QStringLiteral("4")));
        EXPECT_EQ(dialogs::readNoteRecords(block),
                  (std::vector<std::string>{"1", cp1251("Кирпич"), "3", "4"}));

        chooseType(dialog, 401);
        EXPECT_FALSE(shows(previewTexts(dialog), QStringLiteral("Кирпич")));
        click(dialog, "1");
    });
    EXPECT_TRUE(block.GetItems()->IsEmpty());
    EXPECT_EQ(block.GetSymbolType(), 401u);
}

// An existing multilayer leader lists its items by key, locked; accepted untouched, or with every record
// removed, its items stay as they are, keys, styles and values included.
TEST_F(NoteDialogTest, existingMultilayerLeaderKeepsItsItems)
{
    existingLeader(403);
    block.SetSymbolVariant(5);
    block.SetScale(50.0);
    const GEOTYPE_DEFINITION::ValueMap values{{4, 2}};
    for (std::uint32_t key : {8u, 2u, 6u})
        block.AddItem(GEOTYPE_DEFINITION::kTextItemKind, key, &values, "layer " + std::to_string(key), 3);
    run([&](QDialog& dialog) { click(dialog, dialogs::kAcceptButton); });
    EXPECT_EQ(block.GetItemCount(), 3u);
    ASSERT_NE(block.GetItems()->FindItem(6), nullptr);
    EXPECT_EQ(block.GetItems()->FindItem(6)->GetStyle(), 3u);
    EXPECT_EQ(block.GetItems()->FindItem(6)->GetValueMap(), values);
    run([&](QDialog& dialog) {
        EXPECT_EQ(records(dialog), (QStringList{"layer 2", "layer 6", "layer 8"}));
        EXPECT_EQ(shown(dialog, Note::kEnding), QStringLiteral("Точка"));
        EXPECT_EQ(control<QPushButton>(dialog, kFrame.scaleButton)->text(), QStringLiteral("50 : 1"));
        EXPECT_FALSE(control(dialog, Note::kType)->isEnabled() || control(dialog, kFrame.layerCombo)->isEnabled());
        EXPECT_EQ(shown(dialog, kFrame.layerCombo), QStringLiteral("Стены"));
        clickRecord(dialog, 0);
        for (int times = 0; times < 4; ++times)
            click(dialog, Note::kRemoveRecord);
        EXPECT_TRUE(records(dialog).isEmpty());
        click(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(block.GetItemCount(), 3u);
    EXPECT_NE(block.GetItems()->FindItem(8), nullptr);
    EXPECT_EQ(scopePoints(), kExistingShape);
}

// An existing position leader shows its texts with its angle controls locked; its angle is remembered cut.
TEST_F(NoteDialogTest, existingPositionLeaderShowsItsTexts)
{
    existingLeader(401);
    block.GetExtData()->SetMainText(cp1251("Поз. 4"));
    block.GetExtData()->SetSubText(cp1251("2 шт."));
    block.SetSymbolVariant(3);
    block.SetAngle(45.9);
    run([&](QDialog& dialog) {
        EXPECT_EQ(control<QLineEdit>(dialog, Note::kUpperText)->text(), QStringLiteral("Поз. 4"));
        EXPECT_EQ(control<QLineEdit>(dialog, Note::kLowerText)->text(), QStringLiteral("2 шт."));
        EXPECT_EQ(shown(dialog, Note::kEnding), QStringLiteral("Закр. стрелка"));
        for (const ControlId locked : {Note::kAngle, Note::kMultiPoint, Note::kType})
            EXPECT_FALSE(control(dialog, locked)->isEnabled()) << locked;
        choose(dialog, Note::kEnding, 2);
        click(dialog, dialogs::kAcceptButton);
    });
    EXPECT_EQ(scopePoints(), kExistingShape);
    EXPECT_EQ(hub.GetDwordParams("", "NoteDefaultAngle"), 45u);
    EXPECT_EQ(hub.GetDwordParams("", "NoteEndline"), 2u);
    EXPECT_EQ(block.GetTraits()->GetLayerName(), cp1251("Стены"));
}

// A leader of a type the list does not offer shows the first entries, locked, and keeps its type and shape.
TEST_F(NoteDialogTest, existingLeaderOfAnUnofferedType)
{
    existingLeader(405);
    block.SetAngle(30.0);
    run([&](QDialog& dialog) {
        EXPECT_EQ(shown(dialog, Note::kType), QStringLiteral("Позиционная выноска"));
        EXPECT_EQ(shown(dialog, Note::kEnding), QStringLiteral(" Линия "));
        EXPECT_EQ(shown(dialog, Note::kAngle), QStringLiteral("Произвольный"));
        for (const ControlId& locked : std::initializer_list<ControlId>{Note::kType, Note::kEnding, Note::kAngle,
                                                                        Note::kMultiPoint, kFrame.layerCombo})
            EXPECT_FALSE(control(dialog, locked)->isEnabled()) << locked;
    });
    EXPECT_EQ(block.GetSymbolType(), 405u);
    EXPECT_EQ(block.GetAngle(), 30.0);
    EXPECT_EQ(scopePoints(), kExistingShape);
}

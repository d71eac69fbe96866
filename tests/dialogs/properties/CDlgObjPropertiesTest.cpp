// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "CClrListBox.h"
#include "CColorPickerCB.h"
#include "CDlgObjProperties.h"
#include "HostSupportSession.h"
#include "InMemoryDrawing.h"
#include "ModalDriver.h"
#include "ObjPropertiesTemplate.h"
#include "RenderPicture.h"
#include "ResourceIds.h"
#include "TestEnvironment.h"
#include "tarvelo/geometry/TGeoBlock.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/CompanionApi.h"

using namespace tarvelo;
using services::CSysHub;
using services::testing::cp1251;
using tarvelo::controls::CClrListBox;
using tarvelo::controls::CColorPickerCB;
using tarvelo::dialogs::CDlgObjProperties;

namespace {

using Props = dialogs::ObjPropertiesTemplate;

template <typename Control>
Control* control(QWidget& dialog, const QString& name)
{
    auto* found = dialog.findChild<Control*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

template <typename Control>
Control* control(QWidget& dialog, Props::Id id)
{
    return control<Control>(dialog, QString::number(id));
}

QStringList column(QWidget& dialog, int index)
{
    QStringList texts;
    auto* list = control<CClrListBox>(dialog, Props::kList);
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        texts << list->topLevelItem(row)->text(index);
    return texts;
}

// Clicks a row's name, as the user selects it.
void selectRow(QWidget& dialog, int row)
{
    auto* list = control<CClrListBox>(dialog, Props::kList);
    const QRect name = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, name.center());
}

// Opens the drop-down list and clicks the entry with this text.
void chooseEntry(QWidget& dialog, const QString& text)
{
    auto* choices = control<CColorPickerCB>(dialog, Props::kChoices);
    const int entry = choices->findText(text);
    ASSERT_GE(entry, 0) << text.toStdString();
    choices->showPopup();
    QAbstractItemView* view = choices->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(entry, 0)).center());
}

// Runs `driver` on the next modal dialog other than `current`, or on null after five seconds.
void whenNextModalOpens(QWidget* current, std::function<void(QWidget*)> driver, int waitedMs = 0)
{
    QTimer::singleShot(10, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != current)
            driver(modal);
        else if (waitedMs > 5000)
            driver(nullptr);
        else
            whenNextModalOpens(current, driver, waitedMs + 10);
    });
}

class ObjPropertiesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        useHostSupport(DHOSTSP_LIBRARY);
        block.SetSymbolType(801);
        for (std::uint32_t key = 1; key <= 4; ++key)
            block.SetParam(key, key * 1.25);
        auto* traits = block.GetTraits();
        traits->SetColorName(cp1251("ПоСлою"));
        traits->SetColorIndex(1256);
        traits->SetMainLineType(cp1251("Штриховая"));
        traits->SetMainLineTypeIndex(10002);
        traits->SetMainLineWeight(cp1251("0.25 мм"));
        traits->SetMainLineWeightIndex(5);
        traits->SetThickLineType("Continuous");
        traits->SetThickLineTypeIndex(10001);
        traits->SetThickLineWeight(cp1251("0.50 мм"));
        traits->SetThickLineWeightIndex(7);
        traits->SetTextStyle(cp1251("ГОСТ тип Б"));
        traits->SetTextStyleIndex(2);
        traits->SetLayerName(cp1251("Оси"));
    }

    void useHostSupport(const std::string& path)
    {
        hub.SetStringParams(CSysHub::kModulesKey, services::kHostSupportLibraryValue, path, false);
    }

    /// Runs the dialog on the block and lets `drive` work it; true when the user saved.
    bool run(const std::function<void(QDialog&)>& drive, hostcad::IDrawingDatabase* drawing = nullptr)
    {
        CDlgObjProperties dialog(nullptr, environment);
        bool opened = false;
        tarvelo::testing::whenModalOpens([&](QWidget* modal) {
            opened = modal == &dialog;
            if (opened)
                drive(dialog);
            if (modal != nullptr && modal->isVisible())
                static_cast<QDialog*>(modal)->reject();
        });
        const bool saved = dialog.EditBlock(drawing, &block);
        EXPECT_TRUE(opened);
        return saved;
    }

    void switchPage(QDialog& dialog, int page) { control<QTabBar>(dialog, Props::kPages)->setCurrentIndex(page); }
    void save(QDialog& dialog) { control<QPushButton>(dialog, Props::kSave)->click(); }

    services::testing::TestEnvironment environment;
    // The library reads the same store as the dialog.
    const tarvelo::testing::EnvironmentGuard sharedStore = environment.shareStore();
    CSysHub hub{environment};
    GEOTYPE_DEFINITION::TGeoBlock block;
};

}  // namespace

// The window shows its template, the editors hidden, and the scheme of the block's family (250: a break).
TEST_F(ObjPropertiesTest, opensWithItsTemplateAndScheme)
{
    block.SetSymbolType(250);
    run([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Свойства объекта"));
        auto* pages = control<QTabBar>(dialog, Props::kPages);
        EXPECT_EQ(QStringList({pages->tabText(0), pages->tabText(1)}), QStringList({"Геометрия", "Графика"}));
        auto* list = control<CClrListBox>(dialog, Props::kList);
        EXPECT_EQ(list->headerItem()->text(0), QStringLiteral("Параметр"));
        EXPECT_EQ(list->headerItem()->text(1), QStringLiteral("Значение"));
        EXPECT_EQ(list->columnWidth(0), list->viewport()->width() * 60 / 100);
        EXPECT_EQ(list->columnWidth(1), list->viewport()->width() * 40 / 100);
        for (const Props::Id hidden : {Props::kValueEdit, Props::kChoices, Props::kMore, Props::kSaveSettings})
            EXPECT_FALSE(control<QWidget>(dialog, hidden)->isVisible()) << hidden;
        EXPECT_FALSE(control<QPushButton>(dialog, Props::kSettings)->icon().isNull());
        const QImage scheme = control<QLabel>(dialog, Props::kScheme)->pixmap().toImage();
        EXPECT_FALSE(scheme.isNull());
        EXPECT_EQ(scheme, dialogs::renderPicture(resources::bitmapPath(resources::kSchemeBreak)).toImage());
    });
}

// The geometry page lists the type's rows; without "Roundz" a typed 2,75 shows as 3 and is saved as shown,
// while the rows the user did not type in keep their exact values.
TEST_F(ObjPropertiesTest, geometryPageEditsAndSavesParameters)
{
    QString typedKept;
    const bool saved = run([&](QDialog& dialog) {
        EXPECT_EQ(column(dialog, 0).value(0), QStringLiteral("Диаметр кружка оси, мм"));
        EXPECT_EQ(column(dialog, 1), (QStringList{"1", "2", "4", "5"}));
        selectRow(dialog, 1);
        auto* edit = control<QLineEdit>(dialog, Props::kValueEdit);
        EXPECT_TRUE(edit->isVisible());
        EXPECT_EQ(edit->text(), QStringLiteral("2"));
        edit->clear();
        QTest::keyClicks(edit, "2,75");
        typedKept = edit->text();
        EXPECT_EQ(column(dialog, 1).value(1), QStringLiteral("3"));
        save(dialog);
    });
    EXPECT_TRUE(saved);
    EXPECT_EQ(typedKept, QStringLiteral("2,75"));
    EXPECT_EQ(block.GetParamMap(), (GEOTYPE_DEFINITION::ParamMap{{1, 1.25}, {2, 3.0}, {3, 3.75}, {4, 5.0}}));
    EXPECT_EQ(block.GetTraits()->IsChanged(), 0);
    // The library kept the saved page as the type's defaults.
    dialogs::HostSupportSession library(environment);
    const auto getAttribs = library.find<services::exports::GetAttribs>();
    const auto freeBlock = library.find<services::exports::FreeBlock>();
    ASSERT_TRUE(getAttribs != nullptr && freeBlock != nullptr);
    auto* defaults = getAttribs(801);
    ASSERT_NE(defaults, nullptr);
    EXPECT_EQ(defaults->GetParam(2), 3.0);
    freeBlock(defaults);
}

// Switching pages drops what was typed and hides the editor; coming back shows the stored values.
TEST_F(ObjPropertiesTest, switchingPagesShowsStoredValuesAgain)
{
    hub.SetDwordParam("", "Roundz", 2);
    const QStringList stored{"1.25", "2.50", "3.75", "5.00"};
    const bool saved = run([&](QDialog& dialog) {
        EXPECT_EQ(column(dialog, 1), stored);
        selectRow(dialog, 0);
        QTest::keyClicks(control<QLineEdit>(dialog, Props::kValueEdit), "9");
        switchPage(dialog, 1);
        EXPECT_FALSE(control<QLineEdit>(dialog, Props::kValueEdit)->isVisible());
        EXPECT_EQ(column(dialog, 0), (QStringList{"Цвет объекта", "Основной тип линий", "Вес основных линий",
                                                  "Тип толстых линий", "Вес толстых линий", "Текстовый стиль",
                                                  "Слой в чертеже"}));
        EXPECT_EQ(column(dialog, 1), (QStringList{"ПоСлою", "Штриховая", "0.25 мм", "Continuous", "0.50 мм",
                                                  "ГОСТ тип Б", "Оси"}));
        EXPECT_EQ(control<CClrListBox>(dialog, Props::kList)->GetItemData(0), 1256u);
        switchPage(dialog, 0);
        EXPECT_EQ(column(dialog, 1), stored);
        control<QPushButton>(dialog, Props::kCancel)->click();
    });
    EXPECT_FALSE(saved);
    EXPECT_EQ(block.GetParam(1), 1.25);
}

// Saving the graphics page writes the chosen weight, marks the traits changed and keeps the layer.
TEST_F(ObjPropertiesTest, graphicsPageSavesTraitsButNotTheLayer)
{
    run([&](QDialog& dialog) {
        switchPage(dialog, 1);
        selectRow(dialog, 2);
        auto* choices = control<CColorPickerCB>(dialog, Props::kChoices);
        EXPECT_TRUE(choices->isVisible());
        EXPECT_EQ(choices->currentText(), QStringLiteral("0.25 мм"));
        chooseEntry(dialog, QStringLiteral("0.70 мм"));
        EXPECT_EQ(column(dialog, 1).value(2), QStringLiteral("0.70 мм"));
        selectRow(dialog, 0);
        EXPECT_EQ(choices->currentText(), QStringLiteral("ПоСлою"));
        chooseEntry(dialog, QStringLiteral("Синий"));
        save(dialog);
    });
    auto* traits = block.GetTraits();
    EXPECT_EQ(traits->GetMainLineWeight(), cp1251("0.70 мм"));
    EXPECT_EQ(traits->GetMainLineWeightIndex(), 8u);
    EXPECT_EQ(traits->GetMainLineValue(), 0.7) << "the library's traits were read back";
    EXPECT_EQ(traits->GetColorIndex(), 1005u);
    EXPECT_EQ(traits->GetLayerName(), cp1251("Оси"));
    EXPECT_EQ(traits->IsChanged(), 1);
    EXPECT_EQ(block.GetParam(1), 1.25);
}

// "Другой цвет..." opens the host's colour dialog; the picked colour is registered with the library.
TEST_F(ObjPropertiesTest, anotherColourIsPickedInTheHostDialog)
{
    bool colourDialogOpened = false;
    run([&](QDialog& dialog) {
        switchPage(dialog, 1);
        selectRow(dialog, 0);
        whenNextModalOpens(&dialog, [&](QWidget* colours) {
            colourDialogOpened = colours != nullptr;
            if (colours == nullptr)
                return;
            QTest::mouseClick(control<QWidget>(*colours, "color-30"), Qt::LeftButton);
            control<QPushButton>(*colours, QStringLiteral("1"))->click();
        });
        chooseEntry(dialog, QStringLiteral("Другой цвет..."));
        EXPECT_EQ(control<CClrListBox>(dialog, Props::kList)->GetItemData(0), 1030u);
        selectRow(dialog, 1);
        selectRow(dialog, 0);
        EXPECT_GE(control<CColorPickerCB>(dialog, Props::kChoices)->findText(QStringLiteral("Цвет 30")), 0)
            << "the registered colour is offered from now on";
    });
    EXPECT_TRUE(colourDialogOpened);
    EXPECT_EQ(dialogs::callHostSupport<services::exports::GetColorFromDB>(environment, 30),
              0x00007FFFu);
}

// The line type rows offer the drawing's line types, on the current one; a choice registers its name.
TEST_F(ObjPropertiesTest, lineTypeRowsListTheDrawingsLineTypes)
{
    hostcad::InMemoryDrawing drawing;
    drawing.linetypes = {{"Continuous"}, {"Штриховая"}, {"Удалённая", true}, {"Осевая тонкая"}};
    run(
        [&](QDialog& dialog) {
            switchPage(dialog, 1);
            selectRow(dialog, 1);
            auto* choices = control<CColorPickerCB>(dialog, Props::kChoices);
            QStringList offered;
            for (int entry = 0; entry < choices->count(); ++entry)
                offered << choices->itemText(entry);
            EXPECT_EQ(offered, (QStringList{"Continuous", "Штриховая", "Осевая тонкая"}));
            EXPECT_EQ(choices->currentText(), QStringLiteral("Штриховая"));
            EXPECT_EQ(choices->presentationMode(), CColorPickerCB::kTextMode);
            chooseEntry(dialog, QStringLiteral("Осевая тонкая"));
            save(dialog);
        },
        &drawing);
    EXPECT_EQ(block.GetTraits()->GetMainLineType(), cp1251("Осевая тонкая"));
    const auto code = dialogs::callHostSupport<services::exports::AppendLineTypeDb>(
        environment, cp1251("Осевая тонкая").c_str());
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(block.GetTraits()->GetMainLineTypeIndex(), 10000 + *code);
    EXPECT_EQ(drawing.openObjects(), 0);
}

// A null block or a block of symbol type 0 never opens the window.
TEST_F(ObjPropertiesTest, noSymbolTypeNoWindow)
{
    CDlgObjProperties dialog(nullptr, environment);
    bool opened = false;
    // Fires only if a modal loop runs while the dialog exists.
    QTimer::singleShot(0, &dialog, [&] {
        opened = true;
        dialog.reject();
    });
    block.SetSymbolType(0);
    EXPECT_FALSE(dialog.EditBlock(nullptr, &block));
    EXPECT_FALSE(dialog.EditBlock(nullptr, nullptr));
    EXPECT_FALSE(opened);
}

// A block describing an existing symbol gets its list positions from the library before it is shown.
TEST_F(ObjPropertiesTest, existingSymbolIsDescribedFirst)
{
    block.SetEditMode(1);
    block.GetTraits()->SetColorName(cp1251("Синий"));
    block.GetTraits()->SetColorIndex(0);
    run([&](QDialog& dialog) {
        switchPage(dialog, 1);
        EXPECT_EQ(control<CClrListBox>(dialog, Props::kList)->GetItemData(0), 1005u);
    });
}

// Without the host-support library the geometry page is empty and the rest still works.
TEST_F(ObjPropertiesTest, missingLibraryLeavesTheDialogUsable)
{
    useHostSupport("");
    const bool saved = run([&](QDialog& dialog) {
        EXPECT_TRUE(column(dialog, 0).isEmpty());
        switchPage(dialog, 1);
        EXPECT_EQ(column(dialog, 0).size(), 7);
        selectRow(dialog, 2);
        EXPECT_EQ(control<CColorPickerCB>(dialog, Props::kChoices)->count(), 0);
        save(dialog);
    });
    EXPECT_TRUE(saved);
    EXPECT_EQ(block.GetTraits()->GetMainLineWeight(), cp1251("0.25 мм"));
    ASSERT_FALSE(environment.recorder.shown.empty());
    EXPECT_EQ(environment.recorder.shown.front().caption, "Ошибка приложения");
}

// The settings button asks the settings library; without its path the user is told so.
TEST_F(ObjPropertiesTest, settingsButtonReachesTheSettingsLibrary)
{
    run([&](QDialog& dialog) { control<QPushButton>(dialog, Props::kSettings)->click(); });
    ASSERT_EQ(environment.recorder.shown.size(), 1u);
    EXPECT_EQ(environment.recorder.shown[0].text, "Не найдена запись пути к библиотеке настроек");
}

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaType>
#include <QPushButton>
#include <QToolButton>

#include "LoadedModuleFixture.h"
#include "tarvelo/geometry/IExtData.h"
#include "tarvelo/geometry/IGeoItemTraits.h"
#include "tarvelo/geometry/IGeoPoint.h"
#include "tarvelo/geometry/IGeoPointsBlock.h"
#include "tarvelo/geometry/IScopePointBlock.h"
#include "tarvelo/geometry/TGeoBlock.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/MakerLibraries.h"
#include "tarvelo/services/SharedLibrary.h"

using namespace tarvelo::services;
using namespace tarvelo::services::testing;
using GEOTYPE_DEFINITION::IGeoBlock;

using tarvelo::testing::control;

using tarvelo::testing::typeInto;
using SymbolModuleTest = tarvelo::testing::LoadedModuleFixture;

// A new section mark: straight line pushed, defaults loaded, three scope points, the designation typed in.
TEST_F(SymbolModuleTest, newSectionMarkAccepted)
{
    IGeoBlock* block = edit("SectionSymbol", nullptr, [](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), "12003");
        EXPECT_EQ(dialog->windowTitle(), "Сечение / Разрез");
        EXPECT_TRUE(control<QToolButton>(dialog, "12014")->isChecked());
        EXPECT_FALSE(control<QToolButton>(dialog, "12015")->isChecked());
        EXPECT_EQ(control<QPushButton>(dialog, "12019")->text(), "1 : 1");
        EXPECT_EQ(control<QPushButton>(dialog, "12020")->toolTip(), "Параметры объекта");
        EXPECT_FALSE(control<QPushButton>(dialog, "12020")->icon().isNull());
        press(dialog, "12015");
        EXPECT_TRUE(control<QToolButton>(dialog, "12015")->isChecked());
        EXPECT_FALSE(control<QToolButton>(dialog, "12014")->isChecked());
        typeInto(control<QLineEdit>(dialog, "12017"), "А-А");
        press(dialog, "1");
    });
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->GetSymbolType(), 102u);
    EXPECT_EQ(block->GetSymbolVariant(), 102u);
    EXPECT_EQ(block->GetExtData()->GetMainText(), cp1251("А-А"));
    EXPECT_EQ(block->GetScale(), 1.0);
    EXPECT_EQ(block->GetParam(1), 12.0) << "the host-support library's stroke length";
    EXPECT_EQ(block->GetTraits()->GetLayerName(), "0");
    auto* scope = block->GetScopePoints();
    ASSERT_EQ(scope->GetCount(), 3u);
    EXPECT_EQ(scope->FindPoint(3)->GetX(), 10.0);
    EXPECT_EQ(scope->FindPoint(3)->GetY(), 10.0);
    EXPECT_EQ(scope->GetPointScopeKey(2), 2u);
    freeBlock(block);
}

// Cancelling a section mark gives null; the other editors give an emptied block that still exists.
TEST_F(SymbolModuleTest, cancelRules)
{
    EXPECT_EQ(edit("SectionSymbol", nullptr, [](QWidget* dialog) { press(dialog, "2"); }), nullptr);
    hub.SetStringParams("", "SymScl", "50", false);
    for (const auto& kind : tarvelo::module::kSymbolKinds) {
        if (std::string(kind.exportName) == "SectionSymbol")
            continue;
        IGeoBlock* block = edit(kind.exportName, nullptr, [](QWidget* dialog) {
            EXPECT_EQ(control<QPushButton>(dialog, "1")->text(), "Применить");
            press(dialog, "2");
        });
        ASSERT_NE(block, nullptr) << kind.exportName;
        EXPECT_TRUE(block->IsEmpty()) << kind.exportName;
        EXPECT_EQ(block->GetScale(), 50.0) << "fields written before the cancel stay";
        freeBlock(block);
    }
}

// A break starts with one point at (500, 0, 0) and keeps it when accepted, with the layer chosen.
TEST_F(SymbolModuleTest, newBreakStartsWithItsPoint)
{
    IGeoBlock* block = edit("DivisionSymbol", nullptr, [](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), "12042");
        EXPECT_EQ(dialog->windowTitle(), "Разрыв");
        auto* layers = control<QComboBox>(dialog, "12013");
        EXPECT_EQ(layers->count(), 3);
        // As the user picks it: the next entry with the arrow key.
        layers->setFocus();
        layers->setCurrentIndex(0);
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(layers, &down);
        press(dialog, "1");
    });
    ASSERT_NE(block, nullptr);
    ASSERT_EQ(block->GetPoints()->GetCount(), 1u);
    EXPECT_EQ(block->GetPoints()->FindPoint(1)->GetX(), 500.0);
    EXPECT_EQ(block->GetTraits()->GetLayerName(), cp1251("Стены"));
    freeBlock(block);
}

// An existing stepped mark: only its own button works, the layer cannot change, the caller's block stays.
TEST_F(SymbolModuleTest, existingSectionMarkInEditMode)
{
    GEOTYPE_DEFINITION::TGeoBlock incoming;
    incoming.SetSymbolType(102);
    incoming.SetSymbolVariant(102);
    incoming.SetEditMode(1);
    incoming.SetScale(0.5);
    incoming.GetExtData()->SetMainText(cp1251("Б-Б"));
    incoming.GetTraits()->SetLayerName(cp1251("Оси"));
    incoming.GetPoints()->AddPoint(0, 0, 1.0, 1.0, 0.0);
    for (std::uint32_t key = 1; key <= 4; ++key)
        incoming.GetScopePoints()->AddScopePoint(0, key, 0, key * 5.0, 0.0, 0.0, 0, 0, 0, 0);

    IGeoBlock* block = edit("SectionSymbol", &incoming, [](QWidget* dialog) {
        EXPECT_TRUE(control<QToolButton>(dialog, "12015")->isChecked());
        EXPECT_TRUE(control<QToolButton>(dialog, "12015")->isEnabled());
        EXPECT_FALSE(control<QToolButton>(dialog, "12014")->isEnabled());
        EXPECT_FALSE(control<QComboBox>(dialog, "12013")->isEnabled());
        EXPECT_EQ(control<QComboBox>(dialog, "12013")->currentText(), "Оси");
        EXPECT_EQ(control<QLineEdit>(dialog, "12017")->text(), "Б-Б");
        EXPECT_EQ(control<QPushButton>(dialog, "12019")->text(), "1 : 2");
        control<QLineEdit>(dialog, "12017")->clear();
        press(dialog, "1");
    });
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->GetExtData()->GetMainText(), "");
    EXPECT_EQ(block->GetTraits()->GetLayerName(), cp1251("Оси"));
    EXPECT_EQ(block->GetScale(), 0.5);
    EXPECT_EQ(block->GetScopePoints()->GetCount(), 4u) << "three or more scope points stay untouched";
    EXPECT_EQ(incoming.GetExtData()->GetMainText(), cp1251("Б-Б"));
    freeBlock(block);
}

// The module's pictures are there while it is loaded and gone once it is unloaded; no type of its own
// making stays registered with Qt, where a host that loads it again would find it dangling.
TEST_F(SymbolModuleTest, picturesAndTypesGoWithTheModule)
{
    EXPECT_TRUE(QFile::exists(":/icons/12039.svg"));
    freeBlock(edit("CoordLineSymbol", nullptr, [](QWidget* dialog) { press(dialog, "1"); }));
    ASSERT_TRUE(m_module.release());
    EXPECT_FALSE(QFile::exists(":/icons/12039.svg"));
    EXPECT_FALSE(QMetaType::fromName("QFlags<Qt::AlignmentFlag>").isValid());
}

// Each dialog tips its shared buttons with its own texts; the weld dialog's differ from the others'.
TEST_F(SymbolModuleTest, sharedButtonsCarryTheirDialogsTips)
{
    struct Tips {
        const char* exportName;
        const char* properties;
        const char* scale;
        const char* propertiesTip;
        const char* scaleTip;
    };
    const Tips expected[] = {
        {"WeldSymbol", "12103", "12104", "Параметры объекта", "Масштаб создания объекта"},
        {"LvlMrkSymbol", "12040", "12039", "Свойства объекта", "Коэффициент масштабирования объекта"},
        {"CoordLineSymbol", "12084", "12085", "Параметры объекта", "Коэффициент масштабирования объекта"},
    };
    for (const auto& tips : expected) {
        IGeoBlock* block = edit(tips.exportName, nullptr, [&tips](QWidget* dialog) {
            EXPECT_EQ(control<QWidget>(dialog, tips.properties)->toolTip(), QString::fromUtf8(tips.propertiesTip));
            EXPECT_EQ(control<QWidget>(dialog, tips.scale)->toolTip(), QString::fromUtf8(tips.scaleTip));
            press(dialog, "2");
        });
        freeBlock(block);
    }
}

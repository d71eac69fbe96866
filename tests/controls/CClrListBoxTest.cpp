// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QTest>

#include "CClrListBox.h"
#include "TestEnvironment.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/MakerLibraries.h"

using tarvelo::controls::CClrListBox;
using tarvelo::controls::swatchRect;

namespace {

// The graphics page's first rows, 180 and 120 wide: colour 5 (item data 1005), a line type, the layer.
class ColorListTest : public ::testing::Test {
protected:
    ColorListTest()
    {
        list.resize(320, 200);
        list.header()->resizeSection(0, 180);
        list.header()->resizeSection(1, 120);
        for (const auto& [name, data] : {std::pair{"Цвет объекта", 1005}, {"Основной тип линий", 10001},
                                         {"Слой в чертеже", 7}})
            list.addRow(tarvelo::services::testing::cp1251(name).c_str(), data);
    }

    // Shows the rows with the focus frame, which tints its row, on the last one, away from those sampled.
    QImage shownRows()
    {
        list.selectionModel()->setCurrentIndex(list.model()->index(2, 0), QItemSelectionModel::NoUpdate);
        list.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&list));
        return list.viewport()->grab().toImage();
    }

    tarvelo::services::testing::TestEnvironment environment;
    CClrListBox list{environment};
};

}  // namespace

// A name too wide is cut so that its "..." ends inside the column, however wide its letters run.
TEST_F(ColorListTest, longNamesAreCutInsideTheirColumn)
{
    const QFontMetrics metrics(list.font());
    const QString name = QStringLiteral("Расстояние от линии обреза до обозначения разреза по горизонтали");
    const int whole = metrics.horizontalAdvance(name) + 2 * metrics.averageCharWidth();
    EXPECT_EQ(tarvelo::controls::fitNameToColumn(name, whole, metrics), name);
    for (const int width : {10, 60, 120, 320}) {
        const QString cut = tarvelo::controls::fitNameToColumn(name, width, metrics);
        ASSERT_TRUE(cut.endsWith("...") && name.startsWith(cut.chopped(3))) << width;
        EXPECT_TRUE(cut == "..." || metrics.averageCharWidth() + metrics.horizontalAdvance(cut) <= width) << width;
    }
    EXPECT_EQ(swatchRect(QRect(-10, 40, 300, 20), 180, 120), QRect(177, 42, 18, 16));
    EXPECT_TRUE(swatchRect(QRect(0, 0, 220, 20), 180, 40).isEmpty());
}

// On the graphics page row 0 shows a black-framed swatch of the library's colour and a selected row
// the highlight colour; other pages show no swatch.
TEST_F(ColorListTest, graphicsPageShowsSwatchAndSelection)
{
    tarvelo::services::CSysHub(environment)
        .SetStringParams(tarvelo::services::CSysHub::kModulesKey, tarvelo::services::kHostSupportLibraryValue,
                         FAKE_HOST_SUPPORT, false);
    EXPECT_FALSE(list.swatchColor());
    list.SetPageMode(CClrListBox::kGraphicsPage);
    QCoreApplication::processEvents();
    const QColor colour5(0x0F, 0x0A, 0x05);  // the stand-in library answers 0x00010203 * 5
    ASSERT_EQ(list.swatchColor(), colour5);

    list.topLevelItem(1)->setSelected(true);
    const QImage shown = shownRows();
    const QRect row0 = list.visualItemRect(list.topLevelItem(0));
    const QRect swatch = swatchRect(QRect(0, row0.top(), 300, row0.height()), 180, 120);
    EXPECT_EQ(shown.pixelColor(swatch.center()), colour5);
    EXPECT_EQ(shown.pixelColor(swatch.topLeft()), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(swatch.center() + QPoint(0, row0.height())), list.palette().color(QPalette::Highlight));
    EXPECT_EQ(shown.pixelColor(290, row0.center().y()), list.palette().color(QPalette::Base));
    EXPECT_TRUE(environment.recorder.shown.empty());
    list.SetPageMode(0);
    EXPECT_FALSE(list.swatchColor());
}

// Without the library the swatch is white and the user hears of it once per colour the row ends up
// with, not for the row's first item data nor at each repaint.
TEST_F(ColorListTest, missingLibraryGivesTheFallbackOnce)
{
    list.SetPageMode(CClrListBox::kGraphicsPage);
    list.SetItemData(0, 1);  // rows start with their row number until the dialog fills them
    list.SetItemData(0, 1005);
    shownRows();
    list.viewport()->repaint();
    list.topLevelItem(0)->setText(1, QStringLiteral("Синий"));
    QCoreApplication::processEvents();
    EXPECT_EQ(list.swatchColor(), QColor(Qt::white));
    ASSERT_EQ(environment.recorder.shown.size(), 1u);
    EXPECT_EQ(environment.recorder.shown[0].caption, "Ошибка приложения");
    list.SetItemData(0, 1007);
    QCoreApplication::processEvents();
    EXPECT_EQ(environment.recorder.shown.size(), 2u);
    EXPECT_EQ(list.GetItemData(0) + list.GetItemData(9), 1007u);
}

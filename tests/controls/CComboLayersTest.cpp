// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QListView>
#include <QLineEdit>
#include <QVBoxLayout>

#include "CComboLayers.h"
#include "InMemoryDrawing.h"
#include "TestEnvironment.h"
#include "UserInput.h"

using tarvelo::hostcad::InMemoryDrawing;
using tarvelo::services::testing::cp1251;
using tarvelo::testing::clickFocus;

namespace {

InMemoryDrawing drawingWith(std::vector<std::string> layers)
{
    InMemoryDrawing drawing;
    for (std::string& layer : layers)
        drawing.layers.push_back({std::move(layer)});
    return drawing;
}

// A dialog's share of the layer combo: the combo, a field to move the focus to, and the layer name.
class LayerComboTest : public ::testing::Test {
protected:
    LayerComboTest()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(layers);
        layout->addWidget(elsewhere);
        window.show();
    }

    QStringList items() const
    {
        QStringList shown;
        for (int row = 0; row < layers->count(); ++row)
            shown.append(layers->itemText(row));
        return shown;
    }

    tarvelo::services::testing::RecordingMessages messages;
    QWidget window;
    tarvelo::controls::CComboLayers* layers = new tarvelo::controls::CComboLayers(messages, &window);
    QLineEdit* elsewhere = new QLineEdit(&window);
    std::string layerName = cp1251("Оси");
};

}  // namespace

// Layers are listed in table order, the first in the box, replacing earlier items; the layer name
// changes only when the user picks or types one, typing ending on leaving the field or with Enter.
TEST_F(LayerComboTest, layerNameFollowsWhatTheUserPicksOrTypes)
{
    InMemoryDrawing old = drawingWith({"A", "B", "C"});
    InMemoryDrawing drawing = drawingWith({"Стены", "0"});
    layers->FillLayers(&old, &layerName);
    layers->FillLayers(&drawing, &layerName);
    EXPECT_EQ(items(), QStringList({QStringLiteral("Стены"), "0"}));
    EXPECT_EQ(layers->currentText(), QStringLiteral("Стены"));
    clickFocus(layers);
    clickFocus(elsewhere);
    EXPECT_EQ(layerName, cp1251("Оси"));
    tarvelo::testing::pickItem(layers, "0");
    EXPECT_EQ(layerName, "0");

    tarvelo::testing::typeText(layers, QStringLiteral("Новый"));
    EXPECT_EQ(layerName, "0");
    clickFocus(elsewhere);
    EXPECT_EQ(layerName, cp1251("0Новый"));
    clickFocus(layers);
    tarvelo::testing::typeText(layers, "2");
    QTest::keyClick(layers, Qt::Key_Return);
    EXPECT_EQ(layerName, cp1251("0Новый2"));
    EXPECT_EQ(items(), QStringList({QStringLiteral("Стены"), "0"}));
}

// No drawing or no layers leaves the items but binds the new target; a walk that breaks down is told
// with the error icon and the names read before it are listed.
TEST_F(LayerComboTest, nothingToListAndBrokenWalk)
{
    InMemoryDrawing empty;
    std::string otherName;
    layers->FillLayers(&empty, &layerName);
    layers->FillLayers(nullptr, &otherName);
    clickFocus(layers);
    tarvelo::testing::typeText(layers, "X");
    QTest::keyClick(layers, Qt::Key_Return);
    EXPECT_EQ(layers->count(), 0);
    EXPECT_EQ(otherName, "X");
    EXPECT_TRUE(messages.shown.empty());

    InMemoryDrawing drawing = drawingWith({"0", "Стены", "Оси", "Размеры"});
    drawing.failWalkAt = 2;
    layers->FillLayers(&drawing, &layerName);
    const std::vector<tarvelo::services::testing::ShownMessage> told = {
        {"Системное окружение", "Ошибка при считывании слоев", tarvelo::services::MessageIcon::Error}};
    EXPECT_EQ(messages.shown, told);
    EXPECT_EQ(items(), QStringList({"0", QStringLiteral("Стены")}));
}

// Names outside code page 1251 are listed as the drawing has them, so that two of them stay apart; the one
// picked reaches the layer name with '?' for what the code page lacks, and the combo names it as unwritable.
TEST_F(LayerComboTest, namesOutsideCodePage1251StayAsTheDrawingHasThem)
{
    InMemoryDrawing drawing = drawingWith({"洁具", "墙体", "Ωμέγα", "Оси"});
    layers->FillLayers(&drawing, &layerName);
    EXPECT_EQ(items(), QStringList({QStringLiteral("洁具"), QStringLiteral("墙体"), QStringLiteral("Ωμέγα"),
                                    QStringLiteral("Оси")}));
    EXPECT_TRUE(layers->unwritableLayerName().isEmpty());
    layers->pickFirstLayer();
    EXPECT_EQ(layers->unwritableLayerName(), QStringLiteral("洁具"));

    tarvelo::testing::pickItem(layers, QStringLiteral("墙体"));
    EXPECT_EQ(layerName, "??");
    EXPECT_EQ(layers->unwritableLayerName(), QStringLiteral("墙体"));
    tarvelo::testing::pickItem(layers, QStringLiteral("Оси"));
    EXPECT_EQ(layerName, cp1251("Оси"));
    EXPECT_TRUE(layers->unwritableLayerName().isEmpty());

    // A name set by the dialog from its block always fits.
    tarvelo::testing::pickItem(layers, QStringLiteral("Ωμέγα"));
    layers->setLayerName(cp1251("Стены"));
    EXPECT_TRUE(layers->unwritableLayerName().isEmpty());
}

// A combo's names stay its own while later combos are filled, also when those reuse a closed one's memory.
TEST_F(LayerComboTest, eachComboListsOnlyItsOwnDrawing)
{
    InMemoryDrawing many = drawingWith({"Стены", "Оси", "Размеры", "Штриховка"});
    InMemoryDrawing few = drawingWith({"0", "Ось"});
    std::string otherName;
    {
        tarvelo::controls::CComboLayers closed(messages);
        closed.FillLayers(&many, &otherName);
    }
    layers->FillLayers(&few, &layerName);
    tarvelo::controls::CComboLayers later(messages);
    later.FillLayers(&many, &otherName);
    EXPECT_EQ(items(), QStringList({"0", QStringLiteral("Ось")}));
    ASSERT_EQ(later.count(), 4);
    EXPECT_EQ(later.itemText(3), QStringLiteral("Штриховка"));
}

// Typing the start of a layer's name completes nothing, in the first combo and in those made after it.
TEST_F(LayerComboTest, typingCompletesNothing)
{
    InMemoryDrawing drawing = drawingWith({"Стены", "Оси"});
    tarvelo::controls::CComboLayers later(messages, &window);
    later.show();
    for (tarvelo::controls::CComboLayers* combo : {layers, &later}) {
        std::string name;
        combo->FillLayers(&drawing, &name);
        clickFocus(combo);
        combo->lineEdit()->clear();
        tarvelo::testing::typeText(combo, QStringLiteral("Ст"));
        EXPECT_EQ(combo->currentText(), QStringLiteral("Ст"));
    }
}

// The box is as wide as twenty letters, whatever the names and in any font, as a stock editable combo
// sized by that many letters is. The drop-down is built only when first opened; it lays out its rows
// without measuring every name and scrolls them with a bar, as an editable list does.
TEST_F(LayerComboTest, sizedByTwentyLettersAndDropDownBuiltOnOpening)
{
    InMemoryDrawing drawing = drawingWith({"0", "Стены", std::string(200, 'W')});
    layers->FillLayers(&drawing, &layerName);
    EXPECT_EQ(layers->findChild<QAbstractItemView*>(), nullptr);

    QComboBox stock(&window);
    stock.setEditable(true);
    stock.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    stock.setMinimumContentsLength(20);
    EXPECT_EQ(layers->sizeHint(), stock.sizeHint());
    EXPECT_EQ(layers->minimumSizeHint(), stock.minimumSizeHint());
    QFont large = layers->font();
    large.setPointSize(large.pointSize() * 2);
    layers->setFont(large);
    stock.setFont(large);
    EXPECT_EQ(layers->sizeHint(), stock.sizeHint());
    EXPECT_GT(layers->sizeHint().width(), QComboBox(&window).sizeHint().width());

    layers->showPopup();
    auto* list = qobject_cast<QListView*>(layers->view());
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->uniformItemSizes());
    EXPECT_EQ(list->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    layers->hidePopup();
}

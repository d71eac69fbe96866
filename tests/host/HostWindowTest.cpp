// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QWheelEvent>

#include "BlockJson.h"
#include "DxfDrawing.h"
#include "FakeModuleLog.h"
#include "HostWindow.h"
#include "SymbolCanvas.h"
#include "ModalDriver.h"
#include "TestEnvironment.h"

using namespace tarvelo::host;
using tarvelo::host::testing::FakeModuleLog;
using tarvelo::services::testing::RecordingMessages;

namespace {

class HostWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        drawing = DxfDrawing::open(SAMPLE_DRAWING, error);
        ASSERT_TRUE(drawing) << error;
        module = SymbolModule::load(tarvelo::host::testing::kFakeModule.toStdString(), error);
        ASSERT_TRUE(module) << error;
        window = std::make_unique<HostWindow>(*module, *drawing, SAMPLE_DRAWING, messages);
    }

    QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(name); }

    // The value beside a caption, found by captions from the top of the tree down.
    QString treeValue(std::initializer_list<const char*> captions) const
    {
        auto* tree = window->findChild<QTreeWidget*>("blockTree");
        QTreeWidgetItem* item = nullptr;
        for (const char* caption : captions) {
            QTreeWidgetItem* found = nullptr;
            const int count = item != nullptr ? item->childCount() : tree->topLevelItemCount();
            for (int i = 0; i < count && found == nullptr; ++i) {
                QTreeWidgetItem* candidate = item != nullptr ? item->child(i) : tree->topLevelItem(i);
                if (candidate->text(0) == QString::fromUtf8(caption))
                    found = candidate;
            }
            if (found == nullptr)
                return QStringLiteral("<no %1>").arg(QString::fromUtf8(caption));
            item = found;
        }
        return item->text(1);
    }

    FakeModuleLog log;
    RecordingMessages messages;
    std::unique_ptr<DxfDrawing> drawing;
    std::unique_ptr<SymbolModule> module;
    std::unique_ptr<HostWindow> window;
};

}  // namespace

// The window names the drawing, lists its layers and offers one button per
// symbol kind under its Russian name; with no block yet, nothing to edit or save.
TEST_F(HostWindowTest, showsTheDrawingAndTheSymbolKinds)
{
    EXPECT_EQ(window->findChild<QLabel*>("drawingName")->text(), QStringLiteral("Чертёж: plan.dxf"));
    auto* layers = window->findChild<QListWidget*>("layerList");
    EXPECT_EQ(layers->count(), int(drawing->layers().size()));
    EXPECT_EQ(layers->findItems(QStringLiteral("Стены"), Qt::MatchExactly).size(), 1);

    QStringList captions;
    for (const auto& kind : tarvelo::module::kSymbolKinds)
        captions << button((std::string(kind.shortName) + "Button").c_str())->text();
    EXPECT_EQ(captions, QStringList({"Разрез", "Обрыв", "Отметка уровня", "Выноска", "Узел", "Оси", "Шов",
                                     "Штриховка"}));
    EXPECT_FALSE(button("editButton")->isEnabled());
    EXPECT_FALSE(button("saveJsonButton")->isEnabled());
}

// The window says which code page the names were read in, and why.
TEST_F(HostWindowTest, saysWhichCodePageTheNamesWereReadIn)
{
    EXPECT_EQ(window->findChild<QLabel*>("drawingCodePage")->text(),
              QStringLiteral("Кодовая страница имён: UTF-8, как во всех чертежах формата AC1024"));

    std::string error;
    const std::unique_ptr<DxfDrawing> dos = DxfDrawing::open(SAMPLE_DRAWING, error, "CP866");
    ASSERT_TRUE(dos) << error;
    const HostWindow overridden(*module, *dos, SAMPLE_DRAWING, messages);
    EXPECT_EQ(overridden.findChild<QLabel*>("drawingCodePage")->text(),
              QStringLiteral("Кодовая страница имён: CP866, задана параметром --codepage"));
}

// A symbol button calls its entry point with the window and the drawing and
// shows the block it returns as a tree with readable texts and as JSON.
TEST_F(HostWindowTest, symbolButtonShowsTheReturnedBlock)
{
    button("levelButton")->click();

    ASSERT_EQ(log.calls().size(), 1);
    EXPECT_EQ(log.calls()[0], QString("LvlMrkSymbol parent %1 layers %2 incoming none")
                                  .arg(window->winId())
                                  .arg(drawing->layers().size()));
    ASSERT_NE(window->block(), nullptr);
    EXPECT_EQ(treeValue({"Тип символа"}), "301");
    EXPECT_EQ(treeValue({"Расширенные данные", "Основной текст"}), QStringLiteral("Отметка +0.000"));
    EXPECT_EQ(treeValue({"Параметры", "Параметр 1"}), "2.5");
    EXPECT_EQ(treeValue({"Элементы", "Элемент 1", "Текст"}), QStringLiteral("А"));
    EXPECT_EQ(treeValue({"Точки", "Точка 1", "X"}), "500");
    EXPECT_EQ(window->findChild<QPlainTextEdit*>("blockJson")->toPlainText().toStdString(),
              blockToJson(*window->block()));
    EXPECT_TRUE(button("editButton")->isEnabled());
}

// "Изменить" hands the selected block back as an existing symbol and shows
// the answer; a new symbol joins the list, and each replaced or removed
// block, and the rest on closing, goes back to the module.
TEST_F(HostWindowTest, editPassesTheBlockBackAndEveryBlockIsFreed)
{
    button("breakButton")->click();
    GEOTYPE_DEFINITION::IGeoBlock* first = window->block();
    button("editButton")->click();

    ASSERT_EQ(log.calls().size(), 2);
    EXPECT_TRUE(log.calls()[1].startsWith("DivisionSymbol parent")) << log.calls()[1].toStdString();
    EXPECT_TRUE(log.calls()[1].endsWith("incoming edit 1"));
    EXPECT_NE(window->block(), first);
    EXPECT_EQ(window->block()->GetEditMode(), 1);
    EXPECT_EQ(log.freed().size(), 1);

    button("hatchButton")->click();
    auto* list = window->findChild<QListWidget*>("symbolList");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(log.freed().size(), 1);

    list->setCurrentRow(0);
    EXPECT_EQ(window->block()->GetSymbolType(), 201u);
    button("removeButton")->click();
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(window->block()->GetSymbolType(), 601u);
    EXPECT_EQ(log.freed().size(), 2);

    window->close();
    EXPECT_EQ(window->block(), nullptr);
    EXPECT_EQ(log.made().size(), 3);
    EXPECT_TRUE(log.allFreed());
}

// The canvas shows every symbol of the session and zooms with the wheel and
// back to fit; the symbols are saved as DXF and SVG, and a place that
// cannot be written is told to the user.
TEST_F(HostWindowTest, canvasShowsTheSymbolsAndTheyAreSaved)
{
    EXPECT_FALSE(button("saveDxfButton")->isEnabled());
    button("levelButton")->click();
    button("weldButton")->click();
    auto* canvas = window->findChild<SymbolCanvas*>("symbolCanvas");
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->symbolCount(), 2);
    EXPECT_TRUE(button("saveDxfButton")->isEnabled());

    window->show();
    const double fitted = canvas->zoom();
    QWheelEvent wheel(QPointF(10, 10), canvas->mapToGlobal(QPoint(10, 10)), {}, QPoint(0, 240), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(canvas->viewport(), &wheel);
    EXPECT_NEAR(canvas->zoom(), fitted * 1.25 * 1.25, fitted * 1e-6);
    button("zoomToFitButton")->click();
    EXPECT_NEAR(canvas->zoom(), fitted, fitted * 1e-6);

    const QString into = log.folder() + "/plan-symbols.dxf";
    EXPECT_TRUE(window->saveDxf(into, true));
    EXPECT_TRUE(QFile::exists(into));
    EXPECT_TRUE(window->saveSvg(log.folder() + "/weld.svg", true));
    EXPECT_TRUE(messages.shown.empty());

    EXPECT_FALSE(window->saveDxf(SAMPLE_DRAWING, true));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("нельзя записать в сам исходный чертёж"), std::string::npos)
        << messages.shown[0].text;
}

// A section dialog closed without accepting returns no block: the block on
// show stays, and nothing is left unfreed.
TEST_F(HostWindowTest, cancelledSectionKeepsTheShownBlock)
{
    button("nodeButton")->click();
    GEOTYPE_DEFINITION::IGeoBlock* shown = window->block();
    qputenv("FAKE_SYMBOLS_DIALOG", "1");
    bool dialogSeen = false;
    tarvelo::testing::whenModalOpens([&](QWidget* dialog) {
        dialogSeen = dialog != nullptr;
        if (dialog != nullptr)
            dialog->findChild<QPushButton*>("2")->click();
    });
    button("sectionButton")->click();

    EXPECT_TRUE(dialogSeen);
    EXPECT_EQ(window->block(), shown);
    EXPECT_EQ(window->statusBar()->currentMessage(),
              QStringLiteral("«Разрез»: диалог закрыт, модуль не вернул блок."));
    window.reset();
    EXPECT_TRUE(log.allFreed());
}

// A block read from a file is edited with the given kind; saving writes its
// JSON, and a place that cannot be written is reported to the user.
TEST_F(HostWindowTest, editsABlockFromAFileAndSavesJson)
{
    std::string error;
    std::unique_ptr<GEOTYPE_DEFINITION::TGeoBlock> fromFile = blockFromJson(R"({"symbolType": 401})", error);
    ASSERT_TRUE(fromFile) << error;
    window->showBlock(adoptHostBlock(std::move(fromFile)), symbolKindByName("note"));
    window->editBlock();
    ASSERT_EQ(log.calls().size(), 1);
    EXPECT_TRUE(log.calls()[0].startsWith("MrkCmmSymbol")) << log.calls()[0].toStdString();

    const QString saved = log.folder() + "/note.json";
    EXPECT_TRUE(window->saveJson(saved));
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), blockToJson(*window->block()));
    EXPECT_TRUE(messages.shown.empty());

    EXPECT_FALSE(window->saveJson(log.folder() + "/missing/folder/note.json"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Не удалось записать блок в файл «" + log.folder().toStdString() + "/missing/folder/note.json».");
}

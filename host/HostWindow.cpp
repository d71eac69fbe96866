// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "HostWindow.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>
#include <nlohmann/json.hpp>

#include "BlockFile.h"
#include "BlockJson.h"
#include "BlockTree.h"
#include "ColorIndex.h"
#include "DxfDrawing.h"
#include "tarvelo/services/IMessageService.h"

namespace tarvelo::host {

namespace {

// The window's controls, laid out with their captions; behaviour is wired
// up by the window itself.
struct WindowControls {
    QLabel* drawingName = nullptr;
    QLabel* codePage = nullptr;
    QListWidget* layers = nullptr;
    std::array<QPushButton*, module::kSymbolKinds.size()> symbolButtons{};
    QTreeWidget* tree = nullptr;
    QPlainTextEdit* json = nullptr;
    QPushButton* edit = nullptr;
    QPushButton* save = nullptr;
};

WindowControls buildWindow(QMainWindow& window)
{
    WindowControls controls;
    auto* central = new QWidget(&window);
    auto* columns = new QHBoxLayout(central);

    auto* drawingColumn = new QVBoxLayout;
    controls.drawingName = new QLabel(central);
    controls.drawingName->setObjectName("drawingName");
    drawingColumn->addWidget(controls.drawingName);
    controls.codePage = new QLabel(central);
    controls.codePage->setObjectName("drawingCodePage");
    controls.codePage->setWordWrap(true);
    drawingColumn->addWidget(controls.codePage);
    auto* layersCaption = new QLabel(QStringLiteral("Слои:"), central);
    drawingColumn->addWidget(layersCaption);
    controls.layers = new QListWidget(central);
    controls.layers->setObjectName("layerList");
    layersCaption->setBuddy(controls.layers);
    drawingColumn->addWidget(controls.layers, 1);

    auto* symbols = new QGroupBox(QStringLiteral("Символы"), central);
    auto* symbolGrid = new QGridLayout(symbols);
    for (std::size_t kind = 0; kind < module::kSymbolKinds.size(); ++kind) {
        auto* button = new QPushButton(QString::fromUtf8(symbolCaptionUtf8(kind)), symbols);
        button->setObjectName(QString::fromLatin1(module::kSymbolKinds[kind].shortName) + "Button");
        symbolGrid->addWidget(button, int(kind / 2), int(kind % 2));
        controls.symbolButtons[kind] = button;
    }
    drawingColumn->addWidget(symbols);
    columns->addLayout(drawingColumn, 1);

    auto* blockColumn = new QVBoxLayout;
    auto* views = new QTabWidget(central);
    controls.tree = new QTreeWidget(views);
    controls.tree->setObjectName("blockTree");
    controls.tree->setHeaderLabels({QStringLiteral("Поле"), QStringLiteral("Значение")});
    controls.tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    views->addTab(controls.tree, QStringLiteral("Блок"));
    controls.json = new QPlainTextEdit(views);
    controls.json->setObjectName("blockJson");
    controls.json->setReadOnly(true);
    controls.json->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    views->addTab(controls.json, QStringLiteral("JSON"));
    blockColumn->addWidget(views, 1);

    auto* actions = new QHBoxLayout;
    controls.edit = new QPushButton(QStringLiteral("Изменить"), central);
    controls.edit->setObjectName("editButton");
    controls.save = new QPushButton(QStringLiteral("Сохранить JSON…"), central);
    controls.save->setObjectName("saveJsonButton");
    actions->addWidget(controls.edit);
    actions->addWidget(controls.save);
    actions->addStretch(1);
    blockColumn->addLayout(actions);
    columns->addLayout(blockColumn, 2);

    window.setCentralWidget(central);
    window.resize(960, 640);
    return controls;
}

QIcon colourSwatch(int colourNumber)
{
    const std::uint32_t bgr = hostcad::zcedGetRGB(colourNumber);
    QPixmap swatch(14, 14);
    swatch.fill(QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)));
    QPainter outline(&swatch);
    outline.setPen(Qt::gray);
    outline.drawRect(0, 0, swatch.width() - 1, swatch.height() - 1);
    return QIcon(swatch);
}

// Which code page the names were read in and why, so that a user who sees garbled names knows what to change.
QString codePageText(const DxfDrawing& drawing)
{
    const QString charset = QString::fromStdString(drawing.charset());
    const QString prefix = QStringLiteral("Кодовая страница имён: ") + charset;
    const QString another = QStringLiteral(" (другую задаёт параметр --codepage)");
    switch (drawing.charsetOrigin()) {
    case DxfNameDecoder::Origin::Override:
        return prefix + QStringLiteral(", задана параметром --codepage");
    case DxfNameDecoder::Origin::UnicodeFormat:
        return prefix + QStringLiteral(", как во всех чертежах формата ") + QString::fromStdString(drawing.version());
    case DxfNameDecoder::Origin::ByteOrderMark:
        return prefix + QStringLiteral(", файл помечен как UTF-8");
    case DxfNameDecoder::Origin::Header:
        return prefix + QStringLiteral(", из заголовка чертежа ($DWGCODEPAGE ") +
               QString::fromStdString(drawing.codePage()) + ")";
    case DxfNameDecoder::Origin::Default:
        break;
    }
    if (drawing.codePage().empty())
        return prefix + QStringLiteral(" по умолчанию: чертёж её не указывает") + another;
    return prefix + QStringLiteral(" по умолчанию: кодовая страница чертежа «") +
           QString::fromStdString(drawing.codePage()) + QStringLiteral("» неизвестна") + another;
}

QString kindCaption(std::size_t kind)
{
    return "«" + QString::fromUtf8(symbolCaptionUtf8(kind)) + "»";
}

}  // namespace

HostWindow::HostWindow(SymbolModule& module, DxfDrawing& drawing, const QString& drawingPath,
                       services::IMessageService& messages, QWidget* parent)
    : QMainWindow(parent), m_module(module), m_drawing(drawing), m_messages(messages)
{
    setObjectName("hostWindow");
    const WindowControls controls = buildWindow(*this);
    m_tree = controls.tree;
    m_json = controls.json;
    m_editButton = controls.edit;
    m_saveButton = controls.save;

    const QString fileName = QFileInfo(drawingPath).fileName();
    setWindowTitle(QStringLiteral("Тарвело — ") + fileName);
    controls.drawingName->setText(QStringLiteral("Чертёж: ") + fileName);
    controls.drawingName->setToolTip(drawingPath);
    controls.codePage->setText(codePageText(m_drawing));
    for (const DxfLayer& layer : m_drawing.layers()) {
        QString name = QString::fromStdString(layer.nameUtf8);
        if (layer.off)
            name += QStringLiteral(" (выключен)");
        new QListWidgetItem(colourSwatch(layer.colour), name, controls.layers);
    }

    for (std::size_t kind = 0; kind < controls.symbolButtons.size(); ++kind)
        connect(controls.symbolButtons[kind], &QPushButton::clicked, this, [this, kind] { runSymbol(kind); });
    connect(m_editButton, &QPushButton::clicked, this, [this] { editBlock(); });
    connect(m_saveButton, &QPushButton::clicked, this, [this] { askAndSaveJson(); });
    refresh();
    statusBar()->showMessage(QStringLiteral("Модуль символов: ") + QString::fromStdString(m_module.path().string()));
}

void HostWindow::runSymbol(std::size_t kind)
{
    present(m_module.edit(kind, static_cast<std::uintptr_t>(winId()), &m_drawing, nullptr), kind);
}

void HostWindow::editBlock()
{
    if (!m_block || !m_kind)
        return;
    if (m_block->GetEditMode() == 0)
        m_block->SetEditMode(1);
    present(m_module.edit(*m_kind, static_cast<std::uintptr_t>(winId()), &m_drawing, m_block.get()), *m_kind);
}

void HostWindow::showBlock(BlockPtr block, std::optional<std::size_t> kind)
{
    m_block = std::move(block);
    m_kind = kind;
    refresh();
}

bool HostWindow::saveJson(const QString& path)
{
    std::string error;
    if (!m_block || !writeBlockFile(*m_block, path, error)) {
        showError(m_block ? error : "Нет блока, который можно сохранить.");
        return false;
    }
    statusBar()->showMessage(QStringLiteral("Блок сохранён в ") + path);
    return true;
}

void HostWindow::closeEvent(QCloseEvent* event)
{
    m_block.reset();
    m_kind.reset();
    refresh();
    QMainWindow::closeEvent(event);
}

void HostWindow::present(BlockPtr block, std::size_t kind)
{
    if (!block) {
        statusBar()->showMessage(kindCaption(kind) + QStringLiteral(": диалог закрыт, модуль не вернул блок."));
        return;
    }
    m_block = std::move(block);
    m_kind = kind;
    refresh();
    statusBar()->showMessage(kindCaption(kind) + QStringLiteral(": модуль вернул блок."));
}

void HostWindow::refresh()
{
    m_editButton->setEnabled(m_block && m_kind);
    m_saveButton->setEnabled(bool(m_block));
    m_tree->clear();
    m_json->clear();
    if (!m_block)
        return;
    fillBlockTree(*m_tree, blockToJsonDocument(*m_block));
    m_json->setPlainText(QString::fromStdString(blockToJson(*m_block)));
}

void HostWindow::askAndSaveJson()
{
    const QString suggested =
        m_kind ? QString::fromLatin1(module::kSymbolKinds[*m_kind].shortName) + ".json" : QStringLiteral("block.json");
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить блок в JSON"), suggested,
                                                      QStringLiteral("JSON (*.json)"));
    if (!path.isEmpty())
        saveJson(path);
}

void HostWindow::showError(const std::string& textUtf8)
{
    m_messages.show({}, textUtf8, services::MessageIcon::Warning);
}

}  // namespace tarvelo::host

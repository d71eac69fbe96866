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
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <nlohmann/json.hpp>

#include "BlockFile.h"
#include "BlockJson.h"
#include "BlockTree.h"
#include "ColorIndex.h"
#include "DxfDrawing.h"
#include "SymbolCanvas.h"
#include "SymbolExport.h"
#include "SymbolPlacement.h"
#include "SymbolSvg.h"
#include "tarvelo/services/IMessageService.h"
#include "tarvelo/services/Named.h"

namespace tarvelo::host {

namespace {

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

QString listCaption(int number, GEOTYPE_DEFINITION::IGeoBlock& block, std::optional<std::size_t> kind)
{
    const QString name = kind ? QString::fromUtf8(symbolCaptionUtf8(*kind)) : QStringLiteral("Блок");
    return QStringLiteral("%1. %2 (тип %3)").arg(number).arg(name).arg(block.GetSymbolType());
}

const QString kIntoDrawingFilter = QStringLiteral("Чертёж с символами (*.dxf)");
const QString kSymbolsOnlyFilter = QStringLiteral("Только символы (*.dxf)");
const QString kSelectedSvgFilter = QStringLiteral("Выбранный символ (*.svg)");
const QString kAllSvgFilter = QStringLiteral("Все символы (*.svg)");

}  // namespace

HostWindow::Controls HostWindow::buildWindow(QMainWindow& window)
{
    Controls controls;
    auto* central = new QWidget(&window);
    auto* columns = new QHBoxLayout(central);

    auto* drawingColumn = new QVBoxLayout;
    controls.drawingName = named(new QLabel(central), "drawingName");
    drawingColumn->addWidget(controls.drawingName);
    controls.codePage = named(new QLabel(central), "drawingCodePage");
    controls.codePage->setWordWrap(true);
    drawingColumn->addWidget(controls.codePage);
    auto* layersCaption = new QLabel(QStringLiteral("Слои:"), central);
    drawingColumn->addWidget(layersCaption);
    controls.layers = named(new QListWidget(central), "layerList");
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

    auto* splitter = new QSplitter(Qt::Horizontal, central);
    auto* canvasPane = new QWidget(splitter);
    auto* canvasColumn = new QVBoxLayout(canvasPane);
    canvasColumn->setContentsMargins(0, 0, 0, 0);
    controls.canvas = new SymbolCanvas(canvasPane);
    canvasColumn->addWidget(controls.canvas, 1);
    auto* canvasActions = new QHBoxLayout;
    controls.fit = named(new QPushButton(QStringLiteral("Показать всё"), canvasPane), "zoomToFitButton");
    canvasActions->addWidget(controls.fit);
    canvasActions->addStretch(1);
    canvasColumn->addLayout(canvasActions);

    auto* blockPane = new QWidget(splitter);
    auto* blockColumn = new QVBoxLayout(blockPane);
    blockColumn->setContentsMargins(0, 0, 0, 0);
    auto* symbolsCaption = new QLabel(QStringLiteral("Символы этого сеанса:"), blockPane);
    blockColumn->addWidget(symbolsCaption);
    controls.symbols = named(new QListWidget(blockPane), "symbolList");
    symbolsCaption->setBuddy(controls.symbols);
    blockColumn->addWidget(controls.symbols, 1);
    auto* views = new QTabWidget(blockPane);
    controls.tree = named(new QTreeWidget(views), "blockTree");
    controls.tree->setHeaderLabels({QStringLiteral("Поле"), QStringLiteral("Значение")});
    controls.tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    views->addTab(controls.tree, QStringLiteral("Блок"));
    controls.json = named(new QPlainTextEdit(views), "blockJson");
    controls.json->setReadOnly(true);
    controls.json->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    views->addTab(controls.json, QStringLiteral("JSON"));
    blockColumn->addWidget(views, 2);

    auto* symbolActions = new QHBoxLayout;
    controls.edit = named(new QPushButton(QStringLiteral("Изменить"), blockPane), "editButton");
    controls.remove = named(new QPushButton(QStringLiteral("Удалить"), blockPane), "removeButton");
    symbolActions->addWidget(controls.edit);
    symbolActions->addWidget(controls.remove);
    symbolActions->addStretch(1);
    blockColumn->addLayout(symbolActions);
    auto* saveActions = new QHBoxLayout;
    controls.save = named(new QPushButton(QStringLiteral("Сохранить JSON…"), blockPane), "saveJsonButton");
    controls.saveDxf = named(new QPushButton(QStringLiteral("Сохранить DXF…"), blockPane), "saveDxfButton");
    controls.saveSvg = named(new QPushButton(QStringLiteral("Сохранить SVG…"), blockPane), "saveSvgButton");
    saveActions->addWidget(controls.save);
    saveActions->addWidget(controls.saveDxf);
    saveActions->addWidget(controls.saveSvg);
    saveActions->addStretch(1);
    blockColumn->addLayout(saveActions);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    // The canvas is what the user looks at; the block beside it is for reading details.
    splitter->setSizes({600, 400});
    columns->addWidget(splitter, 4);

    window.setCentralWidget(central);
    window.resize(1280, 720);
    return controls;
}

HostWindow::HostWindow(SymbolModule& module, DxfDrawing& drawing, const QString& drawingPath,
                       services::IMessageService& messages, QWidget* parent)
    : QMainWindow(parent), m_module(module), m_drawing(drawing), m_drawingPath(drawingPath), m_messages(messages)
{
    setObjectName("hostWindow");
    m_ui = buildWindow(*this);
    if (const std::optional<QRectF> extents = drawingExtents(drawingPath))
        m_anchor = extents->center();

    const QString fileName = QFileInfo(drawingPath).fileName();
    setWindowTitle(QStringLiteral("Тарвело — ") + fileName);
    m_ui.drawingName->setText(QStringLiteral("Чертёж: ") + fileName);
    m_ui.drawingName->setToolTip(drawingPath);
    m_ui.codePage->setText(codePageText(m_drawing));
    for (const DxfLayer& layer : m_drawing.layers()) {
        QString name = QString::fromStdString(layer.nameUtf8);
        if (layer.off)
            name += QStringLiteral(" (выключен)");
        new QListWidgetItem(colourSwatch(layer.colour), name, m_ui.layers);
    }

    for (std::size_t kind = 0; kind < m_ui.symbolButtons.size(); ++kind)
        connect(m_ui.symbolButtons[kind], &QPushButton::clicked, this, [this, kind] { runSymbol(kind); });
    connect(m_ui.fit, &QPushButton::clicked, m_ui.canvas, &SymbolCanvas::zoomToFit);
    connect(m_ui.symbols, &QListWidget::currentRowChanged, this, &HostWindow::selectSymbol);
    connect(m_ui.edit, &QPushButton::clicked, this, [this] { editBlock(); });
    connect(m_ui.remove, &QPushButton::clicked, this, [this] { removeBlock(); });
    connect(m_ui.save, &QPushButton::clicked, this, [this] { askAndSaveJson(); });
    connect(m_ui.saveDxf, &QPushButton::clicked, this, [this] { askAndSaveDxf(); });
    connect(m_ui.saveSvg, &QPushButton::clicked, this, [this] { askAndSaveSvg(); });
    refresh();
    statusBar()->showMessage(QStringLiteral("Модуль символов: ") + QString::fromStdString(m_module.path().string()));
}

GEOTYPE_DEFINITION::IGeoBlock* HostWindow::block() const
{
    return m_selected >= 0 ? m_symbols[static_cast<std::size_t>(m_selected)].block.get() : nullptr;
}

void HostWindow::runSymbol(std::size_t kind)
{
    BlockPtr made = m_module.edit(kind, static_cast<std::uintptr_t>(winId()), &m_drawing, nullptr);
    if (!made) {
        statusBar()->showMessage(kindCaption(kind) + QStringLiteral(": диалог закрыт, модуль не вернул блок."));
        return;
    }
    showBlock(std::move(made), kind);
    statusBar()->showMessage(kindCaption(kind) + QStringLiteral(": модуль вернул блок."));
}

void HostWindow::editBlock()
{
    if (m_selected < 0 || !m_symbols[static_cast<std::size_t>(m_selected)].kind)
        return;
    Symbol& symbol = m_symbols[static_cast<std::size_t>(m_selected)];
    const std::size_t kind = *symbol.kind;
    if (symbol.block->GetEditMode() == 0)
        symbol.block->SetEditMode(1);
    BlockPtr edited = m_module.edit(kind, static_cast<std::uintptr_t>(winId()), &m_drawing, symbol.block.get());
    if (!edited) {
        statusBar()->showMessage(kindCaption(kind) + QStringLiteral(": диалог закрыт, модуль не вернул блок."));
        return;
    }
    symbol.block = std::move(edited);
    refresh();
    statusBar()->showMessage(kindCaption(kind) + QStringLiteral(": символ изменён."));
}

void HostWindow::removeBlock()
{
    if (m_selected < 0)
        return;
    m_symbols.erase(m_symbols.begin() + m_selected);
    m_selected = std::min(m_selected, symbolCount() - 1);
    refresh();
}

void HostWindow::showBlock(BlockPtr block, std::optional<std::size_t> kind)
{
    if (!block)
        return;
    m_symbols.push_back({std::move(block), kind});
    m_selected = symbolCount() - 1;
    refresh();
}

void HostWindow::selectSymbol(int index)
{
    if (index < 0 || index >= symbolCount() || index == m_selected)
        return;
    m_selected = index;
    refresh();
}

void HostWindow::setAnchor(QPointF anchor)
{
    m_anchor = anchor;
    refresh();
}

std::vector<render::Drawing> HostWindow::placedSymbols() const
{
    std::vector<GEOTYPE_DEFINITION::IGeoBlock*> blocks;
    for (const Symbol& symbol : m_symbols)
        blocks.push_back(symbol.block.get());
    return placeSymbols(blocks, m_anchor);
}

bool HostWindow::saveJson(const QString& path)
{
    std::string error;
    if (block() == nullptr || !writeBlockFile(*block(), path, error)) {
        showError(block() != nullptr ? error : "Нет блока, который можно сохранить.");
        return false;
    }
    statusBar()->showMessage(QStringLiteral("Блок сохранён в ") + path);
    return true;
}

bool HostWindow::saveDxf(const QString& path, bool intoDrawing)
{
    if (m_symbols.empty()) {
        showError("Нет символов, которые можно сохранить в DXF.");
        return false;
    }
    std::string error;
    DxfExportSummary summary;
    const std::vector<render::Drawing> symbols = placedSymbols();
    const bool written = intoDrawing ? exportSymbolsInto(m_drawingPath, path, symbols, m_charset, error, &summary)
                                     : exportSymbolsDxf(path, symbols, error, &summary);
    if (!written) {
        showError(error);
        return false;
    }
    statusBar()->showMessage(QStringLiteral("%1 в %2: объектов %3.")
                                 .arg(intoDrawing ? QStringLiteral("Чертёж с символами сохранён")
                                                  : QStringLiteral("Символы сохранены"),
                                      path)
                                 .arg(summary.entities));
    return true;
}

bool HostWindow::saveSvg(const QString& path, bool selectedOnly)
{
    std::vector<render::Drawing> symbols = placedSymbols();
    if (selectedOnly && m_selected >= 0)
        symbols = {symbols[static_cast<std::size_t>(m_selected)]};
    std::string error;
    if (!writeSymbolSvg(path, symbols, error)) {
        showError(error);
        return false;
    }
    statusBar()->showMessage(QStringLiteral("Рисунок сохранён в ") + path);
    return true;
}

void HostWindow::closeEvent(QCloseEvent* event)
{
    m_symbols.clear();
    m_selected = -1;
    refresh();
    QMainWindow::closeEvent(event);
}

void HostWindow::refresh()
{
    const bool any = m_selected >= 0;
    m_ui.edit->setEnabled(any && m_symbols[static_cast<std::size_t>(m_selected)].kind.has_value());
    m_ui.remove->setEnabled(any);
    m_ui.save->setEnabled(any);
    m_ui.saveDxf->setEnabled(!m_symbols.empty());
    m_ui.saveSvg->setEnabled(!m_symbols.empty());
    {
        const QSignalBlocker quiet(m_ui.symbols);
        m_ui.symbols->clear();
        for (std::size_t i = 0; i < m_symbols.size(); ++i)
            m_ui.symbols->addItem(listCaption(static_cast<int>(i) + 1, *m_symbols[i].block, m_symbols[i].kind));
        m_ui.symbols->setCurrentRow(m_selected);
    }
    m_ui.canvas->setSymbols(placedSymbols(), m_selected);
    showSelected();
}

void HostWindow::showSelected()
{
    m_ui.tree->clear();
    m_ui.json->clear();
    if (block() == nullptr)
        return;
    fillBlockTree(*m_ui.tree, blockToJsonDocument(*block()));
    m_ui.json->setPlainText(QString::fromStdString(blockToJson(*block())));
}

void HostWindow::askAndSaveJson()
{
    const std::optional<std::size_t> kind = m_selected >= 0 ? m_symbols[static_cast<std::size_t>(m_selected)].kind
                                                            : std::nullopt;
    const QString suggested =
        kind ? QString::fromLatin1(module::kSymbolKinds[*kind].shortName) + ".json" : QStringLiteral("block.json");
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить блок в JSON"), suggested,
                                                      QStringLiteral("JSON (*.json)"));
    if (!path.isEmpty())
        saveJson(path);
}

void HostWindow::askAndSaveDxf()
{
    QString filter = kIntoDrawingFilter;
    const QString suggested = QFileInfo(m_drawingPath).completeBaseName() + QStringLiteral("-символы.dxf");
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить символы в DXF"), suggested,
                                                      kIntoDrawingFilter + ";;" + kSymbolsOnlyFilter, &filter);
    if (!path.isEmpty())
        saveDxf(path, filter != kSymbolsOnlyFilter);
}

void HostWindow::askAndSaveSvg()
{
    QString filter = kSelectedSvgFilter;
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить символы в SVG"),
                                                      QStringLiteral("символы.svg"),
                                                      kSelectedSvgFilter + ";;" + kAllSvgFilter, &filter);
    if (!path.isEmpty())
        saveSvg(path, filter != kAllSvgFilter);
}

void HostWindow::showError(const std::string& textUtf8)
{
    m_messages.show({}, textUtf8, services::MessageIcon::Warning);
}

}  // namespace tarvelo::host

// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QMainWindow>
#include <QPointF>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "Drawing.h"
#include "SymbolModule.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace tarvelo::services {
class IMessageService;
}

namespace tarvelo::host {

class DxfDrawing;
class SymbolCanvas;

/// The host program's window: the drawing's name and layers, one button per
/// symbol kind, the symbols made in this run on a canvas and as a list, and
/// the selected one's block as a tree and as JSON. A symbol can be edited
/// again, removed, and the symbols saved as DXF (alone or in the drawing)
/// and SVG. The window owns the blocks and gives each back to the module
/// when it is replaced, removed or the window closes.
class HostWindow final : public QMainWindow {
public:
    /// @p drawingPath names the drawing; @p messages shows the errors.
    HostWindow(SymbolModule& module, DxfDrawing& drawing, const QString& drawingPath,
               services::IMessageService& messages, QWidget* parent = nullptr);

    /// Runs the entry point of the kind for a new symbol and adds its block, selected.
    void runSymbol(std::size_t kind);
    /// Runs the entry point of the selected block's kind again, with that
    /// block as the existing symbol (edit mode set); its answer replaces it.
    /// When the module answers nothing, the block stays.
    void editBlock();
    /// Removes the selected symbol.
    void removeBlock();
    /// Adds a block made elsewhere (read from a file), to be edited with the
    /// entry point of @p kind, and selects it.
    void showBlock(BlockPtr block, std::optional<std::size_t> kind);
    /// Selects the symbol at @p index of the list.
    void selectSymbol(int index);
    /// Writes the selected block as JSON; false, after telling the user, on failure.
    bool saveJson(const QString& path);
    /// Writes the symbols as DXF: into a copy of the drawing, or alone.
    bool saveDxf(const QString& path, bool intoDrawing);
    /// Writes the selected symbol, or all, as SVG.
    bool saveSvg(const QString& path, bool selectedOnly);

    /// Where new symbols go; by default the centre of the drawing's extents.
    void setAnchor(QPointF anchor);
    /// The character set texts are written in instead of the drawing's (see --codepage).
    void setCharset(std::string charset) { m_charset = std::move(charset); }

    /// The selected symbol's block, null when there is none.
    [[nodiscard]] GEOTYPE_DEFINITION::IGeoBlock* block() const;
    [[nodiscard]] int symbolCount() const { return static_cast<int>(m_symbols.size()); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Symbol {
        BlockPtr block;
        std::optional<std::size_t> kind;
    };

    // The window's controls, laid out with their captions; behaviour is wired
    // up by the window itself.
    struct Controls {
        QLabel* drawingName = nullptr;
        QLabel* codePage = nullptr;
        QListWidget* layers = nullptr;
        std::array<QPushButton*, module::kSymbolKinds.size()> symbolButtons{};
        SymbolCanvas* canvas = nullptr;
        QPushButton* fit = nullptr;
        QListWidget* symbols = nullptr;
        QTreeWidget* tree = nullptr;
        QPlainTextEdit* json = nullptr;
        QPushButton* edit = nullptr;
        QPushButton* remove = nullptr;
        QPushButton* save = nullptr;
        QPushButton* saveDxf = nullptr;
        QPushButton* saveSvg = nullptr;
    };

    static Controls buildWindow(QMainWindow& window);
    void refresh();
    void showSelected();
    [[nodiscard]] std::vector<render::Drawing> placedSymbols() const;
    void askAndSaveJson();
    void askAndSaveDxf();
    void askAndSaveSvg();
    void showError(const std::string& textUtf8);

    SymbolModule& m_module;
    DxfDrawing& m_drawing;
    QString m_drawingPath;
    services::IMessageService& m_messages;
    std::vector<Symbol> m_symbols;
    int m_selected = -1;
    QPointF m_anchor;
    std::string m_charset;
    Controls m_ui;
};

}  // namespace tarvelo::host

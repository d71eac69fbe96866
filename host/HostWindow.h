// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QMainWindow>
#include <optional>
#include <string>

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

/// The host program's window: the drawing's name and layers, one button per
/// symbol kind, and the block the module returned last, as a tree and as
/// JSON, to be edited again or saved. It owns that block and gives it back
/// to the module when the window closes or a newer block replaces it.
class HostWindow final : public QMainWindow {
public:
    /// @p drawingPath names the drawing; @p messages shows the errors.
    HostWindow(SymbolModule& module, DxfDrawing& drawing, const QString& drawingPath,
               services::IMessageService& messages, QWidget* parent = nullptr);

    /// Runs the entry point of the kind for a new symbol and shows its block.
    void runSymbol(std::size_t kind);
    /// Runs the entry point of the shown block's kind again, with that block
    /// as the existing symbol (edit mode set); its answer replaces it. When
    /// the module answers nothing, the shown block stays.
    void editBlock();
    /// Shows a block made elsewhere (read from a file), to be edited with the
    /// entry point of @p kind.
    void showBlock(BlockPtr block, std::optional<std::size_t> kind);
    /// Writes the shown block as JSON; false, after telling the user, on failure.
    bool saveJson(const QString& path);

    [[nodiscard]] GEOTYPE_DEFINITION::IGeoBlock* block() const { return m_block.get(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void present(BlockPtr block, std::size_t kind);
    void refresh();
    void askAndSaveJson();
    void showError(const std::string& textUtf8);

    SymbolModule& m_module;
    DxfDrawing& m_drawing;
    services::IMessageService& m_messages;
    BlockPtr m_block;
    std::optional<std::size_t> m_kind;

    QTreeWidget* m_tree = nullptr;
    QPlainTextEdit* m_json = nullptr;
    QPushButton* m_editButton = nullptr;
    QPushButton* m_saveButton = nullptr;
};

}  // namespace tarvelo::host

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QWidget>

#include "Drawing.h"

namespace GEOTYPE_DEFINITION {
class IGeoBlock;
}

namespace tarvelo::dialogs {

/// The symbol as it will be drawn, on a white sheet: the block's drawing at
/// its scale, fitted to the pane, with its line weights. It holds the block
/// it is given without owning it and draws it anew on refresh(); whoever
/// changes the block calls refresh(). Its objectName is "preview".
class SymbolPreview final : public QWidget {
    Q_OBJECT
public:
    explicit SymbolPreview(QWidget* parent = nullptr);

    /// Shows `block` (borrowed; null shows an empty sheet) and draws it.
    void setBlock(GEOTYPE_DEFINITION::IGeoBlock* block);
    /// Draws the block again, after a change to it.
    void refresh();

    /// What the pane shows, in drawing units.
    [[nodiscard]] const render::Drawing& drawing() const { return m_drawing; }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GEOTYPE_DEFINITION::IGeoBlock* m_block = nullptr;
    render::Drawing m_drawing;
};

}  // namespace tarvelo::dialogs

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QComboBox>
#include <cstdint>
#include <vector>

#include "tarvelo/services/CompanionApi.h"

namespace tarvelo::controls {

/// A drop-down list of choices that draws its items in one of three
/// presentation modes: a colour swatch before the text, a line of the
/// item's width beside the text, or the text alone. Each item carries its
/// value as item data (Qt::UserRole).
///
/// The colours and line widths are parallel lists, one entry per item,
/// set by whoever fills the list. As an IChoiceSink it takes the choices
/// that the host-support library's "FillComboBox" hands over.
class CColorPickerCB final : public QComboBox, public services::IChoiceSink {
    Q_OBJECT

public:
    enum PresentationMode : int {
        kColorMode = 1,      ///< swatch of the item's colour, then the text
        kLineWidthMode = 2,  ///< the text, then a black line of the item's width
        kTextMode = 3,       ///< the text only
    };

    /// Starts in text mode and asks for item 3, which an empty list does not
    /// have, so a new list has no selection.
    explicit CColorPickerCB(QWidget* parent = nullptr);

    /// A mode other than the three draws items as empty background.
    void setPresentationMode(int mode);
    [[nodiscard]] int presentationMode() const { return m_mode; }

    /// Screen colours (0x00BBGGRR) of the items, in item order.
    void setColors(std::vector<std::uint32_t> colors);
    /// Line widths in pixels of the items, in item order.
    void setLineWidths(std::vector<int> widths);

    /// The colour entry of an item; 0 for a negative index or one past the list.
    [[nodiscard]] std::uint32_t GetColor(int index) const;
    /// The line width entry of an item; 0 for a negative index or one past the list.
    [[nodiscard]] int GetLineWidth(int index) const;

    /// Appends a choice: `text` in code page 1251, `itemData` as its value.
    void addChoice(const char* text, std::uint32_t itemData) override;

    /// Draws item `index` into `rect` by the presentation mode: the
    /// background and text in the selection colours when `selected`, a focus
    /// frame when `focused`. Used by the popup and by the closed box alike.
    void paintItem(QPainter& painter, const QRect& rect, int index, bool selected, bool focused) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<std::uint32_t> m_colors;
    std::vector<int> m_lineWidths;
    int m_mode = kTextMode;
};

}  // namespace tarvelo::controls

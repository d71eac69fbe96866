// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>

/// @file
/// What the colour dialog's choices mean, kept free of widgets: which colour
/// number sits in which cell of the palette, where the arrow keys lead, what a
/// typed text selects and how a colour is described to the user.

namespace tarvelo::hostcad {

/// A cell of the palette as the keyboard sees it. Rows 0 to 9 are the hues
/// 10..249 (24 columns, one shade per row), row 10 the standard colours 1..9,
/// row 11 the greys 250..255.
struct PaletteCell {
    int row = 0;
    int column = 0;
    friend bool operator==(const PaletteCell&, const PaletteCell&) = default;
};

enum class PaletteMove { Left, Right, Up, Down };

inline constexpr int kPaletteHueRows = 10;
inline constexpr int kPaletteHueColumns = 24;
inline constexpr int kPaletteStandardRow = 10;
inline constexpr int kPaletteGreyRow = 11;
inline constexpr int kPaletteRowCount = 12;

/// The number of cells in a palette row; 0 for a row that does not exist.
int paletteRowLength(int row);

/// The colour number shown in a cell, or nullopt for a cell outside the palette.
std::optional<int> colorOfCell(PaletteCell cell);

/// The cell showing a colour number; nullopt for numbers outside 1..255.
std::optional<PaletteCell> cellOfColor(int colorNumber);

/// The cell an arrow key leads to. Moves stop at the edges; a vertical move
/// into a shorter row lands on its last cell.
PaletteCell movedCell(PaletteCell from, PaletteMove move);

/// The colour number a typed text selects: 1..255, or, when meta colours are
/// allowed, the words for by layer and by block (any letter case) and their
/// numbers 256 and 0. Nullopt when the text selects nothing.
std::optional<int> colorFromText(const QString& text, bool allowMetaColors);

/// The screen colour of a colour number, as zcedGetRGB gives it.
QColor screenColorOf(int colorNumber);

/// How a colour number is written in the dialog's field: its digits, or the
/// word for by layer or by block.
QString colorNumberText(int colorNumber);

/// The line naming a colour, "Номер цвета: 30"; without a colour only the
/// caption.
QString colorNumberCaption(std::optional<int> colorNumber);

/// The line giving a screen colour (0x00BBGGRR) as "Красный, Зелёный, Синий:
/// 255, 127, 0"; without a colour only the caption.
QString colorRgbCaption(std::optional<std::uint32_t> screenColor);

}  // namespace tarvelo::hostcad

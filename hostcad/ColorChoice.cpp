// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "ColorChoice.h"

#include <algorithm>
#include <array>

#include "ColorIndex.h"

namespace tarvelo::hostcad {

namespace {

// The last digit of the hue colours in each grid row: the bright shades
// darken towards the middle and the pale ones lighten away from it, so the
// darkest shades of both meet in the middle of the grid.
constexpr std::array<int, kPaletteHueRows> kShadeOfRow = {0, 2, 4, 6, 8, 9, 7, 5, 3, 1};

constexpr int kFirstGrey = 250;

constexpr QStringView kByLayerWord = u"ПоСлою";
constexpr QStringView kByBlockWord = u"ПоБлоку";

}  // namespace

int paletteRowLength(int row)
{
    if (row >= 0 && row < kPaletteHueRows)
        return kPaletteHueColumns;
    if (row == kPaletteStandardRow)
        return 9;
    if (row == kPaletteGreyRow)
        return 256 - kFirstGrey;
    return 0;
}

std::optional<int> colorOfCell(PaletteCell cell)
{
    if (cell.column < 0 || cell.column >= paletteRowLength(cell.row))
        return std::nullopt;
    if (cell.row == kPaletteStandardRow)
        return 1 + cell.column;
    if (cell.row == kPaletteGreyRow)
        return kFirstGrey + cell.column;
    return 10 + 10 * cell.column + kShadeOfRow[static_cast<std::size_t>(cell.row)];
}

std::optional<PaletteCell> cellOfColor(int colorNumber)
{
    if (colorNumber >= 1 && colorNumber <= 9)
        return PaletteCell{kPaletteStandardRow, colorNumber - 1};
    if (colorNumber >= kFirstGrey && colorNumber <= 255)
        return PaletteCell{kPaletteGreyRow, colorNumber - kFirstGrey};
    if (colorNumber >= 10 && colorNumber < kFirstGrey) {
        const auto shade = std::find(kShadeOfRow.begin(), kShadeOfRow.end(), colorNumber % 10);
        return PaletteCell{static_cast<int>(shade - kShadeOfRow.begin()), colorNumber / 10 - 1};
    }
    return std::nullopt;
}

PaletteCell movedCell(PaletteCell from, PaletteMove move)
{
    PaletteCell to = from;
    switch (move) {
    case PaletteMove::Left:
        to.column = std::max(0, from.column - 1);
        break;
    case PaletteMove::Right:
        to.column = std::min(paletteRowLength(from.row) - 1, from.column + 1);
        break;
    case PaletteMove::Up:
        to.row = std::max(0, from.row - 1);
        break;
    case PaletteMove::Down:
        to.row = std::min(kPaletteRowCount - 1, from.row + 1);
        break;
    }
    to.column = std::min(to.column, paletteRowLength(to.row) - 1);
    return to;
}

std::optional<int> colorFromText(const QString& text, bool allowMetaColors)
{
    const QString typed = text.trimmed();
    if (allowMetaColors) {
        if (typed.compare(kByLayerWord, Qt::CaseInsensitive) == 0)
            return kColorByLayer;
        if (typed.compare(kByBlockWord, Qt::CaseInsensitive) == 0)
            return kColorByBlock;
    }
    bool isNumber = false;
    const int number = typed.toInt(&isNumber);
    if (!isNumber)
        return std::nullopt;
    if (number >= 1 && number <= 255)
        return number;
    if (allowMetaColors && (number == kColorByLayer || number == kColorByBlock))
        return number;
    return std::nullopt;
}

QColor screenColorOf(int colorNumber)
{
    const std::uint32_t bgr = zcedGetRGB(colorNumber);
    return QColor(bgr & 0xFF, bgr >> 8 & 0xFF, bgr >> 16 & 0xFF);
}

QString colorNumberText(int colorNumber)
{
    if (colorNumber == kColorByLayer)
        return kByLayerWord.toString();
    if (colorNumber == kColorByBlock)
        return kByBlockWord.toString();
    return QString::number(colorNumber);
}

QString colorNumberCaption(std::optional<int> colorNumber)
{
    const QString caption = QStringLiteral("Номер цвета:");
    if (!colorNumber)
        return caption;
    return caption + QLatin1Char(' ') + colorNumberText(*colorNumber);
}

QString colorRgbCaption(std::optional<std::uint32_t> screenColor)
{
    const QString caption = QStringLiteral("Красный, Зелёный, Синий:");
    if (!screenColor)
        return caption;
    return QStringLiteral("%1 %2, %3, %4")
        .arg(caption)
        .arg(*screenColor & 0xFF)
        .arg(*screenColor >> 8 & 0xFF)
        .arg(*screenColor >> 16 & 0xFF);
}

}  // namespace tarvelo::hostcad

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QTreeWidget>
#include <cstdint>
#include <optional>

#include "tarvelo/services/CompanionApi.h"

class QFontMetrics;

namespace tarvelo::services {
class IServiceEnvironment;
}

namespace tarvelo::controls {

/// The two-column property list of the object properties dialog: a
/// parameter name in column 0, its value in column 1, one row per property,
/// and per row one number of item data (Qt::UserRole of column 0).
///
/// It draws its rows itself: a name too wide for its column is cut and ends
/// in "...", a value is never cut, and on the graphics page (page mode 1)
/// the first row carries a framed colour swatch between name and value. The
/// item data of that row is 1000 plus the host colour number; its screen
/// colour comes from the host-support library ("GetColorFromDB"), asked
/// once per colour number after the rows have changed, not while painting.
/// Column headers, widths and the rows themselves are the dialog's.
///
/// As an IParamRowSink it takes the rows that the host-support library's
/// "FillParamRecs" hands over.
class CClrListBox final : public QTreeWidget, public services::IParamRowSink {
    Q_OBJECT

public:
    /// The page mode of the graphics page ("Графика").
    static constexpr std::uint32_t kGraphicsPage = 1;
    /// The swatch colour (0x00BBGGRR) when the host-support library or its
    /// "GetColorFromDB" is missing: white, so the swatch shows as an empty
    /// framed box rather than as a colour the symbol might not have.
    static constexpr std::uint32_t kFallbackSwatchColor = 0x00FFFFFF;

    /// The host-support library is reached through `environment`.
    explicit CClrListBox(services::IServiceEnvironment& environment, QWidget* parent = nullptr);
    ~CClrListBox() override;

    /// Which page of the properties dialog the list shows; 0 at the start.
    void SetPageMode(std::uint32_t mode);

    /// A row's item data; 0 for a row that does not exist or has none.
    [[nodiscard]] std::uint32_t GetItemData(int row) const;
    /// Sets a row's item data; nothing for a row that does not exist.
    void SetItemData(int row, std::uint32_t data);

    /// Appends a row: `text` (code page 1251) as its name, an empty value and
    /// `key` as its item data.
    void addRow(const char* text, std::uint32_t key) override;

    /// The swatch colour of the first row on the graphics page, as last given
    /// by the host-support library (the fallback before it has been asked);
    /// nothing when no swatch is shown.
    [[nodiscard]] std::optional<QColor> swatchColor() const;

private:
    void refreshSwatch();
    void askSwatchColor();

    services::IServiceEnvironment& m_environment;
    std::uint32_t m_pageMode = 0;
    std::optional<std::int64_t> m_swatchNumber;  // colour number the swatch colour belongs to
    std::uint32_t m_swatchColor = kFallbackSwatchColor;
    bool m_swatchQueued = false;
};

/// A property name as the list shows it in a column `columnWidth` wide: as
/// it is when it fits with one average character width of margin on either
/// side, otherwise its first (width − 2 average widths) ÷ average width − 7
/// characters followed by "...", fewer when those would still run past the
/// column's end.
QString fitNameToColumn(const QString& name, int columnWidth, const QFontMetrics& metrics);

/// Where the colour swatch of the first row goes, for a row `row` whose
/// columns are `nameWidth` and `valueWidth` wide: from 7 past the name
/// column to a quarter of the value column less 5, 2 in from top and bottom.
/// Empty when the value column is too narrow for one.
QRect swatchRect(const QRect& row, int nameWidth, int valueWidth);

}  // namespace tarvelo::controls

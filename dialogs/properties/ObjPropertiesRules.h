// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace GEOTYPE_DEFINITION {
class IGeoBlock;
class IGeoItemTraits;
}  // namespace GEOTYPE_DEFINITION

/// @file
/// The rules of the object properties dialog that need no widget: which
/// choices a row offers, what a confirmed choice makes of the row, which
/// scheme picture a symbol type shows, how a typed number is shown, and how
/// the rows of either page travel between the block and the list. Texts are
/// code page 1251 bytes unless said otherwise.

namespace tarvelo::dialogs {

/// Pages of the dialog, in tab order; the list's page mode is the page number.
enum PropertiesPage : int {
    kGeometryPage = 0,
    kGraphicsPage = 1,
};

/// Where the choices of a graphics row come from.
enum class ChoiceSource {
    HostList,          ///< the host-support library's list for (row, list code)
    DrawingLineTypes,  ///< the line type names of the drawing
};

struct ChoiceRequest {
    ChoiceSource source = ChoiceSource::HostList;
    /// The list code handed to the library; unused for the drawing's line types.
    std::uint32_t listCode = 0;
};

/// The choices a row with item data `rowItemData` offers: a colour
/// (1000 to 9999) asks for the library's list of its colour number, a line
/// type of the drawing (10000 and more) for the drawing's line types, and
/// anything else for the library's list of that code.
ChoiceRequest choicesForItemData(std::uint32_t rowItemData);

/// What a confirmed choice may need from outside the dialog.
struct ChoiceServices {
    /// Shows the host's colour dialog starting at a colour number; the picked
    /// number, or nothing when the user cancelled.
    std::function<std::optional<int>(int startNumber)> pickColor;
    /// The screen colour of a colour number, 0x00BBGGRR.
    std::function<std::uint32_t(int colorNumber)> screenColor;
    /// Registers a picked colour (number, name, red, green, blue); its code,
    /// or nothing when the register cannot be reached.
    std::function<std::optional<std::uint32_t>(int, const std::string&, std::uint16_t, std::uint16_t,
                                               std::uint16_t)>
        appendColor;
    /// Registers a line type name; its code, or nothing when the register cannot be reached.
    std::function<std::optional<std::uint32_t>(const std::string&)> appendLineType;
};

/// The item data a row takes when the user confirms the entry with item data
/// `entryItemData` and text `entryText` in its drop-down list.
///
/// A colour row (item data above 1000 and below 10000) stores the entry's
/// colour number plus 1000; the entry that asks for another colour (1000 or
/// more) first shows the host's colour dialog and, when a colour is picked,
/// registers it as "Цвет N" and takes its code. A line type row stores
/// 10000 plus the code the register gives the entry's text. Any other row,
/// including one whose item data is exactly 1000, stores the entry's item data.
std::uint32_t itemDataAfterChoice(std::uint32_t rowItemData, std::uint32_t entryItemData,
                                  const std::string& entryText, const ChoiceServices& services);

/// The name a picked colour is registered under: "Цвет 30".
std::string pickedColorName(int colorNumber);

/// The scheme picture (bitmap number) of a symbol type's family.
int schemePictureOf(std::uint32_t symbolType);

/// What the value cell shows for a typed text: its leading number, 0 when it
/// has none, printed fixed-point with `decimals` decimals. A decimal comma,
/// as a Russian keypad types it, counts as the point.
std::string valueTextOfTyped(const std::string& typed, std::uint32_t decimals);

/// One row of a page as the list shows it.
struct PropertyRow {
    std::string name;
    std::string value;
    std::uint32_t itemData = 0;
    bool operator==(const PropertyRow&) const = default;
};

/// The rows of the graphics page in order: colour, main line type and weight,
/// thick line type and weight, text style, layer.
inline constexpr int kGraphicsRowCount = 7;

/// The names of the graphics rows (UTF-8), in row order.
const std::array<const char*, kGraphicsRowCount>& graphicsRowNames();

/// The graphics rows of `traits`: each trait's text as value and its list
/// position as item data.
std::vector<PropertyRow> readGraphicsRows(const GEOTYPE_DEFINITION::IGeoItemTraits& traits);

/// Writes the graphics rows back into `traits`, text and item data, all but
/// the layer row: the layer belongs to the symbol dialog. Rows missing from
/// `rows` are left as they are.
void writeGraphicsRows(const std::vector<PropertyRow>& rows, GEOTYPE_DEFINITION::IGeoItemTraits& traits);

/// One geometry row as it is saved: the text its value cell shows and, until
/// the user types over it, the exact value the row was filled from.
struct GeometryRowValue {
    std::string shown;
    std::optional<double> exact;
};

/// Writes the geometry rows into the block under keys 1, 2, 3 ... in row
/// order, whatever keys the rows were filled from: a row's exact value while
/// it has one, so that a row shown with fewer decimals is not rounded, or
/// else the number its text shows.
void writeGeometryValues(const std::vector<GeometryRowValue>& rows, GEOTYPE_DEFINITION::IGeoBlock& block);

}  // namespace tarvelo::dialogs

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
// Own format, not JSON or INI: edited by hand with comments, it keeps repeated keys in order and names an error's line.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// @file
/// The symbol defaults that ship with the host-support library, as read from
/// its data file. Names are code page 1251, ready for blocks and lists.

namespace tarvelo::hostsupport {

inline constexpr std::uint32_t kByBlock = 0;
inline constexpr std::uint32_t kByLayer = 256;

struct NamedColor {
    std::uint32_t number = 0;
    std::string name;
};

struct LineWeight {
    std::string name;
    double millimetres = 0.0;
};

struct TextStyle {
    std::string name;
    double height = 0.0;
    double widthFactor = 1.0;
    double slant = 0.0;
};

struct Parameter {
    std::uint32_t key = 0;
    /// Empty for a value kept in the block but not shown as a row.
    std::string name;
    double value = 0.0;
};

/// Default traits; weights and text styles by their position in the lists, from 1.
struct TraitDefaults {
    std::uint32_t color = kByLayer;
    std::string lineType;
    std::string thickLineType;
    std::uint32_t weight = 0;
    std::uint32_t thickWeight = 0;
    std::uint32_t textStyle = 0;
    std::string layer;
};

struct SymbolDefaults {
    std::string title;
    /// Rows first, in key order 1, 2, 3 ..., then the hidden values.
    std::vector<Parameter> parameters;
    TraitDefaults traits;
};

struct Axis {
    std::string name;
    double step = 0.0;
    bool operator==(const Axis&) const = default;
};

struct AxisArray {
    std::vector<Axis> letters;
    std::vector<Axis> numbers;
    bool operator==(const AxisArray&) const = default;
};

struct Catalog {
    std::vector<NamedColor> colors;
    std::vector<LineWeight> weights;
    std::vector<TextStyle> textStyles;
    std::vector<std::string> lineTypes;
    std::map<std::uint32_t, SymbolDefaults> symbols;
    std::map<std::uint32_t, AxisArray> axes;

    [[nodiscard]] const SymbolDefaults* symbol(std::uint32_t type) const;
    [[nodiscard]] const NamedColor* color(std::uint32_t number) const;
};

struct CatalogResult {
    std::optional<Catalog> catalog;
    /// What is wrong and where (UTF-8), when there is no catalog.
    std::string problem;
};

/// Reads the data file's text (UTF-8); a problem names its line.
CatalogResult parseCatalog(std::string_view utf8Text);
CatalogResult readCatalog(const std::filesystem::path& file);

/// The data file's name, beside the library.
inline constexpr const char* kDataFileName = "symbol-defaults.txt";

}  // namespace tarvelo::hostsupport

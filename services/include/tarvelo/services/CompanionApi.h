// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

#include "ExportShape.h"

/// @file
/// The call shapes of the companion libraries' exports, shared by the module
/// that looks them up by name and by the libraries that define them. Texts
/// cross as NUL-terminated code page 1251 bytes; blocks as data-model
/// interface pointers. Where the module would hand over a control, it hands
/// over a sink instead, so the libraries need no widget types.

namespace GEOTYPE_DEFINITION {
class IGeoBlock;
}

namespace tarvelo::services {

/// Receives the rows of the geometry page: a parameter's name and its key.
class IParamRowSink {
public:
    virtual void addRow(const char* text, std::uint32_t key) = 0;

protected:
    ~IParamRowSink() = default;
};

/// Receives the choices of a drop-down list: the shown text and its item data.
class IChoiceSink {
public:
    virtual void addChoice(const char* text, std::uint32_t itemData) = 0;

protected:
    ~IChoiceSink() = default;
};

/// Rows of the graphics page of the properties dialog, as "FillComboBox" receives them.
enum GraphicsRow : int {
    kColorRow = 0,
    kMainLineTypeRow = 1,
    kMainLineWeightRow = 2,
    kThickLineTypeRow = 3,
    kThickLineWeightRow = 4,
    kTextStyleRow = 5,
    kLayerRow = 6,
};

/// Trait index values: a colour is 1000 + its colour number, a line type of
/// the drawing 10000 + its code in the line type register.
inline constexpr std::uint32_t kColorIndexBase = 1000;
inline constexpr std::uint32_t kLineTypeIndexBase = 10000;
/// A colour choice whose item data is this or more asks the host's colour dialog for another colour.
inline constexpr std::uint32_t kOtherColorChoice = 1000;

namespace exports {

using Block = GEOTYPE_DEFINITION::IGeoBlock;

// host-support library ("DHOSTSP")
TARVELO_EXPORT_SHAPE(GetColorFromDB, std::uint32_t (*)(std::int32_t colorNumber));
TARVELO_EXPORT_SHAPE(GetAttribs, Block* (*)(std::uint32_t symbolType));
TARVELO_EXPORT_SHAPE(FreeBlock, void (*)(Block* block));
TARVELO_EXPORT_SHAPE(GetDefaultAxis, Block* (*)(std::uint32_t symbolType));
TARVELO_EXPORT_SHAPE(SaveDefaultAxis, void (*)(Block* block));
TARVELO_EXPORT_SHAPE(DescribeAttributes, void (*)(Block* block));
TARVELO_EXPORT_SHAPE(FillParamRecs, void (*)(std::uint32_t symbolType, IParamRowSink* rows));
TARVELO_EXPORT_SHAPE(FillComboBox, void (*)(int row, std::uint32_t listCode, IChoiceSink* choices));
TARVELO_EXPORT_SHAPE(AppendColorDb, std::uint32_t (*)(std::int32_t colorNumber, const char* text, std::uint16_t red,
                                                      std::uint16_t green, std::uint16_t blue));
TARVELO_EXPORT_SHAPE(AppendLineTypeDb, std::uint32_t (*)(const char* name));
TARVELO_EXPORT_SHAPE(ReadTraits, Block* (*)(std::uint32_t symbolType));
TARVELO_EXPORT_SHAPE(UpdateAttributes, void (*)(Block* block));

// settings library ("CFGKIT.DLL")
TARVELO_EXPORT_SHAPE(SettingsDialog, int (*)(std::uintptr_t parentWindow, int argument));

}  // namespace exports

}  // namespace tarvelo::services

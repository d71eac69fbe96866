// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "DefaultsFile.h"
#include "UserRegisters.h"
#include "tarvelo/geometry/TGeoBlock.h"
#include "tarvelo/services/CompanionApi.h"

/// @file
/// What the host-support library answers, apart from its C exports: symbol
/// defaults from the data file overlaid by the user's saved ones, the rows
/// and choices of the properties dialog, the colour and line type registers
/// and the default axis arrays.

namespace tarvelo::hostsupport {

class HostSupport {
public:
    HostSupport(const Catalog& catalog, UserRegisters& registers) : m_catalog(catalog), m_registers(registers) {}

    /// The numeric parameters and traits of a type, or null for a type without defaults.
    std::unique_ptr<GEOTYPE_DEFINITION::TGeoBlock> attributes(std::uint32_t symbolType);
    /// 0x00BBGGRR of a colour number: a registered colour first, then the host's palette.
    std::uint32_t screenColor(std::int32_t colorNumber);
    void fillRows(std::uint32_t symbolType, services::IParamRowSink& rows);
    void fillChoices(int row, services::IChoiceSink& choices);
    /// Registers a colour picked in the host's colour dialog; its code is its colour number.
    std::uint32_t appendColor(std::int32_t colorNumber, const std::string& text, std::uint16_t red,
                              std::uint16_t green, std::uint16_t blue);
    std::uint32_t appendLineType(const std::string& name);
    /// Brings the trait names and list positions of a block from a drawing in line with each other.
    void describe(GEOTYPE_DEFINITION::IGeoBlock& block);
    /// Works out the traits' values from their list positions and keeps the
    /// saved page as the user's defaults of the type: the traits when they
    /// are marked changed, the numeric parameters otherwise.
    void update(GEOTYPE_DEFINITION::IGeoBlock& block);
    /// The user's saved axes of the type, or the data file's; null for a type without axes.
    std::unique_ptr<GEOTYPE_DEFINITION::TGeoBlock> defaultAxes(std::uint32_t symbolType);
    /// Keeps the block's axes as the user's default array of its type; an array without axes is not kept.
    void saveAxes(GEOTYPE_DEFINITION::IGeoBlock& block);

private:
    std::string colorName(std::uint32_t colorNumber);
    std::uint32_t colorNumberOf(const std::string& name);
    void applyDefaults(GEOTYPE_DEFINITION::IGeoItemTraits& traits, const TraitDefaults& defaults);
    void resolve(GEOTYPE_DEFINITION::IGeoItemTraits& traits);

    const Catalog& m_catalog;
    UserRegisters& m_registers;
};

}  // namespace tarvelo::hostsupport

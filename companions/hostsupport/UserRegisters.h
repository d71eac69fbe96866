// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "DefaultsFile.h"
#include "tarvelo/geometry/IGeoItemTraits.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/IRegistryBackend.h"

/// @file
/// What the host-support library keeps for the user between calls, in the
/// user's store: the colours and line types registered from the dialogs,
/// and the defaults the user saved per symbol type (numeric parameters,
/// traits, axes). Everything is readable text under one key. An object
/// serves one call of the library: what it read, it reads once.

namespace tarvelo::hostsupport {

struct RegisteredColor {
    std::uint32_t number = 0;
    std::string name;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const RegisteredColor&) const = default;
};

class UserRegisters {
public:
    static constexpr const char* kKey = "Software\\Orvane Software\\KLD\\HostSupport\\";

    UserRegisters(services::CSysHub& hub, services::IRegistryBackend& store) : m_hub(hub), m_store(store) {}

    [[nodiscard]] std::vector<RegisteredColor> colors();
    /// Replaces an earlier registration of the same number.
    void registerColor(const RegisteredColor& color);

    /// The line type register; codes are positions from 1. It starts as the
    /// catalog's list and only ever grows, so a code once given stays valid.
    [[nodiscard]] std::vector<std::string> lineTypes(const Catalog& catalog);
    /// The code of the name, registering it first when it is new; 0 for an empty name.
    std::uint32_t registerLineType(const Catalog& catalog, const std::string& name);

    [[nodiscard]] std::optional<std::map<std::uint32_t, double>> savedParameters(std::uint32_t symbolType);
    void saveParameters(std::uint32_t symbolType, const std::map<std::uint32_t, double>& parameters);

    /// True when traits were saved for the type; they are then written into `target`.
    bool loadSavedTraits(std::uint32_t symbolType, GEOTYPE_DEFINITION::IGeoItemTraits& target);
    void saveTraits(std::uint32_t symbolType, GEOTYPE_DEFINITION::IGeoItemTraits& traits);

    [[nodiscard]] std::optional<AxisArray> savedAxes(std::uint32_t symbolType);
    void saveAxes(std::uint32_t symbolType, const AxisArray& axes);

private:
    std::string read(const std::string& name);
    void write(const std::string& name, const std::string& text);

    services::CSysHub& m_hub;
    services::IRegistryBackend& m_store;
    std::map<std::string, std::string> m_read;
};

}  // namespace tarvelo::hostsupport

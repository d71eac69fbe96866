// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <optional>

#include "IServiceEnvironment.h"
#include "SharedLibrary.h"

/// @file
/// The maker's two companion libraries, found through the store's library
/// paths, loaded for one call and released right after it.

namespace tarvelo::services {

/// Store value names of the two library paths.
inline constexpr const char* kHostSupportLibraryValue = "DHOSTSP";
inline constexpr const char* kSettingsLibraryValue = "CFGKIT.DLL";

/// Loads the host-support library, taking a reference of the caller's own.
/// Nothing loaded, after telling the user, when its path is not in the store;
/// nothing loaded without a word when the file cannot be loaded.
SharedLibrary LoadHostLibrary(IServiceEnvironment& environment);
/// Loads the settings library; every failure is told to the user.
SharedLibrary LoadSettingsLibrary(IServiceEnvironment& environment);

/// Asks the host-support library for the screen colour (0x00BBGGRR) of a host colour index.
class FxHostLibraryHolder {
public:
    explicit FxHostLibraryHolder(IServiceEnvironment& environment) : m_environment(environment) {}
    /// Nothing when the library or its export is missing.
    std::optional<std::uint32_t> GetColorFromDB(std::int32_t colorIndex);

private:
    IServiceEnvironment& m_environment;
};

/// Shows the maker's settings dialog from the settings library.
class FxSettingsLibraryHolder {
public:
    explicit FxSettingsLibraryHolder(IServiceEnvironment& environment) : m_environment(environment) {}
    /// The dialog's result; 0 when the library or its export is missing.
    int SettingsDialog(std::uintptr_t parentWindow, int argument);

private:
    IServiceEnvironment& m_environment;
};

}  // namespace tarvelo::services

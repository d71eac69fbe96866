// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <string>

#include "IServiceEnvironment.h"

namespace tarvelo::services {

/// The parameter service through which dialogs read and write the user's
/// defaults. Callers never see an error, whatever is raised inside an
/// operation: a failed read gives 0 or the caller's default text, a failed
/// write is lost; every failure is written to the error log. Texts are code
/// page 1251 bytes.
class CSysHub {
public:
    /// The user defaults of the symbol dialogs.
    static constexpr const char* kParamsKey = "Software\\Orvane Software\\KLD\\Params\\";
    /// The paths of the maker's companion libraries.
    static constexpr const char* kModulesKey = "Software\\Orvane Software\\KLD\\modz12p\\";

    explicit CSysHub(IServiceEnvironment& environment) : m_environment(environment) {}

    /// An empty key path means the Params key; a missing value reads as 0.
    std::uint32_t GetDwordParams(std::string keyPath, std::string name);
    /// The key path is used as given, even when empty; failures give the default text.
    std::string GetStringParams(std::string keyPath, std::string name, std::string defaultText, bool localMachine);
    /// An empty key path means the Params key; an empty value name does nothing at all.
    void SetDwordParam(std::string keyPath, std::string name, std::uint32_t value);
    /// An empty key path means the Params key.
    void SetStringParams(std::string keyPath, std::string name, std::string text, bool localMachine);
    /// Whether a value of that name is stored; an empty key path means the Params
    /// key. An absent value is no failure; a store that cannot be read counts as
    /// holding nothing and is logged.
    bool IsParamStored(std::string keyPath, std::string name);
    /// Reads the path of a companion library; true when a non-empty path was read.
    bool ModulePath(const std::string& libraryValueName, std::string& path);

private:
    void logFailure(const char* tag, std::uint32_t status);

    IServiceEnvironment& m_environment;
};

}  // namespace tarvelo::services

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#ifdef _WIN32

#include "IRegistryBackend.h"

namespace tarvelo::services {

/// The Windows registry itself, under HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE,
/// through the ANSI calls: texts are stored and read in the system's code page.
class Win32RegistryBackend final : public IRegistryBackend {
public:
    std::uint32_t readValue(bool localMachine, const std::string& keyPath, const std::string& name,
                            StoredValue& value) override;
    std::uint32_t readDword(bool localMachine, const std::string& keyPath, const std::string& name,
                            std::uint32_t& value) override;
    std::uint32_t writeValue(bool localMachine, const std::string& keyPath, const std::string& name,
                             std::uint32_t type, std::string_view data) override;
};

}  // namespace tarvelo::services

#endif

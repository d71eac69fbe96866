// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvelo::services {

/// Registry value types, numbered as the Windows registry numbers them.
enum class RegistryType : std::uint32_t { String = 1, Dword = 4 };

/// A value as stored: its type and its exact bytes.
struct StoredValue {
    std::uint32_t type = 0;
    std::string data;
};

/// Where registry values are kept: per-user (or machine) hives of key paths
/// like "Software\Maker\Product\", each holding typed values by name.
/// Every operation is complete in itself: a read sees what is committed at
/// that moment, a write is committed before it returns, and each answers a
/// Windows error code. A backend may keep its connection between reads.
class IRegistryBackend {
public:
    virtual ~IRegistryBackend() = default;

    /// 0 and the value, or 2 when the key or the value does not exist, or another error code.
    virtual std::uint32_t readValue(bool localMachine, const std::string& keyPath, const std::string& name,
                                    StoredValue& value) = 0;
    /// Reads the stored bytes into the 4-byte number without looking at their
    /// type, as a fixed-size registry read does: shorter data fills the low
    /// bytes; longer data fails with 234 and leaves the number alone.
    virtual std::uint32_t readDword(bool localMachine, const std::string& keyPath, const std::string& name,
                                    std::uint32_t& value);
    /// Stores the value, creating the key and all its parents on first use; 0 or an error code.
    virtual std::uint32_t writeValue(bool localMachine, const std::string& keyPath, const std::string& name,
                                     std::uint32_t type, std::string_view data) = 0;
};

}  // namespace tarvelo::services

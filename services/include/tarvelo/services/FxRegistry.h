// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <string>

#include "IRegistryBackend.h"

namespace tarvelo::services {

/// The registry-key layer: each operation opens the key, acts, closes it
/// and answers 0 or a Windows error code. It keeps no handle between calls.
class FxRegistry {
public:
    explicit FxRegistry(IRegistryBackend& backend) : m_backend(backend) {}

    /// Reads the stored bytes into the 4-byte number without looking at their
    /// type; data longer than 4 bytes fails with 234 and leaves the number alone.
    std::uint32_t GetValueDword(const std::string& keyPath, const std::string& name, std::uint32_t& value,
                                bool localMachine);
    /// Reads the text: the bytes up to the first zero byte, never past the stored size.
    std::uint32_t GetValueString(const std::string& keyPath, const std::string& name, std::string& value,
                                 bool localMachine);
    std::uint32_t SetValue(const std::string& keyPath, const std::string& name, const void* data,
                           std::uint32_t byteCount, RegistryType type, bool localMachine);
    std::uint32_t SetValueDword(const std::string& keyPath, const std::string& name, std::uint32_t value,
                                bool localMachine);
    /// Stores the text's bytes without a terminating zero.
    std::uint32_t SetValueString(const std::string& keyPath, const std::string& name, const std::string& value,
                                 bool localMachine);

private:
    IRegistryBackend& m_backend;
};

}  // namespace tarvelo::services

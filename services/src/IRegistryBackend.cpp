// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "tarvelo/services/IRegistryBackend.h"

#include <cstring>

#include "tarvelo/services/WindowsErrors.h"

namespace tarvelo::services {

std::uint32_t IRegistryBackend::readDword(bool localMachine, const std::string& keyPath, const std::string& name,
                                          std::uint32_t& value)
{
    StoredValue stored;
    const std::uint32_t status = readValue(localMachine, keyPath, name, stored);
    if (status != winerror::kSuccess)
        return status;
    if (stored.data.size() > sizeof value)
        return winerror::kMoreData;
    // Shorter data fills only the low bytes, as a 4-byte registry read does.
    unsigned char bytes[sizeof value] = {};
    for (std::size_t i = 0; i < sizeof value; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    std::memcpy(bytes, stored.data.data(), stored.data.size());
    value = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
            static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    return winerror::kSuccess;
}

}  // namespace tarvelo::services

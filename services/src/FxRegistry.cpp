// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "tarvelo/services/FxRegistry.h"

#include "tarvelo/services/WindowsErrors.h"

namespace tarvelo::services {

std::uint32_t FxRegistry::GetValueDword(const std::string& keyPath, const std::string& name, std::uint32_t& value,
                                        bool localMachine)
{
    return m_backend.readDword(localMachine, keyPath, name, value);
}

std::uint32_t FxRegistry::GetValueString(const std::string& keyPath, const std::string& name, std::string& value,
                                         bool localMachine)
{
    StoredValue stored;
    const std::uint32_t status = m_backend.readValue(localMachine, keyPath, name, stored);
    if (status != winerror::kSuccess)
        return status;
    value = stored.data.substr(0, stored.data.find('\0'));
    return winerror::kSuccess;
}

std::uint32_t FxRegistry::SetValue(const std::string& keyPath, const std::string& name, const void* data,
                                   std::uint32_t byteCount, RegistryType type, bool localMachine)
{
    return m_backend.writeValue(localMachine, keyPath, name, static_cast<std::uint32_t>(type),
                                std::string_view(static_cast<const char*>(data), byteCount));
}

std::uint32_t FxRegistry::SetValueDword(const std::string& keyPath, const std::string& name, std::uint32_t value,
                                        bool localMachine)
{
    const unsigned char bytes[4] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
                                    static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
    return SetValue(keyPath, name, bytes, sizeof bytes, RegistryType::Dword, localMachine);
}

std::uint32_t FxRegistry::SetValueString(const std::string& keyPath, const std::string& name,
                                         const std::string& value, bool localMachine)
{
    return SetValue(keyPath, name, value.data(), static_cast<std::uint32_t>(value.size()), RegistryType::String,
                    localMachine);
}

}  // namespace tarvelo::services

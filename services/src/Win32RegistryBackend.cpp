// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#ifdef _WIN32

#include "tarvelo/services/Win32RegistryBackend.h"

#include <windows.h>

#include <vector>

namespace tarvelo::services {

namespace {

HKEY hiveOf(bool localMachine)
{
    return localMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

}  // namespace

std::uint32_t Win32RegistryBackend::readValue(bool localMachine, const std::string& keyPath, const std::string& name,
                                              StoredValue& value)
{
    HKEY key = nullptr;
    const LONG opened = RegOpenKeyExA(hiveOf(localMachine), keyPath.c_str(), 0, KEY_READ, &key);
    if (opened != ERROR_SUCCESS)
        return static_cast<std::uint32_t>(opened);
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        std::vector<char> buffer(size);
        status = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (status == ERROR_SUCCESS) {
            value.type = type;
            value.data.assign(buffer.data(), size);
        }
    }
    RegCloseKey(key);
    return static_cast<std::uint32_t>(status);
}

std::uint32_t Win32RegistryBackend::readDword(bool localMachine, const std::string& keyPath, const std::string& name,
                                              std::uint32_t& value)
{
    HKEY key = nullptr;
    const LONG opened = RegOpenKeyExA(hiveOf(localMachine), keyPath.c_str(), 0, KEY_READ, &key);
    if (opened != ERROR_SUCCESS)
        return static_cast<std::uint32_t>(opened);
    // The registry itself refuses data longer than the buffer (234); the
    // caller's number changes only on success.
    DWORD buffer = value;
    DWORD size = sizeof buffer;
    const LONG status = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&buffer), &size);
    RegCloseKey(key);
    if (status == ERROR_SUCCESS)
        value = buffer;
    return static_cast<std::uint32_t>(status);
}

std::uint32_t Win32RegistryBackend::writeValue(bool localMachine, const std::string& keyPath,
                                               const std::string& name, std::uint32_t type, std::string_view data)
{
    HKEY key = nullptr;
    LONG status = RegOpenKeyExA(hiveOf(localMachine), keyPath.c_str(), 0, KEY_SET_VALUE, &key);
    // A missing path is created with all its parents, like a missing key.
    if (status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND)
        status = RegCreateKeyExA(hiveOf(localMachine), keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 KEY_WRITE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS)
        return static_cast<std::uint32_t>(status);
    status = RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                            static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    return static_cast<std::uint32_t>(status);
}

}  // namespace tarvelo::services

#endif

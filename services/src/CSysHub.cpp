// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "tarvelo/services/CSysHub.h"

#include <cstdio>

#include "tarvelo/services/FxLogger.h"
#include "tarvelo/services/FxRegistry.h"
#include "tarvelo/services/WindowsErrors.h"

namespace tarvelo::services {

void CSysHub::logFailure(const char* tag, std::uint32_t status)
{
    char line[256];
    std::snprintf(line, sizeof line, " Error in CSysHub: %s %d", tag, static_cast<int>(status));
    FxLogger logger(m_environment);
    if (logger.IsReady())
        logger.WriteLine(line);
}

std::uint32_t CSysHub::GetDwordParams(std::string keyPath, std::string name)
{
    std::uint32_t value = 0;
    try {
        if (keyPath.empty())
            keyPath = kParamsKey;
        const std::uint32_t status = FxRegistry(m_environment.store()).GetValueDword(keyPath, name, value, false);
        if (status != winerror::kSuccess)
            logFailure("GetDwordParams 67", status);
    } catch (...) {
        logFailure("GetDwordParams", winerror::lastSystemError());
    }
    return value;
}

std::string CSysHub::GetStringParams(std::string keyPath, std::string name, std::string defaultText,
                                     bool localMachine)
{
    std::string value = defaultText;
    try {
        const std::uint32_t status =
            FxRegistry(m_environment.store()).GetValueString(keyPath, name, value, localMachine);
        if (status != winerror::kSuccess) {
            logFailure("GetStringParams 44", status);
            return defaultText;
        }
    } catch (...) {
        logFailure("GetStringParams", winerror::lastSystemError());
        return defaultText;
    }
    return value;
}

void CSysHub::SetDwordParam(std::string keyPath, std::string name, std::uint32_t value)
{
    try {
        if (keyPath.empty())
            keyPath = kParamsKey;
        if (name.empty())
            return;
        const std::uint32_t status = FxRegistry(m_environment.store()).SetValueDword(keyPath, name, value, false);
        if (status != winerror::kSuccess)
            logFailure("SetDwordParam 85", status);
    } catch (...) {
        logFailure("SetDwordParam", winerror::lastSystemError());
    }
}

void CSysHub::SetStringParams(std::string keyPath, std::string name, std::string text, bool localMachine)
{
    try {
        if (keyPath.empty())
            keyPath = kParamsKey;
        const std::uint32_t status =
            FxRegistry(m_environment.store()).SetValueString(keyPath, name, text, localMachine);
        if (status != winerror::kSuccess)
            logFailure("SetStringParams 100", status);
    } catch (...) {
        logFailure("SetStringParams", winerror::lastSystemError());
    }
}

bool CSysHub::IsParamStored(std::string keyPath, std::string name)
{
    try {
        if (keyPath.empty())
            keyPath = kParamsKey;
        StoredValue value;
        const std::uint32_t status = m_environment.store().readValue(false, keyPath, name, value);
        if (status == winerror::kSuccess)
            return true;
        if (status != winerror::kFileNotFound && status != winerror::kPathNotFound)
            logFailure("IsParamStored", status);
    } catch (...) {
        logFailure("IsParamStored", winerror::lastSystemError());
    }
    return false;
}

bool CSysHub::ModulePath(const std::string& libraryValueName, std::string& path)
{
    try {
        const std::uint32_t status =
            FxRegistry(m_environment.store()).GetValueString(kModulesKey, libraryValueName, path, false);
        if (status != winerror::kSuccess || path.empty()) {
            logFailure("ModulePath: GetValueString", status);
            return false;
        }
    } catch (...) {
        logFailure("ModulePath", winerror::lastSystemError());
        return false;
    }
    return true;
}

}  // namespace tarvelo::services

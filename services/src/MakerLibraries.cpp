// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "tarvelo/services/MakerLibraries.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>

#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/CompanionApi.h"
#include "tarvelo/services/TextCodec.h"
#include "tarvelo/services/WindowsErrors.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace tarvelo::services {

namespace {

constexpr const char* kApplicationError = "Ошибка приложения";
constexpr const char* kSettingsError = "Ошибка настроек";
constexpr const char* kSystemError = "Системная ошибка приложения";
constexpr const char* kHostPathMissing =
    "Не найдены параметры в реестре <библиотека Стелвикс>. См. <Проблемы установки> - конфигурация библиотек. #";

struct LoadResult {
    LibraryHandle handle = nullptr;
    std::uint32_t error = 0;
};

// The store keeps paths in code page 1251; the file system here wants UTF-8.
LoadResult loadFromStorePath(const std::string& storedPath)
{
#ifdef _WIN32
    HMODULE handle = LoadLibraryA(storedPath.c_str());
    return {handle, handle != nullptr ? 0u : static_cast<std::uint32_t>(GetLastError())};
#else
    const std::string path = text::cp1251ToUtf8(storedPath);
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle != nullptr)
        return {handle, 0};
    std::error_code ignored;
    return {nullptr, std::filesystem::exists(path, ignored) ? winerror::kBadExeFormat : winerror::kModuleNotFound};
#endif
}

}  // namespace

void ReleaseLibrary(LibraryHandle library)
{
    if (library == nullptr)
        return;
#ifdef _WIN32
    FreeLibrary(static_cast<HMODULE>(library));
#else
    dlclose(library);
#endif
}

void* FindExport(LibraryHandle library, const char* name)
{
    if (library == nullptr)
        return nullptr;
#ifdef _WIN32
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
#else
    return dlsym(library, name);
#endif
}

LibraryHandle LoadHostLibrary(IServiceEnvironment& environment)
{
    IMessageService& messages = environment.messages();
    std::unique_ptr<CSysHub> hub;
    try {
        hub = std::make_unique<CSysHub>(environment);
    } catch (const std::exception&) {
        messages.show(kSystemError, "Ошибка подготовки параметров библиотеки. Подготовка загрузки модуля",
                      MessageIcon::Warning);
        return nullptr;
    }
    std::string path;
    try {
        if (!hub->ModulePath(kHostSupportLibraryValue, path)) {
            messages.show(kApplicationError, std::string(kHostPathMissing) + "2", MessageIcon::Warning);
            return nullptr;
        }
    } catch (const std::exception& failure) {
        messages.show("", failure.what(), MessageIcon::Warning);
        messages.show(kApplicationError, std::string(kHostPathMissing) + "3", MessageIcon::Warning);
        return nullptr;
    }
    hub.reset();
    try {
        return loadFromStorePath(path).handle;
    } catch (const std::exception& failure) {
        messages.show("", failure.what(), MessageIcon::Warning);
        messages.show(kApplicationError, "Ошибка загрузки библиотеки", MessageIcon::Warning);
        return nullptr;
    }
}

LibraryHandle LoadSettingsLibrary(IServiceEnvironment& environment)
{
    IMessageService& messages = environment.messages();
    CSysHub hub(environment);
    std::string path;
    try {
        if (!hub.ModulePath(kSettingsLibraryValue, path)) {
            messages.show(kSettingsError, "Не найдена запись пути к библиотеке настроек", MessageIcon::Warning);
            return nullptr;
        }
    } catch (const std::exception&) {
        messages.show(kSettingsError, "Ошибка доступа к настройкам в реестре", MessageIcon::Warning);
        return nullptr;
    }
    try {
        const LoadResult loaded = loadFromStorePath(path);
        if (loaded.handle == nullptr) {
            char text[128];
            std::snprintf(text, sizeof text, "Ошибка загрузки библиотеки настроек: код %d",
                          static_cast<int>(loaded.error));
            messages.show("", text, MessageIcon::Error);
        }
        return loaded.handle;
    } catch (const std::exception& failure) {
        messages.show("", failure.what(), MessageIcon::Warning);
        return nullptr;
    }
}

std::optional<std::uint32_t> FxHostLibraryHolder::GetColorFromDB(std::int32_t colorIndex)
{
    std::optional<std::uint32_t> color;
    try {
        m_library = LoadHostLibrary(m_environment);
        if (auto function = reinterpret_cast<exports::GetColorFromDB>(FindExport(m_library, "GetColorFromDB")))
            color = function(colorIndex);
    } catch (const std::exception& failure) {
        m_environment.messages().show("", failure.what(), MessageIcon::Warning);
    }
    ReleaseLibrary(m_library);
    m_library = nullptr;
    return color;
}

int FxSettingsLibraryHolder::SettingsDialog(std::uintptr_t parentWindow, int argument)
{
    int result = 0;
    try {
        m_library = LoadSettingsLibrary(m_environment);
        if (auto function = reinterpret_cast<exports::SettingsDialog>(FindExport(m_library, "SettingsDialog")))
            result = function(parentWindow, argument);
    } catch (const std::exception& failure) {
        m_environment.messages().show("", failure.what(), MessageIcon::Warning);
    }
    ReleaseLibrary(m_library);
    m_library = nullptr;
    return result;
}

}  // namespace tarvelo::services

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

namespace tarvelo::services {

namespace {

constexpr const char* kApplicationError = "Ошибка приложения";
constexpr const char* kSettingsError = "Ошибка настроек";
constexpr const char* kSystemError = "Системная ошибка приложения";
constexpr const char* kHostPathMissing =
    "Не найдены параметры в реестре <библиотека Стелвикс>. См. <Проблемы установки> - конфигурация библиотек. #";

// The store keeps paths in code page 1251; the file system takes them as Unicode.
SharedLibrary loadFromStorePath(const std::string& storedPath)
{
    const std::string utf8 = text::cp1251ToUtf8(storedPath);
    return SharedLibrary(std::filesystem::path(std::u8string(utf8.begin(), utf8.end())));
}

}  // namespace

SharedLibrary LoadHostLibrary(IServiceEnvironment& environment)
{
    IMessageService& messages = environment.messages();
    std::unique_ptr<CSysHub> hub;
    try {
        hub = std::make_unique<CSysHub>(environment);
    } catch (const std::exception&) {
        messages.show(kSystemError, "Ошибка подготовки параметров библиотеки. Подготовка загрузки модуля",
                      MessageIcon::Warning);
        return {};
    }
    std::string path;
    try {
        if (!hub->ModulePath(kHostSupportLibraryValue, path)) {
            messages.show(kApplicationError, std::string(kHostPathMissing) + "2", MessageIcon::Warning);
            return {};
        }
    } catch (const std::exception& failure) {
        messages.show("", failure.what(), MessageIcon::Warning);
        messages.show(kApplicationError, std::string(kHostPathMissing) + "3", MessageIcon::Warning);
        return {};
    }
    hub.reset();
    try {
        return loadFromStorePath(path);
    } catch (const std::exception& failure) {
        messages.show("", failure.what(), MessageIcon::Warning);
        messages.show(kApplicationError, "Ошибка загрузки библиотеки", MessageIcon::Warning);
        return {};
    }
}

SharedLibrary LoadSettingsLibrary(IServiceEnvironment& environment)
{
    IMessageService& messages = environment.messages();
    CSysHub hub(environment);
    std::string path;
    try {
        if (!hub.ModulePath(kSettingsLibraryValue, path)) {
            messages.show(kSettingsError, "Не найдена запись пути к библиотеке настроек", MessageIcon::Warning);
            return {};
        }
    } catch (const std::exception&) {
        messages.show(kSettingsError, "Ошибка доступа к настройкам в реестре", MessageIcon::Warning);
        return {};
    }
    try {
        SharedLibrary loaded = loadFromStorePath(path);
        if (!loaded.isLoaded()) {
            char text[128];
            std::snprintf(text, sizeof text, "Ошибка загрузки библиотеки настроек: код %d",
                          static_cast<int>(loaded.error()));
            messages.show("", text, MessageIcon::Error);
        }
        return loaded;
    } catch (const std::exception& failure) {
        messages.show("", failure.what(), MessageIcon::Warning);
        return {};
    }
}

std::optional<std::uint32_t> FxHostLibraryHolder::GetColorFromDB(std::int32_t colorIndex)
{
    std::optional<std::uint32_t> color;
    try {
        const SharedLibrary library = LoadHostLibrary(m_environment);
        if (const auto function = library.find<exports::GetColorFromDB>())
            color = function(colorIndex);
    } catch (const std::exception& failure) {
        m_environment.messages().show("", failure.what(), MessageIcon::Warning);
    }
    return color;
}

int FxSettingsLibraryHolder::SettingsDialog(std::uintptr_t parentWindow, int argument)
{
    int result = 0;
    try {
        const SharedLibrary library = LoadSettingsLibrary(m_environment);
        if (const auto function = library.find<exports::SettingsDialog>())
            result = function(parentWindow, argument);
    } catch (const std::exception& failure) {
        m_environment.messages().show("", failure.what(), MessageIcon::Warning);
    }
    return result;
}

}  // namespace tarvelo::services

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <fstream>

#include "TestEnvironment.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/MakerLibraries.h"
#include "tarvelo/services/SharedLibrary.h"

#ifndef _WIN32
#include <dlfcn.h>
#endif

using namespace tarvelo::services;
using namespace tarvelo::services::testing;

namespace {

const ShownMessage kHostPathMissing{
    "Ошибка приложения",
    "Не найдены параметры в реестре <библиотека Стелвикс>. См. <Проблемы установки> - конфигурация библиотек. #2",
    MessageIcon::Warning};
const ShownMessage kSettingsPathMissing{"Ошибка настроек", "Не найдена запись пути к библиотеке настроек",
                                        MessageIcon::Warning};

void registerLibrary(IServiceEnvironment& environment, const char* valueName, const std::string& path)
{
    CSysHub(environment).SetStringParams(CSysHub::kModulesKey, valueName, path, false);
}

// Whether the process has the library loaded at all, whoever loaded it.
bool isLoaded(const char* path)
{
#ifdef _WIN32
    return GetModuleHandleW(std::filesystem::path(path).filename().c_str()) != nullptr;
#else
    void* handle = ::dlopen(path, RTLD_NOW | RTLD_NOLOAD);
    if (handle != nullptr)
        ::dlclose(handle);
    return handle != nullptr;
#endif
}

}  // namespace

// Without a registered path every use tells the user once and goes on without the library.
TEST(MakerLibraries, unregisteredHostLibraryIsReportedOncePerUse)
{
    TestEnvironment environment;
    FxHostLibraryHolder holder(environment);
    EXPECT_EQ(holder.GetColorFromDB(1), std::nullopt);
    EXPECT_EQ(holder.GetColorFromDB(2), std::nullopt);
    EXPECT_EQ(environment.recorder.shown, (std::vector<ShownMessage>{kHostPathMissing, kHostPathMissing}));
    EXPECT_NE(environment.logText().find(" Error in CSysHub: ModulePath: GetValueString 2"), std::string::npos);
}

// A registered path to a missing file: no message, simply no service.
TEST(MakerLibraries, missingHostLibraryFileIsSilent)
{
    TestEnvironment environment;
    registerLibrary(environment, kHostSupportLibraryValue, cp1251Path(environment.root() / "missing" / "dhostsp"));
    EXPECT_EQ(FxHostLibraryHolder(environment).GetColorFromDB(1), std::nullopt);
    EXPECT_TRUE(environment.recorder.shown.empty());
}

// The library is loaded for the call and released after it.
TEST(MakerLibraries, hostLibraryIsLoadedForOneCall)
{
    TestEnvironment environment;
    registerLibrary(environment, kHostSupportLibraryValue, FAKE_HOST_SUPPORT);
    EXPECT_EQ(FxHostLibraryHolder(environment).GetColorFromDB(2), 0x00020406u);
    EXPECT_FALSE(isLoaded(FAKE_HOST_SUPPORT));
    EXPECT_TRUE(environment.recorder.shown.empty());

    // A library the host holds itself stays loaded: only the module's own reference goes.
    SharedLibrary hostReference(FAKE_HOST_SUPPORT);
    ASSERT_TRUE(hostReference.isLoaded());
    EXPECT_EQ(FxHostLibraryHolder(environment).GetColorFromDB(1), 0x00010203u);
    EXPECT_TRUE(isLoaded(FAKE_HOST_SUPPORT));
    EXPECT_TRUE(hostReference.release());
    EXPECT_FALSE(isLoaded(FAKE_HOST_SUPPORT));
}

// Paths are stored in code page 1251, so a library in a Cyrillic folder is found too.
TEST(MakerLibraries, cyrillicLibraryPathLoads)
{
    TestEnvironment environment;
    const std::filesystem::path folder = environment.root() / std::filesystem::path(u8"Библиотеки");
    std::filesystem::create_directories(folder);
    const std::filesystem::path copy = folder / std::filesystem::path(FAKE_HOST_SUPPORT).filename();
    std::filesystem::copy_file(FAKE_HOST_SUPPORT, copy);
    registerLibrary(environment, kHostSupportLibraryValue, cp1251Path(copy));
    EXPECT_EQ(FxHostLibraryHolder(environment).GetColorFromDB(3), 0x00030609u);
}

// The settings dialog: a missing path, a missing file (126), a file that is no library (193), a missing
// export, and a real call.
TEST(MakerLibraries, settingsLibraryMessagesAndCall)
{
    TestEnvironment environment;
    FxSettingsLibraryHolder holder(environment);
    EXPECT_EQ(holder.SettingsDialog(7, 0), 0);
    EXPECT_EQ(environment.recorder.shown, std::vector<ShownMessage>{kSettingsPathMissing});

    environment.recorder.shown.clear();
    registerLibrary(environment, kSettingsLibraryValue, cp1251Path(environment.root() / "missing" / "cfgkit.dll"));
    EXPECT_EQ(holder.SettingsDialog(7, 0), 0);
    EXPECT_EQ(environment.recorder.shown,
              (std::vector<ShownMessage>{{"", "Ошибка загрузки библиотеки настроек: код 126", MessageIcon::Error}}));

    environment.recorder.shown.clear();
    const std::filesystem::path damaged = environment.root() / "cfgkit.dll";
    std::ofstream(damaged) << "not a library";
    registerLibrary(environment, kSettingsLibraryValue, cp1251Path(damaged));
    EXPECT_EQ(holder.SettingsDialog(7, 0), 0);
    EXPECT_EQ(environment.recorder.shown,
              (std::vector<ShownMessage>{{"", "Ошибка загрузки библиотеки настроек: код 193", MessageIcon::Error}}));

    environment.recorder.shown.clear();
    registerLibrary(environment, kSettingsLibraryValue, NO_EXPORTS_LIBRARY);
    EXPECT_EQ(holder.SettingsDialog(7, 0), 0);
    EXPECT_FALSE(isLoaded(NO_EXPORTS_LIBRARY));
    registerLibrary(environment, kSettingsLibraryValue, FAKE_SETTINGS);
    EXPECT_EQ(holder.SettingsDialog(7, 3), 73);
    EXPECT_TRUE(environment.recorder.shown.empty());
    EXPECT_FALSE(isLoaded(FAKE_SETTINGS));
}

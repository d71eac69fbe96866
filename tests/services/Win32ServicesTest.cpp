// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// What only Windows has: the registry as other programs see it, its access
// control, the shell's documents folder, files held open without sharing, and
// the system's own account of its version and of the user's rights.
#include <gtest/gtest.h>

#include <windows.h>
#include <sddl.h>
#include <shlobj.h>

#include <fstream>
#include <optional>
#include <sstream>

#include "TestEnvironment.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/FxSystemService.h"

using namespace tarvelo::services;
using namespace tarvelo::services::testing;
namespace fs = std::filesystem;

namespace {

constexpr const char* kParamsPath = "Software\\Orvane Software\\KLD\\Params";
constexpr const char* kModulesPath = "Software\\Orvane Software\\KLD\\modz12p";

// A value of the current user's registry read by another program: only when it has the asked type.
std::optional<DWORD> registryNumber(const char* key, const char* name)
{
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

std::optional<std::string> registryText(const char* key, const char* name)
{
    char text[256] = {};
    DWORD size = sizeof text;
    if (RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(text);
}

std::optional<std::wstring> registryWideText(const wchar_t* key, const wchar_t* name)
{
    wchar_t text[256] = {};
    DWORD size = sizeof text;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(text);
}

// Lets everyone read and delete the key, and nobody set its values.
void denyWrites(const char* key)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;KRSD;;;WD)", SDDL_REVISION_1,
                                                                     &descriptor, nullptr));
    HKEY handle = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, WRITE_DAC, &handle), ERROR_SUCCESS);
    EXPECT_EQ(RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
    RegCloseKey(handle);
    LocalFree(descriptor);
}

fs::path knownDocumentsFolder()
{
    PWSTR folder = nullptr;
    if (FAILED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &folder)))
        return {};
    fs::path path(folder);
    CoTaskMemFree(folder);
    return path;
}

std::string fileBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace

// What the parameter service writes is found under the current user's Params and modz12p keys as
// REG_DWORD and REG_SZ by any other program, and what another program writes there it reads.
TEST(Win32Registry, valuesLiveWhereOtherProgramsFindThem)
{
    TestEnvironment environment;
    CSysHub hub(environment);
    hub.SetDwordParam("", "LevelDefaultType", 302);
    hub.SetStringParams(CSysHub::kParamsKey, "SymScl", "100.000000", false);
    hub.SetStringParams(CSysHub::kModulesKey, "DHOSTSP", "C:\\Tarvelo\\dhostsp.dll", false);

    EXPECT_EQ(registryNumber(kParamsPath, "LevelDefaultType"), 302u);
    EXPECT_EQ(registryText(kParamsPath, "LevelDefaultType"), std::nullopt) << "a number is no text";
    EXPECT_EQ(registryText(kParamsPath, "SymScl"), "100.000000");
    EXPECT_EQ(registryNumber(kParamsPath, "SymScl"), std::nullopt) << "a text is no number";
    EXPECT_EQ(registryText(kModulesPath, "DHOSTSP"), "C:\\Tarvelo\\dhostsp.dll");

    const DWORD breakType = 203;
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kParamsPath, "DivType", REG_DWORD, &breakType, sizeof breakType),
              ERROR_SUCCESS);
    EXPECT_EQ(hub.GetDwordParams("", "DivType"), 203u);
    EXPECT_FALSE(fs::exists(environment.logFile()));
}

// On a Russian system the registry holds the Cyrillic itself, readable by any program, and a
// Cyrillic text written by another program reads back as the same code page 1251 bytes.
TEST(Win32Registry, cyrillicTextsAreCyrillicOnARussianSystem)
{
    if (GetACP() != 1251)
        GTEST_SKIP() << "the system's code page is " << GetACP() << ", not 1251";
    TestEnvironment environment;
    CSysHub hub(environment);
    hub.SetStringParams(CSysHub::kParamsKey, "Note", cp1251("Разрез А-А"), false);
    EXPECT_EQ(registryWideText(L"Software\\Orvane Software\\KLD\\Params", L"Note"), L"Разрез А-А");

    const std::wstring layer = L"Оси";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Orvane Software\\KLD\\Params", L"Layer", REG_SZ,
                              layer.c_str(), static_cast<DWORD>((layer.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    EXPECT_EQ(hub.GetStringParams(CSysHub::kParamsKey, "Layer", "", false), cp1251("Оси"));
}

// A key the user may read but not write: both writes are refused with 5, logged, and change nothing.
TEST(Win32Registry, deniedWritesAreLoggedWithFive)
{
    TestEnvironment environment;
    CSysHub hub(environment);
    hub.SetDwordParam("", "Roundz", 3);
    denyWrites(kParamsPath);
    hub.SetDwordParam("", "Roundz", 5);
    hub.SetStringParams("", "SymScl", "2.000000", false);
    EXPECT_EQ(hub.GetDwordParams("", "Roundz"), 3u);
    EXPECT_EQ(loggedErrors(environment), (std::vector<std::string>{" Error in CSysHub: SetDwordParam 85 5",
                                                                   " Error in CSysHub: SetStringParams 100 5"}));
}

// A real failure is logged in the documents folder the shell reports, in a folder whose Cyrillic
// name every program sees as such.
TEST(Win32ErrorLog, logLandsInTheUsersDocumentsFolder)
{
    TestEnvironment privateRegistry;
    const fs::path documents = knownDocumentsFolder();
    ASSERT_FALSE(documents.empty());
    const fs::path folder = documents / L"Тарвело СПДС";
    fs::remove_all(folder);

    RecordingMessages messages;
    SystemServiceEnvironment system(messages);
    CSysHub(system).GetDwordParams("", "Roundz");

    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((documents / L"Тарвело*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    FindClose(search);
    EXPECT_EQ(std::wstring(found.cFileName), L"Тарвело СПДС");

    const std::string log = fileBytes(folder / L"ERRLOG.txt");
    fs::remove_all(folder);
    EXPECT_EQ(log.rfind("\r\n <------  install of Tarvelo for ( DATE :  ", 0), 0u) << log;
    EXPECT_NE(log.find("\r\n" + cp1251("Операционная система : Microsoft ")), std::string::npos) << log;
    EXPECT_TRUE(log.ends_with("\r\n Error in CSysHub: GetDwordParams 67 2")) << log;
    EXPECT_TRUE(messages.shown.empty());
}

// A log that another program holds open without sharing: each line of the record fails with the
// system's 32 in a message, and the file stays as it was.
TEST(Win32ErrorLog, logHeldByAnotherProgramShowsTheSystemError)
{
    TestEnvironment environment;
    CSysHub(environment).GetDwordParams("", "Roundz");
    const std::string before = environment.logText();
    const HANDLE held =
        CreateFileW(environment.logFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    CSysHub(environment).GetDwordParams("", "Roundz");
    CloseHandle(held);
    EXPECT_EQ(environment.recorder.shown,
              std::vector<ShownMessage>(4, ShownMessage{"", "Error on create log file: 32", MessageIcon::Warning}));
    EXPECT_EQ(environment.logText(), before);
}

// The description names the Windows that runs the tests as it reports itself, with its word size.
TEST(Win32SystemDescription, describesTheRunningWindows)
{
    OSVERSIONINFOEXW version{};
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&version)));
    std::string text;
    ASSERT_TRUE(FxSystemService().DescribeOS(text));

    EXPECT_EQ(text.rfind("Microsoft ", 0), 0u) << text;
    EXPECT_NE(text.find(" (build " + std::to_string(version.dwBuildNumber) + ")"), std::string::npos) << text;
    if (version.dwMajorVersion == 6 && version.dwMinorVersion == 1) {
        const char* name =
            version.wProductType == VER_NT_WORKSTATION ? "Microsoft Windows 7 " : "Microsoft Windows Server 2008 R2 ";
        EXPECT_EQ(text.rfind(name, 0), 0u) << text;
    }
    BOOL emulated = FALSE;
    IsWow64Process(GetCurrentProcess(), &emulated);
    const bool wide = sizeof(void*) == 8 || emulated;
    EXPECT_TRUE(text.ends_with(wide ? ", 64-bit" : ", 32-bit")) << text;
}

// Whoever the shell counts as an administrator is logged as one.
TEST(Win32SystemDescription, shellAdministratorIsAdministrator)
{
    if (!IsUserAnAdmin())
        GTEST_SKIP() << "the user is no administrator";
    EXPECT_TRUE(FxSystemService().IsAdmin());
}

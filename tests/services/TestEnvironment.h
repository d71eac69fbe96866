// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "EnvironmentGuard.h"
#include "TemporaryFolder.h"
#include "tarvelo/services/IServiceEnvironment.h"
#include "tarvelo/services/TextCodec.h"

// No Qt here: these fixtures are cross-built and run on Windows too.
#ifdef _WIN32
#include <windows.h>

#include "tarvelo/services/ExportShape.h"
#include "tarvelo/services/SharedLibrary.h"
#include "tarvelo/services/Win32RegistryBackend.h"
#else
#include <sys/wait.h>
#include <unistd.h>

#include "tarvelo/services/SqliteRegistryStore.h"
#endif

namespace tarvelo::services::testing {

struct ShownMessage {
    std::string caption;
    std::string text;
    MessageIcon icon;
    bool operator==(const ShownMessage&) const = default;
};

class RecordingMessages final : public IMessageService {
public:
    void show(const std::string& caption, const std::string& text, MessageIcon icon) override
    {
        shown.push_back({caption, text, icon});
    }
    std::vector<ShownMessage> shown;
};

#ifdef _WIN32

/// The maker's tree of the registry, which the tests on Windows use for real.
inline constexpr const char* kMakerKey = "Software\\Orvane Software";

/// The tests clear the maker's tree of the current user's registry, so they
/// run only where that registry is a private one: under Wine in a prefix of
/// their own, or where TARVELO_TESTS_OWN_REGISTRY says the machine is for testing.
namespace ntdll {
TARVELO_EXPORT_SHAPE(wine_get_version, const char* (*)());
}

inline void requirePrivateRegistry()
{
    const bool underWine = SharedLibrary(L"ntdll.dll").find<ntdll::wine_get_version>() != nullptr;
    const char* allowed = std::getenv("TARVELO_TESTS_OWN_REGISTRY");
    if (!underWine && (allowed == nullptr || std::string(allowed) != "1"))
        throw std::runtime_error("the tests would clear this user's registry settings of the product; "
                                 "run them under Wine or set TARVELO_TESTS_OWN_REGISTRY=1");
}

inline void clearMakerKey()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, kMakerKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kMakerKey);
}

#endif

/// A private store and documents folder under a fresh temporary folder, a
/// fixed clock and recorded messages. Everything is removed afterwards. On
/// Windows the store is the registry of the current user, emptied of the
/// maker's tree before and after.
class TestEnvironment final : public IServiceEnvironment {
public:
    TestEnvironment()
    {
#ifdef _WIN32
        requirePrivateRegistry();
        clearMakerKey();
        m_store = std::make_unique<Win32RegistryBackend>();
#endif
        std::filesystem::create_directories(documents());
#ifndef _WIN32
        m_store = std::make_unique<SqliteRegistryStore>(storeFile());
#endif
    }
#ifdef _WIN32
    ~TestEnvironment() override { clearMakerKey(); }
#endif

    IRegistryBackend& store() override { return *m_store; }
    IMessageService& messages() override { return recorder; }
    std::optional<std::filesystem::path> documentsFolder() override
    {
        std::error_code ignored;
        if (!std::filesystem::is_directory(documents(), ignored))
            return std::nullopt;
        return documents();
    }
    std::tm localTime() override { return now; }

#ifndef _WIN32
    /// Points the companion libraries, which open the store themselves, at
    /// this store for as long as the guard lives.
    [[nodiscard]] tarvelo::testing::EnvironmentGuard shareStore() const
    {
        return {SqliteRegistryStore::kLocationVariable, storeFile().parent_path().string()};
    }
#endif

    [[nodiscard]] std::filesystem::path root() const { return m_root.path(); }
    [[nodiscard]] std::filesystem::path documents() const { return root() / "Documents"; }
#ifndef _WIN32
    [[nodiscard]] std::filesystem::path storeFile() const { return root() / "store" / SqliteRegistryStore::kFileName; }
#endif
    [[nodiscard]] std::filesystem::path logFile() const
    {
        return documents() / std::filesystem::path(u8"Тарвело СПДС") / "ERRLOG.txt";
    }
    [[nodiscard]] std::string logText() const
    {
        std::ifstream in(logFile(), std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        return content.str();
    }

    RecordingMessages recorder;
    std::tm now = [] {
        std::tm time{};
        time.tm_year = 126;  // 2026
        time.tm_mon = 11;
        time.tm_mday = 5;
        time.tm_hour = 23;
        time.tm_min = 59;
        time.tm_sec = 1;
        return time;
    }();

private:
    tarvelo::testing::TemporaryFolder m_root;
    std::unique_ptr<IRegistryBackend> m_store;
};

/// Code page 1251 bytes of a UTF-8 literal, for comparing with the store and the log.
inline std::string cp1251(const char* utf8)
{
    return text::utf8ToCp1251(utf8);
}

/// The caller's lines of the records in the log, in order.
inline std::vector<std::string> loggedErrors(const TestEnvironment& environment)
{
    std::vector<std::string> lines;
    const std::string log = environment.logText();
    for (std::size_t pos = log.find(" Error in CSysHub: "); pos != std::string::npos;
         pos = log.find(" Error in CSysHub: ", pos + 1))
        lines.push_back(log.substr(pos, log.find('\r', pos) - pos));
    return lines;
}

/// A path as the store keeps it: code page 1251 bytes.
inline std::string cp1251Path(const std::filesystem::path& path)
{
    const std::u8string utf8 = path.u8string();
    return text::utf8ToCp1251(std::string(utf8.begin(), utf8.end()));
}

#ifndef _WIN32

/// Runs `body` in a child process, as an ordinary user when the tests run as
/// the superuser (whom file permissions do not stop), and returns its exit code.
inline int runInChildAsOrdinaryUser(const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(100);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 200;
}

#endif

}  // namespace tarvelo::services::testing

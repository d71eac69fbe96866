// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "EnvironmentGuard.h"
#include "TemporaryFolder.h"
#include "tarvelo/services/IServiceEnvironment.h"
#include "tarvelo/services/SqliteRegistryStore.h"
#include "tarvelo/services/TextCodec.h"

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

/// A private store and documents folder under a fresh temporary folder, a
/// fixed clock and recorded messages. Everything is removed afterwards.
class TestEnvironment final : public IServiceEnvironment {
public:
    TestEnvironment()
    {
        std::filesystem::create_directories(documents());
        m_store = std::make_unique<SqliteRegistryStore>(storeFile());
    }

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

    /// Points the companion libraries, which open the store themselves, at
    /// this store for as long as the guard lives.
    [[nodiscard]] tarvelo::testing::EnvironmentGuard shareStore() const
    {
        return {SqliteRegistryStore::kLocationVariable, storeFile().parent_path().string()};
    }

    [[nodiscard]] std::filesystem::path root() const { return m_root.path(); }
    [[nodiscard]] std::filesystem::path documents() const { return root() / "Documents"; }
    [[nodiscard]] std::filesystem::path storeFile() const { return root() / "store" / SqliteRegistryStore::kFileName; }
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
    std::unique_ptr<SqliteRegistryStore> m_store;
};

/// Code page 1251 bytes of a UTF-8 literal, for comparing with the store and the log.
inline std::string cp1251(const char* utf8)
{
    return text::utf8ToCp1251(utf8);
}

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

}  // namespace tarvelo::services::testing

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "IRegistryBackend.h"

namespace tarvelo::services {

/// The per-user parameter store on platforms without a registry: one SQLite
/// database of keys and typed values. Each operation is one transaction of
/// its own; the WAL journal keeps every committed write through a crash of
/// the writing process, and a busy timeout lets several processes share the
/// file.
///
/// An object serves one call (of the module or a companion library): the
/// connection of its first read is kept for the reads after it, since
/// opening the database costs far more than reading a value, and when the
/// object ends it is handed on to the next object of the same file in the
/// process. Every read still sees what was last committed, by any process.
/// Writes open a connection of their own, so that they meet the store's
/// rights as they are now; a store removed or replaced since is opened anew.
///
/// A file that turns out not to be a database is moved aside (renamed with
/// a ".damaged-" suffix and the time) and answered with 1009; the next
/// write starts a new store.
///
/// A store the user may not change (a copied or locked-down profile) is
/// still read, journal and all, without creating any file beside it.
class SqliteRegistryStore final : public IRegistryBackend {
public:
    /// Environment variable naming the folder of the store; tests and CI point it elsewhere.
    static constexpr const char* kLocationVariable = "TARVELO_STORE_DIR";
    static constexpr const char* kFileName = "registry.sqlite3";

    explicit SqliteRegistryStore(std::filesystem::path databaseFile);
    ~SqliteRegistryStore() override;
    SqliteRegistryStore(const SqliteRegistryStore&) = delete;
    SqliteRegistryStore& operator=(const SqliteRegistryStore&) = delete;

    /// The user's store: the folder named by TARVELO_STORE_DIR, or else
    /// "Orvane Software" in the user's configuration folder.
    static std::filesystem::path defaultDatabaseFile();

    std::uint32_t readValue(bool localMachine, const std::string& keyPath, const std::string& name,
                            StoredValue& value) override;
    std::uint32_t writeValue(bool localMachine, const std::string& keyPath, const std::string& name,
                             std::uint32_t type, std::string_view data) override;

private:
    std::uint32_t readOnce(bool localMachine, const std::string& keyPath, const std::string& name,
                           StoredValue& value);
    std::uint32_t writeOnce(bool localMachine, const std::string& keyPath, const std::string& name,
                            std::uint32_t type, std::string_view data);

    class OpenStore;
    struct ParkedStore;
    static ParkedStore& parkedStore();
    void forgetOpenStore();
    void takeParkedStore();

    std::filesystem::path m_file;
    std::unique_ptr<OpenStore> m_open;
};

/// Registry key paths compare without case and ignore doubled or trailing
/// backslashes: "Software\\A\\B\\" and "software\\a\\b" name the same key.
std::string normalizeKeyPath(const std::string& keyPath);

}  // namespace tarvelo::services

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <poll.h>
#include <sqlite3.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "TestEnvironment.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/FxRegistry.h"
#include "tarvelo/services/WindowsErrors.h"

using namespace tarvelo::services;
using namespace tarvelo::services::testing;

namespace {

constexpr const char* kKey = "Software\\Orvane Software\\KLD\\Params\\";

std::string valueName(char writer, int index)
{
    return std::string(1, writer) + std::to_string(index);
}

// Writes `count` numbers under names of its own; exits with the status of the first failed write, if any.
pid_t startWriter(const std::filesystem::path& storeFile, char writer, int count)
{
    const pid_t child = ::fork();
    if (child == 0) {
        SqliteRegistryStore store(storeFile);
        FxRegistry registry(store);
        for (int i = 0; i < count; ++i) {
            const std::uint32_t status =
                registry.SetValueDword(kKey, valueName(writer, i), static_cast<std::uint32_t>(i), false);
            if (status != 0)
                ::_exit(static_cast<int>(std::min<std::uint32_t>(status, 255)));
        }
        ::_exit(0);
    }
    return child;
}

int exitCodeOf(pid_t child)
{
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

// Two processes writing at once lose nothing: every one of their 2,000 values is there.
TEST(StoreRobustness, twoConcurrentWritersLoseNoValue)
{
    TestEnvironment environment;
    constexpr int kWrites = 1000;
    const pid_t first = startWriter(environment.storeFile(), 'a', kWrites);
    const pid_t second = startWriter(environment.storeFile(), 'b', kWrites);
    EXPECT_EQ(exitCodeOf(first), 0);
    EXPECT_EQ(exitCodeOf(second), 0);

    FxRegistry registry(environment.store());
    int missing = 0;
    for (const char writer : {'a', 'b'}) {
        for (int i = 0; i < kWrites; ++i) {
            std::uint32_t value = 0xFFFFFFFF;
            missing += registry.GetValueDword(kKey, valueName(writer, i), value, false) != 0 ||
                       value != static_cast<std::uint32_t>(i);
        }
    }
    EXPECT_EQ(missing, 0);
}

// A writer killed at a random moment, 200 times over, leaves a readable store with every
// value whose write had returned.
TEST(StoreRobustness, killedWriterKeepsEveryReturnedWrite)
{
    TestEnvironment environment;
    std::mt19937 random(12345);
    int written = 0;
    for (int round = 0; round < 200; ++round) {
        int report[2];
        ASSERT_EQ(::pipe(report), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(report[0]);
            SqliteRegistryStore store(environment.storeFile());
            FxRegistry registry(store);
            for (std::uint32_t i = written;; ++i) {
                if (registry.SetValueDword(kKey, "v" + std::to_string(i), i, false) != 0)
                    ::_exit(1);
                if (::write(report[1], &i, sizeof i) != sizeof i)
                    ::_exit(2);
            }
        }
        ::close(report[1]);
        // Once the writer is under way, kill it at a random moment of its writes.
        std::uint32_t first = 0;
        pollfd ready{report[0], POLLIN, 0};
        if (::poll(&ready, 1, 30000) == 1 && ::read(report[0], &first, sizeof first) == sizeof first)
            written = static_cast<int>(first) + 1;
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself in round " << round;
        std::uint32_t confirmed = 0;
        while (::read(report[0], &confirmed, sizeof confirmed) == sizeof confirmed)
            written = static_cast<int>(confirmed) + 1;
        ::close(report[0]);
    }

    FxRegistry registry(environment.store());
    int missing = 0;
    for (int i = 0; i < written; ++i) {
        std::uint32_t value = 0xFFFFFFFF;
        missing += registry.GetValueDword(kKey, "v" + std::to_string(i), value, false) != 0 ||
                   value != static_cast<std::uint32_t>(i);
    }
    EXPECT_GT(written, 200);
    EXPECT_EQ(missing, 0);
}

// A store that is not a database reads as defaults, is logged, kept aside, and replaced on the next write.
TEST(StoreRobustness, damagedStoreIsKeptAsideAndReplaced)
{
    TestEnvironment environment;
    std::filesystem::create_directories(environment.storeFile().parent_path());
    std::string garbage(8192, '\0');
    std::mt19937 random(7);
    for (char& byte : garbage)
        byte = static_cast<char>(random());
    {
        std::ofstream out(environment.storeFile(), std::ios::binary);
        out << garbage;
    }

    CSysHub hub(environment);
    EXPECT_EQ(hub.GetDwordParams("", "DivType"), 0u);
    EXPECT_NE(environment.logText().find(" Error in CSysHub: GetDwordParams 67 1009"), std::string::npos);

    std::vector<std::filesystem::path> keptAside;
    for (const auto& entry : std::filesystem::directory_iterator(environment.storeFile().parent_path())) {
        if (entry.path().filename().string().find(".damaged-") != std::string::npos)
            keptAside.push_back(entry.path());
    }
    ASSERT_EQ(keptAside.size(), 1u);
    std::ifstream in(keptAside.front(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), garbage);

    hub.SetDwordParam("", "DivType", 203);
    EXPECT_EQ(hub.GetDwordParams("", "DivType"), 203u);
}

// Without write permission on the store's folder writes report 5, nothing crashes and reads go on.
TEST(StoreRobustness, unwritableFolderReportsAccessDenied)
{
    TestEnvironment environment;
    {
        FxRegistry registry(environment.store());
        ASSERT_EQ(registry.SetValueDword(kKey, "Roundz", 2, false), 0u);
    }
    std::filesystem::permissions(environment.root(), std::filesystem::perms::all);
    std::filesystem::permissions(environment.documents(), std::filesystem::perms::all);
    std::filesystem::permissions(environment.storeFile().parent_path(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                                     std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
    std::filesystem::permissions(environment.storeFile(), std::filesystem::perms::owner_read |
                                                              std::filesystem::perms::others_read);

    const int status = runInChildAsOrdinaryUser([&] {
        FxRegistry registry(environment.store());
        const std::uint32_t written = registry.SetValueDword(kKey, "Roundz", 5, false);
        CSysHub(environment).SetDwordParam("", "Roundz", 6);
        return static_cast<int>(written);
    });
    EXPECT_EQ(status, 5);
    EXPECT_NE(environment.logText().find(" Error in CSysHub: SetDwordParam 85 5"), std::string::npos);

    std::uint32_t value = 0;
    FxRegistry registry(environment.store());
    EXPECT_EQ(registry.GetValueDword(kKey, "Roundz", value, false), 0u);
    EXPECT_EQ(value, 2u);
}

namespace {

// The files a store may come with when a profile is copied or locked down.
enum class JournalFiles { All, Emptied, WithoutSharedMemory, None };

const char* describe(JournalFiles files)
{
    switch (files) {
    case JournalFiles::All:
        return "with its journal and shared memory files";
    case JournalFiles::Emptied:
        return "with both files, the journal emptied into the database";
    case JournalFiles::WithoutSharedMemory:
        return "with its journal but without the shared memory file";
    case JournalFiles::None:
        return "without journal files";
    }
    return "";
}

std::filesystem::path besideStore(const TestEnvironment& environment, const char* suffix)
{
    std::filesystem::path path = environment.storeFile();
    path += suffix;
    return path;
}

// Leaves the store with the given journal files, its values where SQLite keeps them.
void arrangeJournal(const TestEnvironment& environment, JournalFiles files)
{
    if (files == JournalFiles::Emptied || files == JournalFiles::None) {
        // Checkpointing moves the journal into the database; the last connection to close then
        // removes both files unless told to keep them.
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(environment.storeFile().c_str(), &db), SQLITE_OK);
        if (files == JournalFiles::Emptied)
            sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        ASSERT_EQ(sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    if (files == JournalFiles::WithoutSharedMemory || files == JournalFiles::None)
        std::filesystem::remove(besideStore(environment, "-shm"));
    ASSERT_EQ(std::filesystem::exists(besideStore(environment, "-wal")), files != JournalFiles::None);
}

// Sets Roundz in another process, as another call or program would.
void writeElsewhere(const std::filesystem::path& file, std::uint32_t value)
{
    const pid_t writer = ::fork();
    if (writer == 0) {
        SqliteRegistryStore other(file);
        ::_exit(static_cast<int>(FxRegistry(other).SetValueDword(kKey, "Roundz", value, false)));
    }
    ASSERT_EQ(exitCodeOf(writer), 0);
}

// Roundz as another process reads it; 99 when it cannot.
int readElsewhere(const TestEnvironment& environment)
{
    const pid_t reader = ::fork();
    if (reader == 0) {
        SqliteRegistryStore other(environment.storeFile());
        std::uint32_t value = 0;
        ::_exit(FxRegistry(other).GetValueDword(kKey, "Roundz", value, false) == 0 ? static_cast<int>(value) : 99);
    }
    return exitCodeOf(reader);
}

void removeStore(const TestEnvironment& environment)
{
    for (const char* suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(besideStore(environment, suffix));
}

// Puts another store, holding Roundz = value, in the store's place.
void replaceStore(const TestEnvironment& environment, std::uint32_t value)
{
    const std::filesystem::path replacement = besideStore(environment, ".new");
    writeElsewhere(replacement, value);
    removeStore(environment);
    for (const char* suffix : {"-wal", "-shm", ""}) {
        std::filesystem::path from = replacement;
        from += suffix;
        if (std::filesystem::exists(from))
            std::filesystem::rename(from, besideStore(environment, suffix));
    }
}

void lockDown(const TestEnvironment& environment)
{
    namespace fs = std::filesystem;
    fs::permissions(environment.root(), fs::perms::all);
    fs::permissions(environment.documents(), fs::perms::all);
    const fs::path folder = environment.storeFile().parent_path();
    for (const auto& entry : fs::directory_iterator(folder))
        fs::permissions(entry.path(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                fs::perms::others_exec);
}

}  // namespace

// A store whose folder and files the user may not change still gives every value written into it,
// whichever journal files came with it, refuses writes as access denied, and leaves no error in the log.
TEST(StoreRobustness, readOnlyStoreKeepsItsValues)
{
    for (const JournalFiles files :
         {JournalFiles::All, JournalFiles::Emptied, JournalFiles::WithoutSharedMemory, JournalFiles::None}) {
        SCOPED_TRACE(describe(files));
        TestEnvironment environment;
        // Written by another process, so that no connection of this one keeps the journal.
        const pid_t writer = ::fork();
        if (writer == 0) {
            CSysHub hub(environment);
            hub.SetDwordParam("", "Roundz", 3);
            hub.SetStringParams(kKey, "SymScl", "100.000000", false);
            ::_exit(0);
        }
        ASSERT_EQ(exitCodeOf(writer), 0);
        arrangeJournal(environment, files);
        lockDown(environment);

        const int status = runInChildAsOrdinaryUser([&] {
            CSysHub hub(environment);
            const bool number = hub.GetDwordParams("", "Roundz") == 3;
            const bool text = hub.GetStringParams(kKey, "SymScl", "", false) == "100.000000";
            // Even a value written as it stands is refused as access denied, as the registry refuses it,
            // also where SQLite cannot make the journal's shared-memory file and says "no such file".
            SqliteRegistryStore store(environment.storeFile());
            FxRegistry registry(store);
            std::uint32_t value = 0;
            registry.GetValueDword(kKey, "Roundz", value, false);
            const bool refused = registry.SetValueDword(kKey, "Roundz", value, false) == 5;
            return (number ? 0 : 1) | (text ? 0 : 2) | (refused ? 0 : 4);
        });
        EXPECT_EQ(status, 0) << "1: the number was lost, 2: the text was lost, 4: a write was not refused as access denied";
        EXPECT_EQ(environment.logText().find("Error in CSysHub"), std::string::npos) << environment.logText();
    }
}

// The first write into a folder the user may not change is refused as access denied, not as a missing path.
TEST(StoreRobustness, firstWriteIntoUnwritableFolderReportsAccessDenied)
{
    TestEnvironment environment;
    std::filesystem::create_directories(environment.storeFile().parent_path());
    lockDown(environment);

    const int status = runInChildAsOrdinaryUser([&] {
        const std::uint32_t written = FxRegistry(environment.store()).SetValueDword(kKey, "Roundz", 5, false);
        CSysHub(environment).SetDwordParam("", "Roundz", 6);
        return static_cast<int>(written);
    });
    EXPECT_EQ(status, 5);
    EXPECT_NE(environment.logText().find(" Error in CSysHub: SetDwordParam 85 5"), std::string::npos)
        << environment.logText();
    EXPECT_FALSE(std::filesystem::exists(environment.storeFile()));
}

// One store object serving many reads still answers each one with what is committed now: another
// process's write, the store removed, and a store put in its place.
TEST(StoreRobustness, readsFollowTheStoreAsItIsNow)
{
    TestEnvironment environment;
    FxRegistry registry(environment.store());
    ASSERT_EQ(registry.SetValueDword(kKey, "Roundz", 2, false), 0u);
    std::uint32_t value = 0;
    ASSERT_EQ(registry.GetValueDword(kKey, "Roundz", value, false), 0u);
    ASSERT_EQ(value, 2u);

    writeElsewhere(environment.storeFile(), 4);
    EXPECT_EQ(registry.GetValueDword(kKey, "Roundz", value, false), 0u);
    EXPECT_EQ(value, 4u);

    removeStore(environment);
    value = 0;
    EXPECT_EQ(registry.GetValueDword(kKey, "Roundz", value, false), tarvelo::winerror::kFileNotFound);
    EXPECT_EQ(value, 0u);

    replaceStore(environment, 7);
    EXPECT_EQ(registry.GetValueDword(kKey, "Roundz", value, false), 0u);
    EXPECT_EQ(value, 7u);

    // Its own write is read back through the same object.
    ASSERT_EQ(registry.SetValueDword(kKey, "Roundz", 9, false), 0u);
    EXPECT_EQ(registry.GetValueDword(kKey, "Roundz", value, false), 0u);
    EXPECT_EQ(value, 9u);
}

// Writes after a read go through the connection the read kept: another process sees them at
// once, and a store file replaced in between gets them instead of the one that was there.
TEST(StoreRobustness, laterCallsWriteToTheStoreAsItIsNow)
{
    TestEnvironment environment;
    auto write = [&](std::uint32_t value) {
        SqliteRegistryStore store(environment.storeFile());
        return FxRegistry(store).SetValueDword(kKey, "Roundz", value, false);
    };
    ASSERT_EQ(write(2), 0u);
    ASSERT_EQ(readElsewhere(environment), 2);
    {
        SqliteRegistryStore reader(environment.storeFile());
        std::uint32_t value = 0;
        ASSERT_EQ(FxRegistry(reader).GetValueDword(kKey, "Roundz", value, false), 0u);
    }
    ASSERT_EQ(write(3), 0u);
    EXPECT_EQ(readElsewhere(environment), 3);

    removeStore(environment);
    ASSERT_EQ(write(5), 0u);
    EXPECT_EQ(readElsewhere(environment), 5);
}

// The reading connection one call's store object leaves behind serves the next call's object of
// the same file, and that object still reads the store as it is now.
TEST(StoreRobustness, laterCallsReadTheStoreAsItIsNow)
{
    TestEnvironment environment;
    auto readRoundz = [&](const std::filesystem::path& file, std::uint32_t& value) {
        SqliteRegistryStore store(file);
        return FxRegistry(store).GetValueDword(kKey, "Roundz", value, false);
    };
    {
        SqliteRegistryStore writer(environment.storeFile());
        ASSERT_EQ(FxRegistry(writer).SetValueDword(kKey, "Roundz", 2, false), 0u);
    }
    std::uint32_t value = 0;
    ASSERT_EQ(readRoundz(environment.storeFile(), value), 0u);
    ASSERT_EQ(value, 2u);

    writeElsewhere(environment.storeFile(), 4);
    EXPECT_EQ(readRoundz(environment.storeFile(), value), 0u);
    EXPECT_EQ(value, 4u);

    replaceStore(environment, 7);
    EXPECT_EQ(readRoundz(environment.storeFile(), value), 0u);
    EXPECT_EQ(value, 7u);

    // Another file's object does not read through it.
    value = 0;
    EXPECT_EQ(readRoundz(besideStore(environment, ".other"), value), tarvelo::winerror::kFileNotFound);
    EXPECT_EQ(value, 0u);
}

// A value written again as it stands leaves the journal as it was, so the defaults each dialog
// saves on acceptance do not grow it call after call; a new value, type or spelling is written.
TEST(StoreRobustness, unchangedWritesLeaveTheJournalAlone)
{
    TestEnvironment environment;
    SqliteRegistryStore store(environment.storeFile());
    FxRegistry registry(store);
    ASSERT_EQ(registry.SetValueDword(kKey, "Roundz", 3, false), 0u);
    ASSERT_EQ(registry.SetValueString(kKey, "SymScl", "100.000000", false), 0u);
    const auto journal = besideStore(environment, "-wal");
    const auto journalSize = std::filesystem::file_size(journal);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(registry.SetValueDword(kKey, "Roundz", 3, false), 0u);
        ASSERT_EQ(registry.SetValueString(kKey, "SymScl", "100.000000", false), 0u);
    }
    EXPECT_EQ(std::filesystem::file_size(journal), journalSize);

    ASSERT_EQ(registry.SetValueDword(kKey, "Roundz", 4, false), 0u);
    ASSERT_EQ(registry.SetValueString(kKey, "roundz", "4", false), 0u);
    EXPECT_GT(std::filesystem::file_size(journal), journalSize);

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(environment.storeFile().c_str(), &db), SQLITE_OK);
    sqlite3_stmt* row = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT name, type, data FROM registry_values WHERE name = 'ROUNDZ'", -1, &row,
                                 nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(row), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(row, 0)), "roundz");
    EXPECT_EQ(sqlite3_column_int(row, 1), 1);
    EXPECT_EQ(std::string(static_cast<const char*>(sqlite3_column_blob(row, 2)), sqlite3_column_bytes(row, 2)).rfind("4", 0),
              0u);
    EXPECT_EQ(sqlite3_step(row), SQLITE_DONE);
    sqlite3_finalize(row);
    sqlite3_close(db);
}

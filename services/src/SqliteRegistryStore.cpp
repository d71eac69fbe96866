// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
// Not QSettings: it keeps typed values as exact bytes, loses no commit to concurrent or killed processes, needs no Qt.
#include "tarvelo/services/SqliteRegistryStore.h"

#include <sqlite3.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QStandardPaths>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "tarvelo/services/IServiceEnvironment.h"
#include "tarvelo/services/WindowsErrors.h"

namespace tarvelo::services {

namespace {

namespace fs = std::filesystem;

constexpr int kBusyTimeoutMs = 10000;
constexpr int kJournalPagesKept = 64;

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS registry_keys("
    " hive INTEGER NOT NULL, path TEXT NOT NULL COLLATE NOCASE, PRIMARY KEY(hive, path));"
    "CREATE TABLE IF NOT EXISTS registry_values("
    " hive INTEGER NOT NULL, path TEXT NOT NULL COLLATE NOCASE, name TEXT NOT NULL COLLATE NOCASE,"
    " type INTEGER NOT NULL, data BLOB NOT NULL, PRIMARY KEY(hive, path, name));";

// What the registry would have answered for a database failure.
std::uint32_t statusOf(int sqliteCode)
{
    switch (sqliteCode & 0xFF) {
    case SQLITE_OK:
    case SQLITE_DONE:
    case SQLITE_ROW:
        return winerror::kSuccess;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return winerror::kAccessDenied;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_PROTOCOL:
        return winerror::kSharingViolation;
    case SQLITE_CANTOPEN:
        return winerror::kPathNotFound;
    case SQLITE_FULL:
        return winerror::kDiskFull;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return winerror::kBadDatabase;
    default:
        return winerror::kRegistryIoFailed;
    }
}

bool isDamage(int sqliteCode)
{
    return (sqliteCode & 0xFF) == SQLITE_NOTADB || (sqliteCode & 0xFF) == SQLITE_CORRUPT;
}

// How a connection reaches the store. Writers and readers share the journal;
// a store the user may not change is read without creating journal files.
enum class Access { Shared, ReadOnly, Immutable };

// The store as an SQLite URI, so that read-only and immutable opens can say so.
std::string fileUri(const fs::path& file, const char* parameter)
{
    static const char* const kHex = "0123456789ABCDEF";
    std::string uri = "file:";
    for (const char c : file.string()) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 0xF];
        }
    }
    return uri + "?" + parameter;
}

// One open connection for one operation.
class Connection {
public:
    Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection()
    {
        for (const auto& [text, statement] : m_reusable)
            sqlite3_finalize(statement);
        sqlite3_close_v2(m_db);
    }

    int open(const fs::path& file, bool forWriting, Access access = Access::Shared)
    {
        if (access != Access::Shared) {
            // Nothing is written, so the journal mode stays as the store has it.
            const std::string uri = fileUri(file, access == Access::ReadOnly ? "mode=ro" : "immutable=1");
            const int rc = sqlite3_open_v2(uri.c_str(), &m_db,
                                           SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
            if (rc == SQLITE_OK)
                sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
            return rc;
        }
        const int flags = forWriting ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READWRITE;
        int rc = sqlite3_open_v2(file.c_str(), &m_db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
        if (rc != SQLITE_OK)
            return rc;
        sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
        // Every operation closes its connection; checkpointing (and syncing) on each close would
        // make one write cost milliseconds. The WAL is checkpointed as it grows instead.
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        // The first statement reads the header, so a file that is no database fails here.
        rc = exec("PRAGMA journal_mode=WAL");
        if (rc == SQLITE_OK)
            rc = exec("PRAGMA synchronous=NORMAL");
        sqlite3_wal_hook(m_db, &Connection::keepJournalShort, nullptr);
        return rc;
    }

    int exec(const char* sql) { return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr); }
    [[nodiscard]] bool autocommit() const { return sqlite3_get_autocommit(m_db) != 0; }
    [[nodiscard]] bool readOnly() const { return sqlite3_db_readonly(m_db, "main") != 0; }

    // Opening a store replays its whole journal, so the journal is emptied
    // into the database once it holds a few dozen pages.
    static int keepJournalShort(void*, sqlite3* db, const char* schema, int pages)
    {
        if (pages >= kJournalPagesKept)
            sqlite3_wal_checkpoint_v2(db, schema, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
        return SQLITE_OK;
    }

    // A statement this connection prepared before, its bindings cleared; prepared now otherwise.
    sqlite3_stmt* reuse(const char* sql, int& rc)
    {
        for (const auto& [text, statement] : m_reusable) {
            if (text == sql) {
                rc = SQLITE_OK;
                sqlite3_clear_bindings(statement);
                return statement;
            }
        }
        sqlite3_stmt* statement = nullptr;
        rc = sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr);
        if (rc == SQLITE_OK)
            m_reusable.emplace_back(sql, statement);
        return statement;
    }

    [[nodiscard]] int extendedError() const { return sqlite3_extended_errcode(m_db); }
    [[nodiscard]] int systemError() const { return m_db != nullptr ? sqlite3_system_errno(m_db) : 0; }

private:
    sqlite3* m_db = nullptr;
    std::vector<std::pair<const char*, sqlite3_stmt*>> m_reusable;
};

fs::path besideStore(const fs::path& file, const char* suffix)
{
    fs::path path = file;
    path += suffix;
    return path;
}

// Keeps a damaged store for inspection instead of deleting it.
void moveAside(const fs::path& file)
{
    const std::tm local = localTimeNow();
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%S", &local);
    const std::string suffix = std::string(".damaged-") + stamp;
    std::error_code ignored;
    for (const char* companion : {"", "-wal", "-shm"}) {
        const fs::path from = besideStore(file, companion);
        if (fs::exists(from, ignored))
            fs::rename(from, besideStore(file, (suffix + companion).c_str()), ignored);
    }
}

std::uint32_t failure(const Connection& db, int rc, const fs::path& file)
{
    if (isDamage(rc))
        moveAside(file);
    // A file that cannot be opened says why through the system's error number.
    if ((rc & 0xFF) == SQLITE_CANTOPEN && db.systemError() != 0)
        return winerror::fromErrno(db.systemError(), true);
    return statusOf(rc);
}

// SQLite answers a store or journal file it may not create with the error of its read-only
// retry, "no such file"; a folder the user may not change says why.
std::uint32_t writeFailure(const Connection& db, int rc, const fs::path& file)
{
    const std::uint32_t status = failure(db, rc, file);
    if (status == winerror::kPathNotFound && ::access(file.parent_path().c_str(), W_OK | X_OK) != 0)
        return winerror::fromErrno(errno, true);
    return status;
}

bool isAccessFailure(std::uint32_t status)
{
    return status == winerror::kAccessDenied || status == winerror::kPathNotFound;
}

// True when the journal may hold writes that are not yet in the database itself.
bool journalHoldsWrites(const fs::path& file)
{
    std::error_code error;
    const std::uintmax_t size = fs::file_size(besideStore(file, "-wal"), error);
    return !error && size > 0;
}

// A private folder for a copy of the store, removed with the object.
class PrivateFolder {
public:
    PrivateFolder()
    {
        std::error_code error;
        std::string pattern = (fs::temp_directory_path(error) / "tarvelo-store-XXXXXX").string();
        if (!error && ::mkdtemp(pattern.data()) != nullptr)
            m_path = pattern;
    }
    ~PrivateFolder()
    {
        std::error_code ignored;
        if (!m_path.empty())
            fs::remove_all(m_path, ignored);
    }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    [[nodiscard]] const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

// Every key from the hive's root down to `path`, for creating missing parents.
std::vector<std::string> keyAndParents(const std::string& path)
{
    std::vector<std::string> keys{""};
    for (std::size_t pos = path.find('\\'); pos != std::string::npos; pos = path.find('\\', pos + 1))
        keys.push_back(path.substr(0, pos));
    if (!path.empty())
        keys.push_back(path);
    return keys;
}

// Runs a statement on one value, ?1 to ?5 being its hive, key path, name, type and data, and
// resets it. SQLITE_ROW or SQLITE_DONE; otherwise the connection's extended error.
int stepOnValue(Connection& db, const char* sql, int hive, const std::string& path, const std::string& name,
                std::uint32_t type, std::string_view data)
{
    int rc = SQLITE_OK;
    sqlite3_stmt* statement = db.reuse(sql, rc);
    if (rc != SQLITE_OK)
        return rc;
    sqlite3_bind_int(statement, 1, hive);
    sqlite3_bind_text(statement, 2, path.data(), static_cast<int>(path.size()), SQLITE_STATIC);
    sqlite3_bind_text(statement, 3, name.data(), static_cast<int>(name.size()), SQLITE_STATIC);
    sqlite3_bind_int64(statement, 4, type);
    sqlite3_bind_blob(statement, 5, data.data(), static_cast<int>(data.size()), SQLITE_STATIC);
    rc = sqlite3_step(statement);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        rc = db.extendedError();
    sqlite3_reset(statement);
    return rc;
}

// Whether the value stands in the store exactly as it would be written, spelling included.
bool standsAsWritten(Connection& db, int hive, const std::string& path, const std::string& name, std::uint32_t type,
                     std::string_view data)
{
    return stepOnValue(db,
                       "SELECT 1 FROM registry_values WHERE hive = ?1 AND path = ?2 AND name = ?3"
                       " AND path = ?2 COLLATE BINARY AND name = ?3 COLLATE BINARY AND type = ?4 AND data = ?5",
                       hive, path, name, type, data) == SQLITE_ROW;
}

// One value written in one transaction: the key, its parents and the value. The
// statements stay prepared on a connection that is kept. SQLite's result; a failed
// transaction is left to the caller.
int writeThrough(Connection& db, bool localMachine, const std::string& keyPath, const std::string& name,
                 std::uint32_t type, std::string_view data)
{
    const std::string path = normalizeKeyPath(keyPath);
    const int hive = localMachine ? 1 : 0;
    // Most of what a dialog saves on acceptance is what the store already holds. Leaving such a
    // value alone is the same as writing it just before this read, and takes no write lock. A
    // store this user may not change still refuses the write, as it refuses any other.
    if (!db.readOnly() && standsAsWritten(db, hive, path, name, type, data))
        return SQLITE_OK;
    int rc = db.exec("BEGIN IMMEDIATE");
    if (rc != SQLITE_OK)
        return rc;
    sqlite3_stmt* addKey = db.reuse("INSERT OR IGNORE INTO registry_keys(hive, path) VALUES(?1, ?2)", rc);
    if (rc != SQLITE_OK)
        return rc;
    for (const std::string& key : keyAndParents(path)) {
        sqlite3_bind_int(addKey, 1, hive);
        sqlite3_bind_text(addKey, 2, key.data(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
        const bool added = sqlite3_step(addKey) == SQLITE_DONE;
        rc = added ? SQLITE_OK : db.extendedError();
        sqlite3_reset(addKey);
        if (!added)
            return rc;
    }
    // Another process may have written the same value since the look above: then no page
    // changes. Otherwise the new spelling of the key and name wins, as a replaced row's would.
    rc = stepOnValue(db,
                     "INSERT INTO registry_values(hive, path, name, type, data) VALUES(?1, ?2, ?3, ?4, ?5)"
                     " ON CONFLICT(hive, path, name) DO UPDATE SET"
                     " path = excluded.path, name = excluded.name, type = excluded.type, data = excluded.data"
                     " WHERE path <> excluded.path COLLATE BINARY OR name <> excluded.name COLLATE BINARY"
                     " OR type <> excluded.type OR data <> excluded.data",
                     hive, path, name, type, data);
    return rc == SQLITE_DONE ? db.exec("COMMIT") : rc;
}

// Some lock conflicts come back at once, past the busy timeout: a change of
// journal mode on a new store, or a journal being recovered by another
// process. The whole operation is tried again then, for a bounded time.
template <class Operation>
std::uint32_t retryWhileShared(Operation operation)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kBusyTimeoutMs);
    std::uint32_t status = operation();
    for (int attempt = 1; status == winerror::kSharingViolation && std::chrono::steady_clock::now() < deadline;
         ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(attempt, 20)));
        status = operation();
    }
    return status;
}

constexpr const char* kSelectValue =
    "SELECT type, data FROM registry_values WHERE hive = ?1 AND path = ?2 AND name = ?3";

// One read through an open connection. The statement is reset before the
// read returns, so that the connection holds no snapshot between reads.
std::uint32_t readThrough(Connection& db, const fs::path& file, bool localMachine, const std::string& keyPath,
                          const std::string& name, StoredValue& value)
{
    int rc = SQLITE_OK;
    sqlite3_stmt* query = db.reuse(kSelectValue, rc);
    if (rc != SQLITE_OK)
        return (rc & 0xFF) == SQLITE_ERROR ? winerror::kFileNotFound : failure(db, rc, file);  // no tables yet
    const std::string path = normalizeKeyPath(keyPath);
    sqlite3_bind_int(query, 1, localMachine ? 1 : 0);
    sqlite3_bind_text(query, 2, path.data(), static_cast<int>(path.size()), SQLITE_STATIC);
    sqlite3_bind_text(query, 3, name.data(), static_cast<int>(name.size()), SQLITE_STATIC);
    rc = sqlite3_step(query);
    std::uint32_t status = winerror::kSuccess;
    if (rc == SQLITE_DONE) {
        status = winerror::kFileNotFound;
    } else if (rc != SQLITE_ROW) {
        status = failure(db, db.extendedError(), file);
    } else {
        value.type = static_cast<std::uint32_t>(sqlite3_column_int64(query, 0));
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(query, 1));
        value.data.assign(bytes != nullptr ? bytes : "", static_cast<std::size_t>(sqlite3_column_bytes(query, 1)));
    }
    sqlite3_reset(query);
    return status;
}

// One read through a connection of the given access, closed after it.
std::uint32_t readFrom(const fs::path& file, Access access, bool localMachine, const std::string& keyPath,
                       const std::string& name, StoredValue& value)
{
    Connection db;
    const int rc = db.open(file, false, access);
    if (rc != SQLITE_OK)
        return failure(db, rc, file);
    return readThrough(db, file, localMachine, keyPath, name, value);
}

bool isReadAnswer(std::uint32_t status)
{
    return status == winerror::kSuccess || status == winerror::kFileNotFound;
}

}  // namespace

std::string normalizeKeyPath(const std::string& keyPath)
{
    std::string normalized;
    normalized.reserve(keyPath.size());
    for (const char c : keyPath) {
        if (c == '\\' && (normalized.empty() || normalized.back() == '\\'))
            continue;
        normalized += c;
    }
    if (!normalized.empty() && normalized.back() == '\\')
        normalized.pop_back();
    return normalized;
}

// The connection kept for reading, and the file and process it was opened for.
class SqliteRegistryStore::OpenStore {
public:
    explicit OpenStore(const struct stat& file) : m_process(::getpid()) { identify(file); }

    void identify(const struct stat& file)
    {
        m_device = file.st_dev;
        m_inode = file.st_ino;
    }

    // A connection is no use for another file in the store's place, and
    // SQLite's connections must not cross into a forked process.
    [[nodiscard]] bool serves(const struct stat& file) const
    {
        return file.st_dev == m_device && file.st_ino == m_inode && ::getpid() == m_process;
    }
    [[nodiscard]] bool openedInThisProcess() const { return ::getpid() == m_process; }

    Connection db;

private:
    dev_t m_device;
    ino_t m_inode;
    pid_t m_process;
};

// The reading connection of the last store object that ended, kept for the
// next object of the same file: a host calls the module again and again, and
// opening the database costs far more than the call's reads together.
struct SqliteRegistryStore::ParkedStore {
    std::mutex lock;
    fs::path file;
    std::unique_ptr<OpenStore> open;
};

SqliteRegistryStore::ParkedStore& SqliteRegistryStore::parkedStore()
{
    static ParkedStore parked;
    return parked;
}

SqliteRegistryStore::SqliteRegistryStore(std::filesystem::path databaseFile) : m_file(std::move(databaseFile)) {}

SqliteRegistryStore::~SqliteRegistryStore()
{
    if (m_open && m_open->openedInThisProcess()) {
        ParkedStore& parked = parkedStore();
        std::unique_ptr<OpenStore> replaced;
        const std::lock_guard<std::mutex> guard(parked.lock);
        replaced = std::move(parked.open);
        parked.file = m_file;
        parked.open = std::move(m_open);
    }
    forgetOpenStore();
}

void SqliteRegistryStore::takeParkedStore()
{
    ParkedStore& parked = parkedStore();
    const std::lock_guard<std::mutex> guard(parked.lock);
    if (parked.open && parked.file == m_file)
        m_open = std::move(parked.open);
}

void SqliteRegistryStore::forgetOpenStore()
{
    // A forked process leaves its parent's connection alone: closing it here would
    // act on files and locks that are the parent's.
    if (m_open && !m_open->openedInThisProcess())
        static_cast<void>(m_open.release());
    m_open.reset();
}

std::filesystem::path SqliteRegistryStore::defaultDatabaseFile()
{
    if (const char* folder = std::getenv(kLocationVariable); folder != nullptr && *folder != '\0')
        return fs::path(folder) / kFileName;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return fs::path(config.toStdString()) / "Orvane Software" / kFileName;
}

std::uint32_t SqliteRegistryStore::readValue(bool localMachine, const std::string& keyPath,
                                             const std::string& name, StoredValue& value)
{
    return retryWhileShared([&] { return readOnce(localMachine, keyPath, name, value); });
}

std::uint32_t SqliteRegistryStore::readOnce(bool localMachine, const std::string& keyPath,
                                            const std::string& name, StoredValue& value)
{
    struct stat file {};
    if (::stat(m_file.c_str(), &file) != 0) {
        forgetOpenStore();
        return winerror::kFileNotFound;  // nothing was ever written: no key exists
    }
    if (!m_open)
        takeParkedStore();
    if (m_open && m_open->serves(file)) {
        const std::uint32_t status = readThrough(m_open->db, m_file, localMachine, keyPath, name, value);
        if (isReadAnswer(status))
            return status;
        forgetOpenStore();
        // Rights taken away since the connection was opened: read as a first read would.
        if (!isAccessFailure(status))
            return status;
    }
    forgetOpenStore();
    auto opened = std::make_unique<OpenStore>(file);
    const int rc = opened->db.open(m_file, false, Access::Shared);
    std::uint32_t status = rc == SQLITE_OK ? readThrough(opened->db, m_file, localMachine, keyPath, name, value)
                                           : failure(opened->db, rc, m_file);
    if (isReadAnswer(status)) {
        m_open = std::move(opened);
        return status;
    }
    opened.reset();
    if (!isAccessFailure(status))
        return status;
    // A copied or locked-down profile: the store and its folder may not be changed, so SQLite
    // cannot create the journal files a shared reader needs.
    status = readFrom(m_file, Access::ReadOnly, localMachine, keyPath, name, value);
    if (!isAccessFailure(status))
        return status;
    if (!journalHoldsWrites(m_file))
        return readFrom(m_file, Access::Immutable, localMachine, keyPath, name, value);
    // The journal holds writes that only a writable copy can replay.
    std::error_code error;
    const PrivateFolder folder;
    if (folder.path().empty())
        return status;
    const fs::path copy = folder.path() / kFileName;
    fs::copy_file(m_file, copy, error);
    if (!error)
        fs::copy_file(besideStore(m_file, "-wal"), besideStore(copy, "-wal"), error);
    return error ? status : readFrom(copy, Access::Shared, localMachine, keyPath, name, value);
}

std::uint32_t SqliteRegistryStore::writeValue(bool localMachine, const std::string& keyPath,
                                              const std::string& name, std::uint32_t type, std::string_view data)
{
    return retryWhileShared([&] { return writeOnce(localMachine, keyPath, name, type, data); });
}

std::uint32_t SqliteRegistryStore::writeOnce(bool localMachine, const std::string& keyPath,
                                             const std::string& name, std::uint32_t type, std::string_view data)
{
    struct stat file {};
    if (::stat(m_file.c_str(), &file) == 0) {
        if (!m_open)
            takeParkedStore();
        if (m_open && m_open->serves(file)) {
            if (writeThrough(m_open->db, localMachine, keyPath, name, type, data) == SQLITE_OK)
                return winerror::kSuccess;
            // Whatever stood in the way, a new connection meets it again and reports it as a first write does.
            if (!m_open->db.autocommit())
                m_open->db.exec("ROLLBACK");
            forgetOpenStore();
        }
    }

    std::error_code error;
    fs::create_directories(m_file.parent_path(), error);
    if (error)
        return winerror::fromErrno(error.value(), true);

    auto opened = std::make_unique<OpenStore>(file);
    Connection& db = opened->db;
    int rc = db.open(m_file, true);
    if (rc == SQLITE_OK)
        rc = db.exec(kSchema);
    if (rc == SQLITE_OK)
        rc = writeThrough(db, localMachine, keyPath, name, type, data);
    if (rc != SQLITE_OK)
        return writeFailure(db, rc, m_file);
    // Kept for the reads and writes after it, as a read's connection is.
    forgetOpenStore();
    if (::stat(m_file.c_str(), &file) == 0) {
        opened->identify(file);
        m_open = std::move(opened);
    }
    return winerror::kSuccess;
}

}  // namespace tarvelo::services

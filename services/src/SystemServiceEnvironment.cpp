// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "tarvelo/services/IServiceEnvironment.h"

#ifdef _WIN32
#include <windows.h>
#include <shlobj.h>

#include "tarvelo/services/Win32RegistryBackend.h"
#else
#include <QStandardPaths>

#include "tarvelo/services/SqliteRegistryStore.h"
#endif

namespace tarvelo::services {

SystemServiceEnvironment::SystemServiceEnvironment(IMessageService& messages)
    : m_messages(messages),
#ifdef _WIN32
      m_store(std::make_unique<Win32RegistryBackend>())
#else
      m_store(std::make_unique<SqliteRegistryStore>(SqliteRegistryStore::defaultDatabaseFile()))
#endif
{
}

SystemServiceEnvironment::~SystemServiceEnvironment() = default;

std::optional<std::filesystem::path> SystemServiceEnvironment::documentsFolder()
{
#ifdef _WIN32
    // The wide call, so that a folder named in any script is found.
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return std::nullopt;
    std::filesystem::path path(folder);
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        return std::nullopt;
    std::filesystem::path path(folder.toStdU16String());
#endif
    std::error_code error;
    if (!std::filesystem::is_directory(path, error))
        return std::nullopt;
    return path;
}

std::tm SystemServiceEnvironment::localTime()
{
    return localTimeNow();
}

std::tm localTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

}  // namespace tarvelo::services

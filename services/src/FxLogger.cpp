// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "tarvelo/services/FxLogger.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <exception>

#include "tarvelo/services/FxSystemService.h"
#include "tarvelo/services/TextCodec.h"
#include "tarvelo/services/WindowsErrors.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tarvelo::services {

namespace {

namespace fs = std::filesystem;

// The folder and file names as the user sees them in the documents folder.
const fs::path kLogFolder = fs::path(u8"Тарвело СПДС");
const fs::path kLogFile = fs::path(u8"ERRLOG.txt");

std::string cp1251(const char* utf8)
{
    return text::utf8ToCp1251(utf8);
}

// Closes the descriptor and reports whether that worked.
bool closeFile(int descriptor)
{
#ifdef _WIN32
    return _close(descriptor) == 0;
#else
    return ::close(descriptor) == 0;
#endif
}

}  // namespace

bool FxLogger::IsReady()
{
    return !m_logPath.empty() || ResolveLogPath();
}

bool FxLogger::WriteLine(const std::string& text)
{
    return !text.empty() && Append(text);
}

bool FxLogger::ResolveLogPath()
{
    const std::optional<fs::path> documents = m_environment.documentsFolder();
    if (!documents)
        return false;
    const fs::path folder = *documents / kLogFolder;
    std::error_code error;
    fs::create_directory(folder, error);
    // Like the shell, "already exists" is fine here; a file in the folder's place fails below.
    if (error && error.value() != EEXIST) {
        ShowFileError(winerror::fromErrno(error.value(), true));
        return false;
    }
    return CreateLog(folder / kLogFile, "");
}

bool FxLogger::CreateLog(const fs::path& path, const std::string& title)
{
    const int created = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL, 0644);
    if (created >= 0) {
        if (!closeFile(created)) {
            ShowFileError(winerror::fromErrno(errno));
            return false;
        }
    } else if (errno != EEXIST) {
        ShowFileError(winerror::fromErrno(errno));
        return false;
    }
    m_logPath = path;
    try {
        return WriteBanner(title);
    } catch (const std::exception& failure) {
        m_environment.messages().show("", failure.what(), MessageIcon::Warning);
        return false;
    }
}

bool FxLogger::WriteBanner(const std::string& title)
{
    if (m_logPath.empty())
        return false;
    const std::tm now = m_environment.localTime();
    char date[16] = {};
    char time[16] = {};
    if (std::strftime(date, sizeof date, "%m/%d/%y", &now) == 0 || std::strftime(time, sizeof time, "%H:%M:%S", &now) == 0)
        ShowFileError(winerror::kGeneralFailure);
    Append(std::string(" <------ ") + " install of Tarvelo for " + title + "( DATE :  " + date + " TIME :  " + time +
           " ) -----> ");
    WriteOsLine();
    WriteRightsLine();
    return true;
}

bool FxLogger::WriteOsLine()
{
    std::string description;
    FxSystemService().DescribeOS(description);
    return Append(cp1251("Операционная система : ") + description);
}

bool FxLogger::WriteRightsLine()
{
    return WriteLine(FxSystemService().IsAdmin() ? cp1251("Права доступа: АДМИНИСТРАТОР")
                                                 : cp1251("Права доступа: ПОЛЬЗОВАТЕЛЬ"));
}

bool FxLogger::Append(const std::string& text)
{
    if (!IsReady())
        return false;
    try {
        const int file = ::open(m_logPath.c_str(), O_WRONLY | O_APPEND);
        if (file < 0) {
            ShowFileError(winerror::fromErrno(errno));
            return false;
        }
        const std::string line = "\r\n" + text;
        bool written = ::write(file, line.data(), line.size()) == static_cast<ssize_t>(line.size());
        if (!written)
            ShowFileError(winerror::fromErrno(errno));
        // Each line reaches the disk before the next step, so a crash right after loses nothing.
        if (::fsync(file) != 0) {
            ShowFileError(winerror::fromErrno(errno));
            written = false;
        }
        if (!closeFile(file)) {
            ShowFileError(winerror::fromErrno(errno));
            written = false;
        }
        return written;
    } catch (const std::exception&) {
        ShowFileError(winerror::fromErrno(errno));
        return false;
    }
}

void FxLogger::ShowFileError(std::uint32_t error)
{
    char text[64];
    std::snprintf(text, sizeof text, "Error on create log file: %d", static_cast<int>(error));
    m_environment.messages().show("", text, MessageIcon::Warning);
}

}  // namespace tarvelo::services

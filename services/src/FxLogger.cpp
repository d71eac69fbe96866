// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "tarvelo/services/FxLogger.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <exception>
#include <string_view>

#include "tarvelo/services/FxSystemService.h"
#include "tarvelo/services/TextCodec.h"
#include "tarvelo/services/WindowsErrors.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarvelo::services {

namespace {

namespace fs = std::filesystem;

// The folder and file names as the user sees them in the documents folder.
const fs::path kLogFolder = fs::path(u8"Тарвело СПДС");
const fs::path kLogFile = fs::path(u8"ERRLOG.txt");

// The log file through the system's own calls, each step answering 0 or a
// Windows error code. On Windows the wide calls take the Cyrillic folder
// name whatever the system's code page; other readers and writers may keep
// the file open meanwhile.
class LogFile {
public:
    enum class Mode { CreateNew, AppendExisting };

    LogFile() = default;
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;
    ~LogFile() { close(); }

    std::uint32_t open(const fs::path& path, Mode mode);
    std::uint32_t appendBytes(std::string_view bytes);
    std::uint32_t flush();
    std::uint32_t close();

private:
#ifdef _WIN32
    HANDLE m_file = INVALID_HANDLE_VALUE;
#else
    int m_file = -1;
#endif
};

#ifdef _WIN32

// 0, 183 when the folder is there already, or the system's error.
std::uint32_t makeFolder(const fs::path& folder)
{
    return CreateDirectoryW(folder.c_str(), nullptr) ? winerror::kSuccess : winerror::lastSystemError();
}

std::uint32_t LogFile::open(const fs::path& path, Mode mode)
{
    const bool create = mode == Mode::CreateNew;
    m_file = CreateFileW(path.c_str(), create ? GENERIC_READ | GENERIC_WRITE : GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, create ? CREATE_NEW : OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    return m_file != INVALID_HANDLE_VALUE ? winerror::kSuccess : winerror::lastSystemError();
}

std::uint32_t LogFile::appendBytes(std::string_view bytes)
{
    // Moved to the end for each line: another process may have written since.
    LARGE_INTEGER end{};
    if (!SetFilePointerEx(m_file, LARGE_INTEGER{}, &end, FILE_END))
        return winerror::lastSystemError();
    DWORD written = 0;
    if (!WriteFile(m_file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        return winerror::lastSystemError();
    return written == bytes.size() ? winerror::kSuccess : winerror::kDiskFull;
}

std::uint32_t LogFile::flush()
{
    return FlushFileBuffers(m_file) ? winerror::kSuccess : winerror::lastSystemError();
}

std::uint32_t LogFile::close()
{
    if (m_file == INVALID_HANDLE_VALUE)
        return winerror::kSuccess;
    const BOOL closed = CloseHandle(m_file);
    m_file = INVALID_HANDLE_VALUE;
    return closed ? winerror::kSuccess : winerror::lastSystemError();
}

#else

std::uint32_t makeFolder(const fs::path& folder)
{
    return ::mkdir(folder.c_str(), 0777) == 0 ? winerror::kSuccess : winerror::fromErrno(errno, true);
}

std::uint32_t LogFile::open(const fs::path& path, Mode mode)
{
    m_file = mode == Mode::CreateNew ? ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL, 0644)
                                     : ::open(path.c_str(), O_WRONLY | O_APPEND);
    return m_file >= 0 ? winerror::kSuccess : winerror::lastSystemError();
}

std::uint32_t LogFile::appendBytes(std::string_view bytes)
{
    const ssize_t written = ::write(m_file, bytes.data(), bytes.size());
    if (written < 0)
        return winerror::lastSystemError();
    return static_cast<std::size_t>(written) == bytes.size() ? winerror::kSuccess : winerror::kDiskFull;
}

std::uint32_t LogFile::flush()
{
    return ::fsync(m_file) == 0 ? winerror::kSuccess : winerror::lastSystemError();
}

std::uint32_t LogFile::close()
{
    if (m_file < 0)
        return winerror::kSuccess;
    const int closed = ::close(m_file);
    m_file = -1;
    return closed == 0 ? winerror::kSuccess : winerror::lastSystemError();
}

#endif

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
    // Like the shell, "already exists" is fine here; a file in the folder's place fails below.
    const std::uint32_t made = makeFolder(folder);
    if (made != winerror::kSuccess && made != winerror::kAlreadyExists) {
        ShowFileError(made);
        return false;
    }
    return CreateLog(folder / kLogFile, "");
}

bool FxLogger::CreateLog(const fs::path& path, const std::string& title)
{
    LogFile file;
    const std::uint32_t created = file.open(path, LogFile::Mode::CreateNew);
    if (created == winerror::kSuccess) {
        const std::uint32_t closed = file.close();
        if (closed != winerror::kSuccess) {
            ShowFileError(closed);
            return false;
        }
    } else if (created != winerror::kFileExists && created != winerror::kAlreadyExists) {
        ShowFileError(created);
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
    return Append(text::utf8ToCp1251("Операционная система : ") + description);
}

bool FxLogger::WriteRightsLine()
{
    return WriteLine(text::utf8ToCp1251(FxSystemService().IsAdmin() ? "Права доступа: АДМИНИСТРАТОР"
                                                                    : "Права доступа: ПОЛЬЗОВАТЕЛЬ"));
}

bool FxLogger::Append(const std::string& text)
{
    if (!IsReady())
        return false;
    try {
        LogFile file;
        const std::uint32_t opened = file.open(m_logPath, LogFile::Mode::AppendExisting);
        if (opened != winerror::kSuccess) {
            ShowFileError(opened);
            return false;
        }
        const auto succeeded = [this](std::uint32_t status) {
            if (status != winerror::kSuccess)
                ShowFileError(status);
            return status == winerror::kSuccess;
        };
        bool written = succeeded(file.appendBytes("\r\n" + text));
        // Each line reaches the disk before the next step, so a crash right after loses nothing.
        written = succeeded(file.flush()) && written;
        written = succeeded(file.close()) && written;
        return written;
    } catch (const std::exception&) {
        ShowFileError(winerror::lastSystemError());
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

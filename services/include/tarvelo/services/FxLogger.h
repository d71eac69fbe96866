// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "IServiceEnvironment.h"

namespace tarvelo::services {

/// Appends diagnostic records to "ERRLOG.txt" in the folder "Тарвело СПДС"
/// of the user's documents folder: code page 1251, CR LF before every line.
/// A logger lives for one record: making it ready writes the record's banner,
/// operating system line and rights line; the caller then adds its own line.
class FxLogger {
public:
    explicit FxLogger(IServiceEnvironment& environment) : m_environment(environment) {}
    virtual ~FxLogger() = default;

    /// True when the log path is known, otherwise the result of ResolveLogPath().
    bool IsReady();
    /// Appends a non-empty text (code page 1251) as one line.
    bool WriteLine(const std::string& text);
    bool Append(const std::string& text);

    bool ResolveLogPath();
    bool CreateLog(const std::filesystem::path& path, const std::string& title);
    bool WriteBanner(const std::string& title);
    bool WriteOsLine();
    bool WriteRightsLine();
    /// "Error on create log file: %d" in a message box.
    void ShowFileError(std::uint32_t error);

private:
    IServiceEnvironment& m_environment;
    std::filesystem::path m_logPath;
};

}  // namespace tarvelo::services

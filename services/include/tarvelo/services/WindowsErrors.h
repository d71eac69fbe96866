// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

/// @file
/// Status numbers are Windows error codes on every platform, so that log
/// lines read the same wherever the module runs.

namespace tarvelo::winerror {

inline constexpr std::uint32_t kSuccess = 0;
inline constexpr std::uint32_t kFileNotFound = 2;
inline constexpr std::uint32_t kPathNotFound = 3;
inline constexpr std::uint32_t kAccessDenied = 5;
inline constexpr std::uint32_t kGeneralFailure = 31;
inline constexpr std::uint32_t kSharingViolation = 32;
inline constexpr std::uint32_t kFileExists = 80;
inline constexpr std::uint32_t kDiskFull = 112;
inline constexpr std::uint32_t kModuleNotFound = 126;
inline constexpr std::uint32_t kAlreadyExists = 183;
inline constexpr std::uint32_t kBadExeFormat = 193;
inline constexpr std::uint32_t kMoreData = 234;
inline constexpr std::uint32_t kBadDatabase = 1009;
inline constexpr std::uint32_t kRegistryIoFailed = 1016;

/// The Windows code closest to a POSIX errno value. `forDirectory` tells a
/// missing path (3) from a missing file (2) and an existing directory (183)
/// from an existing file (80).
std::uint32_t fromErrno(int error, bool forDirectory = false);

/// The error the system last reported to this thread: GetLastError() on
/// Windows, errno translated elsewhere.
std::uint32_t lastSystemError();

}  // namespace tarvelo::winerror

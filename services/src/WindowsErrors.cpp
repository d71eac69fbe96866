// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "tarvelo/services/WindowsErrors.h"

#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tarvelo::winerror {

std::uint32_t fromErrno(int error, bool forDirectory)
{
    switch (error) {
    case 0:
        return kSuccess;
    case ENOENT:
        return forDirectory ? kPathNotFound : kFileNotFound;
    case ENOTDIR:
        return kPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return kAccessDenied;
    case EEXIST:
        return forDirectory ? kAlreadyExists : kFileExists;
    case ENOSPC:
        return kDiskFull;
    case EBUSY:
    case ETXTBSY:
        return kSharingViolation;
    default:
        return kGeneralFailure;
    }
}

std::uint32_t lastSystemError()
{
#ifdef _WIN32
    return static_cast<std::uint32_t>(GetLastError());
#else
    return fromErrno(errno);
#endif
}

}  // namespace tarvelo::winerror

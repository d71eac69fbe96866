// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <string>

namespace tarvelo::services {

/// What Windows reports of itself, as far as the description uses it.
struct WindowsVersionFacts {
    std::uint32_t majorVersion = 0;
    std::uint32_t minorVersion = 0;
    std::uint32_t buildNumber = 0;
    std::uint32_t platformId = 2;  // 2: the NT family
    std::string servicePack;
    std::uint16_t suiteMask = 0;
    std::uint8_t productType = 1;  // 1: workstation
    std::uint16_t processorArchitecture = 0;  // 0 x86, 6 Itanium, 9 x64
    std::uint32_t productInfoType = 0;  // the edition number GetProductInfo reports
    int serverR2 = 0;  // the SM_SERVERR2 metric
};

/// The one-line name of a Windows system: edition, service pack, build and
/// word size. Empty for systems older than Windows 2000 or outside the NT family.
std::string describeWindows(const WindowsVersionFacts& facts);

/// The same for Linux: the distribution's name from os-release, the kernel
/// release and the word size of the machine (from uname's machine field).
std::string describeLinux(const std::string& osRelease, const std::string& kernelRelease,
                          const std::string& machine);

/// Describes this machine for the error log.
class FxSystemService {
public:
    /// The longest description, as the log's fixed buffer allows.
    static constexpr std::size_t kMaxDescription = 255;

    virtual ~FxSystemService() = default;

    /// The operating system in one line, cut to kMaxDescription characters;
    /// false only when the system cannot tell its version.
    bool DescribeOS(std::string& text);
    /// Whether the user has administrator rights: on Windows a member of the
    /// administrators group, elsewhere the superuser or a member of sudo, wheel or admin.
    bool IsAdmin();
};

}  // namespace tarvelo::services

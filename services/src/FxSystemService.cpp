// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "tarvelo/services/FxSystemService.h"

#include "tarvelo/services/TextCodec.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#ifdef _WIN32
#include <windows.h>

#include "tarvelo/services/ExportShape.h"
#include "tarvelo/services/SharedLibrary.h"
#else
#include <grp.h>
#include <sys/utsname.h>
#include <unistd.h>
#endif

namespace tarvelo::services {

namespace {

constexpr std::uint32_t kPlatformNt = 2;
constexpr std::uint8_t kWorkstation = 1;
constexpr std::uint16_t kArchitectureX86 = 0;
constexpr std::uint16_t kArchitectureItanium = 6;
constexpr std::uint16_t kArchitectureX64 = 9;
constexpr std::uint16_t kSuiteEnterprise = 0x2;
constexpr std::uint16_t kSuiteDatacenter = 0x80;
constexpr std::uint16_t kSuitePersonal = 0x200;
constexpr std::uint16_t kSuiteBlade = 0x400;
constexpr std::uint16_t kSuiteStorageServer = 0x2000;
constexpr std::uint16_t kSuiteComputeServer = 0x4000;

const char* editionOf(std::uint32_t productInfoType)
{
    switch (productInfoType) {
    case 1: return "Ultimate Edition";
    case 2: return "Home Basic Edition";
    case 3: return "Home Premium Edition";
    case 4:
    case 10: return "Enterprise Edition";
    case 6: return "Business Edition";
    case 7: return "Standard Edition";
    case 8: return "Datacenter Edition";
    case 9: return "Small Business Server";
    case 11: return "Starter Edition";
    case 12: return "Datacenter Edition (core installation)";
    case 13: return "Standard Edition (core installation)";
    case 14: return "Enterprise Edition (core installation)";
    case 15: return "Enterprise Edition for Itanium-based Systems";
    case 17: return "Web Server Edition";
    case 18: return "Cluster Server Edition";
    case 25: return "Small Business Server Premium Edition";
    default: return "";
    }
}

std::string windowsServer2003Edition(const WindowsVersionFacts& facts)
{
    const bool datacenter = facts.suiteMask & kSuiteDatacenter;
    const bool enterprise = facts.suiteMask & kSuiteEnterprise;
    if (facts.processorArchitecture == kArchitectureItanium) {
        if (datacenter)
            return "Datacenter Edition for Itanium-based Systems";
        return enterprise ? "Enterprise Edition for Itanium-based Systems" : "";
    }
    if (facts.processorArchitecture == kArchitectureX64) {
        if (datacenter)
            return "Datacenter x64 Edition";
        return enterprise ? "Enterprise x64 Edition" : "Standard x64 Edition";
    }
    if (facts.suiteMask & kSuiteComputeServer)
        return "Compute Cluster Edition";
    if (datacenter)
        return "Datacenter Edition";
    if (enterprise)
        return "Enterprise Edition";
    if (facts.suiteMask & kSuiteBlade)
        return "Web Edition";
    return "Standard Edition";
}

std::string osReleaseField(const std::string& osRelease, const std::string& field)
{
    std::istringstream lines(osRelease);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(field + "=", 0) != 0)
            continue;
        std::string value = line.substr(field.size() + 1);
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return value;
    }
    return {};
}

}  // namespace

std::string describeWindows(const WindowsVersionFacts& facts)
{
    if (facts.platformId != kPlatformNt || facts.majorVersion < 5)
        return {};
    const bool workstation = facts.productType == kWorkstation;
    std::string text = "Microsoft ";
    if (facts.majorVersion == 6) {
        if (facts.minorVersion == 0)
            text += workstation ? "Windows Vista " : "Windows Server 2008 ";
        else if (facts.minorVersion == 1)
            text += workstation ? "Windows 7 " : "Windows Server 2008 R2 ";
        text += editionOf(facts.productInfoType);
    } else if (facts.majorVersion == 5 && facts.minorVersion == 2) {
        if (facts.serverR2 != 0)
            text += "Windows Server 2003 R2, ";
        else if (facts.suiteMask & kSuiteStorageServer)
            text += "Windows Storage Server 2003";
        else if (workstation && facts.processorArchitecture == kArchitectureX64)
            text += "Windows XP Professional x64 Edition";
        else
            text += "Windows Server 2003, ";
        if (!workstation)
            text += windowsServer2003Edition(facts);
    } else if (facts.majorVersion == 5 && facts.minorVersion == 1) {
        text += "Windows XP ";
        text += (facts.suiteMask & kSuitePersonal) ? "Home Edition" : "Professional";
    } else if (facts.majorVersion == 5 && facts.minorVersion == 0) {
        text += "Windows 2000 ";
        if (workstation)
            text += "Professional";
        else if (facts.suiteMask & kSuiteDatacenter)
            text += "Datacenter Server";
        else if (facts.suiteMask & kSuiteEnterprise)
            text += "Advanced Server";
        else
            text += "Server";
    }
    if (!facts.servicePack.empty())
        text += " " + facts.servicePack;
    char build[32];
    std::snprintf(build, sizeof build, " (build %d)", static_cast<int>(facts.buildNumber));
    text += build;
    if (facts.majorVersion >= 6) {
        if (facts.processorArchitecture == kArchitectureX64)
            text += ", 64-bit";
        else if (facts.processorArchitecture == kArchitectureX86)
            text += ", 32-bit";
    }
    return text;
}

std::string describeLinux(const std::string& osRelease, const std::string& kernelRelease,
                          const std::string& machine)
{
    std::string name = osReleaseField(osRelease, "PRETTY_NAME");
    if (name.empty())
        name = osReleaseField(osRelease, "NAME");
    if (name.empty())
        name = "Linux";
    std::string text = name;
    if (!kernelRelease.empty())
        text += ", kernel " + kernelRelease;
    static constexpr std::string_view k64[] = {"x86_64", "aarch64", "ppc64", "ppc64le", "s390x",
                                               "riscv64", "mips64", "loongarch64", "sparc64"};
    if (!machine.empty())
        text += std::ranges::find(k64, machine) != std::end(k64) ? ", 64-bit" : ", 32-bit";
    return text;
}

#ifdef _WIN32

namespace kernel32 {
TARVELO_EXPORT_SHAPE(GetNativeSystemInfo, void(WINAPI*)(LPSYSTEM_INFO));
TARVELO_EXPORT_SHAPE(GetProductInfo, BOOL(WINAPI*)(DWORD, DWORD, DWORD, DWORD, PDWORD));
}  // namespace kernel32

bool FxSystemService::DescribeOS(std::string& text)
{
    text.clear();
    OSVERSIONINFOEXA version{};
    version.dwOSVersionInfoSize = sizeof version;
    // Deliberately the version the system tells this program, not the newest it knows of.
#ifdef _MSC_VER
#pragma warning(suppress : 4996)
#endif
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&version)))
        return false;
    SYSTEM_INFO system{};
    // Older systems lack these two, so they are looked up rather than linked.
    const SharedLibrary kernel(L"kernel32.dll");
    if (const auto native = kernel.find<kernel32::GetNativeSystemInfo>())
        native(&system);
    else
        GetSystemInfo(&system);
    WindowsVersionFacts facts;
    facts.majorVersion = version.dwMajorVersion;
    facts.minorVersion = version.dwMinorVersion;
    facts.buildNumber = version.dwBuildNumber;
    facts.platformId = version.dwPlatformId;
    facts.servicePack = version.szCSDVersion;
    facts.suiteMask = version.wSuiteMask;
    facts.productType = version.wProductType;
    facts.processorArchitecture = system.wProcessorArchitecture;
    facts.serverR2 = GetSystemMetrics(SM_SERVERR2);
    if (const auto product = kernel.find<kernel32::GetProductInfo>()) {
        DWORD type = 0;
        product(version.dwMajorVersion, version.dwMinorVersion, 0, 0, &type);
        facts.productInfoType = type;
    }
    text = describeWindows(facts).substr(0, kMaxDescription);
    return true;
}

bool FxSystemService::IsAdmin()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    alignas(TOKEN_GROUPS) unsigned char buffer[1024];
    DWORD size = 0;
    const BOOL read = GetTokenInformation(token, TokenGroups, buffer, sizeof buffer, &size);
    CloseHandle(token);
    if (!read)
        return false;
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                  &administrators))
        return false;
    const auto* groups = reinterpret_cast<const TOKEN_GROUPS*>(buffer);
    bool found = false;
    // Any listed membership counts, a deny-only one included.
    for (DWORD i = 0; i < groups->GroupCount && !found; ++i)
        found = EqualSid(groups->Groups[i].Sid, administrators);
    FreeSid(administrators);
    return found;
}

#else

bool FxSystemService::DescribeOS(std::string& text)
{
    text.clear();
    utsname system{};
    if (uname(&system) != 0)
        return false;
    std::string osRelease;
    for (const char* file : {"/etc/os-release", "/usr/lib/os-release"}) {
        std::ifstream in(file);
        if (in) {
            std::ostringstream content;
            content << in.rdbuf();
            osRelease = content.str();
            break;
        }
    }
    // The log is code page 1251; a distribution may name itself in any script.
    text = text::utf8ToCp1251(describeLinux(osRelease, system.release, system.machine)).substr(0, kMaxDescription);
    return true;
}

bool FxSystemService::IsAdmin()
{
    if (geteuid() == 0)
        return true;
    const int count = getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    if (getgroups(count, groups.data()) < 0)
        return false;
    for (const char* name : {"sudo", "wheel", "admin"}) {
        const group* entry = getgrnam(name);
        if (entry != nullptr && std::ranges::find(groups, entry->gr_gid) != groups.end())
            return true;
    }
    return false;
}

#endif

}  // namespace tarvelo::services

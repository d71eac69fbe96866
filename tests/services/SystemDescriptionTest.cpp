// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include "tarvelo/services/FxSystemService.h"

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace tarvelo::services;

namespace {

WindowsVersionFacts windows(std::uint32_t major, std::uint32_t minor, std::uint32_t build)
{
    WindowsVersionFacts facts;
    facts.majorVersion = major;
    facts.minorVersion = minor;
    facts.buildNumber = build;
    return facts;
}

WindowsVersionFacts server(WindowsVersionFacts facts, std::uint16_t suite = 0, std::uint16_t architecture = 0)
{
    facts.productType = 3;
    facts.suiteMask = suite;
    facts.processorArchitecture = architecture;
    return facts;
}

}  // namespace

// The worked examples: Windows 7 with an edition outside the table, and Windows XP.
TEST(SystemDescription, windowsExamples)
{
    WindowsVersionFacts seven = windows(6, 1, 7601);
    seven.servicePack = "Service Pack 1";
    seven.processorArchitecture = 9;
    seven.productInfoType = 48;
    EXPECT_EQ(describeWindows(seven), "Microsoft Windows 7  Service Pack 1 (build 7601), 64-bit");

    WindowsVersionFacts xp = windows(5, 1, 2600);
    xp.servicePack = "Service Pack 3";
    EXPECT_EQ(describeWindows(xp), "Microsoft Windows XP Professional Service Pack 3 (build 2600)");
    xp.suiteMask = 0x200;
    xp.servicePack.clear();
    EXPECT_EQ(describeWindows(xp), "Microsoft Windows XP Home Edition (build 2600)");
}

// Every edition number of the version 6 table, on Vista and on a later system that names no product.
TEST(SystemDescription, windowsSixEditions)
{
    const std::vector<std::pair<std::uint32_t, std::string>> editions = {
        {1, "Ultimate Edition"}, {2, "Home Basic Edition"}, {3, "Home Premium Edition"},
        {4, "Enterprise Edition"}, {10, "Enterprise Edition"}, {6, "Business Edition"},
        {7, "Standard Edition"}, {8, "Datacenter Edition"}, {9, "Small Business Server"},
        {11, "Starter Edition"}, {12, "Datacenter Edition (core installation)"},
        {13, "Standard Edition (core installation)"}, {14, "Enterprise Edition (core installation)"},
        {15, "Enterprise Edition for Itanium-based Systems"}, {17, "Web Server Edition"},
        {18, "Cluster Server Edition"}, {25, "Small Business Server Premium Edition"}, {5, ""}, {16, ""}};
    for (const auto& [type, edition] : editions) {
        WindowsVersionFacts vista = windows(6, 0, 6002);
        vista.productInfoType = type;
        EXPECT_EQ(describeWindows(vista), "Microsoft Windows Vista " + edition + " (build 6002), 32-bit");
        WindowsVersionFacts eight = windows(6, 2, 9200);
        eight.productInfoType = type;
        eight.processorArchitecture = 9;
        EXPECT_EQ(describeWindows(eight), "Microsoft " + edition + " (build 9200), 64-bit");
    }
    EXPECT_EQ(describeWindows(server(windows(6, 0, 6001))), "Microsoft Windows Server 2008  (build 6001), 32-bit");
    EXPECT_EQ(describeWindows(server(windows(6, 1, 7600), 0, 6)), "Microsoft Windows Server 2008 R2  (build 7600)");
}

// Version 5.2: the name, then the server edition by processor and suite, in the documented order.
TEST(SystemDescription, windowsServer2003Family)
{
    const WindowsVersionFacts base = windows(5, 2, 3790);
    WindowsVersionFacts r2 = server(base, 0x80);
    r2.serverR2 = 1;
    EXPECT_EQ(describeWindows(r2), "Microsoft Windows Server 2003 R2, Datacenter Edition (build 3790)");
    EXPECT_EQ(describeWindows(server(base, 0x2000)), "Microsoft Windows Storage Server 2003Standard Edition (build 3790)");
    WindowsVersionFacts xp64 = base;
    xp64.processorArchitecture = 9;
    EXPECT_EQ(describeWindows(xp64), "Microsoft Windows XP Professional x64 Edition (build 3790)");

    const std::vector<std::pair<WindowsVersionFacts, std::string>> servers = {
        {server(base, 0x80, 6), "Datacenter Edition for Itanium-based Systems"},
        {server(base, 0x2, 6), "Enterprise Edition for Itanium-based Systems"},
        {server(base, 0, 6), ""},
        {server(base, 0x82, 9), "Datacenter x64 Edition"},
        {server(base, 0x2, 9), "Enterprise x64 Edition"},
        {server(base, 0, 9), "Standard x64 Edition"},
        {server(base, 0x4082), "Compute Cluster Edition"},
        {server(base, 0x482), "Datacenter Edition"},
        {server(base, 0x402), "Enterprise Edition"},
        {server(base, 0x400), "Web Edition"},
        {server(base, 0), "Standard Edition"},
    };
    for (const auto& [facts, edition] : servers)
        EXPECT_EQ(describeWindows(facts), "Microsoft Windows Server 2003, " + edition + " (build 3790)");
}

// Windows 2000 editions, and systems that get no description at all.
TEST(SystemDescription, windows2000AndOlderSystems)
{
    const WindowsVersionFacts base = windows(5, 0, 2195);
    EXPECT_EQ(describeWindows(base), "Microsoft Windows 2000 Professional (build 2195)");
    EXPECT_EQ(describeWindows(server(base, 0x82)), "Microsoft Windows 2000 Datacenter Server (build 2195)");
    EXPECT_EQ(describeWindows(server(base, 0x2)), "Microsoft Windows 2000 Advanced Server (build 2195)");
    EXPECT_EQ(describeWindows(server(base)), "Microsoft Windows 2000 Server (build 2195)");
    EXPECT_EQ(describeWindows(windows(4, 0, 1381)), "");
    WindowsVersionFacts ninetyEight = windows(4, 10, 2222);
    ninetyEight.platformId = 1;
    EXPECT_EQ(describeWindows(ninetyEight), "");
}

// Linux is named after its os-release, kernel and word size.
TEST(SystemDescription, linuxDescription)
{
    const std::string debian = "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nNAME=\"Debian GNU/Linux\"\n";
    EXPECT_EQ(describeLinux(debian, "6.1.0-28-amd64", "x86_64"),
              "Debian GNU/Linux 12 (bookworm), kernel 6.1.0-28-amd64, 64-bit");
    EXPECT_EQ(describeLinux("NAME=Alpine\n", "5.15.0", "i686"), "Alpine, kernel 5.15.0, 32-bit");
    EXPECT_EQ(describeLinux("", "6.6.0", "aarch64"), "Linux, kernel 6.6.0, 64-bit");
}

#ifndef _WIN32
// This machine is described as the Linux it is.
TEST(SystemDescription, thisLinux)
{
    std::string here;
    EXPECT_TRUE(FxSystemService().DescribeOS(here));
    EXPECT_NE(here.find(", kernel "), std::string::npos);
    EXPECT_LE(here.size(), FxSystemService::kMaxDescription);
}

// The superuser has administrator rights.
TEST(SystemDescription, superuserIsAdministrator)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs the superuser";
    EXPECT_TRUE(FxSystemService().IsAdmin());
}
#endif

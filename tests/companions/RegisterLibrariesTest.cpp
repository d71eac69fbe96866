// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TestEnvironment.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/CompanionApi.h"
#include "tarvelo/services/MakerLibraries.h"

using namespace tarvelo::services;
using namespace tarvelo::services::testing;

namespace {

int registerLibraries(const TestEnvironment& environment, const std::string& host, const std::string& settings)
{
    const std::string command = "TARVELO_STORE_DIR='" + environment.storeFile().parent_path().string() + "' '" +
                                REGISTER_TOOL + "' --host '" + host + "' --settings '" + settings + "' >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

// The install step leaves both paths in the store where the module's loader finds them, and they load.
TEST(RegisterLibraries, storesBothPathsForTheLoader)
{
    TestEnvironment environment;
    ASSERT_EQ(registerLibraries(environment, DHOSTSP_LIBRARY, CFGKIT_LIBRARY), 0);
    CSysHub hub(environment);
    std::string path;
    ASSERT_TRUE(hub.ModulePath(kHostSupportLibraryValue, path));
    EXPECT_EQ(path, std::filesystem::canonical(DHOSTSP_LIBRARY).string());
    ASSERT_TRUE(hub.ModulePath(kSettingsLibraryValue, path));
    EXPECT_EQ(path, std::filesystem::canonical(CFGKIT_LIBRARY).string());

    EXPECT_NE(LoadHostLibrary(environment).find<exports::GetAttribs>(), nullptr);
    EXPECT_TRUE(environment.recorder.shown.empty());
}

// A path to a file that is not there is refused and not stored.
TEST(RegisterLibraries, refusesAMissingFile)
{
    TestEnvironment environment;
    EXPECT_EQ(registerLibraries(environment, "/nonexistent/libdhostsp.so", CFGKIT_LIBRARY), 1);
    CSysHub hub(environment);
    std::string path;
    EXPECT_FALSE(hub.ModulePath(kHostSupportLibraryValue, path));
    EXPECT_TRUE(hub.ModulePath(kSettingsLibraryValue, path)) << "the good one is still registered";
}

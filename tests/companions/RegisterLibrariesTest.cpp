// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "TestEnvironment.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/CompanionApi.h"
#include "tarvelo/services/MakerLibraries.h"

using namespace tarvelo::services;
using namespace tarvelo::services::testing;

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string output;  // standard output and error together
};

/// Runs the install step with these arguments (each quoted) against the environment's store.
ToolRun runTool(const TestEnvironment& environment, const std::vector<std::string>& arguments)
{
    const auto outputFile = environment.root() / "tool-output.txt";
    std::string command = "TARVELO_STORE_DIR='" + environment.storeFile().parent_path().string() + "' '" +
                          REGISTER_TOOL + "'";
    for (const std::string& argument : arguments)
        command += " '" + argument + "'";
    command += " >'" + outputFile.string() + "' 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream in(outputFile);
    std::ostringstream output;
    output << in.rdbuf();
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output.str()};
}

int registerLibraries(const TestEnvironment& environment, const std::string& host, const std::string& settings)
{
    return runTool(environment, {"--host", host, "--settings", settings}).exitCode;
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

// A fresh install leaves the draughtsman's decimals in the store: lengths keep 2.5 and 3.5, levels the millimetre.
TEST(RegisterLibraries, freshStoreGetsTheDraughtsmansDecimals)
{
    TestEnvironment environment;
    const ToolRun run = runTool(environment, {"--host", DHOSTSP_LIBRARY, "--settings", CFGKIT_LIBRARY});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    CSysHub hub(environment);
    EXPECT_EQ(hub.GetDwordParams("", "Roundz"), 2u);
    EXPECT_EQ(hub.GetDwordParams("", "RoundzLevel"), 3u);
    EXPECT_NE(run.output.find("RoundzLevel = 3"), std::string::npos) << run.output;
}

// Decimals the user stored, no decimals at all included, survive a new install.
TEST(RegisterLibraries, storedDecimalsAreKept)
{
    TestEnvironment environment;
    CSysHub hub(environment);
    hub.SetDwordParam("", "Roundz", 0);
    hub.SetDwordParam("", "RoundzLevel", 1);
    ASSERT_EQ(registerLibraries(environment, DHOSTSP_LIBRARY, CFGKIT_LIBRARY), 0);
    EXPECT_EQ(hub.GetDwordParams("", "Roundz"), 0u);
    EXPECT_EQ(hub.GetDwordParams("", "RoundzLevel"), 1u);
}

// A command line it cannot use is refused in Russian with the usage and exit code 2, writing nothing;
// --help answers in Russian.
TEST(RegisterLibraries, commandLineIsCheckedInRussian)
{
    TestEnvironment environment;
    const std::string usage = "Использование: tarvelo-register-libraries --host";
    const struct {
        std::vector<std::string> arguments;
        const char* problem;
    } refused[] = {
        {{"--hots", DHOSTSP_LIBRARY, "--settings", CFGKIT_LIBRARY}, "Неизвестный параметр: --hots"},
        {{"--settings", CFGKIT_LIBRARY, "--host"}, "Не указан путь после параметра."},
        {{"--host", DHOSTSP_LIBRARY}, "Нужны оба пути: --host и --settings."},
        {{"--host", DHOSTSP_LIBRARY, "--settings", CFGKIT_LIBRARY, "лишнее"}, "Лишний аргумент: лишнее"},
    };
    for (const auto& command : refused) {
        const ToolRun run = runTool(environment, command.arguments);
        EXPECT_EQ(run.exitCode, 2) << command.problem;
        EXPECT_NE(run.output.find(command.problem), std::string::npos) << run.output;
        EXPECT_NE(run.output.find(usage), std::string::npos) << run.output;
    }
    EXPECT_FALSE(CSysHub(environment).IsParamStored("", "Roundz"));
    const ToolRun help = runTool(environment, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.output.find("показать эту справку"), std::string::npos) << help.output;
}

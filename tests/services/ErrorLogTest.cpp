// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include "TestEnvironment.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/FxLogger.h"
#include "tarvelo/services/FxSystemService.h"

using namespace tarvelo::services;
using namespace tarvelo::services::testing;

namespace {

// The three lines that open every record, for the test's fixed clock.
std::string recordHead()
{
    std::string system;
    FxSystemService().DescribeOS(system);
    return "\r\n <------  install of Tarvelo for ( DATE :  12/05/26 TIME :  23:59:01 ) -----> "
           "\r\n" + cp1251("Операционная система : ") + system +
           "\r\n" + cp1251(FxSystemService().IsAdmin() ? "Права доступа: АДМИНИСТРАТОР" : "Права доступа: ПОЛЬЗОВАТЕЛЬ");
}

}  // namespace

// The first failure on a fresh account creates the folder and the file with one complete record.
TEST(ErrorLog, firstFailureWritesOneCompleteRecord)
{
    TestEnvironment environment;
    CSysHub(environment).GetDwordParams("", "Roundz");
    EXPECT_EQ(environment.logText(), recordHead() + "\r\n Error in CSysHub: GetDwordParams 67 2");
    EXPECT_TRUE(environment.recorder.shown.empty());
}

// Every failure gets its own banner, and an existing log is appended to, never truncated.
TEST(ErrorLog, eachFailureAppendsAFullRecord)
{
    TestEnvironment environment;
    CSysHub hub(environment);
    hub.GetDwordParams("", "Roundz");
    environment.now.tm_sec = 2;
    hub.GetStringParams("", "SymScl", "", false);
    std::string second = recordHead();
    second.replace(second.find("23:59:01"), 8, "23:59:02");
    EXPECT_EQ(environment.logText(), recordHead() + "\r\n Error in CSysHub: GetDwordParams 67 2" + second +
                                         "\r\n Error in CSysHub: GetStringParams 44 2");
}

// A logger writes nothing for an empty line and nothing without a documents folder.
TEST(ErrorLog, emptyLinesAndMissingDocumentsWriteNothing)
{
    TestEnvironment environment;
    FxLogger logger(environment);
    ASSERT_TRUE(logger.IsReady());
    const std::string head = environment.logText();
    EXPECT_FALSE(logger.WriteLine(""));
    EXPECT_EQ(environment.logText(), head);

    std::filesystem::remove_all(environment.documents());
    FxLogger homeless(environment);
    EXPECT_FALSE(homeless.IsReady());
    EXPECT_FALSE(homeless.WriteLine("x"));
    EXPECT_TRUE(environment.recorder.shown.empty());
}

#ifndef _WIN32
// A read-only log file: each line of the record fails with 5 in a message, and the file stays as it was.
// (File permissions do not stop Wine's superuser; Windows has a case of a log held by another program.)
TEST(ErrorLog, readOnlyLogShowsErrorFiveForEveryLine)
{
    TestEnvironment environment;
    CSysHub(environment).GetDwordParams("", "Roundz");
    const std::string before = environment.logText();
    std::filesystem::permissions(environment.root(), std::filesystem::perms::all);
    std::filesystem::permissions(environment.logFile(), std::filesystem::perms::owner_read |
                                                            std::filesystem::perms::others_read);

    const int shown = runInChildAsOrdinaryUser([&] {
        CSysHub(environment).GetDwordParams("", "Roundz");
        for (const ShownMessage& message : environment.recorder.shown) {
            if (message != ShownMessage{"", "Error on create log file: 5", MessageIcon::Warning})
                return 99;
        }
        return static_cast<int>(environment.recorder.shown.size());
    });
    EXPECT_EQ(shown, 4);  // banner, operating system, rights, the error itself
    EXPECT_EQ(environment.logText(), before);
}
#endif

// Something in the way of the log folder is reported with the system's error number.
TEST(ErrorLog, blockedLogFolderIsReported)
{
    TestEnvironment environment;
    std::ofstream(environment.logFile().parent_path()) << "not a folder";
    CSysHub(environment).GetDwordParams("", "Roundz");
    ASSERT_EQ(environment.recorder.shown.size(), 1u);
    EXPECT_EQ(environment.recorder.shown[0].text, "Error on create log file: 3");
}

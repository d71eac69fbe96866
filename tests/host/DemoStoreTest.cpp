// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "DemoStore.h"
#include "TestEnvironment.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/SqliteRegistryStore.h"

using tarvelo::host::DemoStore;
using tarvelo::services::CSysHub;
using tarvelo::services::SqliteRegistryStore;
using tarvelo::services::testing::TestEnvironment;

namespace {

std::string storeLocation()
{
    const char* location = std::getenv(SqliteRegistryStore::kLocationVariable);
    return location != nullptr ? location : "";
}

}  // namespace

// The demonstration runs in a store of its own: the user's library paths and decimals (a stored 0 included),
// the install step's decimals where the user has none, and new symbols at 100 : 1, read as the dialogs read
// them. What the dialogs remember there stays there; afterwards the process's store is the user's again.
TEST(DemoStore, startsAtTheSampleScaleAndLeavesTheUsersStoreAlone)
{
    TestEnvironment user;
    const auto sharedWithTheModule = user.shareStore();
    CSysHub users(user);
    users.SetStringParams(CSysHub::kModulesKey, "DHOSTSP", "/opt/kld/libdhostsp.so", false);
    users.SetStringParams(CSysHub::kModulesKey, "CFGKIT.DLL", "/opt/kld/libcfgkit.so", false);
    users.SetDwordParam("", "Roundz", 0);
    const std::string usersLocation = storeLocation();
    {
        const DemoStore demo;
        ASSERT_TRUE(demo.isActive());
        EXPECT_NE(storeLocation(), usersLocation);
        tarvelo::services::testing::RecordingMessages messages;
        tarvelo::services::SystemServiceEnvironment environment(messages);
        CSysHub hub(environment);
        EXPECT_EQ(hub.GetStringParams(CSysHub::kParamsKey, "SymScl", "", false), "100.000000");
        std::string path;
        ASSERT_TRUE(hub.ModulePath("DHOSTSP", path));
        EXPECT_EQ(path, "/opt/kld/libdhostsp.so");
        ASSERT_TRUE(hub.ModulePath("CFGKIT.DLL", path));
        EXPECT_EQ(path, "/opt/kld/libcfgkit.so");
        tarvelo::services::StoredValue stored;
        EXPECT_EQ(environment.store().readValue(false, CSysHub::kParamsKey, "Roundz", stored), 0u);
        EXPECT_EQ(hub.GetDwordParams("", "Roundz"), 0u);
        EXPECT_EQ(hub.GetDwordParams("", "RoundzLevel"), 3u);
        hub.SetDwordParam("", "WeldDefultType", 733);
    }
    EXPECT_EQ(storeLocation(), usersLocation);
    tarvelo::services::StoredValue stored;
    EXPECT_NE(user.store().readValue(false, CSysHub::kParamsKey, "SymScl", stored), 0u);
    EXPECT_NE(user.store().readValue(false, CSysHub::kParamsKey, "WeldDefultType", stored), 0u);
    EXPECT_NE(user.store().readValue(false, CSysHub::kParamsKey, "RoundzLevel", stored), 0u);
}

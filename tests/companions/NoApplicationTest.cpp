// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "tarvelo/services/CompanionApi.h"
#include "tarvelo/services/SharedLibrary.h"

using namespace tarvelo::services;

// A host without an application gets 0 back instead of a library that creates one or aborts.
TEST(SettingsLibrary, refusesWithoutApplication)
{
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    const SharedLibrary library(CFGKIT_LIBRARY);
    ASSERT_TRUE(library.isLoaded()) << library.systemMessage();
    const auto dialog = library.find<exports::SettingsDialog>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog(0, 0), 0);
}

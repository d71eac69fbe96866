// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <QCoreApplication>
#include <cstdint>

// A host without an application gets 0 back instead of a library that creates one or aborts.
TEST(SettingsLibrary, refusesWithoutApplication)
{
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    void* library = ::dlopen(CFGKIT_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << ::dlerror();
    auto dialog = reinterpret_cast<int (*)(std::uintptr_t, int)>(::dlsym(library, "SettingsDialog"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog(0, 0), 0);
    ::dlclose(library);
}

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// A stand-in settings library that answers with what it was given.
#include <cstdint>

#include "FakeExport.h"

FAKE_EXPORT int SettingsDialog(std::uintptr_t parent, int argument)
{
    return static_cast<int>(parent) * 10 + argument;
}

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// A library that loads but exports none of the functions asked for.
#include "FakeExport.h"

FAKE_EXPORT int SomethingElse()
{
    return 1;
}

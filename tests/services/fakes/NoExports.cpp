// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// A library that loads but exports none of the functions asked for.
extern "C" __attribute__((visibility("default"))) int SomethingElse()
{
    return 1;
}

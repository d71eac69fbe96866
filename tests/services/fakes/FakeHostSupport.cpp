// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// A stand-in host-support library: colour n comes back as 0x00010203 * n.
#include <cstdint>

#include "FakeExport.h"

FAKE_EXPORT std::uint32_t GetColorFromDB(std::int32_t index)
{
    return 0x00010203u * static_cast<std::uint32_t>(index);
}

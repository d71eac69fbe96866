// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Feeds arbitrary bytes to the DXF reader: it must either open a drawing
// with at least one layer or refuse it with a message, and never crash.
#include <cstdint>

#include "DrawingReadCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tarvelo::fuzz::checkDrawingRead(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}

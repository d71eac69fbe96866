// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Feeds arbitrary bytes to the binary DXF reader: whatever follows the
// sentinel must open as a drawing or be refused with a message. Inputs that
// lack the sentinel get it, so that no run is spent on the text reader.
#include <cstdint>
#include <string_view>

#include "DrawingReadCheck.h"
#include "DxfBinaryGroupReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr std::string_view sentinel = tarvelo::host::DxfBinaryGroupReader::kSentinel;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tarvelo::fuzz::checkDrawingRead(bytes.substr(0, sentinel.size()) == sentinel
                                        ? std::string(bytes)
                                        : std::string(sentinel) + std::string(bytes));
    return 0;
}

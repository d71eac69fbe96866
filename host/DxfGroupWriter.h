// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvelo::host {

/// How the groups of a DXF file are laid out, so that groups added to a
/// drawing look like the ones around them.
struct DxfGroupStyle {
    bool binary = false;
    /// Binary files from R13 on store codes in two bytes, older ones in one.
    bool twoByteCodes = true;
    /// Text files: what ends a line ("\n", "\r\n" or "\r").
    std::string lineEnd = "\n";
    /// Text files: codes right-aligned in three places ("  0"), as most
    /// programs write them, or not indented at all.
    bool alignedCodes = true;
};

/// Writes DXF groups into a byte string, text or binary. Texts go in as the
/// bytes the file stores; numbers are written so that they read back exactly.
class DxfGroupWriter {
public:
    explicit DxfGroupWriter(DxfGroupStyle style = {});

    void text(int code, std::string_view bytes);
    void real(int code, double value);
    void integer(int code, std::int64_t value);
    /// A handle, in hexadecimal as DXF stores them.
    void handle(int code, std::uint64_t handle);
    /// A point in the plane: `code`, `code + 10` and a zero `code + 20`.
    void point(int code, double x, double y);

    [[nodiscard]] const std::string& bytes() const { return m_bytes; }
    /// The bytes written so far; the writer is left empty.
    [[nodiscard]] std::string take();

    /// A handle as DXF writes it: upper-case hexadecimal without leading zeros.
    [[nodiscard]] static std::string hex(std::uint64_t handle);

private:
    void code(int code);
    void binaryNumber(int code, double real, std::int64_t integer, bool isReal);

    DxfGroupStyle m_style;
    std::string m_bytes;
};

}  // namespace tarvelo::host

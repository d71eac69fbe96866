// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

#include "DxfGroupSource.h"

namespace tarvelo::host {

/// How a group's value is stored in a binary DXF file.
enum class DxfValueType { Text, Double, Int8, Int16, Int32, Int64, Chunk, Unknown };

/// The value type DXF defines for a group code; Unknown outside its ranges.
[[nodiscard]] DxfValueType dxfValueTypeOf(int code);

/// Reads a binary DXF file. Group codes take one byte in drawings before
/// R13 (255 announcing a two-byte code that follows) and two bytes from R13
/// on; which of the two a file uses shows in its first group, a code 0.
/// Each value is stored as its group code's type dictates: a zero-ended
/// text, a little-endian 8-, 16-, 32- or 64-bit integer, an 8-byte double,
/// or a chunk of at most 255 bytes behind its length. Numbers and chunks are
/// handed on as text, as a text DXF file would hold them.
class DxfBinaryGroupReader final : public DxfGroupSource {
public:
    /// What every binary DXF file begins with.
    static constexpr std::string_view kSentinel{"AutoCAD Binary DXF\r\n\x1a\0", 22};

    /// Reads from where @p in stands, just past the sentinel; places in
    /// messages count bytes from the start of the file.
    explicit DxfBinaryGroupReader(std::istream& in);

    Result next(DxfGroup& group) override;
    [[nodiscard]] std::uint64_t groupBegin() const override { return m_groupOffset; }
    [[nodiscard]] std::uint64_t groupEnd() const override { return m_offset; }
    /// True when group codes take two bytes (R13 on); known after the first group.
    [[nodiscard]] bool twoByteCodes() const { return m_codeWidth == CodeWidth::TwoBytes; }
    [[nodiscard]] std::string placeOfGroup() const override;
    [[nodiscard]] std::string malformation() const override;

private:
    enum class CodeWidth { Unknown, OneByte, TwoBytes };

    bool readBytes(unsigned char* bytes, std::size_t count);
    bool readCode(int& code);
    Result readText(std::string& value);
    Result readValue(int code, std::string& value);

    std::streambuf* m_buffer;
    CodeWidth m_codeWidth = CodeWidth::Unknown;
    std::uint64_t m_offset = kSentinel.size();
    std::uint64_t m_groupOffset = kSentinel.size();
    std::string m_problem;
};

}  // namespace tarvelo::host

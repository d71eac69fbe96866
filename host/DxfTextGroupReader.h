// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "DxfGroupSource.h"

namespace tarvelo::host {

/// Reads a text DXF file: a code line, then a value line. Lines end with LF,
/// CR LF or, in files written so throughout, a lone CR. Blank lines are
/// tolerated at the very end of the file only.
class DxfTextGroupReader final : public DxfGroupSource {
public:
    /// Reads from where @p in stands; lines are counted from there.
    explicit DxfTextGroupReader(std::istream& in);

    Result next(DxfGroup& group) override;
    [[nodiscard]] std::uint64_t groupBegin() const override { return m_groupBegin; }
    [[nodiscard]] std::uint64_t groupEnd() const override { return m_consumed + m_position; }
    [[nodiscard]] std::string placeOfGroup() const override;
    [[nodiscard]] std::string malformation() const override;

private:
    enum class LineResult { Line, End, Malformed };
    enum class LineEnd { Unknown, LineFeed, CarriageReturn };

    LineResult readLine(std::string& line);
    bool refill();

    std::streambuf* m_buffer;
    // Read ahead in large pieces: going through the stream character by character costs more than the parsing.
    std::vector<char> m_chunk;
    std::size_t m_position = 0;
    std::size_t m_end = 0;
    // Bytes of the chunks read before the one at hand.
    std::uint64_t m_consumed = 0;
    std::uint64_t m_groupBegin = 0;
    LineEnd m_lineEnd = LineEnd::Unknown;
    std::size_t m_line = 0;
    std::size_t m_groupLine = 0;
    std::string m_codeLine;
};

}  // namespace tarvelo::host

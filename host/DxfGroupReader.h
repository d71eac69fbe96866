// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstddef>
#include <istream>
#include <string>

/// @file
/// Reads a text DXF file group by group, checking only the shape of each
/// group, so that a file that is not DXF is told apart early and cheaply.

namespace tarvelo::host {

/// One group of a text DXF file: its code and its value as raw bytes.
struct DxfGroup {
    int code = 0;
    std::string value;
};

/// Reads groups (a code line, then a value line) from a stream. Reads no
/// further than it is asked to, so the caller decides where to stop.
class DxfGroupReader {
public:
    enum class Result {
        Group,      ///< A well-formed group was read.
        End,        ///< The stream ended cleanly before a new group.
        Malformed,  ///< A line is too long, holds a NUL byte, or a code is not a number.
    };

    /// Longest line accepted; real drawings stay far below it.
    static constexpr std::size_t kMaxLine = 4096;

    explicit DxfGroupReader(std::istream& in);

    /// Reads the next group into @p group.
    Result next(DxfGroup& group);

    /// The number of the line read last, from 1.
    [[nodiscard]] std::size_t line() const { return m_line; }

private:
    enum class LineResult { Line, End, Malformed };

    LineResult readLine(std::string& line);

    std::streambuf* m_buffer;
    std::size_t m_line = 0;
    std::string m_codeLine;
};

}  // namespace tarvelo::host

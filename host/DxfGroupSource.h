// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

/// @file
/// Where the drawing reader takes its groups from: a text or a binary DXF
/// file, read group by group, each checked only for its shape.

namespace tarvelo::host {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

/// Codes, and the words that give a file its structure, are read without
/// the blanks some programs leave around them.
std::string_view dxfTrimmed(std::string_view value);

/// One group of a DXF file: its code and its value as text (the raw bytes
/// of a text value; numbers of a binary file written out in decimal).
struct DxfGroup {
    int code = 0;
    std::string value;
};

/// Reads groups one at a time. Reads no further than it is asked to, so the
/// caller decides where to stop.
class DxfGroupSource {
public:
    enum class Result {
        Group,      ///< A well-formed group was read.
        End,        ///< The file ended before a whole group.
        Malformed,  ///< What was read cannot be a group of this form of DXF.
    };

    /// Longest value accepted; real drawings stay far below it.
    static constexpr std::size_t kMaxValue = 4096;

    virtual ~DxfGroupSource() = default;

    /// Reads the next group into @p group.
    virtual Result next(DxfGroup& group) = 0;

    /// Byte offsets of the group read last: where its code begins and where
    /// the next group begins, counted from where the source started reading
    /// (from the start of the file for a binary one). A writer that changes a
    /// drawing in place cuts it at these.
    [[nodiscard]] virtual std::uint64_t groupBegin() const = 0;
    [[nodiscard]] virtual std::uint64_t groupEnd() const = 0;

    /// Where the group read last begins, worded for a Russian message: "в строке 12".
    [[nodiscard]] virtual std::string placeOfGroup() const = 0;

    /// What is wrong after next() answered Malformed, worded for a Russian
    /// message: "строка 5 не похожа на запись DXF".
    [[nodiscard]] virtual std::string malformation() const = 0;
};

}  // namespace tarvelo::host

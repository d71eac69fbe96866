// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <string>
#include <string_view>

namespace tarvelo::host {

/// Turns UTF-8 text into the bytes a drawing stores, the reverse of
/// DxfNameDecoder: UTF-8 as it is for drawings from format AC1021 on, the
/// drawing's code page before that. A character the code page lacks is
/// written as the `\U+XXXX` escape that CAD programs read in every format,
/// so no letter is lost. Line breaks and other control characters, which a
/// text DXF line cannot hold, become blanks.
class DxfTextEncoder {
public:
    /// @p charset as iconv names it ("CP1251"), ignored when @p unicode.
    DxfTextEncoder(std::string charset, bool unicode);
    ~DxfTextEncoder();
    DxfTextEncoder(const DxfTextEncoder&) = delete;
    DxfTextEncoder& operator=(const DxfTextEncoder&) = delete;

    [[nodiscard]] std::string encode(std::string_view utf8) const;

private:
    bool m_unicode;
    void* m_converter = nullptr;
};

}  // namespace tarvelo::host

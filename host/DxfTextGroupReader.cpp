// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DxfTextGroupReader.h"

#include <algorithm>
#include <charconv>

namespace tarvelo::host {

namespace {

// Group codes run from -5 to 1071; six digits leave room and cannot overflow.
constexpr std::size_t kMaxCodeDigits = 6;
constexpr std::size_t kChunkBytes = 16 * 1024;

// A minus and digits only: from_chars takes no plus sign, blanks or base prefix.
bool parseCode(std::string_view line, int& code)
{
    line = dxfTrimmed(line);
    int value = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
    if (error != std::errc() || end != line.data() + line.size() || line.size() - (line[0] == '-') > kMaxCodeDigits)
        return false;
    code = value;
    return true;
}

}  // namespace

DxfTextGroupReader::DxfTextGroupReader(std::istream& in) : m_buffer(in.rdbuf()), m_chunk(kChunkBytes) {}

bool DxfTextGroupReader::refill()
{
    m_consumed += m_end;
    m_position = 0;
    m_end = m_buffer != nullptr
                ? static_cast<std::size_t>(std::max<std::streamsize>(
                      0, m_buffer->sgetn(m_chunk.data(), static_cast<std::streamsize>(m_chunk.size()))))
                : 0;
    return m_end > 0;
}

DxfTextGroupReader::LineResult DxfTextGroupReader::readLine(std::string& line)
{
    line.clear();
    if (m_position == m_end && !refill())
        return LineResult::End;
    ++m_line;
    for (;;) {
        const char* const begin = m_chunk.data() + m_position;
        const char* const end = m_chunk.data() + m_end;
        const char* c = begin;
        while (c != end && *c != '\n' && *c != '\r' && *c != '\0')
            ++c;
        if (line.size() + static_cast<std::size_t>(c - begin) > kMaxValue)
            return LineResult::Malformed;
        line.append(begin, c);
        m_position += static_cast<std::size_t>(c - begin);
        if (c == end) {
            if (!refill())
                return LineResult::Line;  // the last line of the file, without a line end
            continue;
        }
        ++m_position;
        if (*c == '\0')
            return LineResult::Malformed;
        if (*c == '\n') {
            if (m_lineEnd == LineEnd::Unknown)
                m_lineEnd = LineEnd::LineFeed;
            break;
        }
        // A CR: the first line end of the file tells whether a lone CR ends lines in it.
        if (m_lineEnd == LineEnd::Unknown) {
            if (m_position == m_end)
                refill();
            m_lineEnd = m_position < m_end && m_chunk[m_position] == '\n' ? LineEnd::LineFeed
                                                                           : LineEnd::CarriageReturn;
        }
        if (m_lineEnd == LineEnd::CarriageReturn)
            return LineResult::Line;
        line += '\r';
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return LineResult::Line;
}

DxfTextGroupReader::Result DxfTextGroupReader::next(DxfGroup& group)
{
    m_groupBegin = groupEnd();
    LineResult read = readLine(m_codeLine);
    m_groupLine = m_line;
    if (read == LineResult::Line && dxfTrimmed(m_codeLine).empty()) {
        do
            read = readLine(m_codeLine);
        while (read == LineResult::Line && dxfTrimmed(m_codeLine).empty());
        return read == LineResult::End ? Result::End : Result::Malformed;
    }
    if (read == LineResult::End)
        return Result::End;
    if (read == LineResult::Malformed || !parseCode(m_codeLine, group.code))
        return Result::Malformed;
    // A group without its value line means the file was cut off.
    read = readLine(group.value);
    if (read == LineResult::End)
        return Result::End;
    return read == LineResult::Line ? Result::Group : Result::Malformed;
}

std::string DxfTextGroupReader::placeOfGroup() const
{
    return "в строке " + std::to_string(m_groupLine);
}

std::string DxfTextGroupReader::malformation() const
{
    return "строка " + std::to_string(m_line) + " не похожа на запись DXF";
}

}  // namespace tarvelo::host

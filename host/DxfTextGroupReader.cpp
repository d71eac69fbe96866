// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DxfTextGroupReader.h"

#include <algorithm>

namespace tarvelo::host {

namespace {

// Group codes run from -5 to 1071; six digits leave room and cannot overflow.
constexpr std::size_t kMaxCodeDigits = 6;
constexpr std::size_t kChunkBytes = 16 * 1024;

// The code line is trimmed and read in plain loops rather than through dxfTrimmed and from_chars:
// every group passes here, and those measured slower on real drawings.
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

bool isBlankLine(const std::string& line)
{
    for (char c : line) {
        if (!isBlank(c))
            return false;
    }
    return true;
}

bool parseCode(const std::string& line, int& code)
{
    std::size_t begin = 0;
    std::size_t end = line.size();
    while (begin < end && isBlank(line[begin]))
        ++begin;
    while (end > begin && isBlank(line[end - 1]))
        --end;
    bool negative = false;
    if (begin < end && line[begin] == '-') {
        negative = true;
        ++begin;
    }
    if (begin == end || end - begin > kMaxCodeDigits)
        return false;
    int value = 0;
    for (std::size_t i = begin; i < end; ++i) {
        if (line[i] < '0' || line[i] > '9')
            return false;
        value = value * 10 + (line[i] - '0');
    }
    code = negative ? -value : value;
    return true;
}

}  // namespace

std::string_view dxfTrimmed(std::string_view value)
{
    const std::size_t begin = value.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos)
        return {};
    return value.substr(begin, value.find_last_not_of(" \t\r") - begin + 1);
}

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
    if (read == LineResult::Line && isBlankLine(m_codeLine)) {
        do
            read = readLine(m_codeLine);
        while (read == LineResult::Line && isBlankLine(m_codeLine));
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

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DxfTextGroupReader.h"

namespace tarvelo::host {

namespace {

// Group codes run from -5 to 1071; six digits leave room and cannot overflow.
constexpr std::size_t kMaxCodeDigits = 6;

using Traits = std::streambuf::traits_type;

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

DxfTextGroupReader::DxfTextGroupReader(std::istream& in) : m_buffer(in.rdbuf()) {}

DxfTextGroupReader::LineResult DxfTextGroupReader::readLine(std::string& line)
{
    line.clear();
    if (m_buffer == nullptr)
        return LineResult::End;
    int c = m_buffer->sbumpc();
    if (Traits::eq_int_type(c, Traits::eof()))
        return LineResult::End;
    ++m_line;
    for (; !Traits::eq_int_type(c, Traits::eof()) && c != '\n'; c = m_buffer->sbumpc()) {
        if (c == '\r' && m_lineEnd != LineEnd::LineFeed) {
            // The first line end of the file tells whether a lone CR ends lines in it.
            if (m_lineEnd == LineEnd::Unknown)
                m_lineEnd = m_buffer->sgetc() == '\n' ? LineEnd::LineFeed : LineEnd::CarriageReturn;
            if (m_lineEnd == LineEnd::CarriageReturn)
                break;
        }
        if (c == '\0' || line.size() >= kMaxValue)
            return LineResult::Malformed;
        line += Traits::to_char_type(c);
    }
    if (c == '\n' && m_lineEnd == LineEnd::Unknown)
        m_lineEnd = LineEnd::LineFeed;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return LineResult::Line;
}

DxfTextGroupReader::Result DxfTextGroupReader::next(DxfGroup& group)
{
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

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DxfGroupReader.h"

namespace tarvelo::host {

namespace {

// Group codes run from -5 to 1071; six digits leave room and cannot overflow.
constexpr std::size_t kMaxCodeDigits = 6;

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

DxfGroupReader::DxfGroupReader(std::istream& in) : m_buffer(in.rdbuf()) {}

DxfGroupReader::LineResult DxfGroupReader::readLine(std::string& line)
{
    line.clear();
    if (m_buffer == nullptr)
        return LineResult::End;
    using Traits = std::streambuf::traits_type;
    int c = m_buffer->sbumpc();
    if (Traits::eq_int_type(c, Traits::eof()))
        return LineResult::End;
    ++m_line;
    for (; !Traits::eq_int_type(c, Traits::eof()) && c != '\n'; c = m_buffer->sbumpc()) {
        if (c == '\0' || line.size() >= kMaxLine)
            return LineResult::Malformed;
        line += Traits::to_char_type(c);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return LineResult::Line;
}

DxfGroupReader::Result DxfGroupReader::next(DxfGroup& group)
{
    // Blank lines are tolerated at the very end of a file only.
    LineResult read = readLine(m_codeLine);
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

}  // namespace tarvelo::host

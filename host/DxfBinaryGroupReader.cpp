// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DxfBinaryGroupReader.h"

#include <cstdio>
#include <cstring>

namespace tarvelo::host {

namespace {

using Traits = std::streambuf::traits_type;
using ValueType = DxfValueType;

// Little-endian bytes as an unsigned number; the caller gives it its sign.
std::uint64_t littleEndian(const unsigned char* bytes, std::size_t count)
{
    std::uint64_t value = 0;
    for (std::size_t i = count; i-- > 0;)
        value = value << 8 | bytes[i];
    return value;
}

}  // namespace

// The value types of the group code ranges that DXF defines; a code outside
// them leaves no way to tell how long its value is.
DxfValueType dxfValueTypeOf(int code)
{
    struct Range {
        int first;
        int last;
        ValueType type;
    };
    static constexpr Range kRanges[] = {
        {-5, 9, ValueType::Text},       {10, 59, ValueType::Double},    {60, 79, ValueType::Int16},
        {90, 99, ValueType::Int32},     {100, 109, ValueType::Text},    {110, 149, ValueType::Double},
        {160, 169, ValueType::Int64},   {170, 179, ValueType::Int16},   {210, 239, ValueType::Double},
        {270, 289, ValueType::Int16},   {290, 299, ValueType::Int8},    {300, 309, ValueType::Text},
        {310, 319, ValueType::Chunk},   {320, 369, ValueType::Text},    {370, 389, ValueType::Int16},
        {390, 399, ValueType::Text},    {400, 409, ValueType::Int16},   {410, 419, ValueType::Text},
        {420, 429, ValueType::Int32},   {430, 439, ValueType::Text},    {440, 459, ValueType::Int32},
        {460, 469, ValueType::Double},  {470, 481, ValueType::Text},    {999, 1003, ValueType::Text},
        {1004, 1004, ValueType::Chunk}, {1005, 1009, ValueType::Text},  {1010, 1059, ValueType::Double},
        {1060, 1070, ValueType::Int16}, {1071, 1071, ValueType::Int32},
    };
    for (const Range& range : kRanges) {
        if (code >= range.first && code <= range.last)
            return range.type;
    }
    return ValueType::Unknown;
}

DxfBinaryGroupReader::DxfBinaryGroupReader(std::istream& in) : m_buffer(in.rdbuf()) {}

bool DxfBinaryGroupReader::readBytes(unsigned char* bytes, std::size_t count)
{
    const std::streamsize read =
        m_buffer != nullptr ? m_buffer->sgetn(reinterpret_cast<char*>(bytes), static_cast<std::streamsize>(count)) : 0;
    m_offset += static_cast<std::uint64_t>(read);
    return read == static_cast<std::streamsize>(count);
}

bool DxfBinaryGroupReader::readCode(int& code)
{
    unsigned char bytes[2];
    if (!readBytes(bytes, 1))
        return false;
    // The first group is a code 0: one zero byte before its text, or two.
    if (m_codeWidth == CodeWidth::Unknown)
        m_codeWidth = bytes[0] == 0 && m_buffer->sgetc() == 0 ? CodeWidth::TwoBytes : CodeWidth::OneByte;
    if (m_codeWidth == CodeWidth::TwoBytes) {
        if (!readBytes(bytes + 1, 1))
            return false;
        code = static_cast<std::int16_t>(littleEndian(bytes, 2));
        return true;
    }
    code = bytes[0];
    if (code != 255)
        return true;
    if (!readBytes(bytes, 2))
        return false;
    code = static_cast<int>(littleEndian(bytes, 2));
    return true;
}

DxfBinaryGroupReader::Result DxfBinaryGroupReader::readText(std::string& value)
{
    for (;;) {
        const int c = m_buffer->sbumpc();
        if (Traits::eq_int_type(c, Traits::eof()))
            return Result::End;
        ++m_offset;
        if (c == 0)
            return Result::Group;
        if (value.size() >= kMaxValue) {
            m_problem = "текст по смещению " + std::to_string(m_groupOffset) + " длиннее "
                        + std::to_string(kMaxValue) + " байт";
            return Result::Malformed;
        }
        value += Traits::to_char_type(c);
    }
}

DxfBinaryGroupReader::Result DxfBinaryGroupReader::readValue(int code, std::string& value)
{
    value.clear();
    unsigned char bytes[255];
    switch (dxfValueTypeOf(code)) {
    case ValueType::Text:
        return readText(value);
    case ValueType::Double: {
        if (!readBytes(bytes, 8))
            return Result::End;
        const std::uint64_t bits = littleEndian(bytes, 8);
        double number = 0.0;
        std::memcpy(&number, &bits, sizeof number);
        char text[32];
        std::snprintf(text, sizeof text, "%.17g", number);
        value = text;
        return Result::Group;
    }
    case ValueType::Int8:
        if (!readBytes(bytes, 1))
            return Result::End;
        value = std::to_string(bytes[0]);
        return Result::Group;
    case ValueType::Int16:
        if (!readBytes(bytes, 2))
            return Result::End;
        value = std::to_string(static_cast<std::int16_t>(littleEndian(bytes, 2)));
        return Result::Group;
    case ValueType::Int32:
        if (!readBytes(bytes, 4))
            return Result::End;
        value = std::to_string(static_cast<std::int32_t>(littleEndian(bytes, 4)));
        return Result::Group;
    case ValueType::Int64:
        if (!readBytes(bytes, 8))
            return Result::End;
        value = std::to_string(static_cast<std::int64_t>(littleEndian(bytes, 8)));
        return Result::Group;
    case ValueType::Chunk: {
        // Written out in hexadecimal, as a text file holds binary data.
        if (!readBytes(bytes, 1))
            return Result::End;
        const std::size_t length = bytes[0];
        if (!readBytes(bytes, length))
            return Result::End;
        static constexpr char kHex[] = "0123456789ABCDEF";
        for (std::size_t i = 0; i < length; ++i) {
            value += kHex[bytes[i] >> 4];
            value += kHex[bytes[i] & 0xF];
        }
        return Result::Group;
    }
    case ValueType::Unknown:
        break;
    }
    m_problem = "по смещению " + std::to_string(m_groupOffset) + " стоит код группы " + std::to_string(code)
                + ", которого нет в формате DXF";
    return Result::Malformed;
}

DxfBinaryGroupReader::Result DxfBinaryGroupReader::next(DxfGroup& group)
{
    m_problem.clear();
    m_groupOffset = m_offset;
    if (m_buffer == nullptr || !readCode(group.code))
        return Result::End;
    return readValue(group.code, group.value);
}

std::string DxfBinaryGroupReader::placeOfGroup() const
{
    return "по смещению " + std::to_string(m_groupOffset);
}

std::string DxfBinaryGroupReader::malformation() const
{
    return m_problem;
}

}  // namespace tarvelo::host

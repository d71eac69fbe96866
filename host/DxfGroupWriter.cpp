// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DxfGroupWriter.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "DxfBinaryGroupReader.h"

namespace tarvelo::host {

namespace {

void appendLittleEndian(std::string& out, std::uint64_t value, std::size_t bytes)
{
    for (std::size_t i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFFu);
}

// The shortest text that reads back as the same number; readers that want a
// decimal point in a real get one.
std::string realText(double value)
{
    if (!std::isfinite(value) || value == 0.0)
        return "0.0";
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, error == std::errc() ? end : buffer);
    if (text.find_first_of(".e") == std::string::npos)
        text += ".0";
    return text;
}

}  // namespace

DxfGroupWriter::DxfGroupWriter(DxfGroupStyle style) : m_style(std::move(style)) {}

std::string DxfGroupWriter::hex(std::uint64_t handle)
{
    char buffer[20];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, handle, 16);
    std::string text(buffer, error == std::errc() ? end : buffer);
    for (char& c : text)
        c = static_cast<char>(c >= 'a' && c <= 'f' ? c - 'a' + 'A' : c);
    return text;
}

void DxfGroupWriter::code(int code)
{
    if (m_style.binary) {
        if (m_style.twoByteCodes) {
            appendLittleEndian(m_bytes, static_cast<std::uint16_t>(code), 2);
        } else if (code >= 0 && code < 255) {
            m_bytes += static_cast<char>(code);
        } else {
            // One-byte files announce a larger code with 255 and give it in two bytes.
            m_bytes += static_cast<char>(255);
            appendLittleEndian(m_bytes, static_cast<std::uint16_t>(code), 2);
        }
        return;
    }
    const std::string digits = std::to_string(code);
    if (m_style.alignedCodes && digits.size() < 3)
        m_bytes.append(3 - digits.size(), ' ');
    m_bytes += digits;
    m_bytes += m_style.lineEnd;
}

void DxfGroupWriter::binaryNumber(int group, double real, std::int64_t integer, bool isReal)
{
    const DxfValueType type = dxfValueTypeOf(group);
    if (type == DxfValueType::Double) {
        const double value = isReal ? real : static_cast<double>(integer);
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        appendLittleEndian(m_bytes, bits, 8);
        return;
    }
    const std::int64_t whole = isReal ? std::llround(real) : integer;
    const std::size_t width = type == DxfValueType::Int8    ? 1
                              : type == DxfValueType::Int16 ? 2
                              : type == DxfValueType::Int32 ? 4
                              : type == DxfValueType::Int64 ? 8
                                                            : 0;
    if (width > 0) {
        appendLittleEndian(m_bytes, static_cast<std::uint64_t>(whole), width);
        return;
    }
    // A code whose values are texts holds the number as text.
    m_bytes += isReal ? realText(real) : std::to_string(integer);
    m_bytes += '\0';
}

void DxfGroupWriter::text(int group, std::string_view bytes)
{
    code(group);
    m_bytes += bytes;
    m_bytes += m_style.binary ? std::string_view("\0", 1) : std::string_view(m_style.lineEnd);
}

void DxfGroupWriter::real(int group, double value)
{
    code(group);
    if (m_style.binary) {
        binaryNumber(group, value, 0, true);
        return;
    }
    m_bytes += realText(value);
    m_bytes += m_style.lineEnd;
}

void DxfGroupWriter::integer(int group, std::int64_t value)
{
    code(group);
    if (m_style.binary) {
        binaryNumber(group, 0.0, value, false);
        return;
    }
    m_bytes += std::to_string(value);
    m_bytes += m_style.lineEnd;
}

void DxfGroupWriter::handle(int group, std::uint64_t handle)
{
    text(group, hex(handle));
}

void DxfGroupWriter::point(int group, double x, double y)
{
    real(group, x);
    real(group + 10, y);
    real(group + 20, 0.0);
}

std::string DxfGroupWriter::take()
{
    std::string bytes = std::move(m_bytes);
    m_bytes.clear();
    return bytes;
}

}  // namespace tarvelo::host

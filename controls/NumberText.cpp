// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tarvelo::controls {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t skipSpace(std::string_view text, std::size_t at)
{
    while (at < text.size() && isSpace(text[at]))
        ++at;
    return at;
}

// Whether a number that the target type cannot hold is too large rather than
// too small: the decimal exponent of its first significant digit decides.
bool isTooLarge(std::string_view number)
{
    long long magnitude = 0;
    bool significant = false;
    bool afterPoint = false;
    std::size_t at = 0;
    for (; at < number.size() && number[at] != 'e' && number[at] != 'E'; ++at) {
        const char c = number[at];
        if (c == '.') {
            afterPoint = true;
        } else if (significant) {
            magnitude += afterPoint ? 0 : 1;
        } else if (c != '0') {
            significant = true;
        } else if (afterPoint) {
            --magnitude;
        }
    }
    if (at < number.size()) {
        ++at;
        const bool negative = number[at] == '-';
        if (number[at] == '+' || number[at] == '-')
            ++at;
        long long exponent = 0;
        for (; at < number.size() && exponent < 100'000; ++at)
            exponent = exponent * 10 + (number[at] - '0');
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude > 0;
}

struct SignedNumber {
    std::string_view text;  // sign included; empty when no number
    bool negative = false;
    std::string_view digits;  // without the sign
};

SignedNumber leadingNumber(std::string_view text)
{
    SignedNumber number;
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        number.negative = text[at] == '-';
        ++at;
    }
    // from_chars alone would also take "inf", "nan" and a second sign.
    if (at == text.size() || !(isDigit(text[at]) || text[at] == '.'))
        return number;
    // The number's extent is the same whether it fits a double or not.
    double ignored = 0;
    const char* first = text.data() + at;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), ignored);
    if (error == std::errc::invalid_argument)
        return number;
    number.digits = text.substr(at, static_cast<std::size_t>(end - first));
    number.text = text.substr(0, at + number.digits.size());
    return number;
}

template <typename Real>
Real toReal(const SignedNumber& number)
{
    Real value = 0;
    const char* first = number.digits.data();
    const auto [end, error] = std::from_chars(first, first + number.digits.size(), value);
    if (error == std::errc::result_out_of_range)
        value = isTooLarge(number.digits) ? std::numeric_limits<Real>::infinity() : Real(0);
    return number.negative ? -value : value;
}

std::string printFixed(double value, int decimals)
{
    // Room for the 309 integer digits of the largest double, the point and the decimals.
    std::array<char, 320 + kMostDecimals> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, decimals);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string();
}

}  // namespace

double parseLeadingNumber(std::string_view text)
{
    const SignedNumber number = leadingNumber(text.substr(skipSpace(text, 0)));
    return number.text.empty() ? 0.0 : toReal<double>(number);
}

std::string formatWithDecimals(std::uint32_t decimals, double value)
{
    // Fixed-point with a precision prints exactly what printf's "%.nf" prints in the "C" locale.
    return printFixed(value, static_cast<int>(std::min(decimals, kMostDecimals)));
}

NumberCheck checkNumberText(std::string_view text, float minimum, float maximum)
{
    const std::size_t start = skipSpace(text, 0);
    const SignedNumber number = leadingNumber(text.substr(start));
    if (number.text.empty() || skipSpace(text, start + number.text.size()) != text.size())
        return kNotANumber;
    const float value = toReal<float>(number);
    if (value < minimum || value > maximum || std::isinf(value))
        return kNumberOutOfRange;
    return kNumberInRange;
}

}  // namespace tarvelo::controls

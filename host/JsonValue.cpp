// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "JsonValue.h"

#include <algorithm>
#include <cstdint>
#include <set>

#include "tarvelo/services/TextCodec.h"

namespace tarvelo::host {

namespace {

// Deep enough for any block, shallow enough that hostile input cannot
// exhaust the stack.
constexpr int kMaxDepth = 64;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Length of the well-formed UTF-8 sequence at the start of @p text, 0 when
// it is malformed (overlong forms, surrogates and values past U+10FFFF too).
std::size_t utf8SequenceLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, smallest = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

}  // namespace

class JsonValue::Parser {
public:
    explicit Parser(std::string_view text) : m_text(text) {}

    std::optional<JsonValue> document(std::string& errorUtf8)
    {
        JsonValue root;
        skipSpace();
        if (value(root, 0)) {
            skipSpace();
            if (m_pos == m_text.size())
                return root;
            fail("после значения идёт лишний текст");
        }
        errorUtf8 = m_error;
        return std::nullopt;
    }

private:
    bool value(JsonValue& out, int depth)
    {
        if (m_pos == m_text.size())
            return fail("текст кончился, а значение не найдено");
        switch (m_text[m_pos]) {
        case '{': return object(out, depth + 1);
        case '[': return array(out, depth + 1);
        case '"':
            out.m_type = Type::String;
            return string(out.m_text);
        case 't': return literal("true", out, Type::Boolean, true);
        case 'f': return literal("false", out, Type::Boolean, false);
        case 'n': return literal("null", out, Type::Null, false);
        default:
            if (m_text[m_pos] == '-' || isDigit(m_text[m_pos]))
                return number(out);
            return fail("ожидалось значение: число, текст в кавычках, объект или массив");
        }
    }

    bool object(JsonValue& out, int depth)
    {
        if (depth > kMaxDepth)
            return fail("слишком глубокая вложенность");
        out.m_type = Type::Object;
        ++m_pos;
        skipSpace();
        if (take('}'))
            return true;
        std::set<std::string> names;
        for (;;) {
            skipSpace();
            const std::size_t nameAt = m_pos;
            if (m_pos == m_text.size() || m_text[m_pos] != '"')
                return fail("ожидалось имя поля в кавычках");
            std::string name;
            if (!string(name))
                return false;
            if (!names.insert(name).second) {
                m_pos = nameAt;
                return fail("поле «" + name + "» повторяется");
            }
            skipSpace();
            if (!take(':'))
                return fail("после имени поля ожидалось «:»");
            skipSpace();
            out.m_members.emplace_back(std::move(name), JsonValue{});
            if (!value(out.m_members.back().second, depth))
                return false;
            skipSpace();
            if (take('}'))
                return true;
            if (!take(','))
                return fail("ожидалась «,» или «}»");
        }
    }

    bool array(JsonValue& out, int depth)
    {
        if (depth > kMaxDepth)
            return fail("слишком глубокая вложенность");
        out.m_type = Type::Array;
        ++m_pos;
        skipSpace();
        if (take(']'))
            return true;
        for (;;) {
            skipSpace();
            out.m_elements.emplace_back();
            if (!value(out.m_elements.back(), depth))
                return false;
            skipSpace();
            if (take(']'))
                return true;
            if (!take(','))
                return fail("ожидалась «,» или «]»");
        }
    }

    bool literal(std::string_view word, JsonValue& out, Type type, bool boolean)
    {
        if (m_text.substr(m_pos, word.size()) != word)
            return fail("ожидалось значение: число, текст в кавычках, объект или массив");
        m_pos += word.size();
        out.m_type = type;
        out.m_boolean = boolean;
        return true;
    }

    // The literal is kept as written; its grammar is checked here.
    bool number(JsonValue& out)
    {
        const std::size_t start = m_pos;
        take('-');
        if (!take('0') && !digits())
            return fail("недопустимое число");
        if (take('.') && !digits())
            return fail("недопустимое число: после точки нет цифр");
        if (take('e') || take('E')) {
            if (!take('+'))
                take('-');
            if (!digits())
                return fail("недопустимое число: нет цифр порядка");
        }
        if (m_pos < m_text.size() && (isDigit(m_text[m_pos]) || m_text[m_pos] == '.'))
            return fail("недопустимое число");
        out.m_type = Type::Number;
        out.m_text.assign(m_text.substr(start, m_pos - start));
        return true;
    }

    bool digits()
    {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && isDigit(m_text[m_pos]))
            ++m_pos;
        return m_pos > start;
    }

    bool string(std::string& out)
    {
        ++m_pos;
        for (;;) {
            if (m_pos == m_text.size())
                return fail("текст в кавычках не закрыт");
            const char c = m_text[m_pos];
            if (c == '"') {
                ++m_pos;
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                return fail("управляющий символ внутри текста; его нужно записать как «\\u00XX»");
            if (c == '\\') {
                if (!escape(out))
                    return false;
                continue;
            }
            const std::size_t length = utf8SequenceLength(m_text.substr(m_pos));
            if (length == 0)
                return fail("текст не в кодировке UTF-8");
            out.append(m_text.substr(m_pos, length));
            m_pos += length;
        }
    }

    bool escape(std::string& out)
    {
        ++m_pos;
        if (m_pos == m_text.size())
            return fail("текст в кавычках не закрыт");
        const char c = m_text[m_pos++];
        switch (c) {
        case '"': out += '"'; return true;
        case '\\': out += '\\'; return true;
        case '/': out += '/'; return true;
        case 'b': out += '\b'; return true;
        case 'f': out += '\f'; return true;
        case 'n': out += '\n'; return true;
        case 'r': out += '\r'; return true;
        case 't': out += '\t'; return true;
        case 'u': break;
        default:
            --m_pos;
            return fail("недопустимый знак после «\\»");
        }
        char32_t code = 0;
        if (!hex4(code))
            return false;
        if (code >= 0xDC00 && code <= 0xDFFF)
            return fail("вторая половина суррогатной пары без первой");
        if (code >= 0xD800 && code <= 0xDBFF) {
            if (m_text.substr(m_pos, 2) != "\\u")
                return fail("первая половина суррогатной пары без второй");
            m_pos += 2;
            char32_t low = 0;
            if (!hex4(low))
                return false;
            if (low < 0xDC00 || low > 0xDFFF)
                return fail("первая половина суррогатной пары без второй");
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        text::appendUtf8(out, code);
        return true;
    }

    bool hex4(char32_t& code)
    {
        for (int i = 0; i < 4; ++i) {
            const int digit = m_pos < m_text.size() ? hexDigit(m_text[m_pos]) : -1;
            if (digit < 0)
                return fail("после «\\u» нужны четыре шестнадцатеричные цифры");
            code = code * 16 + static_cast<char32_t>(digit);
            ++m_pos;
        }
        return true;
    }

    bool take(char c)
    {
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    void skipSpace()
    {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t' || m_text[m_pos] == '\n' ||
                                         m_text[m_pos] == '\r'))
            ++m_pos;
    }

    // Records the first failure with its line and column (in characters, from 1).
    bool fail(const std::string& what)
    {
        if (!m_error.empty())
            return false;
        const std::string_view before = m_text.substr(0, std::min(m_pos, m_text.size()));
        const std::size_t lineStart = before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
        const auto line = 1 + std::count(before.begin(), before.end(), '\n');
        const auto column = 1 + std::count_if(before.begin() + static_cast<std::ptrdiff_t>(lineStart), before.end(),
                                              [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
        m_error = "строка " + std::to_string(line) + ", позиция " + std::to_string(column) + ": " + what + ".";
        return false;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::string m_error;
};

std::optional<JsonValue> JsonValue::parse(std::string_view text, std::string& errorUtf8)
{
    errorUtf8.clear();
    return Parser(text).document(errorUtf8);
}

const JsonValue* JsonValue::find(std::string_view name) const
{
    for (const Member& member : m_members) {
        if (member.first == name)
            return &member.second;
    }
    return nullptr;
}

}  // namespace tarvelo::host

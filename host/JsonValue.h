// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvelo::host {

/// A parsed JSON document that keeps object members in the order they were
/// written and numbers as the text they were written with, so that readers
/// can convert them exactly into the type they need.
class JsonValue {
public:
    enum class Type { Null, Boolean, Number, String, Array, Object };
    using Member = std::pair<std::string, JsonValue>;

    /// Parses a whole UTF-8 document. On malformed input answers nothing and
    /// puts a Russian message naming the line and column into @p errorUtf8.
    /// Member names must be unique within an object.
    static std::optional<JsonValue> parse(std::string_view text, std::string& errorUtf8);

    [[nodiscard]] Type type() const { return m_type; }
    [[nodiscard]] bool isNumber() const { return m_type == Type::Number; }
    [[nodiscard]] bool isString() const { return m_type == Type::String; }
    [[nodiscard]] bool isArray() const { return m_type == Type::Array; }
    [[nodiscard]] bool isObject() const { return m_type == Type::Object; }

    [[nodiscard]] bool boolean() const { return m_boolean; }
    /// A string's contents (UTF-8), or a number's literal as written.
    [[nodiscard]] const std::string& text() const { return m_text; }
    [[nodiscard]] const std::vector<JsonValue>& elements() const { return m_elements; }
    [[nodiscard]] const std::vector<Member>& members() const { return m_members; }
    /// The member of an object by name; null when absent or not an object.
    [[nodiscard]] const JsonValue* find(std::string_view name) const;

private:
    class Parser;

    Type m_type = Type::Null;
    bool m_boolean = false;
    std::string m_text;
    std::vector<JsonValue> m_elements;
    std::vector<Member> m_members;
};

}  // namespace tarvelo::host

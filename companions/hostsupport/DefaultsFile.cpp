// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DefaultsFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <functional>
#include <sstream>

#include "tarvelo/services/TextCodec.h"

namespace tarvelo::hostsupport {

const SymbolDefaults* Catalog::symbol(std::uint32_t type) const
{
    auto found = symbols.find(type);
    return found != symbols.end() ? &found->second : nullptr;
}

const NamedColor* Catalog::color(std::uint32_t number) const
{
    auto found = std::find_if(colors.begin(), colors.end(), [number](const NamedColor& c) { return c.number == number; });
    return found != colors.end() ? &*found : nullptr;
}

namespace {

struct ParseError {
    std::string message;
};

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The library parses its file on every call, so the pieces of a line go into
// a list the parser keeps rather than a new one per line.
using Pieces = std::vector<std::string_view>;

const Pieces& splitFields(std::string_view text, char separator, Pieces& fields)
{
    fields.clear();
    for (;;) {
        const auto at = text.find(separator);
        fields.push_back(trimmed(text.substr(0, at)));
        if (at == std::string_view::npos)
            return fields;
        text.remove_prefix(at + 1);
    }
}

const Pieces& splitWords(std::string_view text, Pieces& words)
{
    splitFields(text, ' ', words);
    std::erase_if(words, [](std::string_view word) { return word.empty(); });
    return words;
}

double number(std::string_view text, const char* what)
{
    double value = 0.0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        throw ParseError{std::string(what) + ": ожидалось число, а не \"" + std::string(text) + "\""};
    return value;
}

std::uint32_t wholeNumber(std::string_view text, const char* what)
{
    std::uint32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        throw ParseError{std::string(what) + ": ожидалось целое число, а не \"" + std::string(text) + "\""};
    return value;
}

std::string name(std::string_view utf8, const char* what)
{
    if (utf8.empty())
        throw ParseError{std::string(what) + ": пусто"};
    return text::utf8ToCp1251(utf8);
}

template <typename Entry>
std::uint32_t positionOf(const std::vector<Entry>& entries, const std::string& wanted, const char* section)
{
    if (const auto found = std::ranges::find(entries, wanted, &Entry::name); found != entries.end())
        return static_cast<std::uint32_t>(found - entries.begin() + 1);
    throw ParseError{"\"" + text::cp1251ToUtf8(wanted) + "\" нет выше в разделе [" + section + "]"};
}

class Parser {
public:
    Catalog run(std::string_view text)
    {
        std::size_t lineNumber = 0;
        while (!text.empty()) {
            const auto end = text.find('\n');
            const auto line = trimmed(text.substr(0, end));
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
            ++lineNumber;
            if (line.empty() || line.front() == '#')
                continue;
            try {
                if (line.front() == '[')
                    openSection(line);
                else
                    readEntry(line);
            } catch (const ParseError& error) {
                throw ParseError{"строка " + std::to_string(lineNumber) + ": " + error.message};
            }
        }
        finish();
        return std::move(m_catalog);
    }

private:
    enum class Section { None, Colors, Weights, TextStyles, LineTypes, Symbol, Axes };

    void openSection(std::string_view line)
    {
        if (line.back() != ']')
            throw ParseError{"заголовок раздела должен кончаться на ]"};
        finishSymbols();
        const auto& words = splitWords(line.substr(1, line.size() - 2), m_words);
        if (words.empty())
            throw ParseError{"в заголовке нет имени раздела"};
        const auto kind = words.front();
        const std::vector<std::string_view> codes(words.begin() + 1, words.end());
        const bool takesCodes = kind == "symbol" || kind == "axes";
        if (takesCodes == codes.empty())
            throw ParseError{takesCodes ? "[" + std::string(kind) + "] требует коды типов символов"
                                        : "[" + std::string(kind) + "] не принимает кодов"};
        m_codes.clear();
        for (auto code : codes)
            m_codes.push_back(wholeNumber(code, "код типа символа"));
        if (kind == "colors")
            m_section = Section::Colors;
        else if (kind == "lineweights")
            m_section = Section::Weights;
        else if (kind == "textstyles")
            m_section = Section::TextStyles;
        else if (kind == "linetypes")
            m_section = Section::LineTypes;
        else if (kind == "symbol")
            openSymbol();
        else if (kind == "axes")
            openAxes();
        else
            throw ParseError{"неизвестный раздел [" + std::string(kind) + "]"};
    }

    void openSymbol()
    {
        for (auto code : m_codes)
            if (m_catalog.symbols.contains(code))
                throw ParseError{"тип символа " + std::to_string(code) + " описан дважды"};
        m_section = Section::Symbol;
        m_symbol = SymbolDefaults{};
        m_hidden.clear();
    }

    void openAxes()
    {
        if (m_codes.size() != 1)
            throw ParseError{"[axes] принимает один код типа"};
        if (!m_catalog.axes.emplace(m_codes.front(), AxisArray{}).second)
            throw ParseError{"оси типа " + std::to_string(m_codes.front()) + " заданы дважды"};
        m_section = Section::Axes;
    }

    void readEntry(std::string_view line)
    {
        const auto equals = line.find('=');
        if (equals == std::string_view::npos)
            throw ParseError{"ожидалось \"имя = значение\""};
        const auto key = trimmed(line.substr(0, equals));
        const auto value = trimmed(line.substr(equals + 1));
        switch (m_section) {
        case Section::None:
            throw ParseError{"запись до первого [раздела]"};
        case Section::Colors: {
            const auto colorNumber = wholeNumber(key, "номер цвета");
            if (colorNumber > kByLayer)
                throw ParseError{"номера цветов идут от 0 до 256"};
            if (m_catalog.color(colorNumber) != nullptr)
                throw ParseError{"цвет " + std::to_string(colorNumber) + " указан дважды"};
            m_catalog.colors.push_back({colorNumber, name(value, "имя цвета")});
            break;
        }
        case Section::Weights: {
            const double width = number(value, "вес линии");
            if (width < 0.0)
                throw ParseError{"вес линии не может быть отрицательным"};
            m_catalog.weights.push_back({unique(m_catalog.weights, key, "вес линии"), width});
            break;
        }
        case Section::TextStyles: {
            const auto& fields = splitFields(value, '|', m_fields);
            if (fields.size() != 3)
                throw ParseError{"у текстового стиля: высота | коэффициент ширины | наклон"};
            TextStyle style{unique(m_catalog.textStyles, key, "текстовый стиль"), number(fields[0], "высота букв"),
                            number(fields[1], "коэффициент ширины"), number(fields[2], "наклон")};
            if (style.height <= 0.0 || style.widthFactor <= 0.0)
                throw ParseError{"высота букв и коэффициент ширины должны быть больше 0"};
            m_catalog.textStyles.push_back(std::move(style));
            break;
        }
        case Section::LineTypes: {
            const auto lineType = name(key, "имя типа линий");
            if (std::find(m_catalog.lineTypes.begin(), m_catalog.lineTypes.end(), lineType) != m_catalog.lineTypes.end())
                throw ParseError{"тип линий \"" + std::string(key) + "\" указан дважды"};
            m_catalog.lineTypes.push_back(lineType);
            break;
        }
        case Section::Symbol:
            readSymbolEntry(key, value);
            break;
        case Section::Axes:
            readAxis(key, value);
            break;
        }
    }

    template <typename Entry>
    std::string unique(const std::vector<Entry>& entries, std::string_view key, const char* what)
    {
        auto entryName = name(key, what);
        if (std::ranges::find(entries, entryName, &Entry::name) != entries.end())
            throw ParseError{std::string(what) + " \"" + std::string(key) + "\" указан дважды"};
        return entryName;
    }

    void readSymbolEntry(std::string_view key, std::string_view value)
    {
        const auto& words = splitWords(key, m_words);
        auto& traits = m_symbol.traits;
        if (words.size() == 2 && words[0] == "param") {
            const auto parameterKey = wholeNumber(words[1], "номер строки");
            if (parameterKey != m_symbol.parameters.size() + 1)
                throw ParseError{"строки нумеруются по порядку 1, 2, 3 ...; ожидалось param " +
                                 std::to_string(m_symbol.parameters.size() + 1)};
            const auto& fields = splitFields(value, '|', m_fields);
            if (fields.size() != 2)
                throw ParseError{"у строки: имя | значение по умолчанию"};
            m_symbol.parameters.push_back({parameterKey, name(fields[0], "имя строки"), number(fields[1], "значение по умолчанию")});
        } else if (words.size() == 2 && words[0] == "hidden") {
            const auto parameterKey = wholeNumber(words[1], "ключ параметра");
            if (parameterKey == 0)
                throw ParseError{"ключи параметров начинаются с 1"};
            if (!m_hidden.emplace(parameterKey, number(value, "значение по умолчанию")).second)
                throw ParseError{"hidden " + std::to_string(parameterKey) + " задан дважды"};
        } else if (key == "title") {
            m_symbol.title = name(value, "заголовок");
        } else if (key == "color") {
            traits.color = wholeNumber(value, "номер цвета");
            if (m_catalog.color(traits.color) == nullptr)
                throw ParseError{"цвета " + std::string(value) + " нет выше в разделе [colors]"};
        } else if (key == "linetype" || key == "thicklinetype") {
            auto lineType = name(value, "тип линий");
            if (std::find(m_catalog.lineTypes.begin(), m_catalog.lineTypes.end(), lineType) == m_catalog.lineTypes.end())
                throw ParseError{"\"" + std::string(value) + "\" нет выше в разделе [linetypes]"};
            (key == "linetype" ? traits.lineType : traits.thickLineType) = std::move(lineType);
        } else if (key == "weight" || key == "thickweight") {
            (key == "weight" ? traits.weight : traits.thickWeight) =
                positionOf(m_catalog.weights, name(value, "вес линии"), "lineweights");
        } else if (key == "textstyle") {
            traits.textStyle = positionOf(m_catalog.textStyles, name(value, "текстовый стиль"), "textstyles");
        } else if (key == "layer") {
            traits.layer = name(value, "имя слоя");
        } else {
            throw ParseError{"неизвестная запись \"" + std::string(key) + "\""};
        }
    }

    void readAxis(std::string_view key, std::string_view value)
    {
        auto& array = m_catalog.axes[m_codes.front()];
        if (key != "letter" && key != "number")
            throw ParseError{"ось задаётся как letter или number"};
        const auto& fields = splitFields(value, '|', m_fields);
        if (fields.size() != 2)
            throw ParseError{"у оси: обозначение | шаг"};
        (key == "letter" ? array.letters : array.numbers).push_back({name(fields[0], "обозначение оси"), number(fields[1], "шаг")});
    }

    // A symbol section ends at the next header or at the end of the file.
    void finishSymbols()
    {
        if (m_section != Section::Symbol)
            return;
        if (m_symbol.title.empty())
            throw ParseError{"у раздела символа перед этой строкой нет title"};
        if (m_symbol.traits.weight == 0 || m_symbol.traits.thickWeight == 0 || m_symbol.traits.textStyle == 0 ||
            m_symbol.traits.lineType.empty() || m_symbol.traits.thickLineType.empty())
            throw ParseError{"в разделе символа перед этой строкой не хватает типа линий, веса или текстового стиля"};
        for (const auto& [key, value] : m_hidden) {
            if (key <= m_symbol.parameters.size())
                throw ParseError{"hidden " + std::to_string(key) + " совпадает со строкой раздела перед этой строкой"};
            m_symbol.parameters.push_back({key, {}, value});
        }
        for (auto code : m_codes)
            m_catalog.symbols.emplace(code, m_symbol);
        m_section = Section::None;
    }

    void finish()
    {
        try {
            finishSymbols();
        } catch (const ParseError& error) {
            throw ParseError{"в конце файла: " + error.message};
        }
        if (m_catalog.colors.empty() || m_catalog.weights.empty() || m_catalog.textStyles.empty() ||
            m_catalog.lineTypes.empty())
            throw ParseError{"разделы [colors], [lineweights], [textstyles] и [linetypes] не должны быть пустыми"};
    }

    Catalog m_catalog;
    Section m_section = Section::None;
    std::vector<std::uint32_t> m_codes;
    SymbolDefaults m_symbol;
    std::map<std::uint32_t, double> m_hidden;
    Pieces m_words;
    Pieces m_fields;
};

}  // namespace

CatalogResult parseCatalog(std::string_view utf8Text)
{
    try {
        return {Parser().run(utf8Text), {}};
    } catch (const ParseError& error) {
        return {std::nullopt, error.message};
    }
}

CatalogResult readCatalog(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {std::nullopt, "не удаётся открыть " + file.string()};
    std::ostringstream content;
    content << in.rdbuf();
    auto result = parseCatalog(content.str());
    if (!result.catalog)
        result.problem = file.string() + ": " + result.problem;
    return result;
}

}  // namespace tarvelo::hostsupport

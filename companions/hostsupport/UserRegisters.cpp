// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "UserRegisters.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string_view>
#include <type_traits>

#include "tarvelo/geometry/TraitField.h"

namespace tarvelo::hostsupport {

namespace {

using GEOTYPE_DEFINITION::IGeoItemTraits;

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    while (!text.empty()) {
        const auto at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            break;
        text.remove_prefix(at + 1);
    }
    return parts;
}

// A number that is the whole text, nothing more.
template <class Number = std::uint32_t>
std::optional<Number> parseExact(std::string_view text)
{
    Number value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string valueName(const char* kind, std::uint32_t symbolType)
{
    return kind + std::to_string(symbolType);
}

// A trait field's value as a register line holds it, and back.
// Registers are lines of tab-separated fields; names must not break them.
std::string registerText(std::string name)
{
    std::replace_if(name.begin(), name.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return name;
}

std::string registerText(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

template <class Whole>
    requires std::is_unsigned_v<Whole>
std::string registerText(Whole value)
{
    return std::to_string(value);
}

std::string registerText(const GEOTYPE_DEFINITION::TraitTriple& triple)
{
    return std::to_string(triple[0]) + ' ' + std::to_string(triple[1]) + ' ' + std::to_string(triple[2]);
}

template <class Value>
std::optional<Value> parseRegisterText(std::string_view text)
{
    if constexpr (std::is_same_v<Value, std::string>) {
        return std::string(text);
    } else if constexpr (std::is_same_v<Value, double>) {
        return parseExact<double>(text);
    } else if constexpr (std::is_same_v<Value, GEOTYPE_DEFINITION::TraitTriple>) {
        const auto parts = split(text, ' ');
        if (parts.size() != 3)
            return std::nullopt;
        const auto a = parseExact(parts[0]), b = parseExact(parts[1]), c = parseExact(parts[2]);
        if (!a || !b || !c)
            return std::nullopt;
        return Value{*a, *b, *c};
    } else {
        return parseExact<Value>(text);
    }
}

}  // namespace

// Read past the parameter service: a register not written yet is no failure worth a log line.
// A register lives for one call of the library, so a value read once is kept.
std::string UserRegisters::read(const std::string& name)
{
    if (auto known = m_read.find(name); known != m_read.end())
        return known->second;
    services::StoredValue value;
    std::string text;
    if (m_store.readValue(false, kKey, name, value) == 0 &&
        value.type == static_cast<std::uint32_t>(services::RegistryType::String))
        text = value.data.substr(0, value.data.find('\0'));
    return m_read[name] = text;
}

void UserRegisters::write(const std::string& name, const std::string& text)
{
    m_hub.SetStringParams(kKey, name, text, false);
    m_read[name] = text;
}

std::vector<RegisteredColor> UserRegisters::colors()
{
    std::vector<RegisteredColor> result;
    const auto text = read("Colors");  // the views below point into it
    for (auto line : split(text, '\n')) {
        auto parts = split(line, '\t');
        if (parts.size() != 5)
            continue;
        auto number = parseExact(parts[0]);
        auto red = parseExact(parts[2]), green = parseExact(parts[3]), blue = parseExact(parts[4]);
        if (number && red && green && blue && *red < 256 && *green < 256 && *blue < 256)
            result.push_back({*number, std::string(parts[1]), static_cast<std::uint8_t>(*red),
                              static_cast<std::uint8_t>(*green), static_cast<std::uint8_t>(*blue)});
    }
    return result;
}

void UserRegisters::registerColor(const RegisteredColor& color)
{
    auto registered = colors();
    std::erase_if(registered, [&](const RegisteredColor& c) { return c.number == color.number; });
    registered.push_back(color);
    std::string text;
    for (const auto& c : registered)
        text += std::to_string(c.number) + '\t' + registerText(c.name) + '\t' + std::to_string(c.red) + '\t' +
                std::to_string(c.green) + '\t' + std::to_string(c.blue) + '\n';
    write("Colors", text);
}

std::vector<std::string> UserRegisters::lineTypes(const Catalog& catalog)
{
    std::vector<std::string> names;
    const auto text = read("LineTypes");
    for (auto line : split(text, '\n'))
        if (!line.empty())
            names.emplace_back(line);
    // Line types added to the data file later come after the ones already coded.
    for (const auto& name : catalog.lineTypes)
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    return names;
}

std::uint32_t UserRegisters::registerLineType(const Catalog& catalog, const std::string& name)
{
    const auto wanted = registerText(name);
    if (wanted.empty())
        return 0;
    auto names = lineTypes(catalog);
    auto found = std::find(names.begin(), names.end(), wanted);
    if (found != names.end())
        return static_cast<std::uint32_t>(found - names.begin() + 1);
    names.push_back(wanted);
    std::string text;
    for (const auto& n : names)
        text += n + '\n';
    write("LineTypes", text);
    return static_cast<std::uint32_t>(names.size());
}

std::optional<std::map<std::uint32_t, double>> UserRegisters::savedParameters(std::uint32_t symbolType)
{
    const auto text = read(valueName("Params", symbolType));
    if (text.empty())
        return std::nullopt;
    std::map<std::uint32_t, double> parameters;
    for (auto line : split(text, '\n')) {
        auto parts = split(line, '\t');
        if (parts.size() != 2)
            continue;
        auto key = parseExact(parts[0]);
        auto value = parseExact<double>(parts[1]);
        if (key && value)
            parameters[*key] = *value;
    }
    return parameters;
}

void UserRegisters::saveParameters(std::uint32_t symbolType, const std::map<std::uint32_t, double>& parameters)
{
    std::string text;
    for (const auto& [key, value] : parameters)
        text += std::to_string(key) + '\t' + registerText(value) + '\n';
    write(valueName("Params", symbolType), text);
}

bool UserRegisters::loadSavedTraits(std::uint32_t symbolType, IGeoItemTraits& target)
{
    const auto text = read(valueName("Traits", symbolType));
    if (text.empty())
        return false;
    for (auto line : split(text, '\n')) {
        const auto tab = line.find('\t');
        if (tab == std::string_view::npos)
            continue;
        const auto name = line.substr(0, tab);
        GEOTYPE_DEFINITION::forEachTraitField([&](const auto& trait) {
            using Value = typename std::remove_cvref_t<decltype(trait)>::ValueType;
            if (!trait.copied || name != trait.name)
                return;
            if (auto value = parseRegisterText<Value>(line.substr(tab + 1)))
                trait.set(target, *value);
        });
    }
    return true;
}

// The fields a traits copy carries: what the user picked, not the record's working values.
void UserRegisters::saveTraits(std::uint32_t symbolType, IGeoItemTraits& traits)
{
    std::string text;
    GEOTYPE_DEFINITION::forEachTraitField([&](const auto& trait) {
        if (trait.copied)
            text += std::string(trait.name) + '\t' + registerText(trait.get(traits)) + '\n';
    });
    write(valueName("Traits", symbolType), text);
}

std::optional<AxisArray> UserRegisters::savedAxes(std::uint32_t symbolType)
{
    const auto text = read(valueName("Axes", symbolType));
    if (text.empty())
        return std::nullopt;
    AxisArray axes;
    for (auto line : split(text, '\n')) {
        auto parts = split(line, '\t');
        if (parts.size() != 3 || (parts[0] != "L" && parts[0] != "N"))
            continue;
        auto step = parseExact<double>(parts[2]);
        (parts[0] == "L" ? axes.letters : axes.numbers).push_back({std::string(parts[1]), step.value_or(0.0)});
    }
    return axes;
}

void UserRegisters::saveAxes(std::uint32_t symbolType, const AxisArray& axes)
{
    std::string text;
    for (const auto& axis : axes.letters)
        text += "L\t" + registerText(axis.name) + '\t' + registerText(axis.step) + '\n';
    for (const auto& axis : axes.numbers)
        text += "N\t" + registerText(axis.name) + '\t' + registerText(axis.step) + '\n';
    write(valueName("Axes", symbolType), text);
}

}  // namespace tarvelo::hostsupport

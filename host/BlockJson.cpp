// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "BlockJson.h"

#include <QString>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <iterator>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <string_view>
#include <vector>

#include "tarvelo/geometry/ForEachEntry.h"
#include "tarvelo/geometry/TGeoItem.h"
#include "tarvelo/geometry/TraitField.h"
#include "tarvelo/services/TextCodec.h"

namespace tarvelo::host {

namespace {

using namespace GEOTYPE_DEFINITION;
using nlohmann::ordered_json;

// Appends without the search for an existing name that ordered_json's
// operator[] makes, which costs quadratic time on objects with many members.
void append(ordered_json& object, std::string name, ordered_json value)
{
    object.get_ref<ordered_json::object_t&>().emplace_back(std::move(name), std::move(value));
}

ordered_json toJson(const std::string& cp1251)
{
    return text::cp1251ToUtf8(cp1251);
}

ordered_json toJson(double value)
{
    if (std::isfinite(value))
        return value;
    // JSON has no NaN or infinity; keep them readable as strings.
    return std::isnan(value) ? "NaN" : (value > 0 ? "Infinity" : "-Infinity");
}

template <class Whole>
    requires std::is_unsigned_v<Whole>
ordered_json toJson(Whole value)
{
    return value;
}

ordered_json toJson(const TraitTriple& triple)
{
    return ordered_json::array({triple[0], triple[1], triple[2]});
}

ordered_json traitsJson(const IGeoItemTraits& traits)
{
    ordered_json json = ordered_json::object();
    forEachTraitField([&](const auto& field) { append(json, field.name, toJson(field.get(traits))); });
    return json;
}

template <class Map>
ordered_json keyedValuesJson(const Map& values)
{
    ordered_json json = ordered_json::object();
    for (const auto& [key, value] : values)
        append(json, std::to_string(key), toJson(value));
    return json;
}

template <class Collection>
ordered_json pointsJson(Collection* points, bool withScope)
{
    ordered_json json = ordered_json::array();
    forEachPoint(points, [&](std::uint32_t key, IGeoPoint& point) {
        ordered_json& element = json.emplace_back(ordered_json::object());
        element["key"] = key;
        element["x"] = toJson(point.GetX());
        element["y"] = toJson(point.GetY());
        element["z"] = toJson(point.GetZ());
        element["pointType"] = point.GetPointType();
        element["pointFlag"] = point.GetPointFlag();
        element["pointTag"] = point.GetPointTag();
        if (withScope) {
            element["scopeKey"] = point.GetScopeKey();
            element["scopeKind"] = point.GetScopeKind();
            element["scopeValue1"] = point.GetScopeValue1();
            element["scopeValue2"] = point.GetScopeValue2();
        }
    });
    return json;
}

ordered_json itemsJson(IGeoItemCollection* items)
{
    ordered_json json = ordered_json::array();
    forEachItem(items, [&json](std::uint32_t key, IGeoItem& item) {
        ordered_json& element = json.emplace_back(ordered_json::object());
        element["key"] = key;
        element["kind"] = item.GetKind();
        element["id"] = item.GetId();
        element["text"] = toJson(item.GetText());
        element["length"] = item.GetLength();
        element["style"] = item.GetStyle();
        element["values"] = keyedValuesJson(item.GetValueMap());
        if (const IGeoItemTraits* traits = item.GetTraits())
            element["traits"] = traitsJson(*traits);
    });
    return json;
}

}  // namespace

ordered_json blockToJsonDocument(IGeoBlock& block)
{
    ordered_json json = ordered_json::object();
    json["symbolType"] = block.GetSymbolType();
    json["symbolVariant"] = block.GetSymbolVariant();
    json["scale"] = toJson(block.GetScale());
    json["angle"] = toJson(block.GetAngle());
    json["angleMode"] = block.GetAngleMode();
    json["editMode"] = block.GetEditMode();
    json["number"] = block.GetNumber();
    json["stateByte"] = block.GetStateByte();
    json["code"] = block.GetCode();
    json["tag"] = block.GetTag();
    json["params"] = keyedValuesJson(block.GetParamMap());
    if (const EXTEND_DEFINITION::IExtData* ext = block.GetExtData()) {
        ordered_json& extData = json["extData"] = ordered_json::object();
        extData["dataId"] = ext->GetDataId();
        extData["symbolType"] = ext->GetSymbolType();
        extData["symbolVariant"] = ext->GetSymbolVariant();
        extData["mainText"] = toJson(ext->GetMainText());
        extData["subText"] = toJson(ext->GetSubText());
        extData["flags"] = ext->GetFlags();
    }
    if (const IGeoItemTraits* traits = block.GetTraits())
        json["traits"] = traitsJson(*traits);
    json["items"] = itemsJson(block.GetItems());
    json["scopePoints"] = pointsJson(block.GetScopePoints(), true);
    json["points"] = pointsJson(block.GetPoints(), false);
    return json;
}

std::string blockToJson(IGeoBlock& block)
{
    return blockToJsonDocument(block).dump(2, ' ', false, ordered_json::error_handler_t::replace) + '\n';
}

namespace {

// Deep enough for any block, shallow enough that hostile input cannot
// exhaust the stack of whoever walks the document.
constexpr std::size_t kMaxDepth = 64;

// The parser's error for a number literal no double holds.
constexpr int kNumberOverflow = 406;

// A place in a document as the messages name it: "items[0].traits.factor".
std::string placeName(const std::vector<std::string>& segments)
{
    std::string place;
    for (const std::string& segment : segments) {
        if (!place.empty() && segment.front() != '[')
            place += '.';
        place += segment;
    }
    return place;
}

// The parser tells its handler no positions; this iterator tells how far
// the parser has read.
struct TrackingIterator {
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    const char* at;
    const char** reached;

    reference operator*() const { return *at; }
    TrackingIterator& operator++()
    {
        *reached = ++at;
        return *this;
    }
    TrackingIterator operator++(int)
    {
        TrackingIterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const TrackingIterator& other) const { return at == other.at; }
};

// The parser's diagnostics, matched in its own words, and what the user reads.
constexpr std::array<std::pair<std::string_view, std::string_view>, 10> kTokenProblems{{
    {"missing closing quote", "текст в кавычках не закрыт"},
    {"must be escaped", "управляющий символ внутри текста; его нужно записать как «\\u00XX»"},
    {"forbidden character after backslash", "недопустимый знак после «\\»"},
    {"must be followed by 4 hex digits", "после «\\u» нужны четыре шестнадцатеричные цифры"},
    {"U+D800..U+DBFF must be followed", "первая половина суррогатной пары без второй"},
    {"U+DC00..U+DFFF must follow", "вторая половина суррогатной пары без первой"},
    {"ill-formed UTF-8", "текст не в кодировке UTF-8"},
    {"expected digit after '.'", "недопустимое число: после точки нет цифр"},
    {"after exponent", "недопустимое число: нет цифр порядка"},
    {"invalid number", "недопустимое число"},
}};
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kExpectedTokens{{
    {"expected end of input", "после значения идёт лишний текст"},
    {"expected string literal", "ожидалось имя поля в кавычках"},
    {"expected ':'", "после имени поля ожидалось «:»"},
    {"expected '}'", "ожидалась «,» или «}»"},
    {"expected ']'", "ожидалась «,» или «]»"},
}};

// Builds the document the parser reads and refuses what the parser lets
// through: a name used twice in one object and nesting deeper than any block.
class DocumentBuilder final : public nlohmann::json_sax<ordered_json> {
public:
    DocumentBuilder(std::string_view text, const char* const& reached) : m_text(text), m_reached(reached) {}

    ordered_json take() { return std::move(m_root); }
    [[nodiscard]] const std::string& error() const { return m_error; }

    bool null() override { return place(nullptr) != nullptr; }
    bool boolean(bool value) override { return place(value) != nullptr; }
    bool number_integer(number_integer_t value) override { return place(value) != nullptr; }
    bool number_unsigned(number_unsigned_t value) override { return place(value) != nullptr; }
    bool number_float(number_float_t value, const string_t&) override { return place(value) != nullptr; }
    bool string(string_t& value) override { return place(std::move(value)) != nullptr; }
    bool binary(binary_t&) override { return false; }
    bool start_object(std::size_t) override { return open(ordered_json::object()); }
    bool start_array(std::size_t) override { return open(ordered_json::array()); }
    bool end_object() override { return close(); }
    bool end_array() override { return close(); }

    bool key(string_t& name) override
    {
        Container& object = m_open.back();
        if (!object.names.insert(name).second)
            return fail(nameStart(consumed()), "поле «" + name + "» повторяется");
        object.name = std::move(name);
        return true;
    }

    bool parse_error(std::size_t position, const std::string& token,
                     const nlohmann::detail::exception& error) override
    {
        const std::size_t at = std::min(position, m_text.size() + 1) - 1;
        if (error.id == kNumberOverflow) {
            const std::string problem = "число " + token + " выходит за пределы чисел двойной точности";
            if (m_open.empty())
                return fail(at, problem);
            m_error = "Поле «" + path() + "»: " + problem + ".";
            return false;
        }
        const std::string_view what = error.what();
        const std::size_t dash = what.find(" - ");
        const std::string_view detail = dash == std::string_view::npos ? what : what.substr(dash + 3);
        // A text out of place, most often after a forgotten comma, is shown where it begins.
        if (detail.starts_with("unexpected string literal"))
            return fail(nameStart(at + 1), syntaxProblem(detail, at));
        return fail(at, syntaxProblem(detail, at));
    }

private:
    struct Container {
        ordered_json* json;
        std::set<std::string> names;
        std::string name;
    };

    // Files a value in the open container; a container stays where it is
    // filed while it is open, since nothing else is filed beside it until it closes.
    ordered_json* place(ordered_json value)
    {
        if (m_open.empty()) {
            m_root = std::move(value);
            return &m_root;
        }
        Container& parent = m_open.back();
        if (parent.json->is_array())
            return &parent.json->emplace_back(std::move(value));
        append(*parent.json, parent.name, std::move(value));
        return &parent.json->get_ref<ordered_json::object_t&>().back().second;
    }

    bool open(ordered_json container)
    {
        if (m_open.size() == kMaxDepth)
            return fail(consumed() - 1, "слишком глубокая вложенность");
        m_open.push_back({place(std::move(container)), {}, {}});
        return true;
    }

    bool close()
    {
        m_open.pop_back();
        return true;
    }

    [[nodiscard]] std::size_t consumed() const { return static_cast<std::size_t>(m_reached - m_text.data()); }

    // Where the text that ends just before @p end begins: the first quote,
    // going back, that no backslash escapes.
    [[nodiscard]] std::size_t nameStart(std::size_t end) const
    {
        std::size_t at = end - 1;
        while (at > 0) {
            --at;
            if (m_text[at] != '"')
                continue;
            std::size_t backslashes = 0;
            while (backslashes < at && m_text[at - 1 - backslashes] == '\\')
                ++backslashes;
            if (backslashes % 2 == 0)
                break;
        }
        return at;
    }

    // The place of the value being read, for a number that no double holds.
    [[nodiscard]] std::string path() const
    {
        std::vector<std::string> segments;
        for (std::size_t i = 0; i < m_open.size(); ++i) {
            const Container& container = m_open[i];
            if (container.json->is_object()) {
                segments.push_back(container.name);
            } else {
                // An outer array already holds the open container it leads to.
                const std::size_t index = container.json->size() - (i + 1 < m_open.size() ? 1 : 0);
                segments.push_back("[" + std::to_string(index) + "]");
            }
        }
        return placeName(segments);
    }

    // The parser's account of a syntax error at byte @p at, in the user's words.
    [[nodiscard]] std::string_view syntaxProblem(std::string_view detail, std::size_t at) const
    {
        // "; last read:" follows the parser's account of a token it could not read.
        if (const auto lastRead = detail.find("; last read: '"); lastRead != std::string_view::npos) {
            for (const auto& [words, problem] : kTokenProblems) {
                if (detail.substr(0, lastRead).find(words) != std::string_view::npos)
                    return problem;
            }
        }
        // "01" and "1.5.3" come as a number followed by more of one.
        const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
        if (at > 0 && at < m_text.size() && isDigit(m_text[at - 1]) && (isDigit(m_text[at]) || m_text[at] == '.'))
            return "недопустимое число";
        for (const auto& [words, problem] : kExpectedTokens) {
            if (detail.ends_with(words))
                return problem;
        }
        if (detail.starts_with("unexpected end of input"))
            return "текст кончился, а значение не найдено";
        return "ожидалось значение: число, текст в кавычках, объект или массив";
    }

    // Records a failure at a byte of the text, with its line and column (in characters, from 1).
    bool fail(std::size_t at, std::string_view what)
    {
        const std::string_view before = m_text.substr(0, std::min(at, m_text.size()));
        const std::string_view lineBefore = before.substr(before.find_last_of('\n') + 1);
        const auto line = 1 + std::count(before.begin(), before.end(), '\n');
        const auto column = 1 + QString::fromUtf8(lineBefore.data(), qsizetype(lineBefore.size())).size();
        m_error = "Ошибка в записи JSON, строка " + std::to_string(line) + ", позиция " + std::to_string(column) +
                  ": " + std::string(what) + ".";
        return false;
    }

    std::string_view m_text;
    const char* const& m_reached;
    ordered_json m_root;
    std::vector<Container> m_open;
    std::string m_error;
};

std::optional<ordered_json> parseDocument(std::string_view text, std::string& errorUtf8)
{
    const char* reached = text.data();
    DocumentBuilder builder(text, reached);
    const TrackingIterator begin{text.data(), &reached};
    const TrackingIterator end{text.data() + text.size(), &reached};
    if (!ordered_json::sax_parse(begin, end, &builder)) {
        errorUtf8 = builder.error();
        return std::nullopt;
    }
    return builder.take();
}

class BlockReader;

// One member of an object: its name and how its value reaches the target.
template <class Target>
struct Field {
    std::string_view name;
    std::function<bool(BlockReader&, Target&, const ordered_json&)> read;
};

template <class Target>
using Fields = std::vector<Field<Target>>;

// Reads values into a block and keeps the path of the member being read,
// so that a refusal can say where it happened.
class BlockReader {
public:
    explicit BlockReader(std::string& errorUtf8) : m_error(errorUtf8) {}

    // Enters a member or an array element for as long as it lives.
    class Scope {
    public:
        Scope(BlockReader& reader, std::string segment) : m_reader(reader)
        {
            m_reader.m_path.push_back(std::move(segment));
        }
        ~Scope() { m_reader.m_path.pop_back(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        BlockReader& m_reader;
    };

    bool fail(std::string_view what)
    {
        m_error = "Поле «" + placeName(m_path) + "»: ";
        m_error += what;
        m_error += '.';
        return false;
    }

    template <class Value>
    std::optional<Value> read(const ordered_json& json)
    {
        if constexpr (std::is_same_v<Value, double>) {
            return real(json);
        } else if constexpr (std::is_same_v<Value, std::string>) {
            if (!json.is_string()) {
                fail("ожидался текст в кавычках");
                return std::nullopt;
            }
            return text::utf8ToCp1251(json.get_ref<const std::string&>());
        } else if constexpr (std::is_same_v<Value, TraitTriple>) {
            if (!json.is_array() || json.size() != 3) {
                fail("ожидался массив из трёх целых чисел");
                return std::nullopt;
            }
            TraitTriple triple{};
            for (std::size_t i = 0; i < triple.size(); ++i) {
                Scope scope(*this, "[" + std::to_string(i) + "]");
                const std::optional<std::uint32_t> value = read<std::uint32_t>(json[i]);
                if (!value)
                    return std::nullopt;
                triple[i] = *value;
            }
            return triple;
        } else {
            static_assert(std::is_unsigned_v<Value>);
            constexpr auto max = std::numeric_limits<Value>::max();
            if (!json.is_number_unsigned() || json.get<std::uint64_t>() > max) {
                fail("ожидалось целое число от 0 до " + std::to_string(max));
                return std::nullopt;
            }
            return json.get<Value>();
        }
    }

    template <class Target>
    bool object(const ordered_json& json, Target& target, const Fields<Target>& fields, std::string_view skipped = {})
    {
        if (!json.is_object())
            return fail("ожидался объект");
        for (const auto& [name, value] : json.get_ref<const ordered_json::object_t&>()) {
            if (name == skipped)
                continue;
            Scope scope(*this, name);
            const auto field = std::find_if(fields.begin(), fields.end(),
                                            [&name = name](const Field<Target>& f) { return f.name == name; });
            if (field == fields.end())
                return fail("неизвестное поле");
            if (!field->read(*this, target, value))
                return false;
        }
        return true;
    }

    // An array of objects filed by their member "key": @p file files a new
    // element under a key and returns it to be filled.
    template <class Target>
    bool keyedArray(const ordered_json& json, const Fields<Target>& fields,
                    const std::function<Target*(std::uint32_t)>& file)
    {
        if (!json.is_array())
            return fail("ожидался массив");
        std::set<std::uint32_t> keys;
        for (std::size_t i = 0; i < json.size(); ++i) {
            const ordered_json& element = json[i];
            Scope scope(*this, "[" + std::to_string(i) + "]");
            if (!element.is_object())
                return fail("ожидался объект");
            const auto keyJson = element.find("key");
            if (keyJson == element.end())
                return fail("нет поля «key»");
            std::optional<std::uint32_t> key;
            {
                Scope keyScope(*this, "key");
                key = read<std::uint32_t>(*keyJson);
                if (!key)
                    return false;
                if (!keys.insert(*key).second)
                    return fail("ключ " + std::to_string(*key) + " уже встречался");
            }
            Target* target = file(*key);
            if (target == nullptr)
                return fail("элемент не удалось добавить");
            if (!object(element, *target, fields, "key"))
                return false;
        }
        return true;
    }

    // An object whose member names are numeric keys: params and item values.
    template <class Value>
    bool keyedValues(const ordered_json& json, const std::function<void(std::uint32_t, Value)>& store)
    {
        if (!json.is_object())
            return fail("ожидался объект");
        for (const auto& [name, valueJson] : json.get_ref<const ordered_json::object_t&>()) {
            Scope scope(*this, name);
            std::uint32_t key = 0;
            const auto [end, status] = std::from_chars(name.data(), name.data() + name.size(), key);
            if (name.empty() || status != std::errc{} || end != name.data() + name.size())
                return fail("имя должно быть целым числом от 0 до 4294967295");
            const std::optional<Value> value = read<Value>(valueJson);
            if (!value)
                return false;
            store(key, *value);
        }
        return true;
    }

private:
    // Numbers as written, and the three names blockToJson gives the values JSON lacks.
    std::optional<double> real(const ordered_json& json)
    {
        if (json.is_string()) {
            const std::string& name = json.get_ref<const std::string&>();
            if (name == "NaN")
                return std::numeric_limits<double>::quiet_NaN();
            if (name == "Infinity")
                return std::numeric_limits<double>::infinity();
            if (name == "-Infinity")
                return -std::numeric_limits<double>::infinity();
        }
        if (!json.is_number()) {
            fail("ожидалось число");
            return std::nullopt;
        }
        return json.get<double>();
    }

    std::string& m_error;
    std::vector<std::string> m_path;
};

// A member written through one of the target's setters, read as the setter's argument type.
template <class Target, class Result, class Argument>
Field<Target> field(std::string_view name, Result (Target::*setter)(Argument))
{
    using Value = std::remove_cvref_t<Argument>;
    return {name, [setter](BlockReader& reader, Target& target, const ordered_json& json) {
                const std::optional<Value> value = reader.read<Value>(json);
                if (value)
                    (target.*setter)(*value);
                return value.has_value();
            }};
}

// A member that is an object of its own, one of the target's parts.
template <class Target, class Part>
Field<Target> part(std::string_view name, Part* (Target::*getter)(), const Fields<Part>& (*fields)())
{
    return {name, [getter, fields](BlockReader& reader, Target& target, const ordered_json& json) {
                Part* own = (target.*getter)();
                return own != nullptr ? reader.object(json, *own, fields()) : reader.fail("у блока нет этой части");
            }};
}

const Fields<IGeoItemTraits>& traitsFields()
{
    static const Fields<IGeoItemTraits> fields = [] {
        Fields<IGeoItemTraits> all;
        forEachTraitField([&all](const auto& trait) {
            using Value = typename std::remove_cvref_t<decltype(trait)>::ValueType;
            all.push_back({trait.name, [set = trait.set](BlockReader& reader, IGeoItemTraits& traits,
                                                          const ordered_json& json) {
                               const std::optional<Value> value = reader.read<Value>(json);
                               if (value)
                                   set(traits, *value);
                               return value.has_value();
                           }});
        });
        return all;
    }();
    return fields;
}

const Fields<EXTEND_DEFINITION::IExtData>& extDataFields()
{
    using T = EXTEND_DEFINITION::IExtData;
    static const Fields<T> fields{
        field("dataId", &T::SetDataId),
        field("symbolType", &T::SetSymbolType),
        field("symbolVariant", &T::SetSymbolVariant),
        field("mainText", &T::SetMainText),
        field("subText", &T::SetSubText),
        field("flags", &T::SetFlags),
    };
    return fields;
}

const Fields<IGeoPoint>& pointFields()
{
    using T = IGeoPoint;
    static const Fields<T> fields{
        field("x", &T::SetX),
        field("y", &T::SetY),
        field("z", &T::SetZ),
        field("pointType", &T::SetPointType),
        field("pointFlag", &T::SetPointFlag),
        field("pointTag", &T::SetPointTag),
    };
    return fields;
}

// A plain point has nowhere to keep these, so only scope points accept them.
const Fields<IGeoPoint>& scopePointFields()
{
    using T = IGeoPoint;
    static const Fields<T> fields = [] {
        Fields<T> all = pointFields();
        all.push_back(field("scopeKey", &T::SetScopeKey));
        all.push_back(field("scopeKind", &T::SetScopeKind));
        all.push_back(field("scopeValue1", &T::SetScopeValue1));
        all.push_back(field("scopeValue2", &T::SetScopeValue2));
        return all;
    }();
    return fields;
}

const Fields<IGeoItem>& itemFields()
{
    using T = IGeoItem;
    static const Fields<T> fields{
        field("kind", &T::SetKind),
        field("id", &T::SetId),
        field("text", &T::SetText),
        field("length", &T::SetLength),
        field("style", &T::SetStyle),
        {"values",
         [](BlockReader& reader, T& item, const ordered_json& json) {
             return reader.keyedValues<std::uint32_t>(
                 json, [&item](std::uint32_t key, std::uint32_t value) { item.GetValueMap()[key] = value; });
         }},
        part("traits", &T::GetTraits, &traitsFields),
    };
    return fields;
}

const Fields<IGeoBlock>& blockFields()
{
    using T = IGeoBlock;
    static const Fields<T> fields{
        field("symbolType", &T::SetSymbolType),
        field("symbolVariant", &T::SetSymbolVariant),
        field("scale", &T::SetScale),
        field("angle", &T::SetAngle),
        field("angleMode", &T::SetAngleMode),
        field("editMode", &T::SetEditMode),
        field("number", &T::SetNumber),
        field("stateByte", &T::SetStateByte),
        field("code", &T::SetCode),
        field("tag", &T::SetTag),
        {"params",
         [](BlockReader& reader, T& block, const ordered_json& json) {
             return reader.keyedValues<double>(
                 json, [&block](std::uint32_t key, double value) { block.SetParam(key, value); });
         }},
        part("extData", &T::GetExtData, &extDataFields),
        part("traits", &T::GetTraits, &traitsFields),
        {"items",
         [](BlockReader& reader, T& block, const ordered_json& json) {
             IGeoItemCollection* items = block.GetItems();
             return reader.keyedArray<IGeoItem>(json, itemFields(), [items](std::uint32_t key) {
                 TGeoItem blank;
                 items->SetItemCopy(key, &blank);
                 return items->FindItem(key);
             });
         }},
        {"scopePoints",
         [](BlockReader& reader, T& block, const ordered_json& json) {
             IScopePointBlock* points = block.GetScopePoints();
             return reader.keyedArray<IGeoPoint>(json, scopePointFields(), [points](std::uint32_t key) {
                 points->AddScopePoint(0, key, 0, 0.0, 0.0, 0.0, 0, 0, 0, 0);
                 return points->FindPoint(key);
             });
         }},
        {"points",
         [](BlockReader& reader, T& block, const ordered_json& json) {
             IGeoPointsBlock* points = block.GetPoints();
             return reader.keyedArray<IGeoPoint>(json, pointFields(), [points](std::uint32_t key) {
                 points->SetPoint(key, 0, 0, 0.0, 0.0, 0.0);
                 return points->FindPoint(key);
             });
         }},
    };
    return fields;
}

}  // namespace

std::unique_ptr<TGeoBlock> blockFromJson(std::string_view json, std::string& errorUtf8)
{
    errorUtf8.clear();
    const std::optional<ordered_json> document = parseDocument(json, errorUtf8);
    if (!document)
        return nullptr;
    if (!document->is_object()) {
        errorUtf8 = "Блок должен быть записан как объект JSON в фигурных скобках.";
        return nullptr;
    }
    auto block = std::make_unique<TGeoBlock>();
    BlockReader reader(errorUtf8);
    if (!reader.object(*document, static_cast<IGeoBlock&>(*block), blockFields()))
        return nullptr;
    return block;
}

}  // namespace tarvelo::host

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "BlockJson.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <optional>
#include <set>
#include <string_view>
#include <vector>

#include "JsonValue.h"
#include "tarvelo/geometry/TGeoItem.h"
#include "tarvelo/services/TextCodec.h"

namespace tarvelo::host {

namespace {

using namespace GEOTYPE_DEFINITION;

// A small streaming writer: objects and arrays, commas and indentation.
class JsonWriter {
public:
    std::string take() { return std::move(m_out); }

    void open(std::string_view name, char bracket)
    {
        key(name);
        m_out += bracket;
        m_first = true;
        ++m_depth;
    }
    void close(char bracket)
    {
        --m_depth;
        if (!m_first)
            newline();
        m_out += bracket;
        m_first = false;
    }
    void number(std::string_view name, double value)
    {
        key(name);
        if (std::isfinite(value)) {
            char buffer[32];
            const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
            m_out.append(buffer, result.ptr);
        } else {
            // JSON has no NaN or infinity; keep them readable as strings.
            m_out += std::isnan(value) ? "\"NaN\"" : (value > 0 ? "\"Infinity\"" : "\"-Infinity\"");
        }
    }
    void number(std::string_view name, std::uint32_t value)
    {
        key(name);
        m_out += std::to_string(value);
    }
    void text(std::string_view name, const std::string& cp1251)
    {
        key(name);
        m_out += '"';
        for (const char c : text::cp1251ToUtf8(cp1251)) {
            switch (c) {
            case '"': m_out += "\\\""; break;
            case '\\': m_out += "\\\\"; break;
            case '\n': m_out += "\\n"; break;
            case '\r': m_out += "\\r"; break;
            case '\t': m_out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    m_out += escaped;
                } else {
                    m_out += c;
                }
            }
        }
        m_out += '"';
    }

private:
    // Writes the separator and, inside an object, the member name.
    void key(std::string_view name)
    {
        if (m_depth > 0) {
            if (!m_first)
                m_out += ',';
            newline();
        }
        m_first = false;
        if (!name.empty()) {
            m_out += '"';
            m_out += name;
            m_out += "\": ";
        }
    }
    void newline()
    {
        m_out += '\n';
        m_out.append(static_cast<std::size_t>(m_depth) * 2, ' ');
    }

    std::string m_out;
    int m_depth = 0;
    bool m_first = true;
};

void writeTraits(JsonWriter& json, std::string_view name, IGeoItemTraits* traits)
{
    if (traits == nullptr)
        return;
    json.open(name, '{');
    json.text("colorName", traits->GetColorName());
    json.number("colorIndex", traits->GetColorIndex());
    json.text("layerName", traits->GetLayerName());
    json.number("layerIndex", traits->GetLayerIndex());
    json.text("mainLineType", traits->GetMainLineType());
    json.number("mainLineTypeIndex", traits->GetMainLineTypeIndex());
    json.number("mainLineCode", traits->GetMainLineCode());
    json.number("mainLineCode2", traits->GetMainLineCode2());
    json.text("mainLineWeight", traits->GetMainLineWeight());
    json.number("mainLineWeightIndex", traits->GetMainLineWeightIndex());
    json.number("mainLineValue", traits->GetMainLineValue());
    json.text("thickLineType", traits->GetThickLineType());
    json.number("thickLineTypeIndex", traits->GetThickLineTypeIndex());
    json.number("thickLineCode", traits->GetThickLineCode());
    json.number("thickLineCode2", traits->GetThickLineCode2());
    json.text("thickLineWeight", traits->GetThickLineWeight());
    json.number("thickLineWeightIndex", traits->GetThickLineWeightIndex());
    json.number("thickLineValue", traits->GetThickLineValue());
    json.text("textStyle", traits->GetTextStyle());
    json.number("textStyleIndex", traits->GetTextStyleIndex());
    json.number("textValue1", traits->GetTextValue1());
    json.number("textValue2", traits->GetTextValue2());
    json.number("textValue3", traits->GetTextValue3());
    json.number("textValue4", traits->GetTextValue4());
    json.number("textCode1", traits->GetTextCode1());
    json.number("textCode2", traits->GetTextCode2());
    json.number("codeA", traits->GetCodeA());
    json.number("codeB", traits->GetCodeB());
    json.number("codeC", traits->GetCodeC());
    std::uint32_t triple[3] = {};
    traits->GetTriple(triple[0], triple[1], triple[2]);
    json.open("triple", '[');
    for (const std::uint32_t value : triple)
        json.number({}, value);
    json.close(']');
    json.number("factor", traits->GetFactor());
    json.number("realValue", traits->GetRealValue());
    json.number("changed", std::uint32_t{traits->IsChanged()});
    json.close('}');
}

void writePoint(JsonWriter& json, std::uint32_t key, IGeoPoint& point, bool withScope)
{
    json.open({}, '{');
    json.number("key", key);
    json.number("x", point.GetX());
    json.number("y", point.GetY());
    json.number("z", point.GetZ());
    json.number("pointType", std::uint32_t{point.GetPointType()});
    json.number("pointFlag", std::uint32_t{point.GetPointFlag()});
    json.number("pointTag", point.GetPointTag());
    if (withScope) {
        json.number("scopeKey", point.GetScopeKey());
        json.number("scopeKind", std::uint32_t{point.GetScopeKind()});
        json.number("scopeValue1", point.GetScopeValue1());
        json.number("scopeValue2", point.GetScopeValue2());
    }
    json.close('}');
}

// Both point collections share the iteration protocol but not a base interface.
template <class Collection>
void writePoints(JsonWriter& json, std::string_view name, Collection* points, bool withScope)
{
    json.open(name, '[');
    if (points != nullptr) {
        const POSITION end = points->GetEndPosition();
        for (POSITION position = points->GetStartPosition(); position != end;) {
            std::uint32_t key = 0;
            IGeoPoint* point = nullptr;
            points->GetNextPoint(position, key, point);
            if (point == nullptr)
                break;
            writePoint(json, key, *point, withScope);
        }
    }
    json.close(']');
}

void writeItems(JsonWriter& json, IGeoItemCollection* items)
{
    json.open("items", '[');
    if (items != nullptr) {
        const POSITION end = items->GetEndPosition();
        for (POSITION position = items->GetStartPosition(); position != end;) {
            std::uint32_t key = 0;
            IGeoItem* item = nullptr;
            items->GetNextItem(position, key, item);
            if (item == nullptr)
                break;
            json.open({}, '{');
            json.number("key", key);
            json.number("kind", item->GetKind());
            json.number("id", item->GetId());
            json.text("text", item->GetText());
            json.number("length", item->GetLength());
            json.number("style", std::uint32_t{item->GetStyle()});
            json.open("values", '{');
            for (const auto& [valueKey, value] : item->GetValueMap())
                json.number(std::to_string(valueKey), value);
            json.close('}');
            writeTraits(json, "traits", item->GetTraits());
            json.close('}');
        }
    }
    json.close(']');
}

}  // namespace

std::string blockToJson(IGeoBlock& block)
{
    JsonWriter json;
    json.open({}, '{');
    json.number("symbolType", block.GetSymbolType());
    json.number("symbolVariant", block.GetSymbolVariant());
    json.number("scale", block.GetScale());
    json.number("angle", block.GetAngle());
    json.number("angleMode", block.GetAngleMode());
    json.number("editMode", std::uint32_t{block.GetEditMode()});
    json.number("number", block.GetNumber());
    json.number("stateByte", std::uint32_t{block.GetStateByte()});
    json.number("code", block.GetCode());
    json.number("tag", std::uint32_t{block.GetTag()});
    json.open("params", '{');
    for (const auto& [key, value] : block.GetParamMap())
        json.number(std::to_string(key), value);
    json.close('}');
    if (EXTEND_DEFINITION::IExtData* ext = block.GetExtData()) {
        json.open("extData", '{');
        json.number("dataId", ext->GetDataId());
        json.number("symbolType", ext->GetSymbolType());
        json.number("symbolVariant", ext->GetSymbolVariant());
        json.text("mainText", ext->GetMainText());
        json.text("subText", ext->GetSubText());
        json.number("flags", ext->GetFlags());
        json.close('}');
    }
    writeTraits(json, "traits", block.GetTraits());
    writeItems(json, block.GetItems());
    writePoints(json, "scopePoints", block.GetScopePoints(), true);
    writePoints(json, "points", block.GetPoints(), false);
    json.close('}');
    std::string out = json.take();
    out += '\n';
    return out;
}

namespace {

class BlockReader;

// One member of an object: its name and how its value reaches the target.
template <class Target>
struct Field {
    std::string_view name;
    std::function<bool(BlockReader&, Target&, const JsonValue&)> read;
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
        std::string place;
        for (const std::string& segment : m_path) {
            if (!place.empty() && segment.front() != '[')
                place += '.';
            place += segment;
        }
        m_error = "Поле «" + place + "»: ";
        m_error += what;
        m_error += '.';
        return false;
    }

    template <class Value>
    std::optional<Value> read(const JsonValue& json)
    {
        if constexpr (std::is_same_v<Value, double>) {
            return real(json);
        } else if constexpr (std::is_same_v<Value, std::string>) {
            if (!json.isString()) {
                fail("ожидался текст в кавычках");
                return std::nullopt;
            }
            return text::utf8ToCp1251(json.text());
        } else {
            static_assert(std::is_unsigned_v<Value>);
            const std::optional<std::uint32_t> value =
                json.isNumber() ? unsignedNumber(json.text(), std::numeric_limits<Value>::max()) : std::nullopt;
            if (!value) {
                fail("ожидалось целое число от 0 до " + std::to_string(std::numeric_limits<Value>::max()));
                return std::nullopt;
            }
            return static_cast<Value>(*value);
        }
    }

    template <class Target>
    bool object(const JsonValue& json, Target& target, const Fields<Target>& fields, std::string_view skipped = {})
    {
        if (!json.isObject())
            return fail("ожидался объект");
        for (const auto& [name, value] : json.members()) {
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
    bool keyedArray(const JsonValue& json, const Fields<Target>& fields,
                    const std::function<Target*(std::uint32_t)>& file)
    {
        if (!json.isArray())
            return fail("ожидался массив");
        std::set<std::uint32_t> keys;
        for (std::size_t i = 0; i < json.elements().size(); ++i) {
            const JsonValue& element = json.elements()[i];
            Scope scope(*this, "[" + std::to_string(i) + "]");
            if (!element.isObject())
                return fail("ожидался объект");
            const JsonValue* keyJson = element.find("key");
            if (keyJson == nullptr)
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
    bool keyedValues(const JsonValue& json, const std::function<void(std::uint32_t, Value)>& store)
    {
        if (!json.isObject())
            return fail("ожидался объект");
        for (const auto& [name, valueJson] : json.members()) {
            Scope scope(*this, name);
            const std::optional<std::uint32_t> key = unsignedNumber(name, std::numeric_limits<std::uint32_t>::max());
            if (!key)
                return fail("имя должно быть целым числом от 0 до 4294967295");
            const std::optional<Value> value = read<Value>(valueJson);
            if (!value)
                return false;
            store(*key, *value);
        }
        return true;
    }

private:
    static std::optional<std::uint32_t> unsignedNumber(std::string_view digits, std::uint32_t max)
    {
        std::uint32_t value = 0;
        const auto [end, status] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (digits.empty() || status != std::errc{} || end != digits.data() + digits.size() || value > max)
            return std::nullopt;
        return value;
    }

    // Numbers as written, and the three names blockToJson gives the values JSON lacks.
    std::optional<double> real(const JsonValue& json)
    {
        if (json.isString()) {
            if (json.text() == "NaN")
                return std::numeric_limits<double>::quiet_NaN();
            if (json.text() == "Infinity")
                return std::numeric_limits<double>::infinity();
            if (json.text() == "-Infinity")
                return -std::numeric_limits<double>::infinity();
        }
        if (!json.isNumber()) {
            fail("ожидалось число");
            return std::nullopt;
        }
        const std::string& literal = json.text();
        double value = 0.0;
        const auto [end, status] = std::from_chars(literal.data(), literal.data() + literal.size(), value);
        if (status != std::errc{} || end != literal.data() + literal.size()) {
            fail("число " + literal + " выходит за пределы чисел двойной точности");
            return std::nullopt;
        }
        return value;
    }

    std::string& m_error;
    std::vector<std::string> m_path;
};

// A member written through one of the target's setters, read as the setter's argument type.
template <class Target, class Result, class Argument>
Field<Target> field(std::string_view name, Result (Target::*setter)(Argument))
{
    using Value = std::remove_cvref_t<Argument>;
    return {name, [setter](BlockReader& reader, Target& target, const JsonValue& json) {
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
    return {name, [getter, fields](BlockReader& reader, Target& target, const JsonValue& json) {
                Part* own = (target.*getter)();
                return own != nullptr ? reader.object(json, *own, fields()) : reader.fail("у блока нет этой части");
            }};
}

const Fields<IGeoItemTraits>& traitsFields()
{
    using T = IGeoItemTraits;
    static const Fields<T> fields{
        field("colorName", &T::SetColorName),
        field("colorIndex", &T::SetColorIndex),
        field("layerName", &T::SetLayerName),
        field("layerIndex", &T::SetLayerIndex),
        field("mainLineType", &T::SetMainLineType),
        field("mainLineTypeIndex", &T::SetMainLineTypeIndex),
        field("mainLineCode", &T::SetMainLineCode),
        field("mainLineCode2", &T::SetMainLineCode2),
        field("mainLineWeight", &T::SetMainLineWeight),
        field("mainLineWeightIndex", &T::SetMainLineWeightIndex),
        field("mainLineValue", &T::SetMainLineValue),
        field("thickLineType", &T::SetThickLineType),
        field("thickLineTypeIndex", &T::SetThickLineTypeIndex),
        field("thickLineCode", &T::SetThickLineCode),
        field("thickLineCode2", &T::SetThickLineCode2),
        field("thickLineWeight", &T::SetThickLineWeight),
        field("thickLineWeightIndex", &T::SetThickLineWeightIndex),
        field("thickLineValue", &T::SetThickLineValue),
        field("textStyle", &T::SetTextStyle),
        field("textStyleIndex", &T::SetTextStyleIndex),
        field("textValue1", &T::SetTextValue1),
        field("textValue2", &T::SetTextValue2),
        field("textValue3", &T::SetTextValue3),
        field("textValue4", &T::SetTextValue4),
        field("textCode1", &T::SetTextCode1),
        field("textCode2", &T::SetTextCode2),
        field("codeA", &T::SetCodeA),
        field("codeB", &T::SetCodeB),
        field("codeC", &T::SetCodeC),
        {"triple",
         [](BlockReader& reader, T& traits, const JsonValue& json) {
             if (!json.isArray() || json.elements().size() != 3)
                 return reader.fail("ожидался массив из трёх целых чисел");
             std::uint32_t triple[3] = {};
             for (std::size_t i = 0; i < 3; ++i) {
                 BlockReader::Scope scope(reader, "[" + std::to_string(i) + "]");
                 const std::optional<std::uint32_t> value = reader.read<std::uint32_t>(json.elements()[i]);
                 if (!value)
                     return false;
                 triple[i] = *value;
             }
             traits.SetTriple(triple[0], triple[1], triple[2]);
             return true;
         }},
        field("factor", &T::SetFactor),
        field("realValue", &T::SetRealValue),
        field("changed", &T::SetChanged),
    };
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
         [](BlockReader& reader, T& item, const JsonValue& json) {
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
         [](BlockReader& reader, T& block, const JsonValue& json) {
             return reader.keyedValues<double>(
                 json, [&block](std::uint32_t key, double value) { block.SetParam(key, value); });
         }},
        part("extData", &T::GetExtData, &extDataFields),
        part("traits", &T::GetTraits, &traitsFields),
        {"items",
         [](BlockReader& reader, T& block, const JsonValue& json) {
             IGeoItemCollection* items = block.GetItems();
             return reader.keyedArray<IGeoItem>(json, itemFields(), [items](std::uint32_t key) {
                 TGeoItem blank;
                 items->SetItemCopy(key, &blank);
                 return items->FindItem(key);
             });
         }},
        {"scopePoints",
         [](BlockReader& reader, T& block, const JsonValue& json) {
             IScopePointBlock* points = block.GetScopePoints();
             return reader.keyedArray<IGeoPoint>(json, scopePointFields(), [points](std::uint32_t key) {
                 points->AddScopePoint(0, key, 0, 0.0, 0.0, 0.0, 0, 0, 0, 0);
                 return points->FindPoint(key);
             });
         }},
        {"points",
         [](BlockReader& reader, T& block, const JsonValue& json) {
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
    std::string syntaxError;
    const std::optional<JsonValue> document = JsonValue::parse(json, syntaxError);
    if (!document) {
        errorUtf8 = "Ошибка в записи JSON, " + syntaxError;
        return nullptr;
    }
    if (!document->isObject()) {
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

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "BlockJson.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

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

}  // namespace tarvelo::host

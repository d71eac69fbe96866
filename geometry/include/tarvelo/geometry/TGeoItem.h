// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <string>

#include "IGeoItem.h"
#include "TGeoItemTraits.h"

namespace GEOTYPE_DEFINITION {

/// The module's geometry item.
class TGeoItem final : public IGeoItem {
public:
    TGeoItem() = default;
    /// An item made from values: its length is the text's length, the map may be null.
    TGeoItem(std::uint32_t kind, std::uint32_t id, const ValueMap* values, const std::string& text,
             std::uint16_t style);
    TGeoItem(const TGeoItem&) = delete;
    TGeoItem& operator=(const TGeoItem&) = delete;
    TGeoItem(TGeoItem&&) = default;
    TGeoItem& operator=(TGeoItem&&) = default;

    void SetKind(std::uint32_t kind) override { m_kind = kind; }
    std::uint32_t GetKind() const override { return m_kind; }
    void SetText(const std::string& text) override { m_text = text; }
    std::string GetText() const override { return m_text; }
    void SetLength(std::uint32_t length) override { m_length = length; }
    std::uint32_t GetLength() const override { return m_length; }
    void SetId(std::uint32_t id) override { m_id = id; }
    std::uint32_t GetId() const override { return m_id; }
    ValueMap& GetValueMap() override { return m_values; }
    bool CopyFrom(IGeoItem* source) override;
    IGeoItemTraits* GetTraits() override { return &m_traits; }
    void SetStyle(std::uint16_t style) override { m_style = style; }
    std::uint16_t GetStyle() const override { return m_style; }
    ~TGeoItem() override = default;

private:
    std::uint32_t m_kind = 0;
    std::uint32_t m_id = 0;
    std::string m_text;
    std::uint32_t m_length = 0;
    std::uint16_t m_style = 0;
    TGeoItemTraits m_traits;
    ValueMap m_values;
};

}  // namespace GEOTYPE_DEFINITION

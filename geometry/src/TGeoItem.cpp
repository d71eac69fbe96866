// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "tarvelo/geometry/TGeoItem.h"

namespace GEOTYPE_DEFINITION {

TGeoItem::TGeoItem(std::uint32_t kind, std::uint32_t id, const ValueMap* values, const std::string& text,
                   std::uint16_t style)
    : m_kind(kind), m_id(id), m_text(text), m_length(static_cast<std::uint32_t>(text.size())), m_style(style)
{
    if (values != nullptr)
        m_values = *values;
}

bool TGeoItem::CopyFrom(IGeoItem* source)
{
    if (source == nullptr)
        return false;
    if (source == this)
        return true;
    SetKind(source->GetKind());
    SetId(source->GetId());
    SetText(source->GetText());
    SetLength(source->GetLength());
    m_values = source->GetValueMap();
    SetStyle(source->GetStyle());
    m_traits.CopyFrom(source->GetTraits());
    return true;
}

}  // namespace GEOTYPE_DEFINITION

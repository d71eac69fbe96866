// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "tarvelo/geometry/TExtData.h"

namespace EXTEND_DEFINITION {

bool TExtData::SetDataId(std::uint32_t id)
{
    if (id == 0)
        return false;
    m_dataId = id;
    return true;
}

std::uint32_t TExtData::SetSymbolType(std::uint32_t type)
{
    m_symbolType = type;
    return 0;
}

void TExtData::CopyFrom(IExtData* source)
{
    if (source == nullptr || source == this)
        return;
    SetSymbolType(source->GetSymbolType());
    SetSymbolVariant(source->GetSymbolVariant());
    SetMainText(source->GetMainText());
    SetSubText(source->GetSubText());
    SetDataId(source->GetDataId());  // refuses 0, so an unset source id keeps ours
    SetFlags(source->GetFlags());
}

void TExtData::Clear()
{
    SetSymbolType(0);
    SetSymbolVariant(0);
    SetMainText("");
    SetDataId(0);  // refused on purpose: a data id outlives Clear
    SetFlags(0);
}

void TExtData::Reset()
{
    Clear();
}

}  // namespace EXTEND_DEFINITION

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "tarvelo/geometry/TScopePoint.h"

namespace GEOTYPE_DEFINITION {

bool TScopePoint::CopyFrom(IGeoPoint* source)
{
    if (source == nullptr)
        return false;
    SetScopeKey(source->GetScopeKey());
    SetXYZ(source->GetX(), source->GetY(), source->GetZ());
    SetPointType(source->GetPointType());
    SetPointTag(source->GetPointTag());
    SetScopeValue1(source->GetScopeValue1());
    SetScopeKind(source->GetScopeKind());
    SetPointFlag(source->GetPointFlag());
    SetScopeValue2(source->GetScopeValue2());
    return true;
}

bool TScopePoint::CopyTo(IGeoPoint* target)
{
    if (target == nullptr)
        return false;
    // The target keeps its own flag, scope kind and scope values.
    target->SetScopeKey(GetScopeKey());
    target->SetXYZ(GetX(), GetY(), GetZ());
    target->SetPointType(GetPointType());
    target->SetPointTag(GetPointTag());
    return true;
}

}  // namespace GEOTYPE_DEFINITION

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "tarvelo/geometry/TGeoPoint.h"

namespace GEOTYPE_DEFINITION {

TGeoPoint::TGeoPoint(double x, double y, double z, std::uint16_t pointType, std::uint16_t pointFlag)
    : m_x(x), m_y(y), m_z(z), m_pointType(pointType), m_pointFlag(pointFlag)
{
}

void TGeoPoint::SetXYZ(double x, double y, double z)
{
    m_x = x;
    m_y = y;
    m_z = z;
}

bool TGeoPoint::CopyFrom(IGeoPoint* source)
{
    if (source == nullptr)
        return false;
    SetXYZ(source->GetX(), source->GetY(), source->GetZ());
    SetPointType(source->GetPointType());
    SetPointFlag(source->GetPointFlag());
    SetPointTag(source->GetPointTag());
    return true;
}

bool TGeoPoint::CopyTo(IGeoPoint* target)
{
    return target != nullptr && target->CopyFrom(this);
}

}  // namespace GEOTYPE_DEFINITION

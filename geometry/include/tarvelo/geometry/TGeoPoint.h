// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

#include "IGeoPoint.h"

namespace GEOTYPE_DEFINITION {

/// A plain point: coordinates, type, flag and tag. The scope operations do nothing here.
class TGeoPoint : public IGeoPoint {
public:
    TGeoPoint() = default;
    TGeoPoint(double x, double y, double z, std::uint16_t pointType, std::uint16_t pointFlag);
    TGeoPoint(const TGeoPoint&) = default;
    TGeoPoint& operator=(const TGeoPoint&) = default;

    double GetX() const override { return m_x; }
    double GetY() const override { return m_y; }
    double GetZ() const override { return m_z; }
    std::uint16_t GetPointType() const override { return m_pointType; }
    std::uint16_t GetPointFlag() const override { return m_pointFlag; }
    void SetX(double x) override { m_x = x; }
    void SetY(double y) override { m_y = y; }
    void SetZ(double z) override { m_z = z; }
    void SetPointType(std::uint16_t type) override { m_pointType = type; }
    void SetPointFlag(std::uint16_t flag) override { m_pointFlag = flag; }
    void SetXYZ(double x, double y, double z) override;
    void SetPointTag(std::uint32_t tag) override { m_pointTag = tag; }
    std::uint32_t GetPointTag() const override { return m_pointTag; }
    void SetScopeKey(std::uint32_t) override {}
    std::uint32_t GetScopeKey() const override { return 0; }
    /// Takes coordinates, type, flag and tag.
    bool CopyFrom(IGeoPoint* source) override;
    bool CopyTo(IGeoPoint* target) override;
    void SetScopeKind(std::uint16_t) override {}
    std::uint16_t GetScopeKind() const override { return 0; }
    std::uint32_t GetScopeValue1() const override { return 0; }
    void SetScopeValue1(std::uint32_t) override {}
    std::uint32_t GetScopeValue2() const override { return 0; }
    void SetScopeValue2(std::uint32_t) override {}
    ~TGeoPoint() override = default;

private:
    double m_x = 0.0;
    double m_y = 0.0;
    double m_z = 0.0;
    std::uint16_t m_pointType = 0;
    std::uint16_t m_pointFlag = 0;
    std::uint32_t m_pointTag = 0;
};

}  // namespace GEOTYPE_DEFINITION

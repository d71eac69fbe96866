// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

#include "IGeoPointsBlock.h"
#include "PointBlockBase.h"
#include "TGeoPoint.h"

namespace GEOTYPE_DEFINITION {

/// The module's points block; iterates in key order.
class TGeoPointsBlock final : public detail::PointBlockBase<IGeoPointsBlock, TGeoPoint> {
public:
    TGeoPointsBlock() = default;
    TGeoPointsBlock(const TGeoPointsBlock&) = delete;
    TGeoPointsBlock& operator=(const TGeoPointsBlock&) = delete;

    std::uint32_t AddPoint(std::uint16_t pointType, std::uint16_t pointFlag, double x, double y,
                           double z) override;
    bool SetPointFrom(std::uint32_t key, IGeoPoint* source) override;
    bool SetPoint(std::uint32_t key, std::uint16_t pointType, std::uint16_t pointFlag, double x, double y,
                  double z) override;
    bool GetPoint(std::uint32_t key, IGeoPoint* target) override;
    bool RemoveAll() override;
    bool CopyFrom(IGeoPointsBlock* source) override;
    IGeoPointsBlock* GetSelf() override;
};

}  // namespace GEOTYPE_DEFINITION

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

#include "IGeoPointsBlock.h"
#include "OwningKeyMap.h"
#include "TGeoPoint.h"

namespace GEOTYPE_DEFINITION {

/// The module's points block; iterates in key order.
class TGeoPointsBlock final : public IGeoPointsBlock {
public:
    TGeoPointsBlock() = default;
    TGeoPointsBlock(const TGeoPointsBlock&) = delete;
    TGeoPointsBlock& operator=(const TGeoPointsBlock&) = delete;

    std::uint32_t GetCount() const override;
    std::uint32_t AddPoint(std::uint16_t pointType, std::uint16_t pointFlag, double x, double y,
                           double z) override;
    bool SetPointFrom(std::uint32_t key, IGeoPoint* source) override;
    bool SetPoint(std::uint32_t key, std::uint16_t pointType, std::uint16_t pointFlag, double x, double y,
                  double z) override;
    bool GetPoint(std::uint32_t key, IGeoPoint* target) override;
    IGeoPoint* FindPoint(std::uint32_t key) override;
    bool RemoveAll() override;
    POSITION GetStartPosition() override;
    POSITION GetEndPosition() override;
    void GetNextPoint(POSITION& position, std::uint32_t& key, IGeoPoint*& point) override;
    bool CopyFrom(IGeoPointsBlock* source) override;
    IGeoPointsBlock* GetSelf() override;
    bool MovePoint(std::uint32_t key, double x, double y, double z) override;
    ~TGeoPointsBlock() override;

private:
    detail::OwningKeyMap<TGeoPoint, true> m_points;
};

}  // namespace GEOTYPE_DEFINITION

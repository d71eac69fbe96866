// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

#include "IScopePointBlock.h"
#include "PointBlockBase.h"
#include "TScopePoint.h"

namespace GEOTYPE_DEFINITION {

/// The module's scope point block; iterates in key order.
class TScopePointBlock final : public detail::PointBlockBase<IScopePointBlock, TScopePoint> {
public:
    TScopePointBlock() = default;
    TScopePointBlock(const TScopePointBlock&) = delete;
    TScopePointBlock& operator=(const TScopePointBlock&) = delete;

    void AddScopePoint(std::uint32_t pointTag, std::uint32_t key, std::uint32_t scopeKey, double x, double y,
                       double z, std::uint16_t pointType, std::uint16_t scopeKind, std::uint32_t scopeValue1,
                       std::uint32_t scopeValue2) override;
    std::uint32_t GetMinKey() const override;
    std::uint32_t GetMaxKey() const override;
    std::uint32_t GetPointTag(std::uint32_t key) const override;
    bool GetPoint(std::uint32_t key, IGeoPoint* target) override;
    double GetExtentY() const override;
    double GetExtentX() const override;
    double GetExtentZ() const override;
    bool SetPointScopeKey(std::uint32_t key, std::uint32_t scopeKey) override;
    std::uint32_t GetPointScopeKey(std::uint32_t key) const override;
    bool IsEmpty() const override;
    void RemoveAll() override;
    bool CopyFrom(IScopePointBlock* source) override;

    /// The points in key order, for walks that need no virtual call per point.
    [[nodiscard]] const auto& Entries() const { return m_points.entries(); }

private:
    template <class Coordinate>
    double extent(Coordinate coordinate) const;
};

}  // namespace GEOTYPE_DEFINITION

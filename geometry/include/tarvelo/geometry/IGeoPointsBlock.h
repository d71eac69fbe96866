// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

#include "GeoTypes.h"
#include "IGeoPoint.h"

namespace GEOTYPE_DEFINITION {

/// The numbered points of one geometry block. The block owns its points:
/// filing under a used key destroys the point that was there.
///
/// The order of the operations, destructor last, is part of the binary contract.
class IGeoPointsBlock {
public:
    virtual std::uint32_t GetCount() const = 0;
    /// Files a new point under count + 1 and returns that key (0 on failure).
    virtual std::uint32_t AddPoint(std::uint16_t pointType, std::uint16_t pointFlag, double x, double y,
                                   double z) = 0;
    /// Files a new point with the source's coordinates and type; flag and tag become 0.
    virtual bool SetPointFrom(std::uint32_t key, IGeoPoint* source) = 0;
    virtual bool SetPoint(std::uint32_t key, std::uint16_t pointType, std::uint16_t pointFlag, double x,
                          double y, double z) = 0;
    /// Writes coordinates and type of the point under the key into the target
    /// (its flag and tag stay). False only for an empty block or a null target.
    virtual bool GetPoint(std::uint32_t key, IGeoPoint* target) = 0;
    /// The filed point itself, borrowed; null when absent.
    virtual IGeoPoint* FindPoint(std::uint32_t key) = 0;
    virtual bool RemoveAll() = 0;
    virtual POSITION GetStartPosition() = 0;
    /// Always null: the end marker of an iteration.
    virtual POSITION GetEndPosition() = 0;
    /// Yields the entry at the position and moves the position on (null after the last).
    virtual void GetNextPoint(POSITION& position, std::uint32_t& key, IGeoPoint*& point) = 0;
    /// Becomes a copy of the source (flags and tags dropped); false and no
    /// change when the source holds no point.
    virtual bool CopyFrom(IGeoPointsBlock* source) = 0;
    virtual IGeoPointsBlock* GetSelf() = 0;
    /// Moves the point under the key; false when there is none.
    virtual bool MovePoint(std::uint32_t key, double x, double y, double z) = 0;
    virtual ~IGeoPointsBlock() = default;

protected:
    IGeoPointsBlock() = default;
    IGeoPointsBlock(const IGeoPointsBlock&) = default;
    IGeoPointsBlock& operator=(const IGeoPointsBlock&) = default;
};

}  // namespace GEOTYPE_DEFINITION

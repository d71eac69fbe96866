// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

#include "GeoTypes.h"
#include "IGeoPoint.h"
#include "OwningKeyMap.h"

namespace GEOTYPE_DEFINITION::detail {

/// What the points block and the scope point block do alike with their
/// points. It declares no virtual function, so each block keeps its
/// interface's table; its destructor is protected because the interface
/// alone decides whether a block may be deleted through a base.
template <class Interface, class Point>
class PointBlockBase : public Interface {
public:
    std::uint32_t GetCount() const override { return static_cast<std::uint32_t>(m_points.size()); }
    POSITION GetStartPosition() override { return m_points.start(); }
    POSITION GetEndPosition() override { return nullptr; }
    void GetNextPoint(POSITION& position, std::uint32_t& key, IGeoPoint*& point) override
    {
        Point* found = nullptr;
        if (m_points.next(position, key, found))
            point = found;
    }
    IGeoPoint* FindPoint(std::uint32_t key) override { return m_points.find(key); }
    bool MovePoint(std::uint32_t key, double x, double y, double z) override
    {
        Point* point = m_points.find(key);
        if (point == nullptr)
            return false;
        point->SetXYZ(x, y, z);
        return true;
    }

protected:
    ~PointBlockBase() = default;

    OwningKeyMap<Point, true> m_points;
};

}  // namespace GEOTYPE_DEFINITION::detail

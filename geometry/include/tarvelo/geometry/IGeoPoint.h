// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

namespace GEOTYPE_DEFINITION {

/// A position in the symbol's own coordinates with a little classification.
/// A plain point ignores the scope setters and reports 0 from the scope
/// getters; a scope point gives them fields.
///
/// The order of the operations, destructor last, is part of the binary contract.
class IGeoPoint {
public:
    virtual double GetX() const = 0;
    virtual double GetY() const = 0;
    virtual double GetZ() const = 0;
    virtual std::uint16_t GetPointType() const = 0;
    virtual std::uint16_t GetPointFlag() const = 0;
    virtual void SetX(double x) = 0;
    virtual void SetY(double y) = 0;
    virtual void SetZ(double z) = 0;
    virtual void SetPointType(std::uint16_t type) = 0;
    virtual void SetPointFlag(std::uint16_t flag) = 0;
    virtual void SetXYZ(double x, double y, double z) = 0;
    virtual void SetPointTag(std::uint32_t tag) = 0;
    virtual std::uint32_t GetPointTag() const = 0;
    virtual void SetScopeKey(std::uint32_t key) = 0;
    virtual std::uint32_t GetScopeKey() const = 0;
    /// Takes the source's fields; false (and no change) for a null source.
    virtual bool CopyFrom(IGeoPoint* source) = 0;
    /// Hands this point's fields to the target's copy; false for a null target.
    virtual bool CopyTo(IGeoPoint* target) = 0;
    virtual void SetScopeKind(std::uint16_t kind) = 0;
    virtual std::uint16_t GetScopeKind() const = 0;
    virtual std::uint32_t GetScopeValue1() const = 0;
    virtual void SetScopeValue1(std::uint32_t value) = 0;
    virtual std::uint32_t GetScopeValue2() const = 0;
    virtual void SetScopeValue2(std::uint32_t value) = 0;
    virtual ~IGeoPoint() = default;

protected:
    IGeoPoint() = default;
    IGeoPoint(const IGeoPoint&) = default;
    IGeoPoint& operator=(const IGeoPoint&) = default;
};

}  // namespace GEOTYPE_DEFINITION

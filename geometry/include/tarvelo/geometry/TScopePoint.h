// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

#include "TGeoPoint.h"

namespace GEOTYPE_DEFINITION {

/// A point with a scope key, a scope kind and two scope values.
class TScopePoint final : public TGeoPoint {
public:
    TScopePoint() = default;

    void SetScopeKey(std::uint32_t key) override { m_scopeKey = key; }
    std::uint32_t GetScopeKey() const override { return m_scopeKey; }
    /// Takes every field, scope fields included; false for a null source.
    bool CopyFrom(IGeoPoint* source) override;
    /// Gives the target scope key, coordinates, type and tag only; false for a null target.
    bool CopyTo(IGeoPoint* target) override;
    void SetScopeKind(std::uint16_t kind) override { m_scopeKind = kind; }
    std::uint16_t GetScopeKind() const override { return m_scopeKind; }
    std::uint32_t GetScopeValue1() const override { return m_scopeValue1; }
    void SetScopeValue1(std::uint32_t value) override { m_scopeValue1 = value; }
    std::uint32_t GetScopeValue2() const override { return m_scopeValue2; }
    void SetScopeValue2(std::uint32_t value) override { m_scopeValue2 = value; }
    ~TScopePoint() override = default;

private:
    std::uint32_t m_scopeKey = 0;
    std::uint16_t m_scopeKind = 0;
    std::uint32_t m_scopeValue1 = 0;
    std::uint32_t m_scopeValue2 = 0;
};

}  // namespace GEOTYPE_DEFINITION

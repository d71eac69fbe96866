// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <string>

#include "IExtData.h"

namespace EXTEND_DEFINITION {

/// The module's extended data record.
class TExtData final : public IExtData {
public:
    TExtData() = default;
    TExtData(const TExtData&) = delete;
    TExtData& operator=(const TExtData&) = delete;

    bool SetDataId(std::uint32_t id) override;
    std::uint32_t GetDataId() const override { return m_dataId; }
    std::uint32_t SetSymbolType(std::uint32_t type) override;
    std::uint32_t GetSymbolType() const override { return m_symbolType; }
    std::uint32_t GetSymbolVariant() const override { return m_symbolVariant; }
    void SetSymbolVariant(std::uint32_t variant) override { m_symbolVariant = variant; }
    void SetMainText(const std::string& text) override { m_mainText = text; }
    std::string GetMainText() const override { return m_mainText; }
    std::uint32_t GetFlags() const override { return m_flags; }
    void SetFlags(std::uint32_t flags) override { m_flags = flags; }
    void SetSubText(const std::string& text) override { m_subText = text; }
    std::string GetSubText() const override { return m_subText; }
    void CopyFrom(IExtData* source) override;
    void Clear() override;
    void Reset() override;
    ~TExtData() override = default;

private:
    std::uint32_t m_dataId = 0;
    std::uint32_t m_symbolType = 0;
    std::uint32_t m_symbolVariant = 0;
    std::string m_mainText;
    std::string m_subText;
    std::uint32_t m_flags = 0;
};

}  // namespace EXTEND_DEFINITION

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <string>

#include "IGeoItemTraits.h"

namespace GEOTYPE_DEFINITION {

/// The module's traits record. Copyable: its assignment takes every field,
/// unlike CopyFrom, which leaves factor, real value, code C and the changed flag.
class TGeoItemTraits final : public IGeoItemTraits {
public:
    TGeoItemTraits();
    TGeoItemTraits(const TGeoItemTraits&) = default;
    TGeoItemTraits& operator=(const TGeoItemTraits&) = default;
    ~TGeoItemTraits() = default;

    void CopyFrom(IGeoItemTraits* source) override;
    void SetDefaults() override;

    double GetFactor() const override { return m_factor; }
    void SetFactor(double value) override { m_factor = value; }
    double GetRealValue() const override { return m_realValue; }
    void SetRealValue(double value) override { m_realValue = value; }
    std::uint32_t GetCodeA() const override { return m_codeA; }
    void SetCodeA(std::uint32_t value) override { m_codeA = value; }
    std::string GetColorName() const override { return m_colorName; }
    void SetColorName(const std::string& name) override { m_colorName = name; }
    void SetTriple(std::uint32_t first, std::uint32_t second, std::uint32_t third) override;
    void GetTriple(std::uint32_t& first, std::uint32_t& second, std::uint32_t& third) const override;

    std::string GetMainLineType() const override { return m_main.typeName; }
    void SetMainLineType(const std::string& name) override { m_main.typeName = name; }
    std::uint32_t GetMainLineCode() const override { return m_main.code; }
    void SetMainLineCode(std::uint32_t value) override { m_main.code = value; }
    std::uint32_t GetMainLineCode2() const override { return m_main.code2; }
    void SetMainLineCode2(std::uint32_t value) override { m_main.code2 = value; }
    std::string GetMainLineWeight() const override { return m_main.weightName; }
    void SetMainLineWeight(const std::string& name) override { m_main.weightName = name; }
    double GetMainLineValue() const override { return m_main.value; }
    void SetMainLineValue(double value) override { m_main.value = value; }

    std::string GetThickLineType() const override { return m_thick.typeName; }
    void SetThickLineType(const std::string& name) override { m_thick.typeName = name; }
    std::uint32_t GetThickLineCode() const override { return m_thick.code; }
    void SetThickLineCode(std::uint32_t value) override { m_thick.code = value; }
    std::uint32_t GetThickLineCode2() const override { return m_thick.code2; }
    void SetThickLineCode2(std::uint32_t value) override { m_thick.code2 = value; }
    std::string GetThickLineWeight() const override { return m_thick.weightName; }
    void SetThickLineWeight(const std::string& name) override { m_thick.weightName = name; }
    double GetThickLineValue() const override { return m_thick.value; }
    void SetThickLineValue(double value) override { m_thick.value = value; }

    std::string GetTextStyle() const override { return m_text.name; }
    void SetTextStyle(const std::string& name) override { m_text.name = name; }
    void SetTextValue1(double value) override { m_text.values[0] = value; }
    double GetTextValue1() const override { return m_text.values[0]; }
    void SetTextValue2(double value) override { m_text.values[1] = value; }
    double GetTextValue2() const override { return m_text.values[1]; }
    void SetTextValue3(double value) override { m_text.values[2] = value; }
    double GetTextValue3() const override { return m_text.values[2]; }
    void SetTextValue4(double value) override { m_text.values[3] = value; }
    double GetTextValue4() const override { return m_text.values[3]; }
    void SetTextCode1(std::uint32_t value) override { m_text.codes[0] = value; }
    std::uint32_t GetTextCode1() const override { return m_text.codes[0]; }
    void SetTextCode2(std::uint32_t value) override { m_text.codes[1] = value; }
    std::uint32_t GetTextCode2() const override { return m_text.codes[1]; }

    std::uint32_t GetCodeB() const override { return m_codeB; }
    void SetCodeB(std::uint32_t value) override { m_codeB = value; }
    std::string GetLayerName() const override { return m_layerName; }
    void SetLayerName(const std::string& name) override { m_layerName = name; }
    std::uint32_t GetCodeC() const override { return m_codeC; }
    void SetCodeC(std::uint32_t value) override { m_codeC = value; }

    void SetColorIndex(std::uint32_t index) override { m_colorIndex = index; }
    std::uint32_t GetColorIndex() const override { return m_colorIndex; }
    void SetMainLineTypeIndex(std::uint32_t index) override { m_mainLineTypeIndex = index; }
    std::uint32_t GetMainLineTypeIndex() const override { return m_mainLineTypeIndex; }
    void SetThickLineTypeIndex(std::uint32_t index) override { m_thickLineTypeIndex = index; }
    std::uint32_t GetThickLineTypeIndex() const override { return m_thickLineTypeIndex; }
    void SetMainLineWeightIndex(std::uint32_t index) override { m_mainLineWeightIndex = index; }
    std::uint32_t GetMainLineWeightIndex() const override { return m_mainLineWeightIndex; }
    void SetThickLineWeightIndex(std::uint32_t index) override { m_thickLineWeightIndex = index; }
    std::uint32_t GetThickLineWeightIndex() const override { return m_thickLineWeightIndex; }
    void SetTextStyleIndex(std::uint32_t index) override { m_textStyleIndex = index; }
    std::uint32_t GetTextStyleIndex() const override { return m_textStyleIndex; }
    void SetLayerIndex(std::uint32_t index) override { m_layerIndex = index; }
    std::uint32_t GetLayerIndex() const override { return m_layerIndex; }

    void SetChanged(std::uint8_t changed) override { m_changed = changed; }
    std::uint8_t IsChanged() const override { return m_changed; }

private:
    struct LineStyle {
        std::uint32_t code = 0;
        std::string typeName;
        double value = 0.0;
        std::uint32_t code2 = 0;
        std::string weightName;
    };
    struct TextStyle {
        std::string name;
        double values[4] = {};
        std::uint32_t codes[2] = {};
    };

    std::uint8_t m_changed = 0;
    std::uint32_t m_triple[3] = {};
    std::string m_colorName;
    std::uint32_t m_codeA = 0;
    std::uint32_t m_codeB = 0;
    std::string m_layerName;
    LineStyle m_main;
    LineStyle m_thick;
    double m_realValue = 0.0;
    double m_factor = 0.0;
    std::uint32_t m_codeC = 0;
    TextStyle m_text;
    std::uint32_t m_colorIndex = 0;
    std::uint32_t m_mainLineTypeIndex = 0;
    std::uint32_t m_thickLineTypeIndex = 0;
    std::uint32_t m_mainLineWeightIndex = 0;
    std::uint32_t m_thickLineWeightIndex = 0;
    std::uint32_t m_textStyleIndex = 0;
    std::uint32_t m_layerIndex = 0;
};

}  // namespace GEOTYPE_DEFINITION

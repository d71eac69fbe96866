// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <string>

namespace GEOTYPE_DEFINITION {

/// Graphic traits of a symbol or of one of its items: colour, line types and
/// weights of the main and thick lines, text style and layer, each as a name
/// and as a position in the properties dialog's lists.
///
/// The order of the operations is part of the binary contract with callers;
/// never reorder, insert or overload. The destructor is not part of the
/// interface: a traits record is always owned by a block or an item.
class IGeoItemTraits {
public:
    /// Takes the source's names, triple, text style, codes A and B, both
    /// line-style records and the seven list indexes; leaves the factor, the
    /// real value, code C and the changed flag as they are. Null changes nothing.
    virtual void CopyFrom(IGeoItemTraits* source) = 0;
    /// Restores codes A/B, both line-style records (but their weight names),
    /// real value, factor, code C and the text-style record to their defaults.
    virtual void SetDefaults() = 0;

    virtual double GetFactor() const = 0;
    virtual void SetFactor(double value) = 0;
    virtual double GetRealValue() const = 0;
    virtual void SetRealValue(double value) = 0;
    virtual std::uint32_t GetCodeA() const = 0;
    virtual void SetCodeA(std::uint32_t value) = 0;
    virtual std::string GetColorName() const = 0;
    virtual void SetColorName(const std::string& name) = 0;
    virtual void SetTriple(std::uint32_t first, std::uint32_t second, std::uint32_t third) = 0;
    virtual void GetTriple(std::uint32_t& first, std::uint32_t& second, std::uint32_t& third) const = 0;

    virtual std::string GetMainLineType() const = 0;
    virtual void SetMainLineType(const std::string& name) = 0;
    virtual std::uint32_t GetMainLineCode() const = 0;
    virtual void SetMainLineCode(std::uint32_t value) = 0;
    virtual std::uint32_t GetMainLineCode2() const = 0;
    virtual void SetMainLineCode2(std::uint32_t value) = 0;
    virtual std::string GetMainLineWeight() const = 0;
    virtual void SetMainLineWeight(const std::string& name) = 0;
    virtual double GetMainLineValue() const = 0;
    virtual void SetMainLineValue(double value) = 0;

    virtual std::string GetThickLineType() const = 0;
    virtual void SetThickLineType(const std::string& name) = 0;
    virtual std::uint32_t GetThickLineCode() const = 0;
    virtual void SetThickLineCode(std::uint32_t value) = 0;
    virtual std::uint32_t GetThickLineCode2() const = 0;
    virtual void SetThickLineCode2(std::uint32_t value) = 0;
    virtual std::string GetThickLineWeight() const = 0;
    virtual void SetThickLineWeight(const std::string& name) = 0;
    virtual double GetThickLineValue() const = 0;
    virtual void SetThickLineValue(double value) = 0;

    virtual std::string GetTextStyle() const = 0;
    virtual void SetTextStyle(const std::string& name) = 0;
    virtual void SetTextValue1(double value) = 0;
    virtual double GetTextValue1() const = 0;
    virtual void SetTextValue2(double value) = 0;
    virtual double GetTextValue2() const = 0;
    virtual void SetTextValue3(double value) = 0;
    virtual double GetTextValue3() const = 0;
    virtual void SetTextValue4(double value) = 0;
    virtual double GetTextValue4() const = 0;
    virtual void SetTextCode1(std::uint32_t value) = 0;
    virtual std::uint32_t GetTextCode1() const = 0;
    virtual void SetTextCode2(std::uint32_t value) = 0;
    virtual std::uint32_t GetTextCode2() const = 0;

    virtual std::uint32_t GetCodeB() const = 0;
    virtual void SetCodeB(std::uint32_t value) = 0;
    virtual std::string GetLayerName() const = 0;
    virtual void SetLayerName(const std::string& name) = 0;
    virtual std::uint32_t GetCodeC() const = 0;
    virtual void SetCodeC(std::uint32_t value) = 0;

    virtual void SetColorIndex(std::uint32_t index) = 0;
    virtual std::uint32_t GetColorIndex() const = 0;
    virtual void SetMainLineTypeIndex(std::uint32_t index) = 0;
    virtual std::uint32_t GetMainLineTypeIndex() const = 0;
    virtual void SetThickLineTypeIndex(std::uint32_t index) = 0;
    virtual std::uint32_t GetThickLineTypeIndex() const = 0;
    virtual void SetMainLineWeightIndex(std::uint32_t index) = 0;
    virtual std::uint32_t GetMainLineWeightIndex() const = 0;
    virtual void SetThickLineWeightIndex(std::uint32_t index) = 0;
    virtual std::uint32_t GetThickLineWeightIndex() const = 0;
    virtual void SetTextStyleIndex(std::uint32_t index) = 0;
    virtual std::uint32_t GetTextStyleIndex() const = 0;
    virtual void SetLayerIndex(std::uint32_t index) = 0;
    virtual std::uint32_t GetLayerIndex() const = 0;

    /// The properties dialog sets 1 after applying its graphics page, 0 after its geometry page.
    virtual void SetChanged(std::uint8_t changed) = 0;
    virtual std::uint8_t IsChanged() const = 0;

protected:
    IGeoItemTraits() = default;
    IGeoItemTraits(const IGeoItemTraits&) = default;
    IGeoItemTraits& operator=(const IGeoItemTraits&) = default;
    ~IGeoItemTraits() = default;
};

}  // namespace GEOTYPE_DEFINITION

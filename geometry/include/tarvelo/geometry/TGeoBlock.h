// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "IGeoBlock.h"
#include "TExtData.h"
#include "TGeoItemCollection.h"
#include "TGeoItemTraits.h"
#include "TGeoPointsBlock.h"
#include "TScopePointBlock.h"

namespace GEOTYPE_DEFINITION {

/// Main text of the extended data of every new block, in code page 1251 ("Объект Тарвело").
inline constexpr const char* kNewBlockMainText = "\xCE\xE1\xFA\xE5\xEA\xF2\x20\xD2\xE0\xF0\xE2\xE5\xEB\xEE";

/// The module's geometry block. It owns its five parts and everything filed
/// in them; the pointers its getters hand out are borrowed.
class TGeoBlock final : public IGeoBlock {
public:
    TGeoBlock();
    TGeoBlock(const TGeoBlock&) = delete;
    TGeoBlock& operator=(const TGeoBlock&) = delete;

    void SetParam(std::uint32_t key, double value) override;
    double GetParam(std::uint32_t key) const override;
    ParamMap& GetParamMap() override { return m_params; }
    void SetTag(std::uint16_t tag) override { m_tag = tag; }
    std::uint16_t GetTag() const override { return m_tag; }
    std::uint32_t GetCode() const override { return m_code; }
    void SetCode(std::uint32_t code) override { m_code = code; }
    void SetAngleMode(std::uint32_t mode) override { m_angleMode = mode; }
    std::uint32_t GetAngleMode() const override { return m_angleMode; }
    void SetNumber(std::uint32_t number) override { m_number = number; }
    std::uint32_t GetNumber() const override { return m_number; }
    std::uint32_t GetItemCount() const override;
    bool IsEmpty() const override;
    std::uint8_t SetStateByte(std::uint8_t state) override;
    std::uint8_t GetStateByte() const override { return m_stateByte; }
    void SetEditMode(std::uint8_t mode) override { m_editMode = mode; }
    std::uint8_t GetEditMode() const override { return m_editMode; }
    void SetAngle(double angle) override { m_angle = angle; }
    double GetAngle() const override { return m_angle; }
    void SetScale(double scale) override { m_scale = scale; }
    double GetScale() const override;
    void SetSymbolType(std::uint32_t type) override;
    std::uint32_t GetSymbolType() const override;
    void SetSymbolVariant(std::uint32_t variant) override;
    std::uint32_t GetSymbolVariant() const override;
    bool AddItemCopy(IGeoItem* source) override;
    bool AddItem(std::uint32_t kind, std::uint32_t id, const ValueMap* values, const std::string& text,
                 std::uint16_t style) override;
    bool GetItem(std::uint32_t key, IGeoItem* target) override;
    bool DestroyParts() override;
    bool Clear() override;
    bool ExtendScopeX(double target) override;
    double GetScopeMaxAbsX() const override;
    bool ExtendScopeY(double target) override;
    double GetScopeMaxAbsY() const override;
    void CopyFrom(IGeoBlock* source) override;
    bool SetScopePoints(IScopePointBlock* source) override;
    bool SetPoints(IGeoPointsBlock* source) override;
    bool SetItems(IGeoItemCollection* source) override;
    bool SetTraits(IGeoItemTraits* source) override;
    bool SetExtData(EXTEND_DEFINITION::IExtData* source) override;
    IScopePointBlock* GetScopePoints() override { return m_scopePoints.get(); }
    IGeoPointsBlock* GetPoints() override { return m_points.get(); }
    IGeoItemTraits* GetTraits() override { return m_traits.get(); }
    IGeoItemCollection* GetItems() override { return m_items.get(); }
    EXTEND_DEFINITION::IExtData* GetExtData() override { return m_extData.get(); }
    bool SetItemsText(const std::string& text) override;

    /// Added after the last operation of the interface, as callers expect.
    virtual ~TGeoBlock() = default;

private:
    enum class Axis { X, Y };
    bool extendScope(Axis axis, double target);
    double scopeMaxAbs(Axis axis) const;

    std::uint16_t m_tag = 0;
    std::uint32_t m_code = 0;
    std::uint32_t m_angleMode = 1;
    std::uint32_t m_number = 0;
    std::uint8_t m_stateByte = 0;
    std::uint8_t m_editMode = 0;
    double m_angle = 0.0;
    double m_scale = 1.0;
    ParamMap m_params;
    std::unique_ptr<TScopePointBlock> m_scopePoints;
    std::unique_ptr<TGeoItemTraits> m_traits;
    std::unique_ptr<TGeoPointsBlock> m_points;
    std::unique_ptr<TGeoItemCollection> m_items;
    std::unique_ptr<EXTEND_DEFINITION::TExtData> m_extData;
};

}  // namespace GEOTYPE_DEFINITION

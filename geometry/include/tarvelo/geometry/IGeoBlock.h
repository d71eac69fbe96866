// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <string>

#include "GeoTypes.h"
#include "IExtData.h"
#include "IGeoItem.h"
#include "IGeoItemCollection.h"
#include "IGeoItemTraits.h"
#include "IGeoPointsBlock.h"
#include "IScopePointBlock.h"

namespace GEOTYPE_DEFINITION {

/// The record in which a symbol travels between the module and its callers:
/// numeric parameters, a few scalars and five owned parts (items, scope
/// points, points, traits, extended data).
///
/// The order of the operations is part of the binary contract. The interface
/// has no destructor: the implementation adds its deleting destructor after
/// the last operation, and callers release blocks through the module's
/// FreeBlock.
class IGeoBlock {
public:
    virtual void SetParam(std::uint32_t key, double value) = 0;
    /// 0.0 when the key is absent; looking up never adds an entry.
    virtual double GetParam(std::uint32_t key) const = 0;
    /// The block's own map, borrowed.
    virtual ParamMap& GetParamMap() = 0;
    virtual void SetTag(std::uint16_t tag) = 0;
    virtual std::uint16_t GetTag() const = 0;
    virtual std::uint32_t GetCode() const = 0;
    virtual void SetCode(std::uint32_t code) = 0;
    virtual void SetAngleMode(std::uint32_t mode) = 0;
    virtual std::uint32_t GetAngleMode() const = 0;
    virtual void SetNumber(std::uint32_t number) = 0;
    virtual std::uint32_t GetNumber() const = 0;
    virtual std::uint32_t GetItemCount() const = 0;
    /// True when items, scope points and points are all empty.
    virtual bool IsEmpty() const = 0;
    /// Stores the byte and returns the stored value.
    virtual std::uint8_t SetStateByte(std::uint8_t state) = 0;
    virtual std::uint8_t GetStateByte() const = 0;
    /// Non-zero marks a block that describes an existing symbol.
    virtual void SetEditMode(std::uint8_t mode) = 0;
    virtual std::uint8_t GetEditMode() const = 0;
    virtual void SetAngle(double angle) = 0;
    virtual double GetAngle() const = 0;
    /// Stores the value unchanged.
    virtual void SetScale(double scale) = 0;
    /// The stored scale, or 1.0 when it is not greater than 0 (zero, negative, NaN).
    virtual double GetScale() const = 0;
    virtual void SetSymbolType(std::uint32_t type) = 0;
    virtual std::uint32_t GetSymbolType() const = 0;
    virtual void SetSymbolVariant(std::uint32_t variant) = 0;
    virtual std::uint32_t GetSymbolVariant() const = 0;
    /// Files a copy of the source under its id, or under item count + 1 when the id is 0.
    virtual bool AddItemCopy(IGeoItem* source) = 0;
    /// Files a new item made from these values under its id; the value map may be null.
    virtual bool AddItem(std::uint32_t kind, std::uint32_t id, const ValueMap* values, const std::string& text,
                         std::uint16_t style) = 0;
    /// Copies the item under the key into the target; an absent key leaves the target unchanged.
    virtual bool GetItem(std::uint32_t key, IGeoItem* target) = 0;
    /// Empties and destroys the five parts; meant for the destructor only.
    virtual bool DestroyParts() = 0;
    /// Empties items, scope points and points, resets traits and extended data;
    /// parameters and scalars stay.
    virtual bool Clear() = 0;
    /// Moves every scope point along X so that the outermost one (over keys
    /// 1 to the largest) ends at the target distance from 0 on its own side.
    virtual bool ExtendScopeX(double target) = 0;
    /// Largest absolute X of the scope points under keys 1 to the largest; 0.0 when none.
    virtual double GetScopeMaxAbsX() const = 0;
    virtual bool ExtendScopeY(double target) = 0;
    virtual double GetScopeMaxAbsY() const = 0;
    /// Becomes a copy of the source; tag, code and angle mode are never copied,
    /// and an empty source contributes no parameters. Null changes nothing.
    virtual void CopyFrom(IGeoBlock* source) = 0;
    virtual bool SetScopePoints(IScopePointBlock* source) = 0;
    virtual bool SetPoints(IGeoPointsBlock* source) = 0;
    virtual bool SetItems(IGeoItemCollection* source) = 0;
    /// Assigns every field of the source, which must be the module's own traits record.
    virtual bool SetTraits(IGeoItemTraits* source) = 0;
    virtual bool SetExtData(EXTEND_DEFINITION::IExtData* source) = 0;
    virtual IScopePointBlock* GetScopePoints() = 0;
    virtual IGeoPointsBlock* GetPoints() = 0;
    virtual IGeoItemTraits* GetTraits() = 0;
    virtual IGeoItemCollection* GetItems() = 0;
    virtual EXTEND_DEFINITION::IExtData* GetExtData() = 0;
    /// Gives every text item (kind 7) the text; nothing happens on an empty block.
    virtual bool SetItemsText(const std::string& text) = 0;

protected:
    IGeoBlock() = default;
    IGeoBlock(const IGeoBlock&) = default;
    IGeoBlock& operator=(const IGeoBlock&) = default;
    ~IGeoBlock() = default;
};

}  // namespace GEOTYPE_DEFINITION

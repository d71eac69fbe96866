// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <map>
#include <string>

// A calling module's own declaration of the geometry data model, written from
// the documented operation order and never from the module's headers: these
// tests pass only when both agree slot by slot. Namespaces and class names
// are the module's, as a real caller's must be.

namespace EXTEND_DEFINITION {

class IExtData {
public:
    virtual bool SetDataId(std::uint32_t id) = 0;
    virtual std::uint32_t GetDataId() const = 0;
    virtual std::uint32_t SetSymbolType(std::uint32_t type) = 0;
    virtual std::uint32_t GetSymbolType() const = 0;
    virtual std::uint32_t GetSymbolVariant() const = 0;
    virtual void SetSymbolVariant(std::uint32_t variant) = 0;
    virtual void SetMainText(const std::string& text) = 0;
    virtual std::string GetMainText() const = 0;
    virtual std::uint32_t GetFlags() const = 0;
    virtual void SetFlags(std::uint32_t flags) = 0;
    virtual void SetSubText(const std::string& text) = 0;
    virtual std::string GetSubText() const = 0;
    virtual void CopyFrom(IExtData* source) = 0;
    virtual void Clear() = 0;
    virtual void Reset() = 0;
    virtual ~IExtData() = default;

protected:
    IExtData() = default;
    IExtData(const IExtData&) = default;
    IExtData& operator=(const IExtData&) = default;
};

}  // namespace EXTEND_DEFINITION

namespace GEOTYPE_DEFINITION {

using POSITION = void*;
using ParamMap = std::map<std::uint32_t, double>;
using ValueMap = std::map<std::uint32_t, std::uint32_t>;

inline constexpr std::uint32_t kTextItemKind = 7;

// No virtual destructor: a traits record always belongs to a block or an item.
class IGeoItemTraits {
public:
    virtual void CopyFrom(IGeoItemTraits* source) = 0;
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
    virtual void SetChanged(std::uint8_t changed) = 0;
    virtual std::uint8_t IsChanged() const = 0;

protected:
    IGeoItemTraits() = default;
    IGeoItemTraits(const IGeoItemTraits&) = default;
    IGeoItemTraits& operator=(const IGeoItemTraits&) = default;
    ~IGeoItemTraits() = default;
};

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
    virtual bool CopyFrom(IGeoPoint* source) = 0;
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

class IGeoPointsBlock {
public:
    virtual std::uint32_t GetCount() const = 0;
    virtual std::uint32_t AddPoint(std::uint16_t pointType, std::uint16_t pointFlag, double x, double y,
                                   double z) = 0;
    virtual bool SetPointFrom(std::uint32_t key, IGeoPoint* source) = 0;
    virtual bool SetPoint(std::uint32_t key, std::uint16_t pointType, std::uint16_t pointFlag, double x,
                          double y, double z) = 0;
    virtual bool GetPoint(std::uint32_t key, IGeoPoint* target) = 0;
    virtual IGeoPoint* FindPoint(std::uint32_t key) = 0;
    virtual bool RemoveAll() = 0;
    virtual POSITION GetStartPosition() = 0;
    virtual POSITION GetEndPosition() = 0;
    virtual void GetNextPoint(POSITION& position, std::uint32_t& key, IGeoPoint*& point) = 0;
    virtual bool CopyFrom(IGeoPointsBlock* source) = 0;
    virtual IGeoPointsBlock* GetSelf() = 0;
    virtual bool MovePoint(std::uint32_t key, double x, double y, double z) = 0;
    virtual ~IGeoPointsBlock() = default;

protected:
    IGeoPointsBlock() = default;
    IGeoPointsBlock(const IGeoPointsBlock&) = default;
    IGeoPointsBlock& operator=(const IGeoPointsBlock&) = default;
};

// No virtual destructor: the block owns its scope points.
class IScopePointBlock {
public:
    virtual void AddScopePoint(std::uint32_t pointTag, std::uint32_t key, std::uint32_t scopeKey, double x,
                               double y, double z, std::uint16_t pointType, std::uint16_t scopeKind,
                               std::uint32_t scopeValue1, std::uint32_t scopeValue2) = 0;
    virtual std::uint32_t GetMinKey() const = 0;
    virtual std::uint32_t GetMaxKey() const = 0;
    virtual POSITION GetStartPosition() = 0;
    virtual POSITION GetEndPosition() = 0;
    virtual void GetNextPoint(POSITION& position, std::uint32_t& key, IGeoPoint*& point) = 0;
    virtual std::uint32_t GetPointTag(std::uint32_t key) const = 0;
    virtual bool GetPoint(std::uint32_t key, IGeoPoint* target) = 0;
    virtual IGeoPoint* FindPoint(std::uint32_t key) = 0;
    virtual bool MovePoint(std::uint32_t key, double x, double y, double z) = 0;
    virtual double GetExtentY() const = 0;
    virtual double GetExtentX() const = 0;
    virtual double GetExtentZ() const = 0;
    virtual bool SetPointScopeKey(std::uint32_t key, std::uint32_t scopeKey) = 0;
    virtual std::uint32_t GetPointScopeKey(std::uint32_t key) const = 0;
    virtual std::uint32_t GetCount() const = 0;
    virtual bool IsEmpty() const = 0;
    virtual void RemoveAll() = 0;
    virtual bool CopyFrom(IScopePointBlock* source) = 0;

protected:
    IScopePointBlock() = default;
    IScopePointBlock(const IScopePointBlock&) = default;
    IScopePointBlock& operator=(const IScopePointBlock&) = default;
    ~IScopePointBlock() = default;
};

class IGeoItem {
public:
    virtual void SetKind(std::uint32_t kind) = 0;
    virtual std::uint32_t GetKind() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual std::string GetText() const = 0;
    virtual void SetLength(std::uint32_t length) = 0;
    virtual std::uint32_t GetLength() const = 0;
    virtual void SetId(std::uint32_t id) = 0;
    virtual std::uint32_t GetId() const = 0;
    virtual ValueMap& GetValueMap() = 0;
    virtual bool CopyFrom(IGeoItem* source) = 0;
    virtual IGeoItemTraits* GetTraits() = 0;
    virtual void SetStyle(std::uint16_t style) = 0;
    virtual std::uint16_t GetStyle() const = 0;
    virtual ~IGeoItem() = default;

protected:
    IGeoItem() = default;
    IGeoItem(const IGeoItem&) = default;
    IGeoItem& operator=(const IGeoItem&) = default;
};

class IGeoItemCollection {
public:
    virtual void RemoveAll() = 0;
    virtual POSITION GetStartPosition() = 0;
    virtual POSITION GetEndPosition() = 0;
    virtual IGeoItem* FindItem(std::uint32_t key) = 0;
    virtual void GetNextItem(POSITION& position, std::uint32_t& key, IGeoItem*& item) = 0;
    virtual bool IsEmpty() const = 0;
    virtual void SetItemCopy(std::uint32_t key, IGeoItem* source) = 0;
    virtual ~IGeoItemCollection() = default;

protected:
    IGeoItemCollection() = default;
    IGeoItemCollection(const IGeoItemCollection&) = default;
    IGeoItemCollection& operator=(const IGeoItemCollection&) = default;
};

// No virtual destructor here: the module's block adds it after SetItemsText.
class IGeoBlock {
public:
    virtual void SetParam(std::uint32_t key, double value) = 0;
    virtual double GetParam(std::uint32_t key) const = 0;
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
    virtual bool IsEmpty() const = 0;
    virtual std::uint8_t SetStateByte(std::uint8_t state) = 0;
    virtual std::uint8_t GetStateByte() const = 0;
    virtual void SetEditMode(std::uint8_t mode) = 0;
    virtual std::uint8_t GetEditMode() const = 0;
    virtual void SetAngle(double angle) = 0;
    virtual double GetAngle() const = 0;
    virtual void SetScale(double scale) = 0;
    virtual double GetScale() const = 0;
    virtual void SetSymbolType(std::uint32_t type) = 0;
    virtual std::uint32_t GetSymbolType() const = 0;
    virtual void SetSymbolVariant(std::uint32_t variant) = 0;
    virtual std::uint32_t GetSymbolVariant() const = 0;
    virtual bool AddItemCopy(IGeoItem* source) = 0;
    virtual bool AddItem(std::uint32_t kind, std::uint32_t id, const ValueMap* values, const std::string& text,
                         std::uint16_t style) = 0;
    virtual bool GetItem(std::uint32_t key, IGeoItem* target) = 0;
    virtual bool DestroyParts() = 0;
    virtual bool Clear() = 0;
    virtual bool ExtendScopeX(double target) = 0;
    virtual double GetScopeMaxAbsX() const = 0;
    virtual bool ExtendScopeY(double target) = 0;
    virtual double GetScopeMaxAbsY() const = 0;
    virtual void CopyFrom(IGeoBlock* source) = 0;
    virtual bool SetScopePoints(IScopePointBlock* source) = 0;
    virtual bool SetPoints(IGeoPointsBlock* source) = 0;
    virtual bool SetItems(IGeoItemCollection* source) = 0;
    virtual bool SetTraits(IGeoItemTraits* source) = 0;
    virtual bool SetExtData(EXTEND_DEFINITION::IExtData* source) = 0;
    virtual IScopePointBlock* GetScopePoints() = 0;
    virtual IGeoPointsBlock* GetPoints() = 0;
    virtual IGeoItemTraits* GetTraits() = 0;
    virtual IGeoItemCollection* GetItems() = 0;
    virtual EXTEND_DEFINITION::IExtData* GetExtData() = 0;
    virtual bool SetItemsText(const std::string& text) = 0;

protected:
    IGeoBlock() = default;
    IGeoBlock(const IGeoBlock&) = default;
    IGeoBlock& operator=(const IGeoBlock&) = default;
    ~IGeoBlock() = default;
};

// The module's block as far as a caller may know it: the interface followed
// by the destructor, so that delete reaches the module's deleting destructor.
// The class name must be the module's: the run-time type check of a
// sanitized build matches classes across libraries by name.
class TGeoBlock : public IGeoBlock {
public:
    virtual ~TGeoBlock() = default;

protected:
    TGeoBlock() = default;
};

// The module's block collection: destructor first, then CopyFrom; its other
// operations are not virtual and so out of a caller's reach.
class TGeoBlockCollection {
public:
    virtual ~TGeoBlockCollection() = default;
    virtual void CopyFrom(const TGeoBlockCollection* source) = 0;

protected:
    TGeoBlockCollection() = default;
};

}  // namespace GEOTYPE_DEFINITION

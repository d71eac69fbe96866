// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "caller_view.h"
#include "contract_fields.h"
#include "contract_values.h"
#include "module_probe.h"

// Everything here is a calling module's view: it calls module-made objects
// through caller_view.h and lets the probe judge, with the module's own
// declarations, what those calls did.

using namespace GEOTYPE_DEFINITION;
using namespace contract;
using EXTEND_DEFINITION::IExtData;

namespace {

#define WRITE_FIELD(Stem, value) object.Set##Stem(value);
#define EXPECT_FIELD(Stem, value) EXPECT_EQ(object.Get##Stem(), value) << #Stem;
#define COPY_FIELD(Stem, value) Set##Stem(source->Get##Stem());

const ValueMap kContractValueMap{{kItemValueKey1, kItemValue1}, {kItemValueKey2, kItemValue2}};

// Deleting through the view is the contract for every interface with a
// destructor; a slot that destroys without freeing shows as a leak.
template <class View>
std::unique_ptr<View> adopt(void* object)
{
    return std::unique_ptr<View>(static_cast<View*>(object));
}

// A block is released through the destructor after its last operation.
std::unique_ptr<TGeoBlock> adoptBlock(void* block)
{
    return std::unique_ptr<TGeoBlock>(static_cast<TGeoBlock*>(static_cast<IGeoBlock*>(block)));
}

void* asModuleBlock(const std::unique_ptr<TGeoBlock>& block)
{
    return static_cast<IGeoBlock*>(block.get());
}

using ModuleCheck = int (*)(void*, char*, std::size_t);

// The probe's list of fields that the module sees differently; empty when all agree.
std::string moduleReport(ModuleCheck check, void* object)
{
    char report[4096] = {};
    check(object, report, sizeof report);
    return report;
}

void writeTraits(IGeoItemTraits& object)
{
    TRAITS_FIELDS(WRITE_FIELD)
    object.SetTriple(kTriple1, kTriple2, kTriple3);
    object.SetChanged(kChanged);
}

void expectTraits(IGeoItemTraits& object)
{
    TRAITS_FIELDS(EXPECT_FIELD)
    std::array<std::uint32_t, 3> triple{};
    object.GetTriple(triple[0], triple[1], triple[2]);
    EXPECT_EQ(triple, (std::array<std::uint32_t, 3>{kTriple1, kTriple2, kTriple3}));
    EXPECT_EQ(object.IsChanged(), kChanged);
}

void writeScopePoint(IGeoPoint& object)
{
    SCOPE_POINT_FIELDS(WRITE_FIELD)
}

void expectScopePoint(IGeoPoint& object)
{
    SCOPE_POINT_FIELDS(EXPECT_FIELD)
}

void expectPlainPoint(IGeoPoint& object)
{
    PLAIN_POINT_FIELDS(EXPECT_FIELD)
}

void expectPosition(const IGeoPoint& point, double x, double y, double z)
{
    EXPECT_EQ(point.GetX(), x);
    EXPECT_EQ(point.GetY(), y);
    EXPECT_EQ(point.GetZ(), z);
}

void writeItem(IGeoItem& object)
{
    ITEM_FIELDS(WRITE_FIELD)
    object.GetValueMap() = kContractValueMap;
    writeTraits(*object.GetTraits());
}

void expectItem(IGeoItem& object)
{
    ITEM_FIELDS(EXPECT_FIELD)
    EXPECT_EQ(object.GetValueMap(), kContractValueMap);
    expectTraits(*object.GetTraits());
}

void writeExtData(IExtData& object)
{
    EXT_DATA_FIELDS(WRITE_FIELD)
}

void expectExtData(IExtData& object)
{
    EXT_DATA_FIELDS(EXPECT_FIELD)
}

// Keys in iteration order; each yielded point must be the one filed under its key.
template <class Points>
std::vector<std::uint32_t> iteratedKeys(Points& points)
{
    std::vector<std::uint32_t> keys;
    for (POSITION position = points.GetStartPosition(); position != points.GetEndPosition();) {
        std::uint32_t key = 0;
        IGeoPoint* point = nullptr;
        points.GetNextPoint(position, key, point);
        if (point == nullptr || point != points.FindPoint(key) || keys.size() > 16) {
            ADD_FAILURE() << "iteration yielded a stray entry after " << keys.size() << " keys";
            break;
        }
        keys.push_back(key);
    }
    return keys;
}

// Untouched fields keep values that no write of the module produces.
constexpr double kUntouchedDouble = -99.5;
constexpr std::uint16_t kUntouchedWord = 99;
constexpr std::uint32_t kUntouchedDword = 9999;

// A caller's own point, handed to module operations that read or fill points
// only through the interface.
class CallerPoint final : public IGeoPoint {
public:
    double GetX() const override { return m_x; }
    double GetY() const override { return m_y; }
    double GetZ() const override { return m_z; }
    std::uint16_t GetPointType() const override { return m_pointType; }
    std::uint16_t GetPointFlag() const override { return m_pointFlag; }
    void SetX(double x) override { m_x = x; }
    void SetY(double y) override { m_y = y; }
    void SetZ(double z) override { m_z = z; }
    void SetPointType(std::uint16_t type) override { m_pointType = type; }
    void SetPointFlag(std::uint16_t flag) override { m_pointFlag = flag; }
    void SetXYZ(double x, double y, double z) override { m_x = x; m_y = y; m_z = z; }
    void SetPointTag(std::uint32_t tag) override { m_pointTag = tag; }
    std::uint32_t GetPointTag() const override { return m_pointTag; }
    void SetScopeKey(std::uint32_t key) override { m_scopeKey = key; }
    std::uint32_t GetScopeKey() const override { return m_scopeKey; }
    bool CopyFrom(IGeoPoint* source) override
    {
        ++m_copyFromCalls;
        if (source == nullptr)
            return false;
        SCOPE_POINT_FIELDS(COPY_FIELD)
        return true;
    }
    bool CopyTo(IGeoPoint* target) override { return target != nullptr && target->CopyFrom(this); }
    void SetScopeKind(std::uint16_t kind) override { m_scopeKind = kind; }
    std::uint16_t GetScopeKind() const override { return m_scopeKind; }
    std::uint32_t GetScopeValue1() const override { return m_scopeValue1; }
    void SetScopeValue1(std::uint32_t value) override { m_scopeValue1 = value; }
    std::uint32_t GetScopeValue2() const override { return m_scopeValue2; }
    void SetScopeValue2(std::uint32_t value) override { m_scopeValue2 = value; }

    int copyFromCalls() const { return m_copyFromCalls; }

private:
    double m_x = kUntouchedDouble;
    double m_y = kUntouchedDouble;
    double m_z = kUntouchedDouble;
    std::uint16_t m_pointType = kUntouchedWord;
    std::uint16_t m_pointFlag = kUntouchedWord;
    std::uint32_t m_pointTag = kUntouchedDword;
    std::uint32_t m_scopeKey = kUntouchedDword;
    std::uint16_t m_scopeKind = kUntouchedWord;
    std::uint32_t m_scopeValue1 = kUntouchedDword;
    std::uint32_t m_scopeValue2 = kUntouchedDword;
    int m_copyFromCalls = 0;
};

// A caller's own extended data record, handed to the module as a copy source.
class CallerExtData final : public IExtData {
public:
    bool SetDataId(std::uint32_t id) override { m_dataId = id; return true; }
    std::uint32_t GetDataId() const override { return m_dataId; }
    std::uint32_t SetSymbolType(std::uint32_t type) override { m_symbolType = type; return 0; }
    std::uint32_t GetSymbolType() const override { return m_symbolType; }
    std::uint32_t GetSymbolVariant() const override { return m_symbolVariant; }
    void SetSymbolVariant(std::uint32_t variant) override { m_symbolVariant = variant; }
    void SetMainText(const std::string& text) override { m_mainText = text; }
    std::string GetMainText() const override { return m_mainText; }
    std::uint32_t GetFlags() const override { return m_flags; }
    void SetFlags(std::uint32_t flags) override { m_flags = flags; }
    void SetSubText(const std::string& text) override { m_subText = text; }
    std::string GetSubText() const override { return m_subText; }
    void CopyFrom(IExtData*) override { ADD_FAILURE() << "the module wrote into a copy source"; }
    void Clear() override { ADD_FAILURE() << "the module cleared a copy source"; }
    void Reset() override { ADD_FAILURE() << "the module reset a copy source"; }

private:
    std::uint32_t m_dataId = 0;
    std::uint32_t m_symbolType = 0;
    std::uint32_t m_symbolVariant = 0;
    std::string m_mainText;
    std::string m_subText;
    std::uint32_t m_flags = 0;
};

}  // namespace

// Every traits field the module wrote reads back through the view, and every field written there reaches it.
TEST(ContractTraits, everyFieldCrossesBothWays)
{
    auto filled = adoptBlock(probe_new_filled_block());
    expectTraits(*filled->GetTraits());

    auto block = adoptBlock(probe_new_block());
    writeTraits(*block->GetTraits());
    EXPECT_EQ(moduleReport(probe_check_traits, block->GetTraits()), "");
}

// CopyFrom leaves factor, real value, code C and the changed flag; SetDefaults restores only its own fields.
TEST(ContractTraits, copyFromAndSetDefaultsThroughTheView)
{
    auto filled = adoptBlock(probe_new_filled_block());
    auto block = adoptBlock(probe_new_block());
    IGeoItemTraits& traits = *block->GetTraits();
    traits.CopyFrom(filled->GetTraits());
    EXPECT_EQ(traits.GetFactor(), 1.0);
    EXPECT_EQ(traits.GetRealValue(), 0.0);
    EXPECT_EQ(traits.GetCodeC(), 0u);
    EXPECT_EQ(traits.IsChanged(), 0);
    traits.SetFactor(kFactor);
    traits.SetRealValue(kRealValue);
    traits.SetCodeC(kCodeC);
    traits.SetChanged(kChanged);
    EXPECT_EQ(moduleReport(probe_check_traits, &traits), "");

    traits.SetDefaults();
    EXPECT_EQ(traits.GetCodeA(), 256u);
    EXPECT_EQ(traits.GetMainLineType(), "default");
    EXPECT_EQ(traits.GetThickLineCode2(), 0xFFFFFFFFu);
    EXPECT_EQ(traits.GetTextStyle(), "GOST A");
    EXPECT_EQ(traits.GetTextValue1(), -1.0);
    EXPECT_EQ(traits.GetFactor(), 1.0);
    EXPECT_EQ(traits.GetColorName(), kColorName);
    EXPECT_EQ(traits.GetMainLineWeight(), kMainLineWeight);
    EXPECT_EQ(traits.GetLayerIndex(), kLayerIndex);
    EXPECT_EQ(traits.IsChanged(), kChanged);
}

// Every point field, scope fields included, crosses the boundary both ways.
TEST(ContractPoint, everyFieldCrossesBothWays)
{
    auto filled = adoptBlock(probe_new_filled_block());
    IGeoPoint* filedPoint = filled->GetScopePoints()->FindPoint(kScopePointKey);
    ASSERT_NE(filedPoint, nullptr);
    expectScopePoint(*filedPoint);

    auto point = adopt<IGeoPoint>(probe_new_scope_point());
    writeScopePoint(*point);
    EXPECT_EQ(moduleReport(probe_check_scope_point, point.get()), "");
    point->SetXYZ(kPlainX, kPlainY, kPlainZ);
    expectPosition(*point, kPlainX, kPlainY, kPlainZ);
}

// Module points copy from and into a caller's own point through the caller's slots only.
TEST(ContractPoint, copiesWithCallerPoints)
{
    CallerPoint source;
    writeScopePoint(source);
    auto scopePoint = adopt<IGeoPoint>(probe_new_scope_point());
    EXPECT_TRUE(scopePoint->CopyFrom(&source));
    EXPECT_EQ(moduleReport(probe_check_scope_point, scopePoint.get()), "");

    CallerPoint target;
    EXPECT_TRUE(scopePoint->CopyTo(&target));
    EXPECT_EQ(target.GetScopeKey(), kScopeKey);
    expectPosition(target, kPointX, kPointY, kPointZ);
    EXPECT_EQ(target.GetPointType(), kPointType);
    EXPECT_EQ(target.GetPointTag(), kPointTag);
    EXPECT_EQ(target.GetPointFlag(), kUntouchedWord);
    EXPECT_EQ(target.GetScopeKind(), kUntouchedWord);
    EXPECT_EQ(target.GetScopeValue1(), kUntouchedDword);
    EXPECT_EQ(target.GetScopeValue2(), kUntouchedDword);
    EXPECT_FALSE(scopePoint->CopyTo(nullptr));

    // A plain point has no scope fields and copies out by asking the target to copy from it.
    auto plain = adopt<IGeoPoint>(probe_new_point());
    EXPECT_TRUE(plain->CopyFrom(&source));
    plain->SetScopeKey(kScopeKey);
    plain->SetScopeKind(kScopeKind);
    plain->SetScopeValue1(kScopeValue1);
    plain->SetScopeValue2(kScopeValue2);
    CallerPoint copy;
    EXPECT_TRUE(plain->CopyTo(&copy));
    EXPECT_EQ(copy.copyFromCalls(), 1);
    expectPosition(copy, kPointX, kPointY, kPointZ);
    EXPECT_EQ(copy.GetPointFlag(), kPointFlag);
    EXPECT_EQ(copy.GetPointTag(), kPointTag);
    EXPECT_EQ(copy.GetScopeKey(), 0u);
    EXPECT_EQ(copy.GetScopeKind(), 0);
    EXPECT_EQ(copy.GetScopeValue1(), 0u);
    EXPECT_EQ(copy.GetScopeValue2(), 0u);
    EXPECT_FALSE(plain->CopyFrom(nullptr));
}

// The point the module filed reads back through the view, and a point filed through the view reaches it.
TEST(ContractPointsBlock, filedPointsCrossBothWays)
{
    auto filled = adoptBlock(probe_new_filled_block());
    IGeoPointsBlock& filledPoints = *filled->GetPoints();
    EXPECT_EQ(filledPoints.GetCount(), 1u);
    ASSERT_NE(filledPoints.FindPoint(kPlainPointKey), nullptr);
    expectPlainPoint(*filledPoints.FindPoint(kPlainPointKey));

    auto block = adoptBlock(probe_new_block());
    IGeoPointsBlock& points = *block->GetPoints();
    EXPECT_TRUE(points.SetPoint(kPlainPointKey, kPlainType, kPlainFlag, kPlainX, kPlainY, kPlainZ));
    ASSERT_NE(points.FindPoint(kPlainPointKey), nullptr);
    points.FindPoint(kPlainPointKey)->SetPointTag(kPlainTag);
    EXPECT_EQ(moduleReport(probe_check_points_block, &points), "");
}

// Adding, filing from and reading into caller points, moving, iterating, copying and emptying through the view.
TEST(ContractPointsBlock, operationsThroughTheView)
{
    auto points = adopt<IGeoPointsBlock>(probe_new_points_block());
    CallerPoint target;
    EXPECT_FALSE(points->GetPoint(1, &target));
    EXPECT_EQ(points->AddPoint(kPlainType, kPlainFlag, kPlainX, kPlainY, kPlainZ), 1u);
    CallerPoint source;
    writeScopePoint(source);
    EXPECT_TRUE(points->SetPointFrom(5, &source));
    EXPECT_EQ(points->GetCount(), 2u);

    IGeoPoint* filed = points->FindPoint(5);
    ASSERT_NE(filed, nullptr);
    expectPosition(*filed, kPointX, kPointY, kPointZ);
    EXPECT_EQ(filed->GetPointType(), kPointType);
    EXPECT_EQ(filed->GetPointFlag(), 0);
    EXPECT_EQ(filed->GetPointTag(), 0u);

    EXPECT_TRUE(points->GetPoint(1, &target));
    expectPosition(target, kPlainX, kPlainY, kPlainZ);
    EXPECT_EQ(target.GetPointType(), kPlainType);
    EXPECT_EQ(target.GetPointFlag(), kUntouchedWord);
    EXPECT_EQ(target.GetPointTag(), kUntouchedDword);

    EXPECT_TRUE(points->MovePoint(5, 1.5, 2.5, 3.5));
    expectPosition(*filed, 1.5, 2.5, 3.5);
    EXPECT_FALSE(points->MovePoint(9, 1.5, 2.5, 3.5));
    EXPECT_EQ(points->FindPoint(9), nullptr);
    EXPECT_EQ(points->GetEndPosition(), nullptr);
    EXPECT_EQ(iteratedKeys(*points), (std::vector<std::uint32_t>{1, 5}));
    EXPECT_EQ(points->GetSelf(), points.get());

    auto block = adoptBlock(probe_new_block());
    IGeoPointsBlock& copy = *block->GetPoints();
    EXPECT_TRUE(copy.CopyFrom(points.get()));
    EXPECT_EQ(iteratedKeys(copy), (std::vector<std::uint32_t>{1, 5}));
    EXPECT_EQ(copy.FindPoint(1)->GetPointFlag(), 0);

    EXPECT_TRUE(points->RemoveAll());
    EXPECT_EQ(points->GetCount(), 0u);
    EXPECT_EQ(points->GetStartPosition(), nullptr);
    EXPECT_FALSE(copy.CopyFrom(points.get()));
    EXPECT_EQ(copy.GetCount(), 2u);
}

// The scope point the module filed reads back through the view, and one added through the view reaches it.
TEST(ContractScopePointBlock, filedPointsCrossBothWays)
{
    auto filled = adoptBlock(probe_new_filled_block());
    IScopePointBlock& filledScope = *filled->GetScopePoints();
    EXPECT_EQ(filledScope.GetCount(), 1u);
    EXPECT_EQ(filledScope.GetPointTag(kScopePointKey), kPointTag);
    EXPECT_EQ(filledScope.GetPointScopeKey(kScopePointKey), kScopeKey);

    auto block = adoptBlock(probe_new_block());
    IScopePointBlock& scope = *block->GetScopePoints();
    scope.AddScopePoint(kPointTag, kScopePointKey, kScopeKey, kPointX, kPointY, kPointZ, kPointType, kScopeKind,
                        kScopeValue1, kScopeValue2);
    ASSERT_NE(scope.FindPoint(kScopePointKey), nullptr);
    scope.FindPoint(kScopePointKey)->SetPointFlag(kPointFlag);
    EXPECT_EQ(moduleReport(probe_check_scope_points, &scope), "");
}

// Keys, extents, scope keys, moves, reads into a caller point and copies of scope points through the view.
TEST(ContractScopePointBlock, operationsThroughTheView)
{
    auto block = adoptBlock(probe_new_block());
    IScopePointBlock& scope = *block->GetScopePoints();
    EXPECT_TRUE(scope.IsEmpty());
    scope.AddScopePoint(31, 2, 41, 3.0, -4.0, 0.5, 1, 51, 61, 71);
    scope.AddScopePoint(32, 4, 42, -2.0, 6.0, -4.0, 2, 52, 62, 72);
    scope.AddScopePoint(33, 7, 43, 5.0, 2.0, 1.0, 3, 53, 63, 73);
    EXPECT_FALSE(scope.IsEmpty());
    EXPECT_EQ(scope.GetCount(), 3u);
    EXPECT_EQ(scope.GetMinKey(), 0u);
    EXPECT_EQ(scope.GetMaxKey(), 7u);
    EXPECT_EQ(scope.GetExtentX(), 7.0);
    EXPECT_EQ(scope.GetExtentY(), 10.0);
    EXPECT_EQ(scope.GetExtentZ(), 5.0);
    EXPECT_EQ(scope.GetPointTag(4), 32u);
    EXPECT_EQ(scope.GetPointScopeKey(4), 42u);
    EXPECT_TRUE(scope.SetPointScopeKey(4, 44));
    EXPECT_EQ(scope.GetPointScopeKey(4), 44u);
    EXPECT_FALSE(scope.SetPointScopeKey(9, 44));
    EXPECT_EQ(iteratedKeys(scope), (std::vector<std::uint32_t>{2, 4, 7}));

    EXPECT_TRUE(scope.MovePoint(7, 8.0, 9.0, 10.0));
    expectPosition(*scope.FindPoint(7), 8.0, 9.0, 10.0);
    EXPECT_FALSE(scope.MovePoint(9, 8.0, 9.0, 10.0));

    // GetPoint hands over scope key, coordinates, type and tag, nothing else.
    CallerPoint target;
    EXPECT_TRUE(scope.GetPoint(4, &target));
    EXPECT_EQ(target.GetScopeKey(), 44u);
    expectPosition(target, -2.0, 6.0, -4.0);
    EXPECT_EQ(target.GetPointType(), 2);
    EXPECT_EQ(target.GetPointTag(), 32u);
    EXPECT_EQ(target.GetPointFlag(), kUntouchedWord);
    EXPECT_EQ(target.GetScopeKind(), kUntouchedWord);
    CallerPoint untouched;
    EXPECT_TRUE(scope.GetPoint(9, &untouched));
    EXPECT_EQ(untouched.GetX(), kUntouchedDouble);

    auto other = adoptBlock(probe_new_block());
    IScopePointBlock& copy = *other->GetScopePoints();
    EXPECT_TRUE(copy.CopyFrom(&scope));
    EXPECT_EQ(iteratedKeys(copy), (std::vector<std::uint32_t>{2, 4, 7}));
    EXPECT_EQ(copy.FindPoint(4)->GetScopeKind(), 52);
    EXPECT_EQ(copy.FindPoint(4)->GetScopeValue2(), 72u);

    scope.RemoveAll();
    EXPECT_TRUE(scope.IsEmpty());
    EXPECT_FALSE(copy.CopyFrom(&scope));
    EXPECT_TRUE(copy.IsEmpty());
}

// Every item field, its values and its traits cross the boundary both ways.
TEST(ContractItem, everyFieldCrossesBothWays)
{
    auto filled = adoptBlock(probe_new_filled_block());
    IGeoItem* filedItem = filled->GetItems()->FindItem(kItemId);
    ASSERT_NE(filedItem, nullptr);
    expectItem(*filedItem);

    auto item = adopt<IGeoItem>(probe_new_item());
    writeItem(*item);
    EXPECT_EQ(moduleReport(probe_check_item, item.get()), "");
}

// An item copies another through the view; its traits follow the traits' own copy rules.
TEST(ContractItem, copyFromTakesTheSourceItem)
{
    auto filled = adoptBlock(probe_new_filled_block());
    auto item = adopt<IGeoItem>(probe_new_item());
    EXPECT_FALSE(item->CopyFrom(nullptr));
    EXPECT_TRUE(item->CopyFrom(filled->GetItems()->FindItem(kItemId)));
    EXPECT_EQ(item->GetKind(), kItemKind);
    EXPECT_EQ(item->GetId(), kItemId);
    EXPECT_EQ(item->GetText(), kItemText);
    EXPECT_EQ(item->GetLength(), kItemLength);
    EXPECT_EQ(item->GetStyle(), kItemStyle);
    EXPECT_EQ(item->GetValueMap(), kContractValueMap);
    EXPECT_EQ(item->GetTraits()->GetLayerName(), kLayerName);
    EXPECT_EQ(item->GetTraits()->GetFactor(), 1.0);
}

// Iterating, finding, copying in and emptying items through the view.
TEST(ContractItemCollection, operationsThroughTheView)
{
    auto filled = adoptBlock(probe_new_filled_block());
    IGeoItem* source = filled->GetItems()->FindItem(kItemId);
    ASSERT_NE(source, nullptr);
    auto items = adopt<IGeoItemCollection>(probe_new_item_collection());
    EXPECT_TRUE(items->IsEmpty());
    EXPECT_EQ(items->GetStartPosition(), nullptr);
    POSITION position = nullptr;
    std::uint32_t key = kUntouchedDword;
    IGeoItem* item = source;
    items->GetNextItem(position, key, item);
    EXPECT_EQ(key, 0u);
    EXPECT_EQ(item, nullptr);

    items->SetItemCopy(8, source);
    items->SetItemCopy(3, source);
    items->SetItemCopy(3, source);
    EXPECT_FALSE(items->IsEmpty());
    EXPECT_EQ(items->FindItem(5), nullptr);
    ASSERT_NE(items->FindItem(3), nullptr);
    EXPECT_NE(items->FindItem(3), source);
    EXPECT_EQ(items->FindItem(3)->GetText(), kItemText);

    std::vector<std::uint32_t> keys;
    for (position = items->GetStartPosition(); position != items->GetEndPosition() && keys.size() < 16;) {
        items->GetNextItem(position, key, item);
        EXPECT_EQ(item, items->FindItem(key));
        keys.push_back(key);
    }
    EXPECT_EQ(keys, (std::vector<std::uint32_t>{3, 8}));

    items->RemoveAll();
    EXPECT_TRUE(items->IsEmpty());
    EXPECT_EQ(items->FindItem(3), nullptr);
}

// Every extended data field crosses the boundary both ways.
TEST(ContractExtData, everyFieldCrossesBothWays)
{
    auto filled = adoptBlock(probe_new_filled_block());
    expectExtData(*filled->GetExtData());

    auto extData = adopt<IExtData>(probe_new_ext_data());
    writeExtData(*extData);
    EXPECT_EQ(moduleReport(probe_check_ext_data, extData.get()), "");
}

// The data id refuses 0, Clear and Reset keep sub text and id, and a caller's record is read by its getters.
TEST(ContractExtData, rulesAndCopiesFromACallerRecord)
{
    auto extData = adopt<IExtData>(probe_new_ext_data());
    EXPECT_FALSE(extData->SetDataId(0));
    EXPECT_EQ(extData->GetDataId(), 0u);
    EXPECT_EQ(extData->SetSymbolType(kSymbolVariant), 0u);
    EXPECT_EQ(extData->GetSymbolType(), kSymbolVariant);

    CallerExtData source;
    writeExtData(source);
    extData->CopyFrom(&source);
    EXPECT_EQ(moduleReport(probe_check_ext_data, extData.get()), "");

    auto expectCleared = [&](const char* how) {
        EXPECT_EQ(extData->GetSymbolType(), 0u) << how;
        EXPECT_EQ(extData->GetSymbolVariant(), 0u) << how;
        EXPECT_EQ(extData->GetFlags(), 0u) << how;
        EXPECT_EQ(extData->GetMainText(), "") << how;
        EXPECT_EQ(extData->GetSubText(), kSubText) << how;
        EXPECT_EQ(extData->GetDataId(), kDataId) << how;
    };
    extData->Clear();
    expectCleared("Clear");
    extData->CopyFrom(&source);
    extData->Reset();
    expectCleared("Reset");

    auto block = adoptBlock(probe_new_block());
    EXPECT_TRUE(block->SetExtData(&source));
    EXPECT_EQ(moduleReport(probe_check_ext_data, block->GetExtData()), "");
}

// The block's scalars and parameters cross both ways; its symbol type and variant are the extended data's.
TEST(ContractBlock, scalarsAndParametersCrossBothWays)
{
    auto filled = adoptBlock(probe_new_filled_block());
    {
        IGeoBlock& object = *filled;
        BLOCK_FIELDS(EXPECT_FIELD)
    }
    EXPECT_EQ(filled->GetParam(kParamKey1), kParamValue1);
    EXPECT_EQ(filled->GetParam(kParamKey2), kParamValue2);
    EXPECT_EQ(filled->GetParam(1), 0.0);
    EXPECT_EQ(filled->GetParamMap(), (ParamMap{{kParamKey1, kParamValue1}, {kParamKey2, kParamValue2}}));

    auto block = adoptBlock(probe_new_block());
    {
        IGeoBlock& object = *block;
        BLOCK_FIELDS(WRITE_FIELD)
    }
    EXPECT_EQ(block->SetStateByte(kStateByte), kStateByte);
    block->SetParam(kParamKey1, kParamValue1);
    block->GetParamMap()[kParamKey2] = kParamValue2;
    EXPECT_EQ(moduleReport(probe_check_block_scalars, asModuleBlock(block)), "");
    EXPECT_EQ(block->GetExtData()->GetSymbolType(), kSymbolType);
    EXPECT_EQ(block->GetExtData()->GetSymbolVariant(), kSymbolVariant);
    block->SetScale(-kScale);
    EXPECT_EQ(block->GetScale(), 1.0);
}

// Each part getter of the view hands out the very part the module holds.
TEST(ContractBlock, partGettersReturnTheModulesParts)
{
    auto block = adoptBlock(probe_new_filled_block());
    void* moduleBlock = asModuleBlock(block);
    EXPECT_EQ(static_cast<void*>(block->GetScopePoints()), probe_block_part(moduleBlock, ProbeScopePoints));
    EXPECT_EQ(static_cast<void*>(block->GetPoints()), probe_block_part(moduleBlock, ProbePoints));
    EXPECT_EQ(static_cast<void*>(block->GetTraits()), probe_block_part(moduleBlock, ProbeTraits));
    EXPECT_EQ(static_cast<void*>(block->GetItems()), probe_block_part(moduleBlock, ProbeItems));
    EXPECT_EQ(static_cast<void*>(block->GetExtData()), probe_block_part(moduleBlock, ProbeExtData));
}

// Items added through the view are filed by id or by count, copied into a target and renamed by SetItemsText.
TEST(ContractBlock, itemOperationsThroughTheView)
{
    auto block = adoptBlock(probe_new_block());
    EXPECT_EQ(block->GetItemCount(), 0u);
    EXPECT_TRUE(block->IsEmpty());
    const ValueMap values{{kItemValueKey1, kItemValue1}};
    EXPECT_TRUE(block->AddItem(kTextItemKind, 2, &values, "abc", kItemStyle));
    EXPECT_TRUE(block->AddItem(kItemKind, 5, nullptr, "other", 0));
    EXPECT_FALSE(block->IsEmpty());
    IGeoItem* text = block->GetItems()->FindItem(2);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->GetKind(), kTextItemKind);
    EXPECT_EQ(text->GetId(), 2u);
    EXPECT_EQ(text->GetLength(), 3u);
    EXPECT_EQ(text->GetStyle(), kItemStyle);
    EXPECT_EQ(text->GetValueMap(), values);

    auto loose = adopt<IGeoItem>(probe_new_item());
    loose->SetText("loose");
    EXPECT_TRUE(block->AddItemCopy(loose.get()));
    EXPECT_EQ(block->GetItemCount(), 3u);
    ASSERT_NE(block->GetItems()->FindItem(3), nullptr);
    EXPECT_EQ(block->GetItems()->FindItem(3)->GetText(), "loose");

    EXPECT_TRUE(block->GetItem(2, loose.get()));
    EXPECT_EQ(loose->GetText(), "abc");
    EXPECT_TRUE(block->GetItem(9, loose.get()));
    EXPECT_EQ(loose->GetText(), "abc");

    block->SetItemsText("renamed");
    EXPECT_EQ(text->GetText(), "renamed");
    EXPECT_EQ(text->GetLength(), 3u);
    EXPECT_EQ(block->GetItems()->FindItem(5)->GetText(), "other");
}

// Clear empties the parts but keeps parameters and scalars; DestroyParts drops the parts themselves.
TEST(ContractBlock, clearAndDestroyParts)
{
    auto block = adoptBlock(probe_new_filled_block());
    EXPECT_TRUE(block->Clear());
    ASSERT_NE(block->GetPoints(), nullptr);
    ASSERT_NE(block->GetTraits(), nullptr);
    ASSERT_NE(block->GetExtData(), nullptr);
    EXPECT_TRUE(block->IsEmpty());
    EXPECT_EQ(block->GetItemCount(), 0u);
    EXPECT_EQ(block->GetPoints()->GetCount(), 0u);
    EXPECT_EQ(block->GetParam(kParamKey1), kParamValue1);
    EXPECT_EQ(block->GetAngle(), kAngle);
    EXPECT_EQ(block->GetScale(), kScale);
    EXPECT_EQ(block->GetSymbolType(), 0u);
    EXPECT_EQ(block->GetTraits()->GetCodeA(), 256u);
    EXPECT_EQ(block->GetExtData()->GetMainText(), "");
    EXPECT_EQ(block->GetExtData()->GetSubText(), kSubText);

    EXPECT_TRUE(block->DestroyParts());
    EXPECT_EQ(block->GetScopePoints(), nullptr);
    EXPECT_EQ(block->GetPoints(), nullptr);
    EXPECT_EQ(block->GetTraits(), nullptr);
    EXPECT_EQ(block->GetItems(), nullptr);
    EXPECT_EQ(block->GetExtData(), nullptr);
    EXPECT_TRUE(block->IsEmpty());
    EXPECT_EQ(block->GetParam(kParamKey1), kParamValue1);
}

// The outermost scope point ends at the target on its own side; the others move with it.
TEST(ContractBlock, scopeExtensionOnBothAxes)
{
    auto block = adoptBlock(probe_new_block());
    EXPECT_FALSE(block->ExtendScopeX(10.0));
    EXPECT_EQ(block->GetScopeMaxAbsX(), 0.0);
    IScopePointBlock& scope = *block->GetScopePoints();
    scope.AddScopePoint(0, 1, 0, 2.0, 1.0, 0.0, 0, 0, 0, 0);
    scope.AddScopePoint(0, 2, 0, -5.0, 4.0, 0.0, 0, 0, 0, 0);
    scope.AddScopePoint(0, 3, 0, 3.0, -6.0, 0.0, 0, 0, 0, 0);
    EXPECT_EQ(block->GetScopeMaxAbsX(), 5.0);
    EXPECT_EQ(block->GetScopeMaxAbsY(), 6.0);

    EXPECT_TRUE(block->ExtendScopeX(10.0));
    EXPECT_TRUE(block->ExtendScopeY(8.0));
    const double expected[3][2] = {{-3.0, -1.0}, {-10.0, 2.0}, {-2.0, -8.0}};
    for (std::uint32_t key = 1; key <= 3; ++key) {
        EXPECT_EQ(scope.FindPoint(key)->GetX(), expected[key - 1][0]) << key;
        EXPECT_EQ(scope.FindPoint(key)->GetY(), expected[key - 1][1]) << key;
    }
}

// CopyFrom takes all but tag, code and angle mode; each part setter copies its part from a module source.
TEST(ContractBlock, copyFromAndPartSetters)
{
    auto filled = adoptBlock(probe_new_filled_block());
    auto copy = adoptBlock(probe_new_block());
    copy->CopyFrom(filled.get());
    copy->CopyFrom(nullptr);
    EXPECT_NE(copy->GetTag(), kTag);
    EXPECT_EQ(copy->GetCode(), 0u);
    EXPECT_EQ(copy->GetAngleMode(), 1u);
    EXPECT_EQ(copy->GetNumber(), kNumber);
    EXPECT_EQ(copy->GetStateByte(), kStateByte);
    EXPECT_EQ(copy->GetEditMode(), kEditMode);
    EXPECT_EQ(copy->GetAngle(), kAngle);
    EXPECT_EQ(copy->GetScale(), kScale);
    EXPECT_EQ(copy->GetParamMap(), filled->GetParamMap());
    EXPECT_EQ(moduleReport(probe_check_ext_data, copy->GetExtData()), "");
    EXPECT_EQ(moduleReport(probe_check_scope_points, copy->GetScopePoints()), "");
    EXPECT_EQ(copy->GetItems()->FindItem(kItemId)->GetText(), kItemText);
    EXPECT_EQ(copy->GetPoints()->FindPoint(kPlainPointKey)->GetX(), kPlainX);
    EXPECT_EQ(copy->GetTraits()->GetColorName(), kColorName);

    auto parts = adoptBlock(probe_new_block());
    EXPECT_TRUE(parts->SetScopePoints(filled->GetScopePoints()));
    EXPECT_EQ(moduleReport(probe_check_scope_points, parts->GetScopePoints()), "");
    parts->SetPoints(filled->GetPoints());
    ASSERT_NE(parts->GetPoints()->FindPoint(kPlainPointKey), nullptr);
    EXPECT_EQ(parts->GetPoints()->FindPoint(kPlainPointKey)->GetY(), kPlainY);
    EXPECT_EQ(parts->GetPoints()->FindPoint(kPlainPointKey)->GetPointTag(), 0u);
    EXPECT_TRUE(parts->SetItems(filled->GetItems()));
    ASSERT_NE(parts->GetItems()->FindItem(kItemId), nullptr);
    EXPECT_EQ(parts->GetItems()->FindItem(kItemId)->GetLength(), kItemLength);
    parts->SetTraits(filled->GetTraits());
    EXPECT_EQ(moduleReport(probe_check_traits, parts->GetTraits()), "");
    EXPECT_TRUE(parts->SetExtData(filled->GetExtData()));
    EXPECT_EQ(moduleReport(probe_check_ext_data, parts->GetExtData()), "");
}

// A block collection copies another through its CopyFrom slot; both are released through the destructor slot.
TEST(ContractBlockCollection, copyFromAndDestructorThroughTheView)
{
    auto source = adopt<TGeoBlockCollection>(probe_new_block_collection(1));
    auto copy = adopt<TGeoBlockCollection>(probe_new_block_collection(0));
    EXPECT_EQ(moduleReport(probe_check_block_collection, source.get()), "");
    EXPECT_NE(moduleReport(probe_check_block_collection, copy.get()), "");
    copy->CopyFrom(source.get());
    EXPECT_EQ(moduleReport(probe_check_block_collection, copy.get()), "");
}

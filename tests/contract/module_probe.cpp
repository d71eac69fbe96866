// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "module_probe.h"

#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "contract_fields.h"
#include "contract_values.h"
#include "tarvelo/geometry/TGeoBlock.h"
#include "tarvelo/geometry/TGeoBlockCollection.h"
#include "tarvelo/geometry/TScopePoint.h"

using namespace GEOTYPE_DEFINITION;
using namespace contract;
using EXTEND_DEFINITION::IExtData;

namespace {

#define FILL_FIELD(Stem, value) object.Set##Stem(value);
#define CHECK_FIELD(Stem, value) report.expect(where + #Stem, object.Get##Stem(), value);

// Collects one line per field that differs from its contract value.
class Report {
public:
    template <class Actual, class Expected>
    void expect(const std::string& field, const Actual& actual, const Expected& expected)
    {
        if (actual == expected)
            return;
        std::ostringstream line;
        line << field << ": expected " << printable(expected) << ", got " << printable(actual) << '\n';
        m_text += line.str();
        ++m_mismatches;
    }

    void fail(const std::string& line)
    {
        m_text += line + '\n';
        ++m_mismatches;
    }

    int deliver(char* buffer, std::size_t size) const
    {
        if (buffer != nullptr && size > 0) {
            const std::size_t length = std::min(m_text.size(), size - 1);
            std::memcpy(buffer, m_text.data(), length);
            buffer[length] = '\0';
        }
        return m_mismatches;
    }

private:
    // Bytes and words print as numbers, not as characters.
    template <class T>
    static auto printable(const T& value)
    {
        if constexpr (std::is_integral_v<T>)
            return +value;
        else
            return value;
    }

    std::string m_text;
    int m_mismatches = 0;
};

const ValueMap& contractValueMap()
{
    static const ValueMap values{{kItemValueKey1, kItemValue1}, {kItemValueKey2, kItemValue2}};
    return values;
}

void fillTraits(IGeoItemTraits& object)
{
    TRAITS_FIELDS(FILL_FIELD)
    object.SetTriple(kTriple1, kTriple2, kTriple3);
    object.SetChanged(kChanged);
}

void checkTraits(IGeoItemTraits& object, Report& report, const std::string& where)
{
    TRAITS_FIELDS(CHECK_FIELD)
    std::uint32_t first = 0;
    std::uint32_t second = 0;
    std::uint32_t third = 0;
    object.GetTriple(first, second, third);
    report.expect(where + "Triple[0]", first, kTriple1);
    report.expect(where + "Triple[1]", second, kTriple2);
    report.expect(where + "Triple[2]", third, kTriple3);
    report.expect(where + "Changed", object.IsChanged(), kChanged);
}

void checkScopePoint(IGeoPoint& object, Report& report, const std::string& where)
{
    SCOPE_POINT_FIELDS(CHECK_FIELD)
}

void checkPlainPoint(IGeoPoint& object, Report& report, const std::string& where)
{
    PLAIN_POINT_FIELDS(CHECK_FIELD)
}

void checkItem(IGeoItem& object, Report& report, const std::string& where)
{
    ITEM_FIELDS(CHECK_FIELD)
    const ValueMap& values = object.GetValueMap();
    report.expect(where + "ValueMap size", values.size(), contractValueMap().size());
    for (const auto& [key, value] : contractValueMap()) {
        const auto found = values.find(key);
        const std::uint32_t actual = found != values.end() ? found->second : 0;
        report.expect(where + "ValueMap[" + std::to_string(key) + "]", actual, value);
    }
    checkTraits(*object.GetTraits(), report, where + "traits ");
}

void fillExtData(IExtData& object)
{
    EXT_DATA_FIELDS(FILL_FIELD)
}

void checkExtData(IExtData& object, Report& report, const std::string& where)
{
    EXT_DATA_FIELDS(CHECK_FIELD)
}

void checkScopePoints(IScopePointBlock& object, Report& report, const std::string& where)
{
    report.expect(where + "GetCount", object.GetCount(), 1u);
    if (IGeoPoint* point = object.FindPoint(kScopePointKey))
        checkScopePoint(*point, report, where + "point ");
    else
        report.fail(where + "no point under the scope point key");
}

void checkPointsBlock(IGeoPointsBlock& object, Report& report, const std::string& where)
{
    report.expect(where + "GetCount", object.GetCount(), 1u);
    if (IGeoPoint* point = object.FindPoint(kPlainPointKey))
        checkPlainPoint(*point, report, where + "point ");
    else
        report.fail(where + "no point under the plain point key");
}

void checkBlockScalars(IGeoBlock& object, Report& report, const std::string& where)
{
    BLOCK_FIELDS(CHECK_FIELD)
    report.expect(where + "Param[1]", object.GetParam(kParamKey1), kParamValue1);
    report.expect(where + "Param[2]", object.GetParam(kParamKey2), kParamValue2);
    report.expect(where + "ParamMap size", object.GetParamMap().size(), std::size_t{2});
}

void fillBlock(IGeoBlock& object)
{
    BLOCK_FIELDS(FILL_FIELD)
    object.SetParam(kParamKey1, kParamValue1);
    object.SetParam(kParamKey2, kParamValue2);
    fillTraits(*object.GetTraits());
    fillExtData(*object.GetExtData());
    IScopePointBlock& scopePoints = *object.GetScopePoints();
    scopePoints.AddScopePoint(kPointTag, kScopePointKey, kScopeKey, kPointX, kPointY, kPointZ, kPointType,
                              kScopeKind, kScopeValue1, kScopeValue2);
    scopePoints.FindPoint(kScopePointKey)->SetPointFlag(kPointFlag);
    IGeoPointsBlock& points = *object.GetPoints();
    points.SetPoint(kPlainPointKey, kPlainType, kPlainFlag, kPlainX, kPlainY, kPlainZ);
    points.FindPoint(kPlainPointKey)->SetPointTag(kPlainTag);
    object.AddItem(kItemKind, kItemId, &contractValueMap(), kItemText, kItemStyle);
    IGeoItem& item = *object.GetItems()->FindItem(kItemId);
    item.SetLength(kItemLength);
    fillTraits(*item.GetTraits());
}

void checkBlockCollection(TGeoBlockCollection& object, Report& report, const std::string& where)
{
    std::vector<std::uint32_t> keys;
    for (const auto& [key, block] : object.Entries()) {
        keys.push_back(key);
        const std::string inBlock = where + "block " + std::to_string(key) + " ";
        report.expect(inBlock + "Param[1]", block->GetParam(kParamKey1), kParamValue1);
        checkScopePoints(*block->GetScopePoints(), report, inBlock + "scope points ");
    }
    report.expect(where + "block count", keys.size(), std::size_t{2});
    report.expect(where + "first key", keys.empty() ? 0u : keys.front(), kLinkedBlockKey);
    report.expect(where + "GetMaxKey", object.GetMaxKey(), kPlainBlockKey);
    report.expect(where + "GetLinkA", object.GetLinkA(kLinkedBlockKey), kLinkA);
    report.expect(where + "GetLinkB", object.GetLinkB(kLinkedBlockKey), kLinkB);
    report.expect(where + "unlinked GetLinkA", object.GetLinkA(kPlainBlockKey), 0u);
    report.expect(where + "GetFlag", object.GetFlag(), kCollectionFlag);
    report.expect(where + "GetCurrentKey", object.GetCurrentKey(), kPlainBlockKey);
}

template <class Interface, class Check>
int deliverCheck(void* object, char* buffer, std::size_t size, Check check)
{
    Report report;
    if (object != nullptr)
        check(*static_cast<Interface*>(object), report, std::string());
    else
        report.fail("no object given");
    return report.deliver(buffer, size);
}

}  // namespace

CONTRACT_PROBE_API void* probe_new_block(void)
{
    return static_cast<IGeoBlock*>(new TGeoBlock);
}

CONTRACT_PROBE_API void* probe_new_filled_block(void)
{
    auto* block = new TGeoBlock;
    fillBlock(*block);
    return static_cast<IGeoBlock*>(block);
}

CONTRACT_PROBE_API void* probe_new_point(void)
{
    return static_cast<IGeoPoint*>(new TGeoPoint);
}

CONTRACT_PROBE_API void* probe_new_scope_point(void)
{
    return static_cast<IGeoPoint*>(new TScopePoint);
}

CONTRACT_PROBE_API void* probe_new_points_block(void)
{
    return static_cast<IGeoPointsBlock*>(new TGeoPointsBlock);
}

CONTRACT_PROBE_API void* probe_new_item(void)
{
    return static_cast<IGeoItem*>(new TGeoItem);
}

CONTRACT_PROBE_API void* probe_new_item_collection(void)
{
    return static_cast<IGeoItemCollection*>(new TGeoItemCollection);
}

CONTRACT_PROBE_API void* probe_new_ext_data(void)
{
    return static_cast<IExtData*>(new EXTEND_DEFINITION::TExtData);
}

CONTRACT_PROBE_API void* probe_new_block_collection(int filled)
{
    auto* collection = new TGeoBlockCollection;
    if (filled != 0) {
        TGeoBlock block;
        fillBlock(block);
        collection->SetBlockLinked(kLinkedBlockKey, &block, kLinkA, kLinkB);
        collection->SetBlock(kPlainBlockKey, &block);
        collection->SetFlag(kCollectionFlag);
        collection->SetCurrentKey(kPlainBlockKey);
    }
    return collection;
}

CONTRACT_PROBE_API void* probe_block_part(void* block, int part)
{
    IGeoBlock& object = *static_cast<IGeoBlock*>(block);
    switch (part) {
    case ProbeScopePoints:
        return object.GetScopePoints();
    case ProbePoints:
        return object.GetPoints();
    case ProbeTraits:
        return object.GetTraits();
    case ProbeItems:
        return object.GetItems();
    case ProbeExtData:
        return object.GetExtData();
    default:
        return nullptr;
    }
}

CONTRACT_PROBE_API int probe_check_traits(void* traits, char* report, std::size_t size)
{
    return deliverCheck<IGeoItemTraits>(traits, report, size, checkTraits);
}

CONTRACT_PROBE_API int probe_check_scope_point(void* point, char* report, std::size_t size)
{
    return deliverCheck<IGeoPoint>(point, report, size, checkScopePoint);
}

CONTRACT_PROBE_API int probe_check_scope_points(void* scopePoints, char* report, std::size_t size)
{
    return deliverCheck<IScopePointBlock>(scopePoints, report, size, checkScopePoints);
}

CONTRACT_PROBE_API int probe_check_points_block(void* points, char* report, std::size_t size)
{
    return deliverCheck<IGeoPointsBlock>(points, report, size, checkPointsBlock);
}

CONTRACT_PROBE_API int probe_check_item(void* item, char* report, std::size_t size)
{
    return deliverCheck<IGeoItem>(item, report, size, checkItem);
}

CONTRACT_PROBE_API int probe_check_ext_data(void* extData, char* report, std::size_t size)
{
    return deliverCheck<IExtData>(extData, report, size, checkExtData);
}

CONTRACT_PROBE_API int probe_check_block_scalars(void* block, char* report, std::size_t size)
{
    return deliverCheck<IGeoBlock>(block, report, size, checkBlockScalars);
}

CONTRACT_PROBE_API int probe_check_block_collection(void* collection, char* report, std::size_t size)
{
    return deliverCheck<TGeoBlockCollection>(collection, report, size, checkBlockCollection);
}

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "AxisArrayRules.h"

#include <cmath>

#include "HostSupportSession.h"
#include "tarvelo/geometry/ForEachEntry.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/services/CompanionApi.h"

namespace tarvelo::dialogs::axes {

using GEOTYPE_DEFINITION::IGeoBlock;
using GEOTYPE_DEFINITION::IGeoItem;

namespace {

double stepOf(IGeoBlock& block, IGeoItem& item, AxisFamily family)
{
    const auto& values = item.GetValueMap();
    const auto found = values.find(kAxisPointKey);
    const std::uint32_t pointKey = found != values.end() ? found->second : 0;
    auto* points = block.GetPoints();
    const auto* point = points != nullptr ? points->FindPoint(pointKey) : nullptr;
    if (point == nullptr)
        return 0.0;
    return family == AxisFamily::Letters ? point->GetY() : point->GetX();
}

}  // namespace

AxisRows readAxes(IGeoBlock& block)
{
    AxisRows rows;
    GEOTYPE_DEFINITION::forEachItem(block.GetItems(), [&](std::uint32_t, IGeoItem& item) {
        if (item.GetKind() == kLetterAxisKind)
            rows.letters.push_back({item.GetText(), stepOf(block, item, AxisFamily::Letters)});
        else if (item.GetKind() == kNumberAxisKind)
            rows.numbers.push_back({item.GetText(), stepOf(block, item, AxisFamily::Numbers)});
    });
    return rows;
}

void writeAxes(IGeoBlock& block, const AxisRows& rows)
{
    if (rows.letters.empty() && rows.numbers.empty())
        return;
    auto* points = block.GetPoints();
    auto* items = block.GetItems();
    if (points == nullptr || items == nullptr)
        return;
    points->RemoveAll();
    items->RemoveAll();
    GEOTYPE_DEFINITION::ValueMap values;
    std::uint32_t id = 0;
    for (const AxisRow& row : rows.letters) {
        values = {{kAxisPointKey, points->AddPoint(0, 0, 0.0, row.step, 0.0)}};
        block.AddItem(kLetterAxisKind, ++id, &values, row.name, 0);
    }
    for (const AxisRow& row : rows.numbers) {
        values = {{kAxisPointKey, points->AddPoint(0, 0, row.step, 0.0, 0.0)}};
        block.AddItem(kNumberAxisKind, ++id, &values, row.name, 0);
    }
}

InsertionPoint readInsertionPoint(IGeoBlock& block)
{
    InsertionPoint insertion;
    auto* scope = block.GetScopePoints();
    if (scope == nullptr || scope->IsEmpty())
        return insertion;
    const auto* point = scope->FindPoint(kInsertionScopePoint);
    if (point == nullptr || point->GetScopeKey() != kInsertionGiven) {
        insertion.state = InsertionPoint::State::NotGiven;
        return insertion;
    }
    insertion.state = InsertionPoint::State::Given;
    insertion.x = point->GetX();
    insertion.y = point->GetY();
    return insertion;
}

void writeInsertionPoint(IGeoBlock& block, bool given, double x, double y)
{
    auto* scope = block.GetScopePoints();
    if (scope == nullptr)
        return;
    if (given)
        scope->AddScopePoint(1, kInsertionScopePoint, kInsertionGiven, x, y, 0.0, 0, 0, 0, 0);
    else
        scope->AddScopePoint(1, kInsertionScopePoint, kInsertionNotGiven, 0.0, 0.0, 0.0, 0, 0, 0, 0);
}

std::uint32_t placementFromParam(double value)
{
    constexpr double kLimit = 9.2233720368547758e18;  // 2^63
    if (!(std::fabs(value) < kLimit))
        return 0;
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(value));
}

bool placementInRange(AxisFamily family, std::uint32_t placement)
{
    if (family == AxisFamily::Letters)
        return placement >= 1000 && placement <= 7000;
    return placement >= 10 && placement <= 50;
}

std::span<const controls::Choice> placementChoices(AxisFamily family, std::uint32_t arrayType)
{
    const bool polar = arrayType == kPolarArray;
    if (family == AxisFamily::Letters)
        return polar ? std::span<const controls::Choice>(kPolarLetterPlacements)
                     : std::span<const controls::Choice>(kOrthogonalLetterPlacements);
    return polar ? std::span<const controls::Choice>(kPolarNumberPlacements)
                 : std::span<const controls::Choice>(kOrthogonalNumberPlacements);
}

QString newAxisName(AxisFamily family, int rowCount)
{
    const QString number = QString::number(rowCount + 1);
    return family == AxisFamily::Letters ? QStringLiteral("А") + number : number;
}

void loadDefaultAxes(const HostSupportSession& hostSupport, IGeoBlock& block, std::uint32_t arrayType)
{
    if (block.GetSymbolType() != arrayType)
        block.SetSymbolType(arrayType);
    auto* items = block.GetItems();
    auto* points = block.GetPoints();
    if (items != nullptr)
        items->RemoveAll();
    if (points != nullptr)
        points->RemoveAll();
    if (const auto getDefaultAxis = hostSupport.find<services::exports::GetDefaultAxis>()) {
        if (const BorrowedBlock defaults = hostSupport.borrow(getDefaultAxis(arrayType))) {
            if (points != nullptr)
                points->CopyFrom(defaults->GetPoints());
            block.SetItems(defaults->GetItems());
        }
    }
    writeInsertionPoint(block, false);
}

void saveDefaultAxes(const HostSupportSession& hostSupport, IGeoBlock& block)
{
    callHostSupport<services::exports::SaveDefaultAxis>(hostSupport, &block);
}

}  // namespace tarvelo::dialogs::axes

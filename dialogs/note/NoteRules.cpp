// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "NoteRules.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "tarvelo/geometry/ForEachEntry.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/geometry/IGeoItem.h"
#include "tarvelo/geometry/IGeoItemCollection.h"
#include "tarvelo/geometry/IScopePointBlock.h"

namespace tarvelo::dialogs {

namespace {

constexpr std::uint32_t kScopeKey = 2;

}  // namespace

std::vector<NotePoint> noteScopeLayout(std::uint32_t symbolType, bool multiPoint)
{
    const std::vector<NotePoint> withBend{{0, 0}, {0, 10}, {10, 10}};
    const std::vector<NotePoint> withDoubledBend{{0, 0}, {0, 10}, {0, 10}, {10, 10}};
    switch (symbolType) {
    case kPositionLeader:
        return multiPoint ? withDoubledBend : withBend;
    case kCombLeader:
    case 407:
        return withDoubledBend;
    case kMultilayerLeader:
    case 404:
    case 405:
        return {{0, 0}, {0, 10}, {0, 10}};
    case 406:
        return {{0, 0}, {0, 0}};
    default:
        return {};
    }
}

void rebuildNoteScopePoints(GEOTYPE_DEFINITION::IScopePointBlock& scopePoints, std::uint32_t symbolType,
                            bool multiPoint)
{
    scopePoints.RemoveAll();
    std::uint32_t key = 0;
    for (const NotePoint& point : noteScopeLayout(symbolType, multiPoint)) {
        ++key;
        scopePoints.AddScopePoint(key, key, kScopeKey, point.x, point.y, 0.0, 0, 0, 0, 0);
    }
}

std::optional<NoteControlsLayout> noteControlsLayout(std::uint32_t symbolType, bool existing)
{
    NoteControlsLayout layout;
    switch (symbolType) {
    case kPositionLeader:
        break;
    case kCombLeader:
        layout.multiPointEnabled = false;
        layout.multiPointTicked = true;
        layout.multiPoint = true;
        break;
    case kMultilayerLeader:
        layout.textsShown = false;
        layout.angleGroupShown = false;
        layout.angleToFirst = true;
        layout.angleEnabled = false;
        layout.multiPointEnabled = false;
        layout.recordsShown = true;
        break;
    case 404:
        layout.endingToFirst = true;
        layout.endingEnabled = false;
        layout.multiPointEnabled = false;
        break;
    case 405:
    case 406:
    case 407:
        layout.endingToFirst = true;
        layout.endingEnabled = false;
        layout.angleToFirst = true;
        layout.angleEnabled = false;
        layout.multiPointEnabled = false;
        layout.multiPointTicked = symbolType == 407;
        layout.multiPoint = symbolType == 407;
        break;
    default:
        return std::nullopt;
    }
    if (existing && (symbolType == kPositionLeader || symbolType == kCombLeader)) {
        layout.angleEnabled = false;
        layout.multiPointEnabled = false;
        layout.multiPointTicked = false;
    }
    return layout;
}

std::vector<std::string> readNoteRecords(GEOTYPE_DEFINITION::IGeoBlock& block)
{
    std::vector<std::pair<std::uint32_t, std::string>> keyed;
    GEOTYPE_DEFINITION::forEachItem(block.GetItems(), [&keyed](std::uint32_t key, auto& item) {
        keyed.emplace_back(key, item.GetText());
    });
    // The collection's walk order is not part of its contract; the list's order is the keys'.
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> records;
    records.reserve(keyed.size());
    for (auto& [key, text] : keyed)
        records.push_back(std::move(text));
    return records;
}

void writeNoteRecords(GEOTYPE_DEFINITION::IGeoBlock& block, const std::vector<std::string>& records)
{
    if (records.empty())
        return;
    const GEOTYPE_DEFINITION::ValueMap values{{0, 0}};
    if (auto* items = block.GetItems(); items != nullptr && !items->IsEmpty())
        items->RemoveAll();
    std::uint32_t key = 0;
    for (const std::string& text : records)
        block.AddItem(GEOTYPE_DEFINITION::kTextItemKind, ++key, &values, text, 0);
}

std::uint32_t storedAngleStep(double angle)
{
    const double whole = std::trunc(angle);
    if (!(whole >= -4294967295.0 && whole <= 4294967295.0))
        return 0;
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(whole));
}

}  // namespace tarvelo::dialogs

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "NoteRules.h"
#include "tarvelo/geometry/TGeoBlock.h"

using namespace tarvelo::dialogs;
using GEOTYPE_DEFINITION::TGeoBlock;

// Records come out of the items in key order and go back under keys 1, 2, 3 as text items.
TEST(NoteRules, recordsTravelBetweenItemsAndList)
{
    TGeoBlock block;
    for (std::uint32_t key : {4u, 1u, 5u, 3u, 2u})
        block.AddItem(GEOTYPE_DEFINITION::kTextItemKind, key, nullptr, "layer " + std::to_string(key), 3);
    EXPECT_EQ(readNoteRecords(block),
              (std::vector<std::string>{"layer 1", "layer 2", "layer 3", "layer 4", "layer 5"}));

    writeNoteRecords(block, {"first", "second"});
    EXPECT_EQ(readNoteRecords(block), (std::vector<std::string>{"first", "second"}));
    auto* second = block.GetItems()->FindItem(2);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->GetKind(), GEOTYPE_DEFINITION::kTextItemKind);
    EXPECT_EQ(second->GetStyle(), 0);
    EXPECT_EQ(second->GetValueMap(), (GEOTYPE_DEFINITION::ValueMap{{0, 0}}));

    // No records at all: the items stay as they are.
    writeNoteRecords(block, {});
    EXPECT_EQ(block.GetItemCount(), 2u);
}

// The remembered angle step is the block's angle cut toward zero; what is no number is remembered as 0.
TEST(NoteRules, angleStepIsStoredTruncated)
{
    EXPECT_EQ(storedAngleStep(45.9), 45u);
    EXPECT_EQ(storedAngleStep(0.99), 0u);
    EXPECT_EQ(storedAngleStep(-0.5), 0u);
    EXPECT_EQ(storedAngleStep(-15.7), static_cast<std::uint32_t>(-15));
    EXPECT_EQ(storedAngleStep(std::numeric_limits<double>::quiet_NaN()), 0u);
    EXPECT_EQ(storedAngleStep(1e12), 0u);
}

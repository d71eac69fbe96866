// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <vector>

#include "tarvelo/geometry/TGeoBlock.h"
#include "tarvelo/geometry/TGeoItemCollection.h"

using namespace GEOTYPE_DEFINITION;

// An item made from values measures its text once; SetText does not remeasure.
TEST(Item, lengthComesFromTheTextItWasMadeWith)
{
    TGeoItem item(kTextItemKind, 2, nullptr, "abc", 0);
    EXPECT_EQ(item.GetLength(), 3u);
    EXPECT_TRUE(item.GetValueMap().empty());
    item.SetText("longer text");
    EXPECT_EQ(item.GetLength(), 3u);
    EXPECT_EQ(item.GetText(), "longer text");
}

// CopyFrom takes kind, id, text, length, values and style, and the traits by their own CopyFrom.
TEST(Item, copyFromTakesFieldsValuesAndTraits)
{
    const ValueMap values{{1, 10}, {2, 20}};
    TGeoItem source(4, 9, &values, "A", 3);
    source.SetLength(42);
    source.GetTraits()->SetLayerName("axes");
    source.GetTraits()->SetFactor(5.0);

    TGeoItem target(7, 1, nullptr, "old", 0);
    target.GetValueMap()[99] = 1;
    ASSERT_TRUE(target.CopyFrom(&source));
    EXPECT_EQ(target.GetKind(), 4u);
    EXPECT_EQ(target.GetId(), 9u);
    EXPECT_EQ(target.GetText(), "A");
    EXPECT_EQ(target.GetLength(), 42u);
    EXPECT_EQ(target.GetStyle(), 3);
    EXPECT_EQ(target.GetValueMap(), values);
    EXPECT_EQ(target.GetTraits()->GetLayerName(), "axes");
    EXPECT_EQ(target.GetTraits()->GetFactor(), 1.0);

    EXPECT_FALSE(target.CopyFrom(nullptr));
    EXPECT_EQ(target.GetText(), "A");
}

// An empty collection yields key 0 and no item; a filled one iterates each key once.
TEST(ItemCollection, iterationAndEmptyCollection)
{
    TGeoItemCollection items;
    POSITION position = items.GetStartPosition();
    std::uint32_t key = 5;
    TGeoItem sentinel;
    IGeoItem* item = &sentinel;
    items.GetNextItem(position, key, item);
    EXPECT_EQ(key, 0u);
    EXPECT_EQ(item, nullptr);
    EXPECT_TRUE(items.IsEmpty());

    TGeoItem text(kTextItemKind, 0, nullptr, "x", 0);
    items.SetItemCopy(2, &text);
    items.SetItemCopy(1, &text);
    std::vector<std::uint32_t> keys;
    for (position = items.GetStartPosition(); position != items.GetEndPosition();) {
        items.GetNextItem(position, key, item);
        EXPECT_EQ(item, items.FindItem(key));
        keys.push_back(key);
    }
    EXPECT_EQ(keys, (std::vector<std::uint32_t>{1, 2}));
    EXPECT_EQ(items.FindItem(3), nullptr);
}

// Filing under a used key leaves exactly one item there: a copy of the new source.
TEST(ItemCollection, setItemCopyReplacesUnderUsedKey)
{
    TGeoItemCollection items;
    TGeoItem first(kTextItemKind, 1, nullptr, "first", 0);
    TGeoItem second(kTextItemKind, 1, nullptr, "second", 0);
    items.SetItemCopy(1, &first);
    items.SetItemCopy(1, &second);
    EXPECT_EQ(items.GetCount(), 1u);
    EXPECT_EQ(items.FindItem(1)->GetText(), "second");
    EXPECT_NE(items.FindItem(1), &second);

    // Filing a copy of the very item being replaced must not read freed memory.
    items.SetItemCopy(1, items.FindItem(1));
    EXPECT_EQ(items.FindItem(1)->GetText(), "second");

    items.SetItemCopy(2, nullptr);
    EXPECT_EQ(items.GetCount(), 1u);
    items.RemoveAll();
    EXPECT_TRUE(items.IsEmpty());
}

// A caller's collection with an end marker of its own that, past one item, hands out nothing and
// stays where it is: a copy takes the one item and ends instead of looping forever.
class StallingItems final : public IGeoItemCollection {
public:
    void RemoveAll() override {}
    POSITION GetStartPosition() override { return &m_item; }
    POSITION GetEndPosition() override { return &m_given; }
    IGeoItem* FindItem(std::uint32_t) override { return nullptr; }
    void GetNextItem(POSITION&, std::uint32_t& key, IGeoItem*& item) override
    {
        key = 7;
        item = m_given ? nullptr : &m_item;
        m_given = true;
    }
    bool IsEmpty() const override { return false; }
    void SetItemCopy(std::uint32_t, IGeoItem*) override {}

    TGeoItem m_item{kTextItemKind, 1, nullptr, "A", 0};
    bool m_given = false;
};

TEST(ItemCollection, copyEndsWhereACallersCollectionStopsYielding)
{
    StallingItems stalling;
    TGeoBlock block;
    ASSERT_TRUE(block.SetItems(&stalling));
    ASSERT_EQ(static_cast<TGeoItemCollection*>(block.GetItems())->GetCount(), 1u);
    EXPECT_EQ(block.GetItems()->FindItem(7)->GetText(), "A");
}

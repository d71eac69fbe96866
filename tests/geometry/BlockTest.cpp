// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <vector>

#include "tarvelo/geometry/TGeoBlock.h"

using namespace GEOTYPE_DEFINITION;

namespace {

constexpr std::uint32_t kLargestKey = std::numeric_limits<std::uint32_t>::max();

// A block as a dialog leaves it: every part and every scalar set.
std::unique_ptr<TGeoBlock> filledBlock()
{
    auto block = std::make_unique<TGeoBlock>();
    block->SetParam(1, 12.0);
    block->SetParam(2, 5.0);
    block->SetTag(3);
    block->SetCode(4);
    block->SetAngleMode(0);
    block->SetNumber(5);
    block->SetStateByte(6);
    block->SetEditMode(1);
    block->SetAngle(45.0);
    block->SetScale(50.0);
    block->SetSymbolType(101);
    block->SetSymbolVariant(2);
    block->GetExtData()->SetSubText("sub");
    block->GetTraits()->SetLayerName("sections");
    block->GetTraits()->SetFactor(3.0);
    block->AddItem(kTextItemKind, 1, nullptr, "A", 0);
    block->AddItem(4, 2, nullptr, "axis", 0);
    block->GetScopePoints()->AddScopePoint(0, 1, 2, -10.0, 1.0, 0.0, 0, 0, 0, 0);
    block->GetScopePoints()->AddScopePoint(0, 2, 2, 10.0, 2.0, 0.0, 0, 0, 0, 0);
    block->GetPoints()->AddPoint(0, 0, 500.0, 0.0, 0.0);
    return block;
}

std::vector<double> scopeXs(IGeoBlock& block)
{
    std::vector<double> xs;
    IScopePointBlock* scope = block.GetScopePoints();
    for (POSITION position = scope->GetStartPosition(); position != nullptr;) {
        std::uint32_t key = 0;
        IGeoPoint* point = nullptr;
        scope->GetNextPoint(position, key, point);
        xs.push_back(point->GetX());
    }
    return xs;
}

// The obvious walk over keys 1..largest, for comparison on small key ranges.
double referenceMaxAbsX(IGeoBlock& block)
{
    double largest = 0.0;
    IScopePointBlock* scope = block.GetScopePoints();
    for (std::uint32_t key = scope->GetMinKey() + 1; key <= scope->GetMaxKey() && key != 0; ++key) {
        if (IGeoPoint* point = scope->FindPoint(key))
            largest = std::max(largest, std::fabs(point->GetX()));
    }
    return largest;
}

}  // namespace

// A new block is empty, unscaled, unrotated and names itself as an object of the product.
TEST(Block, newBlockState)
{
    TGeoBlock block;
    EXPECT_TRUE(block.IsEmpty());
    EXPECT_EQ(block.GetScale(), 1.0);
    EXPECT_EQ(block.GetAngleMode(), 1u);
    EXPECT_EQ(block.GetItemCount(), 0u);
    EXPECT_EQ(block.GetCode(), 0u);
    EXPECT_EQ(block.GetEditMode(), 0);
    EXPECT_EQ(block.GetExtData()->GetMainText(), "\xCE\xE1\xFA\xE5\xEA\xF2 \xD2\xE0\xF0\xE2\xE5\xEB\xEE");
    EXPECT_EQ(block.GetTraits()->GetTextStyle(), "GOST A");
    EXPECT_EQ(block.GetParam(1), 0.0);
    EXPECT_TRUE(block.GetParamMap().empty());  // looking up never adds an entry
}

// Zero, negative and NaN scales read as 1.0 while the stored value stays for the caller to see copied.
TEST(Block, scaleFallsBackToOneWhenNotPositive)
{
    TGeoBlock block;
    for (const double bad : {0.0, -2.0, std::nan("")}) {
        block.SetScale(bad);
        EXPECT_EQ(block.GetScale(), 1.0);
    }
    block.SetScale(0.5);
    EXPECT_EQ(block.GetScale(), 0.5);

    TGeoBlock source;
    source.SetScale(-4.0);
    source.AddItem(kTextItemKind, 1, nullptr, "x", 0);
    block.CopyFrom(&source);
    EXPECT_EQ(block.GetScale(), 1.0);
}

// SetStateByte answers what it stored; the symbol type and variant live in the extended data.
TEST(Block, scalarsAndSymbolTypeRoundTrip)
{
    TGeoBlock block;
    EXPECT_EQ(block.SetStateByte(9), 9);
    block.SetSymbolType(402);
    block.SetSymbolVariant(3);
    EXPECT_EQ(block.GetExtData()->GetSymbolType(), 402u);
    EXPECT_EQ(block.GetExtData()->GetSymbolVariant(), 3u);
    EXPECT_EQ(block.GetSymbolType(), 402u);
}

// A full copy takes scalars, parts and parameters but never tag, code or angle mode.
TEST(Block, copyFromTakesEverythingButTagCodeAndAngleMode)
{
    auto source = filledBlock();
    TGeoBlock copy;
    copy.SetParam(77, 1.0);
    copy.CopyFrom(source.get());

    EXPECT_EQ(copy.GetParamMap(), source->GetParamMap());
    EXPECT_EQ(copy.GetAngle(), 45.0);
    EXPECT_EQ(copy.GetScale(), 50.0);
    EXPECT_EQ(copy.GetNumber(), 5u);
    EXPECT_EQ(copy.GetStateByte(), 6);
    EXPECT_EQ(copy.GetEditMode(), 1);
    EXPECT_EQ(copy.GetSymbolType(), 101u);
    EXPECT_EQ(copy.GetSymbolVariant(), 2u);
    EXPECT_EQ(copy.GetExtData()->GetSubText(), "sub");
    EXPECT_EQ(copy.GetTraits()->GetLayerName(), "sections");
    EXPECT_EQ(copy.GetTraits()->GetFactor(), 1.0);  // traits go by CopyFrom, not assignment
    EXPECT_EQ(copy.GetItemCount(), 2u);
    EXPECT_EQ(copy.GetScopePoints()->GetCount(), 2u);
    EXPECT_EQ(copy.GetPoints()->GetCount(), 1u);
    EXPECT_NE(copy.GetItems()->FindItem(1), source->GetItems()->FindItem(1));

    EXPECT_EQ(copy.GetTag(), 0);
    EXPECT_EQ(copy.GetCode(), 0u);
    EXPECT_EQ(copy.GetAngleMode(), 1u);
}

// A source with parameters but no geometry gives scalars, traits and extended data, but no parameters.
TEST(Block, copyFromEmptySourceKeepsOwnParameters)
{
    TGeoBlock source;
    source.SetParam(1, 99.0);
    source.SetAngle(30.0);
    source.GetTraits()->SetLayerName("dims");
    source.SetSymbolType(201);

    auto target = filledBlock();
    target->CopyFrom(&source);
    EXPECT_EQ(target->GetParam(1), 12.0);
    EXPECT_EQ(target->GetParam(2), 5.0);
    EXPECT_EQ(target->GetAngle(), 30.0);
    EXPECT_EQ(target->GetTraits()->GetLayerName(), "dims");
    EXPECT_EQ(target->GetSymbolType(), 201u);
    EXPECT_TRUE(target->IsEmpty());  // the copy still starts with Clear

    target->CopyFrom(nullptr);
    EXPECT_EQ(target->GetAngle(), 30.0);
    target->CopyFrom(target.get());
    EXPECT_EQ(target->GetTraits()->GetLayerName(), "dims");
}

// Clear empties the geometry and resets traits and extended data, keeping parameters and scalars.
TEST(Block, clearKeepsParametersAndScalars)
{
    auto block = filledBlock();
    EXPECT_TRUE(block->Clear());
    EXPECT_TRUE(block->IsEmpty());
    EXPECT_EQ(block->GetItemCount(), 0u);
    EXPECT_EQ(block->GetParam(1), 12.0);
    EXPECT_EQ(block->GetAngle(), 45.0);
    EXPECT_EQ(block->GetScale(), 50.0);
    EXPECT_EQ(block->GetSymbolType(), 0u);
    EXPECT_EQ(block->GetExtData()->GetMainText(), "");
    EXPECT_EQ(block->GetExtData()->GetSubText(), "sub");
    EXPECT_EQ(block->GetTraits()->GetLayerName(), "sections");  // SetDefaults keeps names
    EXPECT_EQ(block->GetTraits()->GetFactor(), 1.0);
}

// IsEmpty looks at items, scope points and points only.
TEST(Block, isEmptyIgnoresParametersAndTraits)
{
    TGeoBlock block;
    block.SetParam(1, 1.0);
    block.GetTraits()->SetLayerName("x");
    EXPECT_TRUE(block.IsEmpty());
    block.GetPoints()->AddPoint(0, 0, 0, 0, 0);
    EXPECT_FALSE(block.IsEmpty());
}

// Items are filed under their id; a copy of an item with id 0 goes under count + 1.
TEST(Block, addItemAndAddItemCopyKeys)
{
    TGeoBlock block;
    const ValueMap values{{1, 2}};
    EXPECT_TRUE(block.AddItem(kTextItemKind, 1, &values, "one", 0));
    block.AddItem(kTextItemKind, 2, nullptr, "two", 0);
    block.AddItem(kTextItemKind, 3, nullptr, "three", 0);
    EXPECT_EQ(block.GetItems()->FindItem(1)->GetValueMap(), values);

    TGeoItem unnumbered(kTextItemKind, 0, nullptr, "four", 0);
    EXPECT_TRUE(block.AddItemCopy(&unnumbered));
    ASSERT_NE(block.GetItems()->FindItem(4), nullptr);
    EXPECT_EQ(block.GetItems()->FindItem(4)->GetText(), "four");

    TGeoItem numbered(kTextItemKind, 2, nullptr, "two again", 0);
    block.AddItemCopy(&numbered);
    EXPECT_EQ(block.GetItemCount(), 4u);
    EXPECT_EQ(block.GetItems()->FindItem(2)->GetText(), "two again");
    EXPECT_FALSE(block.AddItemCopy(nullptr));
}

// GetItem copies into the target, and an absent key leaves the target alone.
TEST(Block, getItemCopiesIntoTarget)
{
    auto block = filledBlock();
    TGeoItem target(9, 9, nullptr, "untouched", 9);
    EXPECT_TRUE(block->GetItem(7, &target));
    EXPECT_EQ(target.GetText(), "untouched");
    EXPECT_TRUE(block->GetItem(1, &target));
    EXPECT_EQ(target.GetText(), "A");
    EXPECT_EQ(target.GetKind(), kTextItemKind);
    EXPECT_TRUE(block->GetItem(1, nullptr));
}

// SetItemsText rewrites text items only, and does nothing on a block without geometry.
TEST(Block, setItemsTextTouchesTextItemsOfNonEmptyBlocks)
{
    auto block = filledBlock();
    block->SetItemsText("B");
    EXPECT_EQ(block->GetItems()->FindItem(1)->GetText(), "B");
    EXPECT_EQ(block->GetItems()->FindItem(2)->GetText(), "axis");

    TGeoBlock parametersOnly;
    parametersOnly.SetParam(1, 1.0);
    EXPECT_FALSE(parametersOnly.SetItemsText("B"));
    EXPECT_TRUE(parametersOnly.IsEmpty());
}

// The worked example: X of 2, -5, 3 extended to 10 gives -3, -10, -2.
TEST(Block, extendScopeXMovesOutermostToTarget)
{
    TGeoBlock block;
    EXPECT_FALSE(block.ExtendScopeX(10.0));
    EXPECT_EQ(block.GetScopeMaxAbsX(), 0.0);

    IScopePointBlock* scope = block.GetScopePoints();
    scope->AddScopePoint(0, 1, 2, 2.0, 4.0, 0, 0, 0, 0, 0);
    scope->AddScopePoint(0, 2, 2, -5.0, 1.0, 0, 0, 0, 0, 0);
    scope->AddScopePoint(0, 3, 2, 3.0, -2.0, 0, 0, 0, 0, 0);
    EXPECT_EQ(block.GetScopeMaxAbsX(), 5.0);
    EXPECT_EQ(block.GetScopeMaxAbsY(), 4.0);
    EXPECT_TRUE(block.ExtendScopeX(10.0));
    EXPECT_EQ(scopeXs(block), (std::vector<double>{-3.0, -10.0, -2.0}));

    // On Y the outermost point is positive, so everything moves up by 6 - 4.
    EXPECT_TRUE(block.ExtendScopeY(6.0));
    EXPECT_EQ(scope->FindPoint(1)->GetY(), 6.0);
    EXPECT_EQ(scope->FindPoint(3)->GetY(), 0.0);
}

// On equal magnitudes the earlier key decides the side.
TEST(Block, extendScopeTieKeepsFirstKeysSide)
{
    TGeoBlock block;
    block.GetScopePoints()->AddScopePoint(0, 1, 2, -4.0, 0, 0, 0, 0, 0, 0);
    block.GetScopePoints()->AddScopePoint(0, 2, 2, 4.0, 0, 0, 0, 0, 0, 0);
    block.ExtendScopeX(5.0);
    EXPECT_EQ(scopeXs(block), (std::vector<double>{-5.0, 3.0}));
}

// Key 0 is outside the walk over keys 1..largest, but it still moves with the others.
TEST(Block, scopeWalkSkipsKeyZeroButMovesIt)
{
    TGeoBlock block;
    block.GetScopePoints()->AddScopePoint(0, 0, 2, 100.0, 0, 0, 0, 0, 0, 0);
    block.GetScopePoints()->AddScopePoint(0, 1, 2, 1.0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(block.GetScopeMaxAbsX(), referenceMaxAbsX(block));
    EXPECT_EQ(block.GetScopeMaxAbsX(), 1.0);
    block.ExtendScopeX(3.0);
    EXPECT_EQ(scopeXs(block), (std::vector<double>{102.0, 3.0}));
}

// The largest possible key is walked like any other: the walk visits the points filed, not the key
// range, so it ends at once instead of after four billion steps.
TEST(Block, scopeWalkWithLargestKeyIsProportionalToPoints)
{
    TGeoBlock block;
    IScopePointBlock* scope = block.GetScopePoints();
    scope->AddScopePoint(0, 1, 2, 3.0, 0, 0, 0, 0, 0, 0);
    scope->AddScopePoint(0, 1000, 2, -7.0, 0, 0, 0, 0, 0, 0);
    scope->AddScopePoint(0, kLargestKey, 2, 6.0, -9.0, 0, 0, 0, 0, 0);

    EXPECT_EQ(block.GetScopeMaxAbsX(), 7.0);
    EXPECT_EQ(block.GetScopeMaxAbsY(), 9.0);
    EXPECT_TRUE(block.ExtendScopeX(10.0));
    EXPECT_TRUE(block.ExtendScopeY(10.0));
    EXPECT_EQ(scopeXs(block), (std::vector<double>{0.0, -10.0, 3.0}));
    EXPECT_EQ(scope->FindPoint(kLargestKey)->GetY(), -10.0);
}

// SetScopePoints and SetPoints ignore empty sources; SetItems always empties first.
TEST(Block, partSettersAndEmptySources)
{
    auto block = filledBlock();
    TScopePointBlock noScope;
    TGeoPointsBlock noPoints;
    TGeoItemCollection noItems;
    EXPECT_FALSE(block->SetScopePoints(&noScope));
    EXPECT_FALSE(block->SetPoints(&noPoints));
    EXPECT_EQ(block->GetScopePoints()->GetCount(), 2u);
    EXPECT_EQ(block->GetPoints()->GetCount(), 1u);
    EXPECT_TRUE(block->SetItems(&noItems));
    EXPECT_EQ(block->GetItemCount(), 0u);

    TScopePointBlock oneScope;
    oneScope.AddScopePoint(0, 5, 2, 1, 1, 1, 0, 0, 0, 0);
    EXPECT_TRUE(block->SetScopePoints(&oneScope));
    EXPECT_EQ(block->GetScopePoints()->GetCount(), 1u);
    EXPECT_NE(block->GetScopePoints()->FindPoint(5), nullptr);

    // Handing a block its own parts back must not wipe them.
    auto other = filledBlock();
    EXPECT_TRUE(other->SetItems(other->GetItems()));
    EXPECT_TRUE(other->SetScopePoints(other->GetScopePoints()));
    EXPECT_TRUE(other->SetPoints(other->GetPoints()));
    EXPECT_TRUE(other->SetExtData(other->GetExtData()));
    EXPECT_EQ(other->GetItemCount(), 2u);
    EXPECT_EQ(other->GetScopePoints()->GetCount(), 2u);
    EXPECT_EQ(other->GetSymbolType(), 101u);
}

namespace {

// Traits of a caller's own making: every operation forwards to a module record.
class ForeignTraits final : public IGeoItemTraits {
public:
    ForeignTraits() { m_inner.SetLayerName("foreign"); }
#define FORWARD(Ret, Name, Params, Args) \
    Ret Name Params override { return m_inner.Name Args; }
#define FORWARD_CONST(Ret, Name, Params, Args) \
    Ret Name Params const override { return m_inner.Name Args; }
    FORWARD(void, CopyFrom, (IGeoItemTraits * s), (s))
    FORWARD(void, SetDefaults, (), ())
    FORWARD_CONST(double, GetFactor, (), ())
    FORWARD(void, SetFactor, (double v), (v))
    FORWARD_CONST(double, GetRealValue, (), ())
    FORWARD(void, SetRealValue, (double v), (v))
    FORWARD_CONST(std::uint32_t, GetCodeA, (), ())
    FORWARD(void, SetCodeA, (std::uint32_t v), (v))
    FORWARD_CONST(std::string, GetColorName, (), ())
    FORWARD(void, SetColorName, (const std::string& v), (v))
    FORWARD(void, SetTriple, (std::uint32_t a, std::uint32_t b, std::uint32_t c), (a, b, c))
    FORWARD_CONST(void, GetTriple, (std::uint32_t & a, std::uint32_t& b, std::uint32_t& c), (a, b, c))
    FORWARD_CONST(std::string, GetMainLineType, (), ())
    FORWARD(void, SetMainLineType, (const std::string& v), (v))
    FORWARD_CONST(std::uint32_t, GetMainLineCode, (), ())
    FORWARD(void, SetMainLineCode, (std::uint32_t v), (v))
    FORWARD_CONST(std::uint32_t, GetMainLineCode2, (), ())
    FORWARD(void, SetMainLineCode2, (std::uint32_t v), (v))
    FORWARD_CONST(std::string, GetMainLineWeight, (), ())
    FORWARD(void, SetMainLineWeight, (const std::string& v), (v))
    FORWARD_CONST(double, GetMainLineValue, (), ())
    FORWARD(void, SetMainLineValue, (double v), (v))
    FORWARD_CONST(std::string, GetThickLineType, (), ())
    FORWARD(void, SetThickLineType, (const std::string& v), (v))
    FORWARD_CONST(std::uint32_t, GetThickLineCode, (), ())
    FORWARD(void, SetThickLineCode, (std::uint32_t v), (v))
    FORWARD_CONST(std::uint32_t, GetThickLineCode2, (), ())
    FORWARD(void, SetThickLineCode2, (std::uint32_t v), (v))
    FORWARD_CONST(std::string, GetThickLineWeight, (), ())
    FORWARD(void, SetThickLineWeight, (const std::string& v), (v))
    FORWARD_CONST(double, GetThickLineValue, (), ())
    FORWARD(void, SetThickLineValue, (double v), (v))
    FORWARD_CONST(std::string, GetTextStyle, (), ())
    FORWARD(void, SetTextStyle, (const std::string& v), (v))
    FORWARD(void, SetTextValue1, (double v), (v))
    FORWARD_CONST(double, GetTextValue1, (), ())
    FORWARD(void, SetTextValue2, (double v), (v))
    FORWARD_CONST(double, GetTextValue2, (), ())
    FORWARD(void, SetTextValue3, (double v), (v))
    FORWARD_CONST(double, GetTextValue3, (), ())
    FORWARD(void, SetTextValue4, (double v), (v))
    FORWARD_CONST(double, GetTextValue4, (), ())
    FORWARD(void, SetTextCode1, (std::uint32_t v), (v))
    FORWARD_CONST(std::uint32_t, GetTextCode1, (), ())
    FORWARD(void, SetTextCode2, (std::uint32_t v), (v))
    FORWARD_CONST(std::uint32_t, GetTextCode2, (), ())
    FORWARD_CONST(std::uint32_t, GetCodeB, (), ())
    FORWARD(void, SetCodeB, (std::uint32_t v), (v))
    FORWARD_CONST(std::string, GetLayerName, (), ())
    FORWARD(void, SetLayerName, (const std::string& v), (v))
    FORWARD_CONST(std::uint32_t, GetCodeC, (), ())
    FORWARD(void, SetCodeC, (std::uint32_t v), (v))
    FORWARD(void, SetColorIndex, (std::uint32_t v), (v))
    FORWARD_CONST(std::uint32_t, GetColorIndex, (), ())
    FORWARD(void, SetMainLineTypeIndex, (std::uint32_t v), (v))
    FORWARD_CONST(std::uint32_t, GetMainLineTypeIndex, (), ())
    FORWARD(void, SetThickLineTypeIndex, (std::uint32_t v), (v))
    FORWARD_CONST(std::uint32_t, GetThickLineTypeIndex, (), ())
    FORWARD(void, SetMainLineWeightIndex, (std::uint32_t v), (v))
    FORWARD_CONST(std::uint32_t, GetMainLineWeightIndex, (), ())
    FORWARD(void, SetThickLineWeightIndex, (std::uint32_t v), (v))
    FORWARD_CONST(std::uint32_t, GetThickLineWeightIndex, (), ())
    FORWARD(void, SetTextStyleIndex, (std::uint32_t v), (v))
    FORWARD_CONST(std::uint32_t, GetTextStyleIndex, (), ())
    FORWARD(void, SetLayerIndex, (std::uint32_t v), (v))
    FORWARD_CONST(std::uint32_t, GetLayerIndex, (), ())
    FORWARD(void, SetChanged, (std::uint8_t v), (v))
    FORWARD_CONST(std::uint8_t, IsChanged, (), ())
#undef FORWARD
#undef FORWARD_CONST

private:
    TGeoItemTraits m_inner;
};

}  // namespace

// SetTraits assigns only the module's own record; a caller's record is refused.
TEST(Block, setTraitsAcceptsOnlyModuleRecords)
{
    TGeoBlock block;
    TGeoItemTraits own;
    own.SetFactor(4.0);
    own.SetLayerName("own");
    EXPECT_TRUE(block.SetTraits(&own));
    EXPECT_EQ(block.GetTraits()->GetFactor(), 4.0);
    EXPECT_EQ(block.GetTraits()->GetLayerName(), "own");

    ForeignTraits foreign;
    EXPECT_FALSE(block.SetTraits(&foreign));
    EXPECT_FALSE(block.SetTraits(nullptr));
    EXPECT_EQ(block.GetTraits()->GetLayerName(), "own");

    // CopyFrom goes through the interface, so a caller's record is fine there.
    block.GetTraits()->CopyFrom(&foreign);
    EXPECT_EQ(block.GetTraits()->GetLayerName(), "foreign");
}

// SetExtData clears the record first, so the source's empty sub text wins too.
TEST(Block, setExtDataReplacesRecord)
{
    auto block = filledBlock();
    EXTEND_DEFINITION::TExtData source;
    source.SetSymbolType(501);
    EXPECT_TRUE(block->SetExtData(&source));
    EXPECT_EQ(block->GetSymbolType(), 501u);
    EXPECT_EQ(block->GetExtData()->GetSubText(), "");
    EXPECT_EQ(block->GetExtData()->GetMainText(), "");
}

// After DestroyParts the block hands out no parts and every operation stays harmless.
TEST(Block, destroyedPartsAreNotTouchedAgain)
{
    auto block = filledBlock();
    EXPECT_TRUE(block->DestroyParts());
    EXPECT_EQ(block->GetItems(), nullptr);
    EXPECT_EQ(block->GetTraits(), nullptr);
    EXPECT_TRUE(block->IsEmpty());
    EXPECT_EQ(block->GetItemCount(), 0u);
    EXPECT_EQ(block->GetSymbolType(), 0u);
    EXPECT_TRUE(block->Clear());
    EXPECT_FALSE(block->ExtendScopeX(1.0));
    EXPECT_FALSE(block->AddItem(kTextItemKind, 1, nullptr, "x", 0));
    EXPECT_EQ(block->GetParam(1), 12.0);

    // A scope point block is made again when one is handed in.
    TScopePointBlock scope;
    scope.AddScopePoint(0, 1, 2, 1, 1, 1, 0, 0, 0, 0);
    EXPECT_TRUE(block->SetScopePoints(&scope));
    ASSERT_NE(block->GetScopePoints(), nullptr);
    EXPECT_FALSE(block->IsEmpty());

    auto copy = filledBlock();
    copy->CopyFrom(block.get());
    EXPECT_EQ(copy->GetScopePoints()->GetCount(), 1u);
}

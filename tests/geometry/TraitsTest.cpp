// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <type_traits>

#include "tarvelo/geometry/TGeoItemTraits.h"
#include "tarvelo/geometry/TraitField.h"

using namespace GEOTYPE_DEFINITION;

namespace {

// Gives every field a value that differs from its default.
void changeEverything(TGeoItemTraits& traits)
{
    traits.SetColorName("red");
    traits.SetTriple(7, 8, 9);
    traits.SetCodeA(1);
    traits.SetCodeB(2);
    traits.SetLayerName("walls");
    traits.SetMainLineType("dashed");
    traits.SetMainLineCode(3);
    traits.SetMainLineCode2(4);
    traits.SetMainLineWeight("0.50");
    traits.SetMainLineValue(5.5);
    traits.SetThickLineType("dotted");
    traits.SetThickLineCode(6);
    traits.SetThickLineCode2(7);
    traits.SetThickLineWeight("0.70");
    traits.SetThickLineValue(7.5);
    traits.SetRealValue(8.5);
    traits.SetFactor(9.5);
    traits.SetCodeC(10);
    traits.SetTextStyle("Standard");
    traits.SetTextValue1(2.5);
    traits.SetTextValue2(3.5);
    traits.SetTextValue3(4.5);
    traits.SetTextValue4(5.0);
    traits.SetTextCode1(11);
    traits.SetTextCode2(12);
    traits.SetColorIndex(21);
    traits.SetMainLineTypeIndex(22);
    traits.SetThickLineTypeIndex(23);
    traits.SetMainLineWeightIndex(24);
    traits.SetThickLineWeightIndex(25);
    traits.SetTextStyleIndex(26);
    traits.SetLayerIndex(27);
    traits.SetChanged(1);
}

void expectDefaultsOfSetDefaults(const TGeoItemTraits& traits)
{
    EXPECT_EQ(traits.GetCodeA(), 256u);
    EXPECT_EQ(traits.GetCodeB(), 256u);
    EXPECT_EQ(traits.GetMainLineType(), "default");
    EXPECT_EQ(traits.GetMainLineCode(), 0u);
    EXPECT_EQ(traits.GetMainLineCode2(), 0xFFFFFFFFu);
    EXPECT_EQ(traits.GetMainLineValue(), 0.0);
    EXPECT_EQ(traits.GetThickLineType(), "default");
    EXPECT_EQ(traits.GetThickLineCode(), 0u);
    EXPECT_EQ(traits.GetThickLineCode2(), 0xFFFFFFFFu);
    EXPECT_EQ(traits.GetThickLineValue(), 0.0);
    EXPECT_EQ(traits.GetRealValue(), 0.0);
    EXPECT_EQ(traits.GetFactor(), 1.0);
    EXPECT_EQ(traits.GetCodeC(), 0u);
    EXPECT_EQ(traits.GetTextStyle(), "GOST A");
    EXPECT_EQ(traits.GetTextValue1(), -1.0);
    EXPECT_EQ(traits.GetTextValue2(), 0.0);
    EXPECT_EQ(traits.GetTextValue3(), 0.0);
    EXPECT_EQ(traits.GetTextValue4(), 0.0);
    EXPECT_EQ(traits.GetTextCode1(), 0u);
    EXPECT_EQ(traits.GetTextCode2(), 0u);
}

}  // namespace

// A new record carries the drafting defaults and nothing chosen yet.
TEST(Traits, newRecordHasDefaultsAndEmptyNames)
{
    TGeoItemTraits traits;
    expectDefaultsOfSetDefaults(traits);
    EXPECT_EQ(traits.IsChanged(), 0);
    EXPECT_EQ(traits.GetColorName(), "");
    EXPECT_EQ(traits.GetLayerName(), "");
    EXPECT_EQ(traits.GetMainLineWeight(), "");
    EXPECT_EQ(traits.GetLayerIndex(), 0u);
}

// SetDefaults restores the drawing defaults but keeps what the user picked by name and position.
TEST(Traits, setDefaultsKeepsNamesWeightsIndexesAndChangedFlag)
{
    TGeoItemTraits traits;
    changeEverything(traits);
    traits.SetDefaults();

    expectDefaultsOfSetDefaults(traits);
    EXPECT_EQ(traits.GetColorName(), "red");
    EXPECT_EQ(traits.GetLayerName(), "walls");
    EXPECT_EQ(traits.GetMainLineWeight(), "0.50");
    EXPECT_EQ(traits.GetThickLineWeight(), "0.70");
    std::uint32_t a = 0, b = 0, c = 0;
    traits.GetTriple(a, b, c);
    EXPECT_EQ(a, 7u);
    EXPECT_EQ(b, 8u);
    EXPECT_EQ(c, 9u);
    EXPECT_EQ(traits.GetColorIndex(), 21u);
    EXPECT_EQ(traits.GetLayerIndex(), 27u);
    EXPECT_EQ(traits.IsChanged(), 1);
}

// CopyFrom takes the graphic choices but leaves factor, real value, code C and the changed flag.
TEST(Traits, copyFromLeavesFactorRealValueCodeCAndChanged)
{
    TGeoItemTraits source;
    changeEverything(source);
    TGeoItemTraits target;
    target.CopyFrom(&source);

    EXPECT_EQ(target.GetColorName(), "red");
    EXPECT_EQ(target.GetLayerName(), "walls");
    EXPECT_EQ(target.GetCodeA(), 1u);
    EXPECT_EQ(target.GetCodeB(), 2u);
    EXPECT_EQ(target.GetMainLineType(), "dashed");
    EXPECT_EQ(target.GetMainLineCode(), 3u);
    EXPECT_EQ(target.GetMainLineCode2(), 4u);
    EXPECT_EQ(target.GetMainLineWeight(), "0.50");
    EXPECT_EQ(target.GetMainLineValue(), 5.5);
    EXPECT_EQ(target.GetThickLineType(), "dotted");
    EXPECT_EQ(target.GetThickLineCode2(), 7u);
    EXPECT_EQ(target.GetThickLineWeight(), "0.70");
    EXPECT_EQ(target.GetThickLineValue(), 7.5);
    EXPECT_EQ(target.GetTextStyle(), "Standard");
    EXPECT_EQ(target.GetTextValue4(), 5.0);
    EXPECT_EQ(target.GetTextCode2(), 12u);
    EXPECT_EQ(target.GetColorIndex(), 21u);
    EXPECT_EQ(target.GetMainLineTypeIndex(), 22u);
    EXPECT_EQ(target.GetThickLineTypeIndex(), 23u);
    EXPECT_EQ(target.GetMainLineWeightIndex(), 24u);
    EXPECT_EQ(target.GetThickLineWeightIndex(), 25u);
    EXPECT_EQ(target.GetTextStyleIndex(), 26u);
    EXPECT_EQ(target.GetLayerIndex(), 27u);
    std::uint32_t a = 0, b = 0, c = 0;
    target.GetTriple(a, b, c);
    EXPECT_EQ(c, 9u);

    EXPECT_EQ(target.GetFactor(), 1.0);
    EXPECT_EQ(target.GetRealValue(), 0.0);
    EXPECT_EQ(target.GetCodeC(), 0u);
    EXPECT_EQ(target.IsChanged(), 0);

    target.CopyFrom(nullptr);
    EXPECT_EQ(target.GetColorName(), "red");
}

// The assignment, unlike CopyFrom, takes every field.
TEST(Traits, assignmentCopiesEveryField)
{
    TGeoItemTraits source;
    changeEverything(source);
    TGeoItemTraits target;
    target = source;

    EXPECT_EQ(target.GetFactor(), 9.5);
    EXPECT_EQ(target.GetRealValue(), 8.5);
    EXPECT_EQ(target.GetCodeC(), 10u);
    EXPECT_EQ(target.IsChanged(), 1);
    EXPECT_EQ(target.GetLayerName(), "walls");
    EXPECT_EQ(target.GetTextValue1(), 2.5);
}

namespace {

// A value of its own for the n-th field of the list.
template <class Value>
Value valueOfField(int n)
{
    if constexpr (std::is_same_v<Value, std::string>)
        return "field " + std::to_string(n);
    else if constexpr (std::is_same_v<Value, double>)
        return n + 0.5;
    else if constexpr (std::is_same_v<Value, TraitTriple>)
        return {100u + n, 200u + n, 300u + n};
    else
        return static_cast<Value>(n);
}

}  // namespace

// The list of fields that saved forms use reaches each field exactly once,
// through its own getter and setter, and marks as copied what CopyFrom takes.
TEST(Traits, fieldListReachesEveryFieldOnceAndKnowsWhatCopyFromTakes)
{
    TGeoItemTraits source;
    std::set<std::string> names;
    int n = 0;
    forEachTraitField([&](const auto& field) {
        using Value = typename std::remove_cvref_t<decltype(field)>::ValueType;
        names.insert(field.name);
        field.set(source, valueOfField<Value>(++n));
    });
    EXPECT_EQ(n, 33);
    EXPECT_EQ(names.size(), 33u);

    TGeoItemTraits copy;
    copy.CopyFrom(&source);
    n = 0;
    forEachTraitField([&](const auto& field) {
        using Value = typename std::remove_cvref_t<decltype(field)>::ValueType;
        EXPECT_EQ(field.get(source), valueOfField<Value>(++n)) << field.name;
        EXPECT_EQ(field.get(copy) == field.get(source), field.copied) << field.name;
    });
}

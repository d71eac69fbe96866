// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <type_traits>

#include "IGeoItemTraits.h"

/// @file
/// The fields of a traits record as the programs that save, load or show
/// one see them: one list, so that a field added to the record cannot be
/// forgotten by one of them.

namespace GEOTYPE_DEFINITION {

/// The three free values that SetTriple takes and GetTriple gives.
using TraitTriple = std::array<std::uint32_t, 3>;

/// One field of a traits record.
template <class Value>
struct TraitField {
    using ValueType = Value;

    /// Its name in saved forms, e.g. "mainLineType".
    const char* name;
    /// Its Russian caption for display (UTF-8).
    const char* caption;
    Value (*get)(const IGeoItemTraits&);
    void (*set)(IGeoItemTraits&, const Value&);
    /// Whether CopyFrom takes it: a record's saved defaults are exactly these.
    bool copied;
};

namespace detail {

template <auto Getter, auto Setter>
constexpr auto traitField(const char* name, const char* caption, bool copied = true)
{
    using Value = std::remove_cvref_t<std::invoke_result_t<decltype(Getter), const IGeoItemTraits&>>;
    return TraitField<Value>{name, caption, [](const IGeoItemTraits& traits) -> Value { return (traits.*Getter)(); },
                             [](IGeoItemTraits& traits, const Value& value) { (traits.*Setter)(value); }, copied};
}

}  // namespace detail

/// Calls @p visit with each of the 33 fields of a traits record, in the
/// order saved forms write them: a TraitField of std::string, std::uint32_t,
/// double, std::uint8_t (the changed flag) or TraitTriple.
template <class Visitor>
void forEachTraitField(Visitor&& visit)
{
    using T = IGeoItemTraits;
    using detail::traitField;
    visit(traitField<&T::GetColorName, &T::SetColorName>("colorName", "Цвет"));
    visit(traitField<&T::GetColorIndex, &T::SetColorIndex>("colorIndex", "Цвет, номер в списке"));
    visit(traitField<&T::GetLayerName, &T::SetLayerName>("layerName", "Слой"));
    visit(traitField<&T::GetLayerIndex, &T::SetLayerIndex>("layerIndex", "Слой, номер в списке"));
    visit(traitField<&T::GetMainLineType, &T::SetMainLineType>("mainLineType", "Тип основных линий"));
    visit(traitField<&T::GetMainLineTypeIndex, &T::SetMainLineTypeIndex>("mainLineTypeIndex",
                                                                         "Тип основных линий, номер в списке"));
    visit(traitField<&T::GetMainLineCode, &T::SetMainLineCode>("mainLineCode", "Код основных линий"));
    visit(traitField<&T::GetMainLineCode2, &T::SetMainLineCode2>("mainLineCode2", "Второй код основных линий"));
    visit(traitField<&T::GetMainLineWeight, &T::SetMainLineWeight>("mainLineWeight", "Толщина основных линий"));
    visit(traitField<&T::GetMainLineWeightIndex, &T::SetMainLineWeightIndex>(
        "mainLineWeightIndex", "Толщина основных линий, номер в списке"));
    visit(traitField<&T::GetMainLineValue, &T::SetMainLineValue>("mainLineValue", "Величина основных линий"));
    visit(traitField<&T::GetThickLineType, &T::SetThickLineType>("thickLineType", "Тип утолщённых линий"));
    visit(traitField<&T::GetThickLineTypeIndex, &T::SetThickLineTypeIndex>("thickLineTypeIndex",
                                                                           "Тип утолщённых линий, номер в списке"));
    visit(traitField<&T::GetThickLineCode, &T::SetThickLineCode>("thickLineCode", "Код утолщённых линий"));
    visit(traitField<&T::GetThickLineCode2, &T::SetThickLineCode2>("thickLineCode2", "Второй код утолщённых линий"));
    visit(traitField<&T::GetThickLineWeight, &T::SetThickLineWeight>("thickLineWeight", "Толщина утолщённых линий"));
    visit(traitField<&T::GetThickLineWeightIndex, &T::SetThickLineWeightIndex>(
        "thickLineWeightIndex", "Толщина утолщённых линий, номер в списке"));
    visit(traitField<&T::GetThickLineValue, &T::SetThickLineValue>("thickLineValue", "Величина утолщённых линий"));
    visit(traitField<&T::GetTextStyle, &T::SetTextStyle>("textStyle", "Стиль текста"));
    visit(traitField<&T::GetTextStyleIndex, &T::SetTextStyleIndex>("textStyleIndex", "Стиль текста, номер в списке"));
    visit(traitField<&T::GetTextValue1, &T::SetTextValue1>("textValue1", "Величина текста 1"));
    visit(traitField<&T::GetTextValue2, &T::SetTextValue2>("textValue2", "Величина текста 2"));
    visit(traitField<&T::GetTextValue3, &T::SetTextValue3>("textValue3", "Величина текста 3"));
    visit(traitField<&T::GetTextValue4, &T::SetTextValue4>("textValue4", "Величина текста 4"));
    visit(traitField<&T::GetTextCode1, &T::SetTextCode1>("textCode1", "Код текста 1"));
    visit(traitField<&T::GetTextCode2, &T::SetTextCode2>("textCode2", "Код текста 2"));
    visit(traitField<&T::GetCodeA, &T::SetCodeA>("codeA", "Код A"));
    visit(traitField<&T::GetCodeB, &T::SetCodeB>("codeB", "Код B"));
    visit(traitField<&T::GetCodeC, &T::SetCodeC>("codeC", "Код C", false));
    visit(TraitField<TraitTriple>{"triple", "Тройка кодов",
                                  [](const T& traits) {
                                      TraitTriple triple{};
                                      traits.GetTriple(triple[0], triple[1], triple[2]);
                                      return triple;
                                  },
                                  [](T& traits, const TraitTriple& triple) {
                                      traits.SetTriple(triple[0], triple[1], triple[2]);
                                  },
                                  true});
    visit(traitField<&T::GetFactor, &T::SetFactor>("factor", "Коэффициент", false));
    visit(traitField<&T::GetRealValue, &T::SetRealValue>("realValue", "Вещественная величина", false));
    visit(traitField<&T::IsChanged, &T::SetChanged>("changed", "Изменены", false));
}

}  // namespace GEOTYPE_DEFINITION

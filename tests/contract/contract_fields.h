// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include "contract_values.h"

// Fields reached as Get<Stem> and Set<Stem>, each with its contract value, for the
// caller and the probe alike.
#define TRAITS_FIELDS(FIELD)                                                                            \
    FIELD(Factor, kFactor) FIELD(RealValue, kRealValue) FIELD(CodeA, kCodeA)                            \
    FIELD(ColorName, kColorName) FIELD(MainLineType, kMainLineType) FIELD(MainLineCode, kMainLineCode)  \
    FIELD(MainLineCode2, kMainLineCode2) FIELD(MainLineWeight, kMainLineWeight)                         \
    FIELD(MainLineValue, kMainLineValue) FIELD(ThickLineType, kThickLineType)                           \
    FIELD(ThickLineCode, kThickLineCode) FIELD(ThickLineCode2, kThickLineCode2)                         \
    FIELD(ThickLineWeight, kThickLineWeight) FIELD(ThickLineValue, kThickLineValue)                     \
    FIELD(TextStyle, kTextStyle) FIELD(TextValue1, kTextValue1) FIELD(TextValue2, kTextValue2)          \
    FIELD(TextValue3, kTextValue3) FIELD(TextValue4, kTextValue4) FIELD(TextCode1, kTextCode1)          \
    FIELD(TextCode2, kTextCode2) FIELD(CodeB, kCodeB) FIELD(LayerName, kLayerName) FIELD(CodeC, kCodeC) \
    FIELD(ColorIndex, kColorIndex) FIELD(MainLineTypeIndex, kMainLineTypeIndex)                         \
    FIELD(ThickLineTypeIndex, kThickLineTypeIndex) FIELD(MainLineWeightIndex, kMainLineWeightIndex)     \
    FIELD(ThickLineWeightIndex, kThickLineWeightIndex) FIELD(TextStyleIndex, kTextStyleIndex)           \
    FIELD(LayerIndex, kLayerIndex)
#define SCOPE_POINT_FIELDS(FIELD)                                                                       \
    FIELD(X, kPointX) FIELD(Y, kPointY) FIELD(Z, kPointZ) FIELD(PointType, kPointType)                  \
    FIELD(PointFlag, kPointFlag) FIELD(PointTag, kPointTag) FIELD(ScopeKey, kScopeKey)                  \
    FIELD(ScopeKind, kScopeKind) FIELD(ScopeValue1, kScopeValue1) FIELD(ScopeValue2, kScopeValue2)
#define PLAIN_POINT_FIELDS(FIELD)                                                                       \
    FIELD(X, kPlainX) FIELD(Y, kPlainY) FIELD(Z, kPlainZ) FIELD(PointType, kPlainType)                  \
    FIELD(PointFlag, kPlainFlag) FIELD(PointTag, kPlainTag)
#define ITEM_FIELDS(FIELD)                                                                              \
    FIELD(Kind, kItemKind) FIELD(Id, kItemId) FIELD(Text, kItemText) FIELD(Length, kItemLength)         \
    FIELD(Style, kItemStyle)
#define EXT_DATA_FIELDS(FIELD)                                                                          \
    FIELD(DataId, kDataId) FIELD(SymbolType, kSymbolType) FIELD(SymbolVariant, kSymbolVariant)          \
    FIELD(MainText, kMainText) FIELD(SubText, kSubText) FIELD(Flags, kFlags)
#define BLOCK_FIELDS(FIELD)                                                                             \
    FIELD(Tag, kTag) FIELD(Code, kCode) FIELD(AngleMode, kAngleMode) FIELD(Number, kNumber)             \
    FIELD(StateByte, kStateByte) FIELD(EditMode, kEditMode) FIELD(Angle, kAngle) FIELD(Scale, kScale)   \
    FIELD(SymbolType, kSymbolType) FIELD(SymbolVariant, kSymbolVariant)

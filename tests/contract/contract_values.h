// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

// The values that the module and the caller write and expect. Each field has
// a value no other field of the same type has anywhere in the model, so a
// call that lands in a neighbouring slot reads or writes a value that gives
// it away.
namespace contract {

inline constexpr double kFactor = 1.25;
inline constexpr double kRealValue = 2.5;
inline constexpr double kMainLineValue = 3.75;
inline constexpr double kThickLineValue = 5.0;
inline constexpr double kTextValue1 = 6.25;
inline constexpr double kTextValue2 = 7.5;
inline constexpr double kTextValue3 = 8.75;
inline constexpr double kTextValue4 = 10.0;
inline constexpr std::uint32_t kCodeA = 1001;
inline constexpr std::uint32_t kTriple1 = 1002;
inline constexpr std::uint32_t kTriple2 = 1003;
inline constexpr std::uint32_t kTriple3 = 1004;
inline constexpr std::uint32_t kMainLineCode = 1005;
inline constexpr std::uint32_t kMainLineCode2 = 1006;
inline constexpr std::uint32_t kThickLineCode = 1007;
inline constexpr std::uint32_t kThickLineCode2 = 1008;
inline constexpr std::uint32_t kTextCode1 = 1009;
inline constexpr std::uint32_t kTextCode2 = 1010;
inline constexpr std::uint32_t kCodeB = 1011;
inline constexpr std::uint32_t kCodeC = 1012;
inline constexpr std::uint32_t kColorIndex = 1013;
inline constexpr std::uint32_t kMainLineTypeIndex = 1014;
inline constexpr std::uint32_t kThickLineTypeIndex = 1015;
inline constexpr std::uint32_t kMainLineWeightIndex = 1016;
inline constexpr std::uint32_t kThickLineWeightIndex = 1017;
inline constexpr std::uint32_t kTextStyleIndex = 1018;
inline constexpr std::uint32_t kLayerIndex = 1019;
inline constexpr std::uint8_t kChanged = 21;
inline constexpr const char* kColorName = "colour-name";
inline constexpr const char* kMainLineType = "main-line-type";
inline constexpr const char* kMainLineWeight = "main-line-weight";
inline constexpr const char* kThickLineType = "thick-line-type";
inline constexpr const char* kThickLineWeight = "thick-line-weight";
inline constexpr const char* kTextStyle = "text-style";
inline constexpr const char* kLayerName = "layer-name";

// A scope point, filed under kScopePointKey in a block's scope points.
inline constexpr double kPointX = 11.25;
inline constexpr double kPointY = 12.5;
inline constexpr double kPointZ = 13.75;
inline constexpr std::uint16_t kPointType = 11;
inline constexpr std::uint16_t kPointFlag = 12;
inline constexpr std::uint16_t kScopeKind = 13;
inline constexpr std::uint32_t kPointTag = 1021;
inline constexpr std::uint32_t kScopeKey = 1022;
inline constexpr std::uint32_t kScopeValue1 = 1023;
inline constexpr std::uint32_t kScopeValue2 = 1024;
inline constexpr std::uint32_t kScopePointKey = 1025;

// A plain point, filed under kPlainPointKey in a block's points.
inline constexpr double kPlainX = 15.0;
inline constexpr double kPlainY = 16.25;
inline constexpr double kPlainZ = 17.5;
inline constexpr std::uint16_t kPlainType = 14;
inline constexpr std::uint16_t kPlainFlag = 15;
inline constexpr std::uint32_t kPlainTag = 1026;
inline constexpr std::uint32_t kPlainPointKey = 1027;

// An item, filed under its id; its traits carry the traits values above.
inline constexpr std::uint32_t kItemKind = 1031;
inline constexpr std::uint32_t kItemId = 1032;
inline constexpr std::uint32_t kItemLength = 1033;
inline constexpr std::uint16_t kItemStyle = 16;
inline constexpr const char* kItemText = "item-text";
inline constexpr std::uint32_t kItemValueKey1 = 1034;
inline constexpr std::uint32_t kItemValue1 = 1035;
inline constexpr std::uint32_t kItemValueKey2 = 1036;
inline constexpr std::uint32_t kItemValue2 = 1037;

// Extended data; the block's symbol type and variant are the same fields.
inline constexpr std::uint32_t kDataId = 1041;
inline constexpr std::uint32_t kSymbolType = 1042;
inline constexpr std::uint32_t kSymbolVariant = 1043;
inline constexpr std::uint32_t kFlags = 1044;
inline constexpr const char* kMainText = "main-text";
inline constexpr const char* kSubText = "sub-text";

// The block's own scalars and parameters.
inline constexpr std::uint16_t kTag = 17;
inline constexpr std::uint32_t kCode = 1051;
inline constexpr std::uint32_t kAngleMode = 1052;
inline constexpr std::uint32_t kNumber = 1053;
inline constexpr std::uint8_t kStateByte = 22;
inline constexpr std::uint8_t kEditMode = 23;
inline constexpr double kAngle = 18.75;
inline constexpr double kScale = 20.0;
inline constexpr std::uint32_t kParamKey1 = 1054;
inline constexpr double kParamValue1 = 21.25;
inline constexpr std::uint32_t kParamKey2 = 1055;
inline constexpr double kParamValue2 = 22.5;

// A block collection holding two copies of a filled block, the first linked.
inline constexpr std::uint32_t kLinkedBlockKey = 1061;
inline constexpr std::uint32_t kPlainBlockKey = 1062;
inline constexpr std::uint32_t kLinkA = 1063;
inline constexpr std::uint32_t kLinkB = 1064;
inline constexpr std::uint8_t kCollectionFlag = 24;

}  // namespace contract

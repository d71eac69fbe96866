// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Numbers of the module's pictures and where they are found. A picture is an
// SVG file named by its number: bitmaps under ":/bitmaps/", icons under
// ":/icons/". The dialogs name pictures only through these constants.
#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace tarvelo::resources {

/// The images of an owner-drawn image button, as its four states show them; 0 means none.
struct ButtonImages {
    int normal = 0;
    int selected = 0; ///< the pushed state: the chosen type
    int focused = 0;
    int disabled = 0;
};

// Break type buttons: a cut-off ends a part, a break leaves out its middle.
inline constexpr int kBreakCurvedGapFocused = 12007;
inline constexpr int kBreakCurvedGapNormal = 12008;
inline constexpr int kBreakCurvedGapSelected = 12009;
inline constexpr int kBreakCurvedCutOffFocused = 12010;
inline constexpr int kBreakCurvedCutOffNormal = 12011;
inline constexpr int kBreakCurvedCutOffSelected = 12012;
inline constexpr int kBreakStraightGapFocused = 12013;
inline constexpr int kBreakStraightGapNormal = 12014;
inline constexpr int kBreakStraightGapSelected = 12015;
inline constexpr int kBreakStraightCutOffFocused = 12016;
inline constexpr int kBreakStraightCutOffNormal = 12017;
inline constexpr int kBreakStraightCutOffSelected = 12018;

/// Break type 201.
inline constexpr ButtonImages kBreakStraightCutOffButton{kBreakStraightCutOffNormal, kBreakStraightCutOffSelected,
                                                         kBreakStraightCutOffFocused, 0};
/// Break type 202.
inline constexpr ButtonImages kBreakStraightGapButton{kBreakStraightGapNormal, kBreakStraightGapSelected,
                                                      kBreakStraightGapFocused, 0};
/// Break type 203.
inline constexpr ButtonImages kBreakCurvedCutOffButton{kBreakCurvedCutOffNormal, kBreakCurvedCutOffSelected,
                                                       kBreakCurvedCutOffFocused, 0};
/// Break type 204.
inline constexpr ButtonImages kBreakCurvedGapButton{kBreakCurvedGapNormal, kBreakCurvedGapSelected,
                                                    kBreakCurvedGapFocused, 0};

// Leader end marks (16 x 16).
inline constexpr int kLeaderEndDot = 12019;
inline constexpr int kLeaderEndClosedArrow = 12020;
inline constexpr int kLeaderEndHalfArrow = 12021;
inline constexpr int kLeaderEndLine = 12022;
inline constexpr int kLeaderEndTick = 12024;
inline constexpr int kLeaderEndOpenArrow = 12026;

/// The end marks in the order of the ending list: line, open arrow, closed arrow, half arrow, dot, tick.
inline constexpr std::array kLeaderEndingImages{kLeaderEndLine,       kLeaderEndOpenArrow, kLeaderEndClosedArrow,
                                                kLeaderEndHalfArrow, kLeaderEndDot,       kLeaderEndTick};

// Leader types (16 x 16).
inline constexpr int kLeaderTypeFan = 12023;
inline constexpr int kLeaderTypeComb = 12025;
inline constexpr int kLeaderTypeCircled = 12027;
inline constexpr int kLeaderTypeShelfOnly = 12028;
inline constexpr int kLeaderTypeMultilayer = 12030;
inline constexpr int kLeaderTypePosition = 12031;
inline constexpr int kLeaderTypeFramed = 12032;

/// The type images in image-list order: the first three belong to types 401, 402 and 403,
/// the other four to types 404 to 407, which the list does not offer.
inline constexpr std::array kLeaderTypeImages{kLeaderTypePosition, kLeaderTypeComb,      kLeaderTypeMultilayer,
                                              kLeaderTypeCircled,  kLeaderTypeFramed,    kLeaderTypeShelfOnly,
                                              kLeaderTypeFan};

// Section type buttons.
inline constexpr int kSectionSteppedSelected = 12033;
inline constexpr int kSectionSteppedNormal = 12034;
inline constexpr int kSectionSteppedFocused = 12035;
inline constexpr int kSectionStraightSelected = 12036;
inline constexpr int kSectionStraightNormal = 12037;
inline constexpr int kSectionStraightFocused = 12038;
inline constexpr int kSectionSteppedDisabled = 12109;
inline constexpr int kSectionStraightDisabled = 12110;

/// Section variant 101.
inline constexpr ButtonImages kSectionStraightButton{kSectionStraightNormal, kSectionStraightSelected,
                                                     kSectionStraightFocused, kSectionStraightDisabled};
/// Section variant 102.
inline constexpr ButtonImages kSectionSteppedButton{kSectionSteppedNormal, kSectionSteppedSelected,
                                                    kSectionSteppedFocused, kSectionSteppedDisabled};

// Level mark attach toggle: the off state has three faces, the on state one for all three.
inline constexpr int kLevelAttachOffFocused = 12044;
inline constexpr int kLevelAttachOffSelected = 12045;
inline constexpr int kLevelAttachOffNormal = 12046;
inline constexpr int kLevelAttachOn = 12121;
inline constexpr int kLevelAttachDisabled = 12098;

inline constexpr ButtonImages kLevelAttachOffButton{kLevelAttachOffNormal, kLevelAttachOffSelected,
                                                    kLevelAttachOffFocused, kLevelAttachDisabled};
inline constexpr ButtonImages kLevelAttachOnButton{kLevelAttachOn, kLevelAttachOn, kLevelAttachOn,
                                                   kLevelAttachDisabled};

// Level mark kinds and the extension-line choice of a plan mark (16 x 16).
inline constexpr int kLevelKindElevation = 12047;
inline constexpr int kLevelKindPlan = 12048;
inline constexpr int kLevelWithExtensionLines = 12052;
inline constexpr int kLevelWithoutExtensionLines = 12053;

/// Images of the kind list: variant 301, variant 302.
inline constexpr std::array kLevelKindImages{kLevelKindElevation, kLevelKindPlan};
/// Images of the extension-line list: without, with.
inline constexpr std::array kLevelExtensionImages{kLevelWithoutExtensionLines, kLevelWithExtensionLines};

// Axis array pictures.
inline constexpr int kAxisArrayPolar = 12061;
inline constexpr int kAxisArrayOrthogonal = 12062;

// Boundary hatch type buttons (36 x 18).
inline constexpr int kHatchBoundarySelected = 12063;
inline constexpr int kHatchBoundaryNormal = 12064;
inline constexpr int kHatchBoundaryFocused = 12065;
inline constexpr int kHatchGroundSelected = 12066;
inline constexpr int kHatchGroundNormal = 12067;
inline constexpr int kHatchGroundFocused = 12068;
inline constexpr int kHatchLinearSelected = 12069;
inline constexpr int kHatchLinearNormal = 12070;
inline constexpr int kHatchLinearFocused = 12071;
inline constexpr int kHatchThermalSelected = 12072;
inline constexpr int kHatchThermalNormal = 12073;
inline constexpr int kHatchThermalFocused = 12074;
inline constexpr int kHatchWaterproofSelected = 12075;
inline constexpr int kHatchWaterproofNormal = 12076;
inline constexpr int kHatchWaterproofFocused = 12077;

/// Hatch type 601.
inline constexpr ButtonImages kHatchBoundaryButton{kHatchBoundaryNormal, kHatchBoundarySelected,
                                                   kHatchBoundaryFocused, 0};
/// Hatch type 602.
inline constexpr ButtonImages kHatchLinearButton{kHatchLinearNormal, kHatchLinearSelected, kHatchLinearFocused, 0};
/// Hatch type 603.
inline constexpr ButtonImages kHatchGroundButton{kHatchGroundNormal, kHatchGroundSelected, kHatchGroundFocused, 0};
/// Hatch type 604.
inline constexpr ButtonImages kHatchWaterproofButton{kHatchWaterproofNormal, kHatchWaterproofSelected,
                                                     kHatchWaterproofFocused, 0};
/// Hatch type 605.
inline constexpr ButtonImages kHatchThermalButton{kHatchThermalNormal, kHatchThermalSelected, kHatchThermalFocused,
                                                  0};

// Weld seam pictures: corner or butt, factory or site, continuous or intermittent, visible or hidden.
inline constexpr int kWeldCornerFactoryContinuousVisible = 12080;
inline constexpr int kWeldCornerFactoryContinuousHidden = 12081;
inline constexpr int kWeldCornerFactoryIntermittentVisible = 12082;
inline constexpr int kWeldCornerFactoryIntermittentHidden = 12083;
inline constexpr int kWeldButtFactoryContinuousVisible = 12084;
inline constexpr int kWeldButtFactoryContinuousHidden = 12085;
inline constexpr int kWeldButtFactoryIntermittentVisible = 12086;
inline constexpr int kWeldButtFactoryIntermittentHidden = 12087;
inline constexpr int kWeldCornerSiteContinuousVisible = 12088;
inline constexpr int kWeldCornerSiteContinuousHidden = 12089;
inline constexpr int kWeldCornerSiteIntermittentVisible = 12090;
inline constexpr int kWeldCornerSiteIntermittentHidden = 12091;
inline constexpr int kWeldButtSiteContinuousVisible = 12092;
inline constexpr int kWeldButtSiteContinuousHidden = 12093;
inline constexpr int kWeldButtSiteIntermittentVisible = 12094;
inline constexpr int kWeldButtSiteIntermittentHidden = 12095;
/// The picture shown for a weld code that has no picture of its own.
inline constexpr int kWeldOther = 12096;

/// The weld pictures in the order of the weld type list (codes 701-704, 711-714, 721-724, 731-734).
inline constexpr std::array kWeldImages{
    kWeldCornerFactoryContinuousVisible, kWeldCornerFactoryContinuousHidden, kWeldCornerFactoryIntermittentVisible,
    kWeldCornerFactoryIntermittentHidden, kWeldButtFactoryContinuousVisible, kWeldButtFactoryContinuousHidden,
    kWeldButtFactoryIntermittentVisible, kWeldButtFactoryIntermittentHidden, kWeldCornerSiteContinuousVisible,
    kWeldCornerSiteContinuousHidden, kWeldCornerSiteIntermittentVisible, kWeldCornerSiteIntermittentHidden,
    kWeldButtSiteContinuousVisible, kWeldButtSiteContinuousHidden, kWeldButtSiteIntermittentVisible,
    kWeldButtSiteIntermittentHidden};

// Scheme pictures of the object properties dialog, one per symbol family.
inline constexpr int kSchemeSection = 12111;
inline constexpr int kSchemeBreak = 12112;
inline constexpr int kSchemeLevelMark = 12113;
inline constexpr int kSchemeLeader = 12114;
inline constexpr int kSchemeNode = 12115;
inline constexpr int kSchemeHatch = 12116;
inline constexpr int kSchemeWeld = 12117;
inline constexpr int kSchemeOther = 12118;

// Icons.
inline constexpr int kPropertiesIcon = 12039;
inline constexpr int kSettingsIcon = 12040;
inline constexpr int kSaveSettingsIcon = 12108;

/// Every bitmap number, ascending.
inline constexpr std::array kBitmapIds{
    kBreakCurvedGapFocused, kBreakCurvedGapNormal, kBreakCurvedGapSelected, kBreakCurvedCutOffFocused,
    kBreakCurvedCutOffNormal, kBreakCurvedCutOffSelected, kBreakStraightGapFocused, kBreakStraightGapNormal,
    kBreakStraightGapSelected, kBreakStraightCutOffFocused, kBreakStraightCutOffNormal,
    kBreakStraightCutOffSelected, kLeaderEndDot, kLeaderEndClosedArrow, kLeaderEndHalfArrow, kLeaderEndLine,
    kLeaderTypeFan, kLeaderEndTick, kLeaderTypeComb, kLeaderEndOpenArrow, kLeaderTypeCircled, kLeaderTypeShelfOnly,
    kLeaderTypeMultilayer, kLeaderTypePosition, kLeaderTypeFramed, kSectionSteppedSelected, kSectionSteppedNormal,
    kSectionSteppedFocused, kSectionStraightSelected, kSectionStraightNormal, kSectionStraightFocused,
    kLevelAttachOffFocused, kLevelAttachOffSelected, kLevelAttachOffNormal, kLevelKindElevation, kLevelKindPlan,
    kLevelWithExtensionLines, kLevelWithoutExtensionLines, kAxisArrayPolar, kAxisArrayOrthogonal,
    kHatchBoundarySelected, kHatchBoundaryNormal, kHatchBoundaryFocused, kHatchGroundSelected, kHatchGroundNormal,
    kHatchGroundFocused, kHatchLinearSelected, kHatchLinearNormal, kHatchLinearFocused, kHatchThermalSelected,
    kHatchThermalNormal, kHatchThermalFocused, kHatchWaterproofSelected, kHatchWaterproofNormal,
    kHatchWaterproofFocused, kWeldCornerFactoryContinuousVisible, kWeldCornerFactoryContinuousHidden,
    kWeldCornerFactoryIntermittentVisible, kWeldCornerFactoryIntermittentHidden, kWeldButtFactoryContinuousVisible,
    kWeldButtFactoryContinuousHidden, kWeldButtFactoryIntermittentVisible, kWeldButtFactoryIntermittentHidden,
    kWeldCornerSiteContinuousVisible, kWeldCornerSiteContinuousHidden, kWeldCornerSiteIntermittentVisible,
    kWeldCornerSiteIntermittentHidden, kWeldButtSiteContinuousVisible, kWeldButtSiteContinuousHidden,
    kWeldButtSiteIntermittentVisible, kWeldButtSiteIntermittentHidden, kWeldOther, kLevelAttachDisabled,
    kSectionSteppedDisabled, kSectionStraightDisabled, kSchemeSection, kSchemeBreak, kSchemeLevelMark, kSchemeLeader,
    kSchemeNode, kSchemeHatch, kSchemeWeld, kSchemeOther, kLevelAttachOn};

/// Every icon number, ascending.
inline constexpr std::array kIconIds{kPropertiesIcon, kSettingsIcon, kSaveSettingsIcon};

/// The resource path of a bitmap, such as ":/bitmaps/12111.svg".
inline QString bitmapPath(int id)
{
    return QStringLiteral(":/bitmaps/%1.svg").arg(id);
}

/// The resource path of an icon, such as ":/icons/12039.svg".
inline QString iconPath(int id)
{
    return QStringLiteral(":/icons/%1.svg").arg(id);
}

/// The resource paths of every bitmap and icon above.
inline QStringList allPicturePaths()
{
    QStringList paths;
    paths.reserve(int(kBitmapIds.size() + kIconIds.size()));
    for (int id : kBitmapIds)
        paths << bitmapPath(id);
    for (int id : kIconIds)
        paths << iconPath(id);
    return paths;
}

} // namespace tarvelo::resources

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <array>
#include <cstdint>

#include "Choice.h"

class QCheckBox;
class QComboBox;
class QDialog;
class QLineEdit;
class QPushButton;

namespace tarvelo::controls {
class CellGrid;
class CNumEdit;
}

namespace tarvelo::dialogs {

struct FrameControls;
class CFxAxisPreview;

/// The array types of the type list (12013).
inline constexpr std::array<controls::Choice, 2> kAxisTypeChoices{{
    {"Массив ортогональных осей", 801},
    {"Массив полярных осей", 802},
}};

/// The "Расположение" lists: where the marks of the axes go, by array type.
inline constexpr std::array<controls::Choice, 4> kOrthogonalLetterPlacements{{
    {"Скрыть", 1000},
    {"С двух сторон", 2000},
    {"Слева", 6000},
    {"Справа", 7000},
}};
inline constexpr std::array<controls::Choice, 4> kOrthogonalNumberPlacements{{
    {"Скрыть", 10},
    {"С двух сторон", 30},
    {"Вверх", 40},
    {"Вниз", 50},
}};
inline constexpr std::array<controls::Choice, 4> kPolarLetterPlacements{{
    {"Скрыть", 1000},
    {"С двух сторон", 2000},
    {"Стартовый", 3000},
    {"Конечный", 4000},
}};
inline constexpr std::array<controls::Choice, 2> kPolarNumberPlacements{{
    {"Скрыть", 10},
    {"Показать", 20},
}};

/// The column captions of both axis tables.
inline constexpr const char* kAxisNameColumn = "Обозначение";
inline constexpr const char* kAxisStepColumn = "Шаг";

/// The identifiers of template 12060's own controls; a control's objectName is its number in decimal.
struct AxisArrayTemplate {
    enum Id : int {
        kTypeGroup = 12063,
        kType = 12013,
        kAxesGroup = 12064,
        kLettersCaption = 12065,
        kLetterPlacementLabel = 12090,
        kLetterTable = 12066,
        kLetterPlacement = 12089,
        kAddLetter = 12069,
        kRemoveLetter = 12070,
        kLetterName = 12086,
        kLetterStep = 12093,
        kNumbersCaption = 12068,
        kNumberPlacementLabel = 12092,
        kNumberTable = 12067,
        kNumberPlacement = 12091,
        kAddNumber = 12071,
        kRemoveNumber = 12072,
        kNumberName = 12096,
        kNumberStep = 12097,
        kSchemeGroup = 12073,
        kScheme = 12074,
        kDimensionsGroup = 12088,
        kDimensionChain = 12094,
        kOverallDimension = 12095,
        kInsertionGroup = 12075,
        kInsertionGiven = 12081,
        kInsertionX = 12079,
        kInsertionY = 12078,
        kInsertionXCaption = 12082,
        kInsertionYCaption = 12083,
        kAngleGroup = 12076,
        kAngleGiven = 12080,
        kAngle = 12077,
        kLayerGroup = 12087,
        kAsPrimitives = 12115,
    };
};

/// One axis table with its buttons, its placement list and its in-place editors.
struct AxisTableControls {
    controls::CellGrid* table = nullptr;
    QComboBox* placement = nullptr;
    QPushButton* add = nullptr;
    QPushButton* remove = nullptr;
    // Made by buildAxisEditors when a row is first chosen: most arrays are accepted without.
    QLineEdit* name = nullptr;
    controls::CNumEdit* step = nullptr;
    int nameId = 0;
    int stepId = 0;
};

/// The controls of template 12060 besides the shared ones, owned by the dialog.
struct AxisArrayControls {
    QComboBox* type = nullptr;
    AxisTableControls letters;
    AxisTableControls numbers;
    CFxAxisPreview* preview = nullptr;
    QCheckBox* dimensionChain = nullptr;
    QCheckBox* overallDimension = nullptr;
    QCheckBox* insertionGiven = nullptr;
    controls::CNumEdit* insertionX = nullptr;
    controls::CNumEdit* insertionY = nullptr;
    QCheckBox* angleGiven = nullptr;
    controls::CNumEdit* angle = nullptr;
    QCheckBox* asPrimitives = nullptr;
};

/// Builds template 12060 on `dialog` around the shared controls: group boxes,
/// captions, the two tables with their columns, the picture and the option
/// boxes; the insertion point and angle edits start disabled. Lists are left
/// empty, and the in-place editors unmade.
AxisArrayControls buildAxisArrayTemplate(QDialog& dialog, const FrameControls& frame);

/// Makes a table's two in-place editors, hidden, on the table, in the focus order after "-".
void buildAxisEditors(AxisTableControls& controls);

}  // namespace tarvelo::dialogs

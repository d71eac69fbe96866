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
class QTableWidget;

namespace tarvelo::controls {
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

/// One axis table with its buttons, its placement list and its in-place editors.
struct AxisTableControls {
    QTableWidget* table = nullptr;
    QComboBox* placement = nullptr;
    QPushButton* add = nullptr;
    QPushButton* remove = nullptr;
    QLineEdit* name = nullptr;            // hidden until a row is chosen
    controls::CNumEdit* step = nullptr;  // hidden until a row is chosen
};

/// The controls of template 12060 besides the shared ones, owned by the dialog.
struct AxisArrayControls {
    QComboBox* type = nullptr;           // 12013
    AxisTableControls letters;           // 12066, 12089, 12069, 12070, 12086, 12093
    AxisTableControls numbers;           // 12067, 12091, 12071, 12072, 12096, 12097
    CFxAxisPreview* preview = nullptr;   // 12074
    QCheckBox* dimensionChain = nullptr;    // 12094
    QCheckBox* overallDimension = nullptr;  // 12095
    QCheckBox* insertionGiven = nullptr;    // 12081
    controls::CNumEdit* insertionX = nullptr;  // 12079
    controls::CNumEdit* insertionY = nullptr;  // 12078
    QCheckBox* angleGiven = nullptr;           // 12080
    controls::CNumEdit* angle = nullptr;       // 12077
    QCheckBox* asPrimitives = nullptr;         // 12115
};

/// Builds template 12060 on `dialog` around the shared controls: group boxes,
/// captions, the two tables with their columns, the in-place editors (hidden,
/// laid over the tables), the picture and the option boxes; the insertion
/// point and angle edits start disabled. Lists are left empty.
AxisArrayControls buildAxisArrayTemplate(QDialog& dialog, const FrameControls& frame);

}  // namespace tarvelo::dialogs

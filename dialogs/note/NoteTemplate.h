// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <array>
#include <cstdint>

#include "Choice.h"
#include "ResourceIds.h"
#include "SymbolDialogTemplates.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;

/// @file
/// Template 12054 of the leader note dialog: its controls, captions and the
/// contents of its three lists. Behaviour lives in CDialogNote.

namespace tarvelo::dialogs {

/// The leader types offered, in list order.
inline constexpr std::array<controls::Choice, 3> kNoteTypeChoices{{
    {"Позиционная выноска", 401, resources::kLeaderTypePosition},
    {"Гребенчатая выноска", 402, resources::kLeaderTypeComb},
    {"Выноска для многослойных конструкций", 403, resources::kLeaderTypeMultilayer},
}};

/// The end marks, in list order.
inline constexpr std::array<controls::Choice, 6> kNoteEndingChoices{{
    {" Линия ", 1, resources::kLeaderEndLine},
    {"Откр. стрелка", 2, resources::kLeaderEndOpenArrow},
    {"Закр. стрелка", 3, resources::kLeaderEndClosedArrow},
    {"Пол. стрелка", 4, resources::kLeaderEndHalfArrow},
    {"Точка", 5, resources::kLeaderEndDot},
    {"Засечка", 6, resources::kLeaderEndTick},
}};

/// The angle steps in degrees, in list order; 0 leaves the angle free.
inline constexpr std::array<controls::Choice, 5> kNoteAngleChoices{{
    {"Произвольный", 0},
    {"15", 15},
    {"30", 30},
    {"45", 45},
    {"90", 90},
}};

/// How many records ("1", "2", ...) a fresh record list holds.
inline constexpr int kNoteInitialRecords = 3;

inline constexpr const char* kAddRecordTip = "Добавление записи";
inline constexpr const char* kRemoveRecordTip = "Удаление записи";

/// The controls of template 12054 besides the frame's, owned by the dialog.
struct NoteControls {
    QComboBox* type = nullptr;         // 12013, with images
    QGroupBox* group = nullptr;        // 12022 "Выноска"
    QLineEdit* upperText = nullptr;    // 12042
    QFrame* shelf = nullptr;           // 12044
    QLineEdit* lowerText = nullptr;    // 12043
    QCheckBox* multiPoint = nullptr;   // 12056 "Многоточечная"
    QLabel* angleLabel = nullptr;      // 12046 "Шаг угла :"
    QComboBox* angle = nullptr;        // 12003
    QLabel* endingLabel = nullptr;     // 12045 "Окончание"
    QComboBox* ending = nullptr;       // 12002, with images
    QListWidget* records = nullptr;    // 12059, hidden
    QPushButton* addRecord = nullptr;  // 12060 "+ запись", hidden
    QPushButton* removeRecord = nullptr;  // 12061 "- запись", hidden
    QLineEdit* recordEditor = nullptr; // 12062, hidden, outside any layout
    QGroupBox* layerGroup = nullptr;   // 12047 "Слой для объекта"
};

/// Builds template 12054 on `dialog` around the frame's controls: captions,
/// identifiers, the starting visibility and the layout. The lists stay empty.
NoteControls buildNoteTemplate(QDialog& dialog, const FrameControls& frame);

}  // namespace tarvelo::dialogs

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <array>
#include <cstdint>

#include "Choice.h"
#include "ResourceIds.h"
#include "SymbolDialogTemplates.h"

class QBoxLayout;
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

/// The identifiers of template 12054's own controls; a control's objectName is its number in decimal.
struct NoteTemplate {
    enum Id : int {
        kType = 12013,
        kGroup = 12022,
        kUpperText = 12042,
        kShelf = 12044,
        kLowerText = 12043,
        kMultiPoint = 12056,
        kAngleLabel = 12046,
        kAngle = 12003,
        kEndingLabel = 12045,
        kEnding = 12002,
        kRecords = 12059,
        kAddRecord = 12060,
        kRemoveRecord = 12061,
        kRecordEditor = 12062,
        kLayerGroup = 12047,
    };
};

/// The controls of template 12054 besides the frame's, owned by the dialog.
struct NoteControls {
    QComboBox* type = nullptr;  // with images
    QGroupBox* group = nullptr;  // "Выноска"
    QLineEdit* upperText = nullptr;
    QFrame* shelf = nullptr;
    QLineEdit* lowerText = nullptr;
    QCheckBox* multiPoint = nullptr;  // "Многоточечная"
    QLabel* angleLabel = nullptr;  // "Шаг угла :"
    QComboBox* angle = nullptr;
    QComboBox* ending = nullptr;  // with images
    /// Where the records stand, in place of the texts. The records' controls
    /// below stay null until buildNoteRecords makes them.
    QBoxLayout* recordRow = nullptr;
    QListWidget* records = nullptr;
    QPushButton* addRecord = nullptr;  // "+ запись"
    QPushButton* removeRecord = nullptr;  // "- запись"
    QLineEdit* recordEditor = nullptr;  // hidden, outside any layout
};

/// Builds template 12054 on `dialog` around the frame's controls: captions,
/// identifiers, the starting visibility and the layout. The lists stay empty,
/// and the records of a multilayer leader are not made.
NoteControls buildNoteTemplate(QDialog& dialog, const FrameControls& frame);

/// Makes the record list, its two buttons and its editor in their place, hidden
/// and empty, and puts them after the lower text in the focus order. Most
/// leaders never show them, so they are made only for one that does.
void buildNoteRecords(QDialog& dialog, NoteControls& controls);

}  // namespace tarvelo::dialogs

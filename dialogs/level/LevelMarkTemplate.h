// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include "SymbolDialogTemplates.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace tarvelo::controls {
class CNumEdit;
}

namespace tarvelo::dialogs {

struct LevelMarkControls {
    QComboBox* kind = nullptr;        ///< 12002: level mark (301) or plan level mark (302)
    QLabel* levelLabel = nullptr;     ///< 12033
    controls::CNumEdit* level = nullptr;  ///< 12034
    ImageButton* attach = nullptr;    ///< 12038: attach toggle
    QComboBox* unused = nullptr;      ///< 12042: part of the template, hidden and disabled
    QGroupBox* noteGroup = nullptr;   ///< 12035
    QLineEdit* note = nullptr;        ///< 12036: note of a level mark
    QComboBox* extension = nullptr;   ///< 12041: extension lines of a plan mark, in the note's place
    QGroupBox* layerGroup = nullptr;  ///< 12037
};

/// Template 12043: the kind list, the level with its attach toggle, the note
/// or extension-line list, the layer, the shared buttons. Both lists carry
/// their values as item data and start with nothing selected.
LevelMarkControls buildLevelMarkTemplate(QDialog& dialog, const FrameControls& frame);

}  // namespace tarvelo::dialogs

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

/// The identifiers of template 12043's own controls; a control's objectName is its number in decimal.
struct LevelMarkTemplate {
    enum Id : int {
        kKind = 12002,
        kLevelLabel = 12033,
        kLevel = 12034,
        kAttach = 12038,
        kUnused = 12042,
        kNoteGroup = 12035,
        kNote = 12036,
        kExtension = 12041,
        kLayerGroup = 12037,
    };
};

struct LevelMarkControls {
    QComboBox* kind = nullptr;        ///< level mark (301) or plan level mark (302)
    controls::CNumEdit* level = nullptr;
    ImageButton* attach = nullptr;    ///< attach toggle
    QComboBox* unused = nullptr;      ///< part of the template, hidden and disabled
    QLineEdit* note = nullptr;        ///< note of a level mark
    QComboBox* extension = nullptr;   ///< extension lines of a plan mark, in the note's place
};

/// Template 12043: the kind list, the level with its attach toggle, the note
/// or extension-line list, the layer, the shared buttons. Both lists carry
/// their values as item data and start with nothing selected.
LevelMarkControls buildLevelMarkTemplate(QDialog& dialog, const FrameControls& frame);

}  // namespace tarvelo::dialogs

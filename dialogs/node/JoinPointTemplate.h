// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include "SymbolDialogTemplates.h"

class QCheckBox;

namespace tarvelo::dialogs {

/// The controls of template 12055 besides the shared ones.
struct JoinPointControls {
    QLineEdit* designation = nullptr;  // 12052
    QCheckBox* autoNumbering = nullptr;  // 12050, hidden and disabled: numbering is not offered
};

/// Template 12055: the designation under "Идентификация", the layer group
/// "Слой для объекта", the shared buttons.
JoinPointControls buildJoinPointTemplate(QDialog& dialog, const FrameControls& frame);

}  // namespace tarvelo::dialogs

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include "SymbolDialogTemplates.h"

class QComboBox;
class QGroupBox;
class QLabel;

namespace tarvelo::dialogs {

struct WeldControls {
    QGroupBox* typeGroup = nullptr;   // 12100
    QLabel* picture = nullptr;        // 12102
    QComboBox* types = nullptr;       // 12013
    QGroupBox* layerGroup = nullptr;  // 12101
};

/// Template 12079: the type group with the seam picture and the type list,
/// the layer group, then the shared buttons. The list starts empty.
WeldControls buildWeldTemplate(QDialog& dialog, const FrameControls& frame);

/// Appends the sixteen weld types to the list, each with its code as item data.
void insertWeldTypes(QComboBox& types);

}  // namespace tarvelo::dialogs

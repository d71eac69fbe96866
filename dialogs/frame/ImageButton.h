// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QToolButton>

#include "ResourceIds.h"

namespace tarvelo::dialogs {

/// A flat picture button that chooses a type: its pushed state shows the
/// chosen one. The pushed state is set by the dialog, never by the click
/// itself, so a click on the pushed button keeps it pushed.
class ImageButton final : public QToolButton {
    Q_OBJECT
public:
    explicit ImageButton(QWidget* parent = nullptr);
    /// The normal, pushed ("selected"), focused and disabled pictures; 0 means none.
    void LoadBitmaps(const resources::ButtonImages& images);
    void setPushed(bool pushed) { setChecked(pushed); }
    [[nodiscard]] bool isPushed() const { return isChecked(); }

protected:
    void nextCheckState() override {}
};

}  // namespace tarvelo::dialogs

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QComboBox>

namespace tarvelo::controls {

/// A drop-down list of fixed choices whose size is measured once per process.
/// A list sizes itself by shaping the text of every entry, which for the long
/// names of the weld types costs more than building the rest of the dialog;
/// the same entries in the same font and style always measure the same.
class ChoiceBox final : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

private:
    [[nodiscard]] QString measuredAs() const;
};

}  // namespace tarvelo::controls

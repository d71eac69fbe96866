// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QLineEdit>
#include <limits>

#include "NumberText.h"

namespace tarvelo::controls {

/// A text field that takes a typed character only when the field still
/// holds a number afterwards: a refused character puts the previous text
/// back, selects all of it and drops the characters typed ahead. Blanks are
/// never inserted. So a negative value is entered digits first, sign last,
/// and backspacing the last character away is refused. A comma, typed or
/// pasted, is the decimal point and becomes a dot.
///
/// Only typed characters and Backspace are filtered; Delete, pasting and
/// other editing keys work as in any text field. The field's change signals
/// carry only text the filter kept: a refused character is never heard of.
class CNumEdit final : public QLineEdit {
    Q_OBJECT

public:
    explicit CNumEdit(QWidget* parent = nullptr);

    /// kNumberInRange (0) when the text is a number within the range,
    /// kNumberOutOfRange (1) for a number outside it, kNotANumber (2)
    /// otherwise (checkNumberText). The range is every finite float.
    [[nodiscard]] int Validate() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    float m_minimum = std::numeric_limits<float>::lowest();
    float m_maximum = std::numeric_limits<float>::max();
};

}  // namespace tarvelo::controls

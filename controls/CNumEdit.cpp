// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CNumEdit.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <QValidator>

#include "HostServices.h"

namespace tarvelo::controls {

namespace {

// A key press that the platform would deliver as a character to the field:
// printable text or Backspace, without a shortcut modifier.
bool isCharacterInput(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Backspace)
        return true;
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event.text();
    return !text.isEmpty() && text.front().isPrint();
}

// The keypad of a Russian keyboard types a comma, and numbers pasted from
// Russian documents carry one: it is the decimal point, stored and shown as a dot.
class DecimalCommaAsPoint final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        input.replace(QLatin1Char(','), QLatin1Char('.'));
        return Acceptable;
    }
};

}  // namespace

CNumEdit::CNumEdit(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new DecimalCommaAsPoint(this));
}

int CNumEdit::Validate() const
{
    return checkNumberText(text().toStdString(), m_minimum, m_maximum);
}

void CNumEdit::keyPressEvent(QKeyEvent* event)
{
    if (!isCharacterInput(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->text() == QLatin1String(" ")) {
        event->accept();
        return;
    }
    const QString before = text();
    {
        // Listeners hear of a character only once the field has kept it.
        const QSignalBlocker quiet(this);
        QLineEdit::keyPressEvent(event);
    }
    if (Validate() == kNumberInRange) {
        if (text() != before) {
            emit textChanged(text());
            emit textEdited(text());
        }
        return;
    }
    {
        const QSignalBlocker quiet(this);
        setText(before);
    }
    selectAll();
    hostcad::removePendingCharacters(this);
}

}  // namespace tarvelo::controls

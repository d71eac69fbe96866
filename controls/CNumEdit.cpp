// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CNumEdit.h"

#include <QKeyEvent>

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

}  // namespace

CNumEdit::CNumEdit(QWidget* parent) : QLineEdit(parent) {}

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
    QLineEdit::keyPressEvent(event);
    if (Validate() == kNumberInRange)
        return;
    setText(before);
    selectAll();
    hostcad::removePendingCharacters(this);
}

}  // namespace tarvelo::controls

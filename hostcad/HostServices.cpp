// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "HostServices.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <memory>
#include <vector>

#include "ColorDialog.h"

namespace tarvelo::hostcad {

namespace {

// Catches the key presses flushed to one field: swallows the characters and
// keeps copies of the rest, since a posted event cannot be inspected without
// being delivered.
class PendingKeyCatcher final : public QObject {
public:
    explicit PendingKeyCatcher(QObject* edit) : m_edit(edit) {}

    std::vector<std::unique_ptr<QKeyEvent>> takeKept() { return std::move(m_kept); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_edit || event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->text().isEmpty())
            m_kept.emplace_back(key->clone());
        return true;
    }

private:
    QObject* m_edit;
    std::vector<std::unique_ptr<QKeyEvent>> m_kept;
};

}  // namespace

bool zcedSetColorDialog(int& colorNumber, bool allowMetaColors, int currentLayerColor)
{
    const std::optional<int> chosen =
        chooseColor(colorNumber, allowMetaColors, currentLayerColor, QApplication::activeWindow());
    if (!chosen)
        return false;
    colorNumber = *chosen;
    return true;
}

void removePendingCharacters(QWidget* edit)
{
    if (edit == nullptr)
        return;
    PendingKeyCatcher catcher(edit);
    edit->installEventFilter(&catcher);
    QCoreApplication::sendPostedEvents(edit, QEvent::KeyPress);
    edit->removeEventFilter(&catcher);
    for (std::unique_ptr<QKeyEvent>& kept : catcher.takeKept())
        QCoreApplication::postEvent(edit, kept.release());
}

}  // namespace tarvelo::hostcad

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QPointer>
#include <QString>
#include <utility>
#include <vector>

class QWidget;

namespace tarvelo::controls {

/// The tool tips of a dialog, kept so that a dialog registers a tip per
/// control and switches all of them on or off at once. The tips themselves
/// are the controls' own tool tips. A new set is active.
class CToolComment final {
public:
    /// Gives `control` the tip `text`; shown at once while the set is active.
    /// A second tip for the same control replaces the first.
    void AddTool(QWidget* control, const QString& text);

    /// Shows the registered tips (true) or takes them off the controls (false).
    void Activate(bool active);

private:
    std::vector<std::pair<QPointer<QWidget>, QString>> m_tips;
    bool m_active = true;
};

}  // namespace tarvelo::controls

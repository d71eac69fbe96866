// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CToolComment.h"

#include <QWidget>
#include <algorithm>

namespace tarvelo::controls {

void CToolComment::AddTool(QWidget* control, const QString& text)
{
    if (control == nullptr)
        return;
    auto tip = std::find_if(m_tips.begin(), m_tips.end(),
                            [control](const auto& entry) { return entry.first == control; });
    if (tip != m_tips.end())
        tip->second = text;
    else
        m_tips.emplace_back(control, text);
    if (m_active)
        control->setToolTip(text);
}

void CToolComment::Activate(bool active)
{
    m_active = active;
    for (const auto& [control, text] : m_tips) {
        if (control)
            control->setToolTip(active ? text : QString());
    }
}

}  // namespace tarvelo::controls

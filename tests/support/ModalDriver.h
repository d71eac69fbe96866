// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace tarvelo::testing {

struct ModalPoll {
    std::function<void(QWidget*)> driver;
    QDeadlineTimer deadline;
};

inline void pollForModal(const std::shared_ptr<ModalPoll>& poll)
{
    if (QWidget* modal = QApplication::activeModalWidget()) {
        poll->driver(modal);
    } else if (poll->deadline.hasExpired()) {
        poll->driver(nullptr);
    } else {
        QTimer::singleShot(10, [poll] { pollForModal(poll); });
    }
}

/// Runs `driver` on the modal dialog that opens next, polling until it
/// appears; after `timeoutMs` without one the driver gets null, so a missing
/// dialog fails the test instead of hanging it.
inline void whenModalOpens(std::function<void(QWidget*)> driver, int timeoutMs = 5000)
{
    auto poll = std::make_shared<ModalPoll>();
    poll->driver = std::move(driver);
    poll->deadline = QDeadlineTimer(timeoutMs);
    QTimer::singleShot(0, [poll] { pollForModal(poll); });
}

}  // namespace tarvelo::testing

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include "tarvelo/services/IMessageService.h"

namespace tarvelo::controls {

/// Shows the services' messages as real modal message boxes without an
/// owner window, with an OK button; an empty caption becomes the
/// application's display name.
class MessageBoxService final : public services::IMessageService {
public:
    void show(const std::string& caption, const std::string& text, services::MessageIcon icon) override;
};

}  // namespace tarvelo::controls

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdio>
#include <string>

namespace tarvelo::services {

enum class MessageIcon { None, Information, Warning, Error };

/// Every message box of the module goes through here: the product shows a
/// real, modal box; tests record what would have been shown.
class IMessageService {
public:
    virtual ~IMessageService() = default;

    /// Shows the message (UTF-8 texts) and returns when it is dismissed.
    /// An empty caption stands for the application's own name.
    virtual void show(const std::string& caption, const std::string& text, MessageIcon icon) = 0;
};

/// For programs and libraries without windows of their own: a message goes to standard error.
class StandardErrorMessages final : public IMessageService {
public:
    void show(const std::string& caption, const std::string& text, MessageIcon) override
    {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
};

}  // namespace tarvelo::services

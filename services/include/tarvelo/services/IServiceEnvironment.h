// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>

#include "IMessageService.h"
#include "IRegistryBackend.h"

namespace tarvelo::services {

/// What the services touch in the world: the parameter store, message
/// boxes, the user's documents folder and the clock. Tests supply their own.
class IServiceEnvironment {
public:
    virtual ~IServiceEnvironment() = default;

    virtual IRegistryBackend& store() = 0;
    virtual IMessageService& messages() = 0;
    /// The user's documents folder, or nothing when there is none.
    virtual std::optional<std::filesystem::path> documentsFolder() = 0;
    virtual std::tm localTime() = 0;
};

/// The local time now, from the system clock.
std::tm localTimeNow();

/// The real world: the user's store (the registry on Windows), the user's
/// documents folder and the system clock; messages go to the given service.
class SystemServiceEnvironment final : public IServiceEnvironment {
public:
    explicit SystemServiceEnvironment(IMessageService& messages);
    ~SystemServiceEnvironment() override;

    IRegistryBackend& store() override { return *m_store; }
    IMessageService& messages() override { return m_messages; }
    std::optional<std::filesystem::path> documentsFolder() override;
    std::tm localTime() override;

private:
    IMessageService& m_messages;
    std::unique_ptr<IRegistryBackend> m_store;
};

}  // namespace tarvelo::services

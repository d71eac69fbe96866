// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <optional>
#include <type_traits>
#include <utility>

#include "tarvelo/services/IServiceEnvironment.h"
#include "tarvelo/services/MakerLibraries.h"

namespace tarvelo::dialogs {

/// The host-support library, loaded for one step and released when the step
/// ends. Exports are looked up by name; a missing library or export is null.
class HostSupportSession {
public:
    explicit HostSupportSession(services::IServiceEnvironment& environment)
        : m_library(services::LoadHostLibrary(environment))
    {
    }
    ~HostSupportSession() { services::ReleaseLibrary(m_library); }
    HostSupportSession(const HostSupportSession&) = delete;
    HostSupportSession& operator=(const HostSupportSession&) = delete;

    /// The export `name` as a `Function` (one of services::exports), or null.
    template <typename Function>
    [[nodiscard]] Function find(const char* name) const
    {
        return reinterpret_cast<Function>(services::FindExport(m_library, name));
    }

private:
    services::LibraryHandle m_library;
};

/// Loads the host-support library, calls its export `name` and releases the
/// library. For an export with a result: the result, or nothing when the
/// library or the export is missing; for one without: whether it was called.
template <typename Function, typename... Arguments>
auto callHostSupport(services::IServiceEnvironment& environment, const char* name, Arguments&&... arguments)
{
    using Result = std::invoke_result_t<Function, Arguments...>;
    const HostSupportSession library(environment);
    const auto function = library.find<Function>(name);
    if constexpr (std::is_void_v<Result>) {
        if (function == nullptr)
            return false;
        function(std::forward<Arguments>(arguments)...);
        return true;
    } else {
        if (function == nullptr)
            return std::optional<Result>();
        return std::optional<Result>(function(std::forward<Arguments>(arguments)...));
    }
}

}  // namespace tarvelo::dialogs

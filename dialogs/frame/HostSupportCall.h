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
/// ends. A missing library or export is null.
class HostSupportSession {
public:
    explicit HostSupportSession(services::IServiceEnvironment& environment)
        : m_library(services::LoadHostLibrary(environment))
    {
    }

    /// The export `Export` (one of services::exports), or null.
    template <typename Export>
    [[nodiscard]] typename Export::Function find() const
    {
        return m_library.find<Export>();
    }

private:
    services::SharedLibrary m_library;
};

/// Loads the host-support library, calls its export `Export` (one of
/// services::exports) and releases the library. For an export with a result:
/// the result, or nothing when the library or the export is missing; for one
/// without: whether it was called.
template <typename Export, typename... Arguments>
auto callHostSupport(services::IServiceEnvironment& environment, Arguments&&... arguments)
{
    using Result = std::invoke_result_t<typename Export::Function, Arguments...>;
    const HostSupportSession library(environment);
    const auto function = library.find<Export>();
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

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

#include "tarvelo/services/CompanionApi.h"
#include "tarvelo/services/IServiceEnvironment.h"
#include "tarvelo/services/MakerLibraries.h"

namespace tarvelo::dialogs {

/// Hands a block the library made back to the library's FreeBlock.
struct LibraryBlockRelease {
    services::exports::FreeBlock::Function freeBlock = nullptr;
    void operator()(GEOTYPE_DEFINITION::IGeoBlock* block) const
    {
        if (freeBlock != nullptr)
            freeBlock(block);
    }
};

/// A block owned by the library, borrowed until it goes back; it must go
/// before the session that lent it.
using BorrowedBlock = std::unique_ptr<GEOTYPE_DEFINITION::IGeoBlock, LibraryBlockRelease>;

/// The host-support library for one entry-point call: loaded on first use
/// and kept until the session ends, so that the steps of one dialog share
/// one load. A load that failed is tried again on the next use, so that
/// every step that needs the library still reports its absence. A missing
/// export is null.
class HostSupportSession {
public:
    explicit HostSupportSession(services::IServiceEnvironment& environment) : m_environment(environment) {}

    /// The export `Export` (one of services::exports), or null.
    template <typename Export>
    [[nodiscard]] typename Export::Function find() const
    {
        if (!m_library.isLoaded())
            m_library = services::LoadHostLibrary(m_environment);
        return m_library.find<Export>();
    }

    /// Takes a block the library handed out (null stays null) and gives it back to the library when done.
    [[nodiscard]] BorrowedBlock borrow(GEOTYPE_DEFINITION::IGeoBlock* block) const
    {
        const auto freeBlock = block != nullptr ? find<services::exports::FreeBlock>() : nullptr;
        return BorrowedBlock(block, LibraryBlockRelease{freeBlock});
    }

    /// Releases the library; the next use loads it again.
    void close() { m_library = services::SharedLibrary(); }

private:
    services::IServiceEnvironment& m_environment;
    // Loaded by the first look-up, which does not change what the session stands for.
    mutable services::SharedLibrary m_library;
};

/// Calls the export `Export` (one of services::exports) of the session's
/// library. For an export with a result: the result, or nothing when the
/// library or the export is missing; for one without: whether it was called.
template <typename Export, typename... Arguments>
auto callHostSupport(const HostSupportSession& library, Arguments&&... arguments)
{
    using Result = std::invoke_result_t<typename Export::Function, Arguments...>;
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

/// The same for one step: loads the library, calls the export and releases the library.
template <typename Export, typename... Arguments>
auto callHostSupport(services::IServiceEnvironment& environment, Arguments&&... arguments)
{
    HostSupportSession library(environment);
    return callHostSupport<Export>(library, std::forward<Arguments>(arguments)...);
}

}  // namespace tarvelo::dialogs

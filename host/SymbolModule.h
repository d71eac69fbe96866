// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "SymbolModuleApi.h"
#include "tarvelo/geometry/TGeoBlock.h"
#include "tarvelo/services/SharedLibrary.h"

namespace tarvelo::host {

/// Gives a block back to whoever made it: the module's FreeBlock for its
/// blocks, a plain delete for the host's own.
struct BlockRelease {
    void (*release)(GEOTYPE_DEFINITION::IGeoBlock* block) = nullptr;
    void operator()(GEOTYPE_DEFINITION::IGeoBlock* block) const
    {
        if (release != nullptr)
            release(block);
    }
};

/// A block and the way to give it back. A module's block must not outlive
/// the SymbolModule it came from.
using BlockPtr = std::unique_ptr<GEOTYPE_DEFINITION::IGeoBlock, BlockRelease>;

/// Takes over a block the host made itself (read from a file, say).
BlockPtr adoptHostBlock(std::unique_ptr<GEOTYPE_DEFINITION::TGeoBlock> block);

/// Index into module::kSymbolKinds of a short name ("level"), nothing when unknown.
std::optional<std::size_t> symbolKindByName(std::string_view shortName);

/// The Russian name of a kind for buttons and messages ("Отметка уровня").
const char* symbolCaptionUtf8(std::size_t kind);

/// The kind whose dialog makes blocks of this symbol type (its hundreds:
/// 1xx section, 2xx break, ... 8xx axes), nothing for 0 or an unknown type.
std::optional<std::size_t> symbolKindOfType(std::uint32_t symbolType);

/// The symbol module loaded as a CAD program loads it: dlopen with every
/// symbol bound at once, all eleven exports looked up before anything is
/// called. Unloaded when destroyed.
class SymbolModule {
public:
    /// Loads the module at @p path. On failure answers null and puts a
    /// Russian message (UTF-8) into @p errorUtf8: the file is missing, it
    /// cannot be loaded, or exports are missing (all of them are named).
    static std::unique_ptr<SymbolModule> load(const std::filesystem::path& path, std::string& errorUtf8);

    ~SymbolModule();
    SymbolModule(const SymbolModule&) = delete;
    SymbolModule& operator=(const SymbolModule&) = delete;

    /// Runs the entry point of the kind (an index into module::kSymbolKinds)
    /// and takes over the block it returns, to be freed by the module.
    BlockPtr edit(std::size_t kind, std::uintptr_t parentWindow, hostcad::IDrawingDatabase* drawing,
                  GEOTYPE_DEFINITION::IGeoBlock* incoming);

    [[nodiscard]] std::uint32_t apiVersion() const { return m_apiVersion(); }
    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }

private:
    SymbolModule() = default;

    services::SharedLibrary m_library;
    std::filesystem::path m_path;
    std::array<module::SymbolEditor, module::kSymbolKinds.size()> m_editors{};
    module::FreeBlockFunction m_freeBlock = nullptr;
    module::ApiVersionFunction m_apiVersion = nullptr;
};

}  // namespace tarvelo::host

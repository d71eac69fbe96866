// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "SymbolModule.h"

namespace tarvelo::host {

namespace {

using GEOTYPE_DEFINITION::IGeoBlock;
using GEOTYPE_DEFINITION::TGeoBlock;

std::string quoted(const std::filesystem::path& path)
{
    return "«" + path.string() + "»";
}

void deleteHostBlock(IGeoBlock* block)
{
    delete static_cast<TGeoBlock*>(block);
}

}  // namespace

BlockPtr adoptHostBlock(std::unique_ptr<TGeoBlock> block)
{
    return BlockPtr(block.release(), BlockRelease{&deleteHostBlock});
}

std::optional<std::size_t> symbolKindByName(std::string_view shortName)
{
    for (std::size_t kind = 0; kind < module::kSymbolKinds.size(); ++kind) {
        if (module::kSymbolKinds[kind].shortName == shortName)
            return kind;
    }
    return std::nullopt;
}

const char* symbolCaptionUtf8(std::size_t kind)
{
    return kind < module::kSymbolKinds.size() ? module::kSymbolKinds[kind].captionUtf8 : "";
}

std::optional<std::size_t> symbolKindOfType(std::uint32_t symbolType)
{
    for (std::size_t kind = 0; kind < module::kSymbolKinds.size(); ++kind) {
        if (module::kSymbolKinds[kind].typeHundred == symbolType / 100)
            return kind;
    }
    return std::nullopt;
}

std::unique_ptr<SymbolModule> SymbolModule::load(const std::filesystem::path& path, std::string& errorUtf8)
{
    errorUtf8.clear();
    std::error_code status;
    if (!std::filesystem::is_regular_file(path, status)) {
        errorUtf8 = "Модуль символов " + quoted(path) + " не найден. Путь к модулю можно указать в --module.";
        return nullptr;
    }
    services::SharedLibrary library(path);
    if (!library.isLoaded()) {
        const std::string reason = !library.systemMessage().empty()
                                       ? library.systemMessage()
                                       : "код ошибки " + std::to_string(library.error());
        errorUtf8 = "Не удалось загрузить модуль символов " + quoted(path) + ": " + reason + ".";
        return nullptr;
    }

    // Every export the host calls, looked up before the first call, so that
    // a module lacking any of them is refused with all of them named.
    std::unique_ptr<SymbolModule> loaded(new SymbolModule);
    std::string missing;
    const auto lookUp = [&](const auto& entry) {
        const auto function = library.find(entry);
        if (function == nullptr)
            missing += (missing.empty() ? "«" : ", «") + std::string(entry.exportName) + "»";
        return function;
    };
    for (std::size_t kind = 0; kind < module::kSymbolKinds.size(); ++kind)
        loaded->m_editors[kind] = lookUp(module::kSymbolKinds[kind]);
    loaded->m_freeBlock = lookUp(module::FreeBlock{});
    lookUp(module::ModuleFreeGeoCollection{});  // the host never receives a block collection to free
    loaded->m_apiVersion = lookUp(module::zcrxGetApiVersion{});
    if (!missing.empty()) {
        errorUtf8 = "Модуль " + quoted(path) + " не годится как модуль символов: в нём нет функций " + missing + ".";
        return nullptr;
    }
    loaded->m_library = std::move(library);
    loaded->m_path = path;
    return loaded;
}

SymbolModule::~SymbolModule() = default;

BlockPtr SymbolModule::edit(std::size_t kind, std::uintptr_t parentWindow, hostcad::IDrawingDatabase* drawing,
                            IGeoBlock* incoming)
{
    return BlockPtr(m_editors.at(kind)(parentWindow, drawing, incoming), BlockRelease{m_freeBlock});
}

}  // namespace tarvelo::host

// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "SymbolModule.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include <vector>

namespace tarvelo::host {

namespace {

using GEOTYPE_DEFINITION::IGeoBlock;
using GEOTYPE_DEFINITION::TGeoBlock;

#ifdef _WIN32
void* openLibrary(const std::filesystem::path& path)
{
    return ::LoadLibraryW(path.c_str());
}
void* findExport(void* library, const char* name)
{
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(library), name));
}
void closeLibrary(void* library)
{
    ::FreeLibrary(static_cast<HMODULE>(library));
}
std::string lastLoadError()
{
    return "код ошибки " + std::to_string(::GetLastError());
}
#else
void* openLibrary(const std::filesystem::path& path)
{
    // Every symbol bound at once, as a CAD program loads its modules: an
    // unresolved one fails here, not in the middle of a dialog.
    return ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}
void* findExport(void* library, const char* name)
{
    return ::dlsym(library, name);
}
void closeLibrary(void* library)
{
    ::dlclose(library);
}
std::string lastLoadError()
{
    const char* error = ::dlerror();
    return error != nullptr ? error : "причина неизвестна";
}
#endif

std::string quoted(const std::filesystem::path& path)
{
    return "«" + path.string() + "»";
}

void deleteHostBlock(IGeoBlock* block)
{
    delete static_cast<TGeoBlock*>(block);
}

template <class Function>
Function exportAs(void* address)
{
    return reinterpret_cast<Function>(address);
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
    static constexpr std::pair<std::string_view, const char*> kCaptions[]{
        {"section", "Разрез"}, {"break", "Обрыв"}, {"level", "Отметка уровня"}, {"note", "Выноска"},
        {"node", "Узел"},      {"axes", "Оси"},    {"weld", "Шов"},             {"hatch", "Штриховка"},
    };
    for (const auto& [shortName, caption] : kCaptions) {
        if (kind < module::kSymbolKinds.size() && module::kSymbolKinds[kind].shortName == shortName)
            return caption;
    }
    return "";
}

std::optional<std::size_t> symbolKindOfType(std::uint32_t symbolType)
{
    // The hundreds of a symbol type name the dialog that makes it.
    static constexpr std::array<std::string_view, 9> kKindOfHundred{
        "", "section", "break", "level", "note", "node", "hatch", "weld", "axes"};
    const std::uint32_t hundred = symbolType / 100;
    if (hundred == 0 || hundred >= kKindOfHundred.size())
        return std::nullopt;
    return symbolKindByName(kKindOfHundred[hundred]);
}

std::unique_ptr<SymbolModule> SymbolModule::load(const std::filesystem::path& path, std::string& errorUtf8)
{
    errorUtf8.clear();
    std::error_code status;
    if (!std::filesystem::is_regular_file(path, status)) {
        errorUtf8 = "Модуль символов " + quoted(path) + " не найден. Путь к модулю можно указать в --module.";
        return nullptr;
    }
    void* library = openLibrary(path);
    if (library == nullptr) {
        errorUtf8 = "Не удалось загрузить модуль символов " + quoted(path) + ": " + lastLoadError() + ".";
        return nullptr;
    }

    // Every export the host calls, looked up in one pass so that a module
    // lacking any of them is refused before its first call.
    std::vector<const char*> names;
    for (const module::SymbolKind& kind : module::kSymbolKinds)
        names.push_back(kind.exportName);
    names.push_back(module::kFreeBlockExport);
    names.push_back(module::kFreeCollectionExport);
    names.push_back(module::kApiVersionExport);
    std::vector<void*> addresses;
    std::string missing;
    for (const char* name : names) {
        addresses.push_back(findExport(library, name));
        if (addresses.back() == nullptr)
            missing += (missing.empty() ? "«" : ", «") + std::string(name) + "»";
    }
    if (!missing.empty()) {
        closeLibrary(library);
        errorUtf8 = "Модуль " + quoted(path) + " не годится как модуль символов: в нём нет функций " + missing + ".";
        return nullptr;
    }

    std::unique_ptr<SymbolModule> module(new SymbolModule);
    module->m_library = library;
    module->m_path = path;
    std::size_t next = 0;
    for (module::SymbolEditor& editor : module->m_editors)
        editor = exportAs<module::SymbolEditor>(addresses[next++]);
    module->m_freeBlock = exportAs<module::FreeBlockFunction>(addresses[next++]);
    ++next;  // the host never receives a block collection, so it never frees one
    module->m_apiVersion = exportAs<module::ApiVersionFunction>(addresses[next++]);
    return module;
}

SymbolModule::~SymbolModule()
{
    closeLibrary(m_library);
}

BlockPtr SymbolModule::edit(std::size_t kind, std::uintptr_t parentWindow, hostcad::IDrawingDatabase* drawing,
                            IGeoBlock* incoming)
{
    return BlockPtr(m_editors.at(kind)(parentWindow, drawing, incoming), BlockRelease{m_freeBlock});
}

}  // namespace tarvelo::host

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// The exports of the host-support library, looked up by name by the symbol
// module. Each call reads the user's store afresh; the data file beside the
// library is parsed again only when it has changed since the last call while
// the library was loaded. The module loads the library for one call and frees it after.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>

#include "CatalogCache.h"
#include "DefaultsFile.h"
#include "HostSupport.h"
#include "UserRegisters.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/CompanionApi.h"
#include "tarvelo/services/FxLogger.h"
#include "tarvelo/services/IMessageService.h"
#include "tarvelo/services/IServiceEnvironment.h"
#include "tarvelo/services/TextCodec.h"

#ifdef _WIN32
#include <windows.h>
#define HOSTSUPPORT_EXPORT extern "C" __declspec(dllexport)
#else
#include <dlfcn.h>
#define HOSTSUPPORT_EXPORT extern "C" __attribute__((visibility("default")))
#endif

using GEOTYPE_DEFINITION::IGeoBlock;
using GEOTYPE_DEFINITION::TGeoBlock;
using namespace tarvelo;

namespace {

std::filesystem::path libraryFolder()
{
#ifdef _WIN32
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&libraryFolder), &self);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(self, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
#else
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&libraryFolder), &info) == 0 || info.dli_fname == nullptr)
        return {};
    return std::filesystem::path(info.dli_fname).parent_path();
#endif
}

hostsupport::CatalogCache g_catalogs;

/// What one call needs: the user's store, read now, and the data file.
class Session {
public:
    Session() : m_environment(m_messages), m_hub(m_environment), m_registers(m_hub, m_environment.store())
    {
        auto result = g_catalogs.read(libraryFolder() / hostsupport::kDataFileName);
        if (result.catalog) {
            m_catalog = std::move(result.catalog);
            m_support.emplace(*m_catalog, m_registers);
            return;
        }
        services::FxLogger logger(m_environment);
        if (logger.IsReady())
            logger.WriteLine(text::utf8ToCp1251("Ошибка в файле умолчаний библиотеки поддержки: " + result.problem));
    }

    /// Null when the data file could not be read.
    hostsupport::HostSupport* support() { return m_support ? &*m_support : nullptr; }

private:
    // The library has no windows of its own.
    services::StandardErrorMessages m_messages;
    services::SystemServiceEnvironment m_environment;
    services::CSysHub m_hub;
    hostsupport::UserRegisters m_registers;
    std::shared_ptr<const hostsupport::Catalog> m_catalog;
    std::optional<hostsupport::HostSupport> m_support;
};

/// Blocks handed out and not yet given back. Only these are ever deleted,
/// and whatever is left when the library is unloaded goes with it, since the
/// blocks' code goes too.
class IssuedBlocks {
public:
    IGeoBlock* issue(std::unique_ptr<TGeoBlock> block)
    {
        IGeoBlock* handed = block.get();
        if (handed != nullptr)
            m_blocks.emplace(handed, std::move(block));
        return handed;
    }
    void release(IGeoBlock* block) { m_blocks.erase(block); }

private:
    std::map<IGeoBlock*, std::unique_ptr<TGeoBlock>> m_blocks;
};

IssuedBlocks g_issued;

// Nothing may cross the C boundary; a failed call does nothing and answers `fallback`.
template <typename Result, typename Action>
Result guarded(Result fallback, Action action)
{
    try {
        Session session;
        if (auto* support = session.support())
            return action(*support);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "dhostsp: %s\n", error.what());
    }
    return fallback;
}

template <typename Action>
void guardedVoid(Action action)
{
    guarded(0, [&](hostsupport::HostSupport& support) {
        action(support);
        return 0;
    });
}

}  // namespace

HOSTSUPPORT_EXPORT IGeoBlock* GetAttribs(std::uint32_t symbolType)
{
    return guarded<IGeoBlock*>(nullptr, [&](auto& support) { return g_issued.issue(support.attributes(symbolType)); });
}

HOSTSUPPORT_EXPORT IGeoBlock* ReadTraits(std::uint32_t symbolType)
{
    return guarded<IGeoBlock*>(nullptr, [&](auto& support) { return g_issued.issue(support.attributes(symbolType)); });
}

HOSTSUPPORT_EXPORT void FreeBlock(IGeoBlock* block)
{
    if (block != nullptr)
        g_issued.release(block);
}

HOSTSUPPORT_EXPORT std::uint32_t GetColorFromDB(std::int32_t colorNumber)
{
    return guarded<std::uint32_t>(0, [&](auto& support) { return support.screenColor(colorNumber); });
}

HOSTSUPPORT_EXPORT void FillParamRecs(std::uint32_t symbolType, services::IParamRowSink* rows)
{
    if (rows != nullptr)
        guardedVoid([&](auto& support) { support.fillRows(symbolType, *rows); });
}

HOSTSUPPORT_EXPORT void FillComboBox(int row, std::uint32_t listCode, services::IChoiceSink* choices)
{
    (void)listCode;  // the current choice; the sink only collects the list
    if (choices != nullptr)
        guardedVoid([&](auto& support) { support.fillChoices(row, *choices); });
}

HOSTSUPPORT_EXPORT std::uint32_t AppendColorDb(std::int32_t colorNumber, const char* text, std::uint16_t red,
                                               std::uint16_t green, std::uint16_t blue)
{
    return guarded<std::uint32_t>(hostsupport::kByLayer, [&](auto& support) {
        return support.appendColor(colorNumber, text != nullptr ? text : "", red, green, blue);
    });
}

HOSTSUPPORT_EXPORT std::uint32_t AppendLineTypeDb(const char* name)
{
    if (name == nullptr)
        return 0;
    return guarded<std::uint32_t>(0, [&](auto& support) { return support.appendLineType(name); });
}

HOSTSUPPORT_EXPORT void DescribeAttributes(IGeoBlock* block)
{
    if (block != nullptr)
        guardedVoid([&](auto& support) { support.describe(*block); });
}

HOSTSUPPORT_EXPORT void UpdateAttributes(IGeoBlock* block)
{
    if (block != nullptr)
        guardedVoid([&](auto& support) { support.update(*block); });
}

HOSTSUPPORT_EXPORT IGeoBlock* GetDefaultAxis(std::uint32_t symbolType)
{
    return guarded<IGeoBlock*>(nullptr, [&](auto& support) { return g_issued.issue(support.defaultAxes(symbolType)); });
}

HOSTSUPPORT_EXPORT void SaveDefaultAxis(IGeoBlock* block)
{
    if (block != nullptr)
        guardedVoid([&](auto& support) { support.saveAxes(*block); });
}

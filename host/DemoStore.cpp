// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DemoStore.h"

#include <QFile>
#include <QtGlobal>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ScaleNotation.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/IMessageService.h"
#include "tarvelo/services/IServiceEnvironment.h"
#include "tarvelo/services/MakerLibraries.h"
#include "tarvelo/services/SqliteRegistryStore.h"

namespace tarvelo::host {

namespace {

using services::CSysHub;
using services::SqliteRegistryStore;

// The store is read and written without a window: a failure is already in the error log.
class SilentMessages final : public services::IMessageService {
public:
    void show(const std::string&, const std::string&, services::MessageIcon) override {}
};

// The decimals the install step writes where the user has stored none.
constexpr std::pair<const char*, std::uint32_t> kDecimals[] = {{"Roundz", 2}, {"RoundzLevel", 3}};

struct CarriedOver {
    std::vector<std::pair<const char*, std::string>> libraries;
    std::vector<std::pair<const char*, std::uint32_t>> decimals;
};

CarriedOver readCurrentStore()
{
    SilentMessages messages;
    services::SystemServiceEnvironment environment(messages);
    CSysHub hub(environment);
    CarriedOver carried;
    for (const char* library : {services::kHostSupportLibraryValue, services::kSettingsLibraryValue}) {
        std::string path;
        if (hub.ModulePath(library, path))
            carried.libraries.emplace_back(library, path);
    }
    for (const auto& [name, installed] : kDecimals) {
        services::StoredValue stored;
        const bool present = environment.store().readValue(false, CSysHub::kParamsKey, name, stored) == 0;
        carried.decimals.emplace_back(name, present ? hub.GetDwordParams("", name) : installed);
    }
    return carried;
}

}  // namespace

DemoStore::DemoStore()
{
    if (!m_folder.isValid())
        return;
    const CarriedOver carried = readCurrentStore();
    m_hadLocation = qEnvironmentVariableIsSet(SqliteRegistryStore::kLocationVariable);
    m_previousLocation = qgetenv(SqliteRegistryStore::kLocationVariable);
    qputenv(SqliteRegistryStore::kLocationVariable, QFile::encodeName(m_folder.path()));
    m_active = true;

    SilentMessages messages;
    services::SystemServiceEnvironment environment(messages);
    CSysHub hub(environment);
    for (const auto& [library, path] : carried.libraries)
        hub.SetStringParams(CSysHub::kModulesKey, library, path, false);
    for (const auto& [name, decimals] : carried.decimals)
        hub.SetDwordParam("", name, decimals);
    // As the scale dialog saves a default ticked "Сохранить по умолчанию".
    hub.SetStringParams(CSysHub::kParamsKey, "SymScl", controls::scaleDefaultText(kSymbolScale), false);
}

DemoStore::~DemoStore()
{
    if (!m_active)
        return;
    if (m_hadLocation)
        qputenv(SqliteRegistryStore::kLocationVariable, m_previousLocation);
    else
        qunsetenv(SqliteRegistryStore::kLocationVariable);
}

}  // namespace tarvelo::host

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Writes the paths of the two companion libraries into the user's store, as
// an installer does, so that the symbol module finds them.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/IMessageService.h"
#include "tarvelo/services/IServiceEnvironment.h"
#include "tarvelo/services/IRegistryBackend.h"
#include "tarvelo/services/MakerLibraries.h"
#include "tarvelo/services/TextCodec.h"

namespace {

class ConsoleMessages final : public tarvelo::services::IMessageService {
public:
    void show(const std::string& caption, const std::string& text, tarvelo::services::MessageIcon) override
    {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
};

int usage()
{
    std::fputs("Использование: tarvelo-register-libraries --host БИБЛИОТЕКА_ПОДДЕРЖКИ --settings БИБЛИОТЕКА_НАСТРОЕК\n",
               stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::filesystem::path host;
    std::filesystem::path settings;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--host") == 0)
            host = argv[i + 1];
        else if (std::strcmp(argv[i], "--settings") == 0)
            settings = argv[i + 1];
        else
            return usage();
    }
    if (host.empty() || settings.empty() || argc % 2 == 0)
        return usage();

    using namespace tarvelo::services;
    ConsoleMessages messages;
    SystemServiceEnvironment environment(messages);
    CSysHub hub(environment);
    int failures = 0;
    for (const auto& [valueName, path] : {std::pair{kHostSupportLibraryValue, host}, {kSettingsLibraryValue, settings}}) {
        std::error_code error;
        const auto absolute = std::filesystem::weakly_canonical(path, error);
        if (error || !std::filesystem::is_regular_file(absolute)) {
            std::fprintf(stderr, "Нет файла библиотеки: %s\n", path.string().c_str());
            ++failures;
            continue;
        }
        // The store keeps paths as the module reads them: code page 1251.
        const auto stored = tarvelo::text::utf8ToCp1251(absolute.string());
        hub.SetStringParams(CSysHub::kModulesKey, valueName, stored, false);
        std::string readBack;
        if (!hub.ModulePath(valueName, readBack) || readBack != stored) {
            std::fprintf(stderr, "Не удалось записать путь %s в хранилище параметров\n", valueName);
            ++failures;
            continue;
        }
        std::printf("%s = %s\n", valueName, absolute.string().c_str());
    }
    return failures == 0 ? 0 : 1;
}

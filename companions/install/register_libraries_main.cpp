// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Writes the paths of the two companion libraries into the user's store, as
// an installer does, so that the symbol module finds them; and the
// draughtsman's decimals where the user has stored none.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <filesystem>
#include <string>

#include "UserDefaults.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/IMessageService.h"
#include "tarvelo/services/IServiceEnvironment.h"
#include "tarvelo/services/MakerLibraries.h"
#include "tarvelo/services/TextCodec.h"

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kBadCommandLine = 2;

constexpr const char* kUsage =
    "Использование: tarvelo-register-libraries --host БИБЛИОТЕКА_ПОДДЕРЖКИ --settings БИБЛИОТЕКА_НАСТРОЕК\n";

// Qt's own help and error texts are English; the user reads these instead.
constexpr const char* kHelp =
    "\n"
    "Записывает в хранилище параметров пользователя пути к библиотеке поддержки\n"
    "и библиотеке настроек, чтобы модуль условных обозначений их нашёл, а также\n"
    "число знаков после запятой для длин (\"Roundz\") и отметок (\"RoundzLevel\"),\n"
    "если пользователь их ещё не задал.\n"
    "\n"
    "Параметры:\n"
    "  --host БИБЛИОТЕКА_ПОДДЕРЖКИ      путь к библиотеке поддержки (libdhostsp.so)\n"
    "  --settings БИБЛИОТЕКА_НАСТРОЕК   путь к библиотеке настроек (libcfgkit.so)\n"
    "  -h, --help                       показать эту справку\n";

int refuse(const QString& problem)
{
    std::fprintf(stderr, "%s\n%s", problem.toStdString().c_str(), kUsage);
    return kBadCommandLine;
}

/// Stores one library path; false, with a message, when it cannot.
bool registerLibrary(tarvelo::services::CSysHub& hub, const char* valueName, const std::filesystem::path& path)
{
    std::error_code error;
    const auto absolute = std::filesystem::weakly_canonical(path, error);
    if (error || !std::filesystem::is_regular_file(absolute)) {
        std::fprintf(stderr, "Нет файла библиотеки: %s\n", path.string().c_str());
        return false;
    }
    // The store keeps paths as the module reads them: code page 1251.
    const auto stored = tarvelo::text::utf8ToCp1251(absolute.string());
    hub.SetStringParams(tarvelo::services::CSysHub::kModulesKey, valueName, stored, false);
    std::string readBack;
    if (!hub.ModulePath(valueName, readBack) || readBack != stored) {
        std::fprintf(stderr, "Не удалось записать путь %s в хранилище параметров\n", valueName);
        return false;
    }
    std::printf("%s = %s\n", valueName, absolute.string().c_str());
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption host(QStringLiteral("host"), QString(), QStringLiteral("БИБЛИОТЕКА_ПОДДЕРЖКИ"));
    const QCommandLineOption settings(QStringLiteral("settings"), QString(), QStringLiteral("БИБЛИОТЕКА_НАСТРОЕК"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({host, settings, help});
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString name = parser.unknownOptionNames().front();
            return refuse(QStringLiteral("Неизвестный параметр: %1%2").arg(name.size() == 1 ? "-" : "--", name));
        }
        return refuse(QStringLiteral("Не указан путь после параметра."));
    }
    if (parser.isSet(help)) {
        std::printf("%s%s", kUsage, kHelp);
        return kDone;
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("Лишний аргумент: %1").arg(parser.positionalArguments().front()));
    if (parser.values(host).size() > 1 || parser.values(settings).size() > 1)
        return refuse(QStringLiteral("Каждый путь указывается один раз."));
    const QString hostPath = parser.value(host);
    const QString settingsPath = parser.value(settings);
    if (hostPath.isEmpty() || settingsPath.isEmpty())
        return refuse(QStringLiteral("Нужны оба пути: --host и --settings."));

    using namespace tarvelo::services;
    tarvelo::services::StandardErrorMessages messages;
    SystemServiceEnvironment environment(messages);
    CSysHub hub(environment);
    int failures = 0;
    failures += registerLibrary(hub, kHostSupportLibraryValue, hostPath.toStdString()) ? 0 : 1;
    failures += registerLibrary(hub, kSettingsLibraryValue, settingsPath.toStdString()) ? 0 : 1;
    // A fresh store would show every length without decimals and round what a dialog saves.
    for (const auto& written : tarvelo::cfgkit::storeMissingDecimals(hub))
        std::printf("%s = %u\n", written.name, written.value);
    return failures == 0 ? kDone : kFailed;
}

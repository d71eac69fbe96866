// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "HostOptions.h"

#include "SymbolModule.h"

namespace tarvelo::host {

namespace {

std::string kindNames()
{
    std::string names;
    for (const module::SymbolKind& kind : module::kSymbolKinds)
        names += (names.empty() ? "" : ", ") + std::string(kind.shortName);
    return names;
}

}  // namespace

std::optional<HostOptions> parseHostOptions(const QStringList& arguments, std::string& errorUtf8)
{
    errorUtf8.clear();
    HostOptions options;
    QString symbolName;
    const std::pair<const char*, QString*> valued[] = {
        {"--drawing", &options.drawing}, {"--symbol", &symbolName}, {"--edit", &options.editFile},
        {"--json", &options.jsonFile},   {"--module", &options.module}, {"--demo", &options.demoFolder},
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
            continue;
        }
        QString* target = nullptr;
        for (const auto& [name, value] : valued) {
            if (argument == QLatin1String(name))
                target = value;
        }
        if (target == nullptr) {
            errorUtf8 = "Неизвестный параметр «" + argument.toStdString() + "». Список параметров: --help.";
            return std::nullopt;
        }
        if (i + 1 == arguments.size() || arguments[i + 1].isEmpty()) {
            errorUtf8 = "После «" + argument.toStdString() + "» нужно указать значение.";
            return std::nullopt;
        }
        *target = arguments[++i];
    }
    if (!symbolName.isEmpty()) {
        options.symbolKind = symbolKindByName(symbolName.toStdString());
        if (!options.symbolKind) {
            errorUtf8 = "Неизвестный вид символа «" + symbolName.toStdString() + "». Допустимы: " + kindNames() + ".";
            return std::nullopt;
        }
    }
    if (!options.jsonFile.isEmpty() && !options.demoFolder.isEmpty()) {
        errorUtf8 = "Параметры --json и --demo вместе не используются.";
        return std::nullopt;
    }
    if (!options.jsonFile.isEmpty() && !options.symbolKind && options.editFile.isEmpty()) {
        errorUtf8 = "С параметром --json нужно указать --symbol или --edit.";
        return std::nullopt;
    }
    return options;
}

QString hostUsage()
{
    return QString::fromStdString(
        "Использование: tarvelo-host [параметры]\n"
        "Открывает чертёж DXF, загружает модуль символов и показывает блоки, которые он возвращает.\n"
        "\n"
        "  --drawing ФАЙЛ      чертёж DXF; без него открывается пример plan.dxf\n"
        "  --symbol ВИД        сразу вызвать символ этого вида: " +
        kindNames() +
        "\n"
        "  --edit БЛОК.json    изменить блок, прочитанный из файла JSON\n"
        "  --json ВЫХОД.json   без окна: вызвать символ один раз и записать блок в файл\n"
        "  --module ПУТЬ       модуль символов вместо собранного вместе с программой\n"
        "  --demo ПАПКА        показ без окна: снимки всех диалогов в папку, блоки в JSON на стандартный вывод;\n"
        "                      без дисплея программа всегда работает так (по умолчанию в папку demo-output)\n"
        "  --help              эта справка\n"
        "\n"
        "Коды завершения: 0 успех, 1 диалог закрыт без блока, 2 ошибка в параметрах, 3 модуль не загружен,\n"
        "4 чертёж не открыт, 5 файл блока не прочитан или не записан, 6 диалог показа не открылся.\n");
}

}  // namespace tarvelo::host

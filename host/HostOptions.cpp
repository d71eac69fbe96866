// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "HostOptions.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cmath>

#include "DxfNameDecoder.h"
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

// "X,Y" with a dot for decimals, as the C library prints numbers.
std::optional<QPointF> pointNamed(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2)
        return std::nullopt;
    bool xRead = false;
    bool yRead = false;
    const double x = parts[0].trimmed().toDouble(&xRead);
    const double y = parts[1].trimmed().toDouble(&yRead);
    if (!xRead || !yRead || !std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    return QPointF(x, y);
}

}  // namespace

std::optional<HostOptions> parseHostOptions(const QStringList& arguments, std::string& errorUtf8)
{
    errorUtf8.clear();
    const auto refuse = [&errorUtf8](std::string message) -> std::optional<HostOptions> {
        errorUtf8 = std::move(message);
        return std::nullopt;
    };
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption drawing("drawing", {}, "file");
    const QCommandLineOption symbol("symbol", {}, "kind");
    const QCommandLineOption edit("edit", {}, "file");
    const QCommandLineOption json("json", {}, "file");
    const QCommandLineOption module("module", {}, "path");
    const QCommandLineOption demo("demo", {}, "folder");
    const QCommandLineOption codePage("codepage", {}, "code page");
    const QCommandLineOption listLayers("list-layers");
    const QCommandLineOption exportDxf("export-dxf", {}, "file");
    const QCommandLineOption exportSvg("export-svg", {}, "file");
    const QCommandLineOption into("into", {}, "file");
    const QCommandLineOption at("at", {}, "x,y");
    const QCommandLineOption* const valued[] = {&drawing, &symbol,    &edit,      &json, &module, &demo,
                                                &codePage, &exportDxf, &exportSvg, &into, &at};

    QCommandLineParser parser;
    parser.addOptions(
        {help, drawing, symbol, edit, json, module, demo, codePage, listLayers, exportDxf, exportSvg, into, at});
    // The parser's own messages are English; each mistake is told here in Russian instead.
    if (!parser.parse(QStringList{QStringLiteral("tarvelo-host")} + arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString dashes = unknown.front().size() == 1 ? "-" : "--";
            return refuse("Неизвестный параметр «" + (dashes + unknown.front()).toStdString() +
                          "». Список параметров: --help.");
        }
        for (const QCommandLineOption* option : valued) {
            if (!arguments.isEmpty() && arguments.last() == "--" + option->names().front())
                return refuse("После «" + arguments.last().toStdString() + "» нужно указать значение.");
        }
        for (const QString& argument : arguments) {
            if (argument.startsWith("--list-layers=") || argument.startsWith("--help="))
                return refuse("У параметра «" + argument.section('=', 0, 0).toStdString() + "» не бывает значения.");
        }
        return refuse("Параметры не разобраны. Список параметров: --help.");
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse("Неизвестный параметр «" + parser.positionalArguments().front().toStdString() +
                      "». Список параметров: --help.");
    for (const QCommandLineOption* option : valued) {
        if (parser.isSet(*option) && parser.value(*option).isEmpty())
            return refuse("После «--" + option->names().front().toStdString() + "» нужно указать значение.");
    }

    HostOptions options;
    options.help = parser.isSet(help);
    options.drawing = parser.value(drawing);
    options.editFile = parser.value(edit);
    options.jsonFile = parser.value(json);
    options.module = parser.value(module);
    options.demoFolder = parser.value(demo);
    options.listLayers = parser.isSet(listLayers);
    options.exportDxf = parser.value(exportDxf);
    options.exportSvg = parser.value(exportSvg);
    options.into = parser.value(into);
    if (parser.isSet(at)) {
        options.at = pointNamed(parser.value(at));
        if (!options.at)
            return refuse("Неверное значение --at «" + parser.value(at).toStdString() +
                          "»: нужны две координаты чертежа через запятую, например --at 1500,-200.5.");
    }
    if (parser.isSet(symbol)) {
        const QString symbolName = parser.value(symbol);
        options.symbolKind = symbolKindByName(symbolName.toStdString());
        if (!options.symbolKind)
            return refuse("Неизвестный вид символа «" + symbolName.toStdString() + "». Допустимы: " + kindNames() +
                          ".");
    }
    if (parser.isSet(codePage)) {
        options.charset = DxfNameDecoder::charsetNamed(parser.value(codePage).toStdString());
        if (options.charset.empty())
            return refuse("Неизвестная кодовая страница «" + parser.value(codePage).toStdString() +
                          "». Укажите, например, 1251, 866, ANSI_1252 или UTF-8.");
    }
    if (options.listLayers &&
        (options.symbolKind || !options.editFile.isEmpty() || !options.jsonFile.isEmpty() ||
         !options.demoFolder.isEmpty() || exportsSymbols(options) || options.at))
        return refuse("Параметр --list-layers не сочетается с --symbol, --edit, --json, --demo и параметрами вывода "
                      "(--export-dxf, --export-svg, --into, --at).");
    if (exportsSymbols(options) && !options.symbolKind && options.editFile.isEmpty() && options.demoFolder.isEmpty())
        return refuse(
            "Параметрам --export-dxf, --export-svg и --into нужны символы: укажите --symbol, --edit или --demo.");
    const QString* const outputs[] = {&options.jsonFile, &options.exportDxf, &options.exportSvg, &options.into};
    for (const QString* first : outputs) {
        for (const QString* second : outputs) {
            if (first < second && !first->isEmpty() && QFileInfo(*first).absoluteFilePath() ==
                                                           QFileInfo(*second).absoluteFilePath())
                return refuse("Два результата нельзя записать в один файл «" + first->toStdString() + "».");
        }
    }
    if (!options.jsonFile.isEmpty() && !options.demoFolder.isEmpty())
        return refuse("Параметры --json и --demo вместе не используются.");
    if (!options.jsonFile.isEmpty() && !options.symbolKind && options.editFile.isEmpty())
        return refuse("С параметром --json нужно указать --symbol или --edit.");
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
        "  --codepage КС       кодовая страница имён слоёв вместо той, что указана в чертеже:\n"
        "                      1251, 866, ANSI_1252, UTF-8 и т. п. (чертежи R12 своей часто не указывают)\n"
        "  --list-layers       без окна: вывести имена слоёв чертежа по одному в строке (UTF-8) и выйти\n"
        "  --export-dxf ФАЙЛ   записать символы отдельным чертежом DXF (R2010, тексты в UTF-8)\n"
        "  --into ФАЙЛ         записать чертёж из --drawing с добавленными символами в другой файл\n"
        "                      (формат, кодовая страница и всё прочее содержимое чертежа сохраняются)\n"
        "  --export-svg ФАЙЛ   записать символы рисунком SVG в миллиметрах листа\n"
        "  --at X,Y            куда поставить новые символы, ещё не размещённые точками (по умолчанию\n"
        "                      в центр границ чертежа); несколько символов встают в ряд вправо, не перекрываясь\n"
        "  --demo ПАПКА        показ без окна: снимки всех диалогов в папку, блоки в JSON на стандартный вывод;\n"
        "                      без дисплея программа всегда работает так (по умолчанию в папку demo-output)\n"
        "  --help              эта справка\n"
        "\n"
        "С --symbol или --edit параметры вывода работают без окна, как --json; с --demo выводятся все\n"
        "символы показа.\n"
        "\n"
        "Коды завершения: 0 успех, 1 диалог закрыт без блока, 2 ошибка в параметрах, 3 модуль не загружен,\n"
        "4 чертёж не открыт, 5 файл блока не прочитан или не записан, 6 диалог показа не открылся,\n"
        "7 файл DXF или SVG не записан.\n");
}

}  // namespace tarvelo::host

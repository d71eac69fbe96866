// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "BlockJson.h"
#include "FakeModuleLog.h"
#include "SymbolModuleApi.h"
#include "tarvelo/services/TextCodec.h"

using tarvelo::host::blockFromJson;
using tarvelo::host::testing::FakeModuleLog;
using tarvelo::host::testing::kFakeModule;

namespace {

struct HostRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the host program as a user would on a machine without a screen.
HostRun runHost(const QStringList& arguments, const FakeModuleLog& log, const QStringList& extraEnvironment = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("FAKE_SYMBOLS_LOG", log.path());
    for (const QString& variable : extraEnvironment)
        environment.insert(variable, "1");
    QProcess host;
    host.setProcessEnvironment(environment);
    host.setWorkingDirectory(log.folder());
    host.start(HOST_PROGRAM, arguments);
    HostRun run;
    if (!host.waitForFinished(60000)) {
        host.kill();
        host.waitForFinished();
        ADD_FAILURE() << "the host program did not finish";
        return run;
    }
    run.exitCode = host.exitStatus() == QProcess::NormalExit ? host.exitCode() : -1;
    run.out = QString::fromUtf8(host.readAllStandardOutput());
    run.err = QString::fromUtf8(host.readAllStandardError());
    return run;
}

QStringList lines(const QString& text)
{
    QStringList split = text.split('\n');
    if (!split.isEmpty() && split.last().isEmpty())
        split.removeLast();
    return split;
}

std::string fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

}  // namespace

// --json runs the symbol once without a window, writes the block it got and
// gives it back to the module.
TEST(HostProgram, jsonOptionWritesTheBlock)
{
    FakeModuleLog log;
    const QString out = log.folder() + "/level.json";
    const HostRun run = runHost({"--module", kFakeModule, "--symbol", "level", "--json", out}, log);

    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    std::string error;
    const auto block = blockFromJson(fileText(out), error);
    ASSERT_TRUE(block) << error;
    EXPECT_EQ(block->GetSymbolType(), 301u);
    EXPECT_EQ(block->GetExtData()->GetMainText(), tarvelo::text::utf8ToCp1251("Отметка +0.000"));
    EXPECT_EQ(log.made().size(), 1);
    EXPECT_TRUE(log.allFreed());
}

// --edit reads the block, hands it to the entry point of its symbol type as
// an existing symbol, and the answer is written.
TEST(HostProgram, editOptionPassesTheBlockFromTheFile)
{
    FakeModuleLog log;
    const QString in = log.folder() + "/in.json";
    QFile file(in);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"symbolType": 203, "extData": {"symbolType": 203, "subText": "Обрыв 2"}})");
    file.close();
    const QString out = log.folder() + "/out.json";
    const HostRun run = runHost({"--module", kFakeModule, "--edit", in, "--json", out}, log);

    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_EQ(log.calls().size(), 1);
    EXPECT_TRUE(log.calls()[0].startsWith("DivisionSymbol parent 0 layers ")) << log.calls()[0].toStdString();
    EXPECT_TRUE(log.calls()[0].endsWith("incoming edit 1"));
    std::string error;
    const auto block = blockFromJson(fileText(out), error);
    ASSERT_TRUE(block) << error;
    EXPECT_EQ(block->GetExtData()->GetSubText(), tarvelo::text::utf8ToCp1251("Обрыв 2"));
    EXPECT_TRUE(log.allFreed());
}

// A module that lacks an export and a block file that is not JSON are
// reported in Russian with their own exit codes, and nothing is written.
TEST(HostProgram, reportsWhatItCannotUse)
{
    FakeModuleLog log;
    const QString out = log.folder() + "/out.json";
    HostRun run = runHost({"--module", tarvelo::host::testing::kFakeModuleWithoutWeld, "--symbol", "weld", "--json", out},
                      log);
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.err.contains(QStringLiteral("не годится как модуль символов: в нём нет функций «WeldSymbol»")))
        << run.err.toStdString();

    const QString broken = log.folder() + "/broken.json";
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"scale\": }");
    file.close();
    run = runHost({"--module", kFakeModule, "--edit", broken, "--json", out}, log);
    EXPECT_EQ(run.exitCode, 5);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Не удалось прочитать блок из файла «%1». Ошибка в записи JSON, "
                                                "строка 1, позиция 11")
                                     .arg(broken)))
        << run.err.toStdString();

    run = runHost({"--module", kFakeModule, "--symbol", "level", "--json", out, "--drawing", broken}, log);
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_TRUE(log.calls().isEmpty());
}

// Without a screen the host shows every dialog in turn: it dismisses the
// module's message boxes, photographs each dialog, accepts it, prints the
// blocks and frees them, and says where the pictures are.
TEST(HostProgram, demonstrationPhotographsEveryDialog)
{
    FakeModuleLog log;
    const HostRun run = runHost({"--module", kFakeModule}, log, {"FAKE_SYMBOLS_DIALOG", "FAKE_SYMBOLS_NOTICE"});

    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString folder = QDir(log.folder()).filePath("demo-output");
    for (const auto& kind : tarvelo::module::kSymbolKinds) {
        const QImage picture(folder + "/" + kind.shortName + ".png");
        EXPECT_FALSE(picture.isNull()) << kind.shortName;
    }
    EXPECT_EQ(run.out.count(QStringLiteral("\"symbolType\": ")), 8 * 2);  // the block's and its extended data's
    EXPECT_EQ(run.err.count(QStringLiteral("сообщение модуля закрыто: Notice: Before the dialog")), 8);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Снимки диалогов сохранены в папке «%1».").arg(folder)));
    EXPECT_EQ(log.made().size(), 8);
    EXPECT_TRUE(log.allFreed());
}

// A module whose entry point opens no dialog fails the demonstration.
TEST(HostProgram, demonstrationFailsWhenNoDialogOpens)
{
    FakeModuleLog log;
    const QString folder = log.folder() + "/shots";
    const HostRun run = runHost({"--module", kFakeModule, "--demo", folder, "--symbol", "weld"}, log);

    EXPECT_EQ(run.exitCode, 6);
    EXPECT_TRUE(run.err.contains(QStringLiteral("«Шов» (weld):\n  диалог не открылся или закрылся раньше снимка")))
        << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(folder + "/weld.png"));
    EXPECT_TRUE(log.allFreed());
}

// --json without a screen cancels the dialog nobody can see instead of
// waiting for ever; the section symbol then answers no block and nothing is written.
TEST(HostProgram, jsonOptionWithoutAScreenCancelsTheDialog)
{
    FakeModuleLog log;
    const QString out = log.folder() + "/section.json";
    const HostRun run = runHost({"--module", kFakeModule, "--symbol", "section", "--json", out}, log,
                                {"FAKE_SYMBOLS_DIALOG"});

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Модуль не вернул блок: диалог закрыт без подтверждения.")))
        << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_TRUE(log.made().isEmpty());
}

// --list-layers prints the layer names in table order, one per line in UTF-8, and nothing else;
// --codepage decides how a drawing that names no code page is read.
TEST(HostProgram, listLayersPrintsTheNamesInTableOrder)
{
    FakeModuleLog log;
    const QString drawings = TEST_DRAWINGS_DIR;
    HostRun run = runHost({"--drawing", drawings + "/r12_binary.dxf", "--list-layers"}, log);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(lines(run.out), QStringList({"0", "Defpoints", QStringLiteral("Стены"), QStringLiteral("Оси"),
                                           QStringLiteral("Размеры"), QStringLiteral("Окна и двери")}));

    run = runHost({"--drawing", drawings + "/r12_no_codepage.dxf", "--list-layers"}, log);
    EXPECT_EQ(lines(run.out).value(2), QStringLiteral("Ñòåíû"));
    run = runHost({"--list-layers", "--codepage", "1251", "--drawing", drawings + "/r12_no_codepage.dxf"}, log);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(lines(run.out).value(2), QStringLiteral("Стены"));

    run = runHost({"--drawing", drawings + "/truncated.dxf", "--list-layers"}, log);
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains(QStringLiteral("обрывается до конца раздела таблиц"))) << run.err.toStdString();
    EXPECT_TRUE(log.calls().isEmpty());
}

// Mistakes on the command line are told in Russian with exit code 2, before any drawing is opened.
TEST(HostProgram, commandLineMistakesAreToldInRussian)
{
    FakeModuleLog log;
    const std::pair<QStringList, QString> mistakes[] = {
        {{"--drawings", "plan.dxf"}, QStringLiteral("Неизвестный параметр «--drawings». Список параметров: --help.")},
        {{"plan.dxf"}, QStringLiteral("Неизвестный параметр «plan.dxf». Список параметров: --help.")},
        {{"--list-layers", "--drawing"}, QStringLiteral("После «--drawing» нужно указать значение.")},
        {{"--drawing", ""}, QStringLiteral("После «--drawing» нужно указать значение.")},
        {{"--codepage", "KOI-7"},
         QStringLiteral("Неизвестная кодовая страница «KOI-7». Укажите, например, 1251, 866, ANSI_1252 или UTF-8.")},
        {{"--list-layers", "--symbol", "weld"},
         QStringLiteral("Параметр --list-layers не сочетается с --symbol, --edit, --json, --demo и параметрами "
                        "вывода (--export-dxf, --export-svg, --into, --at).")},
        {{"--symbol", "arrow"}, QStringLiteral("Неизвестный вид символа «arrow». Допустимы: section, break, level, "
                                               "note, node, axes, weld, hatch.")},
    };
    for (const auto& [arguments, message] : mistakes) {
        const HostRun run = runHost(arguments, log);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
    }
    const HostRun help = runHost({"--help"}, log);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--codepage КС"))) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("--list-layers"))) << help.out.toStdString();
}

// Every real drawing written by other programs lists, through --list-layers, exactly the layers
// ezdxf reads from it, in the same order; one whose sections ezdxf refuses is refused with a message.
TEST(HostProgram, realDrawingsListTheLayersEzdxfReads)
{
    const QDir folder(REAL_DRAWINGS_DIR);
    const QStringList files = folder.entryList({"*.dxf"}, QDir::Files, QDir::Name);
    if (files.isEmpty())
        GTEST_SKIP() << "no real drawings in " << REAL_DRAWINGS_DIR << ": nothing to compare with ezdxf";
    QStringList paths;
    for (const QString& file : files)
        paths << folder.filePath(file);

    QProcess ezdxf;
    ezdxf.start("/usr/bin/python3", QStringList{EZDXF_LAYER_NAMES} + paths);
    ASSERT_TRUE(ezdxf.waitForFinished(120000));
    ASSERT_EQ(ezdxf.exitCode(), 0) << ezdxf.readAllStandardError().toStdString();
    const QJsonObject readings = QJsonDocument::fromJson(ezdxf.readAllStandardOutput()).object();

    FakeModuleLog log;
    int compared = 0;
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        const QJsonObject reading = readings.value(path).toObject();
        const HostRun run = runHost({"--drawing", path, "--list-layers"}, log);
        if (reading.contains("damaged")) {
            EXPECT_EQ(run.exitCode, 4) << "ezdxf: " << reading.value("damaged").toString().toStdString();
            EXPECT_TRUE(run.out.isEmpty());
            EXPECT_TRUE(run.err.contains(QStringLiteral("Чертёж «%1» повреждён").arg(path))) << run.err.toStdString();
            continue;
        }
        QStringList expected;
        for (const QJsonValue& name : reading.value("layers").toArray())
            expected << name.toString();
        ASSERT_FALSE(expected.isEmpty()) << "ezdxf gave no reading";
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(lines(run.out), expected);
        ++compared;
    }
    EXPECT_GT(compared, 0);
}

// Without a window the export options write the symbol the module answered:
// alone, into a copy of the drawing that keeps everything the drawing had,
// and as a picture; the drawing itself is not touched.
TEST(HostProgram, exportOptionsWriteTheSymbol)
{
    FakeModuleLog log;
    const QString alone = log.folder() + "/level.dxf";
    const QString into = log.folder() + "/plan.dxf";
    const QString picture = log.folder() + "/level.svg";
    const QByteArray drawing = QByteArray::fromStdString(fileText(SAMPLE_DRAWING));
    const HostRun run = runHost({"--module", kFakeModule, "--symbol", "level", "--drawing", SAMPLE_DRAWING, "--export-dxf",
                                 alone, "--into", into, "--export-svg", picture, "--at", "1000,-2000.5"},
                                log);

    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("Чертёж с символами записан в «%1»").arg(into))) << run.err.toStdString();
    const std::string standalone = fileText(alone);
    EXPECT_NE(standalone.find("AC1024"), std::string::npos);
    const std::string merged = fileText(into);
    EXPECT_GT(merged.size(), std::size_t(drawing.size()));
    EXPECT_EQ(fileText(SAMPLE_DRAWING), drawing.toStdString());
    // The copy starts as the drawing does: only the handle seed changes before the tables.
    const std::size_t seed = drawing.indexOf("$HANDSEED");
    ASSERT_NE(seed, std::size_t(-1));
    EXPECT_EQ(merged.substr(0, seed), drawing.left(qsizetype(seed)).toStdString());
    const std::string svg = fileText(picture);
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("mm\""), std::string::npos) << "sheet millimetres";
    EXPECT_TRUE(log.allFreed());
}

// Every mistake in the export options is told in Russian before any dialog
// opens, with its own exit code, and nothing is written.
TEST(HostProgram, exportOptionsReportBadArguments)
{
    FakeModuleLog log;
    const QString out = log.folder() + "/out.dxf";
    struct Case {
        QStringList arguments;
        int exitCode;
        QString message;
    };
    const Case cases[] = {
        {{"--symbol", "level", "--export-dxf", out, "--at", "12;5"}, 2, "Неверное значение --at «12;5»"},
        {{"--symbol", "level", "--export-dxf", out, "--at", "1,nan"}, 2, "Неверное значение --at"},
        {{"--export-dxf", out}, 2, "нужны символы: укажите --symbol, --edit или --demo"},
        {{"--symbol", "level", "--export-dxf", out, "--into", out}, 2, "Два результата нельзя записать в один файл"},
        {{"--symbol", "level", "--list-layers", "--into", out}, 2, "--list-layers не сочетается"},
        {{"--symbol", "level", "--export-dxf", log.folder() + "/no/such/folder/out.dxf"}, 7, "папки"},
        {{"--symbol", "level", "--export-svg", log.folder()}, 7, "это папка; укажите имя файла"},
        {{"--symbol", "level", "--into", SAMPLE_DRAWING, "--drawing", SAMPLE_DRAWING}, 7,
         "нельзя записать в сам исходный чертёж"},
    };
    for (const Case& mistake : cases) {
        SCOPED_TRACE(mistake.arguments.join(' ').toStdString());
        const HostRun run = runHost(QStringList{"--module", kFakeModule} + mistake.arguments, log);
        EXPECT_EQ(run.exitCode, mistake.exitCode);
        EXPECT_TRUE(run.err.contains(mistake.message)) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_TRUE(log.calls().isEmpty());
}

// With --demo every symbol the demonstration made is exported, into the
// demonstration's own folder though it does not exist yet, and the blocks
// still go back to the module.
TEST(HostProgram, demonstrationExportsEverySymbol)
{
    FakeModuleLog log;
    const QString folder = log.folder() + "/demo";
    const QString alone = folder + "/symbols.dxf";
    const QString into = folder + "/plan.dxf";
    const HostRun run =
        runHost({"--module", kFakeModule, "--demo", folder, "--export-dxf", alone, "--into", into}, log,
                {"FAKE_SYMBOLS_DIALOG"});

    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(alone));
    EXPECT_TRUE(QFile::exists(into));
    EXPECT_TRUE(run.err.contains(QStringLiteral("Символы записаны в чертёж «%1»").arg(alone))) << run.err.toStdString();
    EXPECT_EQ(log.made().size(), 8);
    EXPECT_TRUE(log.allFreed());
}

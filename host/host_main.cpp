// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// tarvelo-host: opens a DXF drawing, loads the symbol module and calls its
// entry points in a window, once from the command line (--json, and the
// symbol written as DXF or SVG), or one after another without a screen
// (--demo); or only lists the drawing's layers (--list-layers).
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <functional>
#include <iostream>
#include <numeric>

#include "BlockFile.h"
#include "DialogDemo.h"
#include "DxfDrawing.h"
#include "HostOptions.h"
#include "HostPaths.h"
#include "HostWindow.h"
#include "MessageBoxService.h"
#include "SymbolExport.h"
#include "SymbolModule.h"
#include "SymbolPlacement.h"
#include "SymbolSvg.h"

namespace {

using namespace tarvelo::host;

enum class Mode { Window, Command, Demo };

bool noDisplay()
{
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// A window nobody can see would wait for ever; without a screen the host shows the demonstration.
bool headlessPlatform()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

std::filesystem::path toPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// Tells an error and answers the exit code given with it.
using ErrorReport = std::function<int(int exitCode, const std::string& textUtf8)>;

// Where symbols that are not placed yet go.
QPointF anchorOf(const HostOptions& options, const QString& drawingPath)
{
    if (options.at)
        return *options.at;
    const std::optional<QRectF> extents = drawingExtents(drawingPath);
    return extents ? extents->center() : QPointF();
}

// Writes the symbols of the blocks into the files the options name.
int exportSymbols(const std::vector<GEOTYPE_DEFINITION::IGeoBlock*>& blocks, const HostOptions& options,
                  const QString& drawingPath, const ErrorReport& report)
{
    const std::vector<tarvelo::render::Drawing> symbols = placeSymbols(blocks, anchorOf(options, drawingPath));
    std::string error;
    DxfExportSummary summary;
    if (!options.exportDxf.isEmpty()) {
        if (!exportSymbolsDxf(options.exportDxf, symbols, error, &summary))
            return report(kExitExportFailed, error);
        std::cerr << "Символы записаны в чертёж «" << options.exportDxf.toStdString() << "»: объектов "
                  << summary.entities << ".\n";
    }
    if (!options.into.isEmpty()) {
        if (!exportSymbolsInto(drawingPath, options.into, symbols, options.charset, error, &summary))
            return report(kExitExportFailed, error);
        std::cerr << "Чертёж с символами записан в «" << options.into.toStdString() << "»: добавлено объектов "
                  << summary.entities << ", слоёв " << summary.layers << ", типов линий " << summary.linetypes
                  << ", текстовых стилей " << summary.styles << ".\n";
    }
    if (!options.exportSvg.isEmpty()) {
        if (!writeSymbolSvg(options.exportSvg, symbols, error))
            return report(kExitExportFailed, error);
        std::cerr << "Рисунок символов записан в «" << options.exportSvg.toStdString() << "».\n";
    }
    return kExitOk;
}

int runCommand(SymbolModule& module, DxfDrawing& drawing, const HostOptions& options, std::size_t kind,
               GEOTYPE_DEFINITION::IGeoBlock* incoming, const QString& drawingPath, const ErrorReport& report)
{
    // Without a screen nobody can answer the module's dialog; cancel it rather than wait for ever.
    QTimer unattended;
    if (headlessPlatform()) {
        QObject::connect(&unattended, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                std::cerr << "Без экрана диалог некому показать; он закрыт отменой.\n";
                dialog->reject();
            }
        });
        unattended.start(50);
    }
    BlockPtr block = module.edit(kind, 0, &drawing, incoming);
    if (!block)
        return report(kExitNoBlock, "Модуль не вернул блок: диалог закрыт без подтверждения.");
    std::string error;
    if (!options.jsonFile.isEmpty() && !writeBlockFile(*block, options.jsonFile, error))
        return report(kExitBlockFileFailed, error);
    return exportSymbols({block.get()}, options, drawingPath, report);
}

int runDemo(SymbolModule& module, DxfDrawing& drawing, const HostOptions& options,
            std::optional<std::size_t> kind, GEOTYPE_DEFINITION::IGeoBlock* incoming, const QString& drawingPath,
            const ErrorReport& report)
{
    std::vector<std::size_t> kinds;
    if (kind) {
        kinds.push_back(*kind);
    } else {
        kinds.resize(tarvelo::module::kSymbolKinds.size());
        std::iota(kinds.begin(), kinds.end(), std::size_t{0});
    }
    const QString folder = options.demoFolder.isEmpty() ? QStringLiteral("demo-output") : options.demoFolder;
    DialogDemo demo(module, &drawing, std::cout, std::cerr);
    demo.keepBlocks(exportsSymbols(options));
    const int shown = demo.run(folder, kinds, incoming) ? kExitOk : kExitDemoFailed;
    const std::vector<BlockPtr> blocks = demo.takeBlocks();
    if (blocks.empty())
        return shown;
    std::vector<GEOTYPE_DEFINITION::IGeoBlock*> symbols;
    for (const BlockPtr& block : blocks)
        symbols.push_back(block.get());
    const int exported = exportSymbols(symbols, options, drawingPath, report);
    return exported != kExitOk ? exported : shown;
}

// The layer names in table order, one per line, for a user or a script without a screen.
int listLayers(const std::filesystem::path& path, const std::string& charset)
{
    std::string error;
    const std::unique_ptr<DxfDrawing> drawing = DxfDrawing::open(path, error, charset);
    if (!drawing) {
        std::cerr << error << '\n';
        return kExitDrawingFailed;
    }
    std::string names;
    for (const DxfLayer& layer : drawing->layers())
        names += layer.nameUtf8 + '\n';
    std::cout << names << std::flush;
    return std::cout ? kExitOk : kExitDrawingFailed;
}

}  // namespace

int main(int argc, char** argv)
{
    if (noDisplay() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Тарвело"));

    std::string error;
    const std::optional<HostOptions> options = parseHostOptions(QApplication::arguments().mid(1), error);
    if (!options) {
        std::cerr << error << '\n';
        return kExitBadArguments;
    }
    if (options->help) {
        std::cout << hostUsage().toStdString();
        return kExitOk;
    }
    const Mode mode = !options->demoFolder.isEmpty()                             ? Mode::Demo
                      : !options->jsonFile.isEmpty() || exportsSymbols(*options) ? Mode::Command
                      : headlessPlatform()                                       ? Mode::Demo
                                                                                 : Mode::Window;
    // Errors go to a message box in the window, to stderr on the command line.
    const ErrorReport report = [mode](int exitCode, const std::string& textUtf8) {
        std::cerr << textUtf8 << '\n';
        if (mode == Mode::Window)
            tarvelo::controls::MessageBoxService().show({}, textUtf8, tarvelo::services::MessageIcon::Warning);
        return exitCode;
    };

    const QString drawingPath =
        options->drawing.isEmpty() ? QFile::decodeName(defaultDrawingPath().c_str()) : options->drawing;
    if (options->listLayers)
        return listLayers(toPath(drawingPath), options->charset);
    const std::unique_ptr<DxfDrawing> drawing = DxfDrawing::open(toPath(drawingPath), error, options->charset);
    if (!drawing)
        return report(kExitDrawingFailed, error);
    // The demonstration makes its folder anyway; made first, the exports may go into it.
    if (!options->demoFolder.isEmpty())
        QDir().mkpath(options->demoFolder);
    // Told before any dialog opens, so that nobody fills one in for a file that cannot be written.
    for (const QString* output : {&options->exportDxf, &options->exportSvg}) {
        if (!output->isEmpty() && !canWriteFile(*output, error))
            return report(kExitExportFailed, error);
    }
    if (!options->into.isEmpty() && !canWriteInto(drawingPath, options->into, error))
        return report(kExitExportFailed, error);

    std::optional<std::size_t> kind = options->symbolKind;
    std::unique_ptr<GEOTYPE_DEFINITION::TGeoBlock> incoming;
    if (!options->editFile.isEmpty()) {
        incoming = readBlockFile(options->editFile, error);
        if (!incoming)
            return report(kExitBlockFileFailed, error);
        if (!kind)
            kind = symbolKindOfType(incoming->GetSymbolType());
        if (!kind)
            return report(kExitBadArguments, "Не удалось понять вид символа по типу " +
                                                 std::to_string(incoming->GetSymbolType()) +
                                                 " из файла блока; укажите его в --symbol.");
        // The block describes a symbol that exists already.
        if (incoming->GetEditMode() == 0)
            incoming->SetEditMode(1);
    }

    const std::filesystem::path modulePath = options->module.isEmpty() ? defaultModulePath() : toPath(options->module);
    const std::unique_ptr<SymbolModule> module = SymbolModule::load(modulePath, error);
    if (!module)
        return report(kExitModuleFailed, error);

    if (mode == Mode::Command)
        return runCommand(*module, *drawing, *options, *kind, incoming.get(), drawingPath, report);
    if (mode == Mode::Demo)
        return runDemo(*module, *drawing, *options, kind, incoming.get(), drawingPath, report);

    tarvelo::controls::MessageBoxService messages;
    HostWindow window(*module, *drawing, drawingPath, messages);
    window.setCharset(options->charset);
    if (options->at)
        window.setAnchor(*options->at);
    window.show();
    if (incoming) {
        window.showBlock(adoptHostBlock(std::move(incoming)), kind);
        QTimer::singleShot(0, &window, [&window] { window.editBlock(); });
    } else if (kind) {
        QTimer::singleShot(0, &window, [&window, symbol = *kind] { window.runSymbol(symbol); });
    }
    return QApplication::exec();
}

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Times every symbol editor through the loaded module, offscreen, beside the
// floor: what a plain Qt dialog costs that shows the same layers. Each is
// called with a drawing of 10, 10,000 and 100,000 layers, its dialog built,
// shown, painted and accepted, the block released. The floor is a bare
// dialog with a dozen widgets and an editable combo of the layer names in a
// QStringListModel, sized without measuring every name, as anyone would
// write it for drawings with many layers. Beside it the same dialog with the
// module's layer combo, for the combo's own share, and the floor with the
// host-support library loaded and released round it, which every entry point
// must do and no dialog can save. At the end the medians
// are printed side by side with their ratio to the floor; the target is
// within twice the floor and under 10 ms with 10,000 layers.
//
// Further: an existing axis array of 100 or 1,000 axes reopened and accepted
// (its time barely grows with the axes), and the layer combo's drop-down
// opened and painted (under 100 ms with 100,000 layers).
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "CComboLayers.h"
#include "InMemoryDrawing.h"
#include "SideBySideReporter.h"
#include "SymbolModuleApi.h"
#include "tarvelo/geometry/TGeoBlock.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/IMessageService.h"
#include "tarvelo/services/MakerLibraries.h"
#include "tarvelo/services/SharedLibrary.h"
#include "tarvelo/services/SqliteRegistryStore.h"

namespace {

using tarvelo::hostcad::InMemoryDrawing;

constexpr const char* kFloor = "floor";
constexpr const char* kLayerComboRow = "CComboLayers";
constexpr const char* kFloorWithCompanionRow = "floor+companion";
const std::vector<long> kLayerCounts{10, 10'000, 100'000};

tarvelo::services::SharedLibrary g_module;
// Why the last driven dialog could not simply be accepted, if it could not.
QString g_driverProblem;

class SilentMessages final : public tarvelo::services::IMessageService {
public:
    void show(const std::string&, const std::string&, tarvelo::services::MessageIcon) override {}
};

// Made once per size: building 100,000 records is no part of any call.
InMemoryDrawing& drawingWithLayers(long count)
{
    static std::map<long, InMemoryDrawing> drawings;
    auto [found, added] = drawings.try_emplace(count);
    if (added) {
        auto& layers = found->second.layers;
        layers.reserve(static_cast<std::size_t>(count));
        layers.push_back({"0"});
        for (long i = 1; i < count; ++i)
            layers.push_back({"Слой " + std::to_string(i)});
    }
    return found->second;
}

// Accepts the modal dialog as soon as it is on screen and painted. Anything
// modal without an accept button (a message box) is noted and dismissed, so
// that a run reports it instead of hanging.
void acceptWhenShown()
{
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr) {
        QTimer::singleShot(0, acceptWhenShown);
        return;
    }
    dialog->repaint();
    if (auto* accept = dialog->findChild<QAbstractButton*>(QStringLiteral("1"))) {
        accept->click();
        return;
    }
    g_driverProblem = dialog->windowTitle() + QStringLiteral(" stood in the way");
    if (auto* box = qobject_cast<QDialog*>(dialog))
        box->reject();
    QTimer::singleShot(0, acceptWhenShown);
}

// The floor's dozen widgets round a layer combo, laid out as a symbol dialog is.
void buildPlainDialog(QDialog& dialog, QComboBox* layers)
{
    auto* layout = new QVBoxLayout(&dialog);
    auto* types = new QHBoxLayout;
    for (const char* caption : {"Прямая", "Ступенчатая"}) {
        auto* type = new QToolButton(&dialog);
        type->setText(QString::fromUtf8(caption));
        type->setCheckable(true);
        types->addWidget(type);
    }
    layout->addLayout(types);
    auto* textRow = new QHBoxLayout;
    textRow->addWidget(new QLabel(QStringLiteral("Обозначение"), &dialog));
    textRow->addWidget(new QLineEdit(&dialog), 1);
    layout->addLayout(textRow);
    auto* group = new QGroupBox(QStringLiteral("Слой в чертеже"), &dialog);
    auto* groupRow = new QHBoxLayout(group);
    groupRow->addWidget(new QLabel(QStringLiteral("Слой"), group));
    layers->setParent(group);
    groupRow->addWidget(layers, 1);
    layout->addWidget(group);
    layout->addWidget(new QCheckBox(QStringLiteral("Выноска"), &dialog));
    auto* buttons = new QHBoxLayout;
    for (const char* caption : {"", "1 : 1"}) {
        auto* flat = new QPushButton(QString::fromUtf8(caption), &dialog);
        flat->setFlat(true);
        buttons->addWidget(flat);
    }
    buttons->addStretch(1);
    auto* accept = new QPushButton(QStringLiteral("Применить"), &dialog);
    accept->setObjectName(QStringLiteral("1"));
    QObject::connect(accept, &QPushButton::clicked, &dialog, &QDialog::accept);
    buttons->addWidget(accept);
    auto* cancel = new QPushButton(QStringLiteral("Отменить"), &dialog);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void runModal(benchmark::State& state, QDialog& dialog)
{
    QTimer::singleShot(0, acceptWhenShown);
    benchmark::DoNotOptimize(dialog.exec());
    if (!g_driverProblem.isEmpty())
        state.SkipWithError(g_driverProblem.toStdString().c_str());
}

// Not inlined, so that a profiler can collect the floor by its name. With
// `loadCompanion` each call also loads the host-support library and releases
// it after the dialog, as every entry point must: the share of a call that
// no dialog can save.
[[gnu::noinline]] void floorDialog(benchmark::State& state, long layerCount, bool loadCompanion = false)
{
    const InMemoryDrawing& drawing = drawingWithLayers(layerCount);
    for (auto _ : state) {
        tarvelo::services::SharedLibrary companion;
        if (loadCompanion && !(companion = tarvelo::services::SharedLibrary(DHOSTSP_LIBRARY)).isLoaded())
            state.SkipWithError("the host-support library did not load");
        QDialog dialog;
        auto* layers = new QComboBox;
        layers->setEditable(true);
        layers->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        layers->setMinimumContentsLength(20);
        QStringList names;
        names.reserve(static_cast<qsizetype>(drawing.layers.size()));
        for (const auto& layer : drawing.layers)
            names.append(QString::fromStdString(layer.nameUtf8));
        layers->setModel(new QStringListModel(names, layers));
        buildPlainDialog(dialog, layers);
        runModal(state, dialog);
    }
}

void layerComboDialog(benchmark::State& state, long layerCount)
{
    SilentMessages messages;
    InMemoryDrawing& drawing = drawingWithLayers(layerCount);
    for (auto _ : state) {
        QDialog dialog;
        std::string layerName = "0";
        auto* layers = new tarvelo::controls::CComboLayers(messages);
        buildPlainDialog(dialog, layers);
        layers->FillLayers(&drawing, &layerName);
        layers->setLayerName(layerName);
        runModal(state, dialog);
    }
}

void entryPointAccepted(benchmark::State& state, const tarvelo::module::SymbolKind& kind, long layerCount)
{
    auto editor = g_module.find(kind);
    auto freeBlock = g_module.find<tarvelo::module::FreeBlock>();
    auto& drawing = drawingWithLayers(layerCount);
    for (auto _ : state) {
        QTimer::singleShot(0, acceptWhenShown);
        auto* block = editor(0, &drawing, nullptr);
        benchmark::DoNotOptimize(block);
        freeBlock(block);
        if (!g_driverProblem.isEmpty())
            state.SkipWithError(g_driverProblem.toStdString().c_str());
    }
}

// An existing array with `axes` axes, half lettered and half numbered.
void makeAxisArray(GEOTYPE_DEFINITION::TGeoBlock& block, std::int64_t axes)
{
    block.SetEditMode(1);
    block.SetSymbolType(801);
    for (std::int64_t axis = 0; axis < axes; ++axis) {
        const bool lettered = axis < axes / 2;
        const double step = 6000.0 + 0.5 * static_cast<double>(axis);
        const GEOTYPE_DEFINITION::ValueMap values{
            {1, block.GetPoints()->AddPoint(0, 0, lettered ? 0.0 : step, lettered ? step : 0.0, 0.0)}};
        block.AddItem(lettered ? 7 : 4, static_cast<std::uint32_t>(axis + 1), &values, std::to_string(axis + 1), 0);
    }
}

void existingAxisArrayAccepted(benchmark::State& state)
{
    auto editor = g_module.find(tarvelo::module::kSymbolKinds[5]);
    auto freeBlock = g_module.find<tarvelo::module::FreeBlock>();
    auto& drawing = drawingWithLayers(10'000);
    GEOTYPE_DEFINITION::TGeoBlock existing;
    makeAxisArray(existing, state.range(0));
    for (auto _ : state) {
        QTimer::singleShot(0, acceptWhenShown);
        auto* block = editor(0, &drawing, &existing);
        benchmark::DoNotOptimize(block);
        freeBlock(block);
    }
}

void dropDownOpened(benchmark::State& state)
{
    SilentMessages messages;
    auto& drawing = drawingWithLayers(state.range(0));
    QDialog dialog;
    std::string layerName;
    auto* layers = new tarvelo::controls::CComboLayers(messages);
    buildPlainDialog(dialog, layers);
    layers->FillLayers(&drawing, &layerName);
    dialog.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        layers->showPopup();
        layers->view()->repaint();
        state.PauseTiming();
        layers->hidePopup();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void registerSideBySide(tarvelo::benchmarks::SideBySideReporter& reporter)
{
    auto add = [&](const std::string& row, long layers, std::function<void(benchmark::State&)> run) {
        const std::string name = row + "/layers:" + std::to_string(layers);
        benchmark::RegisterBenchmark(name.c_str(), std::move(run))->Unit(benchmark::kMillisecond);
        reporter.place(name, row, layers);
    };
    for (const long layers : kLayerCounts) {
        add(kFloor, layers, [layers](benchmark::State& state) { floorDialog(state, layers); });
        add(kFloorWithCompanionRow, layers,
            [layers](benchmark::State& state) { floorDialog(state, layers, true); });
        add(kLayerComboRow, layers, [layers](benchmark::State& state) { layerComboDialog(state, layers); });
        for (const auto& kind : tarvelo::module::kSymbolKinds)
            add(kind.exportName, layers,
                [&kind, layers](benchmark::State& state) { entryPointAccepted(state, kind, layers); });
    }
    benchmark::RegisterBenchmark("existingAxisArrayAccepted", existingAxisArrayAccepted)
        ->Arg(100)
        ->Arg(1'000)
        ->ArgName("axes")
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("dropDownOpened", dropDownOpened)
        ->Arg(10'000)
        ->Arg(100'000)
        ->ArgName("layers")
        ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv)
{
    // A private store, so that the user's defaults and libraries take no part.
    QTemporaryDir store;
    if (!store.isValid())
        return 1;
    const std::filesystem::path storeFolder = store.path().toStdString();
    ::setenv(tarvelo::services::SqliteRegistryStore::kLocationVariable, storeFolder.c_str(), 1);
    // The host-support library takes part, as it does for a user.
    tarvelo::services::SqliteRegistryStore(storeFolder / tarvelo::services::SqliteRegistryStore::kFileName)
        .writeValue(false, tarvelo::services::CSysHub::kModulesKey, tarvelo::services::kHostSupportLibraryValue,
                    static_cast<std::uint32_t>(tarvelo::services::RegistryType::String), DHOSTSP_LIBRARY);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes on window sizes and keyboard grabs would bury the results.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication application(argc, argv);
    g_module = tarvelo::services::SharedLibrary(SYMBOLS_MODULE);
    if (!g_module.isLoaded())
        return 1;

    // Medians of five repetitions unless the command line says otherwise.
    std::vector<char*> arguments(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=5";
    std::string aggregatesOnly = "--benchmark_report_aggregates_only=true";
    arguments.insert(arguments.begin() + 1, {repetitions.data(), aggregatesOnly.data()});
    int argumentCount = static_cast<int>(arguments.size());
    benchmark::Initialize(&argumentCount, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(argumentCount, arguments.data()))
        return 1;
    tarvelo::benchmarks::SideBySideReporter reporter(kFloor, "layers");
    registerSideBySide(reporter);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    g_module.release();
    return 0;
}

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Times a whole entry point call through the loaded module, offscreen: the
// section mark editor called with a drawing of 10,000 or 100,000 layers, its
// dialog shown, painted and accepted, and the block released. Targets: a
// median under 10 ms with 10,000 layers and under 100 ms with 100,000.
// Beside it, an existing axis array of 100 or 1,000 axes reopened and
// accepted untouched: every axis is shown, compared and kept.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "InMemoryDrawing.h"
#include "tarvelo/geometry/TGeoBlock.h"
#include "SymbolModuleApi.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/MakerLibraries.h"
#include "tarvelo/services/SharedLibrary.h"
#include "tarvelo/services/SqliteRegistryStore.h"

namespace {

using tarvelo::hostcad::InMemoryDrawing;

InMemoryDrawing drawingWithLayers(std::int64_t count)
{
    InMemoryDrawing drawing;
    drawing.layers.reserve(static_cast<std::size_t>(count));
    drawing.layers.push_back({"0"});
    for (std::int64_t i = 1; i < count; ++i)
        drawing.layers.push_back({"Слой " + std::to_string(i)});
    return drawing;
}

tarvelo::services::SharedLibrary g_module;

// Accepts the editor's dialog as soon as it is on screen and painted.
void acceptWhenShown()
{
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr) {
        QTimer::singleShot(0, acceptWhenShown);
        return;
    }
    dialog->repaint();
    if (auto* accept = dialog->findChild<QAbstractButton*>(QStringLiteral("1")))
        accept->click();
}

void entryPointAccepted(benchmark::State& state)
{
    // The section mark, or the break line.
    auto editor = g_module.find(tarvelo::module::kSymbolKinds[state.range(1) == 0 ? 0 : 1]);
    auto freeBlock = g_module.find<tarvelo::module::FreeBlock>();
    InMemoryDrawing drawing = drawingWithLayers(state.range(0));
    for (auto _ : state) {
        QTimer::singleShot(0, acceptWhenShown);
        auto* block = editor(0, &drawing, nullptr);
        benchmark::DoNotOptimize(block);
        freeBlock(block);
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
    InMemoryDrawing drawing = drawingWithLayers(10'000);
    GEOTYPE_DEFINITION::TGeoBlock existing;
    makeAxisArray(existing, state.range(0));
    for (auto _ : state) {
        QTimer::singleShot(0, acceptWhenShown);
        auto* block = editor(0, &drawing, &existing);
        benchmark::DoNotOptimize(block);
        freeBlock(block);
    }
}

}  // namespace

BENCHMARK(existingAxisArrayAccepted)
    ->Arg(100)
    ->Arg(1'000)
    ->ArgName("axes")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK(entryPointAccepted)
    ->ArgsProduct({{10'000, 100'000}, {0, 1}})
    ->ArgNames({"layers", "break"})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    // A private store, so that the user's defaults and libraries do not take part.
    const auto store = std::filesystem::temp_directory_path() / "tarvelo-entry-benchmark";
    std::filesystem::create_directories(store);
    ::setenv("TARVELO_STORE_DIR", store.c_str(), 1);
    // The host-support library takes part, as it does for a user.
    tarvelo::services::SqliteRegistryStore(store / tarvelo::services::SqliteRegistryStore::kFileName)
        .writeValue(false, tarvelo::services::CSysHub::kModulesKey, tarvelo::services::kHostSupportLibraryValue,
                    static_cast<std::uint32_t>(tarvelo::services::RegistryType::String), DHOSTSP_LIBRARY);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    g_module = tarvelo::services::SharedLibrary(SYMBOLS_MODULE);
    if (!g_module.isLoaded())
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_module.release();
    return 0;
}

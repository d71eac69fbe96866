// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Cost of writing a block as JSON and of reading it back, with Qt's own JSON
// parser on the same text beside it for scale.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QJsonDocument>
#include <memory>
#include <string>

#include "BlockJson.h"
#include "tarvelo/geometry/TGeoBlock.h"

namespace {

using namespace GEOTYPE_DEFINITION;

// A block with `count` items, scope points, points and parameters: a large
// axis array, and a parameter map far larger than any dialog keeps.
std::unique_ptr<TGeoBlock> makeBlock(std::uint32_t count)
{
    auto block = std::make_unique<TGeoBlock>();
    const ValueMap values{{1, 6000}, {2, 1}};
    for (std::uint32_t key = 1; key <= count; ++key) {
        block->AddItem(kTextItemKind, key, &values, "A" + std::to_string(key), 0);
        block->GetScopePoints()->AddScopePoint(key, key, 2, key * 1.5, -key * 0.5, 0.0, 0, 0, 0, 0);
        block->GetPoints()->SetPoint(key, 0, 0, key * 2.0, 0.1 * key, 0.0);
        block->SetParam(key, key * 0.25);
    }
    return block;
}

void writeBlock(benchmark::State& state)
{
    const auto block = makeBlock(static_cast<std::uint32_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(tarvelo::host::blockToJson(*block));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(writeBlock)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void readBlock(benchmark::State& state)
{
    const std::string json = tarvelo::host::blockToJson(*makeBlock(static_cast<std::uint32_t>(state.range(0))));
    std::string error;
    for (auto _ : state)
        benchmark::DoNotOptimize(tarvelo::host::blockFromJson(json, error));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(readBlock)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Parsing alone, into Qt's document, of the same text.
void parseWithQt(benchmark::State& state)
{
    const std::string json = tarvelo::host::blockToJson(*makeBlock(static_cast<std::uint32_t>(state.range(0))));
    const QByteArray bytes = QByteArray::fromStdString(json);
    for (auto _ : state)
        benchmark::DoNotOptimize(QJsonDocument::fromJson(bytes));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(parseWithQt)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

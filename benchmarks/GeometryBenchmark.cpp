// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Cost of copying whole blocks and of the scope walk, at sizes ten times apart.
#include <benchmark/benchmark.h>

#include <limits>
#include <memory>
#include <string>

#include "tarvelo/geometry/TGeoBlock.h"

namespace {

using namespace GEOTYPE_DEFINITION;

constexpr std::uint32_t kLargestKey = std::numeric_limits<std::uint32_t>::max();

// Dialogs keep a few dozen numeric parameters, whatever the size of the geometry.
constexpr std::uint32_t kParameterCount = 24;

// A block holding `count` items, scope points and points, as a large axis array would.
std::unique_ptr<TGeoBlock> makeBlock(std::uint32_t count)
{
    auto block = std::make_unique<TGeoBlock>();
    const ValueMap values{{1, 6000}, {2, 1}};
    for (std::uint32_t key = 1; key <= count; ++key) {
        block->AddItem(kTextItemKind, key, &values, "A" + std::to_string(key), 0);
        block->GetScopePoints()->AddScopePoint(key, key, 2, key * 1.5, -key * 0.5, 0.0, 0, 0, 0, 0);
        block->GetPoints()->SetPoint(key, 0, 0, key * 2.0, 0.0, 0.0);
    }
    for (std::uint32_t key = 1; key <= kParameterCount; ++key)
        block->SetParam(key, key * 0.25);
    return block;
}

void blockCopyFrom(benchmark::State& state)
{
    const auto count = static_cast<std::uint32_t>(state.range(0));
    auto source = makeBlock(count);
    TGeoBlock target;
    for (auto _ : state) {
        target.CopyFrom(source.get());
        benchmark::DoNotOptimize(target.GetItemCount());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(blockCopyFrom)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The last scope point sits under the largest key, so a walk over the key range would never end.
void extendScopeXWithLargestKey(benchmark::State& state)
{
    const auto count = static_cast<std::uint32_t>(state.range(0));
    TGeoBlock block;
    for (std::uint32_t key = 1; key < count; ++key)
        block.GetScopePoints()->AddScopePoint(0, key, 2, key * 1.0, 0.0, 0.0, 0, 0, 0, 0);
    block.GetScopePoints()->AddScopePoint(0, kLargestKey, 2, -1.0 * count, 0.0, 0.0, 0, 0, 0, 0);
    double target = count;
    for (auto _ : state) {
        target += 1.0;
        benchmark::DoNotOptimize(block.ExtendScopeX(target));
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(extendScopeXWithLargestKey)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

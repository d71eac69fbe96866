// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Cost of one parameter write and of one read, both through the connection
// the store keeps (only the first operation of a process opens it), and of
// the first read of a call, whose new store object takes the connection the
// call before it kept.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/SqliteRegistryStore.h"

namespace {

using namespace tarvelo::services;

class SilentMessages final : public IMessageService {
public:
    void show(const std::string&, const std::string&, MessageIcon) override {}
};

// A private store in a temporary folder; no documents folder, so nothing is logged.
class BenchmarkEnvironment final : public IServiceEnvironment {
public:
    BenchmarkEnvironment()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarvelo-bench-XXXXXX").string();
        m_root = ::mkdtemp(pattern.data());
        m_store = std::make_unique<SqliteRegistryStore>(m_root / SqliteRegistryStore::kFileName);
    }
    ~BenchmarkEnvironment() override { std::filesystem::remove_all(m_root); }

    IRegistryBackend& store() override { return *m_store; }
    // A store object as a new call makes it.
    void startCall() { m_store = std::make_unique<SqliteRegistryStore>(m_root / SqliteRegistryStore::kFileName); }
    IMessageService& messages() override { return m_messages; }
    std::optional<std::filesystem::path> documentsFolder() override { return std::nullopt; }
    std::tm localTime() override { return {}; }

private:
    std::filesystem::path m_root;
    std::unique_ptr<SqliteRegistryStore> m_store;
    SilentMessages m_messages;
};

void setDwordParam(benchmark::State& state)
{
    BenchmarkEnvironment environment;
    CSysHub hub(environment);
    std::uint32_t value = 0;
    for (auto _ : state)
        hub.SetDwordParam("", "Roundz", ++value);
}
BENCHMARK(setDwordParam)->Iterations(10000)->Unit(benchmark::kMicrosecond);

void getDwordParams(benchmark::State& state)
{
    BenchmarkEnvironment environment;
    CSysHub hub(environment);
    hub.SetDwordParam("", "Roundz", 3);
    for (auto _ : state)
        benchmark::DoNotOptimize(hub.GetDwordParams("", "Roundz"));
}
BENCHMARK(getDwordParams)->Iterations(10000)->Unit(benchmark::kMicrosecond);

void firstReadOfACall(benchmark::State& state)
{
    BenchmarkEnvironment environment;
    CSysHub(environment).SetDwordParam("", "Roundz", 3);
    for (auto _ : state) {
        environment.startCall();
        benchmark::DoNotOptimize(CSysHub(environment).GetDwordParams("", "Roundz"));
    }
}
BENCHMARK(firstReadOfACall)->Iterations(2000)->Unit(benchmark::kMicrosecond);

}  // namespace

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Times opening a DXF drawing and listing its layers the way the module
// does: one with 10,000 layers, and one of about 100 MB whose entities
// follow small tables and must not slow the opening down.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "DxfDrawing.h"
#include "TableWalk.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kManyLayers = 10'000;
constexpr std::size_t kLargeFileBytes = 100u * 1024 * 1024;

void writeLayer(std::ofstream& out, const std::string& name, int colour)
{
    out << "  0\nLAYER\n  2\n" << name << "\n 70\n0\n 62\n" << colour << "\n  6\nContinuous\n";
}

// A minimal R2010 drawing: header, layer and line type tables, then LINE entities up to the given size.
void writeDrawing(const fs::path& path, std::size_t layers, std::size_t targetBytes)
{
    std::ofstream out(path, std::ios::binary);
    out << "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1024\n  9\n$DWGCODEPAGE\n  3\nANSI_1251\n"
           "  0\nENDSEC\n  0\nSECTION\n  2\nTABLES\n";
    out << "  0\nTABLE\n  2\nLTYPE\n 70\n3\n";
    for (const char* name : {"Continuous", "Штриховая", "Осевая"})
        out << "  0\nLTYPE\n  2\n" << name << "\n 70\n0\n  3\n\n 72\n65\n 73\n0\n 40\n0.0\n";
    out << "  0\nENDTAB\n  0\nTABLE\n  2\nLAYER\n 70\n" << layers << "\n";
    writeLayer(out, "0", 7);
    for (std::size_t i = 1; i < layers; ++i)
        writeLayer(out, "Слой " + std::to_string(i), static_cast<int>(i % 255) + 1);
    out << "  0\nENDTAB\n  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n";
    char line[160];
    for (std::size_t i = 0; static_cast<std::size_t>(out.tellp()) < targetBytes; ++i) {
        const int length = std::snprintf(line, sizeof line,
                                         "  0\nLINE\n  8\nСлой %zu\n 10\n%zu.0\n 20\n0.0\n 30\n0.0\n 11\n%zu.5\n"
                                         " 21\n100.0\n 31\n0.0\n",
                                         i % layers, i, i);
        out.write(line, length);
    }
    out << "  0\nENDSEC\n  0\nEOF\n";
}

class Drawings {
public:
    Drawings() : m_folder(fs::temp_directory_path() / ("tarvelo-dxf-bench-" + std::to_string(::getpid())))
    {
        fs::create_directories(m_folder);
        writeDrawing(manyLayers(), kManyLayers, 0);
        writeDrawing(largeFile(), 20, kLargeFileBytes);
    }
    ~Drawings() { fs::remove_all(m_folder); }
    Drawings(const Drawings&) = delete;
    Drawings& operator=(const Drawings&) = delete;

    [[nodiscard]] fs::path manyLayers() const { return m_folder / "many_layers.dxf"; }
    [[nodiscard]] fs::path largeFile() const { return m_folder / "large.dxf"; }

private:
    fs::path m_folder;
};

const Drawings& drawings()
{
    static const Drawings instance;
    return instance;
}

void openAndListLayers(benchmark::State& state, const fs::path& path, std::size_t expectedLayers)
{
    for (auto _ : state) {
        std::string error;
        const std::unique_ptr<tarvelo::host::DxfDrawing> drawing = tarvelo::host::DxfDrawing::open(path, error);
        if (!drawing) {
            state.SkipWithError(error.c_str());
            return;
        }
        const tarvelo::hostcad::TableNames layers = tarvelo::hostcad::readTableNames(
            drawing.get(), tarvelo::hostcad::TableKind::Layers, tarvelo::hostcad::FailedRecords::Skip);
        if (layers.names.size() != expectedLayers) {
            state.SkipWithError("wrong number of layers");
            return;
        }
        benchmark::DoNotOptimize(layers);
    }
    state.counters["file_MB"] = static_cast<double>(fs::file_size(path)) / (1024.0 * 1024.0);
}

void BM_OpenTenThousandLayers(benchmark::State& state)
{
    openAndListLayers(state, drawings().manyLayers(), kManyLayers);
}

void BM_OpenHundredMegabyteDrawing(benchmark::State& state)
{
    openAndListLayers(state, drawings().largeFile(), 20);
}

}  // namespace

BENCHMARK(BM_OpenTenThousandLayers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenHundredMegabyteDrawing)->Unit(benchmark::kMillisecond);

// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Times opening a DXF drawing and listing its layers the way the module
// does: one with 10,000 layers, and one of about 100 MB whose entities
// follow small tables and must not slow the opening down, each as a text
// and as a binary file. Beside them, the largest real drawing at hand, and
// ezdxf reading the same file, its tables only and in full, which is what a
// user would run instead; and a thousand symbols written into that drawing,
// which should take less than ezdxf takes only to read it.
#include <benchmark/benchmark.h>

#include <QProcess>
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

#include "DxfBinaryGroupReader.h"
#include "DxfDrawing.h"
#include "DxfGroupWriter.h"
#include "DxfSymbolExport.h"
#include "TableWalk.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kManyLayers = 10'000;
constexpr std::size_t kLargeFileBytes = 100u * 1024 * 1024;

// A minimal R2010 drawing, text or binary: header, line type and layer tables, then LINE entities
// up to the given size.
void writeDrawing(const fs::path& path, std::size_t layers, std::size_t targetBytes, bool binary)
{
    tarvelo::host::DxfGroupWriter out({.binary = binary});
    const auto texts = [&out](std::initializer_list<std::pair<int, std::string>> groups) {
        for (const auto& [code, value] : groups)
            out.text(code, value);
    };
    const auto integers = [&out](std::initializer_list<std::pair<int, std::int64_t>> groups) {
        for (const auto& [code, value] : groups)
            out.integer(code, value);
    };
    texts({{0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"}, {1, "AC1024"}, {9, "$DWGCODEPAGE"}, {3, "ANSI_1251"},
           {0, "ENDSEC"}, {0, "SECTION"}, {2, "TABLES"}, {0, "TABLE"}, {2, "LTYPE"}});
    integers({{70, 3}});
    for (const char* name : {"Continuous", "Штриховая", "Осевая"}) {
        texts({{0, "LTYPE"}, {2, name}});
        integers({{70, 0}});
        texts({{3, ""}});
        integers({{72, 65}, {73, 0}});
        out.real(40, 0.0);
    }
    texts({{0, "ENDTAB"}, {0, "TABLE"}, {2, "LAYER"}});
    integers({{70, static_cast<std::int64_t>(layers % 32768)}});
    for (std::size_t i = 0; i < layers; ++i) {
        texts({{0, "LAYER"}, {2, i == 0 ? std::string("0") : "Слой " + std::to_string(i)}});
        integers({{70, 0}, {62, i == 0 ? 7 : static_cast<std::int64_t>(i % 255) + 1}});
        texts({{6, "Continuous"}});
    }
    texts({{0, "ENDTAB"}, {0, "ENDSEC"}, {0, "SECTION"}, {2, "ENTITIES"}});
    for (std::size_t i = 0; out.bytes().size() < targetBytes; ++i) {
        texts({{0, "LINE"}, {8, "Слой " + std::to_string(i % layers)}});
        for (const auto& [code, value] : {std::pair{10, double(i)}, {20, 0.0}, {30, 0.0}, {11, double(i) + 0.5},
                                          {21, 100.0}, {31, 0.0}})
            out.real(code, value);
    }
    texts({{0, "ENDSEC"}, {0, "EOF"}});
    std::ofstream file(path, std::ios::binary);
    if (binary)
        file << tarvelo::host::DxfBinaryGroupReader::kSentinel;
    file << out.bytes();
}

class Drawings {
public:
    Drawings() : m_folder(fs::temp_directory_path() / ("tarvelo-dxf-bench-" + std::to_string(::getpid())))
    {
        fs::create_directories(m_folder);
        writeDrawing(manyLayers(), kManyLayers, 0, false);
        writeDrawing(largeFile(), 20, kLargeFileBytes, false);
        writeDrawing(manyLayersBinary(), kManyLayers, 0, true);
        writeDrawing(largeBinaryFile(), 20, kLargeFileBytes, true);
    }
    ~Drawings() { fs::remove_all(m_folder); }
    Drawings(const Drawings&) = delete;
    Drawings& operator=(const Drawings&) = delete;

    [[nodiscard]] fs::path manyLayers() const { return m_folder / "many_layers.dxf"; }
    [[nodiscard]] fs::path largeFile() const { return m_folder / "large.dxf"; }
    [[nodiscard]] fs::path manyLayersBinary() const { return m_folder / "many_layers_binary.dxf"; }
    [[nodiscard]] fs::path largeBinaryFile() const { return m_folder / "large_binary.dxf"; }

private:
    fs::path m_folder;
};

const Drawings& drawings()
{
    static const Drawings instance;
    return instance;
}

// The largest DXF file among the real drawings, or nothing when they are not at hand.
fs::path largestRealDrawing()
{
    fs::path largest;
    std::uintmax_t largestSize = 0;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(REAL_DRAWINGS_DIR, error)) {
        if (entry.path().extension() == ".dxf" && entry.file_size(error) > largestSize) {
            largestSize = entry.file_size(error);
            largest = entry.path();
        }
    }
    return largest;
}

// ezdxf in a Python process of its own, started once, reading the drawing on each request and
// timing itself, so that the interpreter's start is not counted against it.
class EzdxfReader {
public:
    explicit EzdxfReader(const fs::path& drawing)
    {
        m_python.start("/usr/bin/python3", {EZDXF_READ_TIMER, QString::fromStdString(drawing.string())});
        m_python.waitForStarted();
    }
    ~EzdxfReader()
    {
        m_python.closeWriteChannel();
        if (!m_python.waitForFinished(10000))
            m_python.kill();
    }
    EzdxfReader(const EzdxfReader&) = delete;
    EzdxfReader& operator=(const EzdxfReader&) = delete;

    /// Seconds one read took, or a negative number when ezdxf failed.
    double read(const char* how)
    {
        m_python.write(how);
        m_python.write("\n");
        while (!m_python.canReadLine()) {
            if (!m_python.waitForReadyRead(600000))
                return -1.0;
        }
        bool ok = false;
        const double seconds = m_python.readLine().trimmed().toDouble(&ok);
        return ok ? seconds : -1.0;
    }

private:
    QProcess m_python;
};

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

void BM_OpenTenThousandLayersBinary(benchmark::State& state)
{
    openAndListLayers(state, drawings().manyLayersBinary(), kManyLayers);
}

void BM_OpenHundredMegabyteBinaryDrawing(benchmark::State& state)
{
    openAndListLayers(state, drawings().largeBinaryFile(), 20);
}

void BM_ListLayersOfLargestRealDrawing(benchmark::State& state)
{
    const fs::path drawing = largestRealDrawing();
    if (drawing.empty()) {
        state.SkipWithError("no real drawings at " REAL_DRAWINGS_DIR);
        return;
    }
    for (auto _ : state) {
        std::string error;
        const auto opened = tarvelo::host::DxfDrawing::open(drawing, error);
        if (!opened) {
            state.SkipWithError(error.c_str());
            return;
        }
        benchmark::DoNotOptimize(tarvelo::hostcad::readTableNames(opened.get(), tarvelo::hostcad::TableKind::Layers,
                                                                  tarvelo::hostcad::FailedRecords::Skip));
    }
    state.SetLabel(drawing.filename().string());
}

// A symbol of every kind of primitive the renderer makes, with Cyrillic text, at @p at.
tarvelo::render::Drawing benchmarkSymbol(QPointF at)
{
    using namespace tarvelo::render;
    Drawing drawing;
    drawing.unitsPerMillimetre = 100.0;
    drawing.pens[std::size_t(PenRole::Thin)] = Pen{"Разрезы", "Штрихпунктирная", 0.18, 256, {}, false};
    drawing.pens[std::size_t(PenRole::Thick)] = Pen{"Разрезы", "", 0.5, 256, {}, true};
    drawing.pens[std::size_t(PenRole::ThinSolid)] = Pen{"Разрезы", "", 0.18, 256, {}, false};
    drawing.pens[std::size_t(PenRole::ThickSolid)] = Pen{"Разрезы", "", 0.5, 256, {}, true};
    drawing.textStyle = TextStyle{"ГОСТ тип А", 350.0, 0.8, 15.0};
    const auto add = [&](Shape shape, PenRole pen) { drawing.primitives.push_back({std::move(shape), pen}); };
    add(LinePrimitive{at, at + QPointF(1000, 0)}, PenRole::Thin);
    add(PolylinePrimitive{{at, at + QPointF(0, 500), at + QPointF(300, 500)}, 0.0, false}, PenRole::Thick);
    add(ArcPrimitive{at, 400.0, 30.0, 120.0}, PenRole::ThinSolid);
    add(CirclePrimitive{at + QPointF(2000, 0), 250.0, false}, PenRole::ThinSolid);
    add(ArrowHeadPrimitive{at + QPointF(1000, 0), at + QPointF(800, 0), 60.0, false}, PenRole::ThickSolid);
    add(TextPrimitive{"Разрез 1-1", at + QPointF(500, 100), 350.0, 0.8, 15.0, 0.0, HAlign::Centre, VAlign::Baseline},
        PenRole::Thin);
    return drawing;
}

// A thousand symbols into the largest real drawing, as --into does it: the
// drawing read from disk, the symbols added, the result written to a file.
void BM_ExportThousandSymbolsIntoLargestRealDrawing(benchmark::State& state)
{
    const fs::path drawing = largestRealDrawing();
    if (drawing.empty()) {
        state.SkipWithError("no real drawings at " REAL_DRAWINGS_DIR);
        return;
    }
    std::vector<tarvelo::render::Drawing> symbols;
    for (int i = 0; i < 1000; ++i)
        symbols.push_back(benchmarkSymbol(QPointF(3000.0 * (i % 40), 1500.0 * (i / 40))));
    const fs::path out = fs::temp_directory_path() / ("tarvelo-export-" + std::to_string(::getpid()) + ".dxf");
    for (auto _ : state) {
        std::ifstream in(drawing, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::string error;
        const std::optional<std::string> merged =
            tarvelo::host::DxfSymbolExport::intoDrawing(bytes, symbols, drawing.string(), error);
        if (!merged) {
            state.SkipWithError(error.c_str());
            break;
        }
        std::ofstream(out, std::ios::binary).write(merged->data(), static_cast<std::streamsize>(merged->size()));
    }
    fs::remove(out);
    state.SetLabel(drawing.filename().string());
}

void ezdxfReads(benchmark::State& state, const char* how)
{
    const fs::path drawing = largestRealDrawing();
    if (drawing.empty()) {
        state.SkipWithError("no real drawings at " REAL_DRAWINGS_DIR);
        return;
    }
    EzdxfReader ezdxf(drawing);
    for (auto _ : state) {
        const double seconds = ezdxf.read(how);
        if (seconds < 0.0) {
            state.SkipWithError("ezdxf did not read the drawing");
            return;
        }
        state.SetIterationTime(seconds);
    }
    state.SetLabel(drawing.filename().string());
}

void BM_EzdxfReadsTablesOfLargestRealDrawing(benchmark::State& state)
{
    ezdxfReads(state, "tables");
}

void BM_EzdxfReadsLargestRealDrawingInFull(benchmark::State& state)
{
    ezdxfReads(state, "full");
}

}  // namespace

BENCHMARK(BM_OpenTenThousandLayers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenHundredMegabyteDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenTenThousandLayersBinary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenHundredMegabyteBinaryDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListLayersOfLargestRealDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportThousandSymbolsIntoLargestRealDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EzdxfReadsTablesOfLargestRealDrawing)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EzdxfReadsLargestRealDrawingInFull)->UseManualTime()->Unit(benchmark::kMillisecond);

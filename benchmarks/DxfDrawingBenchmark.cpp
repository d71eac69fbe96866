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
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

#include "DxfDrawing.h"
#include "DxfSymbolExport.h"
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

// The same drawing as a binary R2010 file: two-byte group codes, values in their own types.
class BinaryWriter {
public:
    explicit BinaryWriter(const fs::path& path) : m_out(path, std::ios::binary)
    {
        m_out.write("AutoCAD Binary DXF\r\n\x1a", 21);
        m_out.put('\0');
    }
    BinaryWriter& text(int code, const std::string& value)
    {
        writeCode(code);
        m_out.write(value.c_str(), static_cast<std::streamsize>(value.size() + 1));
        return *this;
    }
    BinaryWriter& int16(int code, int value)
    {
        writeCode(code);
        writeCode(value);
        return *this;
    }
    BinaryWriter& real(int code, double value)
    {
        writeCode(code);
        char bytes[sizeof value];
        std::memcpy(bytes, &value, sizeof value);
        m_out.write(bytes, sizeof bytes);
        return *this;
    }
    std::size_t size() { return static_cast<std::size_t>(m_out.tellp()); }

private:
    void writeCode(int code)
    {
        m_out.put(static_cast<char>(code & 0xFF));
        m_out.put(static_cast<char>((code >> 8) & 0xFF));
    }

    std::ofstream m_out;
};

void writeBinaryDrawing(const fs::path& path, std::size_t layers, std::size_t targetBytes)
{
    BinaryWriter out(path);
    out.text(0, "SECTION").text(2, "HEADER").text(9, "$ACADVER").text(1, "AC1024");
    out.text(9, "$DWGCODEPAGE").text(3, "ANSI_1251").text(0, "ENDSEC");
    out.text(0, "SECTION").text(2, "TABLES").text(0, "TABLE").text(2, "LTYPE").int16(70, 3);
    for (const char* name : {"Continuous", "Штриховая", "Осевая"})
        out.text(0, "LTYPE").text(2, name).int16(70, 0).text(3, "").int16(72, 65).int16(73, 0).real(40, 0.0);
    out.text(0, "ENDTAB").text(0, "TABLE").text(2, "LAYER").int16(70, static_cast<int>(layers % 32768));
    for (std::size_t i = 0; i < layers; ++i) {
        out.text(0, "LAYER").text(2, i == 0 ? std::string("0") : "Слой " + std::to_string(i)).int16(70, 0);
        out.int16(62, i == 0 ? 7 : static_cast<int>(i % 255) + 1).text(6, "Continuous");
    }
    out.text(0, "ENDTAB").text(0, "ENDSEC").text(0, "SECTION").text(2, "ENTITIES");
    for (std::size_t i = 0; out.size() < targetBytes; ++i) {
        out.text(0, "LINE").text(8, "Слой " + std::to_string(i % layers));
        out.real(10, static_cast<double>(i)).real(20, 0.0).real(30, 0.0);
        out.real(11, static_cast<double>(i) + 0.5).real(21, 100.0).real(31, 0.0);
    }
    out.text(0, "ENDSEC").text(0, "EOF");
}

class Drawings {
public:
    Drawings() : m_folder(fs::temp_directory_path() / ("tarvelo-dxf-bench-" + std::to_string(::getpid())))
    {
        fs::create_directories(m_folder);
        writeDrawing(manyLayers(), kManyLayers, 0);
        writeDrawing(largeFile(), 20, kLargeFileBytes);
        writeBinaryDrawing(manyLayersBinary(), kManyLayers, 0);
        writeBinaryDrawing(largeBinaryFile(), 20, kLargeFileBytes);
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

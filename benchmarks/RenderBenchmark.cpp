// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// What drawing a symbol costs: the drawing of each kind on its own, and a
// preview update (drawing and painting into a pane-sized image) for each
// kind and for arrays of 100 x 100 axes, orthogonal and polar. Beside them,
// what the dialogs do instead today: render the type's fixed picture into
// the same pane.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include "PrimitivePainter.h"
#include "SymbolBlocks.h"
#include "SymbolRenderer.h"

using namespace tarvelo::render;
using namespace tarvelo::render::testing;

namespace {

const QSize kPane(320, 240);
constexpr double kScale = 100.0;

// A symbol of the type as a user leaves it, texts filled in.
std::unique_ptr<TGeoBlock> symbolOf(std::uint32_t type)
{
    auto block = newSymbol(type, kScale);
    auto* data = block->GetExtData();
    if (type / 100 == 1)
        data->SetMainText(cp1251("А"));
    if (type / 100 == 3)
        data->SetMainText("3.250000*3");
    if (type / 100 == 4) {
        data->SetMainText(cp1251("Поз. 12"));
        data->SetSubText(cp1251("ГОСТ 8509-93"));
        block->SetSymbolVariant(3);
    }
    if (type / 100 == 7) {
        data->SetMainText(cp1251("ГОСТ 5264-80-Т1-6"));
        data->SetSubText(cp1251("С17"));
    }
    return block;
}

// An orthogonal array of axes 6 m apart, or a polar one of arcs 6 m apart and rays 360 / numbered degrees apart.
std::unique_ptr<TGeoBlock> axisArray(int lettered, int numbered, std::uint32_t type = 801)
{
    auto block = newSymbol(type, kScale);
    block->GetItems()->RemoveAll();
    block->GetPoints()->RemoveAll();
    std::uint32_t id = 0;
    auto add = [&](std::uint32_t kind, int index) {
        const double ray = 360.0 / numbered;
        const double step = type == 802 ? (kind == 4 ? (index == 0 ? 0.0 : ray) : 6000.0) : (index == 0 ? 0.0 : 6000.0);
        const double x = kind == 4 ? step : 0.0;
        const double y = kind == 7 ? step : 0.0;
        const std::uint32_t point = block->GetPoints()->AddPoint(0, 0, x, y, 0.0);
        const GEOTYPE_DEFINITION::ValueMap values{{1, point}};
        block->AddItem(kind, ++id, &values, std::to_string(index + 1), 0);
    };
    for (int i = 0; i < lettered; ++i)
        add(7, i);
    for (int i = 0; i < numbered; ++i)
        add(4, i);
    return block;
}

// Draws the block on every iteration.
void timeDrawing(benchmark::State& state, const std::unique_ptr<TGeoBlock>& block)
{
    for (auto _ : state) {
        Drawing drawing = renderSymbol(block.get());
        benchmark::DoNotOptimize(drawing.primitives.data());
    }
}

// Draws the block and paints the drawing into a pane-sized image on every iteration, as a preview update does.
void timePreview(benchmark::State& state, const std::unique_ptr<TGeoBlock>& block)
{
    QImage pane(kPane, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const Drawing drawing = renderSymbol(block.get());
        QPainter painter(&pane);
        PaintOptions options;
        options.sheet = QRectF(QPointF(), QSizeF(pane.size()));
        paintDrawing(painter, drawing, fitTransform(drawing.bounds(), options.sheet, 10.0), options);
        benchmark::DoNotOptimize(pane.constBits());
    }
}

void drawSymbol(benchmark::State& state)
{
    timeDrawing(state, symbolOf(static_cast<std::uint32_t>(state.range(0))));
}

void previewUpdate(benchmark::State& state)
{
    timePreview(state, symbolOf(static_cast<std::uint32_t>(state.range(0))));
}

void drawAxisArray(benchmark::State& state)
{
    timeDrawing(state, axisArray(static_cast<int>(state.range(0)), static_cast<int>(state.range(0))));
}

void previewAxisArray(benchmark::State& state)
{
    timePreview(state, axisArray(static_cast<int>(state.range(0)), static_cast<int>(state.range(0))));
}

void previewPolarArray(benchmark::State& state)
{
    timePreview(state, axisArray(static_cast<int>(state.range(0)), static_cast<int>(state.range(0)), 802));
}

// The weld dialog's way: load the type's picture and render it into the pane on every type change.
void fixedPicture(benchmark::State& state)
{
    const QString path = QStringLiteral(PICTURES_DIR "/%1.svg").arg(state.range(0));
    QImage pane(kPane, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QSvgRenderer picture(path);
        QPainter painter(&pane);
        pane.fill(Qt::white);
        picture.render(&painter, QRectF(QPointF(), QSizeF(kPane)));
        benchmark::DoNotOptimize(pane.constBits());
    }
}

void everyKind(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgName("type");
    for (const std::uint32_t type : kOneTypePerKind)
        benchmark->Arg(type);
    benchmark->Arg(802);
}

}  // namespace

BENCHMARK(drawSymbol)->Apply(everyKind)->Unit(benchmark::kMicrosecond);
BENCHMARK(previewUpdate)->Apply(everyKind)->Unit(benchmark::kMicrosecond);
BENCHMARK(drawAxisArray)->ArgName("axes")->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(previewAxisArray)->ArgName("axes")->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(previewPolarArray)->ArgName("axes")->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(fixedPicture)->ArgName("picture")->Arg(12080)->Arg(12062)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Painting texts needs the fonts an application brings.
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

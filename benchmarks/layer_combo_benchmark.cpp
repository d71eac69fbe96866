// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Times the layer combo with drawings of 10,000 and 100,000 layers, offscreen:
// a dialog holding the combo filled, shown, painted and accepted, and the
// combo's drop-down list opened and painted. The whole dialog must take less
// than 10 ms with 10,000 layers and less than 100 ms with 100,000; the
// drop-down list must open in less than 100 ms.
#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QVBoxLayout>
#include <string>

#include "CComboLayers.h"
#include "InMemoryDrawing.h"
#include "tarvelo/services/IMessageService.h"

namespace {

using tarvelo::controls::CComboLayers;
using tarvelo::hostcad::InMemoryDrawing;

class SilentMessages final : public tarvelo::services::IMessageService {
public:
    void show(const std::string&, const std::string&, tarvelo::services::MessageIcon) override {}
};

InMemoryDrawing drawingWithLayers(std::int64_t count)
{
    InMemoryDrawing drawing;
    drawing.layers.reserve(static_cast<std::size_t>(count));
    drawing.layers.push_back({"0"});
    for (std::int64_t i = 1; i < count; ++i)
        drawing.layers.push_back({"Слой " + std::to_string(i)});
    return drawing;
}

// The part of a symbol dialog that the layer combo adds to its start and end.
struct LayerDialog {
    QDialog dialog;
    CComboLayers* layers;
    std::string layerName = "0";

    explicit LayerDialog(tarvelo::services::IMessageService& messages)
        : layers(new CComboLayers(messages, &dialog))
    {
        layers->setObjectName("12013");
        (new QVBoxLayout(&dialog))->addWidget(layers);
    }
};

void dialogShownAndAccepted(benchmark::State& state)
{
    SilentMessages messages;
    InMemoryDrawing drawing = drawingWithLayers(state.range(0));
    for (auto _ : state) {
        LayerDialog holder(messages);
        holder.layers->FillLayers(&drawing, &holder.layerName);
        holder.layers->setLayerName(holder.layerName);
        QTimer::singleShot(0, &holder.dialog, [&holder] {
            holder.dialog.repaint();
            holder.dialog.accept();
        });
        benchmark::DoNotOptimize(holder.dialog.exec());
    }
}

void dropDownOpened(benchmark::State& state)
{
    SilentMessages messages;
    InMemoryDrawing drawing = drawingWithLayers(state.range(0));
    LayerDialog holder(messages);
    holder.layers->FillLayers(&drawing, &holder.layerName);
    holder.dialog.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        holder.layers->showPopup();
        holder.layers->view()->repaint();
        state.PauseTiming();
        holder.layers->hidePopup();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(dialogShownAndAccepted)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(dropDownOpened)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes on keyboard grabs would bury the results.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

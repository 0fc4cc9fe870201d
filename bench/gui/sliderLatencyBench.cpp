// A live parameter slider: the time from a slider move to the first hand-off
// of the picture restarted with the new value, and to the first paint of
// that picture in the image window, with the whole window set running
// offscreen. Meanwhile a 1 ms timer measures how long the UI thread stalls.

#include "app/mainWindow.h"
#include "app/windowSet.h"
#include "render/pictureFile.h"
#include "render/renderThread.h"
#include "windows/formulaLineEdit.h"
#include "windows/imageWindow.h"
#include "windows/parameterWindow.h"
#include "windows/toolControls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace gyrelune {
namespace {

// Passes every hand-off on to the image window and notes the first one whose
// active formula holds the awaited parameter value, then the first paint of it.
class HandOffProbe : public QObject, public PictureSink {
  public:
    HandOffProbe(ImageWindow& image, RenderCore& core) : image_(image), core_(core) {
        image.installEventFilter(this);
    }

    void await(Real48 value, const QElapsedTimer& clock) {
        awaited_ = value;
        clock_ = &clock;
        handOffMs = paintMs = -1;
        copied_ = false;
    }
    bool done() const { return paintMs >= 0; }

    void drawPicture(const PixelBuffer& buffer) override {
        const QImage picture = imageView(buffer);
        image_.drawPicture(picture);
        if (!clock_) return;
        if (handOffMs < 0 && activeValue() == awaited_) handOffMs = clock_->nsecsElapsed() / 1e6;
        // The window copies at most every 16 ms; has it taken this picture?
        if (handOffMs >= 0 && !copied_) copied_ = sameBytes(image_.shownPicture(), picture);
    }
    void setPictureReady() override { image_.setPictureReady(); }

    double handOffMs = -1, paintMs = -1;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && copied_ && paintMs < 0 && clock_)
            paintMs = clock_->nsecsElapsed() / 1e6;
        return false;
    }

  private:
    Real48 activeValue() const {
        const int slot = core_.activeFormulaX().findVariable("a");
        return slot < 0 ? Real48() : core_.activeFormulaX().variables()[std::size_t(slot)].value;
    }
    static bool sameBytes(const QImage& a, const QImage& b) {
        if (a.size() != b.size()) return false;
        const auto row = std::size_t(std::min(a.bytesPerLine(), b.bytesPerLine()));
        for (int y = 0; y < a.height(); ++y)
            if (std::memcmp(a.constScanLine(y), b.constScanLine(y), row) != 0) return false;
        return true;
    }

    ImageWindow& image_;
    RenderCore& core_;
    Real48 awaited_;
    const QElapsedTimer* clock_ = nullptr;
    bool copied_ = false;
};

// The longest gap between the ticks of a 1 ms timer.
class StallMeter {
  public:
    StallMeter() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const double now = clock_.nsecsElapsed() / 1e6;
            longestMs = std::max(longestMs, now - lastMs_);
            lastMs_ = now;
        });
        clock_.start();
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.start(1);
    }
    double longestMs = 0;

  private:
    QTimer timer_;
    QElapsedTimer clock_;
    double lastMs_ = 0;
};

Real48 valueOfText(const QString& text) {
    FormulaField field(text.toStdString());
    field.compileAndMark();
    return field.value();
}

// The window set drawing the default attractor with the parameter a in place
// of 0.453, its parameter window shown.
struct LiveSlider {
    LiveSlider() : probe(windows.image(), windows.main().renderCore()) {
        MainWindow& main = windows.main();
        main.renderThread().setPictureSink(&probe);
        windows.show();
        main.edit(MainField::formulaX)->setText("sin(x*y*4.36/pi)+y*a+0.45");
        main.draw();
        main.showParameterWindows();
        window = &dynamic_cast<ParameterWindow&>(*main.parameterList().findWindow("a"));
    }
    ~LiveSlider() { windows.main().renderThread().shutdown(); }
    int nextPosition() { return position = (position + 137) % 1001; }

    WindowSet windows;
    HandOffProbe probe;
    ParameterWindow* window = nullptr;
    int position = 500;
};

// The given share of the sorted latencies lies at or below the result.
double percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[std::size_t(share * double(values.size() - 1))];
}

void BM_SliderMoveToRestartedPicture(benchmark::State& state) {
    LiveSlider live;
    QElapsedTimer clock;
    StallMeter stalls;
    std::vector<double> handOffs, paints;
    std::uint32_t phase = 1;
    for (auto _ : state) {
        // A user's move comes at any moment of the timer's 50 ms period.
        phase = phase * 1103515245u + 12345u;
        clock.start();
        while (clock.elapsed() < (phase >> 16) % 50)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
        clock.start();
        live.window->slider->setValue(live.nextPosition());
        live.probe.await(valueOfText(live.window->valueEdit->text()), clock);
        while (!live.probe.done() && clock.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        if (!live.probe.done()) {
            state.SkipWithError("no restarted picture within 2 s");
            break;
        }
        state.SetIterationTime(live.probe.handOffMs / 1e3);
        handOffs.push_back(live.probe.handOffMs);
        paints.push_back(live.probe.paintMs);
    }
    state.counters["handoff_p95_ms"] = percentile(handOffs, 0.95);
    state.counters["handoff_max_ms"] = percentile(handOffs, 1);
    state.counters["paint_p50_ms"] = percentile(paints, 0.5);
    state.counters["paint_p95_ms"] = percentile(paints, 0.95);
    state.counters["paint_max_ms"] = percentile(paints, 1);
    state.counters["ui_longest_stall_ms"] = stalls.longestMs;
}
BENCHMARK(BM_SliderMoveToRestartedPicture)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200);

// What one slider tick costs the UI thread: the value written by the move and
// the timer's Draw, with the render thread running beside it.
void BM_SliderTickOnUiThread(benchmark::State& state) {
    LiveSlider live;
    live.window->pollTimer->stop();
    for (auto _ : state) {
        live.window->slider->setValue(live.nextPosition());
        live.window->pollForRedraw();
        state.PauseTiming();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SliderTickOnUiThread)->Unit(benchmark::kMicrosecond)->Iterations(2000);

} // namespace
} // namespace gyrelune

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

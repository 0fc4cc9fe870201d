// The real main window, offscreen, drawing the default attractor: its
// points-per-second read-out against the headless loop of gyrelune-cli render
// (the same core and adaptive pipeline driven directly, at the same picture
// size), and how long an event posted to the UI thread waits while drawing
// goes on.
//
// The two are measured in alternating rounds so that a change in the
// machine's load hits both alike; the figures are medians over the rounds.

#include "app/mainWindow.h"
#include "app/windowSet.h"
#include "core/headlessSession.h"
#include "render/directDriver.h"
#include "render/orbitPipeline.h"
#include "render/renderThread.h"
#include "windows/imageWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRegularExpression>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <thread>
#include <vector>

#include <unistd.h>

namespace gyrelune {
namespace {

constexpr int roundSeconds = 3;
constexpr int rounds = 5;

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// CPU seconds of the process's thread whose name starts with `prefix`, from /proc.
class ThreadClock {
  public:
    explicit ThreadClock(const QString& prefix) {
        for (const QString& tid :
             QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile comm(QStringLiteral("/proc/self/task/%1/comm").arg(tid));
            if (comm.open(QIODevice::ReadOnly) &&
                QString::fromUtf8(comm.readAll()).startsWith(prefix))
                statPath_ = QStringLiteral("/proc/self/task/%1/stat").arg(tid);
        }
    }
    bool found() const { return !statPath_.isEmpty(); }
    double seconds() const {
        QFile stat(statPath_);
        if (!stat.open(QIODevice::ReadOnly)) return 0;
        const QString text = QString::fromUtf8(stat.readAll());
        // Fields after the parenthesised name: state is field 3, utime 14, stime 15.
        const QStringList fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        return (fields.value(11).toDouble() + fields.value(12).toDouble()) /
               double(sysconf(_SC_CLK_TCK));
    }

  private:
    QString statPath_;
};

// gyrelune-cli render's loop for `seconds`; points per second.
class HeadlessRenderer {
  public:
    HeadlessRenderer(int width, int height) : services_(core_, width, height) {
        startHeadlessDrawing(nullptr, "1500", services_);
        core_.applyPendingSettings();
        pipeline_ = std::make_unique<OrbitPipeline>(core_.orbit());
    }

    struct Rates {
        double perSecond, perCpuSecond;
    };
    Rates run(int seconds) {
        const std::int32_t before = core_.pointCount();
        const double cpuBefore = threadCpuSeconds();
        QElapsedTimer clock;
        clock.start();
        pipeline_->restartMeasurement();
        while (clock.elapsed() < seconds * 1000)
            for (int i = 0; i < 10000; ++i)
                core_.executePass(driver_, pipeline_.get());
        const double points = core_.pointCount() - before;
        return {points * 1000.0 / double(clock.elapsed()),
                points / (threadCpuSeconds() - cpuBefore)};
    }

  private:
    RenderCore core_;
    DirectDrawServices services_;
    DirectDriver driver_;
    std::unique_ptr<OrbitPipeline> pipeline_; // as gyrelune-cli render runs it
};

// Posts a call to the UI thread every 5 ms and records how long each waited.
class LatencyProbe {
  public:
    void start() {
        running_ = true;
        poster_ = std::thread([this] {
            while (running_) {
                const auto posted = std::chrono::steady_clock::now();
                QMetaObject::invokeMethod(
                    qApp,
                    [this, posted] {
                        const auto waited = std::chrono::steady_clock::now() - posted;
                        waits_.push_back(std::chrono::duration<double, std::milli>(waited).count());
                    },
                    Qt::QueuedConnection);
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });
    }
    void stop() {
        running_ = false;
        poster_.join();
        QCoreApplication::processEvents(); // the last posted calls
    }
    double maximum() const {
        return waits_.empty() ? 0 : *std::max_element(waits_.begin(), waits_.end());
    }
    double percentile99() const {
        std::vector<double> sorted = waits_;
        std::sort(sorted.begin(), sorted.end());
        return sorted.empty() ? 0 : sorted[sorted.size() * 99 / 100];
    }
    std::size_t count() const { return waits_.size(); }

  private:
    std::atomic<bool> running_{false};
    std::thread poster_;
    std::vector<double> waits_; // UI thread only
};

void runEventLoop(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void BM_GuiReadoutAgainstHeadless(benchmark::State& state) {
    for (auto _ : state) {
        WindowSet windows;
        windows.show();
        MainWindow& main = windows.main();
        ImageWindow& image = windows.image();

        // The image window's caption: "Attraktor Kép       pont/sec: N".
        std::vector<double> readouts;
        bool collecting = false;
        const QRegularExpression number(QStringLiteral("pont/sec: (-?\\d+)$"));
        QObject::connect(&image, &QWidget::windowTitleChanged, [&](const QString& title) {
            const QRegularExpressionMatch match = number.match(title);
            if (collecting && match.hasMatch()) readouts.push_back(match.captured(1).toDouble());
        });

        // GUI_BENCH_SIDE=4096: the largest picture the window draws.
        if (const char* side = std::getenv("GUI_BENCH_SIDE"))
            image.setPictureSize(std::atoi(side), std::atoi(side));
        runEventLoop(300);
        main.draw();
        runEventLoop(1500); // the restart is taken over and the picture fills in
        const QSize size = image.pictureSize();
        HeadlessRenderer headless(size.width(), size.height());

        const ThreadClock renderClock(QStringLiteral("gyrelune::Rende"));
        if (!renderClock.found()) state.SkipWithError("render thread not found in /proc");

        std::vector<double> headlessRates, guiRates, headlessCpuRates, guiCpuRates, uiLoads;
        LatencyProbe probe;
        for (int round = 0; round < rounds; ++round) {
            main.toggleStop(); // Stop: the headless loop has the machine to itself
            const HeadlessRenderer::Rates reference = headless.run(roundSeconds);
            headlessRates.push_back(reference.perSecond);
            headlessCpuRates.push_back(reference.perCpuSecond);

            main.toggleStop(); // Continue
            const std::size_t first = readouts.size();
            const std::int32_t countBefore = main.renderCore().published().pointCount;
            const double cpuBefore = renderClock.seconds();
            const double uiBefore = threadCpuSeconds();
            QElapsedTimer roundClock;
            roundClock.start();
            collecting = true;
            probe.start();
            runEventLoop(roundSeconds * 1000 + 100);
            probe.stop();
            collecting = false;
            uiLoads.push_back(100.0 * (threadCpuSeconds() - uiBefore) /
                              (double(roundClock.elapsed()) / 1000.0));
            guiCpuRates.push_back((main.renderCore().published().pointCount - countBefore) /
                                  (renderClock.seconds() - cpuBefore));

            // The first read-out of a round spans the Stop; the rest are whole seconds.
            std::printf("round %d: headless %.0f/s (%.0f per CPU s); gui %.0f per CPU s, read-outs",
                        round, reference.perSecond, reference.perCpuSecond, guiCpuRates.back());
            for (std::size_t i = first; i < readouts.size(); ++i) {
                std::printf(" %.0f", readouts[i]);
                if (i > first) guiRates.push_back(readouts[i]);
            }
            std::printf("\n");
        }
        main.close();

        const double gui = median(guiRates), reference = median(headlessRates);
        state.counters["gui_points_per_s"] = gui;
        state.counters["headless_points_per_s"] = reference;
        state.counters["gui_share_percent"] = reference > 0 ? 100.0 * gui / reference : 0;
        const double guiCpu = median(guiCpuRates), referenceCpu = median(headlessCpuRates);
        state.counters["gui_points_per_cpu_s"] = guiCpu;
        state.counters["headless_points_per_cpu_s"] = referenceCpu;
        state.counters["gui_cpu_share_percent"] =
            referenceCpu > 0 ? 100.0 * guiCpu / referenceCpu : 0;
        state.counters["event_wait_max_ms"] = probe.maximum();
        state.counters["event_wait_p99_ms"] = probe.percentile99();
        state.counters["events_probed"] = double(probe.count());
        state.counters["screen_copies"] = image.copiesMade();
        state.counters["ui_thread_cpu_percent"] = median(uiLoads);
        std::printf("picture %dx%d; read-outs used: %zu; headless rounds: %zu\n", size.width(),
                    size.height(), guiRates.size(), headlessRates.size());
    }
}
BENCHMARK(BM_GuiReadoutAgainstHeadless)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
} // namespace gyrelune

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

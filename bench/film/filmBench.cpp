// Film frames per second with one and with two render threads, at a chosen
// size and points per frame (default 1280x720, 1 000 000), over a turntable
// of the document (default: the demo document), tone mapping included and
// encoding left out. Prints wall-clock and CPU rates and the two-thread
// speed-up measured in the same run.
//
//   film_bench [DOC.atr] [--size WxH] [--points N] [--frames N]
#include "core/filmKeys.h"
#include "studio/film/filmRenderer.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

namespace {

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + t.tv_nsec * 1e-9;
}

struct Rate {
    double wall = 0, cpu = 0; // seconds per frame
};

Rate measure(const gyrelune::FilmPlan& plan, gyrelune::FilmLook look, int threads) {
    look.threads = threads;
    gyrelune::FilmRenderer renderer(plan, look);
    renderer.prepare();
    gyrelune::RgbFrame frame;
    const double cpu = cpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    for (int f = 0; f < plan.frameCount; ++f)
        renderer.renderFrame(f, frame);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return {wall / plan.frameCount, (cpuSeconds() - cpu) / plan.frameCount};
}

} // namespace

int main(int argc, char** argv) {
    std::string document = GYRELUNE_SOURCE_DIR "/desktop/screenshots/demo.atr";
    gyrelune::FilmLook look;
    gyrelune::FilmPlan plan;
    plan.frameCount = 6;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(argv[i], "--size") && hasValue)
            std::sscanf(argv[++i], "%dx%d", &look.width, &look.height);
        else if (!std::strcmp(argv[i], "--points") && hasValue)
            look.points = std::strtoull(argv[++i], nullptr, 10);
        else if (!std::strcmp(argv[i], "--frames") && hasValue)
            plan.frameCount = std::atoi(argv[++i]);
        else
            document = argv[i];
    }
    plan.keys = gyrelune::readFilmKeys({document}, "1500");
    plan.turn = gyrelune::FilmTurn{1, 360};
    std::printf("film frames %dx%d, %llu points per frame, %d frames of a turntable\n", look.width,
                look.height, (unsigned long long)look.points, plan.frameCount);
    const Rate one = measure(plan, look, 1), two = measure(plan, look, 2);
    std::printf("1 thread : %.3f frames/s wall, %.2f s CPU per frame\n", 1 / one.wall, one.cpu);
    std::printf("2 threads: %.3f frames/s wall, %.2f s CPU per frame\n", 1 / two.wall, two.cpu);
    std::printf("speed-up with 2 threads: %.2fx wall-clock (target >= 1.8 on 2 idle cores)\n",
                one.wall / two.wall);
    return 0;
}

// The game's frame under Xvfb with the real resources: the time from start-up to the first
// presented frame, then 2,000 uncapped frames, each split into its update, its drawing into
// the off-screen target and its presentation, reported separately for ordinary frames and
// for the frames whose update ran a texture tick; and the peak resident memory.
//
//   DISPLAY=:0 build/bench/frame_bench        (run from anywhere; it uses the repository's res/)
#include "game/game.h"
#include "game/scenes/world/_render.h"
#include "globals.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const int FRAMES = 2000;

double milliseconds(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

struct Phases {
    std::vector<double> update, draw, present;
};

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    size_t index = static_cast<size_t>(fraction * (values.size() - 1) + 0.5);
    return values[index];
}

void report(const char* kind, const Phases& phases)
{
    struct {
        const char* name;
        const std::vector<double>& times;
    } rows[] = {{"update", phases.update}, {"drawing", phases.draw}, {"presentation", phases.present}};
    for (const auto& row : rows) {
        printf("| %s frame, %s | %zu | %.3f | %.3f | %.3f |\n", kind, row.name, row.times.size(),
               percentile(row.times, 0.5), percentile(row.times, 0.99), *std::max_element(row.times.begin(), row.times.end()));
    }
}

}  // namespace

int main()
{
    if (chdir(VELLMORAN_REPO) != 0) return 1;
    Clock::time_point start = Clock::now();
    init();
    SetTargetFPS(0);
    render();
    double startup = milliseconds(start, Clock::now());

    Phases ordinary, tick;
    for (int i = 0; i < FRAMES; i++) {
        winwidth = GetScreenWidth();
        winheight = GetScreenHeight();
        Clock::time_point a = Clock::now();
        updateframe();
        Clock::time_point b = Clock::now();
        drawframe();
        Clock::time_point c = Clock::now();
        presentframe();
        Clock::time_point d = Clock::now();
        Phases& phases = texturesupdt == 0 ? tick : ordinary;  // the update has just ticked
        phases.update.push_back(milliseconds(a, b));
        phases.draw.push_back(milliseconds(b, c));
        phases.present.push_back(milliseconds(c, d));
    }
    close();

    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    printf("start-up to the first presented frame: %.0f ms\n\n", startup);
    printf("| frame and phase | frames | median ms | 99th percentile ms | maximum ms |\n|---|---|---|---|---|\n");
    report("ordinary", ordinary);
    report("tick", tick);
    printf("\npeak resident memory: %ld MB\n", usage.ru_maxrss / 1024);
    return 0;
}

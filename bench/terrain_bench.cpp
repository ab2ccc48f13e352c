// Building the world's tile grid: updatechunks over the whole 1024 x 1024 grid, generated
// from the climate (one biome call per tile) and read from a painted map (including its PNG
// decode), and the upload of the finished grid as a texture, which both include.
//
// Needs a display: the grid goes to the GPU, so a small hidden window is opened. Painted
// maps are written at start into a scratch directory: the generated world saved as a
// grayscale PNG (large even areas, like a painted map) and a map of scattered ids whose
// PNG barely compresses (the slowest to decode).
#include <benchmark/benchmark.h>

#include "game/scenes/world/_render.h"
#include "game/scenes/world/_update.h"
#include "game/scenes/world/world.h"
#include "globals.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const char MAPFILE[] = "res/images/coolworld.png";
std::string scratch;

void removescratch() { std::filesystem::remove_all(scratch); }

// Once per run: a window, the default world's climate, and a scratch working directory.
void prepare()
{
    if (!scratch.empty()) return;
    SetTraceLogLevel(LOG_WARNING);
    SetConfigFlags(FLAG_WINDOW_HIDDEN);
    InitWindow(64, 64, "terrain bench");
    if (!IsWindowReady()) {
        fprintf(stderr, "terrain bench: no window (is DISPLAY set?)\n");
        exit(EXIT_FAILURE);
    }
    char name[] = "/tmp/vellmoran-bench-XXXXXX";
    scratch = mkdtemp(name);
    atexit(removescratch);
    std::filesystem::current_path(scratch);
    std::filesystem::create_directories("res/images");
    setupterrainnoise(world.world);
}

void writeareas()
{
    drawnworld = false;
    world.updatechunks();
    ExportImage(tilemaptx, MAPFILE);
}

void writescattered()
{
    Image map = GenImageWhiteNoise(world.size, world.size, 0.5f);
    for (int i = 0; i < world.size * world.size; i++) static_cast<Color*>(map.data)[i].r = static_cast<uint8_t>(i * 2654435761u >> 24);
    ImageFormat(&map, PIXELFORMAT_UNCOMPRESSED_GRAYSCALE);
    ExportImage(map, MAPFILE);
    UnloadImage(map);
}

// The fastest repetition: on a machine shared with other work it is the closest to an idle one.
double fastest(const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); }

void build(benchmark::State& state)
{
    for (auto _ : state) world.updatechunks();
    state.SetItemsProcessed(state.iterations() * world.size * world.size);
}

void generated(benchmark::State& state)
{
    prepare();
    drawnworld = false;
    build(state);
}
BENCHMARK(generated)->Name("updatechunks/generated")->Unit(benchmark::kMillisecond)->ComputeStatistics("min", fastest);

void paintedareas(benchmark::State& state)
{
    prepare();
    writeareas();
    drawnworld = true;
    build(state);
}
BENCHMARK(paintedareas)->Name("updatechunks/painted, even areas")->Unit(benchmark::kMillisecond)->ComputeStatistics("min", fastest);

void paintedscattered(benchmark::State& state)
{
    prepare();
    writescattered();
    drawnworld = true;
    build(state);
}
BENCHMARK(paintedscattered)->Name("updatechunks/painted, scattered ids")->Unit(benchmark::kMillisecond)->ComputeStatistics("min", fastest);

void upload(benchmark::State& state)
{
    prepare();
    for (auto _ : state) {
        UnloadTexture(tilemapp);
        tilemapp = LoadTextureFromImage(tilemaptx);
    }
}
BENCHMARK(upload)->Name("tile map texture upload")->Unit(benchmark::kMillisecond)->ComputeStatistics("min", fastest);

}  // namespace

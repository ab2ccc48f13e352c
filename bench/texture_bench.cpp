// The animated textures on the CPU: one texture tick (the grass, water and lava passes and
// one band of the sky) and the first tick, which paints the whole sky three times. Uploads
// are not included. Runs on the shipped sheet and sky, read from the repository's res/.
#include <benchmark/benchmark.h>

#include "game/scenes/world/_texturegen.h"
#include "game/scenes/world/_render.h"
#include "game/scenes/world/world.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void loadimages()
{
    if (sheet.data) return;
    SetTraceLogLevel(LOG_WARNING);
    std::string res = std::string(VELLMORAN_REPO) + "/res/images/";
    sheet = LoadImage((res + "tilesheet.png").c_str());
    skybox = LoadImage((res + "sky.png").c_str());
    if (!sheet.data || !skybox.data) {
        fprintf(stderr, "texture bench: the resources are missing (build the game first)\n");
        exit(EXIT_FAILURE);
    }
    painttextures();  // the first paint, so that the ticks below are ordinary ones
}

void TextureTick(benchmark::State& state)
{
    loadimages();
    for (auto _ : state) {
        y += 0.1f;
        dragx += 0.5f;
        dragz += 1.5f;
        benchmark::DoNotOptimize(painttextures());
    }
}
BENCHMARK(TextureTick)->Unit(benchmark::kMillisecond);

void FirstTextureTick(benchmark::State& state)
{
    loadimages();
    for (auto _ : state) {
        first = true;
        benchmark::DoNotOptimize(painttextures());
    }
}
BENCHMARK(FirstTextureTick)->Unit(benchmark::kMillisecond);

}  // namespace

// Nanoseconds per GetNoise sample: every noise type alone in 2D, 3D and 4D, and the game's own
// configurations (terrain climate, grass, water and lava tiles, sky).
//
// Each benchmark iteration samples a 64 x 64 grid of points. Between iterations the grid drifts
// along one axis, the way the game's textures drift through time (y in 2D and 3D, as the tile
// textures use it; w in 4D, as the sky does), so no two iterations sample the same points.
// The counter "per_sample" is the CPU time per GetNoise call (printed with an SI prefix, n = ns).

#include <benchmark/benchmark.h>

#include "game/scenes/world/_texturegen.h"
#include "game/scenes/world/_update.h"
#include "libs/simplex.h"

namespace {

constexpr int kGridSide = 64;
constexpr int kSamplesPerIteration = kGridSide * kGridSide;
constexpr float kGridStep = 1.37f;     // between neighbouring grid points, in input units
constexpr float kDriftStep = 0.113f;   // of the grid per iteration, in input units

void ReportSamples(benchmark::State& state)
{
    state.counters["per_sample"] = benchmark::Counter(
        kSamplesPerIteration, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Makes the generator a benchmark samples. Called when the benchmark runs, not when it is
// registered: the game's configurations are set up by the game's own code, on its globals.
typedef FastNoiseLite (*Configuration)();

// The grid point (i, j) of an iteration that has drifted by drift, in each dimension.
float At2D(const FastNoiseLite& noise, int i, int j, float drift)
{
    return noise.GetNoise(i * kGridStep, j * kGridStep + drift);
}

float At3D(const FastNoiseLite& noise, int i, int j, float drift)
{
    return noise.GetNoise(i * kGridStep, drift, j * kGridStep);
}

float At4D(const FastNoiseLite& noise, int i, int j, float drift)
{
    return noise.GetNoise(i * kGridStep, j * kGridStep, i * 0.5f - j * 0.25f, drift);
}

// Inlined into each Sample function below, so that the sampling is not behind a call.
template <float (*At)(const FastNoiseLite&, int, int, float)>
inline void Sample(benchmark::State& state, Configuration configure)
{
    FastNoiseLite noise = configure();
    float drift = 0;
    for (auto _ : state) {
        float sum = 0;
        for (int i = 0; i < kGridSide; i++)
            for (int j = 0; j < kGridSide; j++) sum += At(noise, i, j, drift);
        benchmark::DoNotOptimize(sum);
        drift += kDriftStep;
    }
    ReportSamples(state);
}

void Sample2D(benchmark::State& state, Configuration configure) { Sample<At2D>(state, configure); }
void Sample3D(benchmark::State& state, Configuration configure) { Sample<At3D>(state, configure); }
void Sample4D(benchmark::State& state, Configuration configure) { Sample<At4D>(state, configure); }

// One octave of a noise type (fractal None), at a frequency that puts neighbouring samples
// about a seventh of a cell apart.
template <FastNoiseLite::NoiseType type>
FastNoiseLite SingleOctave()
{
    FastNoiseLite noise(1337);
    noise.SetNoiseType(type);
    noise.SetFrequency(0.1f);
    return noise;
}

// The game's configurations, set up by the game's own code. Terrain is the heat field of the
// first world (its humidity and population fields differ only in seed, octave count and
// frequency); the texture passes share one generator, each changing what the one before set.
FastNoiseLite Terrain()
{
    setupterrainnoise(0);
    return heatnoise;
}

FastNoiseLite Grass()
{
    FastNoiseLite noise(1337);
    grassnoise(noise);
    return noise;
}

FastNoiseLite Water()
{
    FastNoiseLite noise = Grass();
    waternoise(noise);
    return noise;
}

FastNoiseLite Lava()
{
    FastNoiseLite noise = Water();
    lavanoise(noise);
    return noise;
}

FastNoiseLite Sky()
{
    FastNoiseLite noise = Lava();
    skynoise(noise);
    return noise;
}

}  // namespace

BENCHMARK_CAPTURE(Sample2D, OpenSimplex2, SingleOctave<FastNoiseLite::NoiseType_OpenSimplex2>);
BENCHMARK_CAPTURE(Sample2D, OpenSimplex2S, SingleOctave<FastNoiseLite::NoiseType_OpenSimplex2S>);
BENCHMARK_CAPTURE(Sample2D, Cellular, SingleOctave<FastNoiseLite::NoiseType_Cellular>);
BENCHMARK_CAPTURE(Sample2D, Perlin, SingleOctave<FastNoiseLite::NoiseType_Perlin>);
BENCHMARK_CAPTURE(Sample2D, ValueCubic, SingleOctave<FastNoiseLite::NoiseType_ValueCubic>);
BENCHMARK_CAPTURE(Sample2D, Value, SingleOctave<FastNoiseLite::NoiseType_Value>);

BENCHMARK_CAPTURE(Sample3D, OpenSimplex2, SingleOctave<FastNoiseLite::NoiseType_OpenSimplex2>);
BENCHMARK_CAPTURE(Sample3D, OpenSimplex2S, SingleOctave<FastNoiseLite::NoiseType_OpenSimplex2S>);
BENCHMARK_CAPTURE(Sample3D, Cellular, SingleOctave<FastNoiseLite::NoiseType_Cellular>);
BENCHMARK_CAPTURE(Sample3D, Perlin, SingleOctave<FastNoiseLite::NoiseType_Perlin>);
BENCHMARK_CAPTURE(Sample3D, ValueCubic, SingleOctave<FastNoiseLite::NoiseType_ValueCubic>);
BENCHMARK_CAPTURE(Sample3D, Value, SingleOctave<FastNoiseLite::NoiseType_Value>);

BENCHMARK_CAPTURE(Sample4D, OpenSimplex2, SingleOctave<FastNoiseLite::NoiseType_OpenSimplex2>);
BENCHMARK_CAPTURE(Sample4D, OpenSimplex2S, SingleOctave<FastNoiseLite::NoiseType_OpenSimplex2S>);
BENCHMARK_CAPTURE(Sample4D, Cellular, SingleOctave<FastNoiseLite::NoiseType_Cellular>);
BENCHMARK_CAPTURE(Sample4D, Perlin, SingleOctave<FastNoiseLite::NoiseType_Perlin>);
BENCHMARK_CAPTURE(Sample4D, ValueCubic, SingleOctave<FastNoiseLite::NoiseType_ValueCubic>);
BENCHMARK_CAPTURE(Sample4D, Value, SingleOctave<FastNoiseLite::NoiseType_Value>);

BENCHMARK_CAPTURE(Sample2D, GameTerrain, Terrain);
BENCHMARK_CAPTURE(Sample3D, GameGrass, Grass);
BENCHMARK_CAPTURE(Sample3D, GameWater, Water);
BENCHMARK_CAPTURE(Sample3D, GameLava, Lava);
BENCHMARK_CAPTURE(Sample4D, GameSky, Sky);

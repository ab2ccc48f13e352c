// Nanoseconds per GetNoise sample: every noise type alone in 2D, 3D and 4D, and the game's own
// configurations (terrain climate, grass, water and lava tiles, sky).
//
// Each benchmark iteration samples a 64 x 64 grid of points. Between iterations the grid drifts
// along one axis, the way the game's textures drift through time (y in 2D and 3D, as the tile
// textures use it; w in 4D, as the sky does), so no two iterations sample the same points.
// The counter "per_sample" is the CPU time per GetNoise call (printed with an SI prefix, n = ns).

#include <benchmark/benchmark.h>

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

void Sample2D(benchmark::State& state, FastNoiseLite noise)
{
    float drift = 0;
    for (auto _ : state) {
        float sum = 0;
        for (int i = 0; i < kGridSide; i++)
            for (int j = 0; j < kGridSide; j++)
                sum += noise.GetNoise(i * kGridStep, j * kGridStep + drift);
        benchmark::DoNotOptimize(sum);
        drift += kDriftStep;
    }
    ReportSamples(state);
}

void Sample3D(benchmark::State& state, FastNoiseLite noise)
{
    float drift = 0;
    for (auto _ : state) {
        float sum = 0;
        for (int i = 0; i < kGridSide; i++)
            for (int j = 0; j < kGridSide; j++)
                sum += noise.GetNoise(i * kGridStep, drift, j * kGridStep);
        benchmark::DoNotOptimize(sum);
        drift += kDriftStep;
    }
    ReportSamples(state);
}

void Sample4D(benchmark::State& state, FastNoiseLite noise)
{
    float drift = 0;
    for (auto _ : state) {
        float sum = 0;
        for (int i = 0; i < kGridSide; i++)
            for (int j = 0; j < kGridSide; j++)
                sum += noise.GetNoise(i * kGridStep, j * kGridStep, i * 0.5f - j * 0.25f, drift);
        benchmark::DoNotOptimize(sum);
        drift += kDriftStep;
    }
    ReportSamples(state);
}

// One octave of a noise type (fractal None), at a frequency that puts neighbouring samples
// about a seventh of a cell apart.
FastNoiseLite SingleOctave(FastNoiseLite::NoiseType type)
{
    FastNoiseLite noise(1337);
    noise.SetNoiseType(type);
    noise.SetFrequency(0.1f);
    return noise;
}

// The game's configurations, set up with the calls the game makes. Terrain is the heat field
// (its humidity and population fields differ only in seed, octave count and frequency).
FastNoiseLite Terrain()
{
    FastNoiseLite noise(2);
    noise.SetFractalType(FastNoiseLite::FractalType_None);
    noise.SetFractalOctaves(1);
    noise.SetFrequency(0.1f);
    noise.SetNoiseType(FastNoiseLite::NoiseType_Value);
    noise.SetDomainWarpType(FastNoiseLite::DomainWarpType_BasicGrid);
    return noise;
}

FastNoiseLite Grass()
{
    FastNoiseLite noise(1337);
    noise.SetFractalType(FastNoiseLite::FractalType_None);
    noise.SetFractalOctaves(0);
    noise.SetFrequency(1.0f);
    noise.SetNoiseType(FastNoiseLite::NoiseType_Value);
    noise.SetDomainWarpType(FastNoiseLite::DomainWarpType_BasicGrid);
    return noise;
}

FastNoiseLite Water()
{
    FastNoiseLite noise = Grass();
    noise.SetFractalType(FastNoiseLite::FractalType_PingPong);
    noise.SetFractalOctaves(2);
    noise.SetFrequency(0.22f);
    noise.SetNoiseType(FastNoiseLite::NoiseType_OpenSimplex2S);
    noise.SetFractalLacunarity(2.0f);
    noise.SetFractalGain(0.5f);
    noise.SetFractalPingPongStrength(1.339f);
    noise.SetDomainWarpType(FastNoiseLite::DomainWarpType_BasicGrid);
    return noise;
}

FastNoiseLite Lava()
{
    FastNoiseLite noise = Water();
    noise.SetFrequency(0.1f);
    noise.SetNoiseType(FastNoiseLite::NoiseType_Perlin);
    noise.SetFractalType(FastNoiseLite::FractalType_PingPong);
    return noise;
}

FastNoiseLite Sky()
{
    FastNoiseLite noise = Lava();
    noise.SetFrequency(0.5f);
    noise.SetFractalOctaves(4);
    return noise;
}

}  // namespace

BENCHMARK_CAPTURE(Sample2D, OpenSimplex2, SingleOctave(FastNoiseLite::NoiseType_OpenSimplex2));
BENCHMARK_CAPTURE(Sample2D, OpenSimplex2S, SingleOctave(FastNoiseLite::NoiseType_OpenSimplex2S));
BENCHMARK_CAPTURE(Sample2D, Cellular, SingleOctave(FastNoiseLite::NoiseType_Cellular));
BENCHMARK_CAPTURE(Sample2D, Perlin, SingleOctave(FastNoiseLite::NoiseType_Perlin));
BENCHMARK_CAPTURE(Sample2D, ValueCubic, SingleOctave(FastNoiseLite::NoiseType_ValueCubic));
BENCHMARK_CAPTURE(Sample2D, Value, SingleOctave(FastNoiseLite::NoiseType_Value));

BENCHMARK_CAPTURE(Sample3D, OpenSimplex2, SingleOctave(FastNoiseLite::NoiseType_OpenSimplex2));
BENCHMARK_CAPTURE(Sample3D, OpenSimplex2S, SingleOctave(FastNoiseLite::NoiseType_OpenSimplex2S));
BENCHMARK_CAPTURE(Sample3D, Cellular, SingleOctave(FastNoiseLite::NoiseType_Cellular));
BENCHMARK_CAPTURE(Sample3D, Perlin, SingleOctave(FastNoiseLite::NoiseType_Perlin));
BENCHMARK_CAPTURE(Sample3D, ValueCubic, SingleOctave(FastNoiseLite::NoiseType_ValueCubic));
BENCHMARK_CAPTURE(Sample3D, Value, SingleOctave(FastNoiseLite::NoiseType_Value));

BENCHMARK_CAPTURE(Sample4D, OpenSimplex2, SingleOctave(FastNoiseLite::NoiseType_OpenSimplex2));
BENCHMARK_CAPTURE(Sample4D, OpenSimplex2S, SingleOctave(FastNoiseLite::NoiseType_OpenSimplex2S));
BENCHMARK_CAPTURE(Sample4D, Cellular, SingleOctave(FastNoiseLite::NoiseType_Cellular));
BENCHMARK_CAPTURE(Sample4D, Perlin, SingleOctave(FastNoiseLite::NoiseType_Perlin));
BENCHMARK_CAPTURE(Sample4D, ValueCubic, SingleOctave(FastNoiseLite::NoiseType_ValueCubic));
BENCHMARK_CAPTURE(Sample4D, Value, SingleOctave(FastNoiseLite::NoiseType_Value));

BENCHMARK_CAPTURE(Sample2D, GameTerrain, Terrain());
BENCHMARK_CAPTURE(Sample3D, GameGrass, Grass());
BENCHMARK_CAPTURE(Sample3D, GameWater, Water());
BENCHMARK_CAPTURE(Sample3D, GameLava, Lava());
BENCHMARK_CAPTURE(Sample4D, GameSky, Sky());

// Tests of FastNoiseLite (src/libs/simplex.h): every stored reference sample reproduced bit for
// bit, then the settings logic that the stored samples do not pin down on their own.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "libs/simplex.h"

namespace {

using Noise = FastNoiseLite;

uint32_t Bits(float f)
{
    uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

// ---- stored reference samples ----

// One CSV file of reference samples: a header line naming the columns, then one sample per line
// with integers in decimal and floats as hex floats (%a).
class GoldenFile {
public:
    explicit GoldenFile(const std::string& path)
    {
        std::ifstream in(path);
        std::string line;
        if (!std::getline(in, line))
            return;
        const std::vector<std::string> names = Split(line);
        for (size_t i = 0; i < names.size(); i++)
            mColumn[names[i]] = i;
        while (std::getline(in, line))
            mRows.push_back(Split(line));
    }

    size_t size() const { return mRows.size(); }
    int FileLine(size_t row) const { return static_cast<int>(row) + 2; }

    int Int(size_t row, const char* column) const { return std::stoi(Cell(row, column)); }
    float Float(size_t row, const char* column) const { return std::strtof(Cell(row, column).c_str(), nullptr); }

private:
    static std::vector<std::string> Split(const std::string& line)
    {
        std::vector<std::string> cells;
        std::stringstream stream(line);
        std::string cell;
        while (std::getline(stream, cell, ','))
            cells.push_back(cell);
        return cells;
    }

    const std::string& Cell(size_t row, const char* column) const { return mRows[row].at(mColumn.at(column)); }

    std::map<std::string, size_t> mColumn;
    std::vector<std::vector<std::string>> mRows;
};

// Applies the fractal settings shared by both files through the setters, as the game does.
Noise GeneratorFor(const GoldenFile& file, size_t row)
{
    Noise noise(file.Int(row, "seed"));
    noise.SetNoiseType(static_cast<Noise::NoiseType>(file.Int(row, "noise_type")));
    noise.SetFractalType(static_cast<Noise::FractalType>(file.Int(row, "fractal_type")));
    noise.SetFrequency(file.Float(row, "frequency"));
    noise.SetFractalOctaves(file.Int(row, "octaves"));
    noise.SetFractalLacunarity(file.Float(row, "lacunarity"));
    noise.SetFractalGain(file.Float(row, "gain"));
    noise.SetFractalWeightedStrength(file.Float(row, "weighted_strength"));
    noise.SetFractalPingPongStrength(file.Float(row, "pingpong_strength"));
    return noise;
}

// Collects the lines whose value differs in any bit and reports the first few of them.
class MismatchLog {
public:
    void Check(const GoldenFile& file, size_t row, float got, float expected)
    {
        if (Bits(got) == Bits(expected))
            return;
        if (mCount++ < kShown) {
            char message[96];
            std::snprintf(message, sizeof message, "line %d: got %a, expected %a\n", file.FileLine(row),
                          static_cast<double>(got), static_cast<double>(expected));
            mReport += message;
        }
    }

    int Count() const { return mCount; }
    const std::string& Report() const { return mReport; }

private:
    static constexpr int kShown = 20;
    int mCount = 0;
    std::string mReport;
};

TEST(NoiseGolden, TwoAndThreeDimensionsMatchEveryStoredSample)
{
    const GoldenFile file(TEST_DATA_DIR "/noise/golden-2d3d.csv");
    ASSERT_EQ(file.size(), 9292u) << "reference file missing or truncated";

    MismatchLog mismatches;
    for (size_t row = 0; row < file.size(); row++) {
        Noise noise = GeneratorFor(file, row);
        noise.SetRotationType3D(static_cast<Noise::RotationType3D>(file.Int(row, "rotation_type_3d")));
        noise.SetCellularDistanceFunction(
            static_cast<Noise::CellularDistanceFunction>(file.Int(row, "cellular_distance")));
        noise.SetCellularReturnType(static_cast<Noise::CellularReturnType>(file.Int(row, "cellular_return")));
        noise.SetCellularJitter(file.Float(row, "cellular_jitter"));

        const float x = file.Float(row, "x");
        const float y = file.Float(row, "y");
        const float got = file.Int(row, "dims") == 2 ? noise.GetNoise(x, y) : noise.GetNoise(x, y, file.Float(row, "z"));
        mismatches.Check(file, row, got, file.Float(row, "value"));
    }
    EXPECT_EQ(mismatches.Count(), 0) << mismatches.Report();
}

TEST(NoiseGolden, FourDimensionsMatchEveryStoredSample)
{
    const GoldenFile file(TEST_DATA_DIR "/noise/golden-4d.csv");
    ASSERT_EQ(file.size(), 6059u) << "reference file missing or truncated";

    MismatchLog mismatches;
    for (size_t row = 0; row < file.size(); row++) {
        const Noise noise = GeneratorFor(file, row);
        const float got = noise.GetNoise(file.Float(row, "x"), file.Float(row, "y"), file.Float(row, "z"),
                                         file.Float(row, "w"));
        mismatches.Check(file, row, got, file.Float(row, "value_hex"));
    }
    EXPECT_EQ(mismatches.Count(), 0) << mismatches.Report();
}

// ---- settings ----

const Noise::NoiseType kNoiseTypes[] = {
    Noise::NoiseType_OpenSimplex2, Noise::NoiseType_OpenSimplex2S, Noise::NoiseType_Cellular,
    Noise::NoiseType_Perlin,       Noise::NoiseType_ValueCubic,    Noise::NoiseType_Value,
};

const Noise::FractalType kOctaveFractals[] = {
    Noise::FractalType_FBm,
    Noise::FractalType_Ridged,
    Noise::FractalType_PingPong,
};

struct Point {
    float x, y, z, w;
};

const Point kPoints[] = {
    {0.3f, -1.7f, 2.9f, 0.6f},
    {-12.25f, 7.5f, -3.1f, 41.0f},
    {1000.7f, -250.3f, 77.7f, -9.9f},
};

// The first octave's amplitude shows as the whole result when that octave is exactly -1 and the
// weighting silences the rest: cellular distance noise with no jitter is -1 on every lattice
// point, and with full weighted strength an octave of -1 leaves the next ones no amplitude.
float FirstOctaveAmplitude(Noise noise)
{
    noise.SetNoiseType(Noise::NoiseType_Cellular);
    noise.SetCellularReturnType(Noise::CellularReturnType_Distance);
    noise.SetCellularJitter(0);
    noise.SetFractalType(Noise::FractalType_FBm);
    noise.SetFractalWeightedStrength(1);
    noise.SetFrequency(1);
    return -noise.GetNoise(3, -5);
}

TEST(NoiseFractal, FirstOctaveAmplitudeFollowsOctavesAndGain)
{
    struct Case {
        const char* name;
        int octaves;  // 0: left at the default
        float gain;   // 0: left at the default
        float bounding;
    };
    const Case cases[] = {
        {"defaults: 3 octaves, gain 0.5", 0, 0, 1 / 1.75f},
        {"one octave", 1, 0, 1.0f},
        {"4 octaves, gain 0.5", 4, 0.5f, 1 / 1.875f},
        {"gain set after octaves", 4, 0.25f, 1 / (1 + 0.25f + 0.0625f + 0.015625f)},
        {"negative gain counts by its size", 2, -0.5f, 1 / 1.5f},
    };
    for (const Case& c : cases) {
        Noise noise(1337);
        if (c.octaves != 0)
            noise.SetFractalOctaves(c.octaves);
        if (c.gain != 0)
            noise.SetFractalGain(c.gain);
        EXPECT_EQ(FirstOctaveAmplitude(noise), c.bounding) << c.name;
    }
}

TEST(NoiseFractal, OneOctaveOfFBmIsTheSingleOctave)
{
    for (Noise::NoiseType type : kNoiseTypes) {
        Noise single(42);
        single.SetNoiseType(type);
        single.SetFrequency(0.37f);
        Noise fbm = single;
        fbm.SetFractalType(Noise::FractalType_FBm);
        fbm.SetFractalOctaves(1);
        for (const Point& p : kPoints) {
            EXPECT_EQ(fbm.GetNoise(p.x, p.y), single.GetNoise(p.x, p.y)) << "2D, noise type " << type;
            EXPECT_EQ(fbm.GetNoise(p.x, p.y, p.z), single.GetNoise(p.x, p.y, p.z)) << "3D, noise type " << type;
            EXPECT_EQ(fbm.GetNoise(p.x, p.y, p.z, p.w), single.GetNoise(p.x, p.y, p.z, p.w))
                << "4D, noise type " << type;
        }
    }
}

TEST(NoiseFractal, NoOctavesGiveZero)
{
    for (Noise::FractalType fractal : kOctaveFractals) {
        for (int octaves : {0, -3}) {
            Noise noise(7);
            noise.SetNoiseType(Noise::NoiseType_Value);
            noise.SetFractalType(fractal);
            noise.SetFractalOctaves(octaves);
            for (const Point& p : kPoints) {
                EXPECT_EQ(Bits(noise.GetNoise(p.x, p.y)), Bits(0.0f)) << "2D, fractal " << fractal << ", " << octaves;
                EXPECT_EQ(Bits(noise.GetNoise(p.x, p.y, p.z)), Bits(0.0f)) << "3D, fractal " << fractal;
                EXPECT_EQ(Bits(noise.GetNoise(p.x, p.y, p.z, p.w)), Bits(0.0f)) << "4D, fractal " << fractal;
            }
        }
    }
}

// In 4D the fourth axis is time: the second octave samples x, y and z at the lacunarity's scale
// but w where the first octave did.
TEST(NoiseFractal, FourDimensionalOctavesScaleXYZButNotW)
{
    constexpr int kSeed = 99;
    constexpr float kLacunarity = 3;
    Noise octave(kSeed);
    octave.SetNoiseType(Noise::NoiseType_Perlin);
    octave.SetFrequency(1);
    Noise nextOctave = octave;
    nextOctave.SetSeed(kSeed + 1);
    Noise fbm = octave;
    fbm.SetFractalType(Noise::FractalType_FBm);
    fbm.SetFractalOctaves(2);
    fbm.SetFractalGain(0.5f);
    fbm.SetFractalLacunarity(kLacunarity);

    const float firstAmp = 1 / 1.5f;
    const float secondAmp = firstAmp * 0.5f;
    for (const Point& p : kPoints) {
        const float first = octave.GetNoise(p.x, p.y, p.z, p.w);
        const float second =
            nextOctave.GetNoise(p.x * kLacunarity, p.y * kLacunarity, p.z * kLacunarity, p.w);
        const float secondIfWScaled =
            nextOctave.GetNoise(p.x * kLacunarity, p.y * kLacunarity, p.z * kLacunarity, p.w * kLacunarity);
        ASSERT_NE(second, secondIfWScaled) << "point cannot tell the two apart";
        EXPECT_EQ(fbm.GetNoise(p.x, p.y, p.z, p.w), first * firstAmp + second * secondAmp);
    }
}

// Perlin noise is exactly 0 on lattice points, so whether it sees the lattice points of the
// input shows whether the 3D coordinates were rotated on the way.
bool ZeroOnIntegerPoints(const Noise& noise)
{
    const int points[][3] = {{1, 2, 3}, {-4, 5, 7}, {10, -3, 2}, {6, 6, -8}};
    for (const auto& p : points) {
        if (noise.GetNoise(static_cast<float>(p[0]), static_cast<float>(p[1]), static_cast<float>(p[2])) != 0)
            return false;
    }
    return true;
}

TEST(NoiseTransform3D, NoiseTypeChoosesTheDefaultRotationAndARequestedRotationWins)
{
    using Rotation = Noise::RotationType3D;
    struct Case {
        const char* name;
        Rotation before;  // requested before the switch from OpenSimplex2 to Perlin
        Rotation after;   // requested after it (None: no request)
        bool rotated;
    };
    const Case cases[] = {
        {"OpenSimplex2's default rotation is dropped for Perlin", Noise::RotationType3D_None,
         Noise::RotationType3D_None, false},
        {"XY planes requested first survive the switch", Noise::RotationType3D_ImproveXYPlanes,
         Noise::RotationType3D_None, true},
        {"XZ planes requested first survive the switch", Noise::RotationType3D_ImproveXZPlanes,
         Noise::RotationType3D_None, true},
        {"XY planes requested after the switch", Noise::RotationType3D_None, Noise::RotationType3D_ImproveXYPlanes,
         true},
    };
    for (const Case& c : cases) {
        Noise noise(5);
        noise.SetFrequency(1);
        noise.SetRotationType3D(c.before);
        noise.SetNoiseType(Noise::NoiseType_Perlin);
        if (c.after != Noise::RotationType3D_None)
            noise.SetRotationType3D(c.after);
        EXPECT_EQ(ZeroOnIntegerPoints(noise), !c.rotated) << c.name;
    }

    Noise unrequested(5);
    unrequested.SetFrequency(1);
    unrequested.SetRotationType3D(Noise::RotationType3D_ImproveXYPlanes);
    unrequested.SetNoiseType(Noise::NoiseType_Perlin);
    unrequested.SetRotationType3D(Noise::RotationType3D_None);
    EXPECT_TRUE(ZeroOnIntegerPoints(unrequested)) << "withdrawing the rotation leaves Perlin unrotated";

    // Back to a simplex type after Perlin restores its default rotation, which a requested
    // rotation replaces.
    const Noise fresh(5);
    Noise switched(5);
    switched.SetNoiseType(Noise::NoiseType_Perlin);
    switched.SetNoiseType(Noise::NoiseType_OpenSimplex2);
    Noise xyRotated(5);
    xyRotated.SetRotationType3D(Noise::RotationType3D_ImproveXYPlanes);
    for (const Point& p : kPoints) {
        const float x = p.x * 100, y = p.y * 100, z = p.z * 100;
        EXPECT_EQ(Bits(switched.GetNoise(x, y, z)), Bits(fresh.GetNoise(x, y, z)));
        EXPECT_NE(xyRotated.GetNoise(x, y, z), fresh.GetNoise(x, y, z));
    }
}

TEST(NoiseSettings, ValuesOutsideAnEnumerationGiveZero)
{
    for (int type : {-1, 6, 1000}) {
        Noise noise(3);
        noise.SetNoiseType(static_cast<Noise::NoiseType>(type));
        Noise fbm = noise;
        fbm.SetFractalType(Noise::FractalType_FBm);
        for (const Point& p : kPoints) {
            for (const Noise& n : {noise, fbm}) {
                EXPECT_EQ(n.GetNoise(p.x, p.y), 0) << "2D noise type " << type;
                EXPECT_EQ(n.GetNoise(p.x, p.y, p.z), 0) << "3D noise type " << type;
                EXPECT_EQ(n.GetNoise(p.x, p.y, p.z, p.w), 0) << "4D noise type " << type;
            }
        }
    }
    for (int returnType : {-1, 7, 1000}) {
        Noise noise(3);
        noise.SetNoiseType(Noise::NoiseType_Cellular);
        noise.SetCellularReturnType(static_cast<Noise::CellularReturnType>(returnType));
        for (const Point& p : kPoints) {
            EXPECT_EQ(noise.GetNoise(p.x, p.y), 0) << "2D return type " << returnType;
            EXPECT_EQ(noise.GetNoise(p.x, p.y, p.z), 0) << "3D return type " << returnType;
            EXPECT_EQ(noise.GetNoise(p.x, p.y, p.z, p.w), 0) << "4D return type " << returnType;
        }
    }
}

// Coordinates past the 32-bit lattice, infinities and NaN still sample to a number (and, under
// the sanitizers, without undefined float-to-int conversions).
TEST(NoiseInputs, AnyCoordinateGivesAFiniteValue)
{
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float coordinates[] = {nan, inf, -inf, 1e30f, -1e30f, 3e9f, -3e9f, 2147483520.0f, -2147483520.0f};
    for (Noise::NoiseType type : kNoiseTypes) {
        for (Noise::FractalType fractal : {Noise::FractalType_None, Noise::FractalType_FBm,
                                           Noise::FractalType_Ridged, Noise::FractalType_PingPong}) {
            Noise noise(11);
            noise.SetNoiseType(type);
            noise.SetFractalType(fractal);
            noise.SetFrequency(1);
            for (float c : coordinates) {
                EXPECT_TRUE(std::isfinite(noise.GetNoise(c, 0.5f))) << type << "/" << fractal << " 2D at " << c;
                EXPECT_TRUE(std::isfinite(noise.GetNoise(0.5f, c, c))) << type << "/" << fractal << " 3D at " << c;
                EXPECT_TRUE(std::isfinite(noise.GetNoise(c, 0.5f, -c, c))) << type << "/" << fractal << " 4D at " << c;
            }
        }
    }
}

}  // namespace

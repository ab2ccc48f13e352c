// simplex.h: FastNoiseLite, the coherent-noise generator behind every procedural picture of
// vellmoran (terrain climate, the animated grass, water and lava tiles, and the sky).
//
// One small value class: a set of noise settings with their setters, and GetNoise in two, three
// and four dimensions for OpenSimplex2, OpenSimplex2S, cellular, Perlin, value-cubic and value
// noise, alone or summed in FBm, ridged or ping-pong octaves. Sampling is const, allocates
// nothing and reads only the static lookup tables kept at the end of this file.
//
// Results are reproducible bit for bit across builds: every float operation is meant to round in
// the order it is written, so compile with -ffp-contract=off (a fused multiply-add changes
// results) and never with -ffast-math. Lattice arithmetic wraps in unsigned 32 bits.
#ifndef VELLMORAN_LIBS_SIMPLEX_H
#define VELLMORAN_LIBS_SIMPLEX_H

#include <cmath>
#include <cstdint>

class FastNoiseLite {
public:
    // Fixed underlying types: every int is a valid value, and values outside the named ones
    // sample as 0 instead of being undefined.
    enum NoiseType : int {
        NoiseType_OpenSimplex2,
        NoiseType_OpenSimplex2S,
        NoiseType_Cellular,
        NoiseType_Perlin,
        NoiseType_ValueCubic,
        NoiseType_Value
    };

    enum RotationType3D : int {
        RotationType3D_None,
        RotationType3D_ImproveXYPlanes,
        RotationType3D_ImproveXZPlanes
    };

    enum FractalType : int {
        FractalType_None,
        FractalType_FBm,
        FractalType_Ridged,
        FractalType_PingPong,
        FractalType_DomainWarpProgressive,
        FractalType_DomainWarpIndependent
    };

    enum CellularDistanceFunction : int {
        CellularDistanceFunction_Euclidean,
        CellularDistanceFunction_EuclideanSq,
        CellularDistanceFunction_Manhattan,
        CellularDistanceFunction_Hybrid
    };

    enum CellularReturnType : int {
        CellularReturnType_CellValue,
        CellularReturnType_Distance,
        CellularReturnType_Distance2,
        CellularReturnType_Distance2Add,
        CellularReturnType_Distance2Sub,
        CellularReturnType_Distance2Mul,
        CellularReturnType_Distance2Div
    };

    // Domain warping is not offered; the setting is kept so that configurations carry it.
    enum DomainWarpType : int {
        DomainWarpType_OpenSimplex2,
        DomainWarpType_OpenSimplex2Reduced,
        DomainWarpType_BasicGrid
    };

    // Every generator of the game starts from seed 1337 unless it is given one.
    explicit FastNoiseLite(int seed = 1337) : mSeed(seed) {}

    void SetSeed(int seed) { mSeed = seed; }
    void SetFrequency(float frequency) { mFrequency = frequency; }

    void SetNoiseType(NoiseType noiseType)
    {
        mNoiseType = noiseType;
        UpdateTransformType3D();
    }

    void SetRotationType3D(RotationType3D rotationType3D)
    {
        mRotationType3D = rotationType3D;
        UpdateTransformType3D();
        UpdateWarpTransformType3D();
    }

    void SetFractalType(FractalType fractalType) { mFractalType = fractalType; }

    void SetFractalOctaves(int octaves)
    {
        mOctaves = octaves;
        CalculateFractalBounding();
    }

    void SetFractalLacunarity(float lacunarity) { mLacunarity = lacunarity; }

    void SetFractalGain(float gain)
    {
        mGain = gain;
        CalculateFractalBounding();
    }

    void SetFractalWeightedStrength(float weightedStrength) { mWeightedStrength = weightedStrength; }
    void SetFractalPingPongStrength(float pingPongStrength) { mPingPongStrength = pingPongStrength; }

    void SetCellularDistanceFunction(CellularDistanceFunction cellularDistanceFunction)
    {
        mCellularDistanceFunction = cellularDistanceFunction;
    }

    void SetCellularReturnType(CellularReturnType cellularReturnType) { mCellularReturnType = cellularReturnType; }
    void SetCellularJitter(float cellularJitter) { mCellularJitterModifier = cellularJitter; }

    void SetDomainWarpType(DomainWarpType domainWarpType)
    {
        mDomainWarpType = domainWarpType;
        UpdateWarpTransformType3D();
    }

    void SetDomainWarpAmp(float domainWarpAmp) { mDomainWarpAmp = domainWarpAmp; }

    // Noise at a point, roughly in [-1, 1].
    float GetNoise(float x, float y) const
    {
        TransformNoiseCoordinate(x, y);
        return GenFractal<true>([&](uint32_t seed) {
            const float noise = GenNoiseSingle(seed, x, y);
            x *= mLacunarity;
            y *= mLacunarity;
            return noise;
        });
    }

    float GetNoise(float x, float y, float z) const
    {
        TransformNoiseCoordinate(x, y, z);
        return GenFractal<false>([&](uint32_t seed) {
            const float noise = GenNoiseSingle(seed, x, y, z);
            x *= mLacunarity;
            y *= mLacunarity;
            z *= mLacunarity;
            return noise;
        });
    }

    // The fourth axis is the sky's animation time: it is not scaled by the lacunarity, so every
    // octave moves through time at the same rate.
    float GetNoise(float x, float y, float z, float w) const
    {
        TransformNoiseCoordinate(x, y, z, w);
        return GenFractal<false>([&](uint32_t seed) {
            const float noise = GenNoiseSingle(seed, x, y, z, w);
            x *= mLacunarity;
            y *= mLacunarity;
            z *= mLacunarity;
            return noise;
        });
    }

private:
    enum TransformType3D : int {
        TransformType3D_None,
        TransformType3D_ImproveXYPlanes,
        TransformType3D_ImproveXZPlanes,
        TransformType3D_DefaultOpenSimplex2
    };

    enum TransformType4D : int {
        TransformType4D_None,
        TransformType4D_ImproveXYPlanes,
        TransformType4D_ImproveXZPlanes,
        TransformType4D_ImproveXYZPlanes,
        TransformType4D_DefaultOpenSimplex2
    };

    template <typename T>
    struct Lookup {
        static const T Gradients2D[256];
        static const T RandVecs2D[512];
        static const T Gradients3D[256];
        static const T RandVecs3D[1024];
        static const T Gradients4D[128];
        static const T RandVecs4D[588];
    };

    using Tables = Lookup<float>;

    static constexpr uint32_t PrimeX = 501125321u;
    static constexpr uint32_t PrimeY = 1136930381u;
    static constexpr uint32_t PrimeZ = 1720413743u;
    static constexpr uint32_t PrimeW = 1889255599u;
    static constexpr uint32_t kHashMultiplier = 0x27D4EB2Du;
    static constexpr float kHashToUnit = 0x1p-31f;  // a 32-bit signed hash scaled into [-1, 1]

    // The 2D simplex constants are the float results of computing from the float sqrt(3)
    // step by step; several differ by an ulp or two from the nearest float to the exact value.
    static constexpr float kSkew2D = 0x1.76cf5cp-2f;              // (sqrt(3) - 1) / 2
    static constexpr float kUnskew2D = 0x1.b0cb18p-3f;            // G2 = (3 - sqrt(3)) / 6
    static constexpr float kUnskew2DMinus1 = -0x1.93cd3ap-1f;     // G2 - 1
    static constexpr float kOneMinusUnskew2D = 0x1.93cd3ap-1f;    // 1 - G2
    static constexpr float kFarCorner2D = -0x1.279a74p-1f;        // 2 G2 - 1, offset to the cell's far corner
    static constexpr float kTwoStepsUnskew2D = -0x1.5db3d8p+0f;   // 3 G2 - 2
    static constexpr float kThreeUnskew2DMinus1 = -0x1.76cf5cp-2f; // 3 G2 - 1
    // The far corner's weight follows from the first corner's as C1 t + (C2 + a) instead of
    // from its own offsets: C1 = 2 (1 - 2 G2) (1 / G2 - 2), C2 = -2 (1 - 2 G2)^2.
    static constexpr float kFarWeightSlope2D = 0x1.93cd3ap+1f;
    static constexpr float kFarWeightOffset2D = -0x1.555554p-1f;
    static constexpr float kSimplexRadius2D = 0.5f;
    static constexpr float kSimplex2SRadius2D = 0x1.555556p-1f;   // 2/3
    static constexpr float kSimplexRadius = 0.6f;                 // 3D and 4D OpenSimplex2, 4D OpenSimplex2S
    static constexpr float kSimplex2SRadius3D = 0.75f;
    static constexpr float kSimplexSecondLatticeShift = 0.75f;    // weight step to the offset lattice, 3D's also in 4D
    static constexpr uint32_t kSecondLatticeSeedOffset = 1293373u;

    static constexpr float kPlaneSkew3D = 0x1.b0cb18p-3f;         // 0.211324865405187
    static constexpr float kPlaneUp3D = 0x1.279a74p-1f;           // 0.577350269189626, 1/sqrt(3)
    static constexpr float kRotation3D = 2.0f / 3.0f;

    static constexpr float kSimplexScale2D = 99.83685446303647f;
    static constexpr float kSimplex2SScale2D = 18.24196194486065f;
    static constexpr float kSimplexScale3D = 32.69428253173828125f;
    static constexpr float kSimplex2SScale3D = 9.046026385208288f;
    static constexpr float kSimplexScale4D = 27.6991119384765625f;
    static constexpr float kSimplex2SScale4D = 7.690845966339111328125f;
    static constexpr float kPerlinScale2D = 1.4247691104677813f;
    static constexpr float kPerlinScale3D = 0.964921414852142333984375f;
    static constexpr float kPerlinScale4D = 0.87060546875f;
    static constexpr float kValueCubicScale2D = 1 / (1.5f * 1.5f);
    static constexpr float kValueCubicScale3D = 1 / (1.5f * 1.5f * 1.5f);
    static constexpr float kValueCubicScale4D = 1 / (1.5f * 1.5f * 1.5f * 1.5f);

    static constexpr float kCellularJitter2D = 0.43701595f;
    static constexpr float kCellularJitter3D = 0.39614353f;       // also 4D
    static constexpr float kCellularFar = 1e10f;
    static constexpr uint32_t kRandVecs4DCount = 147;

    static constexpr float kLatticeLimit = 2147483520.0f;  // largest float below 2^31
    static constexpr float kFirstWholeOnly = 0x1p23f;      // every float from 2^23 on is a whole number

    int mSeed;
    float mFrequency = 0.01f;
    NoiseType mNoiseType = NoiseType_OpenSimplex2;
    RotationType3D mRotationType3D = RotationType3D_None;
    TransformType3D mTransformType3D = TransformType3D_DefaultOpenSimplex2;
    // No setter changes it: four-dimensional noise applies no transform beyond the frequency.
    [[maybe_unused]] TransformType4D mTransformType4D = TransformType4D_None;

    FractalType mFractalType = FractalType_None;
    int mOctaves = 3;
    float mLacunarity = 2.0f;
    float mGain = 0.5f;
    float mWeightedStrength = 0.0f;
    float mPingPongStrength = 2.0f;
    float mFractalBounding = 1 / 1.75f;

    CellularDistanceFunction mCellularDistanceFunction = CellularDistanceFunction_EuclideanSq;
    CellularReturnType mCellularReturnType = CellularReturnType_Distance;
    float mCellularJitterModifier = 1.0f;

    DomainWarpType mDomainWarpType = DomainWarpType_OpenSimplex2;
    TransformType3D mWarpTransformType3D = TransformType3D_DefaultOpenSimplex2;
    [[maybe_unused]] TransformType4D mWarpTransformType4D = TransformType4D_None;
    float mDomainWarpAmp = 1.0f;

    // ---- small helpers ----

    // Coordinates beyond +-2^31 have no lattice cell of their own. Pinning them to the outermost
    // cells (NaN to the lowest) keeps every float-to-int conversion defined and every result a
    // number; it leaves all smaller coordinates as they are.
    static float PinToLattice(float f)
    {
        f = f > -kLatticeLimit ? f : -kLatticeLimit;
        return f < kLatticeLimit ? f : kLatticeLimit;
    }

    // FastFloor and FastRound take pinned coordinates only (GenNoiseSingle pins them).
    // A negative whole number goes one lower (-1.0 gives -2); its fraction is then 1.0, which
    // every noise handles.
    static int FastFloor(float f) { return f >= 0 ? static_cast<int>(f) : static_cast<int>(f) - 1; }

    // The +-0.5 is added in float first, so 0.49999997 rounds up and odd whole numbers above 2^23
    // round to the even neighbour.
    static int FastRound(float f) { return f >= 0 ? static_cast<int>(f + 0.5f) : static_cast<int>(f - 0.5f); }

    static float FastMin(float a, float b) { return a < b ? a : b; }
    static float FastMax(float a, float b) { return a > b ? a : b; }
    static float FastAbs(float f) { return f < 0 ? -f : f; }
    static float FastSqrt(float f) { return std::sqrt(f); }

    static float Lerp(float a, float b, float t) { return a + t * (b - a); }
    static float InterpHermite(float t) { return t * t * (3 - 2 * t); }
    static float InterpQuintic(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }

    static float CubicLerp(float a, float b, float c, float d, float t)
    {
        const float p = (d - c) - (a - b);
        return t * t * t * p + t * t * ((a - b) - p) + t * (c - a) + b;
    }

    // Folds t into [0, 1] with period 2: t - 2 trunc(t / 2), mirrored at 1. From 2^23 on, t / 2 is
    // whole already and needs no (possibly overflowing) conversion. The mirror, "t if t < 1, else
    // 2 - t", is the smaller of the two, which needs no branch.
    static float PingPong(float t)
    {
        const float half = t * 0.5f;
        const float whole = FastAbs(half) < kFirstWholeOnly ? static_cast<float>(static_cast<int>(half)) : half;
        t -= whole * 2;
        return FastMin(t, 2 - t);
    }

    // Simplex falloff: w^4 as (w w)(w w), the grouping every stored value relies on.
    static float Pow4(float w)
    {
        const float w2 = w * w;
        return w2 * w2;
    }

    static uint32_t Primed(int index, uint32_t prime) { return static_cast<uint32_t>(index) * prime; }

    template <typename... PrimedCoords>
    static uint32_t Hash(uint32_t seed, PrimedCoords... primed)
    {
        return (seed ^ ... ^ primed) * kHashMultiplier;
    }

    template <typename... PrimedCoords>
    static float ValCoord(uint32_t seed, PrimedCoords... primed)
    {
        uint32_t hash = Hash(seed, primed...);
        hash *= hash;
        hash ^= hash << 19;
        return static_cast<float>(static_cast<int32_t>(hash)) * kHashToUnit;  // two's complement reading
    }

    // The mask keeps only bits that an arithmetic and a logical shift agree on.
    static uint32_t GradientIndex(uint32_t hash, uint32_t mask) { return (hash ^ (hash >> 15)) & mask; }

    static float GradCoord(uint32_t seed, uint32_t xPrimed, uint32_t yPrimed, float xd, float yd)
    {
        const uint32_t i = GradientIndex(Hash(seed, xPrimed, yPrimed), 127 << 1);
        return xd * Tables::Gradients2D[i] + yd * Tables::Gradients2D[i | 1];
    }

    static float GradCoord(uint32_t seed, uint32_t xPrimed, uint32_t yPrimed, uint32_t zPrimed,
                           float xd, float yd, float zd)
    {
        const float* g = &Tables::Gradients3D[GradientIndex(Hash(seed, xPrimed, yPrimed, zPrimed), 63 << 2)];
        return xd * g[0] + yd * g[1] + zd * g[2];
    }

    static float GradCoord(uint32_t seed, uint32_t xPrimed, uint32_t yPrimed, uint32_t zPrimed, uint32_t wPrimed,
                           float xd, float yd, float zd, float wd)
    {
        const float* g =
            &Tables::Gradients4D[GradientIndex(Hash(seed, xPrimed, yPrimed, zPrimed, wPrimed), 31 << 2)];
        return xd * g[0] + yd * g[1] + zd * g[2] + wd * g[3];
    }

    // ---- settings ----

    void CalculateFractalBounding()
    {
        const float gain = FastAbs(mGain);
        float amp = gain;
        float ampFractal = 1;
        for (int i = 1; i < mOctaves; i++) {
            ampFractal += amp;
            amp *= gain;
        }
        mFractalBounding = 1 / ampFractal;
    }

    // A requested rotation wins; otherwise the simplex lattices get their default rotation.
    TransformType3D TransformFor(bool simplexLattice) const
    {
        switch (mRotationType3D) {
        case RotationType3D_ImproveXYPlanes:
            return TransformType3D_ImproveXYPlanes;
        case RotationType3D_ImproveXZPlanes:
            return TransformType3D_ImproveXZPlanes;
        default:
            return simplexLattice ? TransformType3D_DefaultOpenSimplex2 : TransformType3D_None;
        }
    }

    bool SimplexNoise() const { return mNoiseType == NoiseType_OpenSimplex2 || mNoiseType == NoiseType_OpenSimplex2S; }

    void UpdateTransformType3D() { mTransformType3D = TransformFor(SimplexNoise()); }

    void UpdateWarpTransformType3D()
    {
        mWarpTransformType3D = TransformFor(mDomainWarpType == DomainWarpType_OpenSimplex2 ||
                                            mDomainWarpType == DomainWarpType_OpenSimplex2Reduced);
    }

    // ---- coordinates and fractals ----

    void TransformNoiseCoordinate(float& x, float& y) const
    {
        x *= mFrequency;
        y *= mFrequency;
        if (SimplexNoise()) {
            const float t = (x + y) * kSkew2D;
            x += t;
            y += t;
        }
    }

    void TransformNoiseCoordinate(float& x, float& y, float& z) const
    {
        x *= mFrequency;
        y *= mFrequency;
        z *= mFrequency;
        switch (mTransformType3D) {
        case TransformType3D_ImproveXYPlanes: {
            const float xy = x + y;
            const float s2 = xy * -kPlaneSkew3D;
            z *= kPlaneUp3D;
            x += s2 - z;
            y = y + s2 - z;  // grouped unlike x, as the stored values have it
            z += xy * kPlaneUp3D;
            break;
        }
        case TransformType3D_ImproveXZPlanes: {
            const float xz = x + z;
            const float s2 = xz * -kPlaneSkew3D;
            y *= kPlaneUp3D;
            x += s2 - y;
            z += s2 - y;
            y += xz * kPlaneUp3D;
            break;
        }
        case TransformType3D_DefaultOpenSimplex2: {
            const float r = (x + y + z) * kRotation3D;
            x = r - x;
            y = r - y;
            z = r - z;
            break;
        }
        default:
            break;
        }
    }

    void TransformNoiseCoordinate(float& x, float& y, float& z, float& w) const
    {
        x *= mFrequency;
        y *= mFrequency;
        z *= mFrequency;
        w *= mFrequency;
    }

    // `octave(seed)` samples one octave and moves the coordinates on to the next octave's scale.
    template <bool ClampFBmWeight, typename Octave>
    float GenFractal(Octave octave) const
    {
        switch (mFractalType) {
        case FractalType_FBm:
            return GenFractalFBm<ClampFBmWeight>(octave);
        case FractalType_Ridged:
            return GenFractalRidged(octave);
        case FractalType_PingPong:
            return GenFractalPingPong(octave);
        default:
            return octave(static_cast<uint32_t>(mSeed));
        }
    }

    // What one octave adds before its amplitude, and how strongly it weights the next octave.
    struct OctaveTerm {
        float value;
        float weight;
    };

    // The octave loop shared by the fractal types; `shape(noise)` turns an octave's noise into its
    // OctaveTerm. The weighting lerp runs even at strength 0 (it then gives exactly 1), and the
    // gain is a separate multiplication after it.
    template <typename Octave, typename Shape>
    float SumOctaves(Octave octave, Shape shape) const
    {
        uint32_t seed = static_cast<uint32_t>(mSeed);
        float sum = 0;
        float amp = mFractalBounding;
        for (int i = 0; i < mOctaves; i++) {
            const OctaveTerm term = shape(octave(seed++));
            sum += term.value * amp;
            amp *= Lerp(1, term.weight, mWeightedStrength);
            amp *= mGain;
        }
        return sum;
    }

    template <bool ClampWeight, typename Octave>
    float GenFractalFBm(Octave octave) const
    {
        return SumOctaves(octave, [](float noise) {
            return OctaveTerm{noise, ClampWeight ? FastMin(noise + 1, 2) * 0.5f : (noise + 1) * 0.5f};
        });
    }

    template <typename Octave>
    float GenFractalRidged(Octave octave) const
    {
        return SumOctaves(octave, [](float noise) {
            noise = FastAbs(noise);
            return OctaveTerm{noise * -2 + 1, 1 - noise};
        });
    }

    template <typename Octave>
    float GenFractalPingPong(Octave octave) const
    {
        return SumOctaves(octave, [this](float noise) {
            noise = PingPong((noise + 1) * mPingPongStrength);
            return OctaveTerm{(noise - 0.5f) * 2, noise};
        });
    }

    float GenNoiseSingle(uint32_t seed, float x, float y) const
    {
        x = PinToLattice(x);
        y = PinToLattice(y);
        switch (mNoiseType) {
        case NoiseType_OpenSimplex2:
            return SingleSimplex(seed, x, y);
        case NoiseType_OpenSimplex2S:
            return SingleOpenSimplex2S(seed, x, y);
        case NoiseType_Cellular:
            return SingleCellular(seed, x, y);
        case NoiseType_Perlin:
            return SinglePerlin(seed, x, y);
        case NoiseType_ValueCubic:
            return SingleValueCubic(seed, x, y);
        case NoiseType_Value:
            return SingleValue(seed, x, y);
        default:
            return 0;
        }
    }

    float GenNoiseSingle(uint32_t seed, float x, float y, float z) const
    {
        x = PinToLattice(x);
        y = PinToLattice(y);
        z = PinToLattice(z);
        switch (mNoiseType) {
        case NoiseType_OpenSimplex2:
            return SingleOpenSimplex2(seed, x, y, z);
        case NoiseType_OpenSimplex2S:
            return SingleOpenSimplex2S(seed, x, y, z);
        case NoiseType_Cellular:
            return SingleCellular(seed, x, y, z);
        case NoiseType_Perlin:
            return SinglePerlin(seed, x, y, z);
        case NoiseType_ValueCubic:
            return SingleValueCubic(seed, x, y, z);
        case NoiseType_Value:
            return SingleValue(seed, x, y, z);
        default:
            return 0;
        }
    }

    float GenNoiseSingle(uint32_t seed, float x, float y, float z, float w) const
    {
        x = PinToLattice(x);
        y = PinToLattice(y);
        z = PinToLattice(z);
        w = PinToLattice(w);
        switch (mNoiseType) {
        case NoiseType_OpenSimplex2:
            return SingleOpenSimplex2(seed, x, y, z, w);
        case NoiseType_OpenSimplex2S:
            return SingleOpenSimplex2S(seed, x, y, z, w);
        case NoiseType_Cellular:
            return SingleCellular(seed, x, y, z, w);
        case NoiseType_Perlin:
            return SinglePerlin(seed, x, y, z, w);
        case NoiseType_ValueCubic:
            return SingleValueCubic(seed, x, y, z, w);
        case NoiseType_Value:
            return SingleValue(seed, x, y, z, w);
        default:
            return 0;
        }
    }

    // ---- OpenSimplex2 ----

    static float SingleSimplex(uint32_t seed, float x, float y)
    {
        const int i = FastFloor(x);
        const int j = FastFloor(y);
        const float xi = x - static_cast<float>(i);
        const float yi = y - static_cast<float>(j);
        const float t = (xi + yi) * kUnskew2D;
        const float x0 = xi - t;
        const float y0 = yi - t;
        const uint32_t xPrimed = Primed(i, PrimeX);
        const uint32_t yPrimed = Primed(j, PrimeY);

        const float a = kSimplexRadius2D - x0 * x0 - y0 * y0;
        const float n0 = a > 0 ? Pow4(a) * GradCoord(seed, xPrimed, yPrimed, x0, y0) : 0.0f;

        const float c = kFarWeightSlope2D * t + (kFarWeightOffset2D + a);
        const float n2 = c > 0 ? Pow4(c) * GradCoord(seed, xPrimed + PrimeX, yPrimed + PrimeY,
                                                     x0 + kFarCorner2D, y0 + kFarCorner2D)
                               : 0.0f;

        // The middle corner lies along the axis with the larger unskewed offset.
        const bool alongY = y0 > x0;
        const float x1 = alongY ? x0 + kUnskew2D : x0 + kUnskew2DMinus1;
        const float y1 = alongY ? y0 + kUnskew2DMinus1 : y0 + kUnskew2D;
        const float b = kSimplexRadius2D - x1 * x1 - y1 * y1;
        const float n1 = b > 0 ? Pow4(b) * GradCoord(seed, alongY ? xPrimed : xPrimed + PrimeX,
                                                     alongY ? yPrimed + PrimeY : yPrimed, x1, y1)
                               : 0.0f;

        return (n0 + n1 + n2) * kSimplexScale2D;
    }

    static float SingleOpenSimplex2(uint32_t seed, float x, float y, float z)
    {
        const int i = FastRound(x);
        const int j = FastRound(y);
        const int k = FastRound(z);
        float x0 = x - static_cast<float>(i);
        float y0 = y - static_cast<float>(j);
        float z0 = z - static_cast<float>(k);

        // Sign towards the neighbouring lattice point: -1 for an offset >= 0. The float
        // difference decides, so tiny negative offsets count as 0.
        float xSign = -1 - x0 <= -1 ? -1.0f : 1.0f;
        float ySign = -1 - y0 <= -1 ? -1.0f : 1.0f;
        float zSign = -1 - z0 <= -1 ? -1.0f : 1.0f;
        float ax0 = xSign * -x0;
        float ay0 = ySign * -y0;
        float az0 = zSign * -z0;

        uint32_t xPrimed = Primed(i, PrimeX);
        uint32_t yPrimed = Primed(j, PrimeY);
        uint32_t zPrimed = Primed(k, PrimeZ);

        float value = 0;
        float a = (kSimplexRadius - x0 * x0) - (y0 * y0 + z0 * z0);
        for (int lattice = 0;; lattice++) {
            if (a > 0)
                value += Pow4(a) * GradCoord(seed, xPrimed, yPrimed, zPrimed, x0, y0, z0);

            // One neighbour, along the axis of largest offset (ties go to x, then y).
            float b = a + 1;
            uint32_t xPrimed1 = xPrimed, yPrimed1 = yPrimed, zPrimed1 = zPrimed;
            float x1 = x0, y1 = y0, z1 = z0;
            if (ax0 >= ay0 && ax0 >= az0) {
                x1 += xSign;
                b -= xSign * 2 * x1;
                xPrimed1 = xSign < 0 ? xPrimed + PrimeX : xPrimed - PrimeX;
            } else if (ay0 > ax0 && ay0 >= az0) {
                y1 += ySign;
                b -= ySign * 2 * y1;
                yPrimed1 = ySign < 0 ? yPrimed + PrimeY : yPrimed - PrimeY;
            } else {
                z1 += zSign;
                b -= zSign * 2 * z1;
                zPrimed1 = zSign < 0 ? zPrimed + PrimeZ : zPrimed - PrimeZ;
            }
            if (b > 0)
                value += Pow4(b) * GradCoord(seed, xPrimed1, yPrimed1, zPrimed1, x1, y1, z1);

            if (lattice == 1)
                break;

            // Over to the lattice offset by half a cell; its weight is stepped from this one.
            ax0 = 0.5f - ax0;
            ay0 = 0.5f - ay0;
            az0 = 0.5f - az0;
            x0 = xSign * ax0;
            y0 = ySign * ay0;
            z0 = zSign * az0;
            a += (kSimplexSecondLatticeShift - ax0) - (ay0 + az0);
            if (xSign < 0)
                xPrimed += PrimeX;
            if (ySign < 0)
                yPrimed += PrimeY;
            if (zSign < 0)
                zPrimed += PrimeZ;
            xSign = -xSign;
            ySign = -ySign;
            zSign = -zSign;
            seed = ~seed;
        }
        return value * kSimplexScale3D;
    }

    static float SingleOpenSimplex2(uint32_t seed, float x, float y, float z, float w)
    {
        const int i = FastRound(x);
        const int j = FastRound(y);
        const int k = FastRound(z);
        const int l = FastRound(w);
        float x0 = x - static_cast<float>(i);
        float y0 = y - static_cast<float>(j);
        float z0 = z - static_cast<float>(k);
        float w0 = w - static_cast<float>(l);

        float xSign = -1 - x0 <= -1 ? -1.0f : 1.0f;
        float ySign = -1 - y0 <= -1 ? -1.0f : 1.0f;
        float zSign = -1 - z0 <= -1 ? -1.0f : 1.0f;
        float wSign = -1 - w0 <= -1 ? -1.0f : 1.0f;
        float ax0 = xSign * -x0;
        float ay0 = ySign * -y0;
        float az0 = zSign * -z0;
        float aw0 = wSign * -w0;

        uint32_t xPrimed = Primed(i, PrimeX);
        uint32_t yPrimed = Primed(j, PrimeY);
        uint32_t zPrimed = Primed(k, PrimeZ);
        uint32_t wPrimed = Primed(l, PrimeW);

        float value = 0;
        float a = kSimplexRadius - (x0 * x0 + y0 * y0 + z0 * z0 + w0 * w0);
        for (int lattice = 0;; lattice++) {
            if (a > 0)
                value += Pow4(a) * GradCoord(seed, xPrimed, yPrimed, zPrimed, wPrimed, x0, y0, z0, w0);

            float b = a + 1;
            uint32_t xPrimed1 = xPrimed, yPrimed1 = yPrimed, zPrimed1 = zPrimed, wPrimed1 = wPrimed;
            float x1 = x0, y1 = y0, z1 = z0, w1 = w0;
            if (ax0 >= ay0 && ax0 >= az0 && ax0 >= aw0) {
                x1 += xSign;
                b -= xSign * 2 * x1;
                xPrimed1 = xSign < 0 ? xPrimed + PrimeX : xPrimed - PrimeX;
            } else if (ay0 >= az0 && ay0 >= aw0) {
                y1 += ySign;
                b -= ySign * 2 * y1;
                yPrimed1 = ySign < 0 ? yPrimed + PrimeY : yPrimed - PrimeY;
            } else if (az0 >= aw0) {
                z1 += zSign;
                b -= zSign * 2 * z1;
                zPrimed1 = zSign < 0 ? zPrimed + PrimeZ : zPrimed - PrimeZ;
            } else {
                w1 += wSign;
                b -= wSign * 2 * w1;
                wPrimed1 = wSign < 0 ? wPrimed + PrimeW : wPrimed - PrimeW;
            }
            if (b > 0)
                value += Pow4(b) * GradCoord(seed, xPrimed1, yPrimed1, zPrimed1, wPrimed1, x1, y1, z1, w1);

            if (lattice == 1)
                break;

            ax0 = 0.5f - ax0;
            ay0 = 0.5f - ay0;
            az0 = 0.5f - az0;
            aw0 = 0.5f - aw0;
            x0 = xSign * ax0;
            y0 = ySign * ay0;
            z0 = zSign * az0;
            w0 = wSign * aw0;
            a += (kSimplexSecondLatticeShift - ax0) - (ay0 + az0 + aw0);
            if (xSign < 0)
                xPrimed += PrimeX;
            if (ySign < 0)
                yPrimed += PrimeY;
            if (zSign < 0)
                zPrimed += PrimeZ;
            if (wSign < 0)
                wPrimed += PrimeW;
            xSign = -xSign;
            ySign = -ySign;
            zSign = -zSign;
            wSign = -wSign;
            seed = ~seed;
        }
        return value * kSimplexScale4D;
    }

    // ---- OpenSimplex2S ----

    static float SingleOpenSimplex2S(uint32_t seed, float x, float y)
    {
        const int i = FastFloor(x);
        const int j = FastFloor(y);
        const float xi = x - static_cast<float>(i);
        const float yi = y - static_cast<float>(j);
        const uint32_t xPrimed = Primed(i, PrimeX);
        const uint32_t yPrimed = Primed(j, PrimeY);
        const float t = (xi + yi) * kUnskew2D;
        const float x0 = xi - t;
        const float y0 = yi - t;

        // The base and far corners always contribute, without a positivity test.
        const float a0 = kSimplex2SRadius2D - x0 * x0 - y0 * y0;
        float value = Pow4(a0) * GradCoord(seed, xPrimed, yPrimed, x0, y0);
        const float a1 = kFarWeightSlope2D * t + (kFarWeightOffset2D + a0);
        value += Pow4(a1) * GradCoord(seed, xPrimed + PrimeX, yPrimed + PrimeY, x0 + kFarCorner2D, y0 + kFarCorner2D);

        auto addCorner = [&](float xd, float yd, uint32_t xp, uint32_t yp) {
            const float a = kSimplex2SRadius2D - xd * xd - yd * yd;
            if (a > 0)
                value += Pow4(a) * GradCoord(seed, xp, yp, xd, yd);
        };

        // Two more corners, each one of two candidates picked by where the point lies in the cell.
        const float xmy = xi - yi;
        if (t > kUnskew2D) {
            if (xi + xmy > 1)
                addCorner(x0 + kTwoStepsUnskew2D, y0 + kThreeUnskew2DMinus1, xPrimed + PrimeX * 2, yPrimed + PrimeY);
            else
                addCorner(x0 + kUnskew2D, y0 + kUnskew2DMinus1, xPrimed, yPrimed + PrimeY);

            if (yi - xmy > 1)
                addCorner(x0 + kThreeUnskew2DMinus1, y0 + kTwoStepsUnskew2D, xPrimed + PrimeX, yPrimed + PrimeY * 2);
            else
                addCorner(x0 + kUnskew2DMinus1, y0 + kUnskew2D, xPrimed + PrimeX, yPrimed);
        } else {
            if (xi + xmy < 0)
                addCorner(x0 + kOneMinusUnskew2D, y0 - kUnskew2D, xPrimed - PrimeX, yPrimed);
            else
                addCorner(x0 + kUnskew2DMinus1, y0 + kUnskew2D, xPrimed + PrimeX, yPrimed);

            if (yi < xmy)
                addCorner(x0 - kUnskew2D, y0 - kUnskew2DMinus1, xPrimed, yPrimed - PrimeY);
            else
                addCorner(x0 + kUnskew2D, y0 + kUnskew2DMinus1, xPrimed, yPrimed + PrimeY);
        }

        return value * kSimplex2SScale2D;
    }

    // One axis of an OpenSimplex2S cell in 3D or 4D: the primed index and offset of the point of
    // each lattice, as it is and flipped to the other side, and the weight change of a flip.
    struct Simplex2SAxis {
        uint32_t primed0, primed0Flipped, primed1, primed1Flipped;
        float offset0, offset0Flipped, offset1, offset1Flipped;
        float flip0, flip1;
    };

    static Simplex2SAxis Simplex2SAxisAt(float fraction, uint32_t primed, uint32_t prime)
    {
        // Upper half of the cell; the float difference decides, as a truncation of it would.
        const bool upper = -0.5f - fraction <= -1;
        const uint32_t mask = upper ? ~0u : 0u;
        const float direction = upper ? -1.0f : 1.0f;

        Simplex2SAxis axis;
        axis.offset0 = fraction + (upper ? -1.0f : 0.0f);
        axis.primed0 = primed + (mask & prime);
        axis.primed0Flipped = primed + (~mask & prime);
        axis.offset0Flipped = axis.offset0 - direction;
        axis.offset1 = fraction - 0.5f;
        axis.primed1 = primed + prime;
        axis.primed1Flipped = primed + (mask & (prime * 2));
        axis.offset1Flipped = direction + axis.offset1;
        axis.flip0 = direction * 2 * axis.offset1;
        axis.flip1 = -direction * 2 * axis.offset1 - 1;
        return axis;
    }

    static float SingleOpenSimplex2S(uint32_t seed, float x, float y, float z)
    {
        const int i = FastFloor(x);
        const int j = FastFloor(y);
        const int k = FastFloor(z);
        const Simplex2SAxis ax = Simplex2SAxisAt(x - static_cast<float>(i), Primed(i, PrimeX), PrimeX);
        const Simplex2SAxis ay = Simplex2SAxisAt(y - static_cast<float>(j), Primed(j, PrimeY), PrimeY);
        const Simplex2SAxis az = Simplex2SAxisAt(z - static_cast<float>(k), Primed(k, PrimeZ), PrimeZ);
        const uint32_t seed2 = seed + kSecondLatticeSeedOffset;

        const float a0 =
            kSimplex2SRadius3D - ax.offset0 * ax.offset0 - ay.offset0 * ay.offset0 - az.offset0 * az.offset0;
        float value =
            Pow4(a0) * GradCoord(seed, ax.primed0, ay.primed0, az.primed0, ax.offset0, ay.offset0, az.offset0);
        const float a1 =
            kSimplex2SRadius3D - ax.offset1 * ax.offset1 - ay.offset1 * ay.offset1 - az.offset1 * az.offset1;
        value += Pow4(a1) * GradCoord(seed2, ax.primed1, ay.primed1, az.primed1, ax.offset1, ay.offset1, az.offset1);

        // A point of either lattice, flipped on the axes marked true, counts while its weight is positive.
        auto lattice0 = [&](float a, bool fx, bool fy, bool fz) {
            if (!(a > 0))
                return false;
            value += Pow4(a) * GradCoord(seed,
                                         fx ? ax.primed0Flipped : ax.primed0, fy ? ay.primed0Flipped : ay.primed0,
                                         fz ? az.primed0Flipped : az.primed0,
                                         fx ? ax.offset0Flipped : ax.offset0, fy ? ay.offset0Flipped : ay.offset0,
                                         fz ? az.offset0Flipped : az.offset0);
            return true;
        };
        auto lattice1 = [&](float a, bool fx, bool fy, bool fz) {
            if (!(a > 0))
                return false;
            value += Pow4(a) * GradCoord(seed2,
                                         fx ? ax.primed1Flipped : ax.primed1, fy ? ay.primed1Flipped : ay.primed1,
                                         fz ? az.primed1Flipped : az.primed1,
                                         fx ? ax.offset1Flipped : ax.offset1, fy ? ay.offset1Flipped : ay.offset1,
                                         fz ? az.offset1Flipped : az.offset1);
            return true;
        };

        // Per axis: the lattice-0 point flipped on it, or else the one flipped on the other axes
        // and the lattice-1 point flipped on it; a lattice-1 point taken here rules out its
        // opposite, the lattice-1 point flipped on the other axes.
        bool xTaken = false, yTaken = false, zTaken = false;
        if (!lattice0(ax.flip0 + a0, true, false, false)) {
            lattice0(ay.flip0 + az.flip0 + a0, false, true, true);
            xTaken = lattice1(ax.flip1 + a1, true, false, false);
        }
        if (!lattice0(ay.flip0 + a0, false, true, false)) {
            lattice0(ax.flip0 + az.flip0 + a0, true, false, true);
            yTaken = lattice1(ay.flip1 + a1, false, true, false);
        }
        if (!lattice0(az.flip0 + a0, false, false, true)) {
            lattice0(ax.flip0 + ay.flip0 + a0, true, true, false);
            zTaken = lattice1(az.flip1 + a1, false, false, true);
        }
        if (!xTaken)
            lattice1(ay.flip1 + az.flip1 + a1, false, true, true);
        if (!yTaken)
            lattice1(ax.flip1 + az.flip1 + a1, true, false, true);
        if (!zTaken)
            lattice1(ax.flip1 + ay.flip1 + a1, true, true, false);

        return value * kSimplex2SScale3D;
    }

    static float SingleOpenSimplex2S(uint32_t seed, float x, float y, float z, float w)
    {
        const int i = FastFloor(x);
        const int j = FastFloor(y);
        const int k = FastFloor(z);
        const int l = FastFloor(w);
        const Simplex2SAxis ax = Simplex2SAxisAt(x - static_cast<float>(i), Primed(i, PrimeX), PrimeX);
        const Simplex2SAxis ay = Simplex2SAxisAt(y - static_cast<float>(j), Primed(j, PrimeY), PrimeY);
        const Simplex2SAxis az = Simplex2SAxisAt(z - static_cast<float>(k), Primed(k, PrimeZ), PrimeZ);
        const Simplex2SAxis aw = Simplex2SAxisAt(w - static_cast<float>(l), Primed(l, PrimeW), PrimeW);
        const uint32_t seed2 = seed + kSecondLatticeSeedOffset;

        // With radius 0.6 the base weights can be negative; they count all the same.
        const float a0 = kSimplexRadius - (ax.offset0 * ax.offset0 + ay.offset0 * ay.offset0 +
                                           az.offset0 * az.offset0 + aw.offset0 * aw.offset0);
        float value = Pow4(a0) * GradCoord(seed, ax.primed0, ay.primed0, az.primed0, aw.primed0,
                                           ax.offset0, ay.offset0, az.offset0, aw.offset0);
        const float a1 = kSimplexRadius - (ax.offset1 * ax.offset1 + ay.offset1 * ay.offset1 +
                                           az.offset1 * az.offset1 + aw.offset1 * aw.offset1);
        value += Pow4(a1) * GradCoord(seed2, ax.primed1, ay.primed1, az.primed1, aw.primed1,
                                      ax.offset1, ay.offset1, az.offset1, aw.offset1);

        auto lattice0 = [&](float a, bool fx, bool fy, bool fz, bool fw) {
            if (!(a > 0))
                return false;
            value += Pow4(a) * GradCoord(seed,
                                         fx ? ax.primed0Flipped : ax.primed0, fy ? ay.primed0Flipped : ay.primed0,
                                         fz ? az.primed0Flipped : az.primed0, fw ? aw.primed0Flipped : aw.primed0,
                                         fx ? ax.offset0Flipped : ax.offset0, fy ? ay.offset0Flipped : ay.offset0,
                                         fz ? az.offset0Flipped : az.offset0, fw ? aw.offset0Flipped : aw.offset0);
            return true;
        };
        auto lattice1 = [&](float a, bool fx, bool fy, bool fz, bool fw) {
            if (!(a > 0))
                return false;
            value += Pow4(a) * GradCoord(seed2,
                                         fx ? ax.primed1Flipped : ax.primed1, fy ? ay.primed1Flipped : ay.primed1,
                                         fz ? az.primed1Flipped : az.primed1, fw ? aw.primed1Flipped : aw.primed1,
                                         fx ? ax.offset1Flipped : ax.offset1, fy ? ay.offset1Flipped : ay.offset1,
                                         fz ? az.offset1Flipped : az.offset1, fw ? aw.offset1Flipped : aw.offset1);
            return true;
        };

        bool xTaken = false, yTaken = false, zTaken = false, wTaken = false;
        if (!lattice0(ax.flip0 + a0, true, false, false, false)) {
            lattice0(ay.flip0 + az.flip0 + aw.flip0 + a0, false, true, true, true);
            xTaken = lattice1(ax.flip1 + a1, true, false, false, false);
        }
        if (!lattice0(ay.flip0 + a0, false, true, false, false)) {
            lattice0(ax.flip0 + az.flip0 + aw.flip0 + a0, true, false, true, true);
            yTaken = lattice1(ay.flip1 + a1, false, true, false, false);
        }
        if (!lattice0(az.flip0 + a0, false, false, true, false)) {
            lattice0(ax.flip0 + ay.flip0 + aw.flip0 + a0, true, true, false, true);
            zTaken = lattice1(az.flip1 + a1, false, false, true, false);
        }
        if (!lattice0(aw.flip0 + a0, false, false, false, true)) {
            lattice0(ax.flip0 + ay.flip0 + az.flip0 + a0, true, true, true, false);
            wTaken = lattice1(aw.flip1 + a1, false, false, false, true);
        }
        if (!xTaken)
            lattice1(ay.flip1 + az.flip1 + aw.flip1 + a1, false, true, true, true);
        if (!yTaken)
            lattice1(ax.flip1 + az.flip1 + aw.flip1 + a1, true, false, true, true);
        if (!zTaken)
            lattice1(ax.flip1 + ay.flip1 + aw.flip1 + a1, true, true, false, true);
        if (!wTaken)
            lattice1(ax.flip1 + ay.flip1 + az.flip1 + a1, true, true, true, false);

        return value * kSimplex2SScale4D;
    }

    // ---- Cellular ----

    struct CellularNearest {
        float distance0 = kCellularFar;
        float distance1 = kCellularFar;
        uint32_t hash = 0;

        void Visit(float distance, uint32_t cellHash)
        {
            distance1 = FastMax(FastMin(distance1, distance), distance0);
            if (distance < distance0) {
                distance0 = distance;
                hash = cellHash;
            }
        }
    };

    bool CellularDistanceKnown() const
    {
        return mCellularDistanceFunction >= CellularDistanceFunction_Euclidean &&
               mCellularDistanceFunction <= CellularDistanceFunction_Hybrid;
    }

    // Distance to a cell point from the per-axis differences, summed in axis order. An unknown
    // function measures like the squared ones (only 2D gets that far).
    template <typename... Components>
    float CellularDistance(Components... v) const
    {
        switch (mCellularDistanceFunction) {
        case CellularDistanceFunction_Manhattan:
            return (... + FastAbs(v));
        case CellularDistanceFunction_Hybrid:
            return (... + FastAbs(v)) + (... + (v * v));
        default:
            return (... + (v * v));
        }
    }

    float CellularResult(CellularNearest nearest) const
    {
        if (mCellularDistanceFunction == CellularDistanceFunction_Euclidean &&
            mCellularReturnType >= CellularReturnType_Distance) {
            nearest.distance0 = FastSqrt(nearest.distance0);
            if (mCellularReturnType >= CellularReturnType_Distance2)
                nearest.distance1 = FastSqrt(nearest.distance1);
        }

        const float d0 = nearest.distance0;
        const float d1 = nearest.distance1;
        switch (mCellularReturnType) {
        case CellularReturnType_CellValue:
            return static_cast<float>(static_cast<int32_t>(nearest.hash)) * kHashToUnit;
        case CellularReturnType_Distance:
            return d0 - 1;
        case CellularReturnType_Distance2:
            return d1 - 1;
        case CellularReturnType_Distance2Add:
            return (d1 + d0) * 0.5f - 1;
        case CellularReturnType_Distance2Sub:
            return d1 - d0 - 1;
        case CellularReturnType_Distance2Mul:
            return d1 * d0 * 0.5f - 1;
        case CellularReturnType_Distance2Div:
            return d0 / d1 - 1;
        default:
            return 0;
        }
    }

    // Cell points sit at (cell index - sample) + random vector * jitter; the subtraction comes first.
    float SingleCellular(uint32_t seed, float x, float y) const
    {
        const int xr = FastRound(x);
        const int yr = FastRound(y);
        const float jitter = kCellularJitter2D * mCellularJitterModifier;
        CellularNearest nearest;

        uint32_t xPrimed = Primed(xr - 1, PrimeX);
        for (int xi = xr - 1; xi <= xr + 1; xi++, xPrimed += PrimeX) {
            uint32_t yPrimed = Primed(yr - 1, PrimeY);
            for (int yi = yr - 1; yi <= yr + 1; yi++, yPrimed += PrimeY) {
                const uint32_t hash = Hash(seed, xPrimed, yPrimed);
                const float* v = &Tables::RandVecs2D[hash & (255 << 1)];
                nearest.Visit(CellularDistance((static_cast<float>(xi) - x) + v[0] * jitter,
                                               (static_cast<float>(yi) - y) + v[1] * jitter),
                              hash);
            }
        }
        return CellularResult(nearest);
    }

    float SingleCellular(uint32_t seed, float x, float y, float z) const
    {
        CellularNearest nearest;
        if (!CellularDistanceKnown())
            return CellularResult(nearest);

        const int xr = FastRound(x);
        const int yr = FastRound(y);
        const int zr = FastRound(z);
        const float jitter = kCellularJitter3D * mCellularJitterModifier;

        uint32_t xPrimed = Primed(xr - 1, PrimeX);
        for (int xi = xr - 1; xi <= xr + 1; xi++, xPrimed += PrimeX) {
            uint32_t yPrimed = Primed(yr - 1, PrimeY);
            for (int yi = yr - 1; yi <= yr + 1; yi++, yPrimed += PrimeY) {
                uint32_t zPrimed = Primed(zr - 1, PrimeZ);
                for (int zi = zr - 1; zi <= zr + 1; zi++, zPrimed += PrimeZ) {
                    const uint32_t hash = Hash(seed, xPrimed, yPrimed, zPrimed);
                    const float* v = &Tables::RandVecs3D[hash & (255 << 2)];
                    nearest.Visit(CellularDistance((static_cast<float>(xi) - x) + v[0] * jitter,
                                                   (static_cast<float>(yi) - y) + v[1] * jitter,
                                                   (static_cast<float>(zi) - z) + v[2] * jitter),
                                  hash);
                }
            }
        }
        return CellularResult(nearest);
    }

    // The 4D table has 147 vectors; the hash's high bits, which mix the most, pick one.
    static const float* RandVec4D(uint32_t hash)
    {
        const uint64_t index = (static_cast<uint64_t>(hash) * kRandVecs4DCount) >> 32;
        return &Tables::RandVecs4D[index * 4];
    }

    float SingleCellular(uint32_t seed, float x, float y, float z, float w) const
    {
        CellularNearest nearest;
        if (!CellularDistanceKnown())
            return CellularResult(nearest);

        const int xr = FastRound(x);
        const int yr = FastRound(y);
        const int zr = FastRound(z);
        const int wr = FastRound(w);
        const float jitter = kCellularJitter3D * mCellularJitterModifier;

        uint32_t xPrimed = Primed(xr - 1, PrimeX);
        for (int xi = xr - 1; xi <= xr + 1; xi++, xPrimed += PrimeX) {
            uint32_t yPrimed = Primed(yr - 1, PrimeY);
            for (int yi = yr - 1; yi <= yr + 1; yi++, yPrimed += PrimeY) {
                uint32_t zPrimed = Primed(zr - 1, PrimeZ);
                for (int zi = zr - 1; zi <= zr + 1; zi++, zPrimed += PrimeZ) {
                    uint32_t wPrimed = Primed(wr - 1, PrimeW);
                    for (int wi = wr - 1; wi <= wr + 1; wi++, wPrimed += PrimeW) {
                        const uint32_t hash = Hash(seed, xPrimed, yPrimed, zPrimed, wPrimed);
                        const float* v = RandVec4D(hash);
                        nearest.Visit(CellularDistance((static_cast<float>(xi) - x) + v[0] * jitter,
                                                       (static_cast<float>(yi) - y) + v[1] * jitter,
                                                       (static_cast<float>(zi) - z) + v[2] * jitter,
                                                       (static_cast<float>(wi) - w) + v[3] * jitter),
                                      hash);
                    }
                }
            }
        }
        return CellularResult(nearest);
    }

    // ---- Perlin ----
    // Corners are lerped along x first, then y, z and w, lower corner first; every lerp is
    // evaluated, which fixes the sign of a zero result at lattice points.

    static float SinglePerlin(uint32_t seed, float x, float y)
    {
        const int x0 = FastFloor(x);
        const int y0 = FastFloor(y);
        const float xd0 = x - static_cast<float>(x0);
        const float yd0 = y - static_cast<float>(y0);
        const float xd1 = xd0 - 1;
        const float yd1 = yd0 - 1;
        const float xs = InterpQuintic(xd0);
        const float ys = InterpQuintic(yd0);
        const uint32_t xp0 = Primed(x0, PrimeX), xp1 = xp0 + PrimeX;
        const uint32_t yp0 = Primed(y0, PrimeY), yp1 = yp0 + PrimeY;

        const float xf0 = Lerp(GradCoord(seed, xp0, yp0, xd0, yd0), GradCoord(seed, xp1, yp0, xd1, yd0), xs);
        const float xf1 = Lerp(GradCoord(seed, xp0, yp1, xd0, yd1), GradCoord(seed, xp1, yp1, xd1, yd1), xs);
        return Lerp(xf0, xf1, ys) * kPerlinScale2D;
    }

    static float SinglePerlin(uint32_t seed, float x, float y, float z)
    {
        const int x0 = FastFloor(x);
        const int y0 = FastFloor(y);
        const int z0 = FastFloor(z);
        const float xd0 = x - static_cast<float>(x0);
        const float yd0 = y - static_cast<float>(y0);
        const float zd0 = z - static_cast<float>(z0);
        const float xd1 = xd0 - 1;
        const float yd1 = yd0 - 1;
        const float zd1 = zd0 - 1;
        const float xs = InterpQuintic(xd0);
        const float ys = InterpQuintic(yd0);
        const float zs = InterpQuintic(zd0);
        const uint32_t xp0 = Primed(x0, PrimeX), xp1 = xp0 + PrimeX;
        const uint32_t yp0 = Primed(y0, PrimeY), yp1 = yp0 + PrimeY;
        const uint32_t zp0 = Primed(z0, PrimeZ), zp1 = zp0 + PrimeZ;

        const float xf00 = Lerp(GradCoord(seed, xp0, yp0, zp0, xd0, yd0, zd0),
                                GradCoord(seed, xp1, yp0, zp0, xd1, yd0, zd0), xs);
        const float xf10 = Lerp(GradCoord(seed, xp0, yp1, zp0, xd0, yd1, zd0),
                                GradCoord(seed, xp1, yp1, zp0, xd1, yd1, zd0), xs);
        const float xf01 = Lerp(GradCoord(seed, xp0, yp0, zp1, xd0, yd0, zd1),
                                GradCoord(seed, xp1, yp0, zp1, xd1, yd0, zd1), xs);
        const float xf11 = Lerp(GradCoord(seed, xp0, yp1, zp1, xd0, yd1, zd1),
                                GradCoord(seed, xp1, yp1, zp1, xd1, yd1, zd1), xs);
        const float yf0 = Lerp(xf00, xf10, ys);
        const float yf1 = Lerp(xf01, xf11, ys);
        return Lerp(yf0, yf1, zs) * kPerlinScale3D;
    }

    static float SinglePerlin(uint32_t seed, float x, float y, float z, float w)
    {
        const int x0 = FastFloor(x);
        const int y0 = FastFloor(y);
        const int z0 = FastFloor(z);
        const int w0 = FastFloor(w);
        const float xd0 = x - static_cast<float>(x0);
        const float yd0 = y - static_cast<float>(y0);
        const float zd0 = z - static_cast<float>(z0);
        const float wd0 = w - static_cast<float>(w0);
        const float xd1 = xd0 - 1;
        const float yd1 = yd0 - 1;
        const float zd1 = zd0 - 1;
        const float wd1 = wd0 - 1;
        const float xs = InterpQuintic(xd0);
        const float ys = InterpQuintic(yd0);
        const float zs = InterpQuintic(zd0);
        const float ws = InterpQuintic(wd0);
        const uint32_t xp0 = Primed(x0, PrimeX), xp1 = xp0 + PrimeX;
        const uint32_t yp0 = Primed(y0, PrimeY), yp1 = yp0 + PrimeY;
        const uint32_t zp0 = Primed(z0, PrimeZ), zp1 = zp0 + PrimeZ;
        const uint32_t wp0 = Primed(w0, PrimeW), wp1 = wp0 + PrimeW;

        const float xf000 = Lerp(GradCoord(seed, xp0, yp0, zp0, wp0, xd0, yd0, zd0, wd0),
                               GradCoord(seed, xp1, yp0, zp0, wp0, xd1, yd0, zd0, wd0), xs);
        const float xf100 = Lerp(GradCoord(seed, xp0, yp1, zp0, wp0, xd0, yd1, zd0, wd0),
                               GradCoord(seed, xp1, yp1, zp0, wp0, xd1, yd1, zd0, wd0), xs);
        const float xf010 = Lerp(GradCoord(seed, xp0, yp0, zp1, wp0, xd0, yd0, zd1, wd0),
                               GradCoord(seed, xp1, yp0, zp1, wp0, xd1, yd0, zd1, wd0), xs);
        const float xf110 = Lerp(GradCoord(seed, xp0, yp1, zp1, wp0, xd0, yd1, zd1, wd0),
                               GradCoord(seed, xp1, yp1, zp1, wp0, xd1, yd1, zd1, wd0), xs);
        const float xf001 = Lerp(GradCoord(seed, xp0, yp0, zp0, wp1, xd0, yd0, zd0, wd1),
                               GradCoord(seed, xp1, yp0, zp0, wp1, xd1, yd0, zd0, wd1), xs);
        const float xf101 = Lerp(GradCoord(seed, xp0, yp1, zp0, wp1, xd0, yd1, zd0, wd1),
                               GradCoord(seed, xp1, yp1, zp0, wp1, xd1, yd1, zd0, wd1), xs);
        const float xf011 = Lerp(GradCoord(seed, xp0, yp0, zp1, wp1, xd0, yd0, zd1, wd1),
                               GradCoord(seed, xp1, yp0, zp1, wp1, xd1, yd0, zd1, wd1), xs);
        const float xf111 = Lerp(GradCoord(seed, xp0, yp1, zp1, wp1, xd0, yd1, zd1, wd1),
                               GradCoord(seed, xp1, yp1, zp1, wp1, xd1, yd1, zd1, wd1), xs);
        const float yf00 = Lerp(xf000, xf100, ys);
        const float yf10 = Lerp(xf010, xf110, ys);
        const float yf01 = Lerp(xf001, xf101, ys);
        const float yf11 = Lerp(xf011, xf111, ys);
        const float zf0 = Lerp(yf00, yf10, zs);
        const float zf1 = Lerp(yf01, yf11, zs);
        return Lerp(zf0, zf1, ws) * kPerlinScale4D;
    }

    // ---- Value-cubic: Catmull-Rom-like curves through the 4 lattice values around each axis ----

    static float SingleValueCubic(uint32_t seed, float x, float y)
    {
        const int x1 = FastFloor(x);
        const int y1 = FastFloor(y);
        const float xs = x - static_cast<float>(x1);
        const float ys = y - static_cast<float>(y1);
        const uint32_t xp1 = Primed(x1, PrimeX), xp0 = xp1 - PrimeX, xp2 = xp1 + PrimeX, xp3 = xp1 + PrimeX * 2;
        const uint32_t yp1 = Primed(y1, PrimeY), yp0 = yp1 - PrimeY, yp2 = yp1 + PrimeY, yp3 = yp1 + PrimeY * 2;

        auto alongX = [&](uint32_t yp) {
            return CubicLerp(ValCoord(seed, xp0, yp), ValCoord(seed, xp1, yp), ValCoord(seed, xp2, yp),
                             ValCoord(seed, xp3, yp), xs);
        };
        return CubicLerp(alongX(yp0), alongX(yp1), alongX(yp2), alongX(yp3), ys) * kValueCubicScale2D;
    }

    static float SingleValueCubic(uint32_t seed, float x, float y, float z)
    {
        const int x1 = FastFloor(x);
        const int y1 = FastFloor(y);
        const int z1 = FastFloor(z);
        const float xs = x - static_cast<float>(x1);
        const float ys = y - static_cast<float>(y1);
        const float zs = z - static_cast<float>(z1);
        const uint32_t xp1 = Primed(x1, PrimeX), xp0 = xp1 - PrimeX, xp2 = xp1 + PrimeX, xp3 = xp1 + PrimeX * 2;
        const uint32_t yp1 = Primed(y1, PrimeY), yp0 = yp1 - PrimeY, yp2 = yp1 + PrimeY, yp3 = yp1 + PrimeY * 2;
        const uint32_t zp1 = Primed(z1, PrimeZ), zp0 = zp1 - PrimeZ, zp2 = zp1 + PrimeZ, zp3 = zp1 + PrimeZ * 2;

        auto alongX = [&](uint32_t yp, uint32_t zp) {
            return CubicLerp(ValCoord(seed, xp0, yp, zp), ValCoord(seed, xp1, yp, zp), ValCoord(seed, xp2, yp, zp),
                             ValCoord(seed, xp3, yp, zp), xs);
        };
        auto alongY = [&](uint32_t zp) {
            return CubicLerp(alongX(yp0, zp), alongX(yp1, zp), alongX(yp2, zp), alongX(yp3, zp), ys);
        };
        return CubicLerp(alongY(zp0), alongY(zp1), alongY(zp2), alongY(zp3), zs) * kValueCubicScale3D;
    }

    static float SingleValueCubic(uint32_t seed, float x, float y, float z, float w)
    {
        const int x1 = FastFloor(x);
        const int y1 = FastFloor(y);
        const int z1 = FastFloor(z);
        const int w1 = FastFloor(w);
        const float xs = x - static_cast<float>(x1);
        const float ys = y - static_cast<float>(y1);
        const float zs = z - static_cast<float>(z1);
        const float ws = w - static_cast<float>(w1);
        const uint32_t xp1 = Primed(x1, PrimeX), xp0 = xp1 - PrimeX, xp2 = xp1 + PrimeX, xp3 = xp1 + PrimeX * 2;
        const uint32_t yp1 = Primed(y1, PrimeY), yp0 = yp1 - PrimeY, yp2 = yp1 + PrimeY, yp3 = yp1 + PrimeY * 2;
        const uint32_t zp1 = Primed(z1, PrimeZ), zp0 = zp1 - PrimeZ, zp2 = zp1 + PrimeZ, zp3 = zp1 + PrimeZ * 2;
        const uint32_t wp1 = Primed(w1, PrimeW), wp0 = wp1 - PrimeW, wp2 = wp1 + PrimeW, wp3 = wp1 + PrimeW * 2;

        auto alongX = [&](uint32_t yp, uint32_t zp, uint32_t wp) {
            return CubicLerp(ValCoord(seed, xp0, yp, zp, wp), ValCoord(seed, xp1, yp, zp, wp),
                             ValCoord(seed, xp2, yp, zp, wp), ValCoord(seed, xp3, yp, zp, wp), xs);
        };
        auto alongY = [&](uint32_t zp, uint32_t wp) {
            return CubicLerp(alongX(yp0, zp, wp), alongX(yp1, zp, wp), alongX(yp2, zp, wp), alongX(yp3, zp, wp), ys);
        };
        auto alongZ = [&](uint32_t wp) {
            return CubicLerp(alongY(zp0, wp), alongY(zp1, wp), alongY(zp2, wp), alongY(zp3, wp), zs);
        };
        return CubicLerp(alongZ(wp0), alongZ(wp1), alongZ(wp2), alongZ(wp3), ws) * kValueCubicScale4D;
    }

    // ---- Value: lattice values eased with the Hermite curve, lerped along x, y, z, w ----

    static float SingleValue(uint32_t seed, float x, float y)
    {
        const int x0 = FastFloor(x);
        const int y0 = FastFloor(y);
        const float xs = InterpHermite(x - static_cast<float>(x0));
        const float ys = InterpHermite(y - static_cast<float>(y0));
        const uint32_t xp0 = Primed(x0, PrimeX), xp1 = xp0 + PrimeX;
        const uint32_t yp0 = Primed(y0, PrimeY), yp1 = yp0 + PrimeY;

        const float xf0 = Lerp(ValCoord(seed, xp0, yp0), ValCoord(seed, xp1, yp0), xs);
        const float xf1 = Lerp(ValCoord(seed, xp0, yp1), ValCoord(seed, xp1, yp1), xs);
        return Lerp(xf0, xf1, ys);
    }

    static float SingleValue(uint32_t seed, float x, float y, float z)
    {
        const int x0 = FastFloor(x);
        const int y0 = FastFloor(y);
        const int z0 = FastFloor(z);
        const float xs = InterpHermite(x - static_cast<float>(x0));
        const float ys = InterpHermite(y - static_cast<float>(y0));
        const float zs = InterpHermite(z - static_cast<float>(z0));
        const uint32_t xp0 = Primed(x0, PrimeX), xp1 = xp0 + PrimeX;
        const uint32_t yp0 = Primed(y0, PrimeY), yp1 = yp0 + PrimeY;
        const uint32_t zp0 = Primed(z0, PrimeZ), zp1 = zp0 + PrimeZ;

        const float xf00 = Lerp(ValCoord(seed, xp0, yp0, zp0), ValCoord(seed, xp1, yp0, zp0), xs);
        const float xf10 = Lerp(ValCoord(seed, xp0, yp1, zp0), ValCoord(seed, xp1, yp1, zp0), xs);
        const float xf01 = Lerp(ValCoord(seed, xp0, yp0, zp1), ValCoord(seed, xp1, yp0, zp1), xs);
        const float xf11 = Lerp(ValCoord(seed, xp0, yp1, zp1), ValCoord(seed, xp1, yp1, zp1), xs);
        const float yf0 = Lerp(xf00, xf10, ys);
        const float yf1 = Lerp(xf01, xf11, ys);
        return Lerp(yf0, yf1, zs);
    }

    static float SingleValue(uint32_t seed, float x, float y, float z, float w)
    {
        const int x0 = FastFloor(x);
        const int y0 = FastFloor(y);
        const int z0 = FastFloor(z);
        const int w0 = FastFloor(w);
        const float xs = InterpHermite(x - static_cast<float>(x0));
        const float ys = InterpHermite(y - static_cast<float>(y0));
        const float zs = InterpHermite(z - static_cast<float>(z0));
        const float ws = InterpHermite(w - static_cast<float>(w0));
        const uint32_t xp0 = Primed(x0, PrimeX), xp1 = xp0 + PrimeX;
        const uint32_t yp0 = Primed(y0, PrimeY), yp1 = yp0 + PrimeY;
        const uint32_t zp0 = Primed(z0, PrimeZ), zp1 = zp0 + PrimeZ;
        const uint32_t wp0 = Primed(w0, PrimeW), wp1 = wp0 + PrimeW;

        const float xf000 = Lerp(ValCoord(seed, xp0, yp0, zp0, wp0), ValCoord(seed, xp1, yp0, zp0, wp0), xs);
        const float xf100 = Lerp(ValCoord(seed, xp0, yp1, zp0, wp0), ValCoord(seed, xp1, yp1, zp0, wp0), xs);
        const float xf010 = Lerp(ValCoord(seed, xp0, yp0, zp1, wp0), ValCoord(seed, xp1, yp0, zp1, wp0), xs);
        const float xf110 = Lerp(ValCoord(seed, xp0, yp1, zp1, wp0), ValCoord(seed, xp1, yp1, zp1, wp0), xs);
        const float xf001 = Lerp(ValCoord(seed, xp0, yp0, zp0, wp1), ValCoord(seed, xp1, yp0, zp0, wp1), xs);
        const float xf101 = Lerp(ValCoord(seed, xp0, yp1, zp0, wp1), ValCoord(seed, xp1, yp1, zp0, wp1), xs);
        const float xf011 = Lerp(ValCoord(seed, xp0, yp0, zp1, wp1), ValCoord(seed, xp1, yp0, zp1, wp1), xs);
        const float xf111 = Lerp(ValCoord(seed, xp0, yp1, zp1, wp1), ValCoord(seed, xp1, yp1, zp1, wp1), xs);
        const float yf00 = Lerp(xf000, xf100, ys);
        const float yf10 = Lerp(xf010, xf110, ys);
        const float yf01 = Lerp(xf001, xf101, ys);
        const float yf11 = Lerp(xf011, xf111, ys);
        const float zf0 = Lerp(yf00, yf10, zs);
        const float zf1 = Lerp(yf01, yf11, zs);
        return Lerp(zf0, zf1, ws);
    }
};

// ---- Lookup tables ----

// 128 unit vectors (x, y): entries 0-119 are five rounds of the 24 directions at
// 82.5 - 15k degrees (k = 0..23), entries 120-127 the directions at 67.5 - 45j degrees (j = 0..7);
// cos and sin each rounded to float.
template <typename T>
const T FastNoiseLite::Lookup<T>::Gradients2D[] = {
    0.13052619f, 0.9914449f,  0.38268343f, 0.9238795f,  0.6087614f, 0.7933533f,  0.7933533f, 0.6087614f,
    0.9238795f, 0.38268343f,  0.9914449f, 0.13052619f,  0.9914449f, -0.13052619f,  0.9238795f, -0.38268343f,
    0.7933533f, -0.6087614f,  0.6087614f, -0.7933533f,  0.38268343f, -0.9238795f,  0.13052619f, -0.9914449f,
    -0.13052619f, -0.9914449f,  -0.38268343f, -0.9238795f,  -0.6087614f, -0.7933533f,  -0.7933533f, -0.6087614f,
    -0.9238795f, -0.38268343f,  -0.9914449f, -0.13052619f,  -0.9914449f, 0.13052619f,  -0.9238795f, 0.38268343f,
    -0.7933533f, 0.6087614f,  -0.6087614f, 0.7933533f,  -0.38268343f, 0.9238795f,  -0.13052619f, 0.9914449f,
    0.13052619f, 0.9914449f,  0.38268343f, 0.9238795f,  0.6087614f, 0.7933533f,  0.7933533f, 0.6087614f,
    0.9238795f, 0.38268343f,  0.9914449f, 0.13052619f,  0.9914449f, -0.13052619f,  0.9238795f, -0.38268343f,
    0.7933533f, -0.6087614f,  0.6087614f, -0.7933533f,  0.38268343f, -0.9238795f,  0.13052619f, -0.9914449f,
    -0.13052619f, -0.9914449f,  -0.38268343f, -0.9238795f,  -0.6087614f, -0.7933533f,  -0.7933533f, -0.6087614f,
    -0.9238795f, -0.38268343f,  -0.9914449f, -0.13052619f,  -0.9914449f, 0.13052619f,  -0.9238795f, 0.38268343f,
    -0.7933533f, 0.6087614f,  -0.6087614f, 0.7933533f,  -0.38268343f, 0.9238795f,  -0.13052619f, 0.9914449f,
    0.13052619f, 0.9914449f,  0.38268343f, 0.9238795f,  0.6087614f, 0.7933533f,  0.7933533f, 0.6087614f,
    0.9238795f, 0.38268343f,  0.9914449f, 0.13052619f,  0.9914449f, -0.13052619f,  0.9238795f, -0.38268343f,
    0.7933533f, -0.6087614f,  0.6087614f, -0.7933533f,  0.38268343f, -0.9238795f,  0.13052619f, -0.9914449f,
    -0.13052619f, -0.9914449f,  -0.38268343f, -0.9238795f,  -0.6087614f, -0.7933533f,  -0.7933533f, -0.6087614f,
    -0.9238795f, -0.38268343f,  -0.9914449f, -0.13052619f,  -0.9914449f, 0.13052619f,  -0.9238795f, 0.38268343f,
    -0.7933533f, 0.6087614f,  -0.6087614f, 0.7933533f,  -0.38268343f, 0.9238795f,  -0.13052619f, 0.9914449f,
    0.13052619f, 0.9914449f,  0.38268343f, 0.9238795f,  0.6087614f, 0.7933533f,  0.7933533f, 0.6087614f,
    0.9238795f, 0.38268343f,  0.9914449f, 0.13052619f,  0.9914449f, -0.13052619f,  0.9238795f, -0.38268343f,
    0.7933533f, -0.6087614f,  0.6087614f, -0.7933533f,  0.38268343f, -0.9238795f,  0.13052619f, -0.9914449f,
    -0.13052619f, -0.9914449f,  -0.38268343f, -0.9238795f,  -0.6087614f, -0.7933533f,  -0.7933533f, -0.6087614f,
    -0.9238795f, -0.38268343f,  -0.9914449f, -0.13052619f,  -0.9914449f, 0.13052619f,  -0.9238795f, 0.38268343f,
    -0.7933533f, 0.6087614f,  -0.6087614f, 0.7933533f,  -0.38268343f, 0.9238795f,  -0.13052619f, 0.9914449f,
    0.13052619f, 0.9914449f,  0.38268343f, 0.9238795f,  0.6087614f, 0.7933533f,  0.7933533f, 0.6087614f,
    0.9238795f, 0.38268343f,  0.9914449f, 0.13052619f,  0.9914449f, -0.13052619f,  0.9238795f, -0.38268343f,
    0.7933533f, -0.6087614f,  0.6087614f, -0.7933533f,  0.38268343f, -0.9238795f,  0.13052619f, -0.9914449f,
    -0.13052619f, -0.9914449f,  -0.38268343f, -0.9238795f,  -0.6087614f, -0.7933533f,  -0.7933533f, -0.6087614f,
    -0.9238795f, -0.38268343f,  -0.9914449f, -0.13052619f,  -0.9914449f, 0.13052619f,  -0.9238795f, 0.38268343f,
    -0.7933533f, 0.6087614f,  -0.6087614f, 0.7933533f,  -0.38268343f, 0.9238795f,  -0.13052619f, 0.9914449f,
    0.38268343f, 0.9238795f,  0.9238795f, 0.38268343f,  0.9238795f, -0.38268343f,  0.38268343f, -0.9238795f,
    -0.38268343f, -0.9238795f,  -0.9238795f, -0.38268343f,  -0.9238795f, 0.38268343f,  -0.38268343f, 0.9238795f,
};

// 64 entries (x, y, z, 0): five rounds of the 12 cube-edge directions, then four of them again.
template <typename T>
const T FastNoiseLite::Lookup<T>::Gradients3D[] = {
     0,  1,  1,  0,   0, -1,  1,  0,   0,  1, -1,  0,   0, -1, -1,  0,
     1,  0,  1,  0,  -1,  0,  1,  0,   1,  0, -1,  0,  -1,  0, -1,  0,
     1,  1,  0,  0,  -1,  1,  0,  0,   1, -1,  0,  0,  -1, -1,  0,  0,
     0,  1,  1,  0,   0, -1,  1,  0,   0,  1, -1,  0,   0, -1, -1,  0,
     1,  0,  1,  0,  -1,  0,  1,  0,   1,  0, -1,  0,  -1,  0, -1,  0,
     1,  1,  0,  0,  -1,  1,  0,  0,   1, -1,  0,  0,  -1, -1,  0,  0,
     0,  1,  1,  0,   0, -1,  1,  0,   0,  1, -1,  0,   0, -1, -1,  0,
     1,  0,  1,  0,  -1,  0,  1,  0,   1,  0, -1,  0,  -1,  0, -1,  0,
     1,  1,  0,  0,  -1,  1,  0,  0,   1, -1,  0,  0,  -1, -1,  0,  0,
     0,  1,  1,  0,   0, -1,  1,  0,   0,  1, -1,  0,   0, -1, -1,  0,
     1,  0,  1,  0,  -1,  0,  1,  0,   1,  0, -1,  0,  -1,  0, -1,  0,
     1,  1,  0,  0,  -1,  1,  0,  0,   1, -1,  0,  0,  -1, -1,  0,  0,
     0,  1,  1,  0,   0, -1,  1,  0,   0,  1, -1,  0,   0, -1, -1,  0,
     1,  0,  1,  0,  -1,  0,  1,  0,   1,  0, -1,  0,  -1,  0, -1,  0,
     1,  1,  0,  0,  -1,  1,  0,  0,   1, -1,  0,  0,  -1, -1,  0,  0,
     1,  1,  0,  0,   0, -1,  1,  0,  -1,  1,  0,  0,   0, -1, -1,  0,
};

// 32 gradients (x, y, z, w): one component 0 and three of +-1/sqrt(3) (each of length 1);
// the zero is in x for 0-7, y for 8-15, z for 16-23, w for 24-31, and the other three take the
// signs +++, ++-, +-+, +--, -++, -+-, --+, --- in that order.
template <typename T>
const T FastNoiseLite::Lookup<T>::Gradients4D[] = {
     0.0f,  0.57735026f,  0.57735026f,  0.57735026f,   0.0f,  0.57735026f,  0.57735026f, -0.57735026f,
     0.0f,  0.57735026f, -0.57735026f,  0.57735026f,   0.0f,  0.57735026f, -0.57735026f, -0.57735026f,
     0.0f, -0.57735026f,  0.57735026f,  0.57735026f,   0.0f, -0.57735026f,  0.57735026f, -0.57735026f,
     0.0f, -0.57735026f, -0.57735026f,  0.57735026f,   0.0f, -0.57735026f, -0.57735026f, -0.57735026f,
     0.57735026f,  0.0f,  0.57735026f,  0.57735026f,   0.57735026f,  0.0f,  0.57735026f, -0.57735026f,
     0.57735026f,  0.0f, -0.57735026f,  0.57735026f,   0.57735026f,  0.0f, -0.57735026f, -0.57735026f,
    -0.57735026f,  0.0f,  0.57735026f,  0.57735026f,  -0.57735026f,  0.0f,  0.57735026f, -0.57735026f,
    -0.57735026f,  0.0f, -0.57735026f,  0.57735026f,  -0.57735026f,  0.0f, -0.57735026f, -0.57735026f,
     0.57735026f,  0.57735026f,  0.0f,  0.57735026f,   0.57735026f,  0.57735026f,  0.0f, -0.57735026f,
     0.57735026f, -0.57735026f,  0.0f,  0.57735026f,   0.57735026f, -0.57735026f,  0.0f, -0.57735026f,
    -0.57735026f,  0.57735026f,  0.0f,  0.57735026f,  -0.57735026f,  0.57735026f,  0.0f, -0.57735026f,
    -0.57735026f, -0.57735026f,  0.0f,  0.57735026f,  -0.57735026f, -0.57735026f,  0.0f, -0.57735026f,
     0.57735026f,  0.57735026f,  0.57735026f,  0.0f,   0.57735026f,  0.57735026f, -0.57735026f,  0.0f,
     0.57735026f, -0.57735026f,  0.57735026f,  0.0f,   0.57735026f, -0.57735026f, -0.57735026f,  0.0f,
    -0.57735026f,  0.57735026f,  0.57735026f,  0.0f,  -0.57735026f,  0.57735026f, -0.57735026f,  0.0f,
    -0.57735026f, -0.57735026f,  0.57735026f,  0.0f,  -0.57735026f, -0.57735026f, -0.57735026f,  0.0f,
};

// RandVecs2D (256 unit vectors x, y) and RandVecs3D (256 unit vectors x, y, z, 0) are the tables
// of those names from the FastNoiseLite library v1.1.1 (https://github.com/Auburn/FastNoiseLite),
// Copyright(c) 2023 Jordan Peck (jordan.me2@gmail.com), Copyright(c) 2023 Contributors,
// MIT licence: see src/libs/LICENSE-FastNoiseLite-tables.txt. Cellular noise needs exactly these
// floats to reproduce its stored values.
template <typename T>
const T FastNoiseLite::Lookup<T>::RandVecs2D[] = {
    -0.2700222198f, -0.9628540911f,  0.3863092627f, -0.9223693152f,  0.04444859006f, -0.999011673f,
    -0.5992523158f, -0.8005602176f,  -0.7819280288f, 0.6233687174f,  0.9464672271f, 0.3227999196f,
    -0.6514146797f, -0.7587218957f,  0.9378472289f, 0.347048376f,  -0.8497875957f, -0.5271252623f,
    -0.879042592f, 0.4767432447f,  -0.892300288f, -0.4514423508f,  -0.379844434f, -0.9250503802f,
    -0.9951650832f, 0.0982163789f,  0.7724397808f, -0.6350880136f,  0.7573283322f, -0.6530343002f,
    -0.9928004525f, -0.119780055f,  -0.0532665713f, 0.9985803285f,  0.9754253726f, -0.2203300762f,
    -0.7665018163f, 0.6422421394f,  0.991636706f, 0.1290606184f,  -0.994696838f, 0.1028503788f,
    -0.5379205513f, -0.84299554f,  0.5022815471f, -0.8647041387f,  0.4559821461f, -0.8899889226f,
    -0.8659131224f, -0.5001944266f,  0.0879458407f, -0.9961252577f,  -0.5051684983f, 0.8630207346f,
    0.7753185226f, -0.6315704146f,  -0.6921944612f, 0.7217110418f,  -0.5191659449f, -0.8546734591f,
    0.8978622882f, -0.4402764035f,  -0.1706774107f, 0.9853269617f,  -0.9353430106f, -0.3537420705f,
    -0.9992404798f, 0.03896746794f,  -0.2882064021f, -0.9575683108f,  -0.9663811329f, 0.2571137995f,
    -0.8759714238f, -0.4823630009f,  -0.8303123018f, -0.5572983775f,  0.05110133755f, -0.9986934731f,
    -0.8558373281f, -0.5172450752f,  0.09887025282f, 0.9951003332f,  0.9189016087f, 0.3944867976f,
    -0.2439375892f, -0.9697909324f,  -0.8121409387f, -0.5834613061f,  -0.9910431363f, 0.1335421355f,
    0.8492423985f, -0.5280031709f,  -0.9717838994f, -0.2358729591f,  0.9949457207f, 0.1004142068f,
    0.6241065508f, -0.7813392434f,  0.662910307f, 0.7486988212f,  -0.7197418176f, 0.6942418282f,
    -0.8143370775f, -0.5803922158f,  0.104521054f, -0.9945226741f,  -0.1065926113f, -0.9943027784f,
    0.445799684f, -0.8951327509f,  0.105547406f, 0.9944142724f,  -0.992790267f, 0.1198644477f,
    -0.8334366408f, 0.552615025f,  0.9115561563f, -0.4111755999f,  0.8285544909f, -0.5599084351f,
    0.7217097654f, -0.6921957921f,  0.4940492677f, -0.8694339084f,  -0.3652321272f, -0.9309164803f,
    -0.9696606758f, 0.2444548501f,  0.08925509731f, -0.996008799f,  0.5354071276f, -0.8445941083f,
    -0.1053576186f, 0.9944343981f,  -0.9890284586f, 0.1477251101f,  0.004856104961f, 0.9999882091f,
    0.9885598478f, 0.1508291331f,  0.9286129562f, -0.3710498316f,  -0.5832393863f, -0.8123003252f,
    0.3015207509f, 0.9534596146f,  -0.9575110528f, 0.2883965738f,  0.9715802154f, -0.2367105511f,
    0.229981792f, 0.9731949318f,  0.955763816f, -0.2941352207f,  0.740956116f, 0.6715534485f,
    -0.9971513787f, -0.07542630764f,  0.6905710663f, -0.7232645452f,  -0.290713703f, -0.9568100872f,
    0.5912777791f, -0.8064679708f,  -0.9454592212f, -0.325740481f,  0.6664455681f, 0.74555369f,
    0.6236134912f, 0.7817328275f,  0.9126993851f, -0.4086316587f,  -0.8191762011f, 0.5735419353f,
    -0.8812745759f, -0.4726046147f,  0.9953313627f, 0.09651672651f,  0.9855650846f, -0.1692969699f,
    -0.8495980887f, 0.5274306472f,  0.6174853946f, -0.7865823463f,  0.8508156371f, 0.52546432f,
    0.9985032451f, -0.05469249926f,  0.1971371563f, -0.9803759185f,  0.6607855748f, -0.7505747292f,
    -0.03097494063f, 0.9995201614f,  -0.6731660801f, 0.739491331f,  -0.7195018362f, -0.6944905383f,
    0.9727511689f, 0.2318515979f,  0.9997059088f, -0.0242506907f,  0.4421787429f, -0.8969269532f,
    0.9981350961f, -0.061043673f,  -0.9173660799f, -0.3980445648f,  -0.8150056635f, -0.5794529907f,
    -0.8789331304f, 0.4769450202f,  0.0158605829f, 0.999874213f,  -0.8095464474f, 0.5870558317f,
    -0.9165898907f, -0.3998286786f,  -0.8023542565f, 0.5968480938f,  -0.5176737917f, 0.8555780767f,
    -0.8154407307f, -0.5788405779f,  0.4022010347f, -0.9155513791f,  -0.9052556868f, -0.4248672045f,
    0.7317445619f, 0.6815789728f,  -0.5647632201f, -0.8252529947f,  -0.8403276335f, -0.5420788397f,
    -0.9314281527f, 0.363925262f,  0.5238198472f, 0.8518290719f,  0.7432803869f, -0.6689800195f,
    -0.985371561f, -0.1704197369f,  0.4601468731f, 0.88784281f,  0.825855404f, 0.5638819483f,
    0.6182366099f, 0.7859920446f,  0.8331502863f, -0.553046653f,  0.1500307506f, 0.9886813308f,
    -0.662330369f, -0.7492119075f,  -0.668598664f, 0.743623444f,  0.7025606278f, 0.7116238924f,
    -0.5419389763f, -0.8404178401f,  -0.3388616456f, 0.9408362159f,  0.8331530315f, 0.5530425174f,
    -0.2989720662f, -0.9542618632f,  0.2638522993f, 0.9645630949f,  0.124108739f, -0.9922686234f,
    -0.7282649308f, -0.6852956957f,  0.6962500149f, 0.7177993569f,  -0.9183535368f, 0.3957610156f,
    -0.6326102274f, -0.7744703352f,  -0.9331891859f, -0.359385508f,  -0.1153779357f, -0.9933216659f,
    0.9514974788f, -0.3076565421f,  -0.08987977445f, -0.9959526224f,  0.6678496916f, 0.7442961705f,
    0.7952400393f, -0.6062947138f,  -0.6462007402f, -0.7631674805f,  -0.2733598753f, 0.9619118351f,
    0.9669590226f, -0.254931851f,  -0.9792894595f, 0.2024651934f,  -0.5369502995f, -0.8436138784f,
    -0.270036471f, -0.9628500944f,  -0.6400277131f, 0.7683518247f,  -0.7854537493f, -0.6189203566f,
    0.06005905383f, -0.9981948257f,  -0.02455770378f, 0.9996984141f,  -0.65983623f, 0.751409442f,
    -0.6253894466f, -0.7803127835f,  -0.6210408851f, -0.7837781695f,  0.8348888491f, 0.5504185768f,
    -0.1592275245f, 0.9872419133f,  0.8367622488f, 0.5475663786f,  -0.8675753916f, -0.4973056806f,
    -0.2022662628f, -0.9793305667f,  0.9399189937f, 0.3413975472f,  0.9877404807f, -0.1561049093f,
    -0.9034455656f, 0.4287028224f,  0.1269804218f, -0.9919052235f,  -0.3819600854f, 0.924178821f,
    0.9754625894f, 0.2201652486f,  -0.3204015856f, -0.9472818081f,  -0.9874760884f, 0.1577687387f,
    0.02535348474f, -0.9996785487f,  0.4835130794f, -0.8753371362f,  -0.2850799925f, -0.9585037287f,
    -0.06805516006f, -0.99768156f,  -0.7885244045f, -0.6150034663f,  0.3185392127f, -0.9479096845f,
    0.8880043089f, 0.4598351306f,  0.6476921488f, -0.7619021462f,  0.9820241299f, 0.1887554194f,
    0.9357275128f, -0.3527237187f,  -0.8894895414f, 0.4569555293f,  0.7922791302f, 0.6101588153f,
    0.7483818261f, 0.6632681526f,  -0.7288929755f, -0.6846276581f,  0.8729032783f, -0.4878932944f,
    0.8288345784f, 0.5594937369f,  0.08074567077f, 0.9967347374f,  0.9799148216f, -0.1994165048f,
    -0.580730673f, -0.8140957471f,  -0.4700049791f, -0.8826637636f,  0.2409492979f, 0.9705377045f,
    0.9437816757f, -0.3305694308f,  -0.8927998638f, -0.4504535528f,  -0.8069622304f, 0.5906030467f,
    0.06258973166f, 0.9980393407f,  -0.9312597469f, 0.3643559849f,  0.5777449785f, 0.8162173362f,
    -0.3360095855f, -0.941858566f,  0.697932075f, -0.7161639607f,  -0.002008157227f, -0.9999979837f,
    -0.1827294312f, -0.9831632392f,  -0.6523911722f, 0.7578824173f,  -0.4302626911f, -0.9027037258f,
    -0.9985126289f, -0.05452091251f,  -0.01028102172f, -0.9999471489f,  -0.4946071129f, 0.8691166802f,
    -0.2999350194f, 0.9539596344f,  0.8165471961f, 0.5772786819f,  0.2697460475f, 0.962931498f,
    -0.7306287391f, -0.6827749597f,  -0.7590952064f, -0.6509796216f,  -0.907053853f, 0.4210146171f,
    -0.5104861064f, -0.8598860013f,  0.8613350597f, 0.5080373165f,  0.5007881595f, -0.8655698812f,
    -0.654158152f, 0.7563577938f,  -0.8382755311f, -0.545246856f,  0.6940070834f, 0.7199681717f,
    0.06950936031f, 0.9975812994f,  0.1702942185f, -0.9853932612f,  0.2695973274f, 0.9629731466f,
    0.5519612192f, -0.8338697815f,  0.225657487f, -0.9742067022f,  0.4215262855f, -0.9068161835f,
    0.4881873305f, -0.8727388672f,  -0.3683854996f, -0.9296731273f,  -0.9825390578f, 0.1860564427f,
    0.81256471f, 0.5828709909f,  0.3196460933f, -0.9475370046f,  0.9570913859f, 0.2897862643f,
    -0.6876655497f, -0.7260276109f,  -0.9988770922f, -0.047376731f,  -0.1250179027f, 0.992154486f,
    -0.8280133617f, 0.560708367f,  0.9324863769f, -0.3612051451f,  0.6394653183f, 0.7688199442f,
    -0.01623847064f, -0.9998681473f,  -0.9955014666f, -0.09474613458f,  -0.81453315f, 0.580117012f,
    0.4037327978f, -0.9148769469f,  0.9944263371f, 0.1054336766f,  -0.1624711654f, 0.9867132919f,
    -0.9949487814f, -0.100383875f,  -0.6995302564f, 0.7146029809f,  0.5263414922f, -0.85027327f,
    -0.5395221479f, 0.841971408f,  0.6579370318f, 0.7530729462f,  0.01426758847f, -0.9998982128f,
    -0.6734383991f, 0.7392433447f,  0.639412098f, -0.7688642071f,  0.9211571421f, 0.3891908523f,
    -0.146637214f, -0.9891903394f,  -0.782318098f, 0.6228791163f,  -0.5039610839f, -0.8637263605f,
    -0.7743120191f, -0.6328039957f,
};

template <typename T>
const T FastNoiseLite::Lookup<T>::RandVecs3D[] = {
    -0.7292736885f, -0.6618439697f, 0.1735581948f, 0.0f,  0.790292081f, -0.5480887466f, -0.2739291014f, 0.0f,
    0.7217578935f, 0.6226212466f, -0.3023380997f, 0.0f,  0.565683137f, -0.8208298145f, -0.0790000257f, 0.0f,
    0.760049034f, -0.5555979497f, -0.3370999617f, 0.0f,  0.3713945616f, 0.5011264475f, 0.7816254623f, 0.0f,
    -0.1277062463f, -0.4254438999f, -0.8959289049f, 0.0f,  -0.2881560924f, -0.5815838982f, 0.7607405838f, 0.0f,
    0.5849561111f, -0.662820239f, -0.4674352136f, 0.0f,  0.3307171178f, 0.0391653737f, 0.94291689f, 0.0f,
    0.8712121778f, -0.4113374369f, -0.2679381538f, 0.0f,  0.580981015f, 0.7021915846f, 0.4115677815f, 0.0f,
    0.503756873f, 0.6330056931f, -0.5878203852f, 0.0f,  0.4493712205f, 0.601390195f, 0.6606022552f, 0.0f,
    -0.6878403724f, 0.09018890807f, -0.7202371714f, 0.0f,  -0.5958956522f, -0.6469350577f, 0.475797649f, 0.0f,
    -0.5127052122f, 0.1946921978f, -0.8361987284f, 0.0f,  -0.9911507142f, -0.05410276466f, -0.1212153153f, 0.0f,
    -0.2149721042f, 0.9720882117f, -0.09397607749f, 0.0f,  -0.7518650936f, -0.5428057603f, 0.3742469607f, 0.0f,
    0.5237068895f, 0.8516377189f, -0.02107817834f, 0.0f,  0.6333504779f, 0.1926167129f, -0.7495104896f, 0.0f,
    -0.06788241606f, 0.3998305789f, 0.9140719259f, 0.0f,  -0.5538628599f, -0.4729896695f, -0.6852128902f, 0.0f,
    -0.7261455366f, -0.5911990757f, 0.3509933228f, 0.0f,  -0.9229274737f, -0.1782808786f, 0.3412049336f, 0.0f,
    -0.6968815002f, 0.6511274338f, 0.3006480328f, 0.0f,  0.9608044783f, -0.2098363234f, -0.1811724921f, 0.0f,
    0.06817146062f, -0.9743405129f, 0.2145069156f, 0.0f,  -0.3577285196f, -0.6697087264f, -0.6507845481f, 0.0f,
    -0.1868621131f, 0.7648617052f, -0.6164974636f, 0.0f,  -0.6541697588f, 0.3967914832f, 0.6439087246f, 0.0f,
    0.6993340405f, -0.6164538506f, 0.3618239211f, 0.0f,  -0.1546665739f, 0.6291283928f, 0.7617583057f, 0.0f,
    -0.6841612949f, -0.2580482182f, -0.6821542638f, 0.0f,  0.5383980957f, 0.4258654885f, 0.7271630328f, 0.0f,
    -0.5026987823f, -0.7939832935f, -0.3418836993f, 0.0f,  0.3202971715f, 0.2834415347f, 0.9039195862f, 0.0f,
    0.8683227101f, -0.0003762656404f, -0.4959995258f, 0.0f,  0.791120031f, -0.08511045745f, 0.6057105799f, 0.0f,
    -0.04011016052f, -0.4397248749f, 0.8972364289f, 0.0f,  0.9145119872f, 0.3579346169f, -0.1885487608f, 0.0f,
    -0.9612039066f, -0.2756484276f, 0.01024666929f, 0.0f,  0.6510361721f, -0.2877799159f, -0.7023778346f, 0.0f,
    -0.2041786351f, 0.7365237271f, 0.644859585f, 0.0f,  -0.7718263711f, 0.3790626912f, 0.5104855816f, 0.0f,
    -0.3060082741f, -0.7692987727f, 0.5608371729f, 0.0f,  0.454007341f, -0.5024843065f, 0.7357899537f, 0.0f,
    0.4816795475f, 0.6021208291f, -0.6367380315f, 0.0f,  0.6961980369f, -0.3222197429f, 0.641469197f, 0.0f,
    -0.6532160499f, -0.6781148932f, 0.3368515753f, 0.0f,  0.5089301236f, -0.6154662304f, -0.6018234363f, 0.0f,
    -0.1635919754f, -0.9133604627f, -0.372840892f, 0.0f,  0.52408019f, -0.8437664109f, 0.1157505864f, 0.0f,
    0.5902587356f, 0.4983817807f, -0.6349883666f, 0.0f,  0.5863227872f, 0.494764745f, 0.6414307729f, 0.0f,
    0.6779335087f, 0.2341345225f, 0.6968408593f, 0.0f,  0.7177054546f, -0.6858979348f, 0.120178631f, 0.0f,
    -0.5328819713f, -0.5205125012f, 0.6671608058f, 0.0f,  -0.8654874251f, -0.0700727088f, -0.4960053754f, 0.0f,
    -0.2861810166f, 0.7952089234f, 0.5345495242f, 0.0f,  -0.04849529634f, 0.9810836427f, -0.1874115585f, 0.0f,
    -0.6358521667f, 0.6058348682f, 0.4781800233f, 0.0f,  0.6254794696f, -0.2861619734f, 0.7258696564f, 0.0f,
    -0.2585259868f, 0.5061949264f, -0.8227581726f, 0.0f,  0.02136306781f, 0.5064016808f, -0.8620330371f, 0.0f,
    0.200111773f, 0.8599263484f, 0.4695550591f, 0.0f,  0.4743561372f, 0.6014985084f, -0.6427953014f, 0.0f,
    0.6622993731f, -0.5202474575f, -0.5391679918f, 0.0f,  0.08084972818f, -0.6532720452f, 0.7527940996f, 0.0f,
    -0.6893687501f, 0.0592860349f, 0.7219805347f, 0.0f,  -0.1121887082f, -0.9673185067f, 0.2273952515f, 0.0f,
    0.7344116094f, 0.5979668656f, -0.3210532909f, 0.0f,  0.5789393465f, -0.2488849713f, 0.7764570201f, 0.0f,
    0.6988182827f, 0.3557169806f, -0.6205791146f, 0.0f,  -0.8636845529f, -0.2748771249f, -0.4224826141f, 0.0f,
    -0.4247027957f, -0.4640880967f, 0.777335046f, 0.0f,  0.5257722489f, -0.8427017621f, 0.1158329937f, 0.0f,
    0.9343830603f, 0.316302472f, -0.1639543925f, 0.0f,  -0.1016836419f, -0.8057303073f, -0.5834887393f, 0.0f,
    -0.6529238969f, 0.50602126f, -0.5635892736f, 0.0f,  -0.2465286165f, -0.9668205684f, -0.06694497494f, 0.0f,
    -0.9776897119f, -0.2099250524f, -0.007368825344f, 0.0f,  0.7736893337f, 0.5734244712f, 0.2694238123f, 0.0f,
    -0.6095087895f, 0.4995678998f, 0.6155736747f, 0.0f,  0.5794535482f, 0.7434546771f, 0.3339292269f, 0.0f,
    -0.8226211154f, 0.08142581855f, 0.5627293636f, 0.0f,  -0.510385483f, 0.4703667658f, 0.7199039967f, 0.0f,
    -0.5764971849f, -0.07231656274f, -0.8138926898f, 0.0f,  0.7250628871f, 0.3949971505f, -0.5641463116f, 0.0f,
    -0.1525424005f, 0.4860840828f, -0.8604958341f, 0.0f,  -0.5550976208f, -0.4957820792f, 0.667882296f, 0.0f,
    -0.1883614327f, 0.9145869398f, 0.357841725f, 0.0f,  0.7625556724f, -0.5414408243f, -0.3540489801f, 0.0f,
    -0.5870231946f, -0.3226498013f, -0.7424963803f, 0.0f,  0.3051124198f, 0.2262544068f, -0.9250488391f, 0.0f,
    0.6379576059f, 0.577242424f, -0.5097070502f, 0.0f,  -0.5966775796f, 0.1454852398f, -0.7891830656f, 0.0f,
    -0.658330573f, 0.6555487542f, -0.3699414651f, 0.0f,  0.7434892426f, 0.2351084581f, 0.6260573129f, 0.0f,
    0.5562114096f, 0.8264360377f, -0.0873632843f, 0.0f,  -0.3028940016f, -0.8251527185f, 0.4768419182f, 0.0f,
    0.1129343818f, -0.985888439f, -0.1235710781f, 0.0f,  0.5937652891f, -0.5896813806f, 0.5474656618f, 0.0f,
    0.6757964092f, -0.5835758614f, -0.4502648413f, 0.0f,  0.7242302609f, -0.1152719764f, 0.6798550586f, 0.0f,
    -0.9511914166f, 0.0753623979f, -0.2992580792f, 0.0f,  0.2539470961f, -0.1886339355f, 0.9486454084f, 0.0f,
    0.571433621f, -0.1679450851f, -0.8032795685f, 0.0f,  -0.06778234979f, 0.3978269256f, 0.9149531629f, 0.0f,
    0.6074972649f, 0.733060024f, -0.3058922593f, 0.0f,  -0.5435478392f, 0.1675822484f, 0.8224791405f, 0.0f,
    -0.5876678086f, -0.3380045064f, -0.7351186982f, 0.0f,  -0.7967562402f, 0.04097822706f, -0.6029098428f, 0.0f,
    -0.1996350917f, 0.8706294745f, 0.4496111079f, 0.0f,  -0.02787660336f, -0.9106232682f, -0.4122962022f, 0.0f,
    -0.7797625996f, -0.6257634692f, 0.01975775581f, 0.0f,  -0.5211232846f, 0.7401644346f, -0.4249554471f, 0.0f,
    0.8575424857f, 0.4053272873f, -0.3167501783f, 0.0f,  0.1045223322f, 0.8390195772f, -0.5339674439f, 0.0f,
    0.3501822831f, 0.9242524096f, -0.1520850155f, 0.0f,  0.1987849858f, 0.07647613266f, 0.9770547224f, 0.0f,
    0.7845996363f, 0.6066256811f, -0.1280964233f, 0.0f,  0.09006737436f, -0.9750989929f, -0.2026569073f, 0.0f,
    -0.8274343547f, -0.542299559f, 0.1458203587f, 0.0f,  -0.3485797732f, -0.415802277f, 0.840000362f, 0.0f,
    -0.2471778936f, -0.7304819962f, -0.6366310879f, 0.0f,  -0.3700154943f, 0.8577948156f, 0.3567584454f, 0.0f,
    0.5913394901f, -0.548311967f, -0.5913303597f, 0.0f,  0.1204873514f, -0.7626472379f, -0.6354935001f, 0.0f,
    0.616959265f, 0.03079647928f, 0.7863922953f, 0.0f,  0.1258156836f, -0.6640829889f, -0.7369967419f, 0.0f,
    -0.6477565124f, -0.1740147258f, -0.7417077429f, 0.0f,  0.6217889313f, -0.7804430448f, -0.06547655076f, 0.0f,
    0.6589943422f, -0.6096987708f, 0.4404473475f, 0.0f,  -0.2689837504f, -0.6732403169f, -0.6887635427f, 0.0f,
    -0.3849775103f, 0.5676542638f, 0.7277093879f, 0.0f,  0.5754444408f, 0.8110471154f, -0.1051963504f, 0.0f,
    0.9141593684f, 0.3832947817f, 0.131900567f, 0.0f,  -0.107925319f, 0.9245493968f, 0.3654593525f, 0.0f,
    0.377977089f, 0.3043148782f, 0.8743716458f, 0.0f,  -0.2142885215f, -0.8259286236f, 0.5214617324f, 0.0f,
    0.5802544474f, 0.4148098596f, -0.7008834116f, 0.0f,  -0.1982660881f, 0.8567161266f, -0.4761596756f, 0.0f,
    -0.03381553704f, 0.3773180787f, -0.9254661404f, 0.0f,  -0.6867922841f, -0.6656597827f, 0.2919133642f, 0.0f,
    0.7731742607f, -0.2875793547f, -0.5652430251f, 0.0f,  -0.09655941928f, 0.9193708367f, -0.3813575004f, 0.0f,
    0.2715702457f, -0.9577909544f, -0.09426605581f, 0.0f,  0.2451015704f, -0.6917998565f, -0.6792188003f, 0.0f,
    0.977700782f, -0.1753855374f, 0.1155036542f, 0.0f,  -0.5224739938f, 0.8521606816f, 0.02903615945f, 0.0f,
    -0.7734880599f, -0.5261292347f, 0.3534179531f, 0.0f,  -0.7134492443f, -0.269547243f, 0.6467878011f, 0.0f,
    0.1644037271f, 0.5105846203f, -0.8439637196f, 0.0f,  0.6494635788f, 0.05585611296f, 0.7583384168f, 0.0f,
    -0.4711970882f, 0.5017280509f, -0.7254255765f, 0.0f,  -0.6335764307f, -0.2381686273f, -0.7361091029f, 0.0f,
    -0.9021533097f, -0.270947803f, -0.3357181763f, 0.0f,  -0.3793711033f, 0.872258117f, 0.3086152025f, 0.0f,
    -0.6855598966f, -0.3250143309f, 0.6514394162f, 0.0f,  0.2900942212f, -0.7799057743f, -0.5546100667f, 0.0f,
    -0.2098319339f, 0.85037073f, 0.4825351604f, 0.0f,  -0.4592603758f, 0.6598504336f, -0.5947077538f, 0.0f,
    0.8715945488f, 0.09616365406f, -0.4807031248f, 0.0f,  -0.6776666319f, 0.7118504878f, -0.1844907016f, 0.0f,
    0.7044377633f, 0.312427597f, 0.637304036f, 0.0f,  -0.7052318886f, -0.2401093292f, -0.6670798253f, 0.0f,
    0.081921007f, -0.7207336136f, -0.6883545647f, 0.0f,  -0.6993680906f, -0.5875763221f, -0.4069869034f, 0.0f,
    -0.1281454481f, 0.6419895885f, 0.7559286424f, 0.0f,  -0.6337388239f, -0.6785471501f, -0.3714146849f, 0.0f,
    0.5565051903f, -0.2168887573f, -0.8020356851f, 0.0f,  -0.5791554484f, 0.7244372011f, -0.3738578718f, 0.0f,
    0.1175779076f, -0.7096451073f, 0.6946792478f, 0.0f,  -0.6134619607f, 0.1323631078f, 0.7785527795f, 0.0f,
    0.6984635305f, -0.02980516237f, -0.715024719f, 0.0f,  0.8318082963f, -0.3930171956f, 0.3919597455f, 0.0f,
    0.1469576422f, 0.05541651717f, -0.9875892167f, 0.0f,  0.708868575f, -0.2690503865f, 0.6520101478f, 0.0f,
    0.2726053183f, 0.67369766f, -0.68688995f, 0.0f,  -0.6591295371f, 0.3035458599f, -0.6880466294f, 0.0f,
    0.4815131379f, -0.7528270071f, 0.4487723203f, 0.0f,  0.9430009463f, 0.1675647412f, -0.2875261255f, 0.0f,
    0.434802957f, 0.7695304522f, -0.4677277752f, 0.0f,  0.3931996188f, 0.594473625f, 0.7014236729f, 0.0f,
    0.7254336655f, -0.603925654f, 0.3301814672f, 0.0f,  0.7590235227f, -0.6506083235f, 0.02433313207f, 0.0f,
    -0.8552768592f, -0.3430042733f, 0.3883935666f, 0.0f,  -0.6139746835f, 0.6981725247f, 0.3682257648f, 0.0f,
    -0.7465905486f, -0.5752009504f, 0.3342849376f, 0.0f,  0.5730065677f, 0.810555537f, -0.1210916791f, 0.0f,
    -0.9225877367f, -0.3475211012f, -0.167514036f, 0.0f,  -0.7105816789f, -0.4719692027f, -0.5218416899f, 0.0f,
    -0.08564609717f, 0.3583001386f, 0.929669703f, 0.0f,  -0.8279697606f, -0.2043157126f, 0.5222271202f, 0.0f,
    0.427944023f, 0.278165994f, 0.8599346446f, 0.0f,  0.5399079671f, -0.7857120652f, -0.3019204161f, 0.0f,
    0.5678404253f, -0.5495413974f, -0.6128307303f, 0.0f,  -0.9896071041f, 0.1365639107f, -0.04503418428f, 0.0f,
    -0.6154342638f, -0.6440875597f, 0.4543037336f, 0.0f,  0.1074204368f, -0.7946340692f, 0.5975094525f, 0.0f,
    -0.3595449969f, -0.8885529948f, 0.28495784f, 0.0f,  -0.2180405296f, 0.1529888965f, 0.9638738118f, 0.0f,
    -0.7277432317f, -0.6164050508f, -0.3007234646f, 0.0f,  0.7249729114f, -0.00669719484f, 0.6887448187f, 0.0f,
    -0.5553659455f, -0.5336586252f, 0.6377908264f, 0.0f,  0.5137558015f, 0.7976208196f, -0.3160000073f, 0.0f,
    -0.3794024848f, 0.9245608561f, -0.03522751494f, 0.0f,  0.8229248658f, 0.2745365933f, -0.4974176556f, 0.0f,
    -0.5404114394f, 0.6091141441f, 0.5804613989f, 0.0f,  0.8036581901f, -0.2703029469f, 0.5301601931f, 0.0f,
    0.6044318879f, 0.6832968393f, 0.4095943388f, 0.0f,  0.06389988817f, 0.9658208605f, -0.2512108074f, 0.0f,
    0.1087113286f, 0.7402471173f, -0.6634877936f, 0.0f,  -0.713427712f, -0.6926784018f, 0.1059128479f, 0.0f,
    0.6458897819f, -0.5724548511f, -0.5050958653f, 0.0f,  -0.6553931414f, 0.7381471625f, 0.159995615f, 0.0f,
    0.3910961323f, 0.9188871375f, -0.05186755998f, 0.0f,  -0.4879022471f, -0.5904376907f, 0.6429111375f, 0.0f,
    0.6014790094f, 0.7707441366f, -0.2101820095f, 0.0f,  -0.5677173047f, 0.7511360995f, 0.3368851762f, 0.0f,
    0.7858573506f, 0.226674665f, 0.5753666838f, 0.0f,  -0.4520345543f, -0.604222686f, -0.6561857263f, 0.0f,
    0.002272116345f, 0.4132844051f, -0.9105991643f, 0.0f,  -0.5815751419f, -0.5162925989f, 0.6286591339f, 0.0f,
    -0.03703704785f, 0.8273785755f, 0.5604221175f, 0.0f,  -0.5119692504f, 0.7953543429f, -0.3244980058f, 0.0f,
    -0.2682417366f, -0.9572290247f, -0.1084387619f, 0.0f,  -0.2322482736f, -0.9679131102f, -0.09594243324f, 0.0f,
    0.3554328906f, -0.8881505545f, 0.2913006227f, 0.0f,  0.7346520519f, -0.4371373164f, 0.5188422971f, 0.0f,
    0.9985120116f, 0.04659011161f, -0.02833944577f, 0.0f,  -0.3727687496f, -0.9082481361f, 0.1900757285f, 0.0f,
    0.91737377f, -0.3483642108f, 0.1925298489f, 0.0f,  0.2714911074f, 0.4147529736f, -0.8684886582f, 0.0f,
    0.5131763485f, -0.7116334161f, 0.4798207128f, 0.0f,  -0.8737353606f, 0.18886992f, -0.4482350644f, 0.0f,
    0.8460043821f, -0.3725217914f, 0.3814499973f, 0.0f,  0.8978727456f, -0.1780209141f, -0.4026575304f, 0.0f,
    0.2178065647f, -0.9698322841f, -0.1094789531f, 0.0f,  -0.1518031304f, -0.7788918132f, -0.6085091231f, 0.0f,
    -0.2600384876f, -0.4755398075f, -0.8403819825f, 0.0f,  0.572313509f, -0.7474340931f, -0.3373418503f, 0.0f,
    -0.7174141009f, 0.1699017182f, -0.6756111411f, 0.0f,  -0.684180784f, 0.02145707593f, -0.7289967412f, 0.0f,
    -0.2007447902f, 0.06555605789f, -0.9774476623f, 0.0f,  -0.1148803697f, -0.8044887315f, 0.5827524187f, 0.0f,
    -0.7870349638f, 0.03447489231f, 0.6159443543f, 0.0f,  -0.2015596421f, 0.6859872284f, 0.6991389226f, 0.0f,
    -0.08581082512f, -0.10920836f, -0.9903080513f, 0.0f,  0.5532693395f, 0.7325250401f, -0.396610771f, 0.0f,
    -0.1842489331f, -0.9777375055f, -0.1004076743f, 0.0f,  0.0775473789f, -0.9111505856f, 0.4047110257f, 0.0f,
    0.1399838409f, 0.7601631212f, -0.6344734459f, 0.0f,  0.4484419361f, -0.845289248f, 0.2904925424f, 0.0f,
};

// 147 vectors (x, y, z, w) that displace the 4D cellular points. Entries 0, 1, 2 and 146 are
// fixed rows of the game's noise design. The others are drawn in index order from one
// xorshift32 stream (x ^= x << 13; x ^= x >> 17; x ^= x << 5; starting at 0x2545F491): each
// candidate takes four successive outputs, read as signed 32-bit and scaled by 2^-31, and is
// kept when its squared length lies in (0.01, 1] (so directions are uniform); it is normalised in
// double, entries 135, 136 and 137 are then scaled to the lengths 0.94, 0.80 and 1.02, and every
// component is rounded to float.
template <typename T>
const T FastNoiseLite::Lookup<T>::RandVecs4D[] = {
     0.28654116f, -0.07976099f,  0.37363425f,  0.87859535f,  -0.13104902f, -0.13103984f,  0.8838408f,  0.42951155f,
    -0.48257616f,  0.55770147f, -0.47635046f, -0.47872704f,  -0.11137117f, -0.009688959f, -0.98167753f,  0.15431058f,
    -0.14771913f,  0.6384167f,  0.16043136f, -0.7381497f,   0.005009308f,  0.700413f,  0.69115525f,  0.17804775f,
    -0.245298f,  0.080203906f,  0.8699088f, -0.42030334f,  -0.049791552f, -0.16341679f,  0.5014859f,  0.84813184f,
     0.6697015f, -0.17809883f,  0.63377774f, -0.3436662f,  -0.13158679f, -0.45034963f,  0.18718395f, -0.8630367f,
    -0.5610824f, -0.39525536f,  0.12281801f, -0.71685106f,   0.6650069f,  0.6127538f, -0.40812734f, -0.12542218f,
    -0.05471918f, -0.7586102f, -0.21273014f, -0.61340225f,  -0.60245013f,  0.080038965f, -0.22723135f, -0.76092935f,
     0.26491445f, -0.093491286f, -0.90369505f,  0.323133f,  -0.76601774f, -0.5631695f,  0.18160063f,  0.25115362f,
     0.6552657f,  0.5899415f, -0.058306653f,  0.46818396f,   0.47359005f,  0.5313374f,  0.6962506f, -0.09288809f,
    -0.0492712f, -0.519399f, -0.47137418f, -0.71105796f,   0.46207616f, -0.6998181f, -0.07959379f,  0.5388925f,
     0.43750662f,  0.89582837f, -0.07746111f, -0.00890625f,  -0.6752438f, -0.13910033f,  0.4047695f,  0.60071504f,
     0.46839562f, -0.18360761f,  0.33286315f, -0.7975562f,  -0.24073026f, -0.06893309f, -0.9672562f,  0.04138394f,
     0.7412027f, -0.09177381f, -0.39069262f, -0.5381035f,   0.12040427f,  0.009949435f, -0.2776456f, -0.9530565f,
    -0.60635597f,  0.5909113f, -0.14657433f,  0.5115391f,  -0.21834508f,  0.044572707f,  0.9618345f, -0.1587862f,
    -0.3396862f,  0.93951166f, -0.022505715f, -0.037744872f,   0.16373818f,  0.42598033f, -0.20078869f, -0.8668417f,
     0.74736714f,  0.4146699f, -0.51638454f,  0.053275187f,   0.2857631f, -0.019597221f, -0.92811376f,  0.23782407f,
     0.58908725f,  0.7176721f, -0.03356863f, -0.36985958f,  -0.7586048f,  0.28742626f,  0.38534373f,  0.4397898f,
    -0.48899424f, -0.14479677f,  0.67590016f, -0.53205025f,  -0.6753429f,  0.6166667f, -0.2842415f,  0.28782097f,
     0.6326548f,  0.7534871f,  0.059691615f, -0.16864759f,  -0.6915912f,  0.51564705f,  0.43114838f, -0.26442546f,
     0.39303496f,  0.33635563f, -0.26427802f,  0.813969f,   0.5569094f,  0.2654865f, -0.5948317f, -0.5153097f,
     0.050981272f, -0.53256893f,  0.31221843f, -0.785042f,  -0.6713953f,  0.7297983f,  0.043343958f, -0.121425144f,
    -0.33345547f,  0.77588886f, -0.5250873f, -0.10529605f,  -0.840836f,  0.3760096f,  0.27169105f, -0.2789186f,
    -0.6320604f,  0.17519099f,  0.74032557f, -0.14739689f,   0.6081465f, -0.69367474f,  0.25160965f,  0.29268715f,
     0.3416827f, -0.48873174f, -0.69981116f, -0.39326656f,  -0.5077847f,  0.6803688f,  0.39969712f,  0.3456808f,
     0.70877403f,  0.5550989f, -0.20812377f,  0.3823468f,   0.30952266f,  0.9219735f, -0.13131846f,  0.19213527f,
    -0.36131364f,  0.56785375f, -0.0007714638f,  0.7395904f,   0.0925344f,  0.8393691f, -0.19182654f,  0.5000994f,
    -0.39897138f,  0.15812832f, -0.30233723f,  0.8511225f,  -0.25921908f, -0.033275556f, -0.93767184f, -0.22906277f,
    -0.25705072f, -0.28646764f,  0.9050158f,  0.18112858f,   0.78090125f, -0.0016187229f, -0.46404576f,  0.41815326f,
     0.20207168f, -0.92146397f,  0.113594234f, -0.31171715f,  -0.14300571f,  0.21020404f,  0.8576817f,  0.4469292f,
    -0.70836717f, -0.6691311f,  0.1987466f, -0.10478213f,  -0.11920318f,  0.67538685f, -0.2512513f,  0.68301976f,
    -0.9484837f,  0.012608346f,  0.11931875f, -0.29322815f,  -0.035099268f, -0.6332349f,  0.32456216f,  0.7017414f,
     0.71235216f, -0.23127937f, -0.6171211f,  0.2413002f,   0.21533717f,  0.8200421f, -0.08754585f, -0.52296907f,
    -0.038837545f,  0.35380372f,  0.9342278f, -0.023084937f,  -0.12110232f, -0.50539577f,  0.8533373f,  0.041531198f,
    -0.19228907f,  0.7016867f, -0.56702185f, -0.38619548f,   0.42795038f,  0.7494543f, -0.27250612f, -0.42534354f,
    -0.51748663f,  0.18567544f, -0.6679071f, -0.5016296f,  -0.7102005f,  0.51507413f, -0.11479032f,  0.46597975f,
    -0.44967407f, -0.09686228f,  0.61455053f,  0.64088887f,  -0.81925607f, -0.35800934f, -0.011044704f, -0.44780225f,
    -0.67453396f, -0.11188458f,  0.51762444f,  0.51434493f,  -0.7493529f,  0.6238085f, -0.22199723f, -0.0071063535f,
     0.11422364f,  0.6524021f, -0.36328545f,  0.6552466f,   0.4304309f, -0.69787973f, -0.38948998f,  0.41951248f,
     0.8521223f, -0.018065557f,  0.49678564f, -0.16360073f,  -0.43773273f, -0.6267259f,  0.34356123f,  0.5455001f,
     0.23808411f,  0.113270864f, -0.54798305f, -0.79385155f,  -0.06542568f, -0.44591805f,  0.89199483f,  0.03495368f,
    -0.5084008f,  0.44157115f,  0.0019273293f,  0.7392833f,   0.31337166f,  0.5084303f,  0.7434033f, -0.30107862f,
     0.014627506f,  0.22247978f, -0.9692347f,  0.104273155f,  -0.034891248f,  0.75916606f, -0.24643654f, -0.60143036f,
     0.5402494f,  0.3512932f,  0.7366398f,  0.2051473f,  -0.012358269f,  0.5024947f,  0.5430621f, -0.6726291f,
     0.05956075f, -0.91606015f, -0.36050466f,  0.16529588f,   0.59261465f, -0.38974315f, -0.023523595f,  0.7045245f,
    -0.67057747f,  0.06035916f, -0.10005646f,  0.7325786f,  -0.5088436f, -0.44074014f,  0.6253387f, -0.3946871f,
    -0.71171695f, -0.38172078f,  0.4497025f,  0.38146546f,  -0.5875953f, -0.54601157f,  0.21855085f,  0.5557325f,
     0.19227177f, -0.54585296f, -0.71272904f,  0.39635015f,  -0.53070277f,  0.7082709f, -0.15262197f,  0.4397879f,
    -0.042411566f, -0.21953577f, -0.6783799f, -0.6998614f,  -0.22427772f,  0.45997453f, -0.6670668f, -0.54142845f,
     0.31691128f, -0.3051651f, -0.5101416f, -0.73905146f,  -0.68826956f,  0.56383955f,  0.44068396f, -0.119028054f,
     0.93491477f,  0.30014902f,  0.08275621f, -0.17028311f,  -0.506767f,  0.31334376f, -0.6158486f, -0.51549333f,
     0.13390057f, -0.6076575f,  0.2062781f, -0.7551638f,   0.4844599f,  0.16771086f,  0.6332067f,  0.5798456f,
    -0.665266f, -0.0014266068f,  0.4574218f, -0.59007156f,  -0.029173851f, -0.72456425f,  0.14375053f, -0.6734176f,
    -0.12968968f,  0.21420987f, -0.91131824f, -0.32679322f,  -0.20958589f,  0.20167126f,  0.86264384f,  0.41382125f,
     0.35466656f,  0.28786644f,  0.85781854f,  0.23556723f,  -0.229485f, -0.40872508f, -0.16724047f, -0.8673587f,
    -0.42895752f,  0.53254f, -0.6871088f,  0.24551584f,   0.3884014f,  0.7831381f, -0.061791234f, -0.48168546f,
    -0.6962113f,  0.1801241f,  0.68814915f,  0.096415095f,  -0.7176376f,  0.6132639f, -0.13646032f, -0.30047005f,
    -0.08105079f, -0.88289267f, -0.27121574f, -0.37466422f,  -0.8364444f, -0.08290778f,  0.5060481f,  0.19339703f,
    -0.4260077f,  0.18488735f, -0.8606376f, -0.20889479f,  -0.41639134f, -0.29318553f, -0.4132642f,  0.75489944f,
     0.80049765f,  0.36632404f, -0.3864631f, -0.27505714f,   0.1893998f,  0.1746802f,  0.9536762f, -0.15529384f,
    -0.049047727f,  0.22809954f,  0.95993656f,  0.1551988f,  -0.7353966f,  0.19682738f,  0.1885516f, -0.62040234f,
    -0.5760476f,  0.46838838f,  0.48908338f,  0.45779788f,  -0.26338676f,  0.70871335f,  0.6526245f, -0.049336202f,
    -0.53941685f, -0.077772446f, -0.42031762f, -0.7254751f,  -0.12705539f, -0.7801564f,  0.00016492466f,  0.61254627f,
     0.05118317f,  0.9509693f,  0.10534755f,  0.28625098f,  -0.443476f,  0.2813802f, -0.5484477f,  0.6506607f,
    -0.46560657f,  0.28525534f, -0.61035395f,  0.5738536f,  -0.27861586f, -0.9444769f,  0.1310257f, -0.11475564f,
    -0.28585213f, -0.3830729f, -0.51977754f,  0.7080784f,  -0.0051307f, -0.893638f,  0.40812176f,  0.1866048f,
     0.58299905f, -0.18199748f, -0.2326612f,  0.7568737f,  -0.35679486f, -0.01338473f,  0.64278305f, -0.6777524f,
     0.07284621f, -0.2132953f,  0.7392441f,  0.6345996f,   0.45711628f, -0.83178157f, -0.3123028f,  0.04063412f,
     0.84752136f, -0.001420506f, -0.21661694f,  0.4845437f,  -0.37731513f, -0.10367029f, -0.83502465f, -0.18226239f,
     0.42967293f,  0.46784097f,  0.4632011f,  0.14815773f,  -0.58985937f, -0.034172006f, -0.7507156f, -0.3573853f,
    -0.8229307f, -0.22010659f,  0.5143704f, -0.09879915f,   0.38814673f,  0.06376888f, -0.40761337f, -0.8240916f,
     0.3599768f,  0.26026326f, -0.5673991f, -0.6933527f,  -0.46066126f, -0.48881087f,  0.73823076f, -0.06221332f,
     0.15964071f, -0.9094424f,  0.065521516f, -0.3783335f,  -0.7843345f,  0.29750392f, -0.30531037f,  0.4506622f,
     0.38413417f,  0.28818005f,  0.4432762f,  0.7569012f,   0.838848f, -0.11200046f, -0.3669162f,  0.38621554f,
     0.22944617f, -0.25176805f, -0.010688004f,  0.9401346f,
};

#endif // VELLMORAN_LIBS_SIMPLEX_H

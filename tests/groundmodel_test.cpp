// The ground model in res/, as raylib loads it: three rings of ground that stay cheap, lie
// just under the feet of a standing player, leave no gap out past the far plane wherever the
// camera stands in its tile, and keep the sinking of liquids to where no flat outer ring
// covers the near one.
#include "harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

using namespace harness;

namespace {

constexpr int GROUNDMESHES = 3;           // the render pass draws meshes 0 to 2
constexpr int MAXTRIANGLES = 200000;
constexpr float FEET = 1.01f;             // a standing player's feet
constexpr float FARPLANE = 1000;
constexpr float TILE = 4;
constexpr float THIRDPERSON = 7;          // the third-person camera stands up to this far off
constexpr float BUCKET = 16;              // world units per side of a triangle bucket

struct triangle {
    Vector2 a, b, c;  // x and z
};

float cross(Vector2 o, Vector2 a, Vector2 b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

bool contains(const triangle& t, Vector2 p)
{
    float ab = cross(t.a, t.b, p), bc = cross(t.b, t.c, p), ca = cross(t.c, t.a, p);
    return (ab >= 0 && bc >= 0 && ca >= 0) || (ab <= 0 && bc <= 0 && ca <= 0);
}

// The triangles of one mesh seen from above, bucketed for point queries.
class footprint {
public:
    explicit footprint(const Mesh& mesh)
    {
        for (int i = 0; i < mesh.vertexCount; i += 3) {
            auto at = [&](int v) { return Vector2{mesh.vertices[v * 3], mesh.vertices[v * 3 + 2]}; };
            triangle t = {at(i), at(i + 1), at(i + 2)};
            int x0 = key(std::min({t.a.x, t.b.x, t.c.x})), x1 = key(std::max({t.a.x, t.b.x, t.c.x}));
            int z0 = key(std::min({t.a.y, t.b.y, t.c.y})), z1 = key(std::max({t.a.y, t.b.y, t.c.y}));
            for (int z = z0; z <= z1; z++)
                for (int x = x0; x <= x1; x++) buckets[{x, z}].push_back(t);
        }
    }

    bool covers(Vector2 p) const
    {
        auto bucket = buckets.find({key(p.x), key(p.y)});
        if (bucket == buckets.end()) return false;
        const std::vector<triangle>& candidates = bucket->second;
        return std::any_of(candidates.begin(), candidates.end(), [&](const triangle& t) { return contains(t, p); });
    }

private:
    static int key(float v) { return (int)std::floor(v / BUCKET); }
    std::map<std::pair<int, int>, std::vector<triangle>> buckets;
};

class GroundModel : public testing::Test {
protected:
    static Model model;

    static void SetUpTestSuite()
    {
        SetConfigFlags(FLAG_WINDOW_HIDDEN);
        InitWindow(64, 64, "ground model");
        model = LoadModel((RESOURCES + "/models/world.obj").c_str());
    }

    // The window stays open until the process ends: closing it leaves a small allocation of
    // the OpenGL driver behind, which the leak checker of the sanitizer build reports.
    static void TearDownTestSuite() { UnloadModel(model); }

    void SetUp() override
    {
        ASSERT_GE(model.meshCount, GROUNDMESHES) << "res/models/world.obj did not load as three meshes";
    }
};

Model GroundModel::model = {};

}  // namespace

TEST_F(GroundModel, StaysCheap)
{
    int triangles = 0;
    for (int i = 0; i < model.meshCount; i++) triangles += model.meshes[i].triangleCount;
    EXPECT_LT(triangles, MAXTRIANGLES);
    for (int i = 0; i < GROUNDMESHES; i++) EXPECT_GT(model.meshes[i].triangleCount, 0) << "mesh " << i;
}

TEST_F(GroundModel, LiesJustUnderTheFeetOfAStandingPlayer)
{
    for (int i = 0; i < GROUNDMESHES; i++) {
        const Mesh& mesh = model.meshes[i];
        float lowest = FEET, highest = -FEET;
        for (int v = 0; v < mesh.vertexCount; v++) {
            lowest = std::min(lowest, mesh.vertices[v * 3 + 1]);
            highest = std::max(highest, mesh.vertices[v * 3 + 1]);
        }
        EXPECT_LE(highest, FEET) << "mesh " << i;
        EXPECT_GE(lowest, FEET - 0.05f) << "mesh " << i;
    }
}

TEST_F(GroundModel, LeavesNoGapOutPastTheFarPlane)
{
    std::vector<footprint> rings;
    for (int i = 0; i < GROUNDMESHES; i++) rings.emplace_back(model.meshes[i]);
    // The rings move with the camera's tile, local (0, 0) to (TILE, TILE); wherever the
    // camera stands in it, and the third-person camera beside it, the ground must reach
    // the far plane. Sample points stay off the grid lines.
    float reach = FARPLANE + THIRDPERSON + TILE * std::sqrt(2.0f);
    int gaps = 0;
    for (float z = -reach; z <= reach + TILE; z += 1.7f)
        for (float x = -reach; x <= reach + TILE; x += 1.7f) {
            if (std::hypot(x - TILE / 2, z - TILE / 2) > reach) continue;
            Vector2 p = {x, z};
            bool covered = std::any_of(rings.begin(), rings.end(), [&](const footprint& r) { return r.covers(p); });
            if (!covered && gaps++ < 5) ADD_FAILURE() << "no ground at local (" << x << ", " << z << ")";
        }
    EXPECT_EQ(gaps, 0);
}

TEST_F(GroundModel, SinksLiquidsOnlyWhereNoOuterRingLies)
{
    // The outer rings are flat: where one of them overlaps the near ring, a sunk liquid
    // would be hidden under a flat copy of itself.
    const Mesh& near = model.meshes[0];
    ASSERT_NE(near.texcoords, nullptr);
    std::vector<footprint> outer;
    for (int i = 1; i < GROUNDMESHES; i++) outer.emplace_back(model.meshes[i]);
    int sinking = 0;
    for (int v = 0; v < near.vertexCount; v++) {
        if (near.texcoords[v * 2] <= 0) continue;
        sinking++;
        Vector2 p = {near.vertices[v * 3], near.vertices[v * 3 + 2]};
        for (size_t i = 0; i < outer.size(); i++)
            ASSERT_FALSE(outer[i].covers(p))
                << "mesh " << i + 1 << " lies over a sinking vertex at (" << p.x << ", " << p.y << ")";
    }
    EXPECT_GT(sinking, 0) << "no vertex of the near ring sinks liquids";
    for (int i = 1; i < GROUNDMESHES; i++) {
        const Mesh& ring = model.meshes[i];
        for (int v = 0; v < ring.vertexCount; v++) ASSERT_EQ(ring.texcoords[v * 2], 0) << "mesh " << i << " sinks";
    }
}

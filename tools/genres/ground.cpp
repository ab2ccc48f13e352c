// Ground model: the tile grid written as "world.obj".
//
// The ground is three flat square rings of triangles around the player, drawn through the
// tile shader, which moves them with the camera in steps of whole tiles and colours every
// point by the tile under it. Vertex positions are relative to the corner of the camera's
// tile: local (0, 0) to (4, 4) is the camera's own tile, x grows east and z north, and the
// surface lies at the height of solid ground, just under the feet of a standing player.
//
//   mesh 0, "near": every tile within NEAR_REACH tiles of the camera's, each split into
//     3 x 3 quads by vertices set BANK in from its edges, so that the shader can sink liquid
//     tiles below the ground with steep banks at their exact edges;
//   mesh 1, "middle": quads of MIDDLE_STEP tiles out to MIDDLE_REACH tiles;
//   mesh 2, "far": quads of FAR_STEP tiles out past the far plane.
// Each ring overlaps the one inside it by a band where both are flat, so no crack can open
// between them; the overlap draws the same colour twice.
//
// The texture coordinate u of a vertex is the share of a liquid's depth the shader sinks it
// by: 1 near the camera, fading to 0 before the near ring's edge, 0 in the outer rings.
#include "ground.h"

#include "pixelart.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double TILE_UNITS = 4;       // world units per tile edge
constexpr double GROUND_HEIGHT = 1;    // the feet of a player standing on ground are at 1.01
constexpr double BANK = 0.25;          // world units from a tile's edge to its inner vertices
constexpr int NEAR_REACH = 16;         // tiles either side of the camera's tile in mesh 0
constexpr int SINK_FULL = 8;           // tiles from the camera's within which liquids sink fully
constexpr int SINK_NONE = 13;          // tiles from the camera's where sinking has faded out
// The middle ring's hole lies between the fading of the sinking and the near ring's edge.
constexpr int MIDDLE_STEP = 2, MIDDLE_REACH = 64, MIDDLE_HOLE = 14;  // tiles
// The far ring reaches past the far plane (1000 units) from anywhere in the camera's tile,
// and from the third-person camera a few units behind it.
constexpr int FAR_STEP = 16, FAR_REACH = 272, FAR_HOLE = 48;         // tiles

struct vertex {
    double x, z, sink;
};

struct mesh {
    const char* name;
    std::vector<vertex> vertices;
    std::vector<int> triangles;  // three vertex indices each
};

// Tiles from the camera's tile to a local coordinate along one axis (0 inside it).
double tilesout(double local)
{
    if (local < 0) return -local / TILE_UNITS;
    return std::max(0.0, local / TILE_UNITS - 1);
}

double sinkat(double x, double z)
{
    double out = std::max(tilesout(x), tilesout(z));
    return std::clamp((SINK_NONE - out) / (SINK_NONE - SINK_FULL), 0.0, 1.0);
}

// A grid over the given coordinates on both axes, leaving out the cells that lie wholly in
// the square hole [hole0, hole1] (an empty hole when hole0 > hole1).
mesh grid(const char* name, const std::vector<double>& coords, double hole0, double hole1, bool sinking)
{
    mesh m{name, {}, {}};
    int n = (int)coords.size();
    for (double z : coords)
        for (double x : coords) m.vertices.push_back({x, z, sinking ? sinkat(x, z) : 0.0});
    auto inhole = [&](int i) { return coords[i] >= hole0 && coords[i + 1] <= hole1; };
    for (int j = 0; j + 1 < n; j++)
        for (int i = 0; i + 1 < n; i++) {
            if (inhole(i) && inhole(j)) continue;
            int southwest = j * n + i, southeast = southwest + 1, northwest = southwest + n, northeast = northwest + 1;
            // Both triangles turn counter-clockwise about the upward normal: they face up, and
            // the shader knows the ground seen from beneath by its back faces.
            m.triangles.insert(m.triangles.end(), {southwest, northeast, southeast, southwest, northwest, northeast});
        }
    return m;
}

// Coordinates of the near ring: each tile's corners and its two inner bank lines.
std::vector<double> nearcoords()
{
    std::vector<double> coords;
    for (int t = -NEAR_REACH; t <= NEAR_REACH; t++) {
        double west = t * TILE_UNITS;
        coords.insert(coords.end(), {west, west + BANK, west + TILE_UNITS - BANK});
    }
    coords.push_back((NEAR_REACH + 1) * TILE_UNITS);
    return coords;
}

// Coordinates every `step` tiles from -reach to +reach tiles.
std::vector<double> evencoords(int step, int reach)
{
    std::vector<double> coords;
    for (int t = -reach; t <= reach; t += step) coords.push_back(t * TILE_UNITS);
    return coords;
}

void writemesh(FILE* file, const mesh& m, int& firstindex)
{
    std::fprintf(file, "o %s\n", m.name);
    for (const vertex& v : m.vertices) std::fprintf(file, "v %g %g %g\n", v.x, GROUND_HEIGHT, v.z);
    for (const vertex& v : m.vertices) std::fprintf(file, "vt %g 0\n", v.sink);
    for (size_t i = 0; i < m.triangles.size(); i += 3) {
        int a = firstindex + m.triangles[i], b = firstindex + m.triangles[i + 1], c = firstindex + m.triangles[i + 2];
        std::fprintf(file, "f %d/%d %d/%d %d/%d\n", a, a, b, b, c, c);
    }
    firstindex += (int)m.vertices.size();
}

}  // namespace

void writegroundmodel(const std::string& resdir)
{
    const mesh meshes[] = {
        grid("near", nearcoords(), 1, 0, true),
        grid("middle", evencoords(MIDDLE_STEP, MIDDLE_REACH), -MIDDLE_HOLE * TILE_UNITS, MIDDLE_HOLE * TILE_UNITS,
             false),
        grid("far", evencoords(FAR_STEP, FAR_REACH), -FAR_HOLE * TILE_UNITS, FAR_HOLE * TILE_UNITS, false),
    };
    std::string path = resdir + "/models/world.obj";
    FILE* file = std::fopen(path.c_str(), "w");
    if (!file) fail("cannot write " + path);
    std::fprintf(file, "# vellmoran ground: three rings around the camera's tile, moved by the tile shader\n");
    int firstindex = 1;  // OBJ indices count from 1 across the whole file
    for (const mesh& m : meshes) writemesh(file, m, firstindex);
    if (std::fclose(file) != 0) fail("cannot write " + path);
}

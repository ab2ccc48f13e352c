// Brushes for ground tiles: noise grounds, lumps, crowns, tufts, cracks, masonry and boards.
#include "tilepaint.h"

#include <algorithm>
#include <cmath>

namespace {


// Light from the north-west: +1 on a surface facing it, -1 facing away.
float northwestlight(float dx, float dy, float radius)
{
    return -(dx + dy) / (radius * 1.41421356f);
}

void darken(tile& t, int x, int y, float factor) { t.wrapped(x, y) = scalecolor(t.wrapped(x, y), factor); }

}  // namespace

tile blanktile() { return tile(TILE, TILE, BLACK); }

void ground(tile& t, const ramp& shades, uint32_t seed, int cells, float contrast, float bias)
{
    for (int y = 0; y < TILE; y++)
        for (int x = 0; x < TILE; x++) {
            float n = fractalnoise(seed, x, y, TILE, TILE, cells, 2);
            t.at(x, y) = shades.at(0.5f + (n - 0.5f) * 2.2f * contrast + bias, x, y);
        }
}

void speckles(tile& t, std::initializer_list<Color> colours, int count, uint32_t seed)
{
    std::vector<Color> list(colours);
    for (int i = 0; i < count; i++) {
        int x = randomint(seed, i * 3, TILE), y = randomint(seed, i * 3 + 1, TILE);
        t.at(x, y) = list[randomint(seed, i * 3 + 2, (int)list.size())];
    }
}

void lump(tile& t, float cx, float cy, float radius, const ramp& shades, uint32_t seed, float shadow,
          float bumpiness)
{
    int reach = (int)std::ceil(radius * (1 + bumpiness)) + 2;
    auto edge = [&](float dx, float dy) {
        float angle = std::atan2(dy, dx);
        float bump = latticenoise(seed, (angle + PI) / (2 * PI) * 7, 0.5f, 7, 1);
        return radius * (1 + bumpiness * (bump - 0.5f) * 2);
    };
    // Shadow first, shifted south-east, then the lit body over it.
    for (int dy = -reach; dy <= reach; dy++)
        for (int dx = -reach; dx <= reach; dx++) {
            int x = (int)std::floor(cx) + dx, y = (int)std::floor(cy) + dy;
            float sx = x + 0.5f - cx - 1.2f, sy = y + 0.5f - cy - 1.2f;
            if (std::hypot(sx, sy) < edge(sx, sy)) darken(t, x, y, shadow);
        }
    for (int dy = -reach; dy <= reach; dy++)
        for (int dx = -reach; dx <= reach; dx++) {
            int x = (int)std::floor(cx) + dx, y = (int)std::floor(cy) + dy;
            float px = x + 0.5f - cx, py = y + 0.5f - cy;
            float distance = std::hypot(px, py), limit = edge(px, py);
            if (distance >= limit) continue;
            float light = northwestlight(px, py, limit);
            float grain = latticenoise(seed + 1, x * 0.7f, y * 0.7f, 64, 64) - 0.5f;
            float value = 0.55f + light * 0.4f + grain * 0.35f;
            if (distance > limit - 1) value -= 0.25f;  // rim
            t.wrapped(x, y) = shades.at(value, x, y);
        }
}

void lumps(tile& t, const ramp& shades, int count, float minradius, float maxradius, uint32_t seed,
           float shadow)
{
    for (int i = 0; i < count; i++) {
        float cx = random01(seed, i, 1) * TILE, cy = random01(seed, i, 2) * TILE;
        float radius = minradius + (maxradius - minradius) * random01(seed, i, 3);
        lump(t, cx, cy, radius, shades, hash(seed, i), shadow, 0.15f);
    }
}

void crowns(tile& t, const ramp& leaves, int perside, float radius, uint32_t seed, float shadow)
{
    float spacing = (float)TILE / perside;
    for (int gy = 0; gy < perside; gy++)
        for (int gx = 0; gx < perside; gx++) {
            int i = gy * perside + gx;
            float cx = (gx + 0.5f) * spacing + (random01(seed, i, 1) - 0.5f) * spacing * 0.6f;
            float cy = (gy + 0.5f) * spacing + (random01(seed, i, 2) - 0.5f) * spacing * 0.6f;
            float r = radius * (0.85f + 0.3f * random01(seed, i, 3));
            lump(t, cx, cy, r, leaves, hash(seed, i), shadow, 0.22f);
        }
}

void conifers(tile& t, const ramp& needles, int count, float radius, uint32_t seed, bool snow)
{
    for (int i = 0; i < count; i++) {
        float cx = random01(seed, i, 1) * TILE, cy = random01(seed, i, 2) * TILE;
        float r = radius * (0.8f + 0.4f * random01(seed, i, 3));
        int reach = (int)std::ceil(r) + 2;
        for (int pass = 0; pass < 2; pass++)
            for (int dy = -reach; dy <= reach; dy++)
                for (int dx = -reach; dx <= reach; dx++) {
                    int x = (int)std::floor(cx) + dx, y = (int)std::floor(cy) + dy;
                    float px = x + 0.5f - cx - (pass == 0 ? 1.3f : 0), py = y + 0.5f - cy - (pass == 0 ? 1.3f : 0);
                    float angle = std::atan2(py, px);
                    // Eight branch tips around the trunk.
                    float limit = r * (0.55f + 0.45f * std::pow(std::fabs(std::cos(angle * 4)), 3.0f));
                    float distance = std::hypot(px, py);
                    if (distance >= limit) continue;
                    if (pass == 0) {
                        darken(t, x, y, 0.6f);
                        continue;
                    }
                    float light = northwestlight(px, py, r);
                    float value = 0.5f + light * 0.45f + (1 - distance / r) * 0.25f;
                    Color c = needles.at(value, x, y);
                    if (snow && light > 0.15f && ((x + y) & 1)) c = mixcolor(c, rgb(0xf4f8fc), 0.85f);
                    t.wrapped(x, y) = c;
                }
    }
}

void tufts(tile& t, Color dark, Color light, int count, uint32_t seed)
{
    for (int i = 0; i < count; i++) {
        int x = randomint(seed, i * 2, TILE), y = randomint(seed, i * 2 + 1, TILE);
        t.wrapped(x, y + 1) = dark;
        t.wrapped(x - 1, y) = dark;
        t.wrapped(x + 1, y) = dark;
        t.wrapped(x, y) = light;
        t.wrapped(x - 1, y - 1) = light;
        t.wrapped(x + 1, y - 1) = light;
    }
}

void flowers(tile& t, Color petal, Color centre, int count, uint32_t seed)
{
    for (int i = 0; i < count; i++) {
        int x = randomint(seed, i * 2, TILE), y = randomint(seed, i * 2 + 1, TILE);
        darken(t, x + 1, y + 2, 0.75f);
        t.wrapped(x, y - 1) = petal;
        t.wrapped(x - 1, y) = petal;
        t.wrapped(x + 1, y) = scalecolor(petal, 0.85f);
        t.wrapped(x, y + 1) = scalecolor(petal, 0.8f);
        t.wrapped(x, y) = centre;
    }
}

void cracks(tile& t, Color colour, int count, int length, uint32_t seed, Color glow)
{
    static const int steps[8][2] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
    std::vector<std::pair<int, int>> path;
    for (int i = 0; i < count; i++) {
        int x = randomint(seed, i * 5, TILE), y = randomint(seed, i * 5 + 1, TILE);
        int direction = randomint(seed, i * 5 + 2, 8);
        for (int s = 0; s < length; s++) {
            path.push_back({x, y});
            float turn = random01(seed, i * 97 + s, 7);
            if (turn < 0.25f) direction = (direction + 1) & 7;
            else if (turn > 0.75f) direction = (direction + 7) & 7;
            x += steps[direction][0];
            y += steps[direction][1];
        }
    }
    // The glow goes down first so that no crack pixel is tinted by its neighbour's glow.
    if (glow.a)
        for (const auto& [x, y] : path)
            for (const auto& n : steps) t.wrapped(x + n[0], y + n[1]) = mixcolor(t.wrapped(x + n[0], y + n[1]), glow, 0.35f);
    for (const auto& [x, y] : path) t.wrapped(x, y) = colour;
}

void furrows(tile& t, Color dark, Color light, int spacing, bool vertical, int offset)
{
    for (int y = 0; y < TILE; y++)
        for (int x = 0; x < TILE; x++) {
            int across = ((vertical ? x : y) + offset) % spacing;
            if (across == 0) t.at(x, y) = mixcolor(t.at(x, y), dark, 0.8f);
            else if (across == 1) t.at(x, y) = mixcolor(t.at(x, y), light, 0.6f);
        }
}

void cobbles(tile& t, const ramp& stone, Color mortar, int cells, uint32_t seed, bool hexagonal, float mortarwidth)
{
    struct site {
        float x, y;
        int id;
    };
    std::vector<site> sites;
    float size = (float)TILE / cells;
    for (int gy = 0; gy < cells; gy++)
        for (int gx = 0; gx < cells; gx++) {
            int id = gy * cells + gx;
            float x, y;
            if (hexagonal) {
                x = (gx + 0.5f + ((gy & 1) ? 0.5f : 0)) * size;
                y = (gy + 0.5f) * size;
            } else {
                x = (gx + 0.15f + 0.7f * random01(seed, id, 1)) * size;
                y = (gy + 0.15f + 0.7f * random01(seed, id, 2)) * size;
            }
            // Copies one tile away on every side make the cells wrap.
            for (int oy = -1; oy <= 1; oy++)
                for (int ox = -1; ox <= 1; ox++) sites.push_back({x + ox * TILE, y + oy * TILE, id});
        }
    for (int y = 0; y < TILE; y++)
        for (int x = 0; x < TILE; x++) {
            float px = x + 0.5f, py = y + 0.5f;
            float first = 1e9f, second = 1e9f;
            const site* nearest = nullptr;
            for (const site& s : sites) {
                float d = std::hypot(px - s.x, py - s.y);
                if (d < first) {
                    second = first;
                    first = d;
                    nearest = &s;
                } else if (d < second) second = d;
            }
            if (second - first < mortarwidth) {
                t.at(x, y) = mortar;
                continue;
            }
            float light = northwestlight(px - nearest->x, py - nearest->y, size * 0.7f);
            float value = 0.25f + 0.5f * random01(seed, nearest->id, 3) + light * 0.3f;
            if (second - first < mortarwidth + 1.1f) value -= 0.2f;  // rounded stone edge
            t.at(x, y) = stone.at(value, x, y);
        }
}

void bricks(tile& t, const ramp& brick, Color mortar, int w, int h, uint32_t seed)
{
    for (int y = 0; y < TILE; y++)
        for (int x = 0; x < TILE; x++) {
            int course = y / h;
            int shifted = x + ((course & 1) ? w / 2 : 0);
            int index = (shifted / w) % (TILE / w);
            int inx = shifted % w, iny = y % h;
            if (inx == w - 1 || iny == h - 1) {
                t.at(x, y) = mortar;
                continue;
            }
            float value = 0.3f + 0.45f * random01(seed, index, course);
            if (iny == 0 || inx == 0) value += 0.25f;
            else if (iny == h - 2 || inx == w - 2) value -= 0.15f;
            t.at(x, y) = brick.at(value, x, y);
        }
}

void glazed(tile& t, Color first, Color second, Color grout, int size)
{
    for (int y = 0; y < TILE; y++)
        for (int x = 0; x < TILE; x++) {
            int inx = x % size, iny = y % size;
            if (inx == size - 1 || iny == size - 1) {
                t.at(x, y) = grout;
                continue;
            }
            Color c = (((x / size) + (y / size)) & 1) ? second : first;
            if (inx == 0 || iny == 0) c = mixcolor(c, WHITE, 0.25f);
            else if (inx == size - 2 || iny == size - 2) c = scalecolor(c, 0.85f);
            if (inx == 1 && iny == 1) c = mixcolor(c, WHITE, 0.6f);  // glint
            t.at(x, y) = c;
        }
}

void planks(tile& t, const ramp& wood, bool vertical, int width, uint32_t seed)
{
    for (int y = 0; y < TILE; y++)
        for (int x = 0; x < TILE; x++) {
            int across = vertical ? x : y, along = vertical ? y : x;
            int board = across / width, inboard = across % width;
            if (inboard == width - 1) {
                t.at(x, y) = wood[0];
                continue;
            }
            // Boards of uneven length: a joint somewhere along each one.
            int joint = randomint(seed, board, TILE);
            if (along == joint) {
                t.at(x, y) = wood[1];
                continue;
            }
            float grain = latticenoise(seed + board, along * 0.35f, inboard * 1.3f, 64, 64);
            float value = 0.35f + 0.35f * random01(seed, board, 9) + (grain - 0.5f) * 0.5f;
            if (inboard == 0) value += 0.2f;
            t.at(x, y) = wood.at(value, x, y);
            if ((along == (joint + 2) % TILE || along == (joint + TILE - 2) % TILE) && inboard == width / 2)
                t.at(x, y) = wood[0];  // nail
        }
}

void ripples(tile& t, const ramp& water, Color glint, uint32_t seed)
{
    for (int y = 0; y < TILE; y++)
        for (int x = 0; x < TILE; x++) {
            float n = latticenoise(seed, x * 0.25f, y * 0.5f, 4, 8);
            t.at(x, y) = water.at(0.15f + n * 0.7f, x, y);
        }
    for (int i = 0; i < 6; i++) {
        int x = randomint(seed, i * 2, TILE), y = randomint(seed, i * 2 + 1, TILE);
        int length = 2 + randomint(seed, i * 2 + 50, 3);
        for (int k = 0; k < length; k++) t.wrapped(x + k, y) = glint;
        t.wrapped(x + length, y + 1) = water[0];
    }
}

void fillrect(tile& t, int x, int y, int w, int h, Color colour)
{
    for (int yy = y; yy < y + h; yy++)
        for (int xx = x; xx < x + w; xx++)
            if (t.inside(xx, yy)) t.at(xx, yy) = colour;
}

void shaderect(tile& t, int x, int y, int w, int h, float factor)
{
    for (int yy = y; yy < y + h; yy++)
        for (int xx = x; xx < x + w; xx++)
            if (t.inside(xx, yy)) t.at(xx, yy) = scalecolor(t.at(xx, yy), factor);
}

void block(tile& t, int x, int y, int w, int h, const ramp& stone, uint32_t seed)
{
    shaderect(t, x + 1, y + h, w, 1, 0.65f);
    shaderect(t, x + w, y + 1, 1, h, 0.65f);
    for (int yy = 0; yy < h; yy++)
        for (int xx = 0; xx < w; xx++) {
            float value = 0.5f + (random01(seed, xx, yy) - 0.5f) * 0.3f;
            if (xx == 0 || yy == 0) value = 0.85f;
            if (xx == w - 1 || yy == h - 1) value = 0.2f;
            if (t.inside(x + xx, y + yy)) t.at(x + xx, y + yy) = stone.at(value, x + xx, y + yy);
        }
}

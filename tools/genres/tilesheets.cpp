// Tile sheets: 16 x 16 tiles of 16 px in 8-bit RGBA, the base sheet and four far levels.
#include "tilesheets.h"

#include "tiles.h"

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr int COLUMNS = 16;
constexpr int LEVELS = 4;
constexpr int LEVELBLOCK[LEVELS] = {2, 4, 8, 16};  // pixels merged into one at each level
constexpr float LEVELHAZE[LEVELS] = {0.08f, 0.16f, 0.24f, 0.32f};
const Color HAZE = rgb(0xb4c4d4);
constexpr Color NEARVERGE = {0, 254, 0, 255};  // stands in for pure green outside road verges

// Only road verges may be pure green, or the game would paint grass over other tiles too.
void keepvergesapart(tile& t, int id)
{
    for (Color& c : t.pixels) {
        c.a = 255;
        if (!isroad(id) && samecolor(c, VERGE)) c = NEARVERGE;
    }
}

// The tile seen from further away: blocks of pixels merged into their mean, hazier; road
// verges keep their exact outline so the game still finds them.
tile distant(const tile& near, int block, float haze)
{
    tile far = near;
    for (int by = 0; by < TILE; by += block)
        for (int bx = 0; bx < TILE; bx += block) {
            float sum[3] = {0, 0, 0};
            int count = 0;
            for (int y = by; y < by + block; y++)
                for (int x = bx; x < bx + block; x++) {
                    Color c = near.at(x, y);
                    if (samecolor(c, VERGE)) continue;
                    sum[0] += c.r;
                    sum[1] += c.g;
                    sum[2] += c.b;
                    count++;
                }
            if (count == 0) continue;
            Color mean = {(unsigned char)(sum[0] / count), (unsigned char)(sum[1] / count),
                          (unsigned char)(sum[2] / count), 255};
            mean = mixcolor(mean, HAZE, haze);
            if (samecolor(mean, VERGE)) mean = NEARVERGE;
            for (int y = by; y < by + block; y++)
                for (int x = bx; x < bx + block; x++)
                    if (!samecolor(near.at(x, y), VERGE)) far.at(x, y) = mean;
        }
    return far;
}

// Every tile's atlas colour, made distinct so that the saved map can be read back as ids.
std::vector<Color> palette()
{
    std::vector<Color> colours;
    std::set<uint32_t> taken;
    auto key = [](Color c) { return (uint32_t)c.r << 16 | (uint32_t)c.g << 8 | c.b; };
    for (int id = 0; id < TILECOUNT; id++) {
        Color wanted = atlascolour(id), c = wanted;
        // Try ever larger nudges of one channel at a time, up and down: an invisible change.
        for (int step = 0; taken.count(key(c)) || samecolor(c, VERGE); step++) {
            int amount = (step / 6 + 1) * (step % 2 ? -1 : 1);
            c = wanted;
            unsigned char* channels[3] = {&c.b, &c.g, &c.r};
            unsigned char& value = *channels[(step / 2) % 3];
            value = (unsigned char)std::clamp(value + amount, 0, 255);
        }
        taken.insert(key(c));
        colours.push_back(c);
    }
    return colours;
}

canvas sheet(const std::vector<tile>& tiles)
{
    canvas result(COLUMNS * TILE, COLUMNS * TILE);
    for (int id = 0; id < TILECOUNT; id++) result.blit(tiles[id], (id % COLUMNS) * TILE, (id / COLUMNS) * TILE);
    return result;
}

}  // namespace

void writetilesheets(const std::string& resdir)
{
    std::vector<tile> tiles;
    for (int id = 0; id < TILECOUNT; id++) {
        tiles.push_back(painttile(id));
        keepvergesapart(tiles.back(), id);
    }
    savepng(sheet(tiles), resdir + "/images/tilesheet.png");

    for (int level = 0; level < LEVELS; level++) {
        std::vector<tile> far;
        for (const tile& t : tiles) far.push_back(distant(t, LEVELBLOCK[level], LEVELHAZE[level]));
        canvas picture = sheet(far);
        if (level == LEVELS - 1) {
            std::vector<Color> colours = palette();
            for (int id = 0; id < TILECOUNT; id++) picture.at(id, 0) = colours[id];
        }
        savepng(picture, resdir + "/images/tilesheetl" + std::to_string(level + 1) + ".png");
    }
}

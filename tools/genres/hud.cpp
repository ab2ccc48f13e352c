// The status bar and the cursor, drawn pixel by pixel.
#include "hud.h"

#include "pixelart.h"

#include <cmath>

namespace {

constexpr int BARWIDTH = 360;
constexpr int BARHEIGHT = 50;
constexpr int SLOTS = 7;
// Slot and tube geometry, shared with res/shaders/toolbar.fs: slot i starts at
// FIRSTSLOT + i * SLOTWIDTH; its tube's glass is TUBEINNERX.. + TUBEINNERW wide, TUBEY.. + TUBEH high.
constexpr int FIRSTSLOT = 5;
constexpr int SLOTWIDTH = 50;
constexpr int TUBEINNERX = 5;
constexpr int TUBEINNERW = 40;
constexpr int TUBEY = 25;
constexpr int TUBEH = 8;
constexpr int ICONX = 4, ICONY = 8;
constexpr int LABELX = 17, LABELY = 10;

const Color PANEL = rgb(0x2c2433);
const Color PANELLIGHT = rgb(0x6e5c78);
const Color PANELDARK = rgb(0x120d17);
const Color GLASS = rgb(0x100c14);
const Color BRASS = rgb(0xb08a4a);
const Color BRASSDARK = rgb(0x5e4626);
const Color INK = rgb(0xe8dcc8);

struct slot {
    const char* label;
    Color colour;
    const char* icon[9];  // 9 x 9: '#' the colour, '+' a lighter shade, '.' nothing
};

const slot STATS[SLOTS] = {
    {"HP", rgb(0xe04040), {".##...##.", "#++#.#++#", "#+#######", "#########", ".#######.", "..#####..", "...###...", "....#....", "........."}},
    {"ST", rgb(0xf08c30), {"...##....", "...##....", ".#####...", "#..##.#..", "...###...", "..#..#...", ".#....#..", "#......##", "........."}},
    {"MP", rgb(0x4070f0), {"....#....", "...#+#...", "...#+#...", "..#+++#..", "..#++##..", ".#+####..", ".#######.", "..#####..", "...###..."}},
    {"EN", rgb(0x40d8e8), {".....##..", "....##...", "...##....", "..######.", ".....##..", "....##...", "...##....", "..##.....", ".#......."}},
    {"FT", rgb(0xa060e0), {"..####...", ".##......", "##.......", "##....+.+", "##.....+.", "##....+.+", ".##......", "..####...", "........."}},
    {"RD", rgb(0x9cf040), {"..##.##..", ".###.###.", "####.####", ".........", "....#....", "...###...", "..#####..", "..#####..", "...###..."}},
    {"XP", rgb(0xf8d850), {"....#....", "....#....", "...###...", "#########", ".#######.", "..#####..", "..##.##..", ".##...##.", ".#.....#."}},
};

// A 3 x 5 capital for the labels: rows top to bottom, three bits each, high bit left.
const unsigned char* letter(char c)
{
    static const struct {
        char c;
        unsigned char rows[5];
    } letters[] = {
        {'D', {6, 5, 5, 5, 6}}, {'E', {7, 4, 6, 4, 7}}, {'F', {7, 4, 6, 4, 4}}, {'H', {5, 5, 7, 5, 5}},
        {'M', {5, 7, 7, 5, 5}}, {'N', {6, 5, 5, 5, 5}}, {'P', {6, 5, 6, 4, 4}}, {'R', {6, 5, 6, 5, 5}},
        {'S', {3, 4, 2, 1, 6}}, {'T', {7, 2, 2, 2, 2}}, {'X', {5, 5, 2, 5, 5}},
    };
    for (const auto& l : letters)
        if (l.c == c) return l.rows;
    fail(std::string("no label letter ") + c);
    return nullptr;
}

void text(canvas& bar, int x, int y, const char* label, Color colour)
{
    for (; *label; label++, x += 4) {
        const unsigned char* rows = letter(*label);
        for (int r = 0; r < 5; r++)
            for (int b = 0; b < 3; b++)
                if (rows[r] & (4 >> b)) {
                    bar.at(x + b + 1, y + r + 1) = PANELDARK;  // engraved: a shadow under each stroke
                    bar.at(x + b, y + r) = colour;
                }
    }
}

void panel(canvas& bar)
{
    for (int y = 0; y < BARHEIGHT; y++)
        for (int x = 0; x < BARWIDTH; x++) {
            float grain = fractalnoise(0xba7, x, y, BARWIDTH, BARHEIGHT, 36, 2);
            bar.at(x, y) = mixcolor(PANEL, grain > 0.5f ? PANELLIGHT : PANELDARK, std::fabs(grain - 0.5f) * 0.35f);
        }
    for (int x = 0; x < BARWIDTH; x++) {
        bar.at(x, 0) = PANELDARK;
        bar.at(x, 1) = BRASS;
        bar.at(x, 2) = PANELLIGHT;
        bar.at(x, BARHEIGHT - 1) = PANELDARK;
    }
    for (int y = 1; y < BARHEIGHT; y++) {
        bar.at(0, y) = PANELDARK;
        bar.at(BARWIDTH - 1, y) = PANELDARK;
    }
}

void gaugeslot(canvas& bar, int index)
{
    const slot& s = STATS[index];
    int left = FIRSTSLOT + index * SLOTWIDTH;
    // Groove between slots.
    if (index > 0)
        for (int y = 5; y < BARHEIGHT - 4; y++) {
            bar.at(left - 1, y) = PANELDARK;
            bar.at(left, y) = PANELLIGHT;
        }
    for (int y = 0; y < 9; y++)
        for (int x = 0; x < 9; x++) {
            char c = s.icon[y][x];
            if (c == '.' || c == 0) continue;
            bar.at(left + ICONX + x + 1, ICONY + y + 1) = PANELDARK;
            bar.at(left + ICONX + x, ICONY + y) = c == '+' ? mixcolor(s.colour, WHITE, 0.5f) : s.colour;
        }
    text(bar, left + LABELX, LABELY, s.label, INK);
    // The tube: a brass frame around dark glass with a glint along its top.
    int x0 = left + TUBEINNERX - 1, y0 = TUBEY - 1;
    for (int x = x0; x <= x0 + TUBEINNERW + 1; x++) {
        bar.at(x, y0) = BRASS;
        bar.at(x, y0 + TUBEH + 1) = BRASSDARK;
    }
    for (int y = y0; y <= y0 + TUBEH + 1; y++) {
        bar.at(x0, y) = BRASS;
        bar.at(x0 + TUBEINNERW + 1, y) = BRASSDARK;
    }
    for (int y = 0; y < TUBEH; y++)
        for (int x = 0; x < TUBEINNERW; x++)
            bar.at(left + TUBEINNERX + x, TUBEY + y) = y == 1 ? mixcolor(GLASS, WHITE, 0.12f) : GLASS;
    // Quarter marks under the tube.
    for (int quarter = 0; quarter <= 4; quarter++) {
        int x = left + TUBEINNERX + quarter * (TUBEINNERW - 1) / 4;
        bar.at(x, TUBEY + TUBEH + 2) = BRASSDARK;
        bar.at(x, TUBEY + TUBEH + 3) = quarter % 2 ? BRASSDARK : BRASS;
    }
}

}  // namespace

void writemenubar(const std::string& resdir)
{
    canvas bar(BARWIDTH, BARHEIGHT);
    panel(bar);
    for (int index = 0; index < SLOTS; index++) gaugeslot(bar, index);
    savepng(bar, resdir + "/images/menubar.png");
}

void writecursor(const std::string& resdir)
{
    // An arrow with a dark outline, so that it shows on snow as well as on forest.
    static const char* arrow[] = {
        "#.........", "##........", "#+#.......", "#++#......", "#+++#.....", "#++++#....", "#+++++#...",
        "#++++++#..", "#+++++++#.", "#++++#####", "#+#++#....", "##.#++#...", "#..#++#...", "....#++#..",
        "....#++#..", ".....##...",
    };
    canvas cursor(10, 16);
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 10; x++) {
            char c = arrow[y][x];
            if (c == '#') cursor.at(x, y) = rgb(0x1a1420);
            if (c == '+') cursor.at(x, y) = mixcolor(rgb(0xfff4d8), BRASS, (float)y / 40);
        }
    savepng(cursor, resdir + "/images/playercursor.png");
}

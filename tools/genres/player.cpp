// The default player: a cartographer's apprentice in a wine-red cloak.
#include "player.h"

#include "pixelart.h"

namespace {

const Color CLOAK = rgb(0x9a2e3c);
const Color LEGGINGS = rgb(0x3e2c22);
constexpr int SPRITEX = 2;  // the sprite stands right of the two world texels
constexpr int SPRITEW = 16, SPRITEH = 32;

// Front view. '.' transparent, 'o' outline, 'c'/'C' cloak and its lit side, 's' skin,
// 'h' hair, 'l' leggings, 'b' boots, 'm' map scroll, 'e' eyes.
const char* const SPRITE[SPRITEH] = {
    "................", "................", "......oooo......", ".....occCCo.....", "....occcCCCo....",
    "....occhhCCo....", "....ochsssco....", "....ocsesesco...", "....ocsssssco...", ".....ocsssco....",
    "....occcscCCo...", "...occccCCCCCo..", "..occccccCCCCo..", "..occccccCCCCo..", "..ocsccccCCCsmo.",
    "..ocsccccCCCmmo.", "..occccccCCCmmo.", "..occccccCCCCo..", "..occccccCCCCo..", "..occccccCCCCo..",
    "...occccCCCCo...", "...oocccCCCoo...", "....ollollllo...", "....ollo.ollo...", "....ollo.ollo...",
    "....ollo.ollo...", "....ollo.ollo...", "....ollo.ollo...", "....obbo.obbo...", "...obbbo.obbbo..",
    "...ooooo.ooooo..", "................",
};

Color spritecolour(char c)
{
    switch (c) {
    case 'o': return rgb(0x1c1418);
    case 'c': return CLOAK;
    case 'C': return mixcolor(CLOAK, rgb(0xf0b0a0), 0.3f);
    case 's': return rgb(0xe2b48c);
    case 'h': return rgb(0x5a3a22);
    case 'l': return LEGGINGS;
    case 'b': return rgb(0x24180f);
    case 'm': return rgb(0xeadcb4);
    case 'e': return rgb(0x2a2030);
    default: return BLANK;
    }
}

}  // namespace

void writeplayer(const std::string& resdir)
{
    canvas picture(SPRITEX + SPRITEW, SPRITEH);
    picture.at(0, 0) = CLOAK;
    picture.at(0, 1) = LEGGINGS;
    for (int y = 0; y < SPRITEH; y++)
        for (int x = 0; x < SPRITEW; x++) picture.at(SPRITEX + x, y) = spritecolour(SPRITE[y][x]);
    savepng(picture, resdir + "/defaultplayer/player.png");
}

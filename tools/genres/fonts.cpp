// Fonts: an 8 x 16 BMFont built from Unifont's glyph bitmaps, and a copied TrueType font.
#include "fonts.h"

#include "pixelart.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

namespace {

constexpr int GLYPHW = 8, GLYPHH = 16;
constexpr int BASELINE = 14;           // Unifont's ascent
constexpr int CELLW = GLYPHW + 2;      // a pixel of empty border around each glyph, so that
constexpr int CELLH = GLYPHH + 2;      // scaled text never picks up its neighbour
constexpr int PERROW = 16;
constexpr int SOFTHYPHEN = 0xad;  // invisible in text, and a wide placeholder box in Unifont

std::vector<int> codepoints()
{
    std::vector<int> list;
    for (int c = 0x20; c <= 0x7e; c++) list.push_back(c);  // printable ASCII
    for (int c = 0xa0; c <= 0xff; c++)
        if (c != SOFTHYPHEN) list.push_back(c);  // Latin-1
    return list;
}

// Unifont's ".hex" lines read "XXXX:bitmap", the bitmap 32 hex digits for an 8 x 16 glyph
// (two per row, top row first, high bit left) or 64 for a 16 x 16 one.
std::map<int, std::string> readhex(const std::string& path)
{
    std::ifstream file(path);
    if (!file) fail("cannot read " + path);
    std::map<int, std::string> glyphs;
    std::string line;
    while (std::getline(file, line)) {
        size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        int codepoint = (int)std::strtol(line.substr(0, colon).c_str(), nullptr, 16);
        if (codepoint <= 0xff) glyphs[codepoint] = line.substr(colon + 1);
    }
    return glyphs;
}

}  // namespace

void writeconsolefont(const std::string& resdir, const std::string& unifonthex)
{
    std::map<int, std::string> glyphs = readhex(unifonthex);
    std::vector<int> wanted = codepoints();
    int rows = ((int)wanted.size() + PERROW - 1) / PERROW;
    Image page = GenImageColor(PERROW * CELLW, rows * CELLH, BLACK);
    ImageFormat(&page, PIXELFORMAT_UNCOMPRESSED_GRAYSCALE);  // raylib reads grey as the glyphs' alpha
    unsigned char* pixels = (unsigned char*)page.data;

    std::ostringstream fnt;
    fnt << "info face=\"Unifont\" size=" << GLYPHH << " bold=0 italic=0 charset=\"\" unicode=1 stretchH=100 smooth=0 aa=1 padding=0,0,0,0 spacing=1,1\n";
    fnt << "common lineHeight=" << GLYPHH << " base=" << BASELINE << " scaleW=" << page.width << " scaleH=" << page.height << " pages=1 packed=0\n";
    fnt << "page id=0 file=\"dos.png\"\n";
    fnt << "chars count=" << wanted.size() << "\n";
    for (size_t i = 0; i < wanted.size(); i++) {
        int codepoint = wanted[i];
        auto glyph = glyphs.find(codepoint);
        if (glyph == glyphs.end() || glyph->second.size() != GLYPHW * GLYPHH / 4)
            fail(std::string("no 8 x 16 glyph for U+") + TextFormat("%04X", codepoint) + " in " + unifonthex);
        int x = (int)(i % PERROW) * CELLW + 1, y = (int)(i / PERROW) * CELLH + 1;
        for (int row = 0; row < GLYPHH; row++) {
            int bits = (int)std::strtol(glyph->second.substr(row * 2, 2).c_str(), nullptr, 16);
            for (int column = 0; column < GLYPHW; column++)
                if (bits & (0x80 >> column)) pixels[(y + row) * page.width + x + column] = 255;
        }
        fnt << "char id=" << codepoint << " x=" << x << " y=" << y << " width=" << GLYPHW << " height=" << GLYPHH
            << " xoffset=0 yoffset=0 xadvance=" << GLYPHW << " page=0 chnl=15\n";
    }
    saveimage(page, resdir + "/fonts/dos.png");
    UnloadImage(page);

    std::string path = resdir + "/fonts/dos.fnt";
    std::ofstream out(path, std::ios::binary);
    out << fnt.str();
    if (!out.flush()) fail("cannot write " + path);
}

void writetruetypefont(const std::string& resdir, const std::string& truetype)
{
    std::error_code error;
    std::filesystem::copy_file(truetype, resdir + "/fonts/kipsynth.ttf",
                               std::filesystem::copy_options::overwrite_existing, error);
    if (error) fail("cannot copy " + truetype + ": " + error.message());
}

// The checks made before raylib's loaders read a bitmap font descriptor, a TrueType font or
// an OBJ model: what each refuses and why, what each leaves to raylib, and the real files.
#include "game/loadcheck.h"
#include "harness.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

using namespace harness;

namespace {

struct CheckCase {
    const char* name;
    std::string text;
    std::string problem;  // "" when the file may be loaded
};

// ---- Bitmap font descriptors -------------------------------------------------------------

const std::string HEADER = "info face=\"test\" size=8\ncommon lineHeight=8 base=7 scaleW=16 scaleH=16 pages=1\n"
                           "page id=0 file=\"page.png\"\nchars count=2\n";
const std::string GLYPHA = "char id=65 x=0 y=0 width=8 height=8 xoffset=0 yoffset=0 xadvance=8 page=0\n";
const std::string GLYPHB = "char id=66 x=8 y=8 width=8 height=8 xoffset=0 yoffset=0 xadvance=8 page=0\n";

std::string withcommon(const std::string& common)
{
    return "info face=\"test\" size=8\n" + common + "\npage id=0 file=\"page.png\"\nchars count=2\n" + GLYPHA + GLYPHB;
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    text.replace(text.find(from), from.size(), to);
    return text;
}

TEST(FontDescriptor, RefusesWhatRaylibWouldReadOutOfBounds)
{
    std::string dir = scratchdir();
    Image page = GenImageColor(16, 16, WHITE);
    ASSERT_TRUE(ExportImage(page, "page.png"));
    UnloadImage(page);
    std::string whole = HEADER + GLYPHA + GLYPHB;
    const CheckCase cases[] = {
        {"whole", whole, ""},
        {"empty", "", ""},
        {"a glyph line too few", HEADER + GLYPHA, "it ends before its 2 glyph lines do"},
        {"last line not ended", whole.substr(0, whole.size() - 1), "it ends before its 2 glyph lines do"},
        {"no common line", "info face=\"test\"\n", "it ends before its common line"},
        {"no lineHeight", withcommon("common base=7"), "its second line has no lineHeight"},
        {"common line short of numbers", withcommon("common lineHeight=8 base=7"), ""},
        {"no pages", withcommon("common lineHeight=8 base=7 scaleW=16 scaleH=16 pages=0"), "it has 0 pages"},
        {"two pages of no size", withcommon("common lineHeight=8 base=7 scaleW=0 scaleH=16 pages=2"), "its pages are 0 x 16"},
        {"page line without file", replaced(whole, "file=", "name="), "line 3 names no page file"},
        {"page file unquoted", replaced(whole, "file=\"page.png\"", "file=page.png"), ""},
        {"chars line without count", replaced(whole, "count=2", "number=2"), "line 4 has no glyph count"},
        {"no glyphs", replaced(whole, "count=2", "count=0"), "it counts 0 glyphs"},
        {"incomplete glyph", replaced(whole, " page=0\nchar id=66", "\nchar id=66"), "line 5 is not a complete glyph"},
        {"glyph past the right edge", replaced(whole, "id=66 x=8", "id=66 x=9"), "the glyph of line 6 lies outside its page picture"},
        {"glyph of negative width", replaced(whole, "width=8 height=8 xoffset=0 yoffset=0 xadvance=8 page=0\nchar",
                                             "width=-1 height=8 xoffset=0 yoffset=0 xadvance=8 page=0\nchar"),
         "the glyph of line 5 lies outside its page picture"},
        {"glyph on a page beyond", replaced(whole, "xadvance=8 page=0\nchar", "xadvance=8 page=1\nchar"),
         "the glyph of line 5 lies outside its page picture"},
        // raylib copies nothing out of a page it cannot read, wherever the glyphs lie.
        {"unreadable page", replaced(replaced(whole, "page.png", "missing.png"), "id=66 x=8", "id=66 x=99"), ""},
    };
    for (const auto& c : cases) {
        writefile(dir + "/font.fnt", c.text);
        EXPECT_EQ(bmfontproblem(dir + "/font.fnt"), c.problem) << c.name;
    }
}

// Several pages are stacked into one canvas of scaleW x scaleH per page.
TEST(FontDescriptor, GlyphsOfLaterPagesLieInTheirPartOfTheCanvas)
{
    std::string dir = scratchdir();
    Image page = GenImageColor(16, 16, WHITE);
    ASSERT_TRUE(ExportImage(page, "page.png"));
    UnloadImage(page);
    std::string twopages = replaced(replaced(HEADER, "pages=1", "pages=2"), "chars", "page id=1 file=\"page.png\"\nchars");
    std::string onsecond = replaced(GLYPHB, "page=0", "page=1");
    const CheckCase cases[] = {
        {"at the foot of the second page", twopages + GLYPHA + onsecond, ""},
        {"a row below it", twopages + GLYPHA + replaced(onsecond, "y=8 ", "y=9 "), "the glyph of line 7 lies outside its page picture"},
    };
    for (const auto& c : cases) {
        writefile(dir + "/font.fnt", c.text);
        EXPECT_EQ(bmfontproblem(dir + "/font.fnt"), c.problem) << c.name;
    }
}

TEST(FontDescriptor, TheGamesOwnFontPasses) { EXPECT_EQ(bmfontproblem(RESOURCES + "/fonts/dos.fnt"), ""); }

// ---- TrueType fonts ----------------------------------------------------------------------

std::string be16(uint32_t value) { return {static_cast<char>(value >> 8 & 0xff), static_cast<char>(value & 0xff)}; }
std::string be32(uint32_t value) { return be16(value >> 16) + be16(value & 0xffff); }

typedef std::map<std::string, std::string> Tables;

// A font of the given tables, in tag order, each on a four-byte boundary; the file ends
// with the last table.
std::string fontof(const Tables& tables)
{
    std::string directory = be32(0x00010000) + be16(static_cast<uint32_t>(tables.size())) + be16(0) + be16(0) + be16(0);
    std::string body;
    uint32_t offset = static_cast<uint32_t>(12 + 16 * tables.size());
    for (const auto& [tag, table] : tables) {
        body += std::string((4 - body.size() % 4) % 4, '\0');
        directory += tag + be32(0) + be32(offset + static_cast<uint32_t>(body.size())) + be32(static_cast<uint32_t>(table.size()));
        body += table;
    }
    return directory + body;
}

// A triangle: one contour of three on-curve points with two-byte coordinates.
std::string triangle(int16_t width = 500, int16_t height = 700)
{
    std::string outline = be16(1) + be16(0) + be16(0) + be16(static_cast<uint16_t>(width)) + be16(static_cast<uint16_t>(height));
    outline += be16(2) + be16(0);                 // last point of the contour, no instructions
    outline += std::string(3, '\x01');            // on curve, x and y as words
    outline += be16(0) + be16(250) + be16(250);   // x steps
    outline += be16(0) + be16(700) + be16(0xfd44);  // y steps (the last -700)
    return outline + std::string(outline.size() % 2, '\0');
}

// Two glyphs: 0 empty, 1 the given outline; every printable character but the space maps to
// glyph 1 (raylib would lose the bitmap of a space that has one).
Tables fonttables(const std::string& outline = triangle())
{
    std::string head(54, '\0');
    head.replace(18, 2, be16(1000));  // units per em; loca of short offsets at 50
    std::string hhea(36, '\0');
    hhea.replace(4, 4, be16(800) + be16(static_cast<uint16_t>(-200)));
    hhea.replace(34, 2, be16(2));
    std::string cmap = be16(0) + be16(1) + be16(3) + be16(1) + be32(12);  // one record: Microsoft, Unicode BMP
    cmap += be16(6) + be16(10 + 95 * 2) + be16(0) + be16(32) + be16(95);
    cmap += be16(0);
    for (int i = 1; i < 95; i++) cmap += be16(1);
    return {
        {"cmap", cmap},
        {"glyf", outline},
        {"head", head},
        {"hhea", hhea},
        {"hmtx", be16(500) + be16(0) + be16(600) + be16(0)},
        {"loca", be16(0) + be16(0) + be16(static_cast<uint32_t>(outline.size() / 2))},
        {"maxp", be32(0x00005000) + be16(2)},
    };
}

Tables changed(Tables tables, const std::string& tag, size_t at, const std::string& bytes)
{
    tables[tag].replace(at, bytes.size(), bytes);
    return tables;
}

// A composite glyph 1 whose one part is glyph 1 itself.
std::string selfcomposite()
{
    return be16(0xffff) + be16(0) + be16(0) + be16(500) + be16(700) + be16(0x0002) + be16(1) + be16(0) + be16(0);
}

TEST(TrueTypeFont, TheFixtureIsAFontRaylibReads)
{
    std::string font = fontof(fonttables());
    ASSERT_EQ(truetypeproblem(font), "");
    int count = 0;
    GlyphInfo* glyphs = LoadFontData(reinterpret_cast<const unsigned char*>(font.data()), static_cast<int>(font.size()), 32,
                                     nullptr, 95, FONT_DEFAULT, &count);
    ASSERT_NE(glyphs, nullptr);
    EXPECT_EQ(count, 94);
    const GlyphInfo* a = std::find_if(glyphs, glyphs + count, [](const GlyphInfo& glyph) { return glyph.value == 'A'; });
    ASSERT_NE(a, glyphs + count);
    EXPECT_GT(a->image.width, 0) << "the triangle was drawn";
    UnloadFontData(glyphs, count);
}

TEST(TrueTypeFont, RefusesWhatStbTrueTypeWouldReadOutOfBounds)
{
    Tables whole = fonttables();
    Tables nocmap = whole, postscript = whole, shortmetrics = changed(whole, "hhea", 34, be16(1));
    shortmetrics["hmtx"] = be16(500) + be16(0);  // glyph 1's side bearing would follow
    nocmap.erase("cmap");
    postscript.erase("glyf");
    postscript["CFF "] = std::string(16, '\0');
    const CheckCase cases[] = {
        {"empty", "", ""},
        {"a few bytes", std::string("\x00\x01\x00", 3), "it is too short to be a font"},
        {"not a font", "This is no font, only a line of text.", "it is not a TrueType font"},
        {"directory past the end", be32(0x00010000) + be16(40) + std::string(6, '\0'), "its table directory runs past the end of the file"},
        {"no character map", fontof(nocmap), ""},
        {"PostScript outlines", fontof(postscript), "it has PostScript outlines, not TrueType ones"},
        {"ascent as descent", fontof(changed(whole, "hhea", 4, be16(0xff38))), "its ascent and descent are the same"},
        {"no horizontal metrics", fontof(changed(whole, "hhea", 34, be16(0))), "it has no horizontal metrics"},
        {"one long metric, then side bearings", fontof(changed(whole, "hhea", 34, be16(1))), ""},
        {"no side bearing for glyph 1", fontof(shortmetrics), "the metrics of glyph 1 run past the hmtx table"},
        {"character map past its table", fontof(changed(whole, "cmap", 18, be16(0) + be16(200))),
         "its character map runs past its table"},
        {"glyph outside glyf", fontof(changed(whole, "loca", 4, be16(400))), "glyph 1 lies outside the glyf table"},
        {"glyph offsets backwards", fontof(changed(whole, "loca", 2, be16(20))), "glyph 1 lies outside the glyf table"},
        {"points past the outline", fontof(fonttables(triangle().replace(10, 2, be16(40)))), "glyph 1 runs past its outline"},
        {"contours backwards", fontof(fonttables(triangle().replace(0, 2, be16(2)))), "glyph 1 runs past its outline"},
        {"glyph made of itself", fontof(fonttables(selfcomposite())), "glyph 1 is made of too many nested parts"},
        {"a glyph a million pixels wide", fontof(changed(fonttables(triangle(32767, 32767)), "hhea", 4, be16(1) + be16(0))),
         "glyph 1 is 1048544 x 1048544 pixels"},
        {"a glyph box drawn backwards", fontof(fonttables(triangle(-500, 700))), "glyph 1 is -16 x 23 pixels"},
    };
    for (const auto& c : cases) EXPECT_EQ(truetypeproblem(c.text), c.problem) << c.name;
}

TEST(TrueTypeFont, EveryCutOfAFontIsRefused)
{
    std::string font = fontof(fonttables());
    for (size_t length = 1; length < font.size(); length++)
        EXPECT_NE(truetypeproblem(font.substr(0, length)), "") << "cut at " << length << " of " << font.size();
}

TEST(TrueTypeFont, TheGamesOwnFontPasses) { EXPECT_EQ(truetypeproblem(readfile(RESOURCES + "/fonts/kipsynth.ttf")), ""); }

// ---- OBJ models --------------------------------------------------------------------------

const std::string TRIANGLE = "o ground\nv 0 0 0\nv 1 0 0\nv 0 0 1\n";

TEST(ObjModel, RefusesFacesOfWhatTheModelLacksAndLinesRaylibCannotHold)
{
    const CheckCase cases[] = {
        {"empty", "", ""},
        {"a triangle", TRIANGLE + "f 1 2 3\n", ""},
        {"corners counted back", TRIANGLE + "f -3 -2 -1\n", ""},
        {"faces before their vertices", "f 1 2 3\n" + TRIANGLE, ""},
        {"texture coordinates and normals", TRIANGLE + "vt 0 0\nvn 0 1 0\nf 1/1/1 2/1/1 3/1/1\nf 1//1 2//1 3//1\n", ""},
        {"windows line ends", "v 0 0 0\r\nv 1 0 0\r\nv 0 0 1\r\nf 1 2 3\r\n", ""},
        {"seven corners", TRIANGLE + "f 1 2 3 1 2 3 1\n", ""},
        {"text after a zero byte", TRIANGLE + "f 1 2 3\n" + std::string(1, '\0') + "f 7 8 9\n", ""},
        {"a vertex beyond", TRIANGLE + "f 1 2 4\n", "line 5 names vertex 4 of 3"},
        {"counted back too far", TRIANGLE + "f -4 -2 -1\n", "line 5 names vertex -4 of 3"},
        {"vertex 0 of none", "f 0 0 0\n", "line 1 names vertex 0 of 0"},
        {"an empty texture coordinate", TRIANGLE + "f 1/ 2/ 3/\n", "line 5 names texture coordinate 0 of 0"},
        {"a normal beyond", TRIANGLE + "vn 0 1 0\nf 1//1 2//1 3//2\n", "line 6 names normal 2 of 1"},
        {"eight corners", TRIANGLE + "f 1 2 3 1 2 3 1 2\n", "line 5 has a face of more than 7 corners"},
        {"an index too big", TRIANGLE + "f 1 2 99999999999\n", "line 5 has an index too big for a number"},
        {"a zero byte first", std::string(1, '\0') + TRIANGLE, "it starts with a zero byte"},
        {"two carriage returns", TRIANGLE + "\r\rf 1 2 3\n", "it has two carriage returns in a row"},
        {"a line of 4095 bytes", "#" + std::string(4094, 'x') + "\n" + TRIANGLE, ""},
        {"a line of 4096 bytes", "#" + std::string(4095, 'x') + "\n" + TRIANGLE, "line 1 is longer than 4095 bytes"},
    };
    for (const auto& c : cases) EXPECT_EQ(objproblem(c.text), c.problem) << c.name;
}

TEST(ObjModel, TheGamesOwnModelPasses) { EXPECT_EQ(objproblem(readfile(RESOURCES + "/models/world.obj")), ""); }

}  // namespace

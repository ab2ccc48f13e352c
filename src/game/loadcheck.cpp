// loadcheck: resource files checked before raylib's loaders read them. See loadcheck.h.
#include "loadcheck.h"

#include "../term.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <raymath.h>
#include <vector>

static std::string filebytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

//----------------------------------------------------------------------------------------
// Bitmap font descriptors
//----------------------------------------------------------------------------------------

static const int FNT_LINE = 256;         // raylib's line buffer: longer lines are cut at 255 bytes
static const int FNT_MAXPAGES = 8;       // raylib reads at most this many pages
static const int FNT_MAXPAGESIDE = 16384;

// The lines of a descriptor as raylib reads them: up to 255 bytes or to a line feed, then
// one byte more. raylib looks for the line feed without stopping at the end of the text, so
// a line that the text does not end in time is read past it; next refuses to read one.
class descriptorlines {
public:
    explicit descriptorlines(const std::string& text) : text(text) {}

    bool next(std::string& line)
    {
        size_t count = 0;
        for (; count < FNT_LINE - 1; count++) {
            size_t at = position + count;
            if (at > text.size()) return false;  // past the text and the zero that ends it
            if (at < text.size() && text[at] == '\n') break;
        }
        line = text.substr(position, count);
        line = line.substr(0, line.find('\0'));  // what raylib's string functions see
        position += count + 1;
        number++;
        return true;
    }

    int number = 0;  // of the line read last, from 1

private:
    const std::string& text;
    size_t position = 0;
};

// The part of line from the first key on, or nullptr when the line lacks it: raylib scans
// from there and crashes without it.
static const char* fromkey(const std::string& line, const char* key)
{
    size_t at = line.find(key);
    return at == std::string::npos ? nullptr : line.c_str() + at;
}

// Glyphs are cut out of the first page picture as decoded (or, with several pages, out of
// a canvas of scaleW x scaleH per page) without a look at its size.
struct fontcanvas {
    bool readable;
    long long width, height;
};

static fontcanvas pagecanvas(const std::string& path, const std::string& firstpage, int pages, int pagewidth,
                             int pageheight)
{
    Image image = LoadImage((std::string(GetDirectoryPath(path.c_str())) + "/" + firstpage).c_str());
    fontcanvas canvas = {image.data != nullptr, image.width, image.height};
    UnloadImage(image);
    if (pages > 1) canvas = {canvas.readable, pagewidth, static_cast<long long>(pageheight) * pages};
    return canvas;
}

static std::string glyphsproblem(descriptorlines& lines, int count, const fontcanvas& canvas, int pageheight)
{
    std::string line;
    for (int i = 0; i < count; i++) {
        if (!lines.next(line)) return TextFormat("it ends before its %d glyph lines do", count);
        int id, x, y, width, height, xoffset, yoffset, xadvance, page;
        int read = sscanf(line.c_str(), "char id=%i x=%i y=%i width=%i height=%i xoffset=%i yoffset=%i xadvance=%i page=%i",
                          &id, &x, &y, &width, &height, &xoffset, &yoffset, &xadvance, &page);
        if (read != 9) return TextFormat("line %d is not a complete glyph", lines.number);
        if (!canvas.readable) continue;  // raylib copies nothing out of a picture it could not read
        long long top = y + static_cast<long long>(pageheight) * page;
        if (x < 0 || top < 0 || width < 0 || height < 0 || x + static_cast<long long>(width) > canvas.width ||
            top + height > canvas.height)
            return TextFormat("the glyph of line %d lies outside its page picture", lines.number);
    }
    return "";
}

std::string bmfontproblem(const std::string& path)
{
    std::string text = filebytes(path);
    if (text.empty()) return "";
    descriptorlines lines(text);
    std::string line;
    if (!lines.next(line) || !lines.next(line)) return "it ends before its common line";
    const char* common = fromkey(line, "lineHeight");
    if (!common) return "its second line has no lineHeight";
    int lineheight = 0, base = 0, pagewidth = 0, pageheight = 0, pages = 1;
    if (sscanf(common, "lineHeight=%i base=%i scaleW=%i scaleH=%i pages=%i", &lineheight, &base, &pagewidth,
               &pageheight, &pages) < 4)
        return "";  // raylib gives up on it by itself
    if (pages < 1) return TextFormat("it has %d pages", pages);
    pages = std::min(pages, FNT_MAXPAGES);
    if (pages > 1 && (pagewidth < 1 || pagewidth > FNT_MAXPAGESIDE || pageheight < 1 || pageheight > FNT_MAXPAGESIDE))
        return TextFormat("its pages are %d x %d", pagewidth, pageheight);

    std::string firstpage;
    for (int i = 0; i < pages; i++) {
        if (!lines.next(line)) return "it ends before its page lines do";
        const char* file = fromkey(line, "file");
        if (!file) return TextFormat("line %d names no page file", lines.number);
        char name[129] = {};
        if (sscanf(file, "file=\"%128[^\"]\"", name) < 1) return "";
        if (i == 0) firstpage = name;
    }
    if (!lines.next(line)) return "it ends before its chars line";
    const char* chars = fromkey(line, "count");
    if (!chars) return TextFormat("line %d has no glyph count", lines.number);
    int count = 0;
    if (sscanf(chars, "count=%i", &count) < 1) return "";
    if (count < 1) return TextFormat("it counts %d glyphs", count);
    return glyphsproblem(lines, count, pagecanvas(path, firstpage, pages, pagewidth, pageheight), pageheight);
}

//----------------------------------------------------------------------------------------
// TrueType fonts
//----------------------------------------------------------------------------------------

// raylib renders these characters of a TrueType font, at this height in pixels.
static const uint32_t TTF_FIRSTCHAR = 32, TTF_CHARS = 95;
static const float TTF_PIXELS = 32;
static const float TTF_MAXBITMAP = 4096;  // a glyph bitmap wider or higher than this is no glyph
static const int TTF_MAXNESTING = 16;     // composite glyphs made of composite glyphs
static const int TTF_MAXPARTS = 4096;     // outlines read for one character
static const uint32_t TTF_VERSION = 0x00010000, TTF_APPLEVERSION = 0x74727565;  // the second is "true"

// Big-endian reads inside one table of the file. A read outside it marks the window bad and
// gives 0, so that a whole walk is checked once at its end.
class tablewindow {
public:
    tablewindow(const std::string& file, uint64_t start, uint64_t length) : start(start), length(length), file(&file) {}

    uint32_t u8(uint64_t at) { return read(at, 1); }
    uint32_t u16(uint64_t at) { return read(at, 2); }
    uint32_t u32(uint64_t at) { return read(at, 4); }
    int32_t s16(uint64_t at) { return static_cast<int16_t>(read(at, 2)); }
    bool fits(uint64_t at, uint64_t count) const { return at <= length && count <= length - at; }

    uint64_t start, length;
    bool bad = false;

private:
    uint32_t read(uint64_t at, int count)
    {
        if (!fits(at, count)) {
            bad = true;
            return 0;
        }
        uint32_t value = 0;
        for (int i = 0; i < count; i++) value = value << 8 | static_cast<unsigned char>((*file)[start + at + i]);
        return value;
    }

    const std::string* file;
};

// A font as stb_truetype reads it: by the first directory record of each table.
struct truetype {
    const std::string& file;
    std::map<std::string, tablewindow> tables;
    uint32_t glyphs = 0;
    uint32_t locformat = 0;
    uint32_t longmetrics = 0;
    float scale = 0;
    int parts = 0;  // outlines read for the current character

    // A table stb_truetype finds: it takes a table at offset 0 for a missing one.
    tablewindow* table(const char* tag)
    {
        auto found = tables.find(tag);
        return found == tables.end() || found->second.start == 0 ? nullptr : &found->second;
    }
};

static std::string directoryproblem(truetype& font)
{
    static const uint64_t DIRECTORY = 12, RECORD = 16;
    tablewindow whole(font.file, 0, font.file.size());
    if (!whole.fits(0, DIRECTORY)) return "it is too short to be a font";
    uint32_t version = whole.u32(0);
    if (version != TTF_VERSION && version != TTF_APPLEVERSION) return "it is not a TrueType font";
    uint32_t count = whole.u16(4);
    if (!whole.fits(DIRECTORY, count * RECORD)) return "its table directory runs past the end of the file";
    for (uint32_t i = 0; i < count; i++) {
        uint64_t record = DIRECTORY + i * RECORD;
        std::string tag = font.file.substr(record, 4);
        uint64_t offset = whole.u32(record + 8), length = whole.u32(record + 12);
        if (!whole.fits(offset, length)) return "its " + tag + " table runs past the end of the file";
        font.tables.emplace(tag, tablewindow(font.file, offset, length));
    }
    return "";
}

// The last Unicode subtable of the character map, the one stb_truetype uses.
static bool unicodesubtable(tablewindow& cmap, uint64_t& subtable)
{
    static const uint32_t UNICODE = 0, MICROSOFT = 3, MS_BMP = 1, MS_FULL = 10;
    bool found = false;
    uint32_t records = cmap.u16(2);
    for (uint32_t i = 0; i < records; i++) {
        uint64_t record = 4 + i * 8ull;
        uint32_t platform = cmap.u16(record), encoding = cmap.u16(record + 2);
        if (platform == UNICODE || (platform == MICROSOFT && (encoding == MS_BMP || encoding == MS_FULL))) {
            subtable = cmap.u32(record + 4);
            found = true;
        }
    }
    return found;
}

// Segment mapping: stb_truetype's binary search over the segments, read for read.
static uint32_t segmentglyph(tablewindow& cmap, uint64_t subtable, uint32_t c)
{
    uint32_t segments = cmap.u16(subtable + 6) >> 1;
    uint32_t range = cmap.u16(subtable + 8) >> 1;
    uint32_t selector = cmap.u16(subtable + 10);
    uint32_t shift = cmap.u16(subtable + 12) >> 1;
    uint64_t ends = subtable + 14, search = ends;
    if (c >= cmap.u16(search + shift * 2)) search += shift * 2;
    search -= 2;
    for (; selector > 0 && !cmap.bad; selector--) {
        range >>= 1;
        if (c > cmap.u16(search + range * 2)) search += range * 2;
    }
    search += 2;
    uint64_t item = static_cast<uint16_t>((search - ends) >> 1);
    uint64_t starts = ends + segments * 2 + 2, deltas = ends + segments * 4 + 2, offsets = ends + segments * 6 + 2;
    uint32_t start = cmap.u16(starts + 2 * item), last = cmap.u16(ends + 2 * item);
    if (c < start || c > last) return 0;
    uint32_t offset = cmap.u16(offsets + 2 * item);
    if (offset == 0) return static_cast<uint16_t>(c + cmap.s16(deltas + 2 * item));
    return cmap.u16(offset + (c - start) * 2 + offsets + 2 * item);
}

// Group mapping: the binary search over the groups.
static uint32_t groupglyph(tablewindow& cmap, uint64_t subtable, uint32_t c, bool ranged)
{
    int32_t low = 0, high = static_cast<int32_t>(cmap.u32(subtable + 12));
    while (low < high && !cmap.bad) {
        int32_t middle = low + ((high - low) >> 1);
        uint64_t group = subtable + 16 + middle * 12ull;
        uint32_t first = cmap.u32(group), last = cmap.u32(group + 4);
        if (c < first) high = middle;
        else if (c > last) low = middle + 1;
        else return ranged ? cmap.u32(group + 8) + c - first : cmap.u32(group + 8);
    }
    return 0;
}

// The glyph stb_truetype finds for a character, as it reads the subtable.
static uint32_t glyphof(tablewindow& cmap, uint64_t subtable, uint32_t c)
{
    switch (cmap.u16(subtable)) {
    case 0: {
        uint32_t bytes = cmap.u16(subtable + 2);
        return c + 6 < bytes ? cmap.u8(subtable + 6 + c) : 0;
    }
    case 4: return segmentglyph(cmap, subtable, c);
    case 6: {
        uint32_t first = cmap.u16(subtable + 6), count = cmap.u16(subtable + 8);
        return c >= first && c < first + count ? cmap.u16(subtable + 10 + (c - first) * 2) : 0;
    }
    case 12: return groupglyph(cmap, subtable, c, true);
    case 13: return groupglyph(cmap, subtable, c, false);
    default: return 0;
    }
}

static std::string outlineproblem(truetype& font, uint32_t glyph, int nesting);

// A simple outline: the last point of each contour, instructions, then a flag and two
// coordinates per point, each coordinate 0, 1 or 2 bytes long as the flag says.
static bool simpleoutline(tablewindow& outline, int contours)
{
    uint32_t last = 0;
    for (int i = 0; i < contours; i++) {
        uint32_t end = outline.u16(10 + i * 2ull);
        if (i > 0 && end <= last) return false;  // the contours would be read past their list
        last = end;
    }
    uint64_t at = 10 + contours * 2ull;
    at += 2 + outline.u16(at);
    std::vector<uint8_t> flags(last + 1);
    for (size_t i = 0, repeat = 0; i < flags.size(); i++) {
        if (repeat > 0) {
            flags[i] = flags[i - 1];
            repeat--;
            continue;
        }
        flags[i] = static_cast<uint8_t>(outline.u8(at++));
        if (flags[i] & 8) repeat = outline.u8(at++);
    }
    for (uint8_t f : flags) at += (f & 2) ? 1 : (f & 16) ? 0 : 2;
    for (uint8_t f : flags) at += (f & 4) ? 1 : (f & 32) ? 0 : 2;
    return !outline.bad && outline.fits(0, at);
}

// A composite outline: parts, each another glyph placed by offsets and a transform.
static std::string compositeproblem(truetype& font, tablewindow& outline, uint32_t glyph, int nesting)
{
    static const uint32_t WORDS = 1, OFFSETS = 2, SCALE = 8, MORE = 32, XYSCALE = 64, TWOBYTWO = 128;
    uint64_t at = 10;
    for (bool more = true; more;) {
        uint32_t flags = outline.u16(at), part = outline.u16(at + 2);
        at += 4;
        if (flags & OFFSETS) at += (flags & WORDS) ? 4 : 2;
        at += (flags & SCALE) ? 2 : (flags & XYSCALE) ? 4 : (flags & TWOBYTWO) ? 8 : 0;
        more = flags & MORE;
        if (outline.bad || !outline.fits(0, at)) return TextFormat("glyph %u runs past its outline", glyph);
        std::string problem = outlineproblem(font, part, nesting + 1);
        if (!problem.empty()) return problem;
    }
    return "";
}

// What stb_truetype reads of a glyph's outline, and the size of the bitmap it makes of it.
static std::string outlineproblem(truetype& font, uint32_t glyph, int nesting)
{
    if (glyph >= font.glyphs || font.locformat > 1) return "";  // stb_truetype reads no outline
    if (nesting > TTF_MAXNESTING || ++font.parts > TTF_MAXPARTS)
        return TextFormat("glyph %u is made of too many nested parts", glyph);
    tablewindow& loca = *font.table("loca");
    uint64_t entry = font.locformat == 0 ? 2 : 4;
    uint64_t begin = font.locformat == 0 ? loca.u16(glyph * entry) * 2ull : loca.u32(glyph * entry);
    uint64_t end = font.locformat == 0 ? loca.u16(glyph * entry + entry) * 2ull : loca.u32(glyph * entry + entry);
    if (loca.bad) return TextFormat("glyph %u is not in the loca table", glyph);
    if (begin == end) return "";  // an empty glyph
    tablewindow& glyf = *font.table("glyf");
    if (end < begin || !glyf.fits(begin, end - begin)) return TextFormat("glyph %u lies outside the glyf table", glyph);
    tablewindow outline(font.file, glyf.start + begin, end - begin);
    int contours = outline.s16(0);
    float x0 = outline.s16(2), y0 = outline.s16(4), x1 = outline.s16(6), y1 = outline.s16(8);
    if (outline.bad) return TextFormat("glyph %u is too short", glyph);
    float width = std::ceil(x1 * font.scale) - std::floor(x0 * font.scale);
    float height = std::ceil(-y0 * font.scale) - std::floor(-y1 * font.scale);
    // A box drawn backwards gives a negative size, which stb_truetype multiplies into the
    // byte count of the bitmap it allocates.
    if (nesting == 0 && !(width >= 0 && width <= TTF_MAXBITMAP && height >= 0 && height <= TTF_MAXBITMAP))
        return TextFormat("glyph %u is %.0f x %.0f pixels", glyph, width, height);
    if (contours > 0 && !simpleoutline(outline, contours)) return TextFormat("glyph %u runs past its outline", glyph);
    if (contours < 0) return compositeproblem(font, outline, glyph, nesting);
    return "";
}

// Horizontal metrics: a long record per glyph up to longmetrics, then side bearings only.
static bool metricsfit(truetype& font, uint32_t glyph)
{
    tablewindow& hmtx = *font.table("hmtx");
    if (glyph < font.longmetrics) return hmtx.fits(glyph * 4ull, 4);
    return hmtx.fits((font.longmetrics - 1) * 4ull, 2) && hmtx.fits(font.longmetrics * 4ull + (glyph - font.longmetrics) * 2ull, 2);
}

// The fixed fields stb_truetype reads, then everything it reads for each character.
static std::string tablesproblem(truetype& font)
{
    tablewindow *cmap = font.table("cmap"), *head = font.table("head"), *hhea = font.table("hhea"),
                *maxp = font.table("maxp");
    if (!cmap || !head || !hhea || !font.table("hmtx")) return "";  // stb_truetype refuses it by itself
    if (!font.table("glyf")) return font.table("CFF ") ? "it has PostScript outlines, not TrueType ones" : "";
    if (!font.table("loca")) return "";
    if (!head->fits(0, 54) || !hhea->fits(0, 36) || (maxp && !maxp->fits(0, 6)))
        return "its head, hhea or maxp table is too short";
    font.glyphs = maxp ? maxp->u16(4) : 0xffff;
    font.locformat = head->u16(50);
    font.longmetrics = hhea->u16(34);
    int ascent = hhea->s16(4), descent = hhea->s16(6);
    if (ascent == descent) return "its ascent and descent are the same";
    if (font.longmetrics == 0) return "it has no horizontal metrics";
    font.scale = TTF_PIXELS / (ascent - descent);

    uint64_t subtable = 0;
    bool mapped = unicodesubtable(*cmap, subtable);
    if (cmap->bad) return "its character map runs past its table";
    if (!mapped) return "";
    for (uint32_t c = TTF_FIRSTCHAR; c < TTF_FIRSTCHAR + TTF_CHARS; c++) {
        uint32_t glyph = glyphof(*cmap, subtable, c);
        if (cmap->bad) return "its character map runs past its table";
        if (glyph == 0) continue;
        if (!metricsfit(font, glyph)) return TextFormat("the metrics of glyph %u run past the hmtx table", glyph);
        font.parts = 0;
        std::string problem = outlineproblem(font, glyph, 0);
        if (!problem.empty()) return problem;
    }
    return "";
}

std::string truetypeproblem(const std::string& bytes)
{
    if (bytes.empty()) return "";
    truetype font = {bytes, {}};
    std::string problem = directoryproblem(font);
    return problem.empty() ? tablesproblem(font) : problem;
}

//----------------------------------------------------------------------------------------
// OBJ models
//----------------------------------------------------------------------------------------

static const size_t OBJ_MAXLINE = 4095;   // raylib's OBJ reader copies each line into 4096 bytes
static const int OBJ_MAXCORNERS = 7;      // and keeps the triangles of one face in 16 corners

// The index of a face corner as raylib's OBJ reader reads it: a sign and digits, no digits
// meaning 0. A number too big for an int is refused.
static bool objindex(const char*& at, long long& value)
{
    int sign = 1;
    if (*at == '+' || *at == '-') sign = *at++ == '-' ? -1 : 1;
    value = 0;
    while (*at >= '0' && *at <= '9') {
        value = value * 10 + (*at++ - '0');
        if (value > INT32_MAX) return false;
    }
    value *= sign;
    while (*at && *at != '/' && *at != ' ' && *at != '\t' && *at != '\r') at++;
    return true;
}

struct objcorner {
    long long v, vt, vn;
    bool hasvt, hasvn;
    long long vcount, vtcount, vncount;  // of each kind before the face: negative indexes count back from there
};

// One corner: "v", "v/vt", "v//vn" or "v/vt/vn", read the way raylib's reader does.
static bool objcornerat(const char*& at, objcorner& corner)
{
    corner.hasvt = corner.hasvn = false;
    if (!objindex(at, corner.v)) return false;
    if (*at != '/') return true;
    at++;
    if (*at == '/') {
        at++;
        corner.hasvn = true;
        return objindex(at, corner.vn);
    }
    corner.hasvt = true;
    if (!objindex(at, corner.vt)) return false;
    if (*at != '/') return true;
    at++;
    corner.hasvn = true;
    return objindex(at, corner.vn);
}

// An index made zero-based as raylib's reader does; count is how many came before the face.
static long long objfixed(long long index, long long count) { return index > 0 ? index - 1 : index == 0 ? 0 : count + index; }

static std::string objcornersproblem(const std::vector<std::pair<int, objcorner>>& corners, long long v, long long vt,
                                     long long vn)
{
    for (const auto& [line, c] : corners) {
        long long vertex = objfixed(c.v, c.vcount);
        if (vertex < 0 || vertex >= v)
            return TextFormat("line %d names vertex %lld of %lld", line, c.v, v);
        // Texture coordinates and normals that resolve below 0 are skipped by raylib.
        long long t = objfixed(c.vt, c.vtcount), n = objfixed(c.vn, c.vncount);
        if (c.hasvt && t >= 0 && t >= vt) return TextFormat("line %d names texture coordinate %lld of %lld", line, c.vt, vt);
        if (c.hasvn && n >= 0 && n >= vn) return TextFormat("line %d names normal %lld of %lld", line, c.vn, vn);
    }
    return "";
}

// The lines of the text as raylib's reader splits them: at line feeds, and at carriage
// returns not followed by a line feed.
static std::vector<std::string> objlines(const std::string& text)
{
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); i++) {
        bool lone = text[i] == '\r' && i + 1 < text.size() && text[i + 1] != '\n';
        if (text[i] == '\n' || lone) lines.emplace_back();
        else lines.back() += text[i];
    }
    return lines;
}

std::string objproblem(const std::string& bytes)
{
    if (bytes.empty()) return "";
    std::string text = bytes.substr(0, bytes.find('\0'));  // raylib reads the model as a C string
    if (text.empty()) return "it starts with a zero byte";
    if (text.find("\r\r") != std::string::npos) return "it has two carriage returns in a row";
    long long v = 0, vt = 0, vn = 0;
    std::vector<std::pair<int, objcorner>> corners;
    std::vector<std::string> lines = objlines(text);
    for (size_t i = 0; i < lines.size(); i++) {
        int number = static_cast<int>(i + 1);
        const std::string& line = lines[i];
        if (line.size() > OBJ_MAXLINE) return TextFormat("line %d is longer than %zu bytes", number, OBJ_MAXLINE);
        const char* at = line.c_str();
        while (*at == ' ' || *at == '\t') at++;
        auto statement = [&](const char* word) {
            size_t n = strlen(word);
            return strncmp(at, word, n) == 0 && (at[n] == ' ' || at[n] == '\t');
        };
        if (statement("v")) v++;
        else if (statement("vt")) vt++;
        else if (statement("vn")) vn++;
        if (!statement("f")) continue;
        at += 2;
        int count = 0;
        while (*at == ' ' || *at == '\t') at++;
        while (*at && *at != '\r') {
            objcorner corner = {0, 0, 0, false, false, v, vt, vn};
            if (!objcornerat(at, corner)) return TextFormat("line %d has an index too big for a number", number);
            corners.emplace_back(number, corner);
            if (++count > OBJ_MAXCORNERS) return TextFormat("line %d has a face of more than %d corners", number, OBJ_MAXCORNERS);
            while (*at == ' ' || *at == '\t' || *at == '\r') at++;
        }
    }
    return objcornersproblem(corners, v, vt, vn);
}

//----------------------------------------------------------------------------------------
// Loading
//----------------------------------------------------------------------------------------

Font loadcheckedfont(const char* path)
{
    std::string problem;
    if (IsFileExtension(path, ".fnt")) problem = bmfontproblem(path);
    else if (IsFileExtension(path, ".ttf")) problem = truetypeproblem(filebytes(path));
    if (problem.empty()) return LoadFont(path);
    error("font %s cannot be used: %s; raylib's default font stands in", path, problem.c_str());
    return GetFontDefault();
}

Model loadcheckedmodel(const char* path)
{
    std::string problem = objproblem(filebytes(path));
    if (problem.empty()) return LoadModel(path);
    error("model %s cannot be used: %s; nothing of it is drawn", path, problem.c_str());
    Model empty = {};
    empty.transform = MatrixIdentity();
    return empty;
}

// paintmap: turns a picture painted in the colours of "tilemap.bmp" back into the painted map
// "coolworld.png" that the game reads.
//
//   paintmap <picture> <tilesheetl4.png> <coolworld.png out>
//
// When the game ends it saves its world as tilemap.bmp, each tile of id t in the colour of
// pixel t of the l4 tile sheet, whose first 256 pixels are all different. This reads such a
// picture, edited or not, and writes each pixel's tile id as one grey byte, so an unedited
// picture gives back exactly the map it was saved from. A picture of the wrong size, or with
// colours that are no tile's (listed with their positions), is refused and nothing is
// written. The map is first written beside its destination and then moved over it, so a
// failed write leaves the old map as it was.
#include <raylib.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int SIDE = 1024;          // tiles per edge of the world
constexpr int TILEKINDS = 256;      // one palette colour per tile id
constexpr int LISTEDPOSITIONS = 20; // unknown colours shown one by one; the rest are counted

using palette = std::unordered_map<uint32_t, uint8_t>;  // 0xRRGGBB to tile id

uint32_t rgbkey(Color c) { return static_cast<uint32_t>(c.r) << 16 | static_cast<uint32_t>(c.g) << 8 | c.b; }

std::string hexcolour(uint32_t rgb)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgb));
    return text;
}

[[noreturn]] void refuse(const std::string& why)
{
    std::fprintf(stderr, "paintmap: %s\n", why.c_str());
    std::exit(1);
}

// The picture at path as 8-bit RGBA, or one line saying why it cannot be read.
Image readpicture(const char* path)
{
    FILE* file = std::fopen(path, "rb");
    if (!file) refuse(std::string("cannot read ") + path + ": " + std::strerror(errno));
    std::fclose(file);
    Image image = LoadImage(path);
    if (!image.data) refuse(std::string(path) + " is not a PNG or BMP picture");
    ImageFormat(&image, PIXELFORMAT_UNCOMPRESSED_R8G8B8A8);
    return image;
}

// The first 256 pixels of the sheet, row by row, each to its tile id. Two ids of one colour
// could not be told apart, so such a sheet is refused.
palette readpalette(const char* path)
{
    Image sheet = readpicture(path);
    if (sheet.width * sheet.height < TILEKINDS)
        refuse(std::string(path) + " has " + std::to_string(sheet.width * sheet.height) +
               " pixels, fewer than the 256 colours of the tile ids");
    const Color* pixels = static_cast<const Color*>(sheet.data);
    palette colours;
    for (int id = 0; id < TILEKINDS; id++) {
        auto [entry, added] = colours.emplace(rgbkey(pixels[id]), static_cast<uint8_t>(id));
        if (!added)
            refuse(std::string(path) + " gives tile ids " + std::to_string(entry->second) + " and " + std::to_string(id) +
                   " the same colour " + hexcolour(entry->first) + ", so they cannot be told apart");
    }
    UnloadImage(sheet);
    return colours;
}

// One tile id per pixel, row 0 first. Colours in no palette entry refuse the whole picture,
// listed with their positions as an image editor shows them (column, row from the top).
std::vector<uint8_t> tileids(const Image& picture, const palette& colours, const char* path)
{
    const Color* pixels = static_cast<const Color*>(picture.data);
    std::vector<uint8_t> ids(static_cast<size_t>(SIDE) * SIDE);
    std::string listed;
    long unknown = 0;
    for (size_t k = 0; k < ids.size(); k++) {
        auto entry = colours.find(rgbkey(pixels[k]));
        if (entry != colours.end()) {
            ids[k] = entry->second;
            continue;
        }
        if (++unknown <= LISTEDPOSITIONS)
            listed += "  column " + std::to_string(k % SIDE) + ", row " + std::to_string(k / SIDE) + ": " +
                      hexcolour(rgbkey(pixels[k])) + "\n";
    }
    if (unknown > 0) {
        if (unknown > LISTEDPOSITIONS) listed += "  and " + std::to_string(unknown - LISTEDPOSITIONS) + " more\n";
        std::fprintf(stderr, "paintmap: %ld pixels of %s have a colour that is no tile's; nothing was written:\n%s",
                     unknown, path, listed.c_str());
        std::exit(1);
    }
    return ids;
}

// Writes the ids as a 1024 x 1024 grayscale PNG at path, through a file beside it.
void writemap(std::vector<uint8_t>& ids, const char* path)
{
    Image map = {ids.data(), SIDE, SIDE, 1, PIXELFORMAT_UNCOMPRESSED_GRAYSCALE};
    int size = 0;
    unsigned char* png = ExportImageToMemory(map, ".png", &size);
    if (!png) refuse("cannot encode the map as PNG");
    std::string partial = std::string(path) + ".part";
    FILE* file = std::fopen(partial.c_str(), "wb");
    if (!file) refuse("cannot write " + partial + ": " + std::strerror(errno));
    bool written = std::fwrite(png, 1, size, file) == static_cast<size_t>(size);
    written = std::fclose(file) == 0 && written;
    MemFree(png);
    if (!written || std::rename(partial.c_str(), path) != 0) {
        std::string why = std::strerror(errno);
        std::remove(partial.c_str());
        refuse(std::string("cannot write ") + path + ": " + why);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <picture> <tilesheetl4.png> <coolworld.png out>\n", GetFileName(argv[0]));
        return 2;
    }
    const char *picturepath = argv[1], *sheetpath = argv[2], *mappath = argv[3];
    SetTraceLogLevel(LOG_NONE);  // every failure is told in one line of our own
    Image picture = readpicture(picturepath);
    if (picture.width != SIDE || picture.height != SIDE)
        refuse(std::string(picturepath) + " is " + std::to_string(picture.width) + " x " +
               std::to_string(picture.height) + " pixels; a map is 1024 x 1024");
    palette colours = readpalette(sheetpath);
    std::vector<uint8_t> ids = tileids(picture, colours, picturepath);
    UnloadImage(picture);
    writemap(ids, mappath);
    std::printf("paintmap: wrote %s\n", mappath);
    return 0;
}

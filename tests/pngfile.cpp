// PNG files written by hand for tests. See pngfile.h.
#include "pngfile.h"

#include <algorithm>
#include <raylib.h>

static void put32(std::string& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xff);
}

static void pngchunk(std::string& out, const char* type, const std::string& body)
{
    put32(out, static_cast<uint32_t>(body.size()));
    std::string typed = std::string(type) + body;
    out += typed;
    put32(out, ComputeCRC32(reinterpret_cast<unsigned char*>(typed.data()), static_cast<int>(typed.size())));
}

std::string sixteenbitpng(const std::vector<uint8_t>& grid, int side)
{
    std::string raw;
    for (int z = 0; z < side; z++) {
        raw += '\0';  // no filter
        for (int x = 0; x < side; x++) raw += {static_cast<char>(grid[z * side + x]), '\x5a'};
    }
    std::string zlib = "\x78\x01";
    const size_t BLOCK = 65535;
    for (size_t at = 0; at < raw.size(); at += BLOCK) {
        size_t length = std::min(BLOCK, raw.size() - at);
        zlib += static_cast<char>(at + length == raw.size() ? 1 : 0);
        zlib += {static_cast<char>(length & 0xff), static_cast<char>(length >> 8)};
        zlib += {static_cast<char>(~length & 0xff), static_cast<char>((~length >> 8) & 0xff)};
        zlib.append(raw, at, length);
    }
    uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    put32(zlib, (b << 16) | a);

    std::string header;
    put32(header, side);
    put32(header, side);
    header += {16, 0, 0, 0, 0};  // bit depth 16, grayscale, deflate, no filter, no interlace
    std::string png = "\x89PNG\r\n\x1a\n";
    pngchunk(png, "IHDR", header);
    pngchunk(png, "IDAT", zlib);
    pngchunk(png, "IEND", "");
    return png;
}

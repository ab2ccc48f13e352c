// io: number formatting and the BMP writer. See io.h.
#include "io.h"

#include "../term.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

void format_number(long long num, char* buffer)
{
    char digits[24];
    int n = snprintf(digits, sizeof digits, "%lld", num);
    char* out = buffer;
    *out++ = digits[0];
    for (int i = 1; i < n; i++) {
        if ((n - i) % 3 == 0) *out++ = '\'';
        *out++ = digits[i];
    }
    *out = '\0';
}

static const int BMP_HEADER_SIZE = 54;
static const int BMP_INFO_SIZE = 40;
static const int BMP_PIXELS_PER_METRE = 2835;  // 72 dots per inch

static void put16(unsigned char* at, uint32_t value)
{
    at[0] = value & 0xff;
    at[1] = (value >> 8) & 0xff;
}

static void put32(unsigned char* at, uint32_t value)
{
    put16(at, value);
    put16(at + 2, value >> 16);
}

// Each row holds three bytes a pixel, padded to a multiple of four.
static uint64_t rowbytes(int width) { return (static_cast<uint64_t>(width) * 3 + 3) & ~uint64_t(3); }

// Every size goes into the header's signed 32-bit fields.
long long bmpfilesize(int width, int height)
{
    if (width <= 0 || height <= 0) return 0;
    uint64_t size = BMP_HEADER_SIZE + rowbytes(width) * static_cast<uint64_t>(height);
    return size > INT32_MAX ? 0 : static_cast<long long>(size);
}

void savebmp(const char* filename, unsigned char* data, int width, int height)
{
    long long filesize = bmpfilesize(width, height);
    if (filesize == 0) {
        warning("%s not written: a %d x %d picture cannot be saved as a BMP", filename, width, height);
        return;
    }
    FILE* file = fopen(filename, "wb");
    if (!file) return;
    uint64_t rowpad = rowbytes(width);

    unsigned char header[BMP_HEADER_SIZE] = {'B', 'M'};
    put32(header + 2, static_cast<uint32_t>(filesize));
    put32(header + 10, BMP_HEADER_SIZE);
    put32(header + 14, BMP_INFO_SIZE);
    put32(header + 18, static_cast<uint32_t>(width));
    put32(header + 22, static_cast<uint32_t>(height));
    put16(header + 26, 1);
    put16(header + 28, 24);
    put32(header + 38, BMP_PIXELS_PER_METRE);
    put32(header + 42, BMP_PIXELS_PER_METRE);
    fwrite(header, 1, sizeof header, file);

    // Rows go bottom-up, each pixel as blue, green, red, each row padded to 4 bytes.
    unsigned char* row = static_cast<unsigned char*>(calloc(rowpad, 1));
    for (int y = height - 1; y >= 0; y--) {
        const unsigned char* in = data + static_cast<size_t>(y) * width * 3;
        for (int x = 0; x < width; x++) {
            row[x * 3] = in[x * 3 + 2];
            row[x * 3 + 1] = in[x * 3 + 1];
            row[x * 3 + 2] = in[x * 3];
        }
        fwrite(row, 1, rowpad, file);
    }
    free(row);
    fclose(file);
}

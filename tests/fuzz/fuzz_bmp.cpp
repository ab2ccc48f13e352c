// Fuzzing the BMP writer's size handling: any width and height either give a file of the
// announced size or no file at all.
#include "game/io.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

static const long long LARGEST_WRITTEN = 1 << 20;  // bigger files are checked by size only

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 8) return 0;
    int32_t width, height;
    memcpy(&width, data, 4);
    memcpy(&height, data + 4, 4);
    const char* file = "fuzz.bmp";
    unlink(file);
    long long filesize = bmpfilesize(width, height);
    if (filesize > LARGEST_WRITTEN) return 0;
    std::vector<unsigned char> pixels(filesize ? static_cast<size_t>(width) * height * 3 : 0);
    size_t rest = size - 8;
    for (size_t i = 0; i < pixels.size(); i++) pixels[i] = rest ? data[8 + i % rest] : 0;
    savebmp(file, pixels.empty() ? nullptr : pixels.data(), width, height);
    struct stat written;
    bool exists = stat(file, &written) == 0;
    if (exists != (filesize > 0) || (exists && written.st_size != filesize)) abort();
    return 0;
}

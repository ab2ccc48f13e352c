// Fuzzing the settings file reader with arbitrary file contents.
#include "config.h"

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static config settings;
    FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "r");
    if (!file) return 0;
    settings.read(file);
    fclose(file);
    return 0;
}

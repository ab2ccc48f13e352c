// Fuzzing the check of an OBJ model with arbitrary file contents: it must say yes or no
// about anything without reading out of bounds.
#include "game/loadcheck.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    objproblem(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}

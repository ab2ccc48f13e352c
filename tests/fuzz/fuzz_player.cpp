// Fuzzing the player definition reader with arbitrary file contents.
#include "game/scenes/entity.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static entity player;
    player.define(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}

// PNG files the decoder would misread, written by hand for tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A valid 16-bit grayscale PNG of side x side pixels whose samples' high bytes are the bytes
// of grid, row by row: the decoder would take it for an 8-bit picture of that grid.
// Stored (uncompressed) deflate blocks.
std::string sixteenbitpng(const std::vector<uint8_t>& grid, int side);

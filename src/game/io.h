// io: number formatting for the logs and the BMP writer.
#pragma once

// Writes num in decimal with an apostrophe between groups of three digits ("1'234'567").
// The sign counts as a digit position ("-'123"). 27 bytes hold every 64-bit value.
void format_number(long long num, char* buffer);

// The size of the BMP file of a width x height picture, or 0 when the format cannot hold it
// (a size that is not positive, or a file over 2 GiB).
long long bmpfilesize(int width, int height);

// Writes a 24-bit uncompressed BMP from tightly packed RGB rows, top row first. Nothing is
// written for a size that is not positive or whose file would not fit the format.
void savebmp(const char* filename, unsigned char* data, int width, int height);

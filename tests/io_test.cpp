// Number grouping for the logs and the BMP writer.
#include "game/io.h"
#include "harness.h"

#include <climits>
#include <unistd.h>
#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(FormatNumber, GroupsDigitsInThrees)
{
    struct {
        long long number;
        const char* text;
    } cases[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1'000"},
        {1234567, "1'234'567"},
        {-1234, "-1'234"},
        {-123, "-'123"},
        {LLONG_MAX, "9'223'372'036'854'775'807"},
        {LLONG_MIN, "-9'223'372'036'854'775'808"},
    };
    for (const auto& c : cases) {
        char buffer[32];
        format_number(c.number, buffer);
        EXPECT_STREQ(buffer, c.text);
    }
    char buffer[32];
    format_number(LLONG_MIN, buffer);
    EXPECT_EQ(std::string(buffer).size(), 26u);
}

std::vector<unsigned char> bytes(const std::string& text) { return {text.begin(), text.end()}; }

uint32_t read32(const std::vector<unsigned char>& b, size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

class SaveBmp : public ::testing::Test {
protected:
    void SetUp() override { harness::scratchdir(); }
};

TEST_F(SaveBmp, OneRedPixelByteForByte)
{
    unsigned char red[] = {255, 0, 0};
    savebmp("one.bmp", red, 1, 1);
    std::vector<unsigned char> expected = {
        'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                     // file header
        40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,       // size, planes, depth
        0, 0, 0, 0, 0x13, 0x0b, 0, 0, 0x13, 0x0b, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0, 0, 255, 0,                                                       // blue, green, red, pad
    };
    EXPECT_EQ(bytes(harness::readfile("one.bmp")), expected);
}

TEST_F(SaveBmp, RowsArePaddedToFourBytes)
{
    for (int width : {4, 5}) {
        SCOPED_TRACE(width);
        std::vector<unsigned char> pixels(width * 2 * 3, 7);
        savebmp("pad.bmp", pixels.data(), width, 2);
        std::vector<unsigned char> file = bytes(harness::readfile("pad.bmp"));
        size_t rowpad = width == 4 ? 12 : 16;
        ASSERT_EQ(file.size(), 54 + 2 * rowpad);
        EXPECT_EQ(read32(file, 2), file.size());
        for (size_t row = 0; row < 2; row++)
            for (size_t i = width * 3; i < rowpad; i++) EXPECT_EQ(file[54 + row * rowpad + i], 0);
    }
}

TEST_F(SaveBmp, BottomRowComesFirst)
{
    unsigned char pixels[] = {255, 0, 0, 255, 0, 0,   // top row red
                              0, 0, 255, 0, 0, 255};  // bottom row blue
    savebmp("rows.bmp", pixels, 2, 2);
    std::vector<unsigned char> file = bytes(harness::readfile("rows.bmp"));
    ASSERT_EQ(file.size(), 54u + 16);
    std::vector<unsigned char> first(file.begin() + 54, file.begin() + 60);
    std::vector<unsigned char> second(file.begin() + 62, file.begin() + 68);
    EXPECT_EQ(first, (std::vector<unsigned char>{255, 0, 0, 255, 0, 0}));   // blue, as b, g, r
    EXPECT_EQ(second, (std::vector<unsigned char>{0, 0, 255, 0, 0, 255}));  // red
}

// Sizes that are not positive, or whose file would not fit the header's fields, write
// nothing and read nothing from the buffer.
TEST_F(SaveBmp, ImpossibleSizesWriteNothing)
{
    unsigned char pixel[3] = {};
    struct {
        int width, height;
    } cases[] = {{0, 1}, {1, 0}, {-1, 5}, {5, -1}, {INT_MAX, 1}, {1, INT_MAX}, {100000, 100000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        savebmp("none.bmp", pixel, c.width, c.height);
        EXPECT_NE(access("none.bmp", F_OK), 0);
    }
}

}  // namespace

// The console log: which function prints at which verbosity, and exactly what.
#include "harness.h"
#include "term.h"

#include <gtest/gtest.h>

namespace {

const std::string RESET = "\x1b[0m\n";

struct Channel {
    const char* name;
    void (*log)(const char*, ...);
    std::string prefix, suffix;
    bool shown[5];  // at verbosities -1, 0, 1, 4, 5
};

const Channel CHANNELS[] = {
    {"echo", echo, "", "\n", {false, false, false, true, false}},
    {"warning", warning, "\x1b[33m", RESET, {false, false, true, true, true}},
    {"error", error, "\x1b[1m\x1b[31m", RESET, {false, true, true, true, true}},
    {"success", success, "\x1b[32m", RESET, {false, false, false, true, true}},
    {"message", message, "\x1b[1m\x1b[37m", RESET, {false, false, false, true, true}},
    {"fatal", fatal, "\x1b[1m\x1b[37m\x1b[41m", RESET, {true, true, true, true, true}},
};

const int VERBOSITIES[] = {-1, 0, 1, 4, 5};

class Log : public ::testing::Test {
protected:
    void TearDown() override { level.setvalue(1); }
};

TEST_F(Log, EachFunctionAtEachVerbosity)
{
    for (const Channel& channel : CHANNELS) {
        for (int i = 0; i < 5; i++) {
            SCOPED_TRACE(testing::Message() << channel.name << " at " << VERBOSITIES[i]);
            level.setvalue(VERBOSITIES[i]);
            std::string output = harness::capturestdout([&] { channel.log("%s %s %d", "a", "b", 7); });
            EXPECT_EQ(output, channel.shown[i] ? channel.prefix + "a b 7" + channel.suffix : "");
        }
    }
}

TEST_F(Log, TheBannerAtTheGamesVerbosity)
{
    std::string output = harness::capturestdout([] { startup("vellmoran", "0.03g"); });
    EXPECT_EQ(output, "\x1b[33mbe warned that" + RESET + "\x1b[1m\x1b[31mERRORS MIGHT OCCUR!!!" + RESET);
}

}  // namespace

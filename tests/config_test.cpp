// The settings file: what each kind of line does to the settings, and what is written back.
#include "config.h"
#include "harness.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using harness::readfile;
using harness::writefile;

namespace {

const std::string DEFAULT_TEXT = harness::savedsettings();

class ConfigTest : public ::testing::Test {
protected:
    void SetUp() override { harness::scratchdir(); }
};

TEST_F(ConfigTest, NoFileGivesDefaultsAndWritesTheDefaultText)
{
    config c;
    EXPECT_TRUE(c.firstlaunch);
    EXPECT_TRUE(c.internalres);
    EXPECT_EQ(c.fov, 80);
    c.save();
    EXPECT_EQ(readfile("save.cfg"), DEFAULT_TEXT);
}

struct LoadCase {
    const char* name;
    const char* file;
    void (*check)(const config&);
};

const LoadCase LOAD_CASES[] = {
    {"scale zero is still true", "gr.scale=0\n", [](const config& c) { EXPECT_TRUE(c.scale); }},
    {"space before = is another key", "gr.fov =90\n", [](const config& c) { EXPECT_EQ(c.fov, 80); }},
    {"capitalised True is false", "gr.internalres=True\n", [](const config& c) { EXPECT_FALSE(c.internalres); }},
    {"1 is false for a boolean", "gr.internalres=1\n", [](const config& c) { EXPECT_FALSE(c.internalres); }},
    {"true sets a boolean", "health.sleep=true\nhealth.break=true\n",
     [](const config& c) { EXPECT_TRUE(c.healthsleep && c.healthbreak); }},
    {"carriage returns make booleans false, numbers still read", "gr.internalres=true\r\ngr.fov=90\r\n",
     [](const config& c) {
         EXPECT_FALSE(c.internalres);
         EXPECT_EQ(c.fov, 90);
     }},
    {"numbers keep their low 16 bits", "gr.fov=70000\n", [](const config& c) { EXPECT_EQ(c.fov, 4464); }},
    {"a number without digits is 0", "gr.fov=abc\n", [](const config& c) { EXPECT_EQ(c.fov, 0); }},
    {"leading spaces and a sign", "gr.distance=  -7x\ngr.resolution=+3\n",
     [](const config& c) {
         EXPECT_EQ(c.viewdistance, -7);
         EXPECT_EQ(c.resolution, 3);
     }},
    {"the endpoint keeps a further =", "svr.item=host=a:1\n",
     [](const config& c) { EXPECT_EQ(c.itemserver, "host=a:1"); }},
    {"the last of repeated keys counts", "gr.fov=10\ngr.fov=20\n", [](const config& c) { EXPECT_EQ(c.fov, 20); }},
    {"comments, empty lines and lines without = are skipped", "#gr.fov=10\n\ngr.fov\ngr.fov=33",
     [](const config& c) { EXPECT_EQ(c.fov, 33); }},
    {"a file read clears firstlaunch", "", [](const config& c) { EXPECT_FALSE(c.firstlaunch); }},
    {"an empty value", "svr.item=\n", [](const config& c) { EXPECT_EQ(c.itemserver, ""); }},
};

TEST_F(ConfigTest, LoadCases)
{
    for (const LoadCase& test : LOAD_CASES) {
        SCOPED_TRACE(test.name);
        writefile("save.cfg", test.file);
        config c;
        test.check(c);
    }
}

TEST_F(ConfigTest, NulBytesInTheFile)
{
    writefile("save.cfg", std::string("gr.fov=12\0" "9\ngr.distance=5\n", 25));
    config c;
    EXPECT_EQ(c.fov, 12);
    EXPECT_EQ(c.viewdistance, 5);
}

TEST_F(ConfigTest, CrtModeIsReadButNotWrittenBack)
{
    writefile("save.cfg", "gr.crtmode=true\n");
    config c;
    EXPECT_TRUE(c.crtmode);
    c.save();
    EXPECT_EQ(readfile("save.cfg"), DEFAULT_TEXT);
}

TEST_F(ConfigTest, SavedSettingsReadBackUnchanged)
{
    config c;
    c.internalres = false;
    c.healthbreak = true;
    c.fov = -12;
    c.itemserver = "example:1=2";
    c.save();
    config again;
    EXPECT_FALSE(again.internalres);
    EXPECT_TRUE(again.healthbreak);
    EXPECT_EQ(again.fov, -12);
    EXPECT_EQ(again.itemserver, "example:1=2");
}

TEST_F(ConfigTest, ALongLineWithoutLineFeed)
{
    writefile("save.cfg", "gr.fov=55\n" + std::string(10 * 1024 * 1024, 'x'));
    config c;
    EXPECT_EQ(c.fov, 55);
}

// When save.cfg cannot be replaced, the old one stays whole, no temporary file is left
// behind and one warning says so.
TEST_F(ConfigTest, AFailedSaveKeepsTheOldFile)
{
    mkdir("save.cfg", 0755);
    writefile("save.cfg/keep", "old");
    config c;
    std::string output = harness::capturestdout([&] { c.save(); });
    EXPECT_NE(output.find("could not save the settings to save.cfg"), std::string::npos) << output;
    EXPECT_EQ(readfile("save.cfg/keep"), "old");
    EXPECT_EQ(system("test $(ls -A | wc -l) -eq 1"), 0) << "a temporary file was left behind";
}

TEST_F(ConfigTest, AnUnwritableFileIsLeftAsItIs)
{
    if (geteuid() == 0) GTEST_SKIP() << "root may write any file";
    writefile("save.cfg", "gr.fov=1\n");
    chmod("save.cfg", 0444);
    config c;
    std::string output = harness::capturestdout([&] { c.save(); });
    EXPECT_NE(output.find("could not save the settings"), std::string::npos);
    EXPECT_EQ(readfile("save.cfg"), "gr.fov=1\n");
}

}  // namespace

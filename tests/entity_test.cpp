// The player definition: what each kind of file gives an entity, and the path lines every
// entity writes to standard error. Each case makes its entity in a fresh directory.
#include "game/scenes/entity.h"
#include "harness.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace harness;

namespace {

const char DEFINITION[] = "res/defaultplayer/player.json";

enum Kind { FILE_WITH_TEXT, NO_FILE, DIRECTORY };

struct Case {
    const char* what;
    Kind kind;
    std::string text;
    std::string name;
    std::string desc;
    bool singlesprite;
    bool warned;  // a warning line says why the file was not read
};

const std::string LONG_DESCRIPTION(700, 'd');
const std::string HUGE_DESCRIPTION(2 << 20, 'd');

TEST(PlayerDefinition, EachKindOfFileGivesItsFields)
{
    const Case cases[] = {
        {"name and sprite flag", FILE_WITH_TEXT, R"({"name":"Ann","singlesprite":true})", "Ann", "", true, false},
        {"all three keys", FILE_WITH_TEXT, R"({"description":"a wanderer","name":"Bo","singlesprite":false,"x":1})",
         "Bo", "a wanderer", false, false},
        {"root an array", FILE_WITH_TEXT, R"(["name","Ann"])", "", "", false, false},
        {"root a string", FILE_WITH_TEXT, R"("Ann")", "", "", false, false},
        {"name a number", FILE_WITH_TEXT, R"({"name":42,"description":"kept"})", "", "kept", false, false},
        {"sprite flag not a boolean", FILE_WITH_TEXT, R"({"singlesprite":"true"})", "", "", false, false},
        {"sprite flag a number", FILE_WITH_TEXT, R"({"singlesprite":1})", "", "", false, false},
        {"several hundred characters", FILE_WITH_TEXT, "{\"description\":\"" + LONG_DESCRIPTION + "\"}", "",
         LONG_DESCRIPTION, false, false},
        {"duplicate keys, first counts", FILE_WITH_TEXT, R"({"name":"Ann","name":"Bob","singlesprite":true,"singlesprite":false})",
         "Ann", "", true, false},
        {"keys match exactly", FILE_WITH_TEXT, R"({"Name":"Ann","name ":"Bob","nam":"Cy"})", "", "", false, false},
        {"escapes and UTF-8", FILE_WITH_TEXT, R"({"name":"\u00c5sa \"the\" \\ \u0000x"})", std::string("\xc3\x85sa \"the\" \\ \0x", 15),
         "", false, false},
        {"not JSON", FILE_WITH_TEXT, R"({"name":"Ann")", "", "", false, false},
        {"not UTF-8", FILE_WITH_TEXT, "{\"name\":\"Ann\",\"description\":\"caf\xe9\"}", "", "", false, false},
        {"empty file", FILE_WITH_TEXT, "", "", "", false, false},
        {"huge file", FILE_WITH_TEXT, "{\"name\":\"Ann\",\"description\":\"" + HUGE_DESCRIPTION + "\"}", "", "", false, true},
        {"missing file", NO_FILE, "", "", "", false, false},
        {"a directory", DIRECTORY, "", "", "", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        scratchdir();
        std::filesystem::create_directories("res/defaultplayer");
        if (c.kind == FILE_WITH_TEXT) writefile(DEFINITION, c.text);
        if (c.kind == DIRECTORY) std::filesystem::create_directory(DEFINITION);

        entity* made = nullptr;
        std::string errors;
        std::string output = capturestdout([&] { errors = capturestderr([&] { made = new entity(); }); });

        EXPECT_EQ(made->name, c.name);
        EXPECT_EQ(made->desc, c.desc);
        EXPECT_EQ(made->singlesprite, c.singlesprite);
        EXPECT_EQ(made->frame, 0);
        EXPECT_TRUE(made->fs.empty());
        std::string pathlines;
        for (int i = 0; i < 8; i++) pathlines += std::string(DEFINITION) + "\n";
        EXPECT_EQ(errors, pathlines);
        if (c.warned) EXPECT_NE(output.find(DEFINITION), std::string::npos) << output;
        else EXPECT_EQ(output, "") << "no message but the path lines";
        delete made;
    }
}

}  // namespace

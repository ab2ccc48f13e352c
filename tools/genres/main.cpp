// genres: writes every generated resource file of the game into a resource directory.
//
//   genres <resource dir> <unifont.hex> <TrueType font>
//
// The pictures are painted from seeded hashes, so every run writes the same bytes. The two
// font files are the free fonts the set-up installs; the build passes their paths.
#include "fonts.h"
#include "ground.h"
#include "hud.h"
#include "pixelart.h"
#include "player.h"
#include "sky.h"
#include "tilesheets.h"
#include "worldmap.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: genres <resource dir> <unifont.hex> <TrueType font>\n");
        return 2;
    }
    std::string resdir = argv[1];
    SetTraceLogLevel(LOG_WARNING);
    for (const char* sub : {"images", "models", "fonts", "defaultplayer"}) {
        std::error_code error;
        std::filesystem::create_directories(resdir + "/" + sub, error);
        if (error) fail("cannot create " + resdir + "/" + sub + ": " + error.message());
    }
    writetilesheets(resdir);
    writesky(resdir);
    writemenusky(resdir);
    writemenubar(resdir);
    writecursor(resdir);
    writeplayer(resdir);
    writeconsolefont(resdir, argv[2]);
    writetruetypefont(resdir, argv[3]);
    writeworldmap(resdir);
    writegroundmodel(resdir);
    return 0;
}

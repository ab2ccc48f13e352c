// entity: entities and the player definition. See entity.h.
#include "entity.h"

#include "../../term.h"

#include <cstdio>
#include <yyjson.h>

Texture2D singletex = {0, -1, 0, 0, 0};

static const char PLAYERDIR[] = "res/defaultplayer/";
static const int PATHLINES = 8;  // the definition's path goes to standard error this many times
// A player definition is a few lines; anything bigger is not one, and is never read whole.
static const size_t MAXDEFINITION = 1 << 20;

// The file's bytes, up to one more than the limit so that an oversized file shows as such.
// An unreadable file (missing, a directory) gives nothing.
static std::string readdefinition(const std::string& path)
{
    std::string text;
    FILE* file = fopen(path.c_str(), "rb");
    if (!file) return text;
    char buffer[4096];
    size_t n;
    while (text.size() <= MAXDEFINITION && (n = fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
    fclose(file);
    return text;
}

static std::string stringof(yyjson_val* value)
{
    if (!yyjson_is_str(value)) return "";
    return std::string(yyjson_get_str(value), yyjson_get_len(value));
}

entity::entity()
{
    std::string path = std::string(PLAYERDIR) + "player.json";
    for (int i = 0; i < PATHLINES; i++) fprintf(stderr, "%s\n", path.c_str());
    frame = 0;

    std::string text = readdefinition(path);
    if (text.size() > MAXDEFINITION) {
        warning("%s is over %zu bytes, too big for a player definition: not read", path.c_str(), MAXDEFINITION);
        return;
    }
    define(text);
}

void entity::define(const std::string& text)
{
    yyjson_doc* document = yyjson_read(text.data(), text.size(), 0);
    if (!document) return;
    // Lookups in anything but an object find nothing; with a key given twice the first counts.
    yyjson_val* root = yyjson_doc_get_root(document);
    name = stringof(yyjson_obj_get(root, "name"));
    desc = stringof(yyjson_obj_get(root, "description"));
    singlesprite = yyjson_is_true(yyjson_obj_get(root, "singlesprite"));
    yyjson_doc_free(document);
}

void entity::init()
{
    if (singletex.width == -1) singletex = LoadTexture((std::string(PLAYERDIR) + "player.png").c_str());
    fs.push_back(&singletex);
}

// entity: things that stand in the world, the player's statistics, and the player
// definition "res/defaultplayer/player.json" every entity reads when it is made.
//
// The definition is a JSON object; its string "name", its string "description" and its
// boolean "singlesprite" are read, anything else is ignored. A missing or broken file leaves
// the entity nameless. Every entity is drawn with one shared sprite, `singletex`, loaded by
// the first entity initialised.
#pragma once

#include <cstdint>
#include <raylib.h>
#include <string>
#include <vector>

// The shared sprite; a width of -1 means not loaded yet.
extern Texture2D singletex;

class entity {
public:
    std::string name;
    std::string desc;
    int32_t qx = 0, qz = 0;
    float x = 0, y = 0, z = 0;  // position in world units; for the player y is the feet
    float yaw = 0, pitch = 0, roll = 0;
    int32_t id = 0;
    char frames = 0;
    char frame = 0;  // index into fs of the frame drawn
    char sides = 0;
    char framepside = 0;
    bool singlesprite = false;
    std::vector<Texture*> fs;  // frames; the textures are not the entity's own

    entity();  // reads the player definition
    void define(const std::string& text);  // name, description and sprite mode from a definition's text
    void init();  // loads the shared sprite if needed and adds it as a frame; needs a window
};

class data {
public:
    std::string path;
};

class playerstats : public data {
public:
    float health, stamina, mana, energy, fatigue, radioactivity, xp;
};

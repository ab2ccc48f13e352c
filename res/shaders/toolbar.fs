#version 330

// Status bar: the bar image, with its seven glass tubes filled from the player's statistics.
// The liquid in each tube is shaded like a rounded glass, a soft glint travels along it with
// time, and a statistic that runs low (below a quarter) pulses.

in vec2 fragTexCoord;
in vec4 fragColor;

uniform sampler2D texture0;
uniform vec4 colDiffuse;

uniform float time;
uniform float health;
uniform float stamina;
uniform float mana;
uniform float energy;
uniform float fatigue;
uniform float radioactivity;
uniform float xp;

out vec4 finalColor;

// The tube layout of menubar.png, in the bar image's pixels (tools/genres/hud.cpp draws it):
// slot i starts at FIRST_SLOT + i*SLOT_WIDTH, its glass starts TUBE_X into the slot.
const vec2 BAR_SIZE = vec2(360.0, 50.0);
const float FIRST_SLOT = 5.0;
const float SLOT_WIDTH = 50.0;
const float TUBE_X = 5.0;
const float TUBE_Y = 25.0;
const float TUBE_WIDTH = 40.0;
const float TUBE_HEIGHT = 8.0;
const int SLOTS = 7;

// Health, stamina, mana, energy, fatigue, radioactivity, xp: the colours of their icons.
const vec3 LIQUID[SLOTS] = vec3[SLOTS](
    vec3(0.878, 0.251, 0.251), vec3(0.941, 0.549, 0.188), vec3(0.251, 0.439, 0.941),
    vec3(0.251, 0.847, 0.910), vec3(0.627, 0.376, 0.878), vec3(0.612, 0.941, 0.251),
    vec3(0.973, 0.847, 0.314));

const float LOW = 0.25;
const float GLINT_SPEED = 2.2;
const float PULSE_SPEED = 6.0;

float statistic(int slot)
{
    if (slot == 0) return health;
    if (slot == 1) return stamina;
    if (slot == 2) return mana;
    if (slot == 3) return energy;
    if (slot == 4) return fatigue;
    if (slot == 5) return radioactivity;
    return xp;
}

void main()
{
    vec4 texel = texture(texture0, fragTexCoord);
    vec2 pixel = floor(fragTexCoord*BAR_SIZE);
    int slot = int(floor((pixel.x - FIRST_SLOT)/SLOT_WIDTH));
    vec2 inTube = vec2(pixel.x - FIRST_SLOT - float(slot)*SLOT_WIDTH - TUBE_X, pixel.y - TUBE_Y);

    if (slot >= 0 && slot < SLOTS && all(greaterThanEqual(inTube, vec2(0.0))) &&
        inTube.x < TUBE_WIDTH && inTube.y < TUBE_HEIGHT)
    {
        float value = clamp(statistic(slot), 0.0, 1.0);
        float along = (inTube.x + 0.5)/TUBE_WIDTH;
        if (along <= value)
        {
            float across = (inTube.y + 0.5)/TUBE_HEIGHT;
            float rounded = 1.2 - 0.6*abs(across - 0.35)*1.6;
            float glint = pow(max(0.0, sin(along*9.0 - time*GLINT_SPEED + float(slot)*1.7)), 12.0);
            float pulse = value < LOW ? 0.75 + 0.25*sin(time*PULSE_SPEED) : 1.0;
            texel.rgb = LIQUID[slot]*rounded*pulse + vec3(0.35*glint);
        }
    }
    finalColor = texel*colDiffuse*fragColor;
}

#version 330

// Draws the off-screen target over the window with a faint darkening toward the corners,
// the way an old monitor's picture falls off at its edges.

in vec2 fragTexCoord;
in vec4 fragColor;

uniform sampler2D texture0;
uniform vec4 colDiffuse;

out vec4 finalColor;

const float VIGNETTE_STRENGTH = 0.12;

void main()
{
    vec4 texel = texture(texture0, fragTexCoord)*colDiffuse*fragColor;
    vec2 fromCentre = fragTexCoord - vec2(0.5);
    float falloff = 1.0 - VIGNETTE_STRENGTH*dot(fromCentre, fromCentre)*2.0;
    finalColor = vec4(texel.rgb*falloff, texel.a);
}

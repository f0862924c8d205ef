#pragma once
// The particle texture: made once from a TGA picture and left bound to GL_TEXTURE_2D with
// linear filtering and GL_MODULATE; the particle pool is handed its name.
#include <cstdint>

// Generates a texture name and uploads the picture at `path` when it is a whole 24-bit picture
// (its bytes blue, green, red as stored). Any other file, or none, gives an empty 0 x 0 texture
// and one line on stderr naming the file and why.
// Needs a current OpenGL context.
std::uint32_t makeParticleTexture(const char* path);

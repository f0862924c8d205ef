#pragma once
// Texture uploads that never read past a picture. The bound GL_TEXTURE_2D receives either the
// whole picture or, when it is not a complete 24-bit one, an empty 0 x 0 image (which leaves
// the texture incomplete, so surfaces using it are drawn untextured).
class TgaImage;

#include <cstdint>

// Binds `texture` to GL_TEXTURE_2D, generating a name first when it is 0, with linear filters
// (magnification, then minification) and the GL_MODULATE texture environment: how every picture
// of the game is shown.
void bindLinearTexture(std::uint32_t& texture);

// Stored bytes (blue, green, red per pixel) as GL_BGR_EXT into an internal GL_RGB texture, so
// the picture shows its own colours. Rows are read tightly packed, whatever the width.
// Returns whether the picture went up.
bool uploadBgrPicture(const TgaImage& picture);

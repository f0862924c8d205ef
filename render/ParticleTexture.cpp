#include "render/ParticleTexture.h"

#include "image/PictureCheck.h"
#include "image/TgaImage.h"
#include "render/TextureUpload.h"

std::uint32_t makeParticleTexture(const char* path)
{
    // A missing or unusable picture is not an error: the texture is simply empty.
    const TgaImage picture(path);
    checkPicture(path, picture);
    std::uint32_t texture = 0;
    bindLinearTexture(texture);
    uploadBgrPicture(picture);
    return texture;
}

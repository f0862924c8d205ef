#include "render/CreditsBackground.h"

#include "render/OverlayQuad.h"

#include "image/PictureCheck.h"
#include "image/TgaImage.h"
#include "render/TextureUpload.h"

#include <GL/gl.h>

#include <utility>

CreditsBackground::CreditsBackground(std::string path)
    : m_path(std::move(path))
{
}

void CreditsBackground::load()
{
    m_loadTried = true;
    const TgaImage picture(m_path.c_str());
    if (!checkPicture(m_path.c_str(), picture))
        return;
    std::uint32_t texture = 0;
    bindLinearTexture(texture);
    uploadBgrPicture(picture);
    m_texture = texture;
}

void CreditsBackground::draw()
{
    if (!m_loadTried)
        load();
    if (!isLoaded())
        return;
    glBindTexture(GL_TEXTURE_2D, m_texture);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor3f(1.0f, 1.0f, 1.0f);
    drawWholeOverlayQuad();
    glDisable(GL_TEXTURE_2D);
}

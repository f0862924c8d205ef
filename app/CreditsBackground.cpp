#include "app/CreditsBackground.h"

#include "app/OverlayQuad.h"

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
    if (!picture.holdsWhole24BitPicture())
        return;
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
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

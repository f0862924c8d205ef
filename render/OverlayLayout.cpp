#include "render/OverlayLayout.h"

namespace overlay {

float playerTwoNameX(std::size_t length)
{
    return 1.0f - float(length + 1) * Advance;
}

float playerTwoScoreX()
{
    return 1.0f - 3.0f * Advance;
}

float centredMessageX(std::size_t length)
{
    return 0.5f - float(length) * (Advance / 2.0f);
}

} // namespace overlay

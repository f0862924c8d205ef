#pragma once
// The frame clock over SDL's millisecond tick counter (counting from SDL_Init).
#include "app/FramePacer.h"

class SdlFrameClock : public FrameClock {
public:
    std::uint32_t milliseconds() const override;
    void sleep(std::uint32_t milliseconds) override;
};

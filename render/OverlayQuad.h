#pragma once
// One GL_QUADS quad over the whole overlay square (0, 0)..(1, 1), each corner's texture
// coordinates equal to its position, in the current colour. The orange veil and the credits
// backdrop are both this quad under different state.
void drawWholeOverlayQuad();

#pragma once
// The orange veil over the whole overlay: the title screen fades it in and out, the start flash
// shows it solid. The screens reach it through Renderer::drawOrangeVeil. Drawn between beginOverlay and endOverlay, with texturing off; blending is on
// for the quad only.
constexpr float VeilRed = 1.0f;
constexpr float VeilGreen = 0.5f;
constexpr float VeilBlue = 0.0f;

// `alpha` above 1 is handed to OpenGL as it is (it clamps colours to 1).
void drawOrangeVeil(float alpha);

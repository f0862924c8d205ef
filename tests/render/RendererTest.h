#pragma once
// Fixture for tests that draw with the renderer: the window's view in the offscreen context and
// a fresh renderer, initialised from the project's data, destroyed again after each test.
#include "render/Renderer.h"
#include "tests/render/TestPictures.h"
#include "tests/render/WindowView.h"
#include "tests/support/OffscreenGl.h"

class RendererTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        useWindowView();
        Renderer::destroyInstance();
        m_renderer = Renderer::instance();
        m_renderer->init();
    }
    void TearDown() override { Renderer::destroyInstance(); }

    TestPictures m_pictures;
    Renderer* m_renderer = nullptr;
};

#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "engine/render/GLTextureFactory.hpp"
#include "engine/render/ImageGraphics.hpp"
#include "engine/render/PngWriter.hpp"
#include "engine/render/SDLSurfaceImage.hpp"
#include "game/app/SharedResources.hpp"
#include "support/GLWindow.hpp"
#include "tests/game/menus/MenuFixture.hpp"

// Screens drawn from the shipped art, fonts and labels in a real OpenGL
// context; each state is photographed in window-sized tiles (the screens
// draw from an identity matrix, so each tile moves them by their offsets)
// into build/tmp/PREFIX + NAME.png.
class MenuGLFixture : public MenuFixture {
protected:
    explicit MenuGLFixture(const std::string& prefix) : prefix_(prefix) {}

    void SetUp() override {
        MenuFixture::SetUp();
        GLWindow::get();
        services_.textureSource = &textures_;
        SharedResources::instance().preload(*app_->getResourceManager(), textures_);
    }
    void TearDown() override {
        MenuFixture::TearDown();
        SharedResources::reset();
    }

    std::unique_ptr<SDLSurfaceImage> shoot(const std::string& name) {
        GLWindow& window = GLWindow::get();
        auto shot = std::make_unique<SDLSurfaceImage>(1024, 768);
        const Rect whole(0, 0, static_cast<float>(GLWindow::Width), static_cast<float>(GLWindow::Height));
        for (int ty = 0; ty < 768; ty += GLWindow::Height) {
            for (int tx = 0; tx < 1024; tx += GLWindow::Width) {
                for (GameState* state : app_->getStates()) {
                    static_cast<ScreenBase*>(state)->setOffsets(-tx, -ty);
                }
                window.beginFrame();
                app_->drawStates(&window.graphics());
                const std::unique_ptr<SDLSurfaceImage> tile = window.readFrame();
                shot->graphics()->drawImage(tx, ty, tile.get(), whole, false);
            }
        }
        for (GameState* state : app_->getStates()) {
            static_cast<ScreenBase*>(state)->setOffsets(0, 0);
        }
        const std::string dir = std::string(CHRONA_BINARY_DIR) + "/tmp";
        std::filesystem::create_directories(dir);
        writePng(shot->getSurface(), dir + "/" + prefix_ + name + ".png");
        return shot;
    }
    static int brightness(const SDLSurfaceImage& shot, int x, int y) {
        const Color c = shot.getPixel(x, y);
        return c.r + c.g + c.b;
    }

    GLTextureFactory textures_;

private:
    std::string prefix_;
};

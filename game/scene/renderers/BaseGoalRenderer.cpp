#include "game/scene/renderers/BaseGoalRenderer.hpp"

#include "engine/config/Config.hpp"
#include "engine/config/ConfigFile.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Image.hpp"
#include "engine/render/Texture.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "game/scene/HOScene.hpp"

BaseGoalRenderer::BaseGoalRenderer(const ConfigFile* parameters, Font* font)
    : parameters_(parameters), font_(font) {}

int BaseGoalRenderer::parameter(const std::string& key, int fallback) const {
    return parameters_ ? parameters_->readInt(key, fallback) : fallback;
}

void BaseGoalRenderer::initialise() {
    background_ = owner_->getResourceManager()->sharedTexture(BackgroundName, BackgroundImage, owner_->textureFactory(),
                                                              Texture::KeepAlphaMap);
    const int w = background_->getWidth();
    const int h = background_->getHeight();
    setGeometry(Config::instance().getWidth() - w, Config::instance().getHeight() - h, w, h);
}

bool BaseGoalRenderer::hitTest(int x, int y) const {
    if (!Widget::hitTest(x, y) || !background_) {
        return false;
    }
    const Image* alpha = background_->getImage();
    return alpha && !alpha->isTransparent(x - getX(), y - getY());
}

void BaseGoalRenderer::drawBackground(Graphics* graphics) {
    if (background_) {
        graphics->drawImage(0, 0, background_, Color::white());
    }
}

Point BaseGoalRenderer::toScreen(float x, float y) const {
    return Point(static_cast<float>(getX()) + x, static_cast<float>(getY()) + y);
}

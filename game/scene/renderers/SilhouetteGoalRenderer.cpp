#include "game/scene/renderers/SilhouetteGoalRenderer.hpp"

#include <algorithm>

#include "engine/actions/TinyParalelAction.hpp"
#include "engine/actions/TinyRelIncrementator.hpp"
#include "engine/config/ConfigFile.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/text/Font.hpp"
#include "game/scene/HOScene.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/renderers/TexItemRenderer.hpp"

SilhouetteGoalRenderer::SilhouetteGoalRenderer(const ConfigFile* parameters, Font* font)
    : BaseGoalRenderer(parameters, font),
      shownCount_(std::max(0, parameter("SilhouetteRenderer.RenderedItemNameCount", 6))),
      slotWidth_(parameter("SilhouetteRenderer.SilhouetteWidth", FitSize)) {
    const int x0 = parameter("SilhouetteRenderer.BgPosX", 200);
    const int y0 = parameter("SilhouetteRenderer.BgPosY", 80);
    for (int i = 0; i <= shownCount_; ++i) {
        slots_.emplace_back(static_cast<float>(x0 + i * (slotWidth_ + 4)), static_cast<float>(y0));
    }
}

SilhouetteGoalRenderer::~SilhouetteGoalRenderer() = default;

Point SilhouetteGoalRenderer::slotPosition(int slot) const {
    return slots_[static_cast<std::size_t>(std::clamp(slot, 0, shownCount_))];
}

void SilhouetteGoalRenderer::loadSilhouettes() {
    const std::string prefix =
        parameters_ ? parameters_->readString("Game.Images.Silhouettes.Prefix", "silhouette_") : "silhouette_";
    ResourceManager* resources = owner_->getResourceManager();
    for (const GoalEntry& entry : entries_) {
        const ItemDescription& d = entry.item->description();
        const std::string path = d.directory + prefix + d.image;
        auto* pictureRenderer = dynamic_cast<TexItemRenderer*>(entry.item->getRenderer());
        Texture* texture = resources->sharedTexture(path, path, owner_->textureFactory(), Texture::KeepNothing);
        // Without a drawn silhouette the filtered picture stands in.
        if (texture->getWidth() == 0 && pictureRenderer) {
            texture = pictureRenderer->getVariant(TexItemRenderer::Silhouette);
        }
        if (pictureRenderer) {
            pictureRenderer->setVariant(TexItemRenderer::DrawnSilhouette, texture);
        }
        silhouettes_[entry.item] = texture;
    }
}

void SilhouetteGoalRenderer::layout(Item* item) {
    if (item) {
        item->id = -2;
    }
    if (shown_.empty() && owner_) {
        loadSilhouettes();
    }
    const std::size_t count = std::min(entries_.size(), static_cast<std::size_t>(shownCount_));
    std::vector<GoalEntry> shown(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(count));
    auto* slide = new TinyParalelAction();
    std::map<const Item*, float> drawnX;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        Item* goal = shown[i].item;
        goal->id = static_cast<int>(i);
        if (goal->getRenderer()) {
            goal->getRenderer()->offerAsGoal();
        }
        const float target = slotPosition(static_cast<int>(i)).x;
        auto before = drawnX_.find(goal);
        // A goal new on the panel enters from the slot after the last.
        drawnX[goal] = before != drawnX_.end() ? before->second : slotPosition(static_cast<int>(count)).x;
        if (shown_.empty()) {
            drawnX[goal] = target;
        }
    }
    drawnX_ = drawnX;
    for (auto& [goal, x] : drawnX_) {
        const float target = slotPosition(goal->id).x;
        if (x != target) {
            slide->addAction(new TinyRelIncrementator<float>(SlideLength, &x, target - x));
        }
    }
    shown_ = shown;
    slide_.reset(slide);
    slide_->start(this, 0);
}

void SilhouetteGoalRenderer::update(int milliseconds, ScreenBase* /*screen*/) {
    if (slide_) {
        slide_->update(milliseconds);
    }
}

Texture* SilhouetteGoalRenderer::silhouetteOf(const Item* item) const {
    auto found = silhouettes_.find(item);
    return found == silhouettes_.end() ? nullptr : found->second;
}

Point SilhouetteGoalRenderer::targetPoint(Item* item) const {
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        if (shown_[i].item == item) {
            const Point slot = slotPosition(static_cast<int>(i));
            return toScreen(slot.x + slotWidth_ / 2.0f, slot.y + slotWidth_ / 2.0f);
        }
    }
    return Point(-1.0f, -1.0f);
}

void SilhouetteGoalRenderer::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    // A second copy of the panel picture behind the counter's box, then the
    // panel itself; both places are screen positions.
    if (background_) {
        graphics->drawImage(SecondBackgroundX - getX(), SecondBackgroundY - getY(), background_, Color::white());
    }
    drawBackground(graphics);
    if (font_) {
        font_->drawTextInBox(graphics,
                             IntRect(CounterX - getX(), CounterY - getY(), CounterWidth, CounterHeight),
                             std::to_string(entries_.size()), Color::white(), Font::kAlignCenter, Font::kAlignMiddle,
                             false);
    }
    for (const GoalEntry& goal : shown_) {
        Texture* texture = silhouetteOf(goal.item);
        if (!texture || texture->getWidth() == 0) {
            continue;
        }
        const float w = static_cast<float>(texture->getWidth());
        const float h = static_cast<float>(texture->getHeight());
        const float s = std::min(static_cast<float>(FitSize) / std::max(w, h), 1.0f);
        auto x = drawnX_.find(goal.item);
        const Point slot(x != drawnX_.end() ? x->second : slotPosition(goal.item->id).x,
                         slotPosition(goal.item->id).y);
        graphics->pushMatrix();
        graphics->translate(slot.x + w * s / 2.0f, slot.y + h * s / 2.0f);
        graphics->scale(s, s);
        graphics->translate(-w / 2.0f, -h / 2.0f);
        graphics->drawImage(0, 0, texture, Color::white());
        graphics->popMatrix();
    }
}

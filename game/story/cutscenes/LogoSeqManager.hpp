#pragma once

#include <memory>
#include <vector>

#include "engine/animation/AnimationPlayerListener.hpp"
#include "engine/config/Config.hpp"
#include "engine/screens/ScreenBase.hpp"

class AnimationPlayer;
class TextureFactory;

// The studio and game logos at start-up, one animation after another from
// the configuration's logo list ("IMAGE" entries are passed over), each
// with the logo sound. A click
// cuts the running logo short. When the list is done the screen goes and
// the application starts the opening cut-scene.
class LogoSeqManager : public ScreenBase, public AnimationPlayerListener {
public:
    // Without a factory the logos are the application's textures.
    explicit LogoSeqManager(std::vector<Config::LogoScreen> logos, TextureFactory* textures = nullptr);
    ~LogoSeqManager() override;

    int getIndex() const { return index_; }
    void animationFinished(int id) override;
    // A release anywhere, over the logo's pictures too, cuts it short.
    void onMouseEvent(const MouseEvent& event) override;

protected:
    void build() override {}
    void onEnter() override {}
    void onEntered() override;
    void drawBackground(Graphics* graphics) override;
    void onLeft(int result) override;

private:
    void showNext();

    std::vector<Config::LogoScreen> logos_;
    std::unique_ptr<AnimationPlayer> player_;
    int index_ = -1;
};

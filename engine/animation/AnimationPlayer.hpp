#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/animation/AnimationPlayerListener.hpp"
#include "engine/animation/MathFunction.hpp"

class Animation2D;
class ResourceManager;
class TextureFactory;
class WidgetManager;

// Loads key-frame animation files into Animation2D widgets under integer
// ids, plays them inside a screen's widget manager and passes their ends on
// to its listener. It owns the animations and, in its own resource manager,
// their textures. An unknown id makes every operation a no-op.
class AnimationPlayer : public AnimationPlayerListener {
public:
    // Without a factory, textures come from the application's (none without one).
    explicit AnimationPlayer(AnimationPlayerListener* listener = nullptr, TextureFactory* textures = nullptr);
    ~AnimationPlayer() override;

    AnimationPlayer(const AnimationPlayer&) = delete;
    AnimationPlayer& operator=(const AnimationPlayer&) = delete;

    // Reads the file once per id. A file that cannot be read gives an
    // animation without objects (one line on standard output says why).
    Animation2D* loadAnimation(const std::string& path, int id);
    // Starts the animation unless it is playing; with a widget manager, shows
    // it there at (x, y).
    void playAnimation(int id, int depthOffset = 0, int x = 0, int y = 0, WidgetManager* manager = nullptr);
    // Stops it and puts every object back to its first key frame.
    void stopAnimation(int id);
    void pauseAnimation(int id, bool paused);
    void setPosition(int id, int x, int y);
    bool isPlaying(int id) const;
    // Takes it out of its widget manager and deletes it (once its own update,
    // if one is running, is over).
    void removeAnimation(int id);
    Animation2D* getAnimation(int id) const;

    void setListener(AnimationPlayerListener* listener) { listener_ = listener; }
    ResourceManager* getResourceManager() const { return resources_.get(); }

    void animationFinished(int id) override;

private:
    float linear(float t, MathFunctionProperty* property) const;
    const MathFunction* interpolator(int type) const;
    void parse(const std::string& path, Animation2D& animation) const;
    void resolveTextures(Animation2D& animation, const std::string& folder);
    void deleteRetired();

    AnimationPlayerListener* listener_;
    TextureFactory* textures_;
    std::unique_ptr<ResourceManager> resources_;
    std::vector<std::pair<std::unique_ptr<MathFunction>, int>> interpolators_;
    std::map<int, std::unique_ptr<Animation2D>> animations_;
    // Animations removed from inside their own update, deleted later.
    std::vector<std::unique_ptr<Animation2D>> retired_;
};

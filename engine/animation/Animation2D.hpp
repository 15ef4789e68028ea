#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/actions/ActionListener.hpp"
#include "engine/animation/AnimationElement2D.hpp"
#include "engine/widgets/Widget.hpp"

class AnimationListener;
class TinyAction;

// A key-frame animation as a widget: image objects drawn in depth order,
// each driven by its own timeline of Tiny actions. It reports its id to its
// listener when the last object's timeline ends (never when looping). Its
// AnimationPlayer owns it; timelines are built on play and deleted on stop.
class Animation2D : public Widget, public kve::ActionListener {
public:
    Animation2D(int id, AnimationListener* listener);
    ~Animation2D() override;

    // Takes ownership.
    void addElement(std::unique_ptr<AnimationElement2D> element);
    // Orders the objects by their first key frame's depth, file order among equals.
    void sortByDepth();

    // Builds the timelines unless they exist (the depth offset is added to
    // every object's depth), then starts every timeline that is not running.
    void play(int depthOffset);
    // Deletes the timelines and puts every object back to its first key frame.
    void stop();
    bool isPlaying() const { return playing_; }
    void setPaused(bool paused) { paused_ = paused; }
    bool isPaused() const { return paused_; }
    // True while its timelines are being advanced (callbacks may run).
    bool isUpdating() const { return updating_; }

    void update(int milliseconds, ScreenBase* screen) override;
    void draw(Graphics* graphics, ScreenBase* screen) override;
    void actionFinished(int tag) override;

    int getId() const { return id_; }
    const std::string& getName() const { return name_; }
    void setName(const std::string& name) { name_ = name; }
    bool isLooping() const { return loop_; }
    void setLooping(bool loop) { loop_ = loop; }
    int getLength() const { return length_; }
    void setLength(int length) { length_ = length; }
    int getDepthOffset() const { return depthOffset_; }
    const std::vector<std::unique_ptr<AnimationElement2D>>& getElements() const { return elements_; }

private:
    struct Timeline {
        int tag;
        std::unique_ptr<TinyAction> action;
    };

    int id_;
    std::string name_ = "anim noname";
    bool loop_ = false;
    int length_ = 0;
    std::vector<std::unique_ptr<AnimationElement2D>> elements_;
    std::vector<Timeline> timelines_;
    // Timelines stopped from inside a callback of their own update, deleted
    // when that update is over.
    std::vector<Timeline> stoppedTimelines_;
    int lastTag_ = -1;
    bool playing_ = false;
    bool paused_ = false;
    bool updating_ = false;
    int depthOffset_ = 0;
    AnimationListener* listener_;
};

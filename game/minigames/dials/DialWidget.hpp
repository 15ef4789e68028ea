#pragma once

#include "engine/widgets/ClickableImageWidget.hpp"

class DialRing;
class TarvikButtonListener;

// One ring on the screen: the picture turned about its middle by the ring's
// rotation, dimmed while it can still turn and at full light once locked.
// The press, the drag round the middle and the release turn the ring; the
// listener hears (id, 0) on the press and (id, 1) on the release. A locked
// ring takes no input, so the pointer reaches the rings under it.
class DialWidget : public ClickableImageWidget {
public:
    static constexpr int FirstId = 30000;

    DialWidget(Texture* texture, DialRing& ring, int id, TarvikButtonListener* listener);

    void draw(Graphics* graphics, ScreenBase* screen) override;
    int getId() const { return id_; }
    const DialRing& getRing() const { return ring_; }

protected:
    void pressed(const MouseEvent& event) override;
    void dragged(const MouseEvent& event) override;
    void released(const MouseEvent& event) override;

private:
    float angleOf(const MouseEvent& event) const;

    DialRing& ring_;
    int id_;
    TarvikButtonListener* listener_;
};

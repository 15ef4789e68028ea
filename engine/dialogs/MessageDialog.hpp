#pragma once

#include <vector>

#include "engine/dialogs/AnimatedDialog.hpp"
#include "engine/widgets/TarvikButtonListener.hpp"

class TarvikButton;

// A message dialog whose buttons are TarvikButtons drawn in the overlay pass
// above the dialog; the answer is the id (0, 1) of the button released. The
// backdrop is 1280 x 768 so that it also covers a wide screen's letterbox.
// Subclasses say whom the answer is reported to.
class MessageDialog : public AnimatedDialog, public TarvikButtonListener {
public:
    static constexpr int ButtonOverlayOrder = OverlayOrder + 1;

    void buildContent() override;
    void onTarvikButton(int id, int code) override;

    const std::vector<TarvikButton*>& getButtons() const { return buttons_; }

protected:
    MessageDialog(const MessageDialogDescription& description, int dialogId);

    void removeContent() override;

private:
    std::vector<TarvikButton*> buttons_;
};

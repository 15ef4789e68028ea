#include "ScreenLook.hpp"

#include "engine/dialogs/MessageDialog.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "engine/widgets/SimpleButtonBase.hpp"
#include "engine/widgets/TarvikButton.hpp"
#include "engine/widgets/WidgetManager.hpp"

namespace ScreenLook {

bool takesInput(const ScreenBase& screen) {
    const WidgetManager& widgets = *screen.getWidgetManager();
    return screen.getPhase() == ScreenBase::Shown && widgets.isInputEnabled() && !widgets.isListChanged();
}

Point designPoint(const ScreenBase& screen, int x, int y) {
    return Point(static_cast<float>(x + screen.getOffsetX()), static_cast<float>(y + screen.getOffsetY()));
}

bool pressable(const ScreenBase& screen, const Widget* widget, Point* at) {
    return widget && widget->isVisible() && pressableInDialog(screen, widget, at);
}

bool pressableInDialog(const ScreenBase& screen, const Widget* widget, Point* at) {
    if (!widget || !widget->isEnabled() || !takesInput(screen)) {
        return false;
    }
    const int x = widget->getX() + widget->getWidth() / 2;
    const int y = widget->getY() + widget->getHeight() / 2;
    if (screen.getWidgetManager()->widgetAt(x, y) != widget) {
        return false;
    }
    *at = designPoint(screen, x, y);
    return true;
}

const Widget* button(const ScreenBase& screen, int id) {
    for (const Widget* widget : screen.getWidgets()) {
        const auto* tarvik = dynamic_cast<const TarvikButton*>(widget);
        const auto* simple = dynamic_cast<const SimpleButtonBase*>(widget);
        if ((tarvik && tarvik->getId() == id) || (simple && simple->getId() == id)) {
            return widget;
        }
    }
    return nullptr;
}

const MessageDialog* dialog(const ScreenBase& screen) {
    const std::vector<Widget*>& widgets = screen.getWidgets();
    for (auto it = widgets.rbegin(); it != widgets.rend(); ++it) {
        if (const auto* message = dynamic_cast<const MessageDialog*>(*it)) {
            return message;
        }
    }
    return nullptr;
}

}  // namespace ScreenLook

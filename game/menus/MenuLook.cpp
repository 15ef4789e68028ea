#include "game/menus/MenuLook.hpp"

#include "engine/app/GameApp.hpp"
#include "engine/config/Config.hpp"
#include "engine/text/LabelManager.hpp"
#include "game/app/SharedResources.hpp"
#include "game/menus/MenuServices.hpp"

namespace MenuLook {

std::string label(const std::string& key) {
    const LabelManager* labels = gameApp() ? gameApp()->getLabelManager() : nullptr;
    return labels ? labels->getLabel(key) : key;
}

TarvikButtonStyle button(const std::string& captionKey) {
    const SharedResources& shared = SharedResources::instance();
    return TarvikButtonStyle::standard(shared.buttonNormal, shared.buttonOver, shared.trajanPro17B,
                                       label(captionKey));
}

MessageDialogDescription question(const std::string& captionKey, const std::string& messageKey,
                                  const std::string& firstKey, const std::string& secondKey) {
    const SharedResources& shared = SharedResources::instance();
    MessageDialogDescription d;
    d.openingAnimation = QuestionOpening;
    d.closingAnimation = QuestionClosing;
    d.caption = label(captionKey);
    d.message = messageKey.empty() ? std::string() : label(messageKey);
    d.buttonTexts = {label(firstKey), label(secondKey)};
    d.captionFont = shared.trajanPro22;
    d.messageFont = shared.aldine18;
    d.buttonFont = shared.trajanPro17B;
    d.buttonImage = shared.buttonNormal;
    d.buttonOverImage = shared.buttonOver;
    d.textures = &MenuServices::current().textures();
    d.centreOn(screenWidth(), screenHeight());
    return d;
}

int screenWidth() {
    const int configured = Config::instance().getWidth();
    return configured > 0 ? configured : gameApp()->getScreenWidth();
}

int screenHeight() {
    const int configured = Config::instance().getHeight();
    return configured > 0 ? configured : gameApp()->getScreenHeight();
}

}  // namespace MenuLook

#include "game/story/flow/ScreenTypes.hpp"

namespace ScreenTypes {

bool isFlowType(const std::string& type) {
    for (const char* known : {Scene, MainMenu, GamePartSession, MgMemory, MgKlotsky, MgConcentricDials, MgShooter,
                              MgPlaceHolder, CutscenePlaceHolder, Animation, DialogScreen}) {
        if (type == known) {
            return true;
        }
    }
    return false;
}

}  // namespace ScreenTypes

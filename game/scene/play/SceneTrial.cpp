#include "game/scene/play/SceneTrial.hpp"

#include <memory>

#include "game/persistence/PlayerProfiles.hpp"
#include "game/scene/ChronaScene.hpp"
#include "game/scene/play/SceneProgress.hpp"

ChronaScene* SceneTrial::start(int sceneId) {
    PlayerProfile& profile = PlayerProfiles::instance().addTransient(ProfileName);
    const int location = SceneProgress::locationOf(sceneId);
    auto session = std::make_unique<SessionRecord>();
    session->id = SessionId;
    session->locations.push_back(std::make_unique<LocationEntry>(location));
    profile.sessions.push_back(std::move(session));
    profile.currentSession = SessionId;
    profile.currentScene = sceneId;
    profile.sceneUse[100 + location] = true;
    profile.sceneUse[200 + location] = true;
    profile.started = true;
    return ChronaScene::forScene(sceneId);
}

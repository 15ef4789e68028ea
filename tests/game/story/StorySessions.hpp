#pragma once

#include <initializer_list>
#include <memory>

#include "game/persistence/LocationEntry.hpp"
#include "game/persistence/PlayerProfile.hpp"
#include "game/persistence/SessionRecord.hpp"

// Gives the player a game part session with fresh states for the locations
// and makes it the current one.
inline SessionRecord& startSession(PlayerProfile& player, int id, std::initializer_list<int> locations) {
    auto session = std::make_unique<SessionRecord>();
    session->id = id;
    for (int n : locations) {
        session->locations.push_back(std::make_unique<LocationEntry>(n));
    }
    player.sessions.push_back(std::move(session));
    player.currentSession = id;
    return *player.sessions.back();
}

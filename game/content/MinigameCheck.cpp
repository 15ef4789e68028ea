#include "game/content/MinigameCheck.hpp"

#include <filesystem>

#include "engine/core/XmlFile.hpp"
#include "game/content/ContentFiles.hpp"
#include "game/minigames/klotsky/KlotskiPuzzle.hpp"
#include "game/minigames/klotsky/KlotskySolver.hpp"
#include "game/minigames/klotsky/MgKlotsky.hpp"
#include "game/minigames/memory/MemoryBoard.hpp"
#include "game/minigames/memory/MgMemory.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/flow/ScreenTypes.hpp"

void MinigameCheck::run() {
    for (const std::string& board : boards(KlotskyFolder, ScreenTypes::MgKlotsky)) {
        checkKlotsky(board);
    }
    for (const std::string& board : boards(MemoryFolder, ScreenTypes::MgMemory)) {
        checkMemory(board);
    }
}

std::set<std::string> MinigameCheck::boards(const char* folder, const std::string& type) const {
    std::set<std::string> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(files_.path(folder), error)) {
        if (entry.path().extension() == ".xml") {
            found.insert(folder + entry.path().filename().string());
        }
    }
    if (!files_.exists(GameFlow::FlowFile)) {
        return found;
    }
    // The flow's own faults are the flow check's; read the same way they are reported once.
    SceneIndex index;
    index.load("content/config/scene/sceneIndex.xml");
    GameFlow flow;
    flow.load(GameFlow::FlowFile, index);
    for (const FlowEntry& entry : flow.entries()) {
        if (entry.type == type &&
            files_.require(entry.parameters.text("configFile"), GameFlow::FlowFile, entry.line, "the " + type + " board")) {
            found.insert(entry.parameters.text("configFile"));
        }
    }
    return found;
}

void MinigameCheck::checkMemory(const std::string& contentPath) {
    MemoryBoard board;
    if (!board.load(contentPath)) {
        return;
    }
    files_.require(MgMemory::Strip, contentPath, 0, "the card flip strip");
    for (const std::string& picture : board.pictures()) {
        files_.require(picture, contentPath, 0, "the picture");
    }
}

int MinigameCheck::checkKlotsky(const std::string& contentPath) {
    KlotskiPuzzle puzzle;
    if (!puzzle.load(contentPath)) {
        return -1;
    }
    const XmlFile file(contentPath, "Game");
    requireKlotskyPictures(file, contentPath);
    const std::string where = files_.path(contentPath);
    const KlotskySolver::Result result = KlotskySolver::solve(puzzle);
    if (result.gaveUp) {
        files_.report().add(where, 0, "the board has too many positions to search (over " +
                                          std::to_string(KlotskySolver::MaxPositions) + ")");
        return -1;
    }
    if (!result.solvable) {
        files_.report().add(where, 0, "the board cannot be solved");
        return -1;
    }
    return reportShort(where, static_cast<int>(result.moves.size()), MinMoves, "moves");
}

int MinigameCheck::reportShort(const std::string& where, int steps, int minimum, const std::string& unit) const {
    if (steps < minimum) {
        files_.report().add(where, 0, "the board is solved in " + std::to_string(steps) + " " + unit + ", fewer than " +
                                          std::to_string(minimum));
    }
    return steps;
}

void MinigameCheck::requireKlotskyPictures(const XmlFile& file, const std::string& contentPath) {
    const tinyxml2::XMLElement* game = file.root();
    const std::string folder = XmlFile::text(game, "imagePath");
    files_.require(MgKlotsky::Background, contentPath, game->GetLineNum(), "the board's background");
    if (game->Attribute("background")) {
        files_.require(folder + XmlFile::text(game, "background"), contentPath, game->GetLineNum(), "the background");
    }
    for (const tinyxml2::XMLElement* e = game->FirstChildElement("Marker"); e; e = e->NextSiblingElement("Marker")) {
        if (!e->Attribute("texturePath")) {
            file.warn(e, "the Marker has no texturePath: the piece cannot be seen");
            continue;
        }
        files_.require(folder + XmlFile::text(e, "texturePath"), contentPath, e->GetLineNum(), "the piece's picture");
    }
}

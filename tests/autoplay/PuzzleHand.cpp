#include "PuzzleHand.hpp"

#include "DialsHand.hpp"
#include "KlotskyHand.hpp"
#include "MemoryHand.hpp"
#include "ShooterHand.hpp"
#include "game/minigames/dials/MgConcentricDials.hpp"
#include "game/minigames/klotsky/MgKlotsky.hpp"
#include "game/minigames/memory/MgMemory.hpp"
#include "game/minigames/shooter/MgShooter.hpp"

std::unique_ptr<PuzzleHand> PuzzleHand::forGame(MiniGameBase& game, std::mt19937& random, PlayRecord& record) {
    if (auto* klotsky = dynamic_cast<MgKlotsky*>(&game)) {
        return std::make_unique<KlotskyHand>(*klotsky);
    }
    if (auto* memory = dynamic_cast<MgMemory*>(&game)) {
        return std::make_unique<MemoryHand>(*memory, random, record);
    }
    if (auto* dials = dynamic_cast<MgConcentricDials*>(&game)) {
        return std::make_unique<DialsHand>(*dials, random);
    }
    if (auto* shooter = dynamic_cast<MgShooter*>(&game)) {
        return std::make_unique<ShooterHand>(*shooter, record);
    }
    return nullptr;
}

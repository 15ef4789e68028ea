// libFuzzer target: a shooting gallery file, read, set up and played for a round with shots everywhere.
// Seeds: content/config/minigames/Shooter/*.xml tests/data/minigames/shooter*.xml
#include <cstdint>

#include "engine/core/RandomSource.hpp"
#include "game/minigames/shooter/MgShooter.hpp"
#include "game/minigames/shooter/ShooterConfig.hpp"
#include "game/minigames/shooter/ShooterGame.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ShooterConfig config;
    if (!config.load(FuzzInputFile::write(data, size, "shooter.xml"))) {
        return 0;
    }
    SeededRandom random(static_cast<std::uint32_t>(size));
    ShooterGame game(random);
    MgShooter::setUp(game, config, 1024, {10, 25, 50}, [](const std::string&) { return std::make_pair(80, 80); });
    game.setDiscWidth(80);
    game.drawGoal();
    game.startRound();
    for (int tick = 0; tick < 3000 && game.isPlaying(); ++tick) {
        game.update(16);
        if (const Target* goal = game.goal()) {
            game.shoot(goal->x + 1, goal->y + 1);
        }
        game.shoot((tick * 37) % 1024, (tick * 53) % 768);
    }
    return 0;
}

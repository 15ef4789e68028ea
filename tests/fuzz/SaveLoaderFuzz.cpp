// libFuzzer target: the save file loader with the game's five entries. Any
// input must load without a crash, leak or undefined behaviour, and every
// profile it yields must write and read back to the same bytes.
// Seeds: tests/data/save/*.sav
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "engine/core/RandomSource.hpp"
#include "engine/persistence/Buffer.hpp"
#include "engine/persistence/FileSaveGame.hpp"
#include "engine/persistence/SaveGameIdSource.hpp"
#include "game/persistence/GameSaveEntries.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "support/FuzzInputFile.hpp"

namespace {

class GameId : public SaveGameIdSource {
public:
    const char* saveGameId() const override { return "ID_001"; }
};

void checkRoundTrip(const PlayerProfile& loaded) {
    Buffer first;
    loaded.write(first);
    Buffer reread;
    reread.setData(first.data(), first.byteSize());
    SeededRandom random(1);
    PlayerProfile copy("", {}, {}, random);
    copy.read(reread);
    Buffer second;
    copy.write(second);
    if (reread.damaged() || !reread.exhausted() || first.byteSize() != second.byteSize() ||
        !std::equal(first.data(), first.data() + first.byteSize(), second.data())) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const GameId id;
    const std::string& path = FuzzInputFile::write(data, size, "save.sav");
    PlayerProfiles::reset();
    FileSaveGame store(path, &id);
    GameSaveEntries::registerAll(store, 75, 50);
    if (store.load()) {
        const PlayerProfiles& profiles = PlayerProfiles::instance();
        if (profiles.currentIndex() < -1 || profiles.currentIndex() >= profiles.count() ||
            static_cast<std::size_t>(profiles.count()) > size) {
            std::abort();
        }
        for (int i = 0; i < profiles.count(); ++i) {
            checkRoundTrip(*profiles.at(i));
        }
    }
    return 0;
}

// libFuzzer target: the save file loader with the game's five entries. Any
// input must load without a crash, leak or undefined behaviour, and every
// profile it yields must write and read back to the same bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "engine/core/RandomSource.hpp"
#include "engine/persistence/Buffer.hpp"
#include "engine/persistence/FileSaveGame.hpp"
#include "engine/persistence/SaveGameIdSource.hpp"
#include "game/persistence/GameSaveEntries.hpp"
#include "game/persistence/PlayerProfiles.hpp"

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

// In memory when the system offers it: replacing a file on a disk file
// system flushes it each time and would slow the fuzzer down tenfold.
const std::string& inputPath() {
    static const std::string path = std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm/" : "") +
                                    "chrona_fuzz_save_" + std::to_string(::getpid()) + ".sav";
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    inputPath();  // made before the exit handler, so it outlives it
    std::atexit([] { std::remove(inputPath().c_str()); });
    // The loader's one-line reports about damaged files would drown the fuzzer's own output.
    if (!std::freopen("/dev/null", "w", stdout)) {
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const GameId id;
    const std::string& path = inputPath();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::abort();
    }
    if (size > 0) {
        std::fwrite(data, 1, size, file);
    }
    std::fclose(file);

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

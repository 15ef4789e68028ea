#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/persistence/AppDataFolder.hpp"
#include "engine/persistence/Buffer.hpp"
#include "engine/persistence/FileSaveGame.hpp"
#include "engine/persistence/GenericEntry.hpp"
#include "engine/persistence/SaveGameIdSource.hpp"
#include "game/persistence/GameSaveEntries.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "support/LogCapture.hpp"
#include "support/TempFolder.hpp"

namespace {

using Bytes = std::vector<unsigned char>;

const std::string kReference = std::string(CHRONA_TEST_DATA_DIR) + "/save/rich_profiles.sav";

class GameId : public SaveGameIdSource {
public:
    const char* saveGameId() const override { return "ID_001"; }
};
const GameId kGameId;

// The game's store with its five entries; the profiles are a fresh instance.
struct GameStore {
    explicit GameStore(const std::string& path) : store(path, &kGameId) {
        PlayerProfiles::reset();
        GameSaveEntries::registerAll(store, 75, 50);
        profiles = &PlayerProfiles::instance();
    }
    int intEntry(const char* name) const { return dynamic_cast<GenericEntry<int>&>(*store.findEntry(name)).value; }
    char charEntry(const char* name) const {
        return dynamic_cast<GenericEntry<char>&>(*store.findEntry(name)).value;
    }

    FileSaveGame store;
    PlayerProfiles* profiles = nullptr;
};

// A store that only records the bytes it is given, as any non-file medium.
class RecordingStore : public SaveGame {
public:
    void save() override {}
    bool load() override { return false; }
    void writeBytes(const void* data, int count) override {
        const auto* b = static_cast<const unsigned char*>(data);
        written.insert(written.end(), b, b + count);
    }
    void readBytes(void* data, int count) override {
        auto* b = static_cast<unsigned char*>(data);
        for (int i = 0; i < count; ++i) {
            b[i] = next < toRead.size() ? toRead[next++] : 0;
        }
    }
    Bytes written;
    Bytes toRead;
    std::size_t next = 0;
};

SceneState filledState(int sceneId, int seed) {
    SceneState s;
    s.sceneId = sceneId;
    s.badge = seed % 4;
    s.points = 1000 * seed + 70000;
    s.remainingTime = seed % 2 ? -1 : 123456 + seed;
    s.attempts = seed;
    s.completed = seed % 2 == 0;
    s.opened = seed % 3 != 0;
    s.collectedItems = {{seed, sceneId}, {seed + 1, -sceneId}, {0x01020304, seed}};
    s.goalItems = seed % 2 ? SceneState::ItemList{{7, 8}} : SceneState::ItemList{};
    s.extraItems = seed % 3 ? SceneState::ItemList{} : SceneState::ItemList{{-9, 65536}, {10, 11}};
    return s;
}

// Two players: Ann well into the story (two sessions, played scenes, found
// pieces, a score) and Bo just started. Bo is current.
void fillRichProfiles(PlayerProfiles& profiles) {
    PlayerProfile& ann = profiles.add("Ann-Katrin \xC3\x96rsted");
    ann.flowPosition = 17;
    ann.sceneCarryOver = 3;
    ann.started = true;
    ann.score = 123456789;
    ann.currentSession = 2;
    ann.currentScene = 212;
    ann.sceneUse = {{100, true}, {103, true}, {112, true}, {119, false}, {200, true}, {203, true}, {212, true}};
    ann.locationOrder = {0, 3, 12, 19, 7};
    ann.locationCursor = 2;
    int seed = 1;
    for (const auto& [sessionId, locations] : std::vector<std::pair<int, std::vector<int>>>{{1, {0, 3}}, {2, {12}}}) {
        auto session = std::make_unique<SessionRecord>();
        session->id = sessionId;
        for (const int n : locations) {
            auto entry = std::make_unique<LocationEntry>(n);
            entry->present = filledState(100 + n, seed++);
            entry->past = filledState(200 + n, seed++);
            entry->firstFlag = n != 12;
            entry->secondFlag = n == 3;
            entry->thirdFlag = n == 0;
            session->locations.push_back(std::move(entry));
        }
        ann.sessions.push_back(std::move(session));
    }
    ann.piecesShown = {{0, true}, {7, true}, {19, false}};
    ann.pieceOrder = {7, 0, 19, 3, 11};
    ann.pieceCursor = 1;
    ann.reserved = -1;

    PlayerProfile& bo = profiles.add("Bo");
    bo.locationOrder = {0, 19, 3};
    bo.sceneUse = {{100, false}, {219, false}};
    bo.pieceOrder = {3, 7};
    profiles.select(1);
}

void expectSameState(const SceneState& a, const SceneState& b) {
    EXPECT_EQ(a.sceneId, b.sceneId);
    EXPECT_EQ(a.badge, b.badge);
    EXPECT_EQ(a.points, b.points);
    EXPECT_EQ(a.remainingTime, b.remainingTime);
    EXPECT_EQ(a.attempts, b.attempts);
    EXPECT_EQ(a.completed, b.completed);
    EXPECT_EQ(a.opened, b.opened);
    EXPECT_EQ(a.goalItems, b.goalItems);
    EXPECT_EQ(a.collectedItems, b.collectedItems);
    EXPECT_EQ(a.extraItems, b.extraItems);
}

void expectSameProfile(const PlayerProfile& a, const PlayerProfile& b) {
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.started, b.started);
    EXPECT_EQ(a.flowPosition, b.flowPosition);
    EXPECT_EQ(a.sceneCarryOver, b.sceneCarryOver);
    EXPECT_EQ(a.currentSession, b.currentSession);
    EXPECT_EQ(a.currentScene, b.currentScene);
    EXPECT_EQ(a.sceneUse, b.sceneUse);
    EXPECT_EQ(a.locationOrder, b.locationOrder);
    EXPECT_EQ(a.locationCursor, b.locationCursor);
    EXPECT_EQ(a.piecesShown, b.piecesShown);
    EXPECT_EQ(a.pieceOrder, b.pieceOrder);
    EXPECT_EQ(a.pieceCursor, b.pieceCursor);
    EXPECT_EQ(a.reserved, b.reserved);
    EXPECT_EQ(a.score, b.score);
    ASSERT_EQ(a.sessions.size(), b.sessions.size());
    for (std::size_t s = 0; s < a.sessions.size(); ++s) {
        EXPECT_EQ(a.sessions[s]->id, b.sessions[s]->id);
        EXPECT_EQ(a.sessions[s]->mapScene, -1);
        ASSERT_EQ(a.sessions[s]->locations.size(), b.sessions[s]->locations.size());
        for (std::size_t l = 0; l < a.sessions[s]->locations.size(); ++l) {
            const LocationEntry& x = *a.sessions[s]->locations[l];
            const LocationEntry& y = *b.sessions[s]->locations[l];
            EXPECT_EQ(x.location, y.location);
            expectSameState(x.present, y.present);
            expectSameState(x.past, y.past);
            EXPECT_EQ(x.firstFlag, y.firstFlag);
            EXPECT_EQ(x.secondFlag, y.secondFlag);
            EXPECT_EQ(x.thirdFlag, y.thirdFlag);
        }
    }
}

Bytes le32(std::uint32_t v) {
    return {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8), static_cast<unsigned char>(v >> 16),
            static_cast<unsigned char>(v >> 24)};
}

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) {
        all.insert(all.end(), p.begin(), p.end());
    }
    return all;
}

const Bytes kHeader = {6, 0, 0, 0, 'I', 'D', '_', '0', '0', '1'};

std::size_t recordSize(const PlayerProfile& profile) {
    Buffer b;
    profile.write(b);
    return b.byteSize();
}

// The value that v becomes when only its first `bytes` bytes were read.
std::int64_t lowBytes(std::int64_t v, int bytes) {
    return bytes >= 4 ? v : static_cast<std::int64_t>(static_cast<std::uint32_t>(v) & ((1u << (8 * bytes)) - 1u));
}

// Whether a value read from a cut file is the saved one with some of its
// high bytes missing (down to all of them).
::testing::AssertionResult isCutShort(std::int64_t got, std::int64_t saved) {
    for (int bytes = 0; bytes <= 4; ++bytes) {
        if (got == lowBytes(saved, bytes)) {
            return ::testing::AssertionSuccess();
        }
    }
    return ::testing::AssertionFailure() << got << " is no cut-short form of " << saved;
}

template <typename T>
void expectCutList(const std::vector<T>& got, const std::vector<T>& saved, bool (*same)(const T&, const T&)) {
    ASSERT_LE(got.size(), saved.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_TRUE(same(got[i], saved[i])) << "element " << i;
    }
}

bool sameOrCutPair(const std::pair<int, int>& a, const std::pair<int, int>& b) {
    return isCutShort(a.first, b.first) && isCutShort(a.second, b.second);
}

bool sameOrCutInt(const int& a, const int& b) {
    return isCutShort(a, b);
}

void expectCutMap(const std::map<int, bool>& got, const std::map<int, bool>& saved) {
    ASSERT_LE(got.size(), saved.size());
    auto s = saved.begin();
    for (const auto& [key, value] : got) {
        EXPECT_TRUE(isCutShort(key, s->first));
        EXPECT_TRUE(value == s->second || !value);
        ++s;
    }
}

void expectCutState(const SceneState& got, const SceneState& saved) {
    EXPECT_TRUE(isCutShort(got.sceneId, saved.sceneId));
    EXPECT_TRUE(isCutShort(got.badge, saved.badge));
    EXPECT_TRUE(isCutShort(got.points, saved.points));
    EXPECT_TRUE(isCutShort(got.remainingTime, saved.remainingTime));
    EXPECT_TRUE(isCutShort(got.attempts, saved.attempts));
    EXPECT_TRUE(got.completed == saved.completed || !got.completed);
    EXPECT_TRUE(got.opened == saved.opened || !got.opened);
    expectCutList(got.collectedItems, saved.collectedItems, sameOrCutPair);
    expectCutList(got.goalItems, saved.goalItems, sameOrCutPair);
    expectCutList(got.extraItems, saved.extraItems, sameOrCutPair);
}

// A profile read from a cut file: every field is the saved one, or the saved
// one with its missing bytes as zero; lists hold a prefix of the saved lists.
void expectCutProfile(const PlayerProfile& got, const PlayerProfile& saved) {
    EXPECT_EQ(saved.name.compare(0, got.name.size(), got.name), 0) << got.name;
    EXPECT_TRUE(got.name.empty() || got.name == saved.name);
    EXPECT_TRUE(got.started == saved.started || !got.started);
    EXPECT_TRUE(isCutShort(got.flowPosition, saved.flowPosition));
    EXPECT_TRUE(isCutShort(got.sceneCarryOver, saved.sceneCarryOver));
    EXPECT_TRUE(isCutShort(got.currentSession, saved.currentSession));
    EXPECT_TRUE(isCutShort(got.currentScene, saved.currentScene));
    expectCutMap(got.sceneUse, saved.sceneUse);
    expectCutList(got.locationOrder, saved.locationOrder, sameOrCutInt);
    EXPECT_TRUE(isCutShort(got.locationCursor, saved.locationCursor));
    ASSERT_LE(got.sessions.size(), saved.sessions.size());
    for (std::size_t s = 0; s < got.sessions.size(); ++s) {
        EXPECT_TRUE(isCutShort(got.sessions[s]->id, saved.sessions[s]->id));
        ASSERT_LE(got.sessions[s]->locations.size(), saved.sessions[s]->locations.size());
        for (std::size_t l = 0; l < got.sessions[s]->locations.size(); ++l) {
            const LocationEntry& x = *got.sessions[s]->locations[l];
            const LocationEntry& y = *saved.sessions[s]->locations[l];
            EXPECT_TRUE(isCutShort(x.location, y.location));
            expectCutState(x.present, y.present);
            expectCutState(x.past, y.past);
            EXPECT_TRUE(x.firstFlag == y.firstFlag || !x.firstFlag);
            EXPECT_TRUE(x.secondFlag == y.secondFlag || !x.secondFlag);
            EXPECT_TRUE(x.thirdFlag == y.thirdFlag || !x.thirdFlag);
        }
    }
    expectCutMap(got.piecesShown, saved.piecesShown);
    expectCutList(got.pieceOrder, saved.pieceOrder, sameOrCutInt);
    EXPECT_TRUE(isCutShort(got.pieceCursor, saved.pieceCursor));
    EXPECT_TRUE(isCutShort(got.reserved, saved.reserved));
    EXPECT_TRUE(isCutShort(got.score, saved.score));
}

}  // namespace

TEST(SaveFile, AFreshInstallationWritesTheStartingValues) {
    TempFolder folder;
    const std::string path = AppDataFolder::saveFilePath(folder.file("data"), "Studio/Chrona", "save.dat");
    ASSERT_EQ(path, folder.file("data/Studio/Chrona/save.dat"));
    {
        GameStore game(path);
        game.store.loadOrWriteFresh();
    }
    EXPECT_EQ(TempFolder::readAll(path), concat({kHeader, {1, 1}, le32(50), le32(0), le32(0xFFFFFFFF), le32(75)}))
        << "full screen, hardware cursor, music volume, no profiles and no current one, sound volume";

    GameStore again(path);
    dynamic_cast<GenericEntry<int>&>(*again.store.findEntry("SOUND_VOLUME")).value = 0;
    ASSERT_TRUE(again.store.load());
    EXPECT_EQ(again.intEntry("SOUND_VOLUME"), 75);
    EXPECT_EQ(again.intEntry("MUSIC_VOLUME"), 50);
    EXPECT_EQ(again.charEntry("FULL_SCREEN"), 1);
    EXPECT_EQ(again.charEntry("HARDWARE_CURSOR"), 1);
    EXPECT_EQ(again.profiles->count(), 0);
    EXPECT_EQ(again.profiles->currentIndex(), -1);
}

TEST(SaveFile, ProfilesGoIntoTheFileImageOnlyAndTheFlowPositionTravelsWithTheCurrentOne) {
    PlayerProfiles profiles;
    profiles.add("Ann");
    profiles.add("Bo");
    profiles.select(1);
    RecordingStore other;
    profiles.writeTo(other);
    EXPECT_EQ(other.written, concat({le32(2), le32(1)})) << "another store gets only the two counts";

    TempFolder folder;
    const std::string path = folder.file("save.dat");
    int flowPosition = 31;
    {
        GameStore game(path);
        game.profiles->linkFlowPosition([&] { return flowPosition; }, [&](int p) { flowPosition = p; });
        game.profiles->add("Ann");
        game.profiles->add("Bo").flowPosition = 5;
        game.profiles->select(1);
        EXPECT_EQ(flowPosition, 5);
        flowPosition = 44;
        game.store.save();
        EXPECT_EQ(game.profiles->currentProfile()->flowPosition, 44) << "saving copies the flow position";
    }
    flowPosition = 0;
    GameStore game(path);
    game.profiles->linkFlowPosition([&] { return flowPosition; }, [&](int p) { flowPosition = p; });
    ASSERT_TRUE(game.store.load());
    EXPECT_EQ(flowPosition, 44) << "loading puts the flow where the current player was";

    // A current index that names no profile means none.
    Bytes bytes = TempFolder::readAll(path);
    const Bytes outside = le32(2);
    std::copy(outside.begin(), outside.end(), bytes.end() - 8);
    TempFolder::writeAll(path, bytes);
    ASSERT_TRUE(game.store.load());
    EXPECT_EQ(game.profiles->count(), 2);
    EXPECT_EQ(game.profiles->currentIndex(), -1);
}

TEST(SaveFile, ARichProfileMatchesTheReferenceFileAndReadsBackFieldForField) {
    TempFolder folder;
    const std::string path = folder.file("save.dat");
    PlayerProfiles expected;
    fillRichProfiles(expected);
    {
        GameStore game(path);
        fillRichProfiles(*game.profiles);
        dynamic_cast<GenericEntry<int>&>(*game.store.findEntry("SOUND_VOLUME")).value = 0x11223344;
        dynamic_cast<GenericEntry<char>&>(*game.store.findEntry("FULL_SCREEN")).value = 0;
        game.store.save();
    }
    const Bytes written = TempFolder::readAll(path);
    const Bytes reference = TempFolder::readAll(kReference);
    if (written != reference) {
        TempFolder::writeAll(std::string(CHRONA_BINARY_DIR) + "/rich_profiles.sav.actual", written);
    }
    ASSERT_FALSE(reference.empty()) << kReference;
    EXPECT_EQ(written, reference) << "the bytes differ from " << kReference << " (see build/rich_profiles.sav.actual)";

    GameStore game(kReference);
    ASSERT_TRUE(game.store.load());
    EXPECT_EQ(game.intEntry("SOUND_VOLUME"), 0x11223344);
    EXPECT_EQ(game.charEntry("FULL_SCREEN"), 0);
    EXPECT_EQ(game.charEntry("HARDWARE_CURSOR"), 1);
    EXPECT_EQ(game.intEntry("MUSIC_VOLUME"), 50);
    ASSERT_EQ(game.profiles->count(), 2);
    EXPECT_EQ(game.profiles->currentIndex(), 1);
    expectSameProfile(*game.profiles->at(0), *expected.at(0));
    expectSameProfile(*game.profiles->at(1), *expected.at(1));
}

TEST(SaveFile, ACutFileLoadsWhatItHoldsWithZerosForTheRest) {
    TempFolder folder;
    const std::string path = folder.file("save.dat");
    const Bytes full = TempFolder::readAll(kReference);
    ASSERT_GT(full.size(), 300u);
    PlayerProfiles saved;
    fillRichProfiles(saved);
    const std::size_t annEnd = 20 + recordSize(*saved.at(0));
    const std::size_t boEnd = annEnd + recordSize(*saved.at(1));
    ASSERT_EQ(boEnd + 8, full.size());

    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        TempFolder::writeAll(path, Bytes(full.begin(), full.begin() + static_cast<long>(cut)));
        GameStore game(path);
        LogCapture captured1;
        const bool loaded = game.store.load();
        const std::string said = captured1.takeText();
        if (cut < kHeader.size()) {
            EXPECT_FALSE(loaded);
            EXPECT_TRUE(game.store.lastLoadRejected());
            EXPECT_EQ(game.intEntry("SOUND_VOLUME"), 75) << "a refused file leaves the starting values";
            EXPECT_EQ(game.charEntry("FULL_SCREEN"), 1);
            continue;
        }
        ASSERT_TRUE(loaded);
        EXPECT_NE(said.find("cut short"), std::string::npos) << "one line tells the player's file was damaged";
        const auto present = [&](std::size_t offset) { return static_cast<int>(std::min<std::size_t>(4, cut > offset ? cut - offset : 0)); };
        EXPECT_EQ(game.charEntry("FULL_SCREEN"), 0) << "saved as 0";
        EXPECT_EQ(game.charEntry("HARDWARE_CURSOR"), cut > 11 ? 1 : 0);
        EXPECT_EQ(game.intEntry("MUSIC_VOLUME"), lowBytes(50, present(12)));
        EXPECT_EQ(game.intEntry("SOUND_VOLUME"), lowBytes(0x11223344, present(full.size() - 4)));
        const int profiles = game.profiles->count();
        ASSERT_LE(profiles, 2);
        EXPECT_EQ(profiles >= 1, cut >= 22) << "a count of 2 needs at least 2 bytes after it";
        EXPECT_EQ(profiles == 2, cut > annEnd);
        if (cut >= annEnd && profiles >= 1) {
            expectSameProfile(*game.profiles->at(0), *saved.at(0));
        } else if (profiles >= 1) {
            expectCutProfile(*game.profiles->at(0), *saved.at(0));
        }
        if (profiles == 2) {
            if (cut >= boEnd) {
                expectSameProfile(*game.profiles->at(1), *saved.at(1));
            } else {
                expectCutProfile(*game.profiles->at(1), *saved.at(1));
            }
        }
        // The index 1 is whole in its first byte; a missing index reads 0.
        EXPECT_EQ(game.profiles->currentIndex(), cut > boEnd ? 1 : (profiles > 0 ? 0 : -1));
    }
}

TEST(SaveFile, ImpossibleCountsEndTheDataInsteadOfBeingBelieved) {
    // One of everything, so that every count and length sits at a known place.
    TempFolder folder;
    const std::string path = folder.file("save.dat");
    {
        GameStore game(path);
        PlayerProfile& p = game.profiles->add("A");
        p.sceneUse = {{100, true}};
        p.locationOrder = {0};
        auto session = std::make_unique<SessionRecord>();
        session->id = 1;
        auto entry = std::make_unique<LocationEntry>(0);
        entry->present.collectedItems = {{1, 2}};
        session->locations.push_back(std::move(entry));
        p.sessions.push_back(std::move(session));
        p.piecesShown = {{4, true}};
        p.pieceOrder = {4};
        p.score = 77;
        game.profiles->select(0);
        game.store.save();
    }
    const Bytes good = TempFolder::readAll(path);
    ASSERT_EQ(good.size(), 193u);
    struct Count {
        const char* field;
        std::size_t offset;
        std::uint32_t saved;
    };
    const std::vector<Count> counts = {
        {"profiles", 16, 1},      {"scene use", 40, 1},    {"location order", 49, 1}, {"sessions", 61, 1},
        {"locations", 69, 1},     {"found items", 99, 1},  {"goal items", 111, 0},    {"extra items", 115, 0},
        {"past found", 141, 0},   {"past goals", 145, 0},  {"past extras", 149, 0},   {"pieces shown", 156, 1},
        {"piece order", 165, 1},
    };
    for (const Count& c : counts) {
        ASSERT_EQ(Bytes(good.begin() + static_cast<long>(c.offset), good.begin() + static_cast<long>(c.offset) + 4),
                  le32(c.saved))
            << c.field << " is not where the layout puts it";
    }
    ASSERT_EQ(good[20], 1) << "the name's length";

    for (const Count& c : counts) {
        for (const std::uint32_t huge : {0x7FFFFFFFu, 0x10000000u, 194u}) {
            SCOPED_TRACE(std::string(c.field) + " = " + std::to_string(huge));
            Bytes bad = good;
            const Bytes value = le32(huge);
            std::copy(value.begin(), value.end(), bad.begin() + static_cast<long>(c.offset));
            TempFolder::writeAll(path, bad);
            GameStore game(path);
            LogCapture captured2;
            ASSERT_TRUE(game.store.load());
            captured2.takeText();
            EXPECT_EQ(game.intEntry("SOUND_VOLUME"), 0) << "everything after the count reads as zero";
            EXPECT_EQ(game.profiles->currentIndex(), game.profiles->count() > 0 ? 0 : -1) << "a missing index reads 0";
            if (c.offset == 16) {
                EXPECT_EQ(game.profiles->count(), 0);
                continue;
            }
            ASSERT_EQ(game.profiles->count(), 1);
            const PlayerProfile& p = *game.profiles->at(0);
            EXPECT_EQ(p.name, "A");
            EXPECT_EQ(p.score, 0);
            EXPECT_LE(p.sceneUse.size(), 1u);
            EXPECT_LE(p.locationOrder.size(), 1u);
            EXPECT_LE(p.sessions.size(), 1u);
            for (const auto& session : p.sessions) {
                EXPECT_LE(session->locations.size(), 1u);
            }
            EXPECT_TRUE(p.pieceOrder.empty());
        }
    }

    Bytes longName = good;
    longName[20] = 0xFF;
    longName[21] = 0x7F;
    TempFolder::writeAll(path, longName);
    GameStore game(path);
    LogCapture captured3;
    ASSERT_TRUE(game.store.load());
    captured3.takeText();
    ASSERT_EQ(game.profiles->count(), 1);
    EXPECT_EQ(game.profiles->at(0)->name, "");
    EXPECT_EQ(game.profiles->at(0)->score, 0);
    EXPECT_EQ(game.intEntry("SOUND_VOLUME"), 0);
}

TEST(SaveFile, ARunOnlyProfileIsPlayedButNeverWritten) {
    TempFolder folder;
    const std::string path = folder.file("save.dat");
    {
        GameStore game(path);
        game.profiles->add("Ann").score = 70;
        game.profiles->add("Bo");
        game.profiles->select(0);
        PlayerProfile& trial = game.profiles->addTransient("Scene trial");
        EXPECT_EQ(game.profiles->currentProfile(), &trial);
        EXPECT_TRUE(game.profiles->isTransient(&trial));
        trial.score = 999;
        game.store.save();
    }
    GameStore game(path);
    ASSERT_TRUE(game.store.load());
    ASSERT_EQ(game.profiles->count(), 2);
    EXPECT_EQ(game.profiles->at(1)->name, "Bo");
    EXPECT_EQ(game.profiles->currentIndex(), 0) << "the profile current before the trial";
    EXPECT_EQ(game.profiles->currentProfile()->score, 70);
}

#include <gtest/gtest.h>

#include <sstream>

#include "engine/core/ShutdownFlag.hpp"
#include "engine/audio/Music.hpp"
#include "engine/audio/Sound.hpp"
#include "engine/resources/LeakTracker.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "support/FakeFont.hpp"
#include "support/FakeTexture.hpp"

namespace {

using Log = std::vector<std::string>;

// Each test resource writes "deleted <name>" when destroyed.
class NamedTexture : public FakeTexture {
public:
    NamedTexture(std::string name, Log* log) : FakeTexture(8, 8, 8, 8), name_(std::move(name)), log_(log) {}
    ~NamedTexture() override { log_->push_back("deleted " + name_); }

private:
    std::string name_;
    Log* log_;
};

class NamedFont : public FakeFont {
public:
    NamedFont(std::string name, Log* log) : name_(std::move(name)), log_(log) {}
    ~NamedFont() override { log_->push_back("deleted " + name_); }

private:
    std::string name_;
    Log* log_;
};

class NamedMusic : public Music {
public:
    NamedMusic(std::string name, Log* log) : name_(std::move(name)), log_(log) {}
    ~NamedMusic() override { log_->push_back("deleted " + name_); }
    void load() override {}
    void play(int /*loops*/) override {}

private:
    std::string name_;
    Log* log_;
};

class NamedSound : public Sound {
public:
    NamedSound(std::string name, Log* log) : name_(std::move(name)), log_(log) {}
    ~NamedSound() override { log_->push_back("deleted " + name_); }
    void load() override {}
    void play() override {}
    void play(int /*loops*/) override {}
    void fadeIn(int /*loops*/, int /*ms*/) override {}
    void fadeOut(int /*ms*/) override {}
    void stop() override {}
    bool isPlaying() override { return false; }

private:
    std::string name_;
    Log* log_;
};

TEST(ResourceManagerTest, TexturesAreReplacedInPlaceAndRemovedByMovingTheLast) {
    Log log;
    ResourceManager manager;
    auto* a = new NamedTexture("a", &log);
    auto* b = new NamedTexture("b", &log);
    auto* c = new NamedTexture("c", &log);
    manager.addTexture("A", a);
    manager.addTexture("B", b);
    manager.addTexture("C", c);

    auto* b2 = new NamedTexture("b2", &log);
    manager.addTexture("B", b2);
    EXPECT_EQ((Log{"deleted b"}), log);
    EXPECT_EQ(3u, manager.getTextures().size());
    EXPECT_EQ(1, manager.indexOfTexture("B"));
    EXPECT_EQ(b2, manager.getTexture("B"));

    manager.removeTexture("B");
    EXPECT_EQ((Log{"deleted b"}), log);
    EXPECT_EQ((std::vector<Texture*>{a, c}), manager.getTextures());
    EXPECT_EQ(1, manager.indexOfTexture("C"));
    EXPECT_EQ(c, manager.getTexture("C"));
    EXPECT_EQ(nullptr, manager.getTexture("B"));
    EXPECT_EQ(-1, manager.indexOfTexture("B"));
    delete b2;

    manager.removeTexture("unknown");
    EXPECT_EQ((std::vector<Texture*>{a, c}), manager.getTextures());

    manager.removeTexture("C");
    manager.removeTexture("A");
    EXPECT_TRUE(manager.getTextures().empty());
    EXPECT_EQ(nullptr, manager.getTexture("A"));
    manager.addTexture("D", a);
    EXPECT_EQ(0, manager.indexOfTexture("D"));
    delete c;
}

TEST(ResourceManagerTest, EveryKindReplacesAndDeletesAnEarlierEntry) {
    Log log;
    {
        ResourceManager manager;
        manager.addFont("F", new NamedFont("f1", &log));
        auto* f2 = new NamedFont("f2", &log);
        manager.addFont("F", f2);
        manager.addMusic("M", new NamedMusic("m1", &log));
        auto* m2 = new NamedMusic("m2", &log);
        manager.addMusic("M", m2);
        manager.addSound("S", new NamedSound("s1", &log));
        auto* s2 = new NamedSound("s2", &log);
        manager.addSound("S", s2);
        EXPECT_EQ((Log{"deleted f1", "deleted m1", "deleted s1"}), log);
        EXPECT_EQ(f2, manager.getFont("F"));
        EXPECT_EQ(m2, manager.getMusic("M"));
        EXPECT_EQ(s2, manager.getSound("S"));
        EXPECT_EQ(nullptr, manager.getMusic("other"));
        EXPECT_EQ(nullptr, manager.getFont("other"));

        std::unique_ptr<unsigned char[]> block(new unsigned char[4]{1, 2, 3, 4});
        manager.addRawData("R", std::unique_ptr<unsigned char[]>(new unsigned char[2]{9, 9}));
        unsigned char* kept = block.get();
        manager.addRawData("R", std::move(block));
        EXPECT_EQ(kept, manager.getRawData("R"));
        EXPECT_EQ(nullptr, manager.getRawData("other"));
        EXPECT_EQ(nullptr, manager.getRawMusic("other"));
        manager.addTexture("T", new NamedTexture("t", &log));
        log.clear();
    }
    EXPECT_EQ((Log{"deleted t", "deleted f2", "deleted m2", "deleted s2"}), log);
}

TEST(ResourceManagerTest, AudioIsLeftAloneOnceTheProcessIsShuttingDown) {
    Log log;
    auto* music = new NamedMusic("m", &log);
    auto* sound = new NamedSound("s", &log);
    {
        ResourceManager manager;
        manager.addTexture("T", new NamedTexture("t", &log));
        manager.addFont("F", new NamedFont("f", &log));
        manager.addMusic("M", music);
        manager.addSound("S", sound);
        ShutdownFlag::set(true);
    }
    ShutdownFlag::set(false);
    EXPECT_EQ((Log{"deleted t", "deleted f"}), log);
    delete music;
    delete sound;
}

TEST(ResourceManagerTest, ReleaseAndRestoreReachTheSelectedKinds) {
    Log log;
    ResourceManager manager;
    auto* texture = new NamedTexture("t", &log);
    auto* font = new NamedFont("f", &log);
    manager.addTexture("T", texture);
    manager.addFont("F", font);

    manager.releaseAll(ResourceManager::Fonts);
    EXPECT_EQ(1, font->releases);
    EXPECT_EQ(0, texture->releases);
    manager.releaseAll(ResourceManager::Textures);
    EXPECT_EQ(1, font->releases);
    EXPECT_EQ(1, texture->releases);
    manager.restoreAll(ResourceManager::AllKinds);
    EXPECT_EQ(1, font->restores);
    EXPECT_EQ(1, texture->restores);
    manager.restoreAll(2);
    EXPECT_EQ(1, font->restores);
    EXPECT_EQ(2, texture->restores);
}

TEST(LeakTrackerTest, ReportListsTrackedAllocationsAndEmptiesTheTable) {
    LeakTracker& tracker = LeakTracker::instance();
    std::ostringstream clean;
    tracker.report(clean);
    EXPECT_EQ("No memory leaks! Yeeeeej :)\n", clean.str());

    int block = 0;
    int other = 0;
    tracker.track(&block, 16, "Scene.cpp", 42);
    tracker.track(&other, 8, "Other.cpp", 7);
    tracker.untrack(&other);
    std::ostringstream leaky;
    tracker.report(leaky);
    std::ostringstream expected;
    expected << "Detected memory leaks\nLeak in, Filename: Scene.cpp line: 42 address: "
             << static_cast<const void*>(&block) << " size: 16\n";
    EXPECT_EQ(expected.str(), leaky.str());
    EXPECT_EQ(0u, tracker.count());
}

}  // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/audio/SoundSystem.hpp"

namespace {

class RecordingSoundSystem : public SoundSystem {
public:
    void setMusicVolume(int volume) override { calls.push_back("music " + std::to_string(volume)); }
    void setVolume(int channel, int volume) override {
        calls.push_back("channel " + std::to_string(channel) + " " + std::to_string(volume));
    }
    bool open() override { return true; }
    void close() override {}
    bool isOpen() const override { return true; }
    void pauseAll() override { calls.push_back("pause"); }
    void resumeAll() override { calls.push_back("resume"); }

    std::vector<std::string> calls;
};

}  // namespace

TEST(SoundSystem, FocusLossSilencesAndFocusGainRestoresTheStoredVolumes) {
    RecordingSoundSystem system;
    system.suspend();
    EXPECT_EQ(system.calls, (std::vector<std::string>{"pause", "music 0", "channel -1 0"}));
    system.calls.clear();
    system.resume(50, 75);
    EXPECT_EQ(system.calls, (std::vector<std::string>{"resume", "music 50", "channel -1 75"}));
}

#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/app/GlobalEventManager.hpp"
#include "engine/audio/Music.hpp"
#include "engine/config/Config.hpp"
#include "engine/dialogs/MessageQuestionDialog.hpp"
#include "engine/persistence/FileSaveGame.hpp"
#include "engine/text/LabelManager.hpp"
#include "engine/widgets/TarvikButton.hpp"
#include "game/menus/MenuServices.hpp"
#include "game/persistence/GameSaveEntries.hpp"
#include "support/FakeTextureFactory.hpp"
#include "support/MouseEvents.hpp"
#include "support/TempFolder.hpp"
#include "support/TestApp.hpp"
#include "support/RecordingScreenFactory.hpp"
#include "tests/game/story/flow/FlowFixture.hpp"

// Music that remembers how it was played.
class RecordingMusic : public Music {
public:
    explicit RecordingMusic(std::vector<int>& plays) : plays_(plays) {}
    void load() override {}
    void play(int loops) override { plays_.push_back(loops); }

private:
    std::vector<int>& plays_;
};

// The application's side of the menus, recorded: a real save file in a
// temporary folder, the display and cursor calls, the volumes, the music.
class FakeMenuServices : public MenuServices {
public:
    SaveGame* settings() override { return store; }
    void saveSettings() override {
        ++saves;
        if (store) {
            store->save();
        }
    }
    void setFullScreen(bool fullScreen) override { fullScreenCalls.push_back(fullScreen); }
    void applyCursor(bool custom) override { cursorCalls.push_back(custom); }
    void quitDialogClosed() override { ++quitDialogsClosed; }
    Music* sceneMusic(int index) override {
        musicIndexes.push_back(index);
        return new RecordingMusic(musicPlays);
    }
    int parameter(const std::string& key, int fallback) override {
        const auto found = parameters.find(key);
        return found != parameters.end() ? found->second : fallback;
    }
    TextureFactory& textures() override { return textureSource ? *textureSource : textureFactory; }
    void setMusicVolume(int volume) override { musicVolume = volume; }
    void setSoundVolume(int volume) override { soundVolume = volume; }
    GlobalEventManager* globalEvents() override { return &events; }

    SaveGame* store = nullptr;
    int saves = 0;
    std::vector<bool> fullScreenCalls;
    std::vector<bool> cursorCalls;
    int quitDialogsClosed = 0;
    std::vector<int> musicIndexes;
    std::vector<int> musicPlays;
    std::map<std::string, int> parameters;
    FakeTextureFactory textureFactory;
    // When set, the pictures come from here instead (OpenGL tests).
    TextureFactory* textureSource = nullptr;
    int musicVolume = -1;
    int soundVolume = -1;
    GlobalEventManager events;
};

// The recording factory with fake creators for the flow types the menus reach.
class RecordingFactory : public RecordingScreenFactory {
public:
    void registerCreators(GameFlow& flow) override {
        for (const char* type : {ScreenTypes::DialogScreen, ScreenTypes::MainMenu, ScreenTypes::Map,
                                 ScreenTypes::Scene, ScreenTypes::PlayerProfilesMenu}) {
            flow.registerCreator(type, [type](const FlowParameters& p) { return new FakeScreen(type, p); });
        }
    }
};

// The menus in a windowless application over the baked content: labels,
// animations, fresh profiles and flow, the recording services and factory.
class MenuFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Config::reset();
        Config::instance().setContentFolder(CHRONA_CONTENT_DIR);
        app_ = std::make_unique<TestApp>();
        app_->getLabelManager()->load("content/config/labels/EN.xml");
        GameFlow::reset();
        PlayerProfiles::reset();
        store_ = std::make_unique<FileSaveGame>(folder_.file("chrona.sav"), nullptr);
        GameSaveEntries::registerAll(*store_, 75, 50);
        PlayerProfiles::instance().setRandomSource(random_);
        PlayerProfiles::instance().setContent(index_, PiecesFile());
        services_.store = store_.get();
        auto factory = std::make_unique<RecordingFactory>();
        factory_ = factory.get();
        GameFlow::instance().setScreenFactory(std::move(factory));
        MenuServices::install(&services_);
    }
    void TearDown() override {
        app_.reset();
        MenuServices::install(nullptr);
        GameFlow::reset();
        store_.reset();
        Config::reset();
    }

    template <typename S>
    S* push(S* screen) {
        app_->startState(screen);
        return screen;
    }
    void frames(int count, int milliseconds = 100) {
        for (int i = 0; i < count; ++i) {
            app_->updateStates(milliseconds);
        }
    }
    void mouse(int kind, int x, int y, int buttons = 0) { app_->deliverMouse(mouseEvent(kind, x, y, buttons)); }
    void click(const Widget* widget) {
        clickAt([this](const MouseEvent& e) { app_->deliverMouse(e); }, widget->getX() + widget->getWidth() / 2,
                widget->getY() + widget->getHeight() / 2);
        mouse(MouseEvent::Move, 0, 0);
    }
    void key(int keyCode, int unicode = 0) {
        KeyEvent event;
        event.key = keyCode;
        event.unicode = unicode;
        event.character = app_->translateKey(unicode);
        app_->deliverKey(event);
    }
    void type(const std::string& text) {
        for (char c : text) {
            key(static_cast<unsigned char>(c), static_cast<unsigned char>(c));
        }
    }
    // The question dialog open on a screen, or null.
    static MessageQuestionDialog* question(const ScreenBase* screen) {
        for (Widget* widget : screen->getWidgets()) {
            if (auto* dialog = dynamic_cast<MessageQuestionDialog*>(widget)) {
                return dialog;
            }
        }
        return nullptr;
    }
    // Lets the question open, clicks its answer and lets it close.
    void answer(const ScreenBase* screen, int choice) {
        MessageQuestionDialog* dialog = question(screen);
        ASSERT_NE(dialog, nullptr);
        frames(6);
        ASSERT_EQ(dialog->getState(), AnimatedDialog::Shown);
        click(dialog->getButtons().at(static_cast<std::size_t>(choice)));
        frames(6);
    }
    std::string topName() const {
        const auto* screen = dynamic_cast<const ScreenBase*>(app_->topState());
        return screen ? screen->getName() : std::string("<none>");
    }
    PlayerProfile& addProfile(const std::string& name, bool makeCurrent = true) {
        PlayerProfiles& profiles = PlayerProfiles::instance();
        PlayerProfile& profile = profiles.add(name);
        if (makeCurrent) {
            profiles.select(profiles.count() - 1);
        }
        return profile;
    }

    TempFolder folder_;
    std::unique_ptr<TestApp> app_;
    std::unique_ptr<FileSaveGame> store_;
    FakeMenuServices services_;
    RecordingFactory* factory_ = nullptr;
    SceneIndex index_;
    SeededRandom random_{77};
};

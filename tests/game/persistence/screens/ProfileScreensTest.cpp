#include <SDL/SDL_keysym.h>

#include "engine/widgets/SimpleTextListWidget.hpp"
#include "engine/widgets/TextInputWidget.hpp"
#include "game/app/SharedResources.hpp"
#include "game/menus/MenuLook.hpp"
#include "game/persistence/screens/PlayerNameEntry.hpp"
#include "game/persistence/screens/PlayerProfilesMenu.hpp"
#include "tests/engine/widgets/ControlTestKit.hpp"
#include "tests/game/menus/MenuFixture.hpp"

namespace {

// A font of the name field without the euro sign and the pound sign.
class PartialFont : public controls::FixedFont {
public:
    bool hasGlyph(int code) const override { return code != 0x80 && code != 0xA3; }
};

class ProfileScreensTest : public MenuFixture {
protected:
    void SetUp() override {
        MenuFixture::SetUp();
        SharedResources::instance().aldine26 = &font_;
    }
    void TearDown() override {
        MenuFixture::TearDown();
        SharedResources::instance().aldine26 = nullptr;
    }

    // Three profiles, the second current, and the menu over another screen.
    PlayerProfilesMenu* openMenuOverAnother() {
        addProfile("Ada", false);
        addProfile("Bo");
        addProfile("Cy", false);
        app_->startState(new FakeScreen("below", FlowParameters()));
        return openMenu();
    }
    PlayerProfilesMenu* openMenu() {
        PlayerProfilesMenu* menu = push(new PlayerProfilesMenu());
        frames(6);
        EXPECT_EQ(menu->getState(), AnimatedDialogScreen::Open);
        return menu;
    }
    PlayerNameEntry* topEntry() {
        auto* entry = dynamic_cast<PlayerNameEntry*>(app_->topState());
        EXPECT_NE(entry, nullptr) << "the name entry is not on top";
        if (entry) {
            frames(6);
        }
        return entry;
    }
    static std::vector<std::string> names() {
        std::vector<std::string> out;
        const PlayerProfiles& profiles = PlayerProfiles::instance();
        for (int i = 0; i < profiles.count(); ++i) {
            out.push_back(profiles.at(i)->name);
        }
        return out;
    }

    PartialFont font_;
};

using Names = std::vector<std::string>;

TEST_F(ProfileScreensTest, UpDownAndSelectMoveThroughTheListAndSaveOnClosing) {
    PlayerProfilesMenu* menu = openMenuOverAnother();
    SimpleTextListWidget* list = menu->getList();
    EXPECT_EQ(list->getRows(), Names({"Ada", "Bo", "Cy"}));
    EXPECT_EQ(list->getSelected(), 1) << "the current profile";

    click(menu->button(PlayerProfilesMenu::Up));
    EXPECT_EQ(list->getSelected(), 0);
    menu->command(PlayerProfilesMenu::Up);
    EXPECT_EQ(list->getSelected(), 0) << "already on the first row";
    for (int i = 0; i < 3; ++i) {
        menu->command(PlayerProfilesMenu::Down);
    }
    EXPECT_EQ(list->getSelected(), 2) << "stops on the last row";

    click(menu->button(PlayerProfilesMenu::Select));
    EXPECT_EQ(PlayerProfiles::instance().currentIndex(), 2);
    frames(5);
    EXPECT_EQ(topName(), "below") << "the menu simply goes";
    EXPECT_EQ(services_.saves, 1) << "a changed profile reaches the disk";
}

TEST_F(ProfileScreensTest, ClosingWithNothingBelowLeadsToTheNextDialogueWithoutSavingWhenUnchanged) {
    addProfile("Ada");
    PlayerProfilesMenu* menu = openMenu();
    menu->getList()->setSelected(-1);
    menu->command(PlayerProfilesMenu::Select);
    frames(5);
    ASSERT_EQ(topName(), ScreenTypes::DialogScreen);
    const auto* next = dynamic_cast<FakeScreen*>(app_->topState());
    EXPECT_EQ(next->text("fileName"), PlayerProfilesMenu::NextDialogue);
    EXPECT_EQ(next->text("musicId"), "6666");
    EXPECT_EQ(app_->getStates().size(), 1u);
    EXPECT_EQ(services_.saves, 0);
}

TEST_F(ProfileScreensTest, DeletingAsksFirstAndKeepsTheCurrentProfile) {
    PlayerProfilesMenu* menu = openMenuOverAnother();
    PlayerProfiles& profiles = PlayerProfiles::instance();
    menu->getList()->setSelected(0);
    menu->command(PlayerProfilesMenu::Delete);
    const MessageQuestionDialog* dialog = question(menu);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->getDescription().caption, MenuLook::label("DIALOG_DELETE_PROFILE_CAPTION"));
    EXPECT_EQ(dialog->getDescription().buttonTexts[1], MenuLook::label("YES"));
    answer(menu, 0);
    EXPECT_EQ(names(), Names({"Ada", "Bo", "Cy"})) << "no keeps it";

    menu->command(PlayerProfilesMenu::Delete);
    answer(menu, 1);
    EXPECT_EQ(names(), Names({"Bo", "Cy"}));
    EXPECT_EQ(menu->getList()->getRows(), Names({"Bo", "Cy"}));
    EXPECT_EQ(profiles.currentIndex(), 0) << "deleting one before the current shifts it";
    EXPECT_EQ(profiles.currentProfile()->name, "Bo");

    menu->getList()->setSelected(0);
    menu->command(PlayerProfilesMenu::Delete);
    answer(menu, 1);
    EXPECT_EQ(names(), Names({"Cy"}));
    EXPECT_EQ(profiles.currentIndex(), -1) << "the current one deleted: none is current";
    EXPECT_EQ(app_->topState(), menu);

    menu->command(PlayerProfilesMenu::Delete);
    answer(menu, 1);
    EXPECT_TRUE(names().empty());
    PlayerNameEntry* entry = topEntry();
    ASSERT_NE(entry, nullptr) << "the last one gone: the name entry opens at once";
    type("Dee");
    key(SDLK_RETURN);
    frames(6);
    EXPECT_EQ(app_->topState(), menu);
    EXPECT_EQ(menu->getList()->getRows(), Names({"Dee"}));
    EXPECT_EQ(profiles.currentIndex(), 0);
}

TEST_F(ProfileScreensTest, CreateAndRenameGoThroughTheNameEntry) {
    PlayerProfilesMenu* menu = openMenuOverAnother();
    click(menu->button(PlayerProfilesMenu::Create));
    PlayerNameEntry* entry = topEntry();
    ASSERT_NE(entry, nullptr);
    type("Eve");
    click(entry->getOkButton());
    frames(6);
    EXPECT_EQ(names(), Names({"Ada", "Bo", "Cy", "Eve"}));
    EXPECT_EQ(PlayerProfiles::instance().currentIndex(), 3) << "the new profile is current";
    EXPECT_EQ(menu->getList()->getSelected(), 3);

    menu->getList()->setSelected(1);
    menu->command(PlayerProfilesMenu::Rename);
    entry = topEntry();
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->getField()->getText(), "Bo");
    type("b");
    key(SDLK_RETURN);
    frames(6);
    EXPECT_EQ(names(), Names({"Ada", "Bob", "Cy", "Eve"}));
    EXPECT_EQ(menu->getList()->getRows()[1], "Bob");

    menu->command(PlayerProfilesMenu::Create);
    entry = topEntry();
    ASSERT_NE(entry, nullptr);
    type("Zed");
    key(SDLK_ESCAPE);
    frames(6);
    EXPECT_EQ(names().size(), 4u) << "cancel adds nothing";
    EXPECT_EQ(app_->topState(), menu);
}

TEST_F(ProfileScreensTest, NameEntryValidatesEveryChange) {
    addProfile("Ada");
    services_.parameters["PlayerName.Length"] = 6;
    app_->startState(new FakeScreen("below", FlowParameters()));
    PlayerNameEntry* entry = push(new PlayerNameEntry(false, std::string()));
    frames(6);
    TextInputWidget* field = entry->getField();
    TarvikButton* ok = entry->getOkButton();
    EXPECT_EQ(field->getText(), MenuLook::label("ENTER_YOUR_NAME")) << "the prompt";
    EXPECT_FALSE(ok->isActive()) << "the prompt is no name";

    type("Ada");
    EXPECT_EQ(field->getText(), "Ada") << "the prompt gives way to typing";
    EXPECT_TRUE(entry->isNameExistsShown());
    EXPECT_FALSE(ok->isActive());
    key(SDLK_RETURN);
    EXPECT_EQ(PlayerProfiles::instance().count(), 1) << "Return does nothing while OK is off";

    type("m");
    EXPECT_FALSE(entry->isNameExistsShown());
    EXPECT_TRUE(ok->isActive());
    for (int i = 0; i < 4; ++i) {
        key(SDLK_BACKSPACE);
    }
    EXPECT_EQ(field->getText(), "");
    EXPECT_FALSE(ok->isActive()) << "empty";

    type("Rosalind");
    EXPECT_EQ(field->getText(), "Rosali") << "PlayerName.Length";

    key(0, 0x4E2D);
    EXPECT_TRUE(entry->isBadCharacterShown()) << "no Windows-1252 byte";
    key(SDLK_BACKSPACE);
    EXPECT_FALSE(entry->isBadCharacterShown());
    key(0, 0x20AC);
    EXPECT_TRUE(entry->isBadCharacterShown()) << "the font has no euro sign";
    EXPECT_EQ(field->getText(), "Rosal");
    key(0, 0xE9);
    EXPECT_EQ(field->getText(), "Rosal\xE9") << "e acute is drawn";
    EXPECT_FALSE(entry->isBadCharacterShown());
    EXPECT_TRUE(ok->isActive());
    key(SDLK_RETURN);
    frames(6);
    EXPECT_EQ(PlayerProfiles::instance().currentProfile()->name, "Rosal\xE9");
    EXPECT_EQ(topName(), "below");
}

TEST_F(ProfileScreensTest, RenamingToTheSameNameIsRefusedSilently) {
    addProfile("Ada");
    addProfile("Bo");
    app_->startState(new FakeScreen("below", FlowParameters()));
    PlayerNameEntry* entry = push(new PlayerNameEntry(true, "Ada"));
    frames(6);
    EXPECT_FALSE(entry->getOkButton()->isActive());
    EXPECT_FALSE(entry->isNameExistsShown());
    key(SDLK_BACKSPACE);
    key(SDLK_BACKSPACE);
    key(SDLK_BACKSPACE);
    type("Bo");
    EXPECT_FALSE(entry->getOkButton()->isActive()) << "another profile's name";
    EXPECT_FALSE(entry->isNameExistsShown()) << "only creating shows NAME_EXISTS";
    type("b");
    key(SDLK_RETURN);
    frames(6);
    EXPECT_EQ(names(), Names({"Bob", "Bo"}));
    EXPECT_EQ(PlayerProfiles::instance().currentIndex(), 1) << "renaming keeps the current profile";
}

}  // namespace

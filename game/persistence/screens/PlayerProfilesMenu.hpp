#pragma once

#include <map>

#include "engine/dialogs/NewMessageQuestionDialogListener.hpp"
#include "engine/widgets/SimpleTextListListener.hpp"
#include "engine/widgets/TarvikButtonListener.hpp"
#include "game/menus/AnimatedDialogScreen.hpp"
#include "game/persistence/screens/PlayerNameEntryListener.hpp"

class SimpleTextListWidget;
class TarvikButton;

// The list of player profiles with create, rename, delete (after a
// question), select, and moving the selection up and down. Once the last
// profile is deleted (or when there is none) the name entry opens at once.
// Closing writes the save file when a profile changed; with no screen under
// it (reached from the introduction) the story's next dialogue follows.
// Built by the screen factory with new PlayerProfilesMenu().
class PlayerProfilesMenu : public AnimatedDialogScreen,
                           public TarvikButtonListener,
                           public SimpleTextListListener,
                           public NewMessageQuestionDialogListener,
                           public PlayerNameEntryListener {
public:
    enum Command { Create = 0, Rename = 1, Delete = 2, Select = 3, Up = 4, Down = 5 };
    static constexpr int DeleteDialogId = 4;
    static constexpr int Width = 520;
    static constexpr int Height = 600;
    static constexpr const char* NextDialogue = "content/story/dialogs/IntroScene_05.xml";
    static constexpr int NextDialogueMusic = 6666;

    PlayerProfilesMenu();

    // Runs a command as its button does.
    void command(int id);

    void onTarvikButton(int id, int code) override;
    void onTextListSelected(int id, int row) override;
    void onDialogAnswer(int dialogId, int answer) override;
    void nameEntered(bool renamed, const std::string& name) override;

    SimpleTextListWidget* getList() const { return list_; }
    TarvikButton* button(int id) const;
    bool hasChanged() const { return changed_; }

protected:
    void createContent() override;
    void onLeft(int result) override;

private:
    void fillList(int selected);
    void openNameEntry(bool rename, const std::string& name);
    void removeSelected();
    void updateButtons();

    SimpleTextListWidget* list_ = nullptr;
    std::map<int, TarvikButton*> buttons_;
    bool changed_ = false;
};

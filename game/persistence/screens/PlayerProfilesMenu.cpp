#include "game/persistence/screens/PlayerProfilesMenu.hpp"

#include "engine/app/GameApp.hpp"
#include "engine/dialogs/MessageQuestionDialog.hpp"
#include "engine/render/Texture.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/text/Font.hpp"
#include "engine/widgets/SimpleTextListWidget.hpp"
#include "engine/widgets/TarvikButton.hpp"
#include "engine/widgets/TextLabel.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "game/app/SharedResources.hpp"
#include "game/menus/MenuLook.hpp"
#include "game/menus/MenuServices.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/persistence/screens/PlayerNameEntry.hpp"
#include "game/story/flow/DialogRequest.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/flow/ScreenTypes.hpp"

namespace {

const char* const kOpening = "content/animations/PlayerProfiles/DialogStart.xml";
const char* const kClosing = "content/animations/PlayerProfiles/DialogClose.xml";
const char* const kListFrame = "content/images/widgets/ListFrame.png";

// Layout inside the 520 x 600 frame: the list in the middle with the arrows
// beside it, the four commands in two rows below.
constexpr int kListX = 110;
constexpr int kListY = 112;
constexpr int kListWidth = 260;
constexpr int kListHeight = 200;
// The rows keep clear of the frame's carved border.
constexpr int kListInset = 10;
constexpr int kArrowX = 384;
constexpr int kArrowSize = 48;

struct CommandButton {
    int id;
    const char* label;
    int x;
    int y;
};

const CommandButton kCommands[] = {
    {PlayerProfilesMenu::Create, "CREATE", 40, 350},
    {PlayerProfilesMenu::Rename, "RENAME", 260, 350},
    {PlayerProfilesMenu::Delete, "DELETE", 40, 420},
    {PlayerProfilesMenu::Select, "OK", 260, 420},
};

const Color kTitleColor(94, 44, 18);

}  // namespace

PlayerProfilesMenu::PlayerProfilesMenu()
    : AnimatedDialogScreen("PlayerProfilesMenu", kOpening, kClosing, Width, Height) {}

void PlayerProfilesMenu::createContent() {
    const SharedResources& shared = SharedResources::instance();
    auto* title = new TextLabel(MenuLook::label("PROFILES"), shared.trajanPro22, kTitleColor, TextLabel::kModeCenteredX);
    title->setGeometry(0, 0, Width, shared.trajanPro22 ? shared.trajanPro22->getLineHeight() : 24);
    addControl(title, 0, 52);

    TextureFactory& textures = MenuServices::current().textures();
    list_ = new SimpleTextListWidget(this, 0, shared.aldine26, kListWidth - 2 * kListInset,
                                     kListHeight - 2 * kListInset);
    Texture* frame = textures.load(kListFrame, nullptr, Texture::KeepNothing);
    getResourceManager()->addTexture(kListFrame, frame);
    list_->setFrameImage(frame, -kListInset, -kListInset);
    addControl(list_, kListX + kListInset, kListY + kListInset);
    getWidgetManager()->setFocus(list_);

    for (const CommandButton& entry : kCommands) {
        auto* b = new TarvikButton(this, entry.id, MenuLook::button(entry.label));
        b->setGeometry(0, 0, 220, 60);
        buttons_[entry.id] = addControl(b, entry.x, entry.y);
    }
    const struct {
        int id;
        const char* image;
        int y;
    } arrows[] = {{Up, "content/images/menus/ArrowUp.png", kListY},
                  {Down, "content/images/menus/ArrowDown.png", kListY + kListHeight - kArrowSize}};
    for (const auto& arrow : arrows) {
        Texture* image = textures.load(arrow.image, nullptr, Texture::KeepNothing);
        getResourceManager()->addTexture(arrow.image, image);
        auto* b = new TarvikButton(this, arrow.id, TarvikButtonStyle::standard(image, nullptr, nullptr, std::string()));
        b->setGeometry(0, 0, kArrowSize, kArrowSize);
        buttons_[arrow.id] = addControl(b, kArrowX, arrow.y);
    }

    const PlayerProfiles& profiles = PlayerProfiles::instance();
    fillList(profiles.currentIndex() >= 0 ? profiles.currentIndex() : 0);
    if (profiles.count() == 0) {
        command(Create);
    }
}

void PlayerProfilesMenu::fillList(int selected) {
    const PlayerProfiles& profiles = PlayerProfiles::instance();
    std::vector<std::string> rows;
    for (int i = 0; i < profiles.count(); ++i) {
        rows.push_back(profiles.at(i)->name);
    }
    list_->setRows(rows);
    list_->setSelected(rows.empty() ? -1 : std::min(selected, static_cast<int>(rows.size()) - 1));
    updateButtons();
}

void PlayerProfilesMenu::updateButtons() {
    const bool selected = list_->getSelected() >= 0;
    for (int id : {Rename, Delete, Select}) {
        if (selected) {
            buttons_[id]->activate();
        } else {
            buttons_[id]->deactivate();
        }
    }
}

TarvikButton* PlayerProfilesMenu::button(int id) const {
    const auto found = buttons_.find(id);
    return found != buttons_.end() ? found->second : nullptr;
}

void PlayerProfilesMenu::onTarvikButton(int id, int code) {
    if (code == 1) {
        command(id);
    }
}

void PlayerProfilesMenu::command(int id) {
    if (getState() != Open) {
        return;
    }
    const int selected = list_->getSelected();
    const int rows = static_cast<int>(list_->getRows().size());
    const bool onRow = selected >= 0 && selected < rows;
    switch (id) {
        case Create:
            openNameEntry(false, std::string());
            break;
        case Rename:
            if (onRow) {
                openNameEntry(true, list_->getRows()[static_cast<std::size_t>(selected)]);
            }
            break;
        case Delete:
            if (onRow) {
                addWidget(new MessageQuestionDialog(MenuLook::question("DIALOG_DELETE_PROFILE_CAPTION",
                                                                       "MESSAGE_DELETE_PROFILE", "NO", "YES"),
                                                    this, DeleteDialogId));
            }
            break;
        case Select:
            if (onRow && selected < PlayerProfiles::instance().count()) {
                PlayerProfiles::instance().select(selected);
                changed_ = true;
            }
            closeDialog(0);
            return;
        case Up:
            if (selected > 0) {
                list_->setSelected(selected - 1);
                list_->scrollTo(std::min(list_->getFirstVisible(), selected - 1));
            }
            break;
        case Down:
            if (onRow && selected < rows - 1) {
                list_->setSelected(selected + 1);
                list_->scrollTo(std::max(list_->getFirstVisible(), selected + 2 - list_->visibleRows()));
            }
            break;
        default:
            break;
    }
    updateButtons();
}

void PlayerProfilesMenu::openNameEntry(bool rename, const std::string& name) {
    gameApp()->startState(new PlayerNameEntry(rename, name, this));
}

void PlayerProfilesMenu::onTextListSelected(int /*id*/, int /*row*/) {
    updateButtons();
}

void PlayerProfilesMenu::onDialogAnswer(int dialogId, int answer) {
    if (dialogId == DeleteDialogId && answer == 1) {
        removeSelected();
    }
}

void PlayerProfilesMenu::removeSelected() {
    const int selected = list_->getSelected();
    PlayerProfiles& profiles = PlayerProfiles::instance();
    if (selected < 0 || selected >= profiles.count()) {
        return;
    }
    profiles.remove(selected);
    changed_ = true;
    fillList(selected);
    if (profiles.count() == 0) {
        command(Create);
    }
}

void PlayerProfilesMenu::nameEntered(bool renamed, const std::string& /*name*/) {
    changed_ = true;
    const PlayerProfiles& profiles = PlayerProfiles::instance();
    fillList(renamed ? list_->getSelected() : profiles.count() - 1);
}

void PlayerProfilesMenu::onLeft(int /*result*/) {
    if (changed_) {
        MenuServices::current().saveSettings();
    }
    GameApp* app = gameApp();
    if (app->getStates().size() > 1) {
        app->popState();
        return;
    }
    DialogRequest next;
    next.fileName = NextDialogue;
    next.musicId = NextDialogueMusic;
    next.loopMusic = -1;
    GameFlow& flow = GameFlow::instance();
    flow.handOver(app, flow.createScreen(ScreenTypes::DialogScreen, next.parameters()));
}

#pragma once

#include "engine/screens/GlobalEventListener.hpp"
#include "engine/widgets/CheckBoxListener.hpp"
#include "engine/widgets/CustomSliderListener.hpp"
#include "engine/widgets/TarvikButtonListener.hpp"
#include "game/menus/AnimatedDialogScreen.hpp"

class CustomCheckBox;
class CustomSliderWidget;
class Font;
class Texture;
template <typename T>
class GenericEntry;

// The options dialog over the main menu: sound and music volume (applied at
// once), the custom cursor (applied at once), full screen (applied when the
// dialog closes), the credits and the game's version. Closing writes the
// settings file. A video-mode change while it is open (Alt+Enter) updates
// the full-screen box. Built by the screen factory with new OptionsMenu().
class OptionsMenu : public AnimatedDialogScreen,
                    public TarvikButtonListener,
                    public CheckBoxListener,
                    public CustomSliderListener,
                    public GlobalEventListener {
public:
    enum SliderId { MusicSlider = 0, SoundSlider = 1 };
    enum CheckBoxId { FullScreenBox = 0, CustomCursorBox = 1 };
    enum ButtonId { OkButton = 0, CreditsButton = 1 };
    static constexpr int Width = 560;
    static constexpr int Height = 600;

    OptionsMenu();
    ~OptionsMenu() override;

    void onTarvikButton(int id, int code) override;
    void onCheckBoxChanged(int id, bool checked) override;
    void onSliderChanged(int id, float value) override;
    void onGlobalEvent(int eventCode, int argument) override;
    void onKeyEvent(const KeyEvent& event) override;

    CustomSliderWidget* getSlider(int id) const { return id == MusicSlider ? musicSlider_ : soundSlider_; }
    CustomCheckBox* getCheckBox(int id) const { return id == FullScreenBox ? fullScreenBox_ : cursorBox_; }

protected:
    void onEnter() override;
    void createContent() override;
    void onLeft(int result) override;

private:
    void addText(const std::string& text, Font* font, int x, int y, int mode);
    CustomSliderWidget* addSlider(int id, const char* labelKey, int y, GenericEntry<int>* entry);
    CustomCheckBox* addCheckBox(int id, const char* labelKey, int y, GenericEntry<char>* entry);
    Texture* texture(const char* path);

    GenericEntry<int>* soundVolume_ = nullptr;
    GenericEntry<int>* musicVolume_ = nullptr;
    GenericEntry<char>* fullScreen_ = nullptr;
    GenericEntry<char>* hardwareCursor_ = nullptr;
    CustomSliderWidget* musicSlider_ = nullptr;
    CustomSliderWidget* soundSlider_ = nullptr;
    CustomCheckBox* fullScreenBox_ = nullptr;
    CustomCheckBox* cursorBox_ = nullptr;
    int eventRegistration_ = -1;
};

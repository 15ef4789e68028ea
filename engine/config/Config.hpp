#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/SingletonContainer.hpp"

// The start-up configuration read from "content/config/config.xml", plus the
// few values the application changes while running (letterbox offsets, wide
// display, current cursor) and the folder the content lies in. One instance
// per process, reached through instance(); tests start afresh with reset().
class Config : public SingletonContainer<Config> {
public:
    struct LogoScreen {
        std::string type;
        std::string folder;
        std::string fileName;
        int line = 0;  // of its element in the file
    };
    struct Cursor {
        int id = 0;
        std::string imageFile;
        int line = 0;  // of its element in the file
    };
    enum FullScreenMode { FullScreenUnset = -1, FullScreenAuto = 0, FullScreenWindowed = 1, FullScreenOn = 2 };

    // Drops the instance (the next one holds the starting values) and the content folder.
    static void reset();

    // Reads the XML file (a "content/..." path is resolved against the content
    // folder). False, with one line on standard output, when it cannot be read;
    // every field then keeps its value. A missing resolution or labels file
    // is reported with its file and line.
    bool load(const std::string& path);
    // Whether the file gave the design resolution; without it the game cannot start.
    bool hasResolution() const { return hasResolution_; }

    // Shows a cursor picture (the application's drawn cursor); true when it could.
    using CursorDisplay = std::function<bool(const std::string& path)>;
    void setCursorDisplay(CursorDisplay display) { cursorDisplay_ = std::move(display); }
    // Makes cursor number index the shown cursor; false when there is no
    // display (no application yet) or no such cursor.
    bool setCursor(int index);
    bool reapplyCursor() { return setCursor(currentCursor_); }

    int getWidth() const { return width_; }
    int getHeight() const { return height_; }
    int getBitDepth() const { return bitDepth_; }
    int getOffsetX() const { return offsetX_; }
    int getOffsetY() const { return offsetY_; }
    void setOffsets(int x, int y) {
        offsetX_ = x;
        offsetY_ = y;
    }
    const std::string& getWindowCaption() const { return windowCaption_; }
    const std::string& getSaveGameFolder() const { return saveGameFolder_; }
    const std::string& getSaveGameFileName() const { return saveGameFileName_; }
    const std::string& getCreditsFile() const { return creditsFile_; }
    const std::string& getActiveLanguage() const { return activeLanguage_; }
    const std::string& getLabelsFile() const { return labelsFile_; }
    // The lines of the Language and Credits elements; 0 when there are none.
    int getLabelsLine() const { return labelsLine_; }
    int getCreditsLine() const { return creditsLine_; }
    const std::string& getCursorFolder() const { return cursorFolder_; }
    const std::string& getSurveyUrl() const { return surveyUrl_; }
    bool isWideDisplay() const { return wideDisplay_; }
    void setWideDisplay(bool wide) { wideDisplay_ = wide; }
    int getCurrentCursor() const { return currentCursor_; }
    int getSoundVolume() const { return soundVolume_; }
    int getMusicVolume() const { return musicVolume_; }
    int getFullScreenMode() const { return fullScreenMode_; }
    const std::vector<LogoScreen>& getLogoScreens() const { return logoScreens_; }
    const std::vector<Cursor>& getCursors() const { return cursors_; }

    // The folder that stands for "content/" in every path the game names;
    // empty means the "content" folder of the working directory.
    const std::string& getContentFolder() const;
    void setContentFolder(const std::string& folder);

private:
    int width_ = 0;
    int height_ = 0;
    int bitDepth_ = 0;
    int offsetX_ = 0;
    int offsetY_ = 0;
    std::string windowCaption_;
    std::string saveGameFolder_;
    std::string saveGameFileName_;
    std::string creditsFile_;
    std::string activeLanguage_;
    std::string labelsFile_;
    int labelsLine_ = 0;
    int creditsLine_ = 0;
    std::string cursorFolder_;
    std::string surveyUrl_;
    bool wideDisplay_ = false;
    int currentCursor_ = -1;
    int soundVolume_ = 75;
    int musicVolume_ = 50;
    int fullScreenMode_ = FullScreenUnset;
    std::vector<LogoScreen> logoScreens_;
    std::vector<Cursor> cursors_;
    bool hasResolution_ = false;
    CursorDisplay cursorDisplay_;
};

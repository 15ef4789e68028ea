#pragma once

#include <fstream>
#include <string>

#include "tests/game/menus/MenuFixture.hpp"

// The menus' windowless application over the story test content
// (tests/data/story/dialogue stands for "content/"): its labels, and a
// current player named Ada.
class StoryFixture : public MenuFixture {
protected:
    static std::string folder() { return std::string(CHRONA_TEST_DATA_DIR) + "/story/dialogue"; }

    void SetUp() override {
        MenuFixture::SetUp();
        Config::instance().setContentFolder(folder());
        app_->getLabelManager()->load("content/config/labels/EN.xml");
        addProfile("Ada");
    }

    // A file of the scratch folder holding text.
    std::string write(const std::string& name, const std::string& text) {
        const std::string path = folder_.file(name);
        std::ofstream(path) << text;
        return path;
    }
};

#pragma once

#include <string>
#include <vector>

#include "engine/text/Font.hpp"

// A font without pages: every byte but a line feed is 10 pixels wide, lines
// are 20 high. Drawn lines are recorded; page release/restore are counted.
class FakeFont : public Font {
public:
    struct Line {
        int x;
        int y;
        std::string text;
    };

    void load() override {}
    int textWidth(const std::string& text) const override {
        int width = 0;
        for (char c : text) {
            width += c == '\n' ? 0 : 10;
        }
        return width;
    }
    int getLineHeight() const override { return 20; }
    void drawTextLine(ImageGraphics*, int x, int y, const std::string& text, bool) override {
        lines.push_back({x, y, text});
    }
    void drawTextLine(Graphics*, int x, int y, const std::string& text, const Color&) override {
        lines.push_back({x, y, text});
    }
    void restorePages() override { ++restores; }
    void releasePages() override { ++releases; }

    std::vector<Line> lines;
    int restores = 0;
    int releases = 0;
};

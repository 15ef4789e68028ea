#include "engine/text/Font.hpp"

#include <vector>

namespace {

// The pieces of text between line feeds. A line feed that ends the text does
// not open another (empty) line, so it does not shift a centred box.
std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (;;) {
        const auto feed = text.find('\n', start);
        if (feed == std::string::npos) {
            if (start < text.size() || lines.empty()) {
                lines.push_back(text.substr(start));
            }
            return lines;
        }
        lines.push_back(text.substr(start, feed - start));
        start = feed + 1;
    }
}

std::vector<std::string> splitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (;;) {
        const auto at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) {
            return parts;
        }
        start = at + 1;
    }
}

}  // namespace

void Font::drawTextInBox(ImageGraphics* target, const IntRect& box, const std::string& text, int hAlign, int vAlign,
                         bool wrap, bool useGlyphAlpha) {
    layoutBox(box, text, hAlign, vAlign, wrap,
              [&](int x, int y, const std::string& line) { drawTextLine(target, x, y, line, useGlyphAlpha); });
}

void Font::drawTextInBox(Graphics* target, const IntRect& box, const std::string& text, const Color& color,
                         int hAlign, int vAlign, bool wrap) {
    layoutBox(box, text, hAlign, vAlign, wrap,
              [&](int x, int y, const std::string& line) { drawTextLine(target, x, y, line, color); });
}

void Font::layoutBox(const IntRect& box, const std::string& text, int hAlign, int vAlign, bool wrap,
                     const LineDrawer& drawLine) const {
    std::string wrapped;
    if (wrap) {
        wrapWords(text, wrapped, box.w);
    }
    const std::vector<std::string> lines = splitLines(wrap ? wrapped : text);
    const int lineHeight = getLineHeight();
    const int totalHeight = static_cast<int>(lines.size()) * lineHeight;
    int y = box.y;
    if (vAlign == kAlignMiddle) {
        y = box.y + (box.h - totalHeight) / 2;
    } else if (vAlign == kAlignBottom) {
        y = box.y + box.h - totalHeight;
    }
    for (const std::string& line : lines) {
        const int w = textWidth(line);
        int x = box.x;
        if (hAlign == kAlignRight) {
            x = box.x + box.w - w;
        } else if (hAlign == kAlignCenter) {
            x = box.x + (box.w - w) / 2;
        }
        drawLine(x, y, line);
        y += lineHeight;
    }
}

void Font::wrapWords(const std::string& text, std::string& out, int width) const {
    std::string result;
    const std::vector<std::string> paragraphs = splitAt(text, '\n');
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) {
            result += '\n';
        }
        result += wrapParagraph(paragraphs[i], width);
    }
    out = result;
}

std::string Font::wrapParagraph(const std::string& paragraph, int width) const {
    const std::vector<std::string> words = splitAt(paragraph, ' ');
    if (words.size() < 2) {
        return paragraph;
    }
    std::string result;
    std::string line;
    int wordsInLine = 0;
    for (const std::string& word : words) {
        const std::string longer = wordsInLine == 0 ? word : line + ' ' + word;
        if (wordsInLine > 0 && textWidth(longer) > width) {
            result += line + '\n';
            line = word;
            wordsInLine = 1;
        } else {
            line = longer;
            ++wordsInLine;
        }
    }
    return result + line;
}

void Font::wrapText(const std::string& text, std::string& out, int width) const {
    std::string result;
    std::string::size_type lineStart = 0;
    std::string::size_type lastBlank = std::string::npos;
    std::string::size_type i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\n') {
            result += text.substr(lineStart, i - lineStart) + '\n';
            lineStart = i + 1;
            lastBlank = std::string::npos;
            ++i;
            continue;
        }
        if ((c == ' ' || c == '\t') && i > lineStart) {
            lastBlank = i;
        }
        if (lastBlank != std::string::npos && textWidth(text.substr(lineStart, i - lineStart + 1)) >= width) {
            result += text.substr(lineStart, lastBlank - lineStart) + '\n';
            lineStart = lastBlank + 1;
            lastBlank = std::string::npos;
            i = lineStart;
            continue;
        }
        ++i;
    }
    out = result + text.substr(lineStart);
}

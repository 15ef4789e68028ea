#include "tools/labelbake/LabelConverter.hpp"

#include <utf8.h>

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <regex>

#include "engine/text/Windows1252.hpp"

namespace {

std::string describe(char32_t codePoint) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(codePoint));
    return text;
}

// Appends the byte of a code point, or "?" with a report.
void append(std::string& out, char32_t codePoint, const std::string& where, std::vector<std::string>& problems) {
    const int byte = Windows1252::fromUnicode(codePoint);
    if (byte < 0) {
        std::string glyph;
        utf8::append(static_cast<std::uint32_t>(codePoint), std::back_inserter(glyph));
        problems.push_back(where + ": " + describe(codePoint) + " '" + glyph + "' has no Windows-1252 character");
        out += '?';
    } else {
        out += static_cast<char>(byte);
    }
}

// A numeric character reference (&#233; or &#xE9;) starting at i, whose code
// point is above 127; tinyxml2 would expand it to UTF-8, which the fonts do
// not read. Returns its length, 0 when there is none.
std::size_t highReference(const std::string& text, std::size_t i, char32_t& codePoint) {
    static const std::regex reference("^&#(x[0-9A-Fa-f]+|[0-9]+);");
    std::smatch match;
    const std::string ahead = text.substr(i, 12);
    if (!std::regex_search(ahead, match, reference)) {
        return 0;
    }
    const std::string digits = match[1].str();
    const unsigned long value =
        digits[0] == 'x' ? std::stoul(digits.substr(1), nullptr, 16) : std::stoul(digits, nullptr, 10);
    if (value < 128 || value > 0x10FFFF) {
        return 0;
    }
    codePoint = static_cast<char32_t>(value);
    return match[0].length();
}

}  // namespace

std::string LabelConverter::convert(const std::string& utf8, const std::string& fileName,
                                    std::vector<std::string>& problems) {
    std::string out;
    out.reserve(utf8.size());
    int line = 1;
    auto it = utf8.begin();
    if (utf8::starts_with_bom(it, utf8.end())) {
        it += 3;
    }
    while (it != utf8.end()) {
        const std::string where = fileName + ":" + std::to_string(line);
        const unsigned char lead = static_cast<unsigned char>(*it);
        if (lead < 0x80) {
            char32_t referenced = 0;
            const std::size_t length = lead == '&' ? highReference(utf8, it - utf8.begin(), referenced) : 0;
            if (length > 0) {
                append(out, referenced, where, problems);
                it += static_cast<std::ptrdiff_t>(length);
                continue;
            }
            line += lead == '\n' ? 1 : 0;
            out += static_cast<char>(lead);
            ++it;
            continue;
        }
        try {
            append(out, utf8::next(it, utf8.end()), where, problems);
        } catch (const utf8::exception&) {
            problems.push_back(where + ": invalid UTF-8 byte sequence");
            out += '?';
            ++it;
        }
    }
    static const std::regex declaredEncoding(R"(^(<\?xml[^>]*encoding\s*=\s*)(["'])[^"']*\2)", std::regex::icase);
    return std::regex_replace(out, declaredEncoding, "$1$2windows-1252$2", std::regex_constants::format_first_only);
}

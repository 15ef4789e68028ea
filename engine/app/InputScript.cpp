#include "engine/app/InputScript.hpp"

#include <SDL/SDL_keysym.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

struct NamedKey {
    const char* name;
    int sym;
};

const NamedKey kNamedKeys[] = {
    {"backspace", SDLK_BACKSPACE}, {"tab", SDLK_TAB},       {"return", SDLK_RETURN},   {"escape", SDLK_ESCAPE},
    {"space", SDLK_SPACE},         {"delete", SDLK_DELETE}, {"up", SDLK_UP},           {"down", SDLK_DOWN},
    {"right", SDLK_RIGHT},         {"left", SDLK_LEFT},     {"insert", SDLK_INSERT},   {"home", SDLK_HOME},
    {"end", SDLK_END},             {"pageup", SDLK_PAGEUP}, {"pagedown", SDLK_PAGEDOWN},
};

struct NamedModifier {
    const char* name;
    int mask;
};

const NamedModifier kModifiers[] = {{"shift", KMOD_LSHIFT}, {"ctrl", KMOD_LCTRL}, {"alt", KMOD_LALT}};

bool toInt(const std::string& word, int& out) {
    if (word.empty()) {
        return false;
    }
    char* end = nullptr;
    const long value = std::strtol(word.c_str(), &end, 10);
    if (*end != '\0' || value < -1000000 || value > 1000000) {
        return false;
    }
    out = static_cast<int>(value);
    return true;
}

int buttonNumber(const std::string& word) {
    if (word.empty() || word == "left") return 1;
    if (word == "middle") return 2;
    if (word == "right") return 3;
    return 0;
}

std::string trim(const std::string& s) {
    const std::size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return std::string();
    }
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::string InputScript::keyName(int sym) {
    for (const NamedKey& k : kNamedKeys) {
        if (k.sym == sym) {
            return k.name;
        }
    }
    if (sym >= SDLK_F1 && sym <= SDLK_F15) {
        return "f" + std::to_string(sym - SDLK_F1 + 1);
    }
    if (sym > 32 && sym < 127) {
        return std::string(1, static_cast<char>(sym));
    }
    if (sym > 0) {
        return "#" + std::to_string(sym);
    }
    return std::string();
}

int InputScript::keySymbol(const std::string& name) {
    for (const NamedKey& k : kNamedKeys) {
        if (name == k.name) {
            return k.sym;
        }
    }
    if (name.size() >= 2 && name[0] == 'f') {
        int n = 0;
        if (toInt(name.substr(1), n) && n >= 1 && n <= 15) {
            return SDLK_F1 + n - 1;
        }
    }
    if (name.size() >= 2 && name[0] == '#') {
        int n = 0;
        if (toInt(name.substr(1), n) && n > 0 && n < SDLK_LAST) {
            return n;
        }
    }
    if (name.size() == 1 && name[0] > 32 && name[0] < 127) {
        const char c = name[0];
        return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c;
    }
    return -1;
}

std::string InputScript::modifierPrefix(int mods) {
    std::string prefix;
    if (mods & KMOD_SHIFT) prefix += "shift+";
    if (mods & KMOD_CTRL) prefix += "ctrl+";
    if (mods & KMOD_ALT) prefix += "alt+";
    return prefix;
}

bool InputScript::load(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        commands_.clear();
        errors_.assign(1, path + ":0: cannot open the script");
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    return parse(text.str(), path);
}

bool InputScript::parse(const std::string& text, const std::string& fileName) {
    commands_.clear();
    errors_.clear();
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        parseLine(line, number, fileName);
    }
    return errors_.empty();
}

bool InputScript::parseKey(const std::string& word, Command& command) const {
    std::string rest = word;
    int mods = 0;
    for (;;) {
        bool found = false;
        for (const NamedModifier& m : kModifiers) {
            const std::string prefix = std::string(m.name) + "+";
            if (rest.size() > prefix.size() && rest.compare(0, prefix.size(), prefix) == 0) {
                mods |= m.mask;
                rest = rest.substr(prefix.size());
                found = true;
            }
        }
        if (!found) {
            break;
        }
    }
    const int sym = keySymbol(rest);
    if (sym < 0) {
        return false;
    }
    command.a = sym;
    command.b = mods;
    return true;
}

bool InputScript::parseLine(const std::string& raw, int number, const std::string& fileName) {
    std::string line = raw;
    const std::size_t hash = line.find('#');
    std::string verb;
    {
        std::istringstream probe(line);
        probe >> verb;
    }
    // "type" keeps its text whole, including any "#"; every other line may end in a comment.
    if (verb != "type" && hash != std::string::npos) {
        line = line.substr(0, hash);
    }
    line = trim(line);
    if (line.empty()) {
        return true;
    }
    std::istringstream words(line);
    words >> verb;
    std::vector<std::string> args;
    std::string w;
    while (words >> w) {
        args.push_back(w);
    }
    auto fail = [&](const std::string& message) {
        errors_.push_back(fileName + ":" + std::to_string(number) + ": " + message);
        return false;
    };
    Command c;
    c.line = number;
    if (verb == "seed") {
        int seed = 0;
        if (args.size() != 1 || !toInt(args[0], seed) || seed < 0) {
            return fail("seed needs one whole number");
        }
        hasSeed_ = true;
        seed_ = static_cast<unsigned>(seed);
        return true;
    }
    if (verb == "wait") {
        c.op = Op::Wait;
        c.b = 0;
        if (args.empty() || args.size() > 2 || !toInt(args[0], c.a) || c.a < 0 ||
            (args.size() == 2 && (!toInt(args[1], c.b) || c.b < 0 || c.b > 10000))) {
            return fail("wait needs a number of frames and optionally their length in ms");
        }
    } else if (verb == "move" || verb == "press" || verb == "release" || verb == "click") {
        c.op = verb == "move" ? Op::Move : verb == "press" ? Op::Press : verb == "release" ? Op::Release : Op::Click;
        const std::size_t maxArgs = verb == "move" ? 2 : 3;
        if (args.size() < 2 || args.size() > maxArgs || !toInt(args[0], c.a) || !toInt(args[1], c.b)) {
            return fail(verb + " needs X Y" + (verb == "move" ? "" : " and optionally left, right or middle"));
        }
        c.button = buttonNumber(args.size() == 3 ? args[2] : "");
        if (c.button == 0) {
            return fail("unknown mouse button " + args[2]);
        }
    } else if (verb == "wheel") {
        c.op = Op::Wheel;
        if (args.size() != 3 || (args[0] != "up" && args[0] != "down") || !toInt(args[1], c.a) ||
            !toInt(args[2], c.b)) {
            return fail("wheel needs up or down, then X Y");
        }
        c.button = args[0] == "up" ? 4 : 5;
    } else if (verb == "keydown" || verb == "keyup" || verb == "tap") {
        c.op = verb == "keydown" ? Op::KeyDown : verb == "keyup" ? Op::KeyUp : Op::Tap;
        if (args.empty() || args.size() > 2 || !parseKey(args[0], c)) {
            return fail(verb + " needs a key name such as a, return, f8 or shift+a");
        }
        if (args.size() == 2) {
            if (args[1].compare(0, 2, "u=") != 0 || !toInt(args[1].substr(2), c.unicode) || c.unicode < 0 ||
                c.unicode > 0xFFFF) {
                return fail("the character of a key is written u=N");
            }
        } else if (c.op != Op::KeyUp && c.a > 32 && c.a < 127 && (c.b & ~KMOD_SHIFT) == 0) {
            c.unicode = (c.b & KMOD_SHIFT) && c.a >= 'a' && c.a <= 'z' ? c.a - 'a' + 'A' : c.a;
        }
    } else if (verb == "type") {
        c.op = Op::Type;
        const std::size_t start = raw.find("type") + 4;
        c.text = start < raw.size() ? raw.substr(start + (raw[start] == ' ' ? 1 : 0)) : std::string();
        while (!c.text.empty() && (c.text.back() == '\r' || c.text.back() == '\n')) {
            c.text.pop_back();
        }
        if (c.text.empty()) {
            return fail("type needs some text");
        }
    } else if (verb == "screenshot" || verb == "expect-screen") {
        c.op = verb == "screenshot" ? Op::Screenshot : Op::ExpectScreen;
        if (args.size() != 1) {
            return fail(verb + (verb == "screenshot" ? " needs one file name" : " needs one screen name"));
        }
        c.text = args[0];
    } else if (verb == "quit") {
        c.op = Op::Quit;
        if (!args.empty()) {
            return fail("quit takes nothing");
        }
    } else {
        return fail("unknown command " + verb);
    }
    commands_.push_back(c);
    return true;
}

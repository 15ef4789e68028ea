#pragma once

#include <map>
#include <string>

// A flat key = value parameter store read from a text file: comments cut at
// the comment marker, values continued on following lines, and nothing read
// after the end marker. Read once; queried with typed getters and defaults.
class ConfigFile {
public:
    // Throws FileNotFoundError when loadNow is set and the file cannot be opened.
    explicit ConfigFile(const std::string& fileName, bool loadNow = true, const std::string& separator = "=",
                        const std::string& commentMarker = "#", const std::string& endMarker = "EndConfigFile");

    // Reads the file (a "content/..." path is resolved against the content
    // folder); throws FileNotFoundError when it cannot be opened. A file
    // without its end marker is reported ("FILE:LINE: ...") and kept.
    void load();

    int readInt(const std::string& key, int defaultValue) const;
    bool readBool(const std::string& key, bool defaultValue) const;
    std::string readString(const std::string& key, const std::string& defaultValue) const;
    bool hasKey(const std::string& key) const { return contents_.count(key) != 0; }
    // The line the key was last set on; 0 for a key the file does not hold.
    int lineOf(const std::string& key) const;

    const std::string& getFileName() const { return fileName_; }

private:
    std::string cutComment(const std::string& line) const;
    bool holdsEndMarker(const std::string& line) const;

    std::string fileName_;
    std::string separator_;
    std::string commentMarker_;
    std::string endMarker_;
    std::map<std::string, std::string> contents_;
    std::map<std::string, int> lines_;
};

#pragma once

#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with
// everything in it when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

    static std::vector<unsigned char> readAll(const std::string& fileName);
    static void writeAll(const std::string& fileName, const std::vector<unsigned char>& bytes);
    static bool exists(const std::string& fileName);

private:
    std::string path_;
};

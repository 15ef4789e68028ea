#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/persistence/Buffer.hpp"
#include "engine/persistence/SaveGame.hpp"

class SaveFileSystem;
class SaveGameIdSource;

// The save store kept in one binary file: the identifier of the id source
// (when there is one), then every entry's payload. The file is replaced
// atomically, so a crash or a failed write never damages the previous save.
class FileSaveGame : public SaveGame {
public:
    FileSaveGame(std::string fileName, const SaveGameIdSource* idSource);
    ~FileSaveGame() override;

    // Writes the whole image to fileName + ".tmp", flushes it to the disk and
    // renames it over the file. On any failure the old file stays; the first
    // failure after a good save logs one warning and calls the failure
    // handler, later ones stay quiet until a save succeeds again.
    void save() override;
    // True when the file was there and began with the identifier; otherwise
    // no entry is touched.
    bool load() override;
    void writeBytes(const void* data, int count) override;
    void readBytes(void* data, int count) override;

    // Start-up: load, and when that fails write the starting values. A file
    // with a foreign identifier is first kept as fileName + ".rejected".
    void loadOrWriteFresh();

    // The image being written or read; exists only inside save() and load().
    Buffer* image() const { return image_.get(); }
    const std::string& fileName() const { return fileName_; }
    // Whether the last load() found a file that failed the identifier check.
    bool lastLoadRejected() const { return rejected_; }
    // Whether the last save() left the file as it was because writing failed.
    bool saveFailing() const { return saveFailing_; }

    // Told why, once, when saving starts to fail (the game tells the player).
    void setSaveFailedHandler(std::function<void(const std::string& why)> handler) {
        onSaveFailed_ = std::move(handler);
    }
    // The calls that write the file; null (the default) means the system's.
    // Not owned.
    void setFileSystem(SaveFileSystem* fileSystem) { fileSystem_ = fileSystem; }

private:
    bool identifierMatches();

    std::string fileName_;
    const SaveGameIdSource* idSource_;
    std::unique_ptr<Buffer> image_;
    bool rejected_ = false;
    bool saveFailing_ = false;
    std::function<void(const std::string&)> onSaveFailed_;
    SaveFileSystem* fileSystem_ = nullptr;
};

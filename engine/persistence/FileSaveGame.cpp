#include "engine/persistence/FileSaveGame.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "engine/core/Log.hpp"
#include "engine/persistence/SaveFileSystem.hpp"
#include "engine/persistence/SaveGameIdSource.hpp"

namespace {

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Writes all of data to the open descriptor; false with errno set (a short
// write that makes no progress counts as "no space").
bool writeAll(SaveFileSystem& fs, int fd, const unsigned char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = fs.write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Replaces path by the bytes through a temporary file in the same folder;
// on failure why names the step and the old file is untouched.
bool replaceFile(SaveFileSystem& fs, const std::string& path, const unsigned char* data, std::size_t size,
                 std::string& why) {
    const std::string temp = path + ".tmp";
    const int fd = fs.open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        why = "cannot create " + temp + ": " + std::strerror(errno);
        return false;
    }
    bool ok = writeAll(fs, fd, data, size);
    if (!ok) {
        why = "cannot write " + temp + ": " + std::strerror(errno);
    } else if (fs.fsync(fd) != 0) {
        ok = false;
        why = "cannot flush " + temp + ": " + std::strerror(errno);
    }
    if (fs.close(fd) != 0 && ok) {
        ok = false;
        why = "cannot close " + temp + ": " + std::strerror(errno);
    }
    if (ok && fs.rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        why = "cannot replace the file: " + std::string(std::strerror(errno));
    }
    if (!ok) {
        fs.unlink(temp.c_str());
        return false;
    }
    // Makes the rename itself durable; the new file is complete either way.
    const int dir = ::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

}  // namespace

FileSaveGame::FileSaveGame(std::string fileName, const SaveGameIdSource* idSource)
    : fileName_(std::move(fileName)), idSource_(idSource) {}

FileSaveGame::~FileSaveGame() = default;

void FileSaveGame::save() {
    // A nested call from inside an entry must not disturb the image that the
    // outer save or load is still working on.
    if (fileName_.empty() || image_) {
        return;
    }
    image_ = std::make_unique<Buffer>();
    image_->clear();
    image_->rewind();
    if (idSource_) {
        const std::string id = idSource_->saveGameId();
        const auto length = static_cast<std::uint32_t>(id.size());
        const unsigned char lengthBytes[4] = {
            static_cast<unsigned char>(length & 0xFF), static_cast<unsigned char>((length >> 8) & 0xFF),
            static_cast<unsigned char>((length >> 16) & 0xFF), static_cast<unsigned char>(length >> 24)};
        writeBytes(lengthBytes, 4);
        for (const char c : id) {
            writeBytes(&c, 1);
        }
    }
    writeEntries();
    std::string why;
    const bool written = replaceFile(fileSystem_ ? *fileSystem_ : SaveFileSystem::real(), fileName_,
                                     image_->data(), image_->byteSize(), why);
    image_.reset();
    if (written) {
        if (saveFailing_) {
            logInfo("Save file %s written again", fileName_.c_str());
        }
        saveFailing_ = false;
        return;
    }
    // The player hears of a failing save once, not at every later attempt;
    // what was played stays in memory and the next save tries again.
    if (saveFailing_) {
        logDebug("Save file %s still not written: %s", fileName_.c_str(), why.c_str());
        return;
    }
    saveFailing_ = true;
    logWarning("Save file %s not written: %s", fileName_.c_str(), why.c_str());
    std::fflush(stdout);
    if (onSaveFailed_) {
        onSaveFailed_(why);
    }
}

bool FileSaveGame::load() {
    rejected_ = false;
    if (fileName_.empty() || image_) {
        return false;
    }
    std::FILE* file = std::fopen(fileName_.c_str(), "rb");
    if (!file) {
        return false;
    }
    std::string bytes;
    char chunk[65536];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.append(chunk, n);
    }
    const bool readError = std::ferror(file) != 0;
    std::fclose(file);
    if (readError) {
        logWarning("Save file %s: cannot be read", fileName_.c_str());
        return false;
    }
    image_ = std::make_unique<Buffer>();
    image_->setData(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    if (idSource_ && !identifierMatches()) {
        rejected_ = true;
        image_.reset();
        return false;
    }
    readEntries();
    if (image_->damaged()) {
        logWarning("Save file %s is cut short or damaged: the missing values read as 0", fileName_.c_str());
        std::fflush(stdout);
    }
    image_.reset();
    return true;
}

bool FileSaveGame::identifierMatches() {
    const std::string expected = idSource_->saveGameId();
    unsigned char lengthBytes[4];
    readBytes(lengthBytes, 4);
    const std::uint32_t length = lengthBytes[0] | (lengthBytes[1] << 8) | (lengthBytes[2] << 16) |
                                 (static_cast<std::uint32_t>(lengthBytes[3]) << 24);
    // A different length cannot match: the bytes after it are not even read.
    if (length != expected.size()) {
        return false;
    }
    for (const char c : expected) {
        char got = 0;
        readBytes(&got, 1);
        if (got != c) {
            return false;
        }
    }
    return true;
}

void FileSaveGame::writeBytes(const void* data, int count) {
    if (!image_) {
        return;
    }
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (int i = 0; i < count; ++i) {
        image_->writeByte(bytes[i]);
    }
}

void FileSaveGame::readBytes(void* data, int count) {
    if (!image_) {
        return;
    }
    auto* bytes = static_cast<unsigned char*>(data);
    for (int i = 0; i < count; ++i) {
        bytes[i] = image_->readByte();
    }
}

void FileSaveGame::loadOrWriteFresh() {
    if (load()) {
        return;
    }
    if (rejected_) {
        const std::string aside = fileName_ + ".rejected";
        if (std::rename(fileName_.c_str(), aside.c_str()) == 0) {
            logWarning("Save file %s has an unknown identifier: kept as %s, starting afresh",
                        fileName_.c_str(), aside.c_str());
        } else {
            logWarning("Save file %s has an unknown identifier and cannot be moved aside (%s): not overwritten",
                        fileName_.c_str(), std::strerror(errno));
            std::fflush(stdout);
            return;
        }
    }
    std::fflush(stdout);
    save();
}

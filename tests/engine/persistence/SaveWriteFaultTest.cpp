#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "engine/persistence/FileSaveGame.hpp"
#include "engine/persistence/GenericEntry.hpp"
#include "engine/persistence/SaveFileSystem.hpp"
#include "engine/persistence/SaveGameIdSource.hpp"
#include "support/LogCapture.hpp"
#include "support/TempFolder.hpp"

// A disk that fills up or refuses at one chosen step of writing the save.
namespace {

enum class Step { Open, FirstWrite, MidWrite, StalledWrite, Flush, Close, Rename };

class FailingDisk : public SaveFileSystem {
public:
    explicit FailingDisk(Step step) : step_(step) {}

    int open(const char* path, int flags, int mode) override {
        if (step_ == Step::Open) {
            errno = EROFS;
            return -1;
        }
        return SaveFileSystem::open(path, flags, mode);
    }
    // The disk takes a few bytes, then has no room left.
    ssize_t write(int fd, const void* data, std::size_t size) override {
        ++writes_;
        if (step_ == Step::FirstWrite || (step_ == Step::MidWrite && writes_ > 1)) {
            errno = ENOSPC;
            return -1;
        }
        if (step_ == Step::StalledWrite && writes_ > 1) {
            return 0;
        }
        const bool partial = step_ == Step::MidWrite || step_ == Step::StalledWrite;
        return SaveFileSystem::write(fd, data, partial ? size / 2 : size);
    }
    int fsync(int fd) override {
        if (step_ == Step::Flush) {
            errno = EIO;
            return -1;
        }
        return SaveFileSystem::fsync(fd);
    }
    int close(int fd) override {
        const int result = SaveFileSystem::close(fd);
        if (step_ == Step::Close) {
            errno = ENOSPC;
            return -1;
        }
        return result;
    }
    int rename(const char* from, const char* to) override {
        if (step_ == Step::Rename) {
            errno = EACCES;
            return -1;
        }
        return SaveFileSystem::rename(from, to);
    }

private:
    Step step_;
    int writes_ = 0;
};

struct GameId : SaveGameIdSource {
    const char* saveGameId() const override { return "ID_001"; }
};

const GameId kId;

// A store whose payload is many bytes, so a write can stop half-way.
struct Store {
    explicit Store(const std::string& path) : file(path, &kId) {
        for (int i = 0; i < 64; ++i) {
            auto* entry = new GenericEntry<int>(1000 + i);
            values.push_back(entry);
            file.addEntry("v" + std::to_string(100 + i), std::unique_ptr<SaveGameEntry>(entry));
        }
    }
    FileSaveGame file;
    std::vector<GenericEntry<int>*> values;
};

}  // namespace

TEST(SaveWriteFault, AFailureAtAnyStepKeepsTheOldFileAndTheGameSavesLater) {
    const std::vector<std::pair<Step, const char*>> steps = {
        {Step::Open, "cannot create"},       {Step::FirstWrite, "cannot write"}, {Step::MidWrite, "cannot write"},
        {Step::StalledWrite, "cannot write"}, {Step::Flush, "cannot flush"},      {Step::Close, "cannot close"},
        {Step::Rename, "cannot replace"},
    };
    for (const auto& [step, what] : steps) {
        SCOPED_TRACE(what);
        TempFolder folder;
        const std::string path = folder.file("save.dat");
        {
            Store first(path);
            first.file.save();
        }
        const auto previous = TempFolder::readAll(path);
        ASSERT_EQ(previous.size(), 10u + 64u * 4u);

        Store store(path);
        store.values[5]->value = 77;
        FailingDisk disk(step);
        store.file.setFileSystem(&disk);
        int told = 0;
        std::string why;
        store.file.setSaveFailedHandler([&](const std::string& reason) {
            ++told;
            why = reason;
        });
        LogCapture log;
        store.file.save();
        store.file.save();
        const auto lines = log.take();
        ASSERT_EQ(lines.size(), 1u) << "a failing save is reported once";
        EXPECT_NE(lines[0].find(path), std::string::npos) << lines[0];
        EXPECT_NE(lines[0].find(what), std::string::npos) << lines[0];
        EXPECT_EQ(told, 1);
        EXPECT_NE(why.find(what), std::string::npos) << why;
        EXPECT_TRUE(store.file.saveFailing());
        EXPECT_EQ(TempFolder::readAll(path), previous) << "the old file stays byte for byte";
        EXPECT_FALSE(TempFolder::exists(path + ".tmp")) << "no half-written file is left";
        EXPECT_EQ(store.values[5]->value, 77) << "what was played stays in memory";
        {
            Store reader(path);
            ASSERT_TRUE(reader.file.load()) << "the old file still loads";
            EXPECT_EQ(reader.values[5]->value, 1005);
            EXPECT_EQ(reader.values[63]->value, 1063);
        }

        // Room again: the next save writes what is in memory, quietly.
        store.file.setFileSystem(nullptr);
        store.file.save();
        EXPECT_TRUE(log.take().empty());
        EXPECT_FALSE(store.file.saveFailing());
        Store reader(path);
        ASSERT_TRUE(reader.file.load());
        EXPECT_EQ(reader.values[5]->value, 77);

        // A later failure is news again.
        store.file.setFileSystem(&disk);
        store.file.save();
        EXPECT_EQ(told, 2);
        EXPECT_EQ(log.take().size(), 1u);
    }
}

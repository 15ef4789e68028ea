#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "engine/persistence/FileSaveGame.hpp"
#include "engine/persistence/GenericEntry.hpp"
#include "engine/persistence/SaveGameIdSource.hpp"
#include "support/LogCapture.hpp"
#include "support/TempFolder.hpp"

namespace {

class FixedId : public SaveGameIdSource {
public:
    explicit FixedId(const char* id) : id_(id) {}
    const char* saveGameId() const override { return id_; }

private:
    const char* id_;
};

class CountedEntry : public GenericEntry<int> {
public:
    CountedEntry(int start, int& destroyed) : GenericEntry<int>(start), destroyed_(destroyed) {}
    ~CountedEntry() override { ++destroyed_; }

private:
    int& destroyed_;
};

// Saves the store again from inside its own write, as a careless entry might.
class ReentrantEntry : public SaveGameEntry {
public:
    bool readFrom(SaveGame& store) override { return store.load(); }
    bool writeTo(SaveGame& store) override {
        store.save();
        const unsigned char mark = 0x5A;
        store.writeBytes(&mark, 1);
        return true;
    }
};

const FixedId kGameId("ID_001");

std::vector<unsigned char> header() {
    return {6, 0, 0, 0, 'I', 'D', '_', '0', '0', '1'};
}

std::vector<unsigned char> concat(std::vector<unsigned char> a, const std::vector<unsigned char>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Runs body in a child process and returns what it wrote to standard output.
template <typename Body>
std::string inChild(const TempFolder& folder, Body body) {
    const std::string out = folder.file("child.out");
    const pid_t pid = fork();
    if (pid == 0) {
        if (!std::freopen(out.c_str(), "w", stdout)) {
            _exit(3);
        }
        body();
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    const auto bytes = TempFolder::readAll(out);
    ::unlink(out.c_str());
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

TEST(FileSaveGame, WritesTheIdentifierThenThePayloadsInNameOrder) {
    TempFolder folder;
    const std::string path = folder.file("save.dat");
    {
        FileSaveGame store(path, &kGameId);
        store.addEntry("b_int", std::make_unique<GenericEntry<int>>(0x01020304));
        store.addEntry("a_char", std::make_unique<GenericEntry<char>>('x'));
        store.addEntry("B_first", std::make_unique<GenericEntry<int>>(-1));
        store.save();
        EXPECT_EQ(store.image(), nullptr) << "the image lives only inside save()";
    }
    EXPECT_EQ(TempFolder::readAll(path),
              concat(header(), {0xFF, 0xFF, 0xFF, 0xFF, 'x', 4, 3, 2, 1}));
    EXPECT_FALSE(TempFolder::exists(path + ".tmp"));

    FileSaveGame reader(path, &kGameId);
    auto* number = new GenericEntry<int>(7);
    auto* letter = new GenericEntry<char>('q');
    auto* first = new GenericEntry<int>(0);
    reader.addEntry("b_int", std::unique_ptr<SaveGameEntry>(number));
    reader.addEntry("a_char", std::unique_ptr<SaveGameEntry>(letter));
    reader.addEntry("B_first", std::unique_ptr<SaveGameEntry>(first));
    ASSERT_TRUE(reader.load());
    EXPECT_EQ(number->value, 0x01020304);
    EXPECT_EQ(number->initial, 7) << "the starting value is never overwritten";
    EXPECT_EQ(letter->value, 'x');
    EXPECT_EQ(first->value, -1);
    EXPECT_EQ(reader.findEntry("a_char"), letter);
    EXPECT_EQ(reader.findEntry("nothing"), nullptr);

    // Without an identifier source the file is the bare payloads.
    FileSaveGame bare(folder.file("bare.dat"), nullptr);
    bare.addEntry("v", std::make_unique<GenericEntry<int>>(5));
    bare.save();
    EXPECT_EQ(TempFolder::readAll(folder.file("bare.dat")), (std::vector<unsigned char>{5, 0, 0, 0}));
}

TEST(FileSaveGame, RegistrationNamesAndEmptyFileNames) {
    int destroyed = 0;
    {
        FileSaveGame store("", &kGameId);
        store.addEntry("X", std::make_unique<CountedEntry>(1, destroyed));
        store.addEntry("X", std::make_unique<CountedEntry>(2, destroyed));
        EXPECT_EQ(destroyed, 1) << "the first entry under a name is destroyed";
        EXPECT_EQ(static_cast<GenericEntry<int>*>(store.findEntry("X"))->value, 2);
        SaveGameEntry* kept = store.findEntry("X");
        store.addEntry("X", std::unique_ptr<SaveGameEntry>(kept));
        EXPECT_EQ(destroyed, 1) << "registering the same entry again keeps it alive";
        store.save();
        EXPECT_FALSE(store.load());
    }
    EXPECT_EQ(destroyed, 2) << "the store destroys its entries";
}

TEST(FileSaveGame, ForeignFilesAreRefusedMovedAsideAndReplaced) {
    TempFolder folder;
    const std::string path = folder.file("save.dat");
    const std::vector<std::vector<unsigned char>> foreign = {
        concat({7, 0, 0, 0}, {'I', 'D', '_', '0', '0', '1', 'x', 9, 0, 0, 0}),  // other length
        concat({6, 0, 0, 0}, {'I', 'D', '_', '0', '0', '2', 9, 0, 0, 0}),       // one byte differs
        {0xFF, 0xFF, 0xFF, 0xFF, 'I'},                                          // absurd length
        {},                                                                     // empty file
    };
    for (const auto& bytes : foreign) {
        TempFolder::writeAll(path, bytes);
        ::unlink((path + ".rejected").c_str());
        FileSaveGame store(path, &kGameId);
        auto* value = new GenericEntry<int>(42);
        store.addEntry("v", std::unique_ptr<SaveGameEntry>(value));
        EXPECT_FALSE(store.load());
        EXPECT_TRUE(store.lastLoadRejected());
        EXPECT_EQ(value->value, 42) << "no entry is touched";

        LogCapture captured1;
        store.loadOrWriteFresh();
        const std::string said = captured1.takeText();
        EXPECT_NE(said.find(path + ".rejected"), std::string::npos) << said;
        EXPECT_EQ(TempFolder::readAll(path + ".rejected"), bytes) << "the foreign file is kept as it was";
        EXPECT_EQ(TempFolder::readAll(path), concat(header(), {42, 0, 0, 0}));
    }

    // A missing file is simply written fresh; a good one is loaded, not rewritten.
    ::unlink(path.c_str());
    ::unlink((path + ".rejected").c_str());
    {
        FileSaveGame store(path, &kGameId);
        store.addEntry("v", std::make_unique<GenericEntry<int>>(3));
        store.loadOrWriteFresh();
        EXPECT_FALSE(store.lastLoadRejected());
    }
    EXPECT_EQ(TempFolder::readAll(path), concat(header(), {3, 0, 0, 0}));
    EXPECT_FALSE(TempFolder::exists(path + ".rejected"));
    {
        FileSaveGame store(path, &kGameId);
        auto* value = new GenericEntry<int>(99);
        store.addEntry("v", std::unique_ptr<SaveGameEntry>(value));
        store.loadOrWriteFresh();
        EXPECT_EQ(value->value, 3);
    }
}

TEST(FileSaveGame, ANestedSaveOrLoadLeavesTheRunningOneAlone) {
    TempFolder folder;
    const std::string path = folder.file("save.dat");
    FileSaveGame store(path, &kGameId);
    store.addEntry("a", std::make_unique<ReentrantEntry>());
    store.addEntry("b", std::make_unique<GenericEntry<char>>(7));
    store.save();
    EXPECT_EQ(TempFolder::readAll(path), concat(header(), {0x5A, 7}));
    EXPECT_TRUE(store.load());
}

TEST(FileSaveGame, AFailedSaveKeepsThePreviousFile) {
    TempFolder folder;
    const std::string dir = folder.file("ro");
    ASSERT_EQ(::mkdir(dir.c_str(), 0755), 0);
    const std::string path = dir + "/save.dat";
    {
        FileSaveGame store(path, &kGameId);
        store.addEntry("v", std::make_unique<GenericEntry<int>>(1));
        store.save();
    }
    const auto previous = TempFolder::readAll(path);
    ASSERT_EQ(previous.size(), 14u);

    // A folder the game may not write to. The writer runs in a child that
    // gives up root's right to ignore permissions.
    ASSERT_EQ(::chmod(dir.c_str(), 0555), 0);
    const std::string said = inChild(folder, [&] {
        if (::geteuid() == 0 && ::setuid(65534) != 0) {
            _exit(4);
        }
        FileSaveGame store(path, &kGameId);
        store.addEntry("v", std::make_unique<GenericEntry<int>>(2));
        store.save();
    });
    ::chmod(dir.c_str(), 0755);
    EXPECT_NE(said.find("not written"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(TempFolder::readAll(path), previous);

    // A write that stops short: the file-size limit cuts the temporary file
    // after 100 bytes while the image is much longer.
    const std::string saidShort = inChild(folder, [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            _exit(5);
        }
        FileSaveGame store(path, &kGameId);
        for (int i = 0; i < 100; ++i) {
            store.addEntry("v" + std::to_string(1000 + i), std::make_unique<GenericEntry<int>>(i));
        }
        store.save();
    });
    EXPECT_NE(saidShort.find("cannot write"), std::string::npos) << saidShort;
    EXPECT_EQ(TempFolder::readAll(path), previous);
    EXPECT_FALSE(TempFolder::exists(path + ".tmp")) << "the broken temporary file is removed";
}

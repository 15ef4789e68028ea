#pragma once

#include "engine/persistence/SaveFileSystem.hpp"

// The save's file calls, with the process killed (SIGKILL, as by a power cut
// or the task manager) in the middle of the n-th save: after the new file is
// opened, half-way through writing it, before it is flushed, or just before
// or after it replaces the old one. Used to prove a killed save loses nothing.
class KillingFileSystem : public SaveFileSystem {
public:
    enum Moment { AfterOpen, HalfWritten, BeforeFlush, BeforeRename, AfterRename, MomentCount };

    KillingFileSystem(int save, Moment moment) : save_(save), moment_(moment) {}

    int open(const char* path, int flags, int mode) override;
    ssize_t write(int fd, const void* data, std::size_t size) override;
    int fsync(int fd) override;
    int rename(const char* from, const char* to) override;

private:
    // Kills the process when the save under way is the chosen one at the chosen moment.
    void at(Moment moment) const;

    int save_;
    Moment moment_;
    int saves_ = 0;
};

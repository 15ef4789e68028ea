#include "KillingFileSystem.hpp"

#include <csignal>

void KillingFileSystem::at(Moment moment) const {
    if (saves_ == save_ && moment == moment_) {
        std::raise(SIGKILL);
    }
}

int KillingFileSystem::open(const char* path, int flags, int mode) {
    ++saves_;
    const int fd = SaveFileSystem::open(path, flags, mode);
    at(AfterOpen);
    return fd;
}

ssize_t KillingFileSystem::write(int fd, const void* data, std::size_t size) {
    if (saves_ == save_ && moment_ == HalfWritten && size > 1) {
        SaveFileSystem::write(fd, data, size / 2);
        at(HalfWritten);
    }
    return SaveFileSystem::write(fd, data, size);
}

int KillingFileSystem::fsync(int fd) {
    at(BeforeFlush);
    return SaveFileSystem::fsync(fd);
}

int KillingFileSystem::rename(const char* from, const char* to) {
    at(BeforeRename);
    const int result = SaveFileSystem::rename(from, to);
    at(AfterRename);
    return result;
}

#include "engine/persistence/SaveFileSystem.hpp"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

int SaveFileSystem::open(const char* path, int flags, int mode) {
    return ::open(path, flags, mode);
}

ssize_t SaveFileSystem::write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

int SaveFileSystem::fsync(int fd) {
    return ::fsync(fd);
}

int SaveFileSystem::close(int fd) {
    return ::close(fd);
}

int SaveFileSystem::rename(const char* from, const char* to) {
    return std::rename(from, to);
}

int SaveFileSystem::unlink(const char* path) {
    return ::unlink(path);
}

SaveFileSystem& SaveFileSystem::real() {
    static SaveFileSystem system;
    return system;
}

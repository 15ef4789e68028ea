#pragma once

#include <cstddef>
#include <sys/types.h>

// The file-system calls a save goes through, so that a test can make any one
// of them fail (a full disk, a folder that refuses new files) without
// touching the real disk's state. The default forwards to the system.
class SaveFileSystem {
public:
    virtual ~SaveFileSystem() = default;

    virtual int open(const char* path, int flags, int mode);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int unlink(const char* path);

    // The shared instance that calls the system.
    static SaveFileSystem& real();
};

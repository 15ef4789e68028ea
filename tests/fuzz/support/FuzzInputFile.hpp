#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Hands a fuzzer's input to a loader that reads files: each call rewrites one
// file, named fileName, in a folder of this process (in memory under /dev/shm
// where the system has it, since a disk file system would flush every rewrite
// and slow the fuzzer down tenfold). The folder goes at exit. The first call
// also sends standard output to /dev/null: the loaders' one-line reports of
// damaged files would drown the fuzzer's own output.
class FuzzInputFile {
public:
    // Writes the input and returns the file's path.
    static const std::string& write(const std::uint8_t* data, std::size_t size, const std::string& fileName);
};

// Helpers of the fuzz targets: an input handed to a reader that opens a path,
// and a check that stops the run with a message when it fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

// A file in memory that every input is written into; its /proc path opens
// afresh, from the start, with each fopen.
class InputFile {
public:
    InputFile() : fd_(memfd_create("fuzz-input", 0))
    {
        if (fd_ < 0) {
            std::perror("memfd_create");
            std::abort();
        }
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    const char* Put(const std::uint8_t* data, std::size_t size)
    {
        if (ftruncate(fd_, 0) != 0
            || (size > 0 && pwrite(fd_, data, size, 0) != static_cast<ssize_t>(size))) {
            std::perror("input file");
            std::abort();
        }
        return path_.c_str();
    }

private:
    int fd_;
    std::string path_;
};

// The readers report refused files on the C library's standard error stream;
// in a fuzzer that would flood the log. The stream goes to /dev/null, while
// the sanitizers and libFuzzer, which write to the descriptor or kept their
// own stream, still report.
inline void SilenceReaderMessages()
{
    if (std::FILE* null = std::fopen("/dev/null", "w"))
        stderr = null;
}

#define FUZZ_CHECK(cond)                                                                  \
    do {                                                                                  \
        if (!(cond)) {                                                                    \
            std::fprintf(stdout, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::fflush(stdout);                                                          \
            std::abort();                                                                 \
        }                                                                                 \
    } while (0)

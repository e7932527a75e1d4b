// Temporary files and folders for tests: each TempDir is removed with all it
// holds when it goes out of scope.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // Writes bytes to the relative path name (folders made as needed) and
    // returns its full path.
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    std::string Write(const std::string& name, const std::string& text) const;

private:
    std::string path_;
};

std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

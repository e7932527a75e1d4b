#include "tests/support/temp_files.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "zktest-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        ADD_FAILURE() << "mkdtemp failed";
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string TempDir::Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
{
    const fs::path p = fs::path(path_) / name;
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return p.string();
}

std::string TempDir::Write(const std::string& name, const std::string& text) const
{
    return Write(name, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

#include "platform/instalacja.h"

#include <cstdlib>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/temp_files.h"

TEST(InstallFolder, LogicalPathsMapToTheDataFolderAndBack)
{
    TempDir dir;
    setenv("ZERTANIK_DATA", (dir.Path() + "/").c_str(), 1);
    ResetDataFolder();
    EXPECT_EQ(DataFolder(), dir.Path());
    const std::string logical = std::string(InstallFolder) + "graf/tlo/tlo2.JPG";
    EXPECT_EQ(RealPath(logical.c_str()), dir.Path() + "/graf/tlo/tlo2.JPG");
    // A slash after the logical folder, as the option folders have, is one.
    EXPECT_EQ(RealPath((std::string(InstallFolder) + "/tlo").c_str()), dir.Path() + "/tlo");
    EXPECT_EQ(LogicalPath(dir.Path() + "/graf/tlo/tlo2.JPG"), logical);
    // Paths elsewhere pass unchanged both ways, also a folder that only
    // starts like the data folder.
    EXPECT_EQ(RealPath("/tmp/elsewhere.slo"), "/tmp/elsewhere.slo");
    EXPECT_EQ(LogicalPath(dir.Path() + "x/a.JPG"), dir.Path() + "x/a.JPG");
    EXPECT_EQ(LogicalPath(dir.Path()), dir.Path());

    dir.Write("dane/f.txt", "x");
    std::FILE* f = OpenDataFile((std::string(InstallFolder) + "dane/f.txt").c_str(), "rb");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_EQ(OpenDataFile((std::string(InstallFolder) + "dane/none.txt").c_str(), "rb"),
              nullptr);
    unsetenv("ZERTANIK_DATA");
    ResetDataFolder();
}

// A file dialog gives a file's resolved path; the data folder may be spelled
// otherwise, as an install finds it (bin/../share/...) or through a link.
TEST(InstallFolder, ResolvedPathsInsideTheDataFolderAreLogical)
{
    TempDir dir;
    const std::string picture = dir.Write("data/tlo/green.JPG", "x");
    const std::string data = dir.Path() + "/data";
    dir.Write("bin/keep", "");
    ASSERT_EQ(symlink(data.c_str(), (dir.Path() + "/link").c_str()), 0);
    const std::string logical = std::string(InstallFolder) + "tlo/green.JPG";
    for (const std::string& spelling :
         {dir.Path() + "/bin/../data", dir.Path() + "/./data", dir.Path() + "/link"}) {
        setenv("ZERTANIK_DATA", spelling.c_str(), 1);
        ResetDataFolder();
        EXPECT_EQ(LogicalPath(picture), logical) << spelling;
        EXPECT_EQ(LogicalPath(spelling + "/tlo/green.JPG"), logical) << spelling;
        // A file beside the data folder stays as it is.
        EXPECT_EQ(LogicalPath(dir.Path() + "/bin/keep"), dir.Path() + "/bin/keep") << spelling;
    }
    unsetenv("ZERTANIK_DATA");
    ResetDataFolder();
}

// A folder for a label: no empty, "." or ".." steps, links followed where the
// path exists; a path that does not is cleaned as spelled.
TEST(InstallFolder, CleanPaths)
{
    TempDir dir;
    dir.Write("data/tlo/keep", "");
    dir.Write("bin/keep", "");
    ASSERT_EQ(symlink((dir.Path() + "/data").c_str(), (dir.Path() + "/link").c_str()), 0);
    const std::string tlo = dir.Path() + "/data/tlo";
    for (const std::string& spelling :
         {dir.Path() + "/bin/../data//tlo", dir.Path() + "/./data/tlo/", dir.Path() + "/link/tlo",
          dir.Path() + "//data/./tlo/../tlo"})
        EXPECT_EQ(CleanPath(spelling), tlo) << spelling;
    const struct { const char *spelled, *clean; } missing[] = {
        {"/none//a/./b/../c/", "/none/a/c"}, {"/none/../..", "/"}, {"none/../../x", "../x"},
        {"./none/.", "none"}, {"none/..", "."}, {"", ""}};
    for (const auto& m : missing)
        EXPECT_EQ(CleanPath(m.spelled), m.clean) << m.spelled;
}

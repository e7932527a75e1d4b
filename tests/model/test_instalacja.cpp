#include "platform/instalacja.h"

#include <cstdlib>
#include <string>

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

#include "window/obrazki.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "model/opcje.h"
#include "platform/instalacja.h"

namespace {

const std::string Prefix = InstallFolder;

class PicturePaths : public ::testing::Test {
protected:
    void SetFolder(const std::string& folder)
    {
        std::free(TileFolder);
        TileFolder = strdup(folder.c_str());
    }
    void TearDown() override
    {
        std::free(TileFolder);
        TileFolder = nullptr;
        FreeTilePicturePaths();
        FreeSquarePicturePaths();
    }
};

} // namespace

TEST_F(PicturePaths, TilesOfTheDefaultFolder)
{
    const std::string folder = Prefix + "graf/plansza/rozm";
    SetFolder(folder);
    BuildTilePicturePaths();
    EXPECT_EQ(TilePicturePaths[LetterIndex('a')], folder + "/plA.JPG");
    EXPECT_EQ(BlankTilePicturePaths[LetterIndex('w')], folder + "/plbW.JPG");
    EXPECT_EQ(TilePicturePaths[LetterIndex('v')], folder + "/plV.JPG");
    EXPECT_EQ(TilePicturePaths[22], folder + "/plW.JPG");
    EXPECT_EQ(TilePicturePaths[LetterIndex('X')], folder + "/blank.JPG");
    EXPECT_EQ(BlankTilePicturePaths[LetterIndex('X')], folder + "/blank.JPG");
    for (int i : {0, 28, 29}) {
        EXPECT_TRUE(TilePicturePaths[i].empty()) << i;
        EXPECT_TRUE(BlankTilePicturePaths[i].empty()) << i;
    }
}

TEST_F(PicturePaths, SquaresFollowTheFolderAtOnce)
{
    SetFolder(Prefix + "graf/plansza/rozm");
    BuildSquarePicturePaths();
    EXPECT_EQ(SquarePicturePaths[SqPlain], Prefix + "graf/plansza/rozm/pblank.JPG");
    EXPECT_EQ(SquarePicturePaths[SqStart], Prefix + "graf/plansza/rozm/pstrt.JPG");
    FreeSquarePicturePaths();
    EXPECT_TRUE(SquarePicturePaths[SqPlain].empty());
    SetFolder("elsewhere");
    BuildSquarePicturePaths();
    EXPECT_EQ(SquarePicturePaths[SqWord3], "elsewhere/p3r.JPG");
    EXPECT_EQ(SquarePicturePaths[SqClass5], "elsewhere/p5pkt.JPG");
}

TEST_F(PicturePaths, LongFoldersBuildWholePaths)
{
    // Paths are sized by what they hold: no folder length can cut a name.
    for (std::size_t length : {88u, 89u, 300u}) {
        const std::string folder(length, 'f');
        SetFolder(folder);
        BuildTilePicturePaths();
        BuildSquarePicturePaths();
        EXPECT_EQ(TilePicturePaths[LetterIndex('z')], folder + "/plZ.JPG");
        EXPECT_EQ(SquarePicturePaths[SqPlain], folder + "/pblank.JPG");
    }
}

TEST(PlayerPictures, OnePerSeatType)
{
    BuildPlayerPicturePaths();
    EXPECT_EQ(PlayerPicturePaths[0], Prefix + "graf/czlo.JPG");
    for (int d = 1; d <= 4; ++d)
        EXPECT_EQ(PlayerPicturePaths[d], Prefix + "graf/cpu" + char('0' + d) + ".JPG");
    EXPECT_EQ(PlayerPicturePaths[5], Prefix + "graf/nikt.JPG");
    EXPECT_EQ(std::string(FixedPicturePaths[PicClose]), Prefix + "graf/btnzamk.JPG");
    EXPECT_EQ(std::string(FixedPicturePaths[PicExchangeSlot]), Prefix + "graf/pzmn.JPG");
}

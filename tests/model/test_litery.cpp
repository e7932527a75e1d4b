#include "model/litery.h"

#include <gtest/gtest.h>

TEST(Letters, IndexRoundTripsForEveryIndex)
{
    for (int i = 1; i < LetterIndexCount; ++i)
        EXPECT_EQ(LetterIndex(IndexLetter(i)), i) << i;
    for (int i : {0, 30, 31, -1, 255, 1000})
        EXPECT_EQ(IndexLetter(i), 0) << i;
}

TEST(Letters, IndexTable)
{
    const struct { Tile c; int index; } cases[] = {
        {'a', 1}, {'u', 21}, {'w', 22}, {'v', 23}, {'x', 24}, {'y', 25}, {'z', 26},
        {'X', 27}, {'Y', 28}, {'Z', 29}, {0, 0}, {'A', 0}, {'?', 0}, {0xB9, 0}, {0xFF, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(LetterIndex(c.c), c.index) << int(c.c);
    EXPECT_EQ(IndexLetter(22), 'w');
}

TEST(Letters, DistributionAndValues)
{
    int tiles = 0, points = 0;
    for (Tile c = 'a'; c <= 'z'; ++c) {
        tiles += InitialLetterCount(c);
        points += InitialLetterCount(c) * LetterValue(c);
    }
    tiles += InitialLetterCount('X');
    EXPECT_EQ(tiles, BagSize);
    EXPECT_EQ(points, 163);
    EXPECT_EQ(InitialLetterCount('Y'), 0);
    EXPECT_EQ(InitialLetterCount(0), 0);
    EXPECT_EQ(InitialLetterCount('a'), 11);
    EXPECT_EQ(InitialLetterCount('X'), 2);

    const struct { const char* letters; int value; } values[] = {
        {"aeinorswz", 1}, {"cdklmptvy", 2}, {"bghju", 3}, {"fqx", 5}, {"XYZA", 0}};
    for (const auto& v : values)
        for (const char* p = v.letters; *p; ++p)
            EXPECT_EQ(LetterValue(static_cast<Tile>(*p)), v.value) << *p;
    EXPECT_EQ(LetterValue(0xE6), 0);
}

TEST(Letters, FaceChars)
{
    EXPECT_EQ(TileFaceChar('a'), 'A');
    EXPECT_EQ(TileFaceChar('w'), 'W');
    EXPECT_EQ(TileFaceChar('z'), 'Z');
    EXPECT_EQ(TileFaceChar('X'), ' ');
    EXPECT_EQ(TileFaceChar('Y'), 'y');
    EXPECT_EQ(TileFaceChar('Z'), 'z');
    EXPECT_EQ(TileFaceChar('A'), 0);
    EXPECT_EQ(TileFaceChar(0), 0);
}

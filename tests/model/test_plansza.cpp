#include "model/plansza.h"

#include <string>

#include <gtest/gtest.h>

#include "tests/support/temp_files.h"

namespace {

std::string Layout(const std::string& rows15, const char* lineEnd = "\r\n")
{
    // rows15: 225 characters, row by row.
    std::string s;
    for (int i = 0; i < BoardSize; ++i)
        s += rows15.substr(static_cast<std::size_t>(i) * BoardSize, BoardSize) + lineEnd;
    return s;
}

void ExpectPlain(int x, int y)
{
    const Pole& p = Plansza[x][y];
    EXPECT_EQ(p.colourClass, 0) << x << "," << y;
    EXPECT_EQ(p.wordMultiplier, 1) << x << "," << y;
    EXPECT_EQ(p.startFlag, 0) << x << "," << y;
}

} // namespace

TEST(Board, LayoutCharacters)
{
    std::string rows(225, '.');
    const struct { int line, ch; char c; int colour, mult, start; } cases[] = {
        {0, 0, '@', 0, 3, 0}, {0, 1, '!', 0, 2, 0}, {1, 0, '1', 1, 1, 0}, {1, 1, '2', 2, 1, 0},
        {2, 2, '3', 3, 1, 0}, {3, 3, '5', 5, 1, 0}, {7, 7, 'x', 5, 1, 1}, {14, 14, '4', 0, 1, 0},
        {14, 13, 'X', 0, 1, 0}, {14, 12, '\xB9', 0, 1, 0}};
    for (const auto& c : cases)
        rows[static_cast<std::size_t>(c.line) * 15 + c.ch] = c.c;
    TempDir dir;
    InitPlansza(dir.Write("l.pln", Layout(rows)).c_str());
    for (const auto& c : cases) {
        const Pole& p = Plansza[c.ch + 1][c.line + 1];
        EXPECT_EQ(p.colourClass, c.colour) << c.c;
        EXPECT_EQ(p.wordMultiplier, c.mult) << c.c;
        EXPECT_EQ(p.startFlag, c.start) << c.c;
    }
    ExpectPlain(5, 9);
}

TEST(Board, InitClearsTilesSetsAndBorder)
{
    Plansza[3][4].tile = 'a';
    Plansza[3][4].blankLetter = 'b';
    Plansza[3][4].anchor = 1;
    Plansza[0][5].acrossSet.Fill();
    Plansza[16][16].downSet.Fill();
    Plansza[0][0].colourClass = 3;
    TempDir dir;
    InitPlansza(dir.Write("l.pln", Layout(std::string(225, '5'))).c_str());
    int border = 0;
    for (int x = 0; x < BoardSpan; ++x)
        for (int y = 0; y < BoardSpan; ++y) {
            const Pole& p = Plansza[x][y];
            EXPECT_EQ(p.tile, 0);
            EXPECT_EQ(p.blankLetter, 0);
            EXPECT_EQ(p.anchor, 0);
            if (x == 0 || y == 0 || x == 16 || y == 16) {
                ++border;
                ExpectPlain(x, y);
                EXPECT_TRUE(p.acrossSet.Empty());
                EXPECT_TRUE(p.downSet.Empty());
            } else {
                EXPECT_EQ(p.colourClass, 5);
            }
        }
    EXPECT_EQ(border, 64);
}

TEST(Board, LineEndsAreCrLfOrLfAndBlanksAfterTheRowsAreIgnored)
{
    TempDir dir;
    std::string rows(225, '.');
    rows[0] = '@';            // (1,1)
    rows[14 * 15 + 14] = '!'; // (15,15)
    rows[7 * 15 + 7] = 'x';   // (8,8)
    std::string mixed = Layout(rows, "\n");
    mixed.replace(mixed.find('\n'), 1, "\r\n"); // one CR LF among LFs
    const std::string files[] = {
        Layout(rows), Layout(rows, "\n"), mixed,
        Layout(rows, "\n").substr(0, 16 * 15 - 1), // no last LF
        // An editor's extra line ends, blank lines and blanks at line ends.
        Layout(rows) + "\r\n", Layout(rows, "\n") + "\n\n", Layout(rows) + " \t\r\n  ",
        Layout(rows, "  \r\n"), Layout(rows, " \t\n") + "\n"};
    for (const std::string& text : files) {
        FileFault fault;
        EXPECT_EQ(InitPlansza(dir.Write("l.pln", text).c_str(), &fault), 0) << text;
        EXPECT_EQ(Plansza[1][1].wordMultiplier, 3);
        EXPECT_EQ(Plansza[15][15].wordMultiplier, 2);
        EXPECT_EQ(Plansza[8][8].startFlag, 1);
        int starts = 0;
        for (int x = 1; x <= 15; ++x)
            for (int y = 1; y <= 15; ++y)
                starts += Plansza[x][y].startFlag;
        EXPECT_EQ(starts, 1);
    }
}

TEST(Board, FileThatGivesNoBoardLeavesItPlainAndSaysWhy)
{
    TempDir dir;
    const std::string good = Layout(std::string(225, '3'));
    std::string longLine = good;
    longLine.insert(17 * 4, "3"); // line 5 has 16 characters
    std::string crOnly = good;
    for (char& c : crOnly)
        if (c == '\n')
            c = '\r';
    const struct { const char* what; std::string text; const char* reason; } cases[] = {
        {"short", good.substr(0, 2 * 17 + 5), "it has 3 lines, not 15"},
        {"empty", "", "it has 0 lines, not 15"},
        {"sixteen lines", good + "333333333333333\r\n", "it has 16 lines, not 15"},
        {"a blank line before", " \r\n" + good, "it has 16 lines, not 15"},
        {"a line after blank ones", good + "\r\n \r\n3\r\n", "it has 18 lines, not 15"},
        {"long line", longLine, "line 5 has 16 squares, not 15"},
        {"a square after blanks", good.substr(0, 15) + "  3" + good.substr(15),
         "line 1 has 18 squares, not 15"},
        {"CR line ends", crOnly, "it has 1 lines, not 15"},
        {"huge", std::string(5000, '3'), "it is too long for a layout"},
    };
    for (const auto& c : cases) {
        Plansza[4][4].colourClass = 3;
        FileFault fault;
        const std::string path = dir.Write("bad.pln", c.text);
        EXPECT_EQ(InitPlansza(path.c_str(), &fault), 1) << c.what;
        EXPECT_EQ(fault.kind, "board layout");
        EXPECT_EQ(fault.file, path);
        EXPECT_EQ(fault.what, c.reason) << c.what;
        for (int x = 1; x <= 15; ++x)
            for (int y = 1; y <= 15; ++y)
                ExpectPlain(x, y);
    }

    FileFault fault;
    EXPECT_EQ(InitPlansza((dir.Path() + "/none.pln").c_str(), &fault), 1);
    EXPECT_TRUE(fault.missing);
    EXPECT_EQ(fault.file, dir.Path() + "/none.pln");
    EXPECT_EQ(InitPlansza(dir.Path().c_str(), &fault), 1);
    EXPECT_EQ(fault.what, "it is a folder");
    ExpectPlain(1, 1);
}

TEST(Board, InstalledLayoutIsSymmetricWithEveryPremium)
{
    ASSERT_EQ(InitPlansza(SOURCE_DATA_DIR "/dane/normalna.pln"), 0);
    int classes[6] = {}, mult2 = 0, mult3 = 0;
    for (int x = 1; x <= 15; ++x)
        for (int y = 1; y <= 15; ++y) {
            const Pole& p = Plansza[x][y];
            const Pole& q = Plansza[16 - x][y];
            const Pole& r = Plansza[y][x];
            EXPECT_EQ(p.colourClass, q.colourClass);
            EXPECT_EQ(p.colourClass, r.colourClass);
            EXPECT_EQ(p.wordMultiplier, q.wordMultiplier);
            EXPECT_EQ(p.wordMultiplier, r.wordMultiplier);
            ++classes[p.colourClass];
            mult2 += p.wordMultiplier == 2;
            mult3 += p.wordMultiplier == 3;
        }
    for (int c : {1, 2, 3, 5})
        EXPECT_GT(classes[c], 0) << c;
    EXPECT_GT(mult2, 0);
    EXPECT_GT(mult3, 0);
    EXPECT_EQ(Plansza[8][8].startFlag, 1);
    EXPECT_EQ(Plansza[8][8].colourClass, 5);
}

TEST(LetterSet, BitsLieInBytesUnderBitMask)
{
    ZbiorLiter s;
    EXPECT_TRUE(s.Empty());
    s.Add(0);
    s.Add(9);
    s.Add(39);
    EXPECT_EQ(s.bytes[0], 1);
    EXPECT_EQ(s.bytes[1], 2);
    EXPECT_EQ(s.bytes[4], 128);
    EXPECT_TRUE(s.Has(9));
    EXPECT_FALSE(s.Has(10));
    EXPECT_EQ(s.Word(), (LetterBits{1} << 39) | (1u << 9) | 1u);
    s.Fill();
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(s.bytes[k], 0xFF);
}

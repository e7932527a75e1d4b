// What the X server shows of the game: the window's buttons over its
// drawing, nothing outside the windows, a computers-only game frame by frame,
// the GO bar and the hint lines, each read back from the screen.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "computer/komputer.h"
#include "menu/myapp.h"
#include "menu/opcje.h"
#include "menu/stmenu.h"
#include "model/gra.h"
#include "model/opcje.h"
#include "model/plansza.h"
#include "model/slownik.h"
#include "platform/urzadzenie.h"
#include "tests/gui/ekran_x.h"
#include "tests/gui/fake_clock.h"
#include "tests/gui/komunikat_gtk.h"
#include "tests/gui/okno_gry.h"
#include "tools/kompilator.h"

namespace {

void LoadWords(const std::vector<std::string>& words)
{
    TempDir dir;
    ASSERT_EQ(Slownik::LoadFile(dir.Write("t.slo", CompileWords(words, false).bytes).c_str()), 0);
}

// Short words enough for computers to play a while: every two-letter pair
// holding a vowel and every consonant-vowel-consonant triple.
std::vector<std::string> ManyShortWords()
{
    const std::string vowels = "aeiou", consonants = "bcdfghjklmnprstwz";
    std::vector<std::string> words;
    for (char a = 'a'; a <= 'z'; ++a)
        for (char b = 'a'; b <= 'z'; ++b)
            if (vowels.find(a) != std::string::npos || vowels.find(b) != std::string::npos)
                words.push_back({a, b});
    for (char a : consonants)
        for (char v : vowels)
            for (char b : consonants)
                words.push_back({a, v, b});
    std::sort(words.begin(), words.end());
    return words;
}

wxColour PictureColour(const wxBitmap& picture)
{
    const wxImage image = picture.ConvertToImage();
    const int x = image.GetWidth() / 2, y = image.GetHeight() / 2;
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

wxPoint Centre(const wxWindow* w) { return w->GetPosition() + w->GetSize() / 2; }

// The first pixel of area where the two images differ, if any.
::testing::AssertionResult SamePixels(const wxImage& a, const wxImage& b, const wxRect& area)
{
    for (int y = area.y; y < area.GetBottom(); ++y)
        for (int x = area.x; x < area.GetRight(); ++x) {
            const wxColour other(b.GetRed(x, y), b.GetGreen(x, y), b.GetBlue(x, y));
            if (auto same = Near(a, {x, y}, other, 4); !same)
                return same;
        }
    return ::testing::AssertionSuccess();
}

const wxRect BottomStrip(0, 240, 240, 30);

// The start window of a started program, on the fixture tree. Its tests come
// first in the run: the program's first START is the one to watch.
class StartOnScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        FreeOptionPaths();
        FreeSquarePicturePaths();
        ConfirmComputerMove = 0;
        StartProgram();
        PumpEvents();
        menu = TheStMenu;
        LoadWords(ManyShortWords());
    }
    void TearDown() override
    {
        if (TheGraFrame)
            TheGraFrame->Destroy();
        if (TheStMenu)
            TheStMenu->Destroy();
        PumpEvents();
        ComputerTurnPauseMs = 50;
    }
    // Seat types from 0 (human) to 5 (no player), through the seat buttons.
    void Seats(std::initializer_list<int> types)
    {
        int k = 0;
        for (int type : types) {
            while (menu->slotTypes[k] != type)
                menu->CyclePlayerType(k + 1);
            ++k;
        }
    }
    void Start()
    {
        wxCommandEvent click(wxEVT_BUTTON, ID_START);
        menu->GetEventHandler()->ProcessEvent(click);
    }

    FixtureTree tree;
    StMenu* menu = nullptr;
};

} // namespace

TEST_F(StartOnScreen, NothingIsDrawnOutsideTheWindows)
{
    Seats({0, 1, 5, 5});
    const wxRect startRect = menu->GetScreenRect();
    const wxImage before = WholeScreen();
    Start();
    ASSERT_NE(TheGraFrame, nullptr);
    PumpEvents();
    TheGraFrame->Update();
    const wxImage after = WholeScreen();
    const wxRect gameRect = TheGraFrame->GetScreenRect();
    int changed = 0;
    wxPoint first;
    for (int y = 0; y < after.GetHeight(); ++y)
        for (int x = 0; x < after.GetWidth(); ++x) {
            if (startRect.Contains(x, y) || gameRect.Contains(x, y))
                continue;
            const wxColour was(before.GetRed(x, y), before.GetGreen(x, y), before.GetBlue(x, y));
            if (!Near(after, {x, y}, was, 0) && changed++ == 0)
                first = {x, y};
        }
    EXPECT_EQ(changed, 0) << "first at (" << first.x << ", " << first.y << ")";
}

TEST_F(StartOnScreen, AComputersOnlyGameIsSeenInManyFrames)
{
    Seats({1, 2, 3, 4});
    ComputerTurnPauseMs = 50;
    ScreenWatcher watcher(wxRect(0, 0, 240, 360));
    const auto begun = std::chrono::steady_clock::now();
    {
        // The clock fixes the deal. Some deals leave these short words no
        // room after a move or two, and the game ends with little to watch;
        // this one plays a long game.
        ClockAt at(3);
        Start();
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - begun)
                        .count();
    // The last frames: the finished game, then the start window hidden.
    PumpEvents();
    const std::vector<std::uint64_t> frames = watcher.Stop();
    ASSERT_NE(TheGraFrame, nullptr);
    EXPECT_TRUE(TheGraFrame->tura.gameOver);
    int tiles = 0;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            tiles += Plansza[x][y].tile != 0;
    std::printf("four computers: %d tiles laid, %zu frames seen, %lld ms\n", tiles, frames.size(),
                static_cast<long long>(ms));
    RecordProperty("GameMs", static_cast<int>(ms));
    ASSERT_GE(tiles, 20) << "the game of this clock is long";
    // The screen changes while the game runs inside START, not only at its
    // end: at least 8 distinct frames of the watched area (the start window,
    // then the game window), where a game drawn only at its end would give a
    // few.
    EXPECT_GE(frames.size(), 8u);
}

namespace {

class ScreenOfTheGame : public GameWindow {
protected:
    void SetUp() override
    {
        ConfirmComputerMove = 0;
        LoadWords({"ko", "ok", "to", "ta", "at", "kot", "tak", "kto", "tok", "akt"});
    }
    // Seats 'h' human, 'c' computer; the first seat moves first, every rack
    // as given ('.' an empty slot).
    void OpenSeats(const char* seats, std::vector<const char*> racks)
    {
        StartGame(seats, 0, [] { return static_cast<Gracz*>(new Komputer("Cpu", 3)); });
        const int n = static_cast<int>(std::strlen(seats));
        frame = new GraFrame("Venk's Zertanik EN", wxPoint(0, 26), GameWindowSize, 0);
        TheGraFrame = frame;
        for (int i = 0; i < n; ++i) {
            TheGra->shown = i;
            SetRack(racks[i]);
        }
        TheGra->shown = 0;
        frame->Show();
        frame->Redraw(true);
        BringOnScreen(frame);
    }
    void Click(int id)
    {
        wxCommandEvent e(wxEVT_BUTTON, id);
        frame->GetEventHandler()->ProcessEvent(e);
    }
    // Lays a rack letter on the board as a drag would.
    void Lay(char c, int x, int y)
    {
        const std::string rack = Rack();
        Drag(RackPoint(static_cast<int>(rack.find(c))), {SquarePoint(x, y)});
    }
    // Two humans: Ann, with rack, lays first on (8, 8) and second on (9, 8)
    // and puts them; Bob taps GO and is asked.
    void AskBob(const char* rack, char first, char second)
    {
        OpenSeats("hh", {rack, "kotaeee"});
        Click(ID_BTN_GO);
        Lay(first, 8, 8);
        Lay(second, 9, 8);
        Click(ID_BTN_PUT);
        Click(ID_BTN_GO);
        ASSERT_TRUE(frame->yesButton->IsShown());
        ASSERT_TRUE(frame->noButton->IsShown());
    }
    // What the screen shows in area equals what the window shows once it
    // is painted afresh, its buttons drawn by the toolkit over the buffer.
    ::testing::AssertionResult AsAFreshPaint(const wxRect& area)
    {
        const wxImage now = Settled();
        frame->Refresh(false);
        return SamePixels(now, Settled(), area);
    }
    ::testing::AssertionResult ShowsItsPicture(const wxBitmapButton* b, int picture)
    {
        return Near(Settled(), Centre(b), PictureColour(*frame->buttonBitmaps[picture]));
    }
    // The screen once the toolkit's own animations of the buttons are over:
    // two reads in a row alike.
    wxImage Settled()
    {
        wxImage last = Screen();
        for (int i = 0; i < 50; ++i) {
            wxMilliSleep(20);
            wxImage now = Screen();
            if (SamePixels(now, last, wxRect(now.GetSize())))
                return now;
            last = now;
        }
        return last;
    }
};

} // namespace

TEST_F(ScreenOfTheGame, ButtonsStayAfterAHumanMoveAnsweredByAComputer)
{
    OpenSeats("hc", {"kotaaaa", "kotaeee"});
    Lay('k', 8, 8);
    Lay('o', 9, 8);
    ASSERT_TRUE(frame->putButton->IsEnabled());
    Click(ID_BTN_PUT);
    ASSERT_EQ(TheGra->current, 0);
    ASSERT_TRUE(frame->viewButton->IsShown());
    EXPECT_TRUE(ShowsItsPicture(frame->viewButton, GraFrame::BtnView));
    EXPECT_TRUE(AsAFreshPaint(BottomStrip));
}

TEST_F(ScreenOfTheGame, ButtonsStayAfterADragIntoAnExchangeSlot)
{
    OpenSeats("h", {"abcdefg"});
    Click(ID_BTN_VIEW);
    ASSERT_FALSE(frame->putButton->IsEnabled());
    const wxImage before = Settled();
    Drag(RackPoint(0), {ExchangePoint(0)});
    ASSERT_EQ(frame->tura.exchangeCount, 1);
    EXPECT_TRUE(ShowsItsPicture(frame->viewButton, GraFrame::BtnView));
    EXPECT_TRUE(ShowsItsPicture(frame->exchangeButton, GraFrame::BtnExchange));
    // The disabled PUT looks as it did before the drag.
    EXPECT_TRUE(SamePixels(Settled(), before, frame->putButton->GetRect()));
    EXPECT_TRUE(AsAFreshPaint(wxRect(0, 210, 240, 60)));
}

// A letter dropped into an exchange slot redraws the info panel over what
// the move status drew just before: a name long enough to reach past the
// middle of the panel shows on the screen as a full redraw shows it, not
// drawn twice over itself.
TEST_F(ScreenOfTheGame, InfoPanelAfterADropIntoAnExchangeSlotIsAsPainted)
{
    OpenSeats("h", {"abcdefg"});
    std::free(TheGra->player[0]->name);
    TheGra->player[0]->name = strdup("WWWWWWWWWWWW");
    Click(ID_BTN_VIEW);
    Drag(RackPoint(0), {ExchangePoint(0)});
    ASSERT_EQ(frame->tura.exchangeCount, 1);
    const wxImage dropped = Settled();
    frame->Redraw(true);
    EXPECT_TRUE(SamePixels(dropped, Settled(), InfoPanelArea));
}

// A computer's challenge: the bottom strip as the screen shows it when the
// box is called (the test answers it unseen) and after, each the window's
// fresh paint.
TEST_F(ScreenOfTheGame, ChallengeMessageBoxOverAWindowAsPainted)
{
    OpenSeats("hc", {"tttaaaa", "kotaeee"});
    Lay('t', 8, 8);
    Lay('t', 9, 8);
    ::testing::AssertionResult underBox = ::testing::AssertionFailure() << "no message box";
    AnswerNextDialog(wxID_OK, [&](wxDialog*) { underBox = AsAFreshPaint(BottomStrip); });
    const int boxes = DialogsAnswered();
    Click(ID_BTN_PUT);
    ASSERT_EQ(DialogsAnswered(), boxes + 1);
    EXPECT_TRUE(underBox);
    EXPECT_TRUE(AsAFreshPaint(BottomStrip));
}

// A human's NO: when the challenge's box is called (the test answers it
// unseen), YES and NO are hidden and PUT and VIEW shown, as the bar stays
// after the box, and the screen's bar is what a fresh paint of it gives.
TEST_F(ScreenOfTheGame, ChallengeMessageBoxOverTheBarAfterNo)
{
    AskBob("tttaaaa", 't', 't');
    ::testing::AssertionResult underBox = ::testing::AssertionFailure() << "no message box";
    bool questionDown = false;
    AnswerNextDialog(wxID_OK, [&](wxDialog*) {
        questionDown = !frame->yesButton->IsShown() && !frame->noButton->IsShown()
                       && frame->putButton->IsShown() && frame->viewButton->IsShown()
                       && frame->statusLine[0] == 0;
        underBox = AsAFreshPaint(BottomStrip);
    });
    const int boxes = DialogsAnswered();
    Click(ID_BTN_NO);
    ASSERT_EQ(DialogsAnswered(), boxes + 1);
    EXPECT_TRUE(questionDown);
    EXPECT_TRUE(underBox);
}

// The verdict of a challenge is the box's own main text, with what follows
// from it below, as GTK shows the box on the screen: a window manager may
// cut a title short, and with none there is no title at all.
TEST_F(ScreenOfTheGame, ChallengeVerdictIsTheBoxsOwnText)
{
    const struct { const char* seats; const char* rack; const char *verdict, *message; } cases[] = {
        {"hc", "tttaaaa", "Word is not valid!", "No points."}, // the computer challenges
        {"hh", "kotaaaa", "Word is valid!", "You have lost your turn."}, // NO
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.verdict);
        OpenSeats(c.seats, {c.rack, "kotaeee"});
        const bool humans = c.seats[1] == 'h';
        if (humans)
            Click(ID_BTN_GO);
        Lay(c.rack[0], 8, 8);
        Lay(c.rack[1], 9, 8);
        ShownMessageBox box;
        if (humans) {
            Click(ID_BTN_PUT);
            Click(ID_BTN_GO);
            ReadNextMessageBox(box);
            Click(ID_BTN_NO);
        } else {
            ReadNextMessageBox(box);
            Click(ID_BTN_PUT);
        }
        ASSERT_TRUE(box.shown) << "no box came up";
        EXPECT_EQ(box.primary, c.verdict);
        EXPECT_EQ(box.secondary, c.message);
        EXPECT_EQ(box.title, c.verdict);
        EXPECT_GT(InkPixels(box.primaryPixels), 20) << "the main text is not on the screen";
        EXPECT_TRUE(box.boxRect.Contains(box.primaryRect));
        EXPECT_TRUE(wxRect(WholeScreen().GetSize()).Contains(box.primaryRect));
        Close();
    }
}

// An answer takes the marks off the laid word: after YES, after NO on a
// valid word and after a YES that ends the game (Ann goes out with the bag
// empty), the mark point of each laid square shows its tile on the screen,
// where it showed the mark while Bob was asked. After YES Bob plays on, and
// his rack shows where the question stood.
TEST_F(ScreenOfTheGame, AnAnswerTakesTheMarksOffTheLaidWord)
{
    const struct { int answer; bool goesOut; const char* what; } cases[] = {
        {ID_BTN_YES, false, "YES"}, {ID_BTN_NO, false, "NO"}, {ID_BTN_YES, true, "YES, out"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AskBob(c.goesOut ? "ok....." : "okaaaaa", 'o', 'k');
        if (c.goesOut)
            TheGra->tilesLeft = 0;
        const wxPoint markOf8 = SquarePoint(8, 8) - wxPoint(4, 4);
        const wxPoint markOf9 = SquarePoint(9, 8) - wxPoint(4, 4);
        const wxImage asked = Settled();
        EXPECT_FALSE(Near(asked, markOf8, TileColour('o')));
        EXPECT_FALSE(Near(asked, markOf9, TileColour('k')));
        AnswerNextDialog(wxID_OK);
        Click(c.answer);
        ASSERT_EQ(frame->tura.pending, 0);
        ASSERT_EQ(frame->tura.gameOver, c.goesOut);
        ASSERT_EQ(Plansza[9][8].tile, 'k');
        const wxImage answered = Settled();
        EXPECT_TRUE(Near(answered, markOf8, TileColour('o')));
        EXPECT_TRUE(Near(answered, markOf9, TileColour('k')));
        if (c.answer == ID_BTN_YES && !c.goesOut) {
            ASSERT_EQ(Rack(), "kotaeee");
            for (int s = 0; s < RackSlots; ++s)
                EXPECT_TRUE(Near(answered, RackPoint(s), TileColour(Rack()[s]))) << "slot " << s;
        }
        Close();
    }
}

TEST_F(ScreenOfTheGame, GoBarCoversTheNextRackRightAfterPass)
{
    tree.Picture("graf/btn3go.JPG", 240, 30, wxColour(66, 66, 188));
    OpenSeats("hh", {"aaaaaaa", "zzzzzzz"});
    Click(ID_BTN_GO);
    Screen();
    Click(ID_BTN_PASS);
    ASSERT_EQ(TheGra->shown, 1);
    // Before any event is handled the screen may still show the last rack,
    // but never the next player's.
    const wxImage atOnce = ScreenArea(ClientOnScreen(frame));
    for (int s = 0; s < RackSlots; ++s)
        EXPECT_FALSE(Near(atOnce, RackPoint(s), TileColour('z'))) << "slot " << s;
    const wxImage later = Settled();
    const wxColour go = PictureColour(*frame->buttonBitmaps[GraFrame::BtnGo]);
    for (int s = 0; s < RackSlots; ++s)
        EXPECT_TRUE(Near(later, RackPoint(s), go)) << "slot " << s;
}

TEST_F(ScreenOfTheGame, WholeHintLinesAfterABlankGetsItsLetter)
{
    OpenSeats("h", {"aX....."});
    Lay('a', 8, 8);
    Lay('X', 9, 8);
    ASSERT_FALSE(frame->boardView);
    Settled(); // the player looks for the letter
    Press(PickerPoint(19).x, PickerPoint(19).y); // 't'
    Release(PickerPoint(19).x, PickerPoint(19).y);
    ASSERT_STREQ(frame->hintLine1, "Click PUT to place word");
    const wxRect hints(0, 105, 240, 35);
    const wxImage shown = Settled();
    // The first line reaches past the window's middle.
    bool textBeyondMiddle = false;
    for (int y = hints.y; y < hints.GetBottom(); ++y)
        for (int x = 125; x < 240; ++x)
            textBeyondMiddle |= Near(shown, {x, y}, wxColour(255, 255, 0), 60);
    EXPECT_TRUE(textBeyondMiddle);
    frame->Redraw(true);
    EXPECT_TRUE(SamePixels(shown, Settled(), hints));
}


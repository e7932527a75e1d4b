// The game window's turn flow: move status, PUT and its answers, PASS,
// EXCHANGE, the end of the game and computer turns, with a tiny dictionary.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

#include "computer/komputer.h"
#include "computer/stan_szukania.h"
#include "model/gra.h"
#include "model/opcje.h"
#include "model/plansza.h"
#include "model/slownik.h"
#include "platform/tekst.h"
#include "tests/gui/gui_support.h"
#include "tests/gui/okno_gry.h"
#include "tools/kompilator.h"
#include "window/graframe.h"
#include "window/zasady.h"

namespace {

// Words of the letters k, o, t, a only, so most racks can lay nothing.
const std::vector<std::string> Words = {"ko", "ok", "to", "ta", "at", "kot", "tak", "kto", "tok", "akt"};

void LoadWords(const std::vector<std::string>& words)
{
    TempDir dir;
    ASSERT_EQ(Slownik::LoadFile(dir.Write("t.slo", CompileWords(words, false).bytes).c_str()), 0);
}

std::string Sorted(std::string s)
{
    std::sort(s.begin(), s.end());
    return s;
}

std::string RackText(const Gracz& p) { return reinterpret_cast<const char*>(p.rack->slots); }
// The rack slot by slot, '.' an empty slot.
std::string SlotText(const Gracz& p)
{
    std::string s;
    for (int k = 0; k < RackSlots; ++k)
        s += p.rack->slots[k] ? static_cast<char>(p.rack->slots[k]) : '.';
    return s;
}
// The tiles in letter index order, the order a rack is rebuilt in.
std::string InIndexOrder(std::string s)
{
    std::sort(s.begin(), s.end(), [](char a, char b) {
        return LetterIndex(static_cast<Tile>(a)) < LetterIndex(static_cast<Tile>(b));
    });
    return s;
}

// The guard of the turn controls for a scope (the suite runs without it),
// and a wait past it.
struct TurnControlsGuard {
    TurnControlsGuard() { TurnControlsGuardMs = 300; }
    ~TurnControlsGuard() { TurnControlsGuardMs = 0; }
    static void WaitOut() { wxMilliSleep(TurnControlsGuardMs + 30); }
};

class Turns : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadWords(Words);
        ComputerTurnPauseMs = 0;
        ConfirmComputerMove = 0;
    }
    void TearDown() override { Close(); }
    void Close()
    {
        if (frame) {
            frame->Destroy();
            PumpEvents();
        }
        frame = TheGraFrame = nullptr;
    }

    // Seats: 'h' a human (named Ann, Bob, Cid, Dan by seat), 'c' a computer;
    // first: the player to move. The racks are those dealt.
    void Open(const char* seats, int first = 0)
    {
        Gra* g = StartGame(seats, first,
                           [] { return static_cast<Gracz*>(new Komputer("Cpu", 3)); });
        // The same bag and racks in every run.
        for (int i = 0; i < g->players; ++i)
            *g->player[i]->rack = Stojak{};
        std::srand(11);
        g->FillBag();
        ShuffleBag(g);
        g->Deal();
        frame = new GraFrame("Venk's Zertanik EN", wxPoint(0, 26), GameWindowSize, 0);
        TheGraFrame = frame;
        frame->Show();
    }

    // A computer with rack begins a game against a human who answers its
    // moves; with earlierBlank, after a first move that left a blank standing
    // for 'o' on the centre square.
    void ComputerMovesFirstWithConfirmation(const char* rack, bool earlierBlank = false)
    {
        ConfirmComputerMove = 1;
        Open("ch");
        SetRack(0, rack);
        if (earlierBlank) {
            Plansza[8][8].tile = BlankTile;
            Plansza[8][8].blankLetter = 'o';
            frame->tura.AddBlank(Punkt{8, 8});
            ++frame->tura.blanksLettered;
            G().firstMove = 0;
        }
        ComputerTurn(TheGra);
        ASSERT_EQ(frame->tura.pending, 1);
    }

    Gra& G() { return *TheGra; }
    Gracz& P(int i) { return *TheGra->player[i]; }
    void SetRack(int i, const char* tiles)
    {
        *P(i).rack = Stojak{};
        std::copy(tiles, tiles + std::strlen(tiles), P(i).rack->slots);
    }
    // The bag's tiles, the last drawn first.
    void SetBag(const char* tiles)
    {
        G().tilesLeft = static_cast<int>(std::strlen(tiles));
        *G().bag = Worek{};
        std::copy(tiles, tiles + G().tilesLeft, G().bag->tiles);
    }
    std::string BagText() const
    {
        return std::string(reinterpret_cast<const char*>(TheGra->bag->tiles), TheGra->tilesLeft);
    }

    // Lays a tile of the shown player's rack as placing it would: on the
    // board and into the placed list ('X' a blank, with its letter when
    // given), then the move status.
    void Lay(int x, int y, char c, char blankLetter = 0)
    {
        Stojak& r = *P(G().shown).rack;
        Tile* slot = std::find(r.slots, r.slots + RackSlots, static_cast<Tile>(c));
        if (slot != r.slots + RackSlots)
            *slot = 0;
        Tura& t = frame->tura;
        Plansza[x][y].tile = static_cast<Tile>(c);
        Plansza[x][y].blankLetter = static_cast<Tile>(blankLetter);
        t.placedLetters[t.placedCount] = static_cast<Tile>(c);
        t.placedSquares[t.placedCount++] = Punkt{x, y};
        if (c == 'X') {
            t.AddBlank(Punkt{x, y});
            t.blanksLettered += blankLetter != 0;
        }
        frame->UpdateMoveStatus();
    }
    void Old(int x, int y, char c) { Plansza[x][y].tile = static_cast<Tile>(c); }
    void ToExchange(int slot, char c)
    {
        Stojak& r = *P(G().shown).rack;
        *std::find(r.slots, r.slots + RackSlots, static_cast<Tile>(c)) = 0;
        frame->tura.exchangeSlots[slot] = static_cast<Tile>(c);
        ++frame->tura.exchangeCount;
        frame->UpdateMoveStatus();
    }

    void Click(int id)
    {
        wxCommandEvent e(wxEVT_BUTTON, id);
        frame->GetEventHandler()->ProcessEvent(e);
    }
    // Arms the answer to the next message box and records its texts.
    void ExpectBox()
    {
        box.clear();
        AnswerNextDialog(wxID_OK, [this](wxDialog* d) {
            auto* m = dynamic_cast<wxMessageDialog*>(d);
            if (!m) {
                box = "?";
                return;
            }
            // The verdict is the box's own text as well as its title.
            EXPECT_EQ(m->GetMessage(), m->GetCaption());
            box = FromWx(m->GetCaption() + "|" + m->GetExtendedMessage());
        });
    }
    // The GO bar is up, and every control of the bottom strip is hidden
    // under it, not only covered.
    ::testing::AssertionResult BehindTheGoBar() const
    {
        if (!frame->goButton->IsShown())
            return ::testing::AssertionFailure() << "no GO bar";
        for (const wxWindow* b :
             {frame->yesButton, frame->noButton, frame->putButton, frame->viewButton})
            if (b->IsShown())
                return ::testing::AssertionFailure() << "button " << b->GetId() << " shown";
        return ::testing::AssertionSuccess();
    }
    // The status caption as the menu bar shows it.
    wxString Caption() const { return frame->GetMenuBar()->GetMenuLabelText(0); }

    int TilesOnBoard() const
    {
        int n = 0;
        for (int x = 1; x <= BoardSize; ++x)
            for (int y = 1; y <= BoardSize; ++y)
                n += Plansza[x][y].tile != 0;
        return n;
    }
    // Every tile is on the board, on a rack, in an exchange slot or in the bag.
    int TilesInGame() const
    {
        int n = TilesOnBoard() + TheGra->tilesLeft;
        for (int i = 0; i < TheGra->players; ++i)
            n += TheGra->player[i]->rack->Count();
        return n;
    }

    FixtureTree tree;
    GraFrame* frame = nullptr;
    std::string box;
};

TEST_F(Turns, MoveStatusOfTheLaidTiles)
{
    struct Tile3 { int x, y; char c, blank = 0; };
    const struct Case {
        const char* name;
        bool first;
        std::vector<Tile3> old, laid;
        const char *hint1, *hint2, *caption; // caption null: left as it was
        bool put;
        int score; // -1: not looked at
    } cases[] = {
        {"nothing laid", true, {}, {}, "", "", "Player: Ann", false, -1},
        {"misses the centre", true, {}, {{6, 8, 'o'}, {7, 8, 'k'}},
         "The first word must cross", "the central field", "Not in the center", false, -1},
        {"one tile", true, {}, {{8, 8, 'o'}}, "The first word must", "have at least 2 tiles.",
         nullptr, false, -1},
        {"first move not in line", true, {}, {{8, 8, 'o'}, {9, 9, 'k'}},
         "Newly added tiles must", "form a continous line.", "Tiles should form a line", false, -1},
        {"first move", true, {}, {{8, 8, 'o'}, {9, 8, 'k'}}, "Click PUT to place word",
         "Points :3", "Points: 3", true, 3},
        {"blank without letter", true, {}, {{8, 8, 'X'}, {9, 8, 'k'}}, "Choose a letter",
         "for blank tile.", nullptr, false, -1},
        {"blank with letter", true, {}, {{8, 8, 'X', 'o'}, {9, 8, 'k'}},
         "Click PUT to place word", "Points :2", "Points: 2", true, 2},
        {"gap", false, {{8, 8, 'o'}}, {{8, 7, 't'}, {8, 10, 'a'}}, "Newly added tiles must",
         "form a continous line.", "Tiles should form a line", false, -1},
        {"not touching", false, {{8, 8, 'o'}}, {{2, 2, 't'}, {3, 2, 'o'}}, "New tiles must be",
         "adjacent to old ones.", "Letters must be connected", false, -1},
        // The status never asks the dictionary: "oka" is no word but scores.
        {"later move", false, {{8, 8, 'o'}, {9, 8, 'k'}}, {{10, 8, 'a'}},
         "Click PUT to place word", "Points :4", "Points: 4", true, 4},
    };
    Open("h");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InitPlansza(LayoutPath);
        frame->tura = Tura(G());
        G().firstMove = c.first;
        SetRack(0, "okatkoa");
        for (const auto& t : c.old)
            Old(t.x, t.y, t.c);
        frame->UpdateMoveStatus();
        // A caption the laying leaves alone stays as it was before it.
        if (!c.laid.empty())
            frame->SetMenuBarText("before");
        for (const auto& t : c.laid)
            Lay(t.x, t.y, t.c, t.blank);
        EXPECT_STREQ(frame->hintLine1, c.hint1);
        EXPECT_STREQ(frame->hintLine2, c.hint2);
        EXPECT_EQ(Caption(), c.caption ? c.caption : "before");
        EXPECT_EQ(frame->putButton->IsEnabled(), c.put);
        EXPECT_FALSE(frame->exchangeButton->IsEnabled());
        if (c.score >= 0) {
            EXPECT_EQ(frame->tura.pendingScore, c.score);
        }
        EXPECT_EQ(frame->GetMenuBar()->GetMenuCount(), 1u);
    }
}

TEST_F(Turns, TheCaptionHoldsANameAsItIsCutToTheWindow)
{
    std::string longName;
    while (longName.size() < 99)
        longName += "Nameless ";
    longName.resize(99);
    const struct { std::string name, caption; } cases[] = {
        {"Tom & Jerry", "Player: Tom & Jerry"},
        {"&Ann&&", "Player: &Ann&&"},
        {longName, ""}, // cut
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Open("h");
        PumpEvents();
        const wxSize size = frame->GetSize();
        std::free(P(0).name);
        P(0).name = strdup(c.name.c_str());
        frame->UpdateMoveStatus();
        // The toolkit resizes a window a moment after its menu bar changes.
        PumpEvents();
        wxMilliSleep(100);
        PumpEvents();
        EXPECT_EQ(frame->GetClientSize().x, GameWindowSize.x);
        EXPECT_EQ(frame->GetClientSize().y, GameWindowSize.y);
        EXPECT_EQ(frame->GetSize().x, size.x);
        if (!c.caption.empty()) {
            EXPECT_EQ(Caption(), c.caption);
        } else {
            const wxString shown = Caption();
            EXPECT_TRUE(shown.StartsWith("Player: Nameless Name")) << shown;
            EXPECT_TRUE(shown.EndsWith("...")) << shown;
            EXPECT_LE(frame->GetMenuBar()->GetTextExtent(shown).x, GameWindowSize.x - 16);
        }
        Close();
    }
}

TEST_F(Turns, ExchangeSlotsOverrideThePlacementStatus)
{
    Open("h");
    SetRack(0, "okatkoa");
    Lay(8, 8, 'o');
    Lay(9, 8, 'k');
    ToExchange(0, 't');
    EXPECT_STREQ(frame->hintLine1, "Click EXCHANGE to");
    EXPECT_STREQ(frame->hintLine2, "change letters");
    EXPECT_TRUE(frame->exchangeButton->IsEnabled());
    EXPECT_FALSE(frame->putButton->IsEnabled());

    P(0).exchangesUsed = 3;
    frame->UpdateMoveStatus();
    EXPECT_STREQ(frame->hintLine1, "You can only change");
    EXPECT_STREQ(frame->hintLine2, "letters 3 times!!!");
    EXPECT_FALSE(frame->exchangeButton->IsEnabled());
}

// GO, YES and NO stand where PUT and GO were tapped: a press right after one
// appears (the second tap of a double tap) does nothing, so nobody opens the
// next player's rack or answers a word unseen; a press after the guard does.
TEST_F(Turns, TurnControlsIgnorePressesRightAfterTheyAppear)
{
    const TurnControlsGuard guard;
    Open("hh");
    SetRack(0, "okaaaaa");
    ASSERT_TRUE(frame->goButton->IsShown());
    Click(ID_BTN_GO);
    EXPECT_TRUE(frame->goButton->IsShown());
    TurnControlsGuard::WaitOut();
    Click(ID_BTN_GO);
    ASSERT_FALSE(frame->goButton->IsShown());
    Lay(8, 8, 'o');
    Lay(9, 8, 'k');
    Click(ID_BTN_PUT);
    // The second tap on PUT lands on Bob's GO bar.
    Click(ID_BTN_GO);
    EXPECT_TRUE(frame->goButton->IsShown());
    TurnControlsGuard::WaitOut();
    Click(ID_BTN_GO);
    ASSERT_TRUE(frame->yesButton->IsShown());
    // The second tap on GO lands on YES or NO.
    for (int answer : {ID_BTN_YES, ID_BTN_NO}) {
        Click(answer);
        EXPECT_EQ(frame->tura.pending, 1);
        EXPECT_TRUE(frame->yesButton->IsShown());
    }
    TurnControlsGuard::WaitOut();
    Click(ID_BTN_YES);
    EXPECT_EQ(frame->tura.pending, 0);
    EXPECT_EQ(P(0).score, 3);
}

// Without a GO bar the question of a computer's move comes up inside the
// handler that ran the computer's turn: a tap queued meanwhile lands on YES
// or NO at once and must not answer the move unseen.
TEST_F(Turns, AComputersMoveIsNotAnsweredRightAfterItsQuestionAppears)
{
    const TurnControlsGuard guard;
    ComputerMovesFirstWithConfirmation("tkaowvX");
    ASSERT_FALSE(frame->goButton->IsShown());
    ASSERT_TRUE(frame->yesButton->IsShown());
    for (int answer : {ID_BTN_YES, ID_BTN_NO}) {
        Click(answer);
        EXPECT_EQ(frame->tura.pending, 1);
        EXPECT_TRUE(frame->yesButton->IsShown());
    }
    EXPECT_EQ(P(0).score, 0);
    TurnControlsGuard::WaitOut();
    Click(ID_BTN_YES);
    EXPECT_EQ(frame->tura.pending, 0);
    EXPECT_GT(P(0).score, 0);
}

TEST_F(Turns, PutThenYesCreditsTheMoverAndRefillsHisRack)
{
    // The empty slots take tiles from the end of the bag while it lasts.
    const struct { const char* bag; const char* rack; int left; } cases[] = {
        {"abcdefghij", "jiaaaaa", 8}, {"j", "j.aaaaa", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bag);
        Open("hh");
        SetRack(0, "okaaaaa");
        SetBag(c.bag);
        EXPECT_TRUE(frame->goButton->IsShown());
        Click(ID_BTN_GO);
        EXPECT_FALSE(frame->goButton->IsShown());
        EXPECT_TRUE(frame->putButton->IsShown());
        Lay(8, 8, 'o');
        Lay(9, 8, 'k');
        Click(ID_BTN_PUT);
        EXPECT_EQ(frame->tura.pending, 1);
        EXPECT_EQ(frame->tura.placedCount, 2);
        EXPECT_EQ(G().current, 1);
        EXPECT_EQ(G().shown, 1);
        EXPECT_TRUE(BehindTheGoBar());

        Click(ID_BTN_GO);
        EXPECT_TRUE(frame->yesButton->IsShown());
        EXPECT_TRUE(frame->noButton->IsShown());
        EXPECT_FALSE(frame->putButton->IsShown());
        EXPECT_STREQ(frame->statusLine, "Accept this word?");

        Click(ID_BTN_YES);
        EXPECT_EQ(P(0).score, 3);
        EXPECT_EQ(SlotText(P(0)), c.rack);
        EXPECT_EQ(G().tilesLeft, c.left);
        EXPECT_EQ(G().firstMove, 0);
        EXPECT_EQ(frame->tura.pending, 0);
        EXPECT_EQ(frame->tura.placedCount, 0);
        EXPECT_EQ(Plansza[8][8].tile, 'o');
        // The answering player plays on at once.
        EXPECT_FALSE(frame->goButton->IsShown());
        EXPECT_FALSE(frame->yesButton->IsShown());
        EXPECT_TRUE(frame->putButton->IsShown());
        EXPECT_TRUE(frame->passButton->IsEnabled());
        EXPECT_STREQ(frame->statusLine, "");
        EXPECT_EQ(Caption(), "Player: Bob");
        Close();
    }
}

// A lone player answers his own move: no GO bar, and YES or NO as ever.
TEST_F(Turns, ALoneHumanAnswersHisOwnMove)
{
    const struct { char second; int answer; const char* box; int score, onBoard; } cases[] = {
        {'k', ID_BTN_YES, "", 3, 2},
        {'o', ID_BTN_NO, "Word is not valid!|No points.", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.second);
        Open("h");
        SetRack(0, c.second == 'k' ? "okaaaaa" : "ooaaaaa");
        Lay(8, 8, 'o');
        Lay(9, 8, c.second);
        Click(ID_BTN_PUT);
        EXPECT_EQ(frame->tura.pending, 1);
        EXPECT_EQ(G().current, 0);
        EXPECT_FALSE(frame->goButton->IsShown());
        EXPECT_TRUE(frame->yesButton->IsShown());
        EXPECT_TRUE(frame->noButton->IsShown());
        EXPECT_EQ(P(0).score, 0);
        ExpectBox();
        Click(c.answer);
        EXPECT_EQ(box, c.box);
        EXPECT_EQ(P(0).score, c.score);
        EXPECT_EQ(TilesOnBoard(), c.onBoard);
        EXPECT_EQ(P(0).rack->Count(), RackSlots);
        EXPECT_EQ(frame->tura.pending, 0);
        EXPECT_TRUE(frame->putButton->IsShown());
        EXPECT_TRUE(frame->passButton->IsEnabled());
        Close();
    }
}

TEST_F(Turns, PutThenNoSettlesTheMoveByTheDictionary)
{
    const struct {
        char second;
        const char* box;
        int moverScore, current, firstMove, scoreless, onBoard;
        const char* moverRack;
    } cases[] = {
        // Valid: credited, and the challenger loses his turn.
        {'k', "Word is valid!|You have lost your turn.", 3, 0, 0, 0, 2, "jiaaaaa"},
        // Invalid: taken back without points; the challenger plays.
        {'o', "Word is not valid!|No points.", 0, 1, 1, 1, 0, "aaaaaoo"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.second);
        Open("hh");
        SetRack(0, c.second == 'k' ? "okaaaaa" : "ooaaaaa");
        SetBag("abcdefghij");
        Lay(8, 8, 'o');
        Lay(9, 8, c.second);
        Click(ID_BTN_PUT);
        Click(ID_BTN_GO);
        ExpectBox();
        Click(ID_BTN_NO);
        EXPECT_EQ(box, c.box);
        EXPECT_EQ(P(0).score, c.moverScore);
        EXPECT_EQ(P(1).score, 0);
        EXPECT_EQ(Sorted(RackText(P(0))), Sorted(c.moverRack));
        EXPECT_EQ(G().current, c.current);
        EXPECT_EQ(G().shown, c.current);
        EXPECT_EQ(G().firstMove, c.firstMove);
        EXPECT_EQ(G().scorelessTurns, c.scoreless);
        EXPECT_EQ(TilesOnBoard(), c.onBoard);
        EXPECT_EQ(frame->tura.pending, 0);
        EXPECT_EQ(frame->tura.placedCount, 0);
        EXPECT_EQ(frame->tura.pendingScore, 0);
        EXPECT_TRUE(BehindTheGoBar());
        Close();
    }
}

// The rejection of a move is a scoreless turn, and may be the last one: by a
// human's NO, or by the computer's answer inside the PUT.
TEST_F(Turns, ARejectionMakingTheLastScorelessTurnEndsTheGame)
{
    for (const char* seats : {"hh", "hc"}) {
        SCOPED_TRACE(seats);
        Open(seats);
        SetRack(0, "ooaaaaa");
        SetRack(1, "kt");
        SetBag("abcdefghij");
        G().scorelessTurns = 3;
        Lay(8, 8, 'o');
        Lay(9, 8, 'o');
        ExpectBox();
        Click(ID_BTN_PUT);
        if (seats[1] == 'h') {
            Click(ID_BTN_GO);
            Click(ID_BTN_NO);
        }
        EXPECT_EQ(box, "Word is not valid!|No points.");
        ASSERT_TRUE(frame->tura.gameOver);
        EXPECT_EQ(G().scorelessTurns, 4);
        EXPECT_EQ(TilesOnBoard(), 0);
        EXPECT_EQ(Sorted(RackText(P(0))), Sorted("ooaaaaa"));
        EXPECT_EQ(P(0).score, -7);
        EXPECT_EQ(P(1).score, -4);
        EXPECT_STREQ(frame->hintLine2, seats[1] == 'c' ? "Cpu" : "Bob");
        EXPECT_EQ(Caption(), "Finished");
        EXPECT_FALSE(frame->goButton->IsShown());
        EXPECT_TRUE(frame->viewButton->IsShown());
        Close();
    }
}

TEST_F(Turns, ExchangeIsRefusedAtItsLimits)
{
    const struct { int used; const char* bag; } cases[] = {{3, "abcdefghij"}, {0, "abcdef"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.used);
        Open("hh");
        SetRack(0, "okatkoa");
        SetBag(c.bag);
        P(0).exchangesUsed = c.used;
        ToExchange(0, 't');
        Click(ID_BTN_EXCHANGE);
        EXPECT_EQ(G().current, 0);
        EXPECT_EQ(frame->tura.exchangeSlots[0], 't');
        EXPECT_EQ(BagText(), c.bag);
        EXPECT_EQ(P(0).exchangesUsed, c.used);
        Close();
    }
}

TEST_F(Turns, ExchangeSwapsWithTheBagAndPassReturnsEverything)
{
    Open("hh");
    SetRack(0, "okatkoa");
    SetBag("zzzzzzzzzz");
    G().scorelessTurns = 3;
    ToExchange(0, 't');
    ToExchange(1, 'a');
    Click(ID_BTN_EXCHANGE);
    EXPECT_EQ(Sorted(RackText(P(0))), Sorted("okkoazz"));
    EXPECT_EQ(Sorted(BagText()), Sorted("zzzzzzzzat"));
    EXPECT_EQ(P(0).exchangesUsed, 1);
    EXPECT_EQ(G().scorelessTurns, 0);
    EXPECT_EQ(G().current, 1);
    EXPECT_EQ(frame->tura.exchangeCount, 0);
    EXPECT_TRUE(BehindTheGoBar());

    // PASS with a tile on the board and a letter in an exchange slot.
    SetRack(1, "kotakot");
    Lay(8, 8, 'k');
    ToExchange(3, 't');
    Click(ID_BTN_PASS);
    EXPECT_EQ(Sorted(RackText(P(1))), Sorted("kotakot"));
    EXPECT_EQ(TilesOnBoard(), 0);
    EXPECT_EQ(frame->tura.placedCount, 0);
    EXPECT_EQ(G().scorelessTurns, 1);
    EXPECT_EQ(G().current, 0);
    EXPECT_TRUE(BehindTheGoBar());
}

TEST_F(Turns, ScorelessTurnsEndTheGameAndAnExchangeRestartsTheCount)
{
    Open("hh");
    for (int n = 0; n < 3; ++n)
        Click(ID_BTN_PASS);
    const int shown = G().shown;
    ToExchange(0, P(shown).rack->slots[0]);
    Click(ID_BTN_EXCHANGE);
    EXPECT_EQ(G().scorelessTurns, 0);
    EXPECT_EQ(P(shown).rack->Count(), RackSlots);
    EXPECT_EQ(P(shown).exchangesUsed, 1);
    EXPECT_EQ(P(shown).rack->slots[RackSlots], 0);
    for (int n = 0; n < 3; ++n)
        Click(ID_BTN_PASS);
    EXPECT_FALSE(frame->tura.gameOver);

    SetRack(0, "kotX");  // 2 + 1 + 2 + 0
    SetRack(1, "fa");    // 5 + 1
    Click(ID_BTN_PASS);
    ASSERT_TRUE(frame->tura.gameOver);
    EXPECT_EQ(P(0).score, -5);
    EXPECT_EQ(P(1).score, -6);
    EXPECT_STREQ(frame->hintLine1, "The winner is");
    EXPECT_STREQ(frame->hintLine2, "Ann");
    EXPECT_EQ(Caption(), "Finished");
    for (wxWindow* b : {frame->putButton, frame->passButton, frame->exchangeButton,
                        frame->yesButton, frame->noButton})
        EXPECT_FALSE(b->IsEnabled());
    EXPECT_TRUE(frame->viewButton->IsShown());
    EXPECT_TRUE(frame->viewButton->IsEnabled());
    EXPECT_FALSE(frame->goButton->IsShown());
    // Over is over: GO and PASS change nothing.
    Click(ID_BTN_GO);
    Click(ID_BTN_PASS);
    EXPECT_FALSE(frame->goButton->IsShown());
    EXPECT_FALSE(frame->yesButton->IsEnabled());
    EXPECT_FALSE(frame->noButton->IsEnabled());
    EXPECT_EQ(P(0).score, -5);
    EXPECT_EQ(Caption(), "Finished");
}

TEST_F(Turns, GoingOutWithTheBagEmptyEndsTheGame)
{
    // Answered by YES, by NO (valid), and by a computer inside the PUT.
    const struct { const char* seats; int answer; const char* box; } cases[] = {
        {"hh", ID_BTN_YES, ""},
        {"hh", ID_BTN_NO, "Word is valid!|You have lost your turn."},
        {"hc", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        Open(c.seats);
        SetRack(0, "ok");
        SetRack(1, "takX");
        SetBag("");
        Lay(8, 8, 'o');
        Lay(9, 8, 'k');
        ExpectBox();
        Click(ID_BTN_PUT);
        if (c.answer) {
            Click(ID_BTN_GO);
            Click(c.answer);
        }
        EXPECT_EQ(box, c.box);
        ASSERT_TRUE(frame->tura.gameOver);
        EXPECT_EQ(P(0).score, 3 + 5); // his move, then what the other rack lost
        EXPECT_EQ(P(1).score, -5);    // the blank costs nothing
        EXPECT_EQ(TilesOnBoard(), 2);
        EXPECT_STREQ(frame->hintLine1, "The winner is");
        EXPECT_STREQ(frame->hintLine2, "Ann");
        EXPECT_EQ(Caption(), "Finished");
        EXPECT_FALSE(frame->yesButton->IsEnabled());
        EXPECT_FALSE(frame->goButton->IsShown());
        Close();
    }
}

TEST_F(Turns, WinnerOrDraw)
{
    const struct { const char* seats; std::vector<int> scores; const char *hint1, *hint2; } cases[] = {
        {"hhh", {30, 20, 20}, "The winner is", "Ann"},
        {"hhh", {20, 20, 30}, "The winner is", "Cid"},
        {"hhh", {25, 30, 30}, "DRAW!", ""},
        {"h", {-4}, "The winner is", "Ann"},
    };
    for (const auto& c : cases) {
        Open(c.seats);
        for (int i = 0; i < G().players; ++i) {
            SetRack(i, "");
            P(i).score = c.scores[i];
        }
        frame->EndGame(-1);
        EXPECT_STREQ(frame->hintLine1, c.hint1);
        EXPECT_STREQ(frame->hintLine2, c.hint2);
        Close();
    }
}

// A human's PUT runs the computer's whole turn: it answers, plays, and its
// move is accepted at once.
TEST_F(Turns, ComputerAnswersAndPlays)
{
    Open("hc");
    SetRack(0, "okaaaaa");
    SetRack(1, "tkaoiii");
    SetBag("iiiiiiiiiiiiiiiiiiii");
    Lay(8, 8, 'o');
    Lay(9, 8, 'k');
    Click(ID_BTN_PUT);
    // Each move credited exactly once: the computer's is what its tiles score.
    EXPECT_EQ(P(0).score, 3);
    Tura cpu;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (Plansza[x][y].tile && !(y == 8 && (x == 8 || x == 9)))
                cpu.placedSquares[cpu.placedCount++] = Punkt{x, y};
    ASSERT_GT(cpu.placedCount, 0);
    EXPECT_EQ(P(1).score, ScoreMove(cpu));
    EXPECT_GT(TilesOnBoard(), 2);
    EXPECT_EQ(frame->tura.pending, 0);
    EXPECT_EQ(G().current, 0);
    EXPECT_EQ(G().scorelessTurns, 0);
    EXPECT_TRUE(frame->tura.inputEnabled);
    EXPECT_TRUE(frame->putButton->IsShown());
    EXPECT_FALSE(frame->yesButton->IsShown());
    EXPECT_TRUE(frame->passButton->IsEnabled());
    EXPECT_EQ(P(1).rack->Count(), 7); // refilled at its acceptance
    EXPECT_EQ(TilesInGame(), 14 + 20);
    EXPECT_EQ(Caption(), "Player: Ann");

    // An invalid move: the computer challenges, the tiles go back, it plays.
    const int cpuScore = P(1).score;
    SetRack(0, "iiiiiii"); // no word holds an 'i'
    SetRack(1, "tkaoiii");
    Punkt free{0, 0};
    for (int x = 1; x <= BoardSize && !free.x; ++x)
        for (int y = 1; y <= BoardSize && !free.x; ++y)
            if (!Plansza[x][y].tile && Plansza[x][y - 1].tile)
                free = Punkt{x, y};
    Lay(free.x, free.y, 'i');
    ASSERT_TRUE(frame->putButton->IsEnabled());
    const int before = TilesOnBoard();
    ExpectBox();
    Click(ID_BTN_PUT);
    EXPECT_EQ(box, "Word is not valid!|No points.");
    EXPECT_EQ(RackText(P(0)), "iiiiiii");
    EXPECT_EQ(P(0).score, 3);
    EXPECT_EQ(G().scorelessTurns, 0); // the rejection, then the computer's credited move
    EXPECT_GT(P(1).score, cpuScore);
    EXPECT_GT(TilesOnBoard(), before - 1);
    EXPECT_EQ(G().current, 0);
    EXPECT_EQ(frame->tura.pending, 0);
}

TEST_F(Turns, AComputerBetweenTwoHumans)
{
    // Ann lays "kot"; the computer accepts it and plays; then Cid's turn
    // stands behind the GO bar. With confirmation the computer's move waits
    // for Cid's answer behind GO; without, it is credited at once.
    for (int confirm : {0, 1}) {
        SCOPED_TRACE(confirm);
        ConfirmComputerMove = confirm;
        Open("hch");
        SetRack(0, "kotaaaa");
        SetRack(1, "aktotak");
        Lay(8, 8, 'k');
        Lay(9, 8, 'o');
        Lay(10, 8, 't');
        ASSERT_TRUE(frame->putButton->IsEnabled());
        Click(ID_BTN_PUT);
        EXPECT_EQ(P(0).score, 5);
        EXPECT_EQ(G().current, 2);
        EXPECT_EQ(G().shown, 2);
        EXPECT_GT(TilesOnBoard(), 3) << "the computer laid a word";
        EXPECT_TRUE(frame->goButton->IsShown());
        EXPECT_EQ(frame->tura.pending, confirm);
        if (confirm) {
            EXPECT_EQ(P(1).score, 0);
            Click(ID_BTN_GO);
            EXPECT_FALSE(frame->goButton->IsShown());
            EXPECT_TRUE(frame->yesButton->IsShown());
            EXPECT_TRUE(frame->noButton->IsShown());
            Click(ID_BTN_YES);
            EXPECT_EQ(frame->tura.pending, 0);
        }
        EXPECT_GT(P(1).score, 0);
        EXPECT_EQ(TilesInGame(), BagSize);
        Close();
    }
}

TEST_F(Turns, ConfirmationLetsTheHumanAnswerTheComputersMove)
{
    // No word has a letter twice, so the blank is never played.
    ComputerMovesFirstWithConfirmation("tkaowvX");
    EXPECT_EQ(P(0).score, 0);
    EXPECT_EQ(G().current, 1);
    EXPECT_TRUE(frame->yesButton->IsShown());
    EXPECT_FALSE(frame->putButton->IsShown());
    EXPECT_FALSE(frame->passButton->IsEnabled());
    EXPECT_STREQ(frame->statusLine, "Accept this word?");
    // The rack left is packed in letter index order: 'w' before 'v', the blank last.
    const std::string rackAfter = RackText(P(0));
    EXPECT_EQ(rackAfter, InIndexOrder(rackAfter));
    EXPECT_EQ(rackAfter.substr(rackAfter.size() - 3), "wvX");
    EXPECT_EQ(static_cast<int>(rackAfter.size()), 7 - frame->tura.placedCount);

    // NO against a valid move: the computer is credited and plays again.
    ExpectBox();
    Click(ID_BTN_NO);
    EXPECT_EQ(box, "Word is valid!|You have lost your turn.");
    EXPECT_GT(P(0).score, 0);
    EXPECT_EQ(G().current, 1);
    EXPECT_EQ(frame->tura.pending, 1); // its next move waits for the answer
}

TEST_F(Turns, ComputerTakesItsBlankIntoTheTurnRecord)
{
    // On an empty board, and after a blank of an earlier turn, which stays
    // entry 0 of the blank list: the computer's blank is the next entry.
    for (const bool earlier : {false, true}) {
        SCOPED_TRACE(earlier ? "after an earlier blank" : "first blank");
        ComputerMovesFirstWithConfirmation("kX", earlier);
        const Tura& t = frame->tura;
        const int before = earlier ? 1 : 0;
        ASSERT_EQ(t.placedCount, 2);
        ASSERT_EQ(t.blankCount, before + 1);
        EXPECT_EQ(t.blanksLettered, before + 1);
        if (earlier) {
            EXPECT_EQ(t.blankSquares[0], (Punkt{8, 8}));
        }
        const Punkt b = t.blankSquares[before];
        EXPECT_EQ(Plansza[b.x][b.y].tile, 'X');
        EXPECT_NE(Plansza[b.x][b.y].blankLetter, 0);
        const int i = static_cast<int>(std::find(t.placedSquares, t.placedSquares + 2, b) -
                                       t.placedSquares);
        ASSERT_LT(i, 2);
        EXPECT_EQ(t.placedLetters[i], 'X');
        EXPECT_EQ(std::count(t.placedLetters, t.placedLetters + 2, 'X'), 1);
        EXPECT_EQ(P(0).rack->Count(), 0);
        EXPECT_TRUE(frame->AreAllWordsValid());

        // Rejected (its word gone from the dictionary): the tiles go back to
        // the computer's rack, the blank as a blank, and the human's stays.
        const std::string humanRack = RackText(P(1));
        LoadWords({"zz"});
        ExpectBox();
        Click(ID_BTN_NO);
        EXPECT_EQ(box, "Word is not valid!|No points.");
        EXPECT_EQ(Sorted(RackText(P(0))), Sorted("kX"));
        EXPECT_EQ(RackText(P(1)), humanRack);
        EXPECT_EQ(TilesOnBoard(), before);
        EXPECT_EQ(frame->tura.blankCount, before);
        EXPECT_EQ(frame->tura.blanksLettered, before);
        EXPECT_EQ(G().current, 1);
        EXPECT_EQ(G().shown, 1);
        EXPECT_EQ(G().firstMove, earlier ? 0 : 1);
        Close();
        LoadWords(Words);
    }
}

TEST_F(Turns, AComputersBlankBeyondAFullBlankListIsNotCountedLettered)
{
    ConfirmComputerMove = 1;
    Open("ch");
    // Two lettered blanks of earlier turns fill the blank list.
    Tura& t = frame->tura;
    for (const Punkt q : {Punkt{1, 1}, Punkt{15, 15}}) {
        Old(q.x, q.y, 'X');
        Plansza[q.x][q.y].blankLetter = 'z';
        ASSERT_TRUE(t.AddBlank(q));
        ++t.blanksLettered;
    }
    SetRack(0, "kX");
    ComputerTurn(TheGra);
    ASSERT_EQ(t.pending, 1);
    ASSERT_EQ(std::count(t.placedLetters, t.placedLetters + t.placedCount, 'X'), 1);
    EXPECT_EQ(t.blankCount, 2);
    EXPECT_EQ(t.blanksLettered, 2);
}

// A computer whose exchange was refused passes with its letters still in the
// exchange slots: they go back to its own rack, not to the shown human's.
TEST_F(Turns, AComputersPassReturnsItsExchangeLettersToItsRack)
{
    Open("ch");
    ASSERT_EQ(G().current, 0);
    ASSERT_EQ(G().shown, 1);
    SetRack(0, "kotakot");
    const std::string human = RackText(P(1));
    Tura& t = frame->tura;
    for (const int k : {1, 4}) {
        t.exchangeSlots[t.exchangeCount++] = P(0).rack->slots[k];
        P(0).rack->slots[k] = 0;
    }
    frame->Pass();
    EXPECT_EQ(Sorted(RackText(P(0))), Sorted("kotakot"));
    EXPECT_EQ(RackText(P(1)), human);
    EXPECT_EQ(t.exchangeCount, 0);
    EXPECT_EQ(TilesInGame(), BagSize);
    EXPECT_EQ(G().current, 1);
}

TEST_F(Turns, ComputerWithoutAMoveExchangesOrPasses)
{
    const struct {
        const char* rack;
        int used, bag;
        const char* kept; // null: it passes
        const char* exchanged;
    } cases[] = {
        {"aeionrs", 0, 20, "nrs", "aeio"},
        {"baeionr", 0, 20, "onr", "baei"},
        {"cdfghjk", 0, 20, "", "cdfghjk"},
        {"cdfghjk", 3, 20, nullptr, ""},
        {"cdfghjk", 0, 6, nullptr, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rack);
        Open("ch");
        SetRack(0, c.rack);
        SetBag(std::string(c.bag, 'z').c_str());
        P(0).exchangesUsed = c.used;
        std::srand(7);
        ComputerTurn(TheGra);
        EXPECT_EQ(G().current, 1);
        EXPECT_EQ(TilesOnBoard(), 0);
        if (c.kept) {
            // The kept letters stay and the exchanged ones are in the bag,
            // which gave 'z' for each.
            const std::size_t swapped = std::strlen(c.exchanged);
            EXPECT_EQ(Sorted(RackText(P(0))), Sorted(c.kept + std::string(swapped, 'z')));
            EXPECT_EQ(Sorted(BagText()),
                      Sorted(std::string(c.bag - swapped, 'z') + c.exchanged));
            EXPECT_EQ(P(0).exchangesUsed, c.used + 1);
            EXPECT_EQ(G().scorelessTurns, 0);
        } else {
            EXPECT_EQ(RackText(P(0)), c.rack);
            EXPECT_EQ(G().scorelessTurns, 1);
        }
        Close();
    }
}

// Bob passes; the computer, with nothing to answer, finds no move, cannot
// exchange and passes too: the last scoreless turn ends the game inside its
// turn, and the GO bar that stood between the humans' turns goes.
TEST_F(Turns, GameEndsInsideAComputerTurnAfterAPass)
{
    Open("hhc", 1);
    SetRack(2, "iiiiiii"); // no word holds an 'i'
    SetBag("zz");
    G().scorelessTurns = 4;
    Click(ID_BTN_GO);
    Click(ID_BTN_PASS);
    ASSERT_TRUE(frame->tura.gameOver);
    EXPECT_EQ(G().scorelessTurns, 6);
    EXPECT_EQ(G().firstMove, 1);
    EXPECT_EQ(RackText(P(2)), "iiiiiii");
    EXPECT_EQ(P(2).exchangesUsed, 0);
    EXPECT_EQ(Caption(), "Finished");
    EXPECT_FALSE(frame->goButton->IsShown());
    EXPECT_TRUE(frame->viewButton->IsShown());
    EXPECT_TRUE(frame->viewButton->IsEnabled());
}

// A computer seat whose Ruch searches nothing (a plain Gracz) finds no
// move: the best move of an earlier search is never played again.
TEST_F(Turns, NoSearchMeansNoMove)
{
    Open("ch");
    delete G().player[0];
    G().player[0] = new Gracz("Cpu");
    P(0).computer = 1;
    SetRack(0, "kotakot");
    NajlepszyRuch.tileCount = 2;
    NajlepszyRuch.squares[0] = Punkt{8, 8};
    NajlepszyRuch.squares[1] = Punkt{9, 8};
    ComputerTurn(TheGra);
    EXPECT_EQ(TilesOnBoard(), 0);
    EXPECT_EQ(frame->tura.pending, 0);
    EXPECT_EQ(P(0).exchangesUsed, 1);
}

// A game of computers runs to its end inside the first computer's turn. Every
// word of two or three letters is valid, so the computers build a block until
// no tile fits, then exchange and pass until the scoreless turns end it.
TEST_F(Turns, ComputersPlayAWholeGame)
{
    std::vector<std::string> words;
    for (char a = 'a'; a <= 'z'; ++a)
        for (char b = 'a'; b <= 'z'; ++b) {
            words.push_back(std::string{a, b});
            for (char c = 'a'; c <= 'z'; ++c)
                words.push_back(std::string{a, b, c});
        }
    LoadWords(words);
    // Four computers, and a lone one that answers its own moves.
    for (const char* seats : {"cccc", "c"}) {
        SCOPED_TRACE(seats);
        Open(seats);
        const int boxes = DialogsAnswered();
        ComputerTurn(TheGra);
        ASSERT_TRUE(frame->tura.gameOver);
        EXPECT_GT(TilesOnBoard(), 4); // several moves, then a dead end
        EXPECT_EQ(TilesInGame(), BagSize);
        EXPECT_TRUE(G().tilesLeft == 0 || G().scorelessTurns == 2 * G().players);
        EXPECT_TRUE(std::string(frame->hintLine1) == "The winner is" ||
                    std::string(frame->hintLine1) == "DRAW!");
        EXPECT_EQ(Caption(), "Finished");
        EXPECT_EQ(DialogsAnswered(), boxes); // no computer's move was ever rejected
        Close();
    }
}

} // namespace

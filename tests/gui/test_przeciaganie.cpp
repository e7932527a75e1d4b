// Stylus input of the game window: pressing, dragging and dropping tiles,
// taking them back, and the letter of a blank tile.
#include <string>

#include <gtest/gtest.h>
#include <wx/app.h>

#include "model/plansza.h"
#include "tests/gui/okno_gry.h"

namespace {

class Stylus : public GameWindow {
protected:
    void SetUp() override { UseWideRack(); }
    void ToInfoView()
    {
        wxCommandEvent none;
        frame->OnToggleBoardView(none);
    }
    // The tile from rack slot s dropped on square (x, y).
    void Lay(int s, int x, int y) { Drag(RackPoint(s), {SquarePoint(x, y)}); }
    // A simulated capture loss leaves the toolkit's own capture pointer set,
    // so the test after one does not look at the capture.
    void ExpectIdle(bool afterCaptureLoss = false)
    {
        EXPECT_EQ(frame->DragState, DragIdle);
        EXPECT_EQ(frame->dragImage, nullptr);
        if (!afterCaptureLoss) {
            EXPECT_FALSE(frame->HasCapture());
        }
        EXPECT_EQ(frame->hoverSquare, (Punkt{-1, -1}));
    }
};

// Makes the framework tell the window that captures the mouse that it lost
// it, as the toolkit does when another program takes the pointer.
struct CaptureThief : wxWindow {
    static void Steal() { NotifyCaptureLost(); }
};

} // namespace

TEST_F(Stylus, DragFromTheRackToAFreeSquare)
{
    OpenWithRack("abcdefg");
    Press(RackPoint(1).x, RackPoint(1).y);
    EXPECT_EQ(frame->DragState, DragPressed);
    EXPECT_EQ(Rack(), "abcdefg"); // nothing moves on the press
    // One motion of no distance starts the drag.
    Move(RackPoint(1).x, RackPoint(1).y);
    EXPECT_EQ(frame->DragState, DragDragging);
    EXPECT_TRUE(frame->HasCapture());
    EXPECT_EQ(Rack(), "a.cdefg");

    Move(SquarePoint(6, 6).x, SquarePoint(6, 6).y);
    EXPECT_EQ(frame->hoverSquare, (Punkt{6, 6}));
    EXPECT_TRUE(Near(Screen(), SquarePoint(6, 6), TileColour('b'))); // snapped preview
    Move(SquarePoint(7, 6).x, SquarePoint(7, 6).y);
    wxImage screen = Screen();
    EXPECT_TRUE(Near(screen, SquarePoint(6, 6), SquareColour(SqPlain))); // left behind
    EXPECT_TRUE(Near(screen, SquarePoint(7, 6), TileColour('b')));

    // The drop goes where the last motion was, whatever the release says.
    Release(5, 5);
    ExpectIdle();
    EXPECT_EQ(Plansza[7][6].tile, 'b');
    EXPECT_EQ(Plansza[6][6].tile, 0);
    ASSERT_EQ(frame->tura.placedCount, 1);
    EXPECT_EQ(frame->tura.placedLetters[0], 'b');
    EXPECT_EQ(frame->tura.placedSquares[0], (Punkt{7, 6}));
    EXPECT_EQ(frame->tura.pendingScore, 3);
    // The move status ran: one tile off the centre is no first move.
    EXPECT_FALSE(frame->putButton->IsEnabled());
    EXPECT_EQ(Rack(), "a.cdefg");
    screen = Screen();
    EXPECT_TRUE(Near(screen, SquarePoint(7, 6), TileColour('b')));
    EXPECT_TRUE(Near(screen, RackPoint(1), RackColour()));
}

TEST_F(Stylus, ARepaintInMidDragKeepsThePreview)
{
    OpenWithRack("abcdefg");
    Press(RackPoint(1).x, RackPoint(1).y);
    Move(RackPoint(1).x, RackPoint(1).y);
    Move(SquarePoint(6, 6).x, SquarePoint(6, 6).y);
    ASSERT_TRUE(Near(Screen(), SquarePoint(6, 6), TileColour('b')));
    frame->Refresh();
    frame->Update();
    PumpEvents();
    EXPECT_EQ(frame->DragState, DragDragging);
    EXPECT_TRUE(Near(Screen(), SquarePoint(6, 6), TileColour('b')));
    Release(5, 5);
    EXPECT_EQ(Plansza[6][6].tile, 'b');
}

TEST_F(Stylus, NoTargetSendsTheTileBackToItsSlot)
{
    const struct { const char* what; bool info; wxPoint to; } cases[] = {
        {"occupied square", false, SquarePoint(8, 8)},
        {"board edge x = 0", false, {0, 50}},
        {"outside the window", false, {-20, 300}},
        {"info view, nowhere", true, {200, 100}},
    };
    for (const auto& c : cases) {
        OpenWithRack("abcdefg");
        Plansza[8][8].tile = 'q';
        frame->Redraw(false);
        if (c.info)
            ToInfoView();
        Drag(RackPoint(2), {SquarePoint(3, 3), c.to});
        ExpectIdle();
        EXPECT_EQ(Rack(), "abcdefg") << c.what;
        EXPECT_EQ(frame->tura.placedCount, 0) << c.what;
        EXPECT_EQ(Plansza[8][8].tile, 'q') << c.what;
        EXPECT_EQ(Plansza[3][3].tile, 0) << c.what;
        const wxImage screen = Screen();
        EXPECT_TRUE(Near(screen, RackPoint(2), TileColour('c'))) << c.what;
        if (!c.info) {
            EXPECT_TRUE(Near(screen, SquarePoint(3, 3), SquareColour(SqPlain))) << c.what;
            EXPECT_TRUE(Near(screen, SquarePoint(8, 8), TileColour('q'))) << c.what;
        }
        Close();
    }
}

// The letters between make room as the tile passes over them, on the screen
// while it is dragged, and the tile drops into the gap.
TEST_F(Stylus, DragAlongTheRackMakesRoom)
{
    const struct { const char* rack; int from, to; const char* after; } cases[] = {
        {"abcdefg", 1, 4, "acdebfg"},
        {"abcdefg", 5, 2, "abfcdeg"},
        {"ab.de..", 0, 4, "b.dea.."}, // holes move like letters
    };
    for (const auto& c : cases) {
        OpenWithRack(c.rack);
        Press(RackPoint(c.from).x, RackPoint(c.from).y);
        const int step = c.to > c.from ? 1 : -1;
        for (int s = c.from; s != c.to + step; s += step)
            Move(RackPoint(s).x, RackPoint(s).y);
        const wxImage midDrag = Screen();
        for (int s = 0; s < RackSlots; ++s) {
            if (s == c.to)
                continue; // under the dragged tile
            EXPECT_TRUE(Near(midDrag, RackPoint(s),
                             c.after[s] == '.' ? RackColour() : TileColour(c.after[s])))
                << c.rack << " slot " << s;
        }
        Release(RackPoint(c.to).x, RackPoint(c.to).y);
        EXPECT_EQ(Rack(), c.after) << c.rack << " " << c.from << "->" << c.to;
        ExpectIdle();
        Close();
    }
}

// The tile is on the screen at each motion as soon as its handler returns,
// before any other event is handled, and leaves nothing behind.
TEST_F(Stylus, TheDraggedTileFollowsTheStylusAndLeavesNothingBehind)
{
    OpenWithRack("abcdefg");
    ToInfoView();
    const wxImage before = Screen();
    Press(RackPoint(0).x, RackPoint(0).y);
    Move(200, 100);
    EXPECT_TRUE(Near(ShownClientArea(frame), {205, 105}, TileColour('a')));
    Move(180, 60);
    wxImage screen = ShownClientArea(frame);
    EXPECT_TRUE(Near(screen, {185, 65}, TileColour('a')));
    EXPECT_TRUE(Near(screen, {205, 105}, wxColour(before.GetRed(205, 105),
                                                   before.GetGreen(205, 105),
                                                   before.GetBlue(205, 105))));
    Release(180, 60);
    screen = ShownClientArea(frame);
    EXPECT_TRUE(Near(screen, {185, 65}, wxColour(before.GetRed(185, 65), before.GetGreen(185, 65),
                                                  before.GetBlue(185, 65))));
    EXPECT_TRUE(Near(screen, RackPoint(0), TileColour('a')));
}

TEST_F(Stylus, ExchangeSlots)
{
    OpenWithRack("abcdefg");
    ToInfoView();
    Press(RackPoint(0).x, RackPoint(0).y);
    Move(RackPoint(0).x, RackPoint(0).y);
    Move(ExchangePoint(2).x, ExchangePoint(2).y);
    EXPECT_EQ(frame->tura.highlightedExchangeSlot, 2);
    EXPECT_TRUE(Near(Screen(), ExchangePoint(2), TileColour('a')));
    // Elsewhere the highlight goes; over a rack letter it stays, and the
    // drop still goes to the slot.
    Move(200, 100);
    EXPECT_EQ(frame->tura.highlightedExchangeSlot, -1);
    EXPECT_TRUE(Near(Screen(), {ExchangePoint(2).x, 232}, wxColour(10, 10, 245)));
    Move(ExchangePoint(2).x, ExchangePoint(2).y);
    Move(RackPoint(1).x, RackPoint(1).y);
    EXPECT_EQ(frame->tura.highlightedExchangeSlot, 2);
    EXPECT_EQ(Rack(), "b.cdefg"); // the gap moved
    Release(0, 0);
    ExpectIdle();
    EXPECT_EQ(frame->tura.exchangeSlots[2], 'a');
    EXPECT_EQ(frame->tura.exchangeCount, 1);
    EXPECT_EQ(frame->tura.highlightedExchangeSlot, -1);
    EXPECT_TRUE(frame->exchangeButton->IsEnabled());
    EXPECT_EQ(Rack(), "b.cdefg");

    // A second letter, then a right press returns one of them.
    Drag(RackPoint(0), {ExchangePoint(5)});
    EXPECT_EQ(frame->tura.exchangeCount, 2);
    RightPress(ExchangePoint(2).x, ExchangePoint(2).y);
    EXPECT_EQ(Rack(), "a.cdefg");
    wxImage screen = Screen();
    EXPECT_TRUE(Near(screen, RackPoint(0), TileColour('a')));
    EXPECT_TRUE(Near(screen, ExchangePoint(2), wxColour(10, 10, 245)));
    EXPECT_EQ(frame->tura.exchangeSlots[2], 0);
    EXPECT_EQ(frame->tura.exchangeCount, 1);
    EXPECT_TRUE(frame->exchangeButton->IsEnabled());
    RightPress(ExchangePoint(2).x, ExchangePoint(2).y); // empty slot: nothing
    EXPECT_EQ(frame->tura.exchangeCount, 1);

    // A tap takes the letter back and leaves it pressed on the rack.
    Press(ExchangePoint(5).x, ExchangePoint(5).y);
    EXPECT_EQ(Rack(), "abcdefg");
    EXPECT_EQ(frame->DragState, DragPressed);
    EXPECT_EQ(frame->draggedLetter, 'b');
    Release(ExchangePoint(5).x, ExchangePoint(5).y);
    EXPECT_EQ(frame->tura.exchangeCount, 0);
    EXPECT_FALSE(frame->exchangeButton->IsEnabled());
    ExpectIdle();
}

TEST_F(Stylus, BlanksGetTheirLettersInTheOrderLaid)
{
    OpenWithRack("XaXbcde");
    Lay(0, 8, 8);
    // Laying a blank opens the info view with the letter picker.
    EXPECT_EQ(frame->boardView, 0);
    EXPECT_EQ(frame->tura.blankCount, 1);
    EXPECT_EQ(frame->tura.blankSquares[0], (Punkt{8, 8}));
    EXPECT_TRUE(Near(Screen(), PickerPoint(0), LetteredBlankColour('a')));
    ToInfoView();
    Lay(2, 9, 8);
    EXPECT_EQ(frame->tura.blankCount, 2);
    EXPECT_EQ(frame->tura.pendingScore, 0);

    // Cell 22 is 'v' and cell 21 is 'w': the first tap letters the first blank.
    Press(PickerPoint(22).x, PickerPoint(22).y);
    Release(PickerPoint(22).x, PickerPoint(22).y);
    EXPECT_EQ(Plansza[8][8].blankLetter, 'v');
    EXPECT_EQ(frame->tura.blanksLettered, 1);
    EXPECT_TRUE(Near(Screen(), PickerPoint(0), LetteredBlankColour('a')));
    Press(PickerPoint(21).x, PickerPoint(21).y);
    EXPECT_EQ(Plansza[9][8].blankLetter, 'w');
    EXPECT_EQ(frame->tura.blanksLettered, 2);
    EXPECT_TRUE(Near(Screen(), PickerPoint(0), FixtureTree::BackgroundColour()));
    // No blank waits: further taps do nothing.
    Press(PickerPoint(3).x, PickerPoint(3).y);
    EXPECT_EQ(Plansza[8][8].blankLetter, 'v');
    EXPECT_EQ(Plansza[9][8].blankLetter, 'w');
    ExpectIdle();

    // Taking the first back: the second becomes entry 0 and keeps its letter.
    ToInfoView();
    RightPress(SquarePoint(8, 8).x, SquarePoint(8, 8).y);
    EXPECT_EQ(Rack(), "Xa.bcde"); // back as a plain blank tile
    EXPECT_EQ(Plansza[8][8].tile, 0);
    EXPECT_EQ(Plansza[8][8].blankLetter, 0);
    EXPECT_EQ(frame->tura.blankCount, 1);
    EXPECT_EQ(frame->tura.blanksLettered, 1);
    EXPECT_EQ(frame->tura.blankSquares[0], (Punkt{9, 8}));
    EXPECT_EQ(frame->tura.blankSquares[1], (Punkt{-1, -1}));
    EXPECT_TRUE(Near(Screen(), SquarePoint(9, 8), LetteredBlankColour('w')));

    // A press takes the other back as well, selected on the rack: the list
    // is empty again.
    Press(SquarePoint(9, 8).x, SquarePoint(9, 8).y);
    EXPECT_EQ(frame->DragState, DragPressed);
    EXPECT_EQ(frame->draggedLetter, 'X');
    Release(SquarePoint(9, 8).x, SquarePoint(9, 8).y);
    EXPECT_EQ(Rack(), "XaXbcde");
    EXPECT_EQ(Plansza[9][8].tile, 0);
    EXPECT_EQ(Plansza[9][8].blankLetter, 0);
    EXPECT_EQ(frame->tura.blankCount, 0);
    EXPECT_EQ(frame->tura.blanksLettered, 0);
    EXPECT_EQ(frame->tura.blankSquares[0], (Punkt{-1, -1}));
}

TEST_F(Stylus, EdgesOfTheHitAreas)
{
    OpenWithRack("Xabcdef");
    Lay(0, 8, 8); // a blank: the info view opens, the blank waits for its letter
    ASSERT_EQ(frame->boardView, 0);
    auto tap = [this](wxPoint p) {
        Press(p.x, p.y);
        Release(p.x, p.y);
    };
    // In the board view the picker's place is board: no letter is given.
    ToInfoView();
    tap(PickerPoint(3));
    EXPECT_EQ(Plansza[8][8].blankLetter, 0);
    ToInfoView();
    // Right of the picker's last column, and its cell 26, carry no letter.
    tap({127, PickerPoint(0).y});
    tap(PickerPoint(26));
    EXPECT_EQ(Plansza[8][8].blankLetter, 0);
    EXPECT_EQ(frame->tura.blanksLettered, 0);
    tap(PickerPoint(25));
    EXPECT_EQ(Plansza[8][8].blankLetter, 'z');

    // A press at x = 0 is on column 1.
    ToInfoView();
    Lay(1, 1, 3);
    ASSERT_EQ(Plansza[1][3].tile, 'a');
    Press(0, SquarePoint(1, 3).y);
    EXPECT_EQ(frame->DragState, DragPressed);
    Release(0, SquarePoint(1, 3).y);
    EXPECT_EQ(Plansza[1][3].tile, 0);
    EXPECT_EQ(Rack(), "a.bcdef"); // into the first empty slot
    ExpectIdle();
}

TEST_F(Stylus, OtherMouseEventsChangeNothing)
{
    OpenWithRack("abcdefg");
    Lay(0, 8, 8);
    ASSERT_EQ(frame->tura.placedCount, 1);
    const struct { wxEventType type; wxPoint at; } events[] = {
        {wxEVT_LEFT_DCLICK, RackPoint(1)},      {wxEVT_MIDDLE_DOWN, RackPoint(1)},
        {wxEVT_MIDDLE_UP, RackPoint(1)},        {wxEVT_MIDDLE_DCLICK, RackPoint(1)},
        {wxEVT_RIGHT_DCLICK, SquarePoint(8, 8)}, {wxEVT_RIGHT_UP, SquarePoint(8, 8)},
        {wxEVT_MOUSEWHEEL, RackPoint(1)},       {wxEVT_ENTER_WINDOW, RackPoint(1)},
        {wxEVT_LEAVE_WINDOW, SquarePoint(8, 8)}, {wxEVT_MIDDLE_DOWN, SquarePoint(8, 8)},
    };
    for (const auto& e : events) {
        Send(e.type, e.at.x, e.at.y, false);
        EXPECT_EQ(frame->DragState, DragIdle) << e.type;
    }
    EXPECT_EQ(Rack(), ".bcdefg");
    EXPECT_EQ(frame->tura.placedCount, 1);
    EXPECT_EQ(Plansza[8][8].tile, 'a');
}

TEST_F(Stylus, TakingTilesBack)
{
    OpenWithRack("abcdefg");
    Lay(0, 7, 8);
    Lay(1, 8, 8);
    Lay(2, 9, 8);
    ASSERT_EQ(frame->tura.placedCount, 3);
    EXPECT_EQ(Rack(), "...defg");

    // A press on the middle tile takes it back into the first empty slot
    // and selects it there; the release leaves it in the rack.
    Press(SquarePoint(8, 8).x, SquarePoint(8, 8).y);
    EXPECT_EQ(frame->DragState, DragPressed);
    Release(SquarePoint(8, 8).x, SquarePoint(8, 8).y);
    EXPECT_EQ(Rack(), "b..defg");
    ASSERT_EQ(frame->tura.placedCount, 2);
    EXPECT_EQ(frame->tura.placedSquares[0], (Punkt{7, 8}));
    EXPECT_EQ(frame->tura.placedSquares[1], (Punkt{9, 8}));
    EXPECT_EQ(Plansza[8][8].tile, 0);
    wxImage screen = Screen();
    EXPECT_TRUE(Near(screen, SquarePoint(8, 8), SquareColour(SqStart)));
    EXPECT_TRUE(Near(screen, RackPoint(0), TileColour('b')));

    // Presses on nothing of this turn take nothing back.
    Plansza[1][1].tile = 'z';
    for (wxPoint p : {SquarePoint(1, 1), SquarePoint(2, 2), RackPoint(1)}) {
        EXPECT_EQ(frame->HitTestRack(p.x, p.y), -1);
        RightPress(p.x, p.y);
    }
    EXPECT_EQ(frame->tura.placedCount, 2);

    // A right press takes back at once, the tile off the board and onto the
    // rack on the screen.
    RightPress(SquarePoint(7, 8).x, SquarePoint(7, 8).y);
    EXPECT_EQ(Rack(), "ba.defg");
    screen = Screen();
    EXPECT_FALSE(Near(screen, SquarePoint(7, 8), TileColour('a')));
    EXPECT_TRUE(Near(screen, RackPoint(1), TileColour('a')));
    RightPress(SquarePoint(9, 8).x, SquarePoint(9, 8).y);
    EXPECT_EQ(Rack(), "bacdefg");
    EXPECT_EQ(frame->tura.placedCount, 0);
    EXPECT_FALSE(frame->putButton->IsEnabled());
    ExpectIdle();
}

TEST_F(Stylus, CaptureLostInMidDragKeepsTheTile)
{
    const struct { const char* what; bool info; wxPoint over; } cases[] = {
        {"over a free square", false, SquarePoint(4, 4)},
        {"over an exchange slot", true, ExchangePoint(3)},
    };
    for (const auto& c : cases) {
        OpenWithRack("abcdefg");
        if (c.info)
            ToInfoView();
        Press(RackPoint(3).x, RackPoint(3).y);
        Move(RackPoint(3).x, RackPoint(3).y);
        Move(c.over.x, c.over.y);
        ASSERT_TRUE(frame->HasCapture()) << c.what;
        CaptureThief::Steal();
        ExpectIdle(true);
        EXPECT_EQ(Rack(), "abcdefg") << c.what;
        EXPECT_EQ(frame->tura.highlightedExchangeSlot, -1) << c.what;
        EXPECT_EQ(frame->tura.placedCount + frame->tura.exchangeCount, 0) << c.what;
        // On the screen as soon as the loss is handled: the tile back in its
        // slot, and nothing of it where it hovered.
        const wxImage screen = ShownClientArea(frame);
        EXPECT_TRUE(Near(screen, RackPoint(3), TileColour('d'))) << c.what;
        EXPECT_TRUE(Near(screen, c.over, c.info ? wxColour(10, 10, 245) : SquareColour(SqPlain)))
            << c.what;
        // The release that follows finds nothing to drop.
        Release(c.over.x, c.over.y);
        EXPECT_EQ(Rack(), "abcdefg") << c.what;
        Close();
    }
}

TEST_F(Stylus, NothingReactsOutsideTheShownPlayersFreeTurn)
{
    const struct { const char* what; int field; } cases[] = {
        {"input disabled", 0}, {"move pending", 1}, {"game over", 2}};
    for (const auto& c : cases) {
        OpenWithRack("abcdefg");
        std::uint8_t* flags[] = {&frame->tura.inputEnabled, &frame->tura.pending,
                                 &frame->tura.gameOver};
        *flags[c.field] = c.field == 0 ? 0 : 1;
        Drag(RackPoint(0), {SquarePoint(5, 5)});
        EXPECT_EQ(frame->DragState, DragIdle) << c.what;
        EXPECT_EQ(Plansza[5][5].tile, 0) << c.what;
        EXPECT_EQ(Rack(), "abcdefg") << c.what;
        Close();
    }
}

namespace {

// A press of a shown, enabled button, as the keyboard makes it (Space or
// Enter on the focused button) or the stylus on the button.
void PressButton(wxWindow* button)
{
    ASSERT_TRUE(button->IsShown() && button->IsEnabled()) << button->GetId();
    wxCommandEvent e(wxEVT_BUTTON, button->GetId());
    e.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(e);
}

// Every tile of the game: on the board, on a rack, in an exchange slot or in
// the bag.
int TilesInGame(const Tura& t)
{
    int n = TheGra->tilesLeft + t.exchangeCount;
    for (int i = 0; i < TheGra->players; ++i)
        n += TheGra->player[i]->rack->Count();
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            n += Plansza[x][y].tile != 0;
    return n;
}

} // namespace

// A button pressed from the keyboard while the stylus drags a tile: the tile
// goes back into its gap and the mouse is released before the button acts,
// so no tile is lost and the stylus plays on.
TEST_F(Stylus, AButtonPressedInMidDragPutsTheDraggedTileBackFirst)
{
    enum { Nothing, TwoThroughTheCentre, OneToExchange };
    const struct {
        const char* what;
        int before;
        bool info;
        wxPoint over; // where the tile is dragged when the button is pressed
        int button;
        bool (*acted)(GraFrame&); // the button's own effect
        const char* rack;         // afterwards; '?' any tile
    } cases[] = {
        {"VIEW over a square", Nothing, false, SquarePoint(6, 6), ID_BTN_VIEW,
         [](GraFrame& f) { return f.boardView == 0; }, "abcdefg"},
        {"VIEW over an exchange slot", Nothing, true, ExchangePoint(3), ID_BTN_VIEW,
         [](GraFrame& f) { return f.boardView == 1; }, "abcdefg"},
        {"PUT", TwoThroughTheCentre, false, SquarePoint(10, 8), ID_BTN_PUT,
         [](GraFrame& f) { return f.tura.pending && f.tura.placedCount == 2; }, "..cdefg"},
        {"PASS", TwoThroughTheCentre, true, ExchangePoint(3), ID_BTN_PASS,
         [](GraFrame&) { return TheGra->scorelessTurns == 1; }, "bacdefg"},
        {"EXCHANGE", OneToExchange, true, ExchangePoint(3), ID_BTN_EXCHANGE,
         [](GraFrame&) { return TheGra->player[0]->exchangesUsed == 1; }, "?bcdefg"},
        {"CLOSE", Nothing, true, {200, 100}, ID_BTN_CLOSE,
         [](GraFrame& f) { return wxTheApp->IsScheduledForDestruction(&f); }, "abcdefg"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        OpenWithRack("abcdefg");
        if (c.before == TwoThroughTheCentre) {
            Lay(0, 8, 8);
            Lay(1, 9, 8);
        }
        if (c.info)
            ToInfoView();
        if (c.before == OneToExchange)
            Drag(RackPoint(0), {ExchangePoint(0)});
        const int from = c.before == Nothing ? 0 : c.before == OneToExchange ? 1 : 2;
        Press(RackPoint(from).x, RackPoint(from).y);
        Move(RackPoint(from).x, RackPoint(from).y);
        Move(c.over.x, c.over.y);
        ASSERT_EQ(frame->DragState, DragDragging);
        ASSERT_EQ(TilesInGame(frame->tura), BagSize - 1); // one is in the air

        PressButton(frame->FindWindow(c.button));
        EXPECT_TRUE(c.acted(*frame));
        ExpectIdle();
        EXPECT_EQ(wxWindow::GetCapture(), nullptr);
        EXPECT_EQ(frame->tura.highlightedExchangeSlot, -1);
        EXPECT_EQ(TilesInGame(frame->tura), BagSize);
        const std::string rack = Rack();
        for (int i = 0; i < RackSlots; ++i)
            if (c.rack[i] != '?') {
                EXPECT_EQ(rack[i], c.rack[i]) << rack;
            }
        // The stylus still finishes what it started and plays on.
        Release(c.over.x, c.over.y);
        EXPECT_EQ(TilesInGame(frame->tura), BagSize);
        if (c.button == ID_BTN_CLOSE) {
            PumpEvents();
            frame = nullptr;
            continue;
        }
        if (frame->tura.pending)
            PressButton(frame->yesButton);
        if (!frame->boardView)
            PressButton(frame->viewButton);
        const int placed = frame->tura.placedCount;
        const int s = int(Rack().find_first_not_of('.'));
        Drag(RackPoint(s), {SquarePoint(8, 7)});
        EXPECT_NE(Plansza[8][7].tile, 0);
        EXPECT_EQ(frame->tura.placedCount, placed + 1);
        ExpectIdle();
        Close();
    }
}

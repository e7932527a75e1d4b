// The game window's drawing, read back from the window's pixels on the
// screen (the background's clip from a memory device context of its own),
// and the comparison that checks the areas drawings report.
#include <cstdlib>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>
#include <wx/dcmemory.h>

#include "model/opcje.h"
#include "model/plansza.h"
#include "tests/gui/okno_gry.h"
#include "window/ekran.h"

namespace {

class Drawing : public GameWindow {
protected:
    void SetUp() override { UseWideRack(); }
    void ToInfoView()
    {
        wxCommandEvent none;
        frame->OnToggleBoardView(none);
    }
    static wxPoint SquareCorner(int x, int y) { return {(x - 1) * 16, (y - 1) * 16}; }
};

// Whether any pixel of the rectangle is near colour: a text was drawn in it.
bool AnyPixelNear(const wxImage& image, const wxRect& r, const wxColour& c)
{
    for (int y = r.y; y < r.GetBottom(); ++y)
        for (int x = r.x; x < r.GetRight(); ++x)
            if (Near(image, {x, y}, c, 40))
                return true;
    return false;
}

} // namespace

TEST_F(Drawing, BoardSquaresTilesAndMarks)
{
    OpenWithRack("abcdefg");
    const struct { int x, y, colourClass, word; } premiums[] = {
        {2, 1, 1, 1}, {3, 1, 2, 1}, {4, 1, 3, 1}, {5, 1, 5, 1}, {6, 1, 0, 2}, {7, 1, 0, 3}};
    for (const auto& p : premiums) {
        Plansza[p.x][p.y].colourClass = p.colourClass;
        Plansza[p.x][p.y].wordMultiplier = p.word;
    }
    Plansza[1][2].tile = 'z';
    Plansza[2][2].tile = BlankTile;
    Plansza[3][2].tile = BlankTile;
    Plansza[3][2].blankLetter = 'q';
    frame->Redraw(false);
    wxImage screen = Screen();

    const struct { wxPoint at; wxColour want; } cases[] = {
        {SquareCorner(1, 1), SquareColour(SqPlain)},  {SquareCorner(2, 1), SquareColour(SqClass1)},
        {SquareCorner(3, 1), SquareColour(SqClass2)}, {SquareCorner(4, 1), SquareColour(SqClass3)},
        {SquareCorner(5, 1), SquareColour(SqClass5)}, {SquareCorner(6, 1), SquareColour(SqWord2)},
        {SquareCorner(7, 1), SquareColour(SqWord3)},
        // The start square has colour class 5 too and shows the start picture.
        {SquareCorner(8, 8), SquareColour(SqStart)},  {SquareCorner(1, 2), SquareColour(SqPlain)},
        {SquarePoint(1, 2), TileColour('z')},
        {SquarePoint(2, 2), BlankTileColour()},       {SquarePoint(3, 2), LetteredBlankColour('q')},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(Near(screen, c.at, c.want));

    // The squares of the pending move carry a mark once it is highlighted.
    frame->tura.placedSquares[0] = Punkt{1, 2};
    frame->tura.placedCount = 1;
    const wxPoint mark{3 + 1, 16 + 3 + 1};
    frame->Redraw(false);
    EXPECT_TRUE(Near(Screen(), mark, TileColour('z')));
    frame->tura.highlight = 1;
    frame->Redraw(false);
    // Black outline and white fill, smoothed together: a grey dot.
    screen = Screen();
    EXPECT_TRUE(Near(screen, mark, wxColour(200, 200, 200), 56));
    EXPECT_FALSE(Near(screen, mark, TileColour('z'), 40));
}

TEST_F(Drawing, RackWithHolesPendingAndComputerTurn)
{
    OpenWithRack("a.c....");
    wxImage screen = Screen();
    EXPECT_TRUE(Near(screen, RackPoint(0), TileColour('a')));
    EXPECT_TRUE(Near(screen, RackPoint(1), RackColour()));
    EXPECT_TRUE(Near(screen, RackPoint(2), TileColour('c')));
    // Columns 120 and 121 lie under the status line's background.
    EXPECT_TRUE(Near(screen, {121, 250}, FixtureTree::BackgroundColour()));
    EXPECT_TRUE(Near(screen, {123, 250}, RackColour()));

    // A pending move hides the rack behind the background.
    frame->tura.pending = 1;
    frame->Redraw(false);
    EXPECT_TRUE(Near(Screen(), RackPoint(0), FixtureTree::BackgroundColour()));

    // While a computer moves the rack layer draws nothing: without the
    // background layer the buffer's old pixels stay.
    frame->tura.pending = 0;
    {
        wxMemoryDC buffer(ScreenBuffer);
        buffer.SetBrush(*wxBLUE_BRUSH);
        buffer.DrawRectangle(0, 240, 240, 30);
    }
    TheGra->player[0]->computer = 1;
    frame->Redraw(false);
    screen = Screen();
    EXPECT_TRUE(Near(screen, RackPoint(0), *wxBLUE));
    // Below the board, outside every layer, the old pixels stay as well.
    EXPECT_TRUE(Near(screen, {60, 242}, *wxBLUE));
    frame->Redraw(true);
    EXPECT_TRUE(Near(Screen(), RackPoint(0), FixtureTree::BackgroundColour()));
}

TEST_F(Drawing, ViewSwitch)
{
    OpenWithRack("abcdefg");
    wxWindow* infoOnly[] = {frame->passButton, frame->exchangeButton, frame->closeButton};
    for (wxWindow* b : infoOnly)
        EXPECT_FALSE(b->IsShown());

    ToInfoView();
    EXPECT_EQ(frame->boardView, 0);
    for (wxWindow* b : infoOnly)
        EXPECT_TRUE(b->IsShown());
    wxImage screen = Screen();
    // No board: the background shows where squares were, the rack stays.
    EXPECT_TRUE(Near(screen, SquarePoint(12, 8), FixtureTree::BackgroundColour()));
    EXPECT_TRUE(Near(screen, RackPoint(0), TileColour('a')));

    ToInfoView();
    EXPECT_EQ(frame->boardView, 1);
    for (wxWindow* b : infoOnly)
        EXPECT_FALSE(b->IsShown());
    screen = Screen();
    EXPECT_TRUE(Near(screen, SquarePoint(12, 8), SquareColour(SqPlain)));
}

TEST_F(Drawing, ExchangeSlotsAndLetterPicker)
{
    // Distinct pictures for the two letters whose order is easy to get wrong.
    tree.Picture("graf/plansza/rozm/plbW.JPG", 14, 14, wxColour(0, 0, 255));
    tree.Picture("graf/plansza/rozm/plbV.JPG", 14, 14, wxColour(255, 0, 255));
    OpenWithRack("abcdefg");
    frame->tura.exchangeSlots[1] = 'k';
    frame->tura.exchangeCount = 1;
    frame->tura.highlightedExchangeSlot = 3;
    frame->draggedLetter = 'm';
    frame->tura.blankCount = 1;
    ToInfoView();
    wxImage screen = Screen();

    const wxColour slot(10, 10, 245); // the exchange-slot picture
    const struct { wxPoint at; wxColour want; } cases[] = {
        {{123, 218}, slot},
        {ExchangePoint(0), slot},
        {ExchangePoint(1), TileColour('k')},
        {ExchangePoint(3), TileColour('m')}, // the preview of the dragged letter
        {ExchangePoint(4), slot},
        {PickerPoint(0), LetteredBlankColour('a')},
        {PickerPoint(7), LetteredBlankColour('h')},
        {PickerPoint(8), LetteredBlankColour('i')},
        {PickerPoint(20), LetteredBlankColour('u')},
        {PickerPoint(21), wxColour(0, 0, 255)},   // 'w'
        {PickerPoint(22), wxColour(255, 0, 255)}, // 'v'
        {PickerPoint(25), LetteredBlankColour('z')},
        {PickerPoint(26), FixtureTree::BackgroundColour()},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(Near(screen, c.at, c.want));

    // Once every blank has its letter the picker's area is background.
    frame->tura.blanksLettered = 1;
    frame->Redraw(true);
    EXPECT_TRUE(Near(Screen(), PickerPoint(0), FixtureTree::BackgroundColour()));
    // In the board view neither is drawn, also with a blank waiting.
    frame->tura.blanksLettered = 0;
    ToInfoView();
    screen = Screen();
    EXPECT_TRUE(Near(screen, ExchangePoint(1), SquareColour(SqPlain)));
    EXPECT_FALSE(Near(screen, PickerPoint(0), LetteredBlankColour('a')));
}

TEST_F(Drawing, TextsInTheOptionColours)
{
    TextColour = Rgb{0, 0, 255};
    HighlightColour = Rgb{255, 0, 255};
    // Ann's rack is shown whoever is to move.
    Open("hh", 0);
    frame->Show();
    PumpEvents();
    TheGra->current = 1;
    std::strcpy(frame->statusLine, "MMMMMMMM");
    std::strcpy(frame->hintLine1, "MMMMMMMM");
    frame->Redraw(true);
    // Board view: the status line only.
    wxImage screen = Screen();
    EXPECT_TRUE(AnyPixelNear(screen, {3, 247, 60, 12}, *wxBLUE));
    EXPECT_FALSE(AnyPixelNear(screen, {10, 110, 60, 12}, *wxBLUE));

    wxCommandEvent none;
    frame->OnToggleBoardView(none);
    screen = Screen();
    EXPECT_TRUE(AnyPixelNear(screen, {10, 110, 60, 12}, *wxBLUE));
    // The bag's count is white over the bag picture.
    EXPECT_TRUE(AnyPixelNear(screen, {201, 36, 30, 16}, *wxWHITE));
    // Only the player to move is highlighted, the shown one or not.
    for (const int current : {1, 0}) {
        TheGra->current = current;
        frame->Redraw(true);
        screen = Screen();
        for (int row = 0; row < 2; ++row) {
            const wxRect text(38, 24 * row, 80, 14);
            EXPECT_EQ(AnyPixelNear(screen, text, wxColour(255, 0, 255)), row == current)
                << "current " << current << " row " << row;
            EXPECT_EQ(AnyPixelNear(screen, text, *wxBLUE), row != current)
                << "current " << current << " row " << row;
        }
    }
    TextColour = InitialTextColour;
    HighlightColour = InitialHighlightColour;
}

// A name as long as a seat takes is cut short before the bag, and the rack
// count after it still shows.
TEST_F(Drawing, LongNamesStopBeforeTheBag)
{
    TextColour = HighlightColour = Rgb{0, 0, 255};
    Open("hhh");
    for (int i = 0; i < 3; ++i) {
        std::free(TheGra->player[i]->name);
        TheGra->player[i]->name = strdup(i == 0 ? "WWWWWWWWWWWW" : i == 1 ? "MMMMMMMMMMMM" : "Ann");
    }
    frame->Show();
    PumpEvents();
    wxCommandEvent none;
    frame->OnToggleBoardView(none);
    const wxImage screen = Screen();
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(AnyPixelNear(screen, {38, 24 * i, 100, 14}, *wxBLUE)) << i;
        EXPECT_FALSE(AnyPixelNear(screen, {188, 24 * i, 52, 14}, *wxBLUE)) << i;
    }
    // The long rows end with their count just before the bag.
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(AnyPixelNear(screen, {160, 24 * i, 28, 14}, *wxBLUE)) << i;
    // The rows' own text, in the list's font.
    wxMemoryDC dc;
    dc.SetFont(wxFont(wxFontInfo(10).Family(wxFONTFAMILY_DEFAULT).Bold()));
    const wxString row = PlayerRow(dc, "WWWWWWWWWWWW", 7, 150);
    EXPECT_TRUE(row.EndsWith(" (7)")) << row;
    EXPECT_LE(dc.GetTextExtent(row).x, 150) << row;
    EXPECT_EQ(PlayerRow(dc, "Ann", 5, 150), "Ann (5)");
    TextColour = InitialTextColour;
    HighlightColour = InitialHighlightColour;
}

TEST_F(Drawing, PaintBackgroundKeepsToTheCallersClipAndRemovesIt)
{
    Open("h");
    wxBitmap target(240, 270, 24);
    wxMemoryDC dc(target);
    dc.SetBackground(*wxRED_BRUSH);
    dc.Clear();
    dc.SetClippingRegion(10, 10, 5, 5);
    frame->PaintBackground(dc);
    dc.SetPen(*wxBLUE_PEN);
    dc.SetBrush(*wxBLUE_BRUSH);
    dc.DrawRectangle(50, 50, 4, 4);
    dc.SelectObject(wxNullBitmap);
    const wxImage image = target.ConvertToImage();
    EXPECT_TRUE(Near(image, {12, 12}, FixtureTree::BackgroundColour()));
    EXPECT_TRUE(Near(image, {30, 30}, *wxRED));
    EXPECT_TRUE(Near(image, {51, 51}, *wxBLUE));
}

// The comparison behind a debug build's check that every drawing on the front
// buffer reports its area: the first changed pixel, in row order, that no
// reported area holds.
TEST(FrontBufferCheck, FindsAChangedPixelOutsideTheReportedAreas)
{
    struct Change {
        int x, y;
        unsigned char red, green, blue;
    };
    const wxPoint none(-1, -1);
    const struct {
        const char* name;
        std::vector<Change> changes;
        std::vector<wxRect> areas;
        wxPoint found;
    } cases[] = {
        {"nothing changed", {}, {}, none},
        {"inside the area", {{3, 2, 255, 0, 0}}, {{2, 2, 3, 3}}, none},
        {"the area's last pixel", {{4, 4, 255, 0, 0}}, {{2, 2, 3, 3}}, none},
        {"one right of the area", {{5, 2, 255, 0, 0}}, {{2, 2, 3, 3}}, {5, 2}},
        {"one below the area", {{2, 5, 255, 0, 0}}, {{2, 2, 3, 3}}, {2, 5}},
        {"in the second area", {{8, 6, 255, 0, 0}}, {{0, 0, 2, 2}, {7, 5, 2, 2}}, none},
        {"between two areas", {{4, 3, 255, 0, 0}}, {{0, 0, 2, 2}, {7, 5, 2, 2}}, {4, 3}},
        {"only the blue changed", {{9, 7, 0, 0, 1}}, {{0, 0, 9, 8}}, {9, 7}},
        {"the first in row order", {{6, 4, 0, 9, 0}, {1, 6, 9, 0, 0}, {8, 1, 0, 0, 9}}, {},
         {8, 1}},
        {"no area reported", {{0, 0, 1, 1, 1}}, {}, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        wxImage before(10, 8), after(10, 8);
        before.SetRGB(wxRect(0, 0, 10, 8), 0, 0, 0);
        after.SetRGB(wxRect(0, 0, 10, 8), 0, 0, 0);
        for (const Change& ch : c.changes)
            after.SetRGB(ch.x, ch.y, ch.red, ch.green, ch.blue);
        EXPECT_EQ(ChangedOutside(before, after, c.areas), c.found);
    }
}

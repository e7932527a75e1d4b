#include "window/graframe.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <sys/stat.h>

#include <gtest/gtest.h>
#include <wx/image.h>
#include <wx/menu.h>

#include "model/gra.h"
#include "model/opcje.h"
#include "platform/instalacja.h"
#include "model/plansza.h"
#include "tests/gui/okno_gry.h"

TEST_F(GameWindow, ButtonsAsBuilt)
{
    // A human moving first, and a computer: nothing is placed yet, so PUT and
    // EXCHANGE start disabled, and PASS is on only for the human's turn.
    for (const bool humanFirst : {true, false}) {
        SCOPED_TRACE(humanFirst ? "human first" : "computer first");
        Open("hc", humanFirst ? 0 : 1);
        const struct { int id; wxPoint pos; wxSize size; bool shown, enabled; } cases[] = {
            {ID_BTN_VIEW, {5, 245}, {50, 20}, true, true},
            {ID_BTN_PUT, {65, 245}, {50, 20}, true, false},
            {ID_BTN_PASS, {5, 215}, {50, 20}, false, humanFirst},
            {ID_BTN_EXCHANGE, {65, 215}, {50, 20}, false, false},
            {ID_BTN_YES, {129, 245}, {50, 20}, false, true},
            {ID_BTN_NO, {187, 245}, {50, 20}, false, true},
            {ID_BTN_GO, {0, 240}, {240, 30}, false, true},
            {ID_BTN_CLOSE, {220, 0}, {20, 20}, false, true}};
        wxWindowList children = frame->GetChildren();
        int order = 0;
        for (const auto& c : cases) {
            wxWindow* b = frame->FindWindow(c.id);
            ASSERT_NE(b, nullptr) << c.id;
            EXPECT_NE(dynamic_cast<wxBitmapButton*>(b), nullptr) << c.id;
            EXPECT_EQ(b->GetPosition(), c.pos) << c.id;
            EXPECT_EQ(b->GetSize(), c.size) << c.id;
            EXPECT_EQ(b->IsShown(), c.shown) << c.id;
            EXPECT_EQ(b->IsEnabled(), c.enabled) << c.id;
            // Created in the order of the table.
            EXPECT_EQ(children[order++]->GetId(), c.id);
        }
        EXPECT_EQ(frame->GetClientSize(), GameWindowSize);
        EXPECT_EQ(frame->boardView, 1);
        // A human's first move status empties the hint lines and names him.
        EXPECT_STREQ(frame->hintLine1, humanFirst ? "" : "The first word must cross");
        EXPECT_STREQ(frame->hintLine2, humanFirst ? "" : "the central field");
        EXPECT_STREQ(frame->statusLine, "");
        EXPECT_EQ(frame->DragState, DragIdle);
        EXPECT_EQ(frame->hoverSquare, (Punkt{-1, -1}));
        EXPECT_EQ(frame->draggedLetter, 'A');
        EXPECT_EQ(frame->tura.placedCount, 0);
        EXPECT_EQ(frame->tura.blankCount, 0);
        EXPECT_EQ(frame->tura.pending, 0);
        EXPECT_EQ(frame->tura.inputEnabled, humanFirst);
        ASSERT_NE(frame->GetMenuBar(), nullptr);
        EXPECT_EQ(frame->GetMenuBar()->GetMenuCount(), 1u);
        EXPECT_EQ(frame->GetMenuBar()->GetMenuLabel(0), humanFirst ? "Player: Ann" : " ");
        EXPECT_EQ(frame->GetToolBar(), nullptr);
        Close();
    }
}

// The GO bar stands over the bottom strip; PUT and VIEW are hidden under it,
// not only covered, and shown without it.
TEST_F(GameWindow, GoBarOnlyWithTwoHumans)
{
    const struct { const char* seats; bool go; } cases[] = {
        {"h", false}, {"c", false}, {"hc", false}, {"cc", false}, {"hh", true}, {"hchc", true}};
    for (const auto& c : cases) {
        Open(c.seats);
        EXPECT_EQ(frame->goButton->IsShown(), c.go) << c.seats;
        EXPECT_EQ(frame->putButton->IsShown(), !c.go) << c.seats;
        EXPECT_EQ(frame->viewButton->IsShown(), !c.go) << c.seats;
        Close();
        EXPECT_EQ(TheGra, nullptr);
    }
}

TEST_F(GameWindow, BoardFromTheLayoutFile)
{
    Plansza[3][3].tile = 'q';
    Open("h");
    EXPECT_EQ(Plansza[8][8].startFlag, 1);
    EXPECT_EQ(Plansza[8][8].colourClass, 5);
    EXPECT_EQ(Plansza[3][3].tile, 0);
    EXPECT_EQ(Plansza[1][1].wordMultiplier, 1);
}

// A picture that is a named pipe is not waited on: it stays empty and the
// player is told, as for any picture the game cannot read.
TEST_F(GameWindow, PictureThatIsANamedPipeIsNotWaitedOn)
{
    tree.Remove("graf/plansza/rozm/plQ.JPG");
    ASSERT_EQ(mkfifo((tree.Path() + "/graf/plansza/rozm/plQ.JPG").c_str(), 0600), 0);
    TakeMessageBoxes();
    Open("h");
    const std::vector<std::string> told = TakeMessageBoxes();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("plQ.JPG': it is no JPEG picture the game can read"), std::string::npos)
        << told[0];
    EXPECT_FALSE(frame->TileBitmaps[LetterIndex('q')]->IsOk());
    EXPECT_TRUE(frame->TileBitmaps[LetterIndex('a')]->IsOk());
}

TEST_F(GameWindow, PicturesLoadedAndMissingOnesStayEmpty)
{
    tree.Remove("graf/plansza/rozm/plQ.JPG");
    tree.Remove("graf/btn3pol.JPG");
    TakeMessageBoxes();
    testing::internal::CaptureStderr();
    Open("h");
    const std::string logged = testing::internal::GetCapturedStderr();
    // The player is told about the tile picture (a button picture is no
    // part of the picture folder), and standard error says it once, not once
    // for every picture that did not load.
    const std::vector<std::string> told = TakeMessageBoxes();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(std::count(logged.begin(), logged.end(), '\n'), 1) << logged;
    EXPECT_NE(logged.find("plQ.JPG': no such file (1 of"), std::string::npos) << logged;
    EXPECT_EQ(told[0], "Picture '" + tree.Path() + "/graf/plansza/rozm/plQ.JPG': no such file "
                       "(1 of the folder's 62 pictures did not load).\nSquares and tiles "
                       "without a picture stay black.");
    for (int i = 0; i < LetterIndexCount; ++i) {
        const bool has = HasTilePicture(i);
        EXPECT_EQ(frame->TileBitmaps[i] != nullptr, has) << i;
        if (has && IndexLetter(i) != 'q') {
            EXPECT_TRUE(frame->TileBitmaps[i]->IsOk()) << i;
        }
    }
    EXPECT_FALSE(frame->TileBitmaps[LetterIndex('q')]->IsOk());
    EXPECT_TRUE(frame->BlankTileBitmaps[LetterIndex('q')]->IsOk());
    EXPECT_FALSE(frame->buttonBitmaps[GraFrame::BtnPut]->IsOk());
    EXPECT_EQ(frame->FindWindow(ID_BTN_PUT)->GetSize(), wxSize(50, 20));
    for (const auto& b : frame->SquareBitmaps)
        EXPECT_TRUE(b->IsOk());
    EXPECT_TRUE(frame->backgroundBitmap->IsOk());
    EXPECT_EQ(frame->rackBitmap->GetWidth(), 20);
    // Each fixed picture is its own file: the fixture gives each its own colour.
    const struct { wxBitmap bitmap; const char* picture; } fixed[] = {
        {*frame->rackBitmap, "stojak4"},
        {*frame->exchangeSlotBitmap, "pzmn"},
        {*frame->bagBitmap, "worek"},
        {frame->yesButton->GetBitmapLabel(), "btn3tak"},
        {frame->noButton->GetBitmapLabel(), "btn3nie"},
        {frame->viewButton->GetBitmapLabel(), "btn3inne"},
        {frame->exchangeButton->GetBitmapLabel(), "btn3wym"},
        {frame->passButton->GetBitmapLabel(), "btn3pas"},
        {frame->goButton->GetBitmapLabel(), "btn3go"},
        {frame->closeButton->GetBitmapLabel(), "btnzamk"},
    };
    for (const auto& f : fixed)
        EXPECT_TRUE(ShowsColour(f.bitmap, FixtureTree::PictureColour(f.picture))) << f.picture;
}

namespace {

void WriteText(const std::string& path, const std::string& text)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs(text.c_str(), f);
    std::fclose(f);
}

} // namespace

TEST_F(GameWindow, LayoutAndPictureFolderThatCannotBeUsedAreTold)
{
    // A layout of 14 lines, a picture folder that is not there.
    const std::string layout = tree.Path() + "/dane/normalna.pln";
    std::string lines;
    for (int i = 0; i < 14; ++i)
        lines += i == 7 ? ".......x.......\n" : "...............\n";
    WriteText(layout, lines);
    std::free(TileFolder);
    TileFolder = strdup((std::string(InstallFolder) + "graf/plansza/none").c_str());
    BuildSquarePicturePaths();
    TakeMessageBoxes();
    Open("h");
    EXPECT_EQ(Plansza[8][8].startFlag, 0); // the board stays plain
    const std::vector<std::string> told = TakeMessageBoxes();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], "Board layout '" + layout + "': it has 14 lines, not 15.\nThe game is "
                       "played on a board without premium squares.\n\nPicture folder '"
                       + tree.Path() + "/graf/plansza/none': no such folder.\nSquares and "
                       "tiles without a picture stay black.");

    // A good layout with LF line ends, and a picture that is no JPEG.
    Close();
    WriteText(layout, lines + "...............\n");
    std::free(TileFolder);
    TileFolder = strdup((std::string(InstallFolder) + "graf/plansza/rozm").c_str());
    BuildSquarePicturePaths();
    const std::string plain = tree.Path() + "/graf/plansza/rozm/pblank.JPG";
    WriteText(plain, "no picture");
    Open("h");
    EXPECT_EQ(Plansza[8][8].startFlag, 1);
    const std::vector<std::string> again = TakeMessageBoxes();
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0], "Picture '" + plain + "': it is no JPEG picture the game can read (1 of "
                        "the folder's 62 pictures did not load).\nSquares and tiles without a "
                        "picture stay black.");
}

TEST_F(GameWindow, PaintsWithoutItsBackgroundPicture)
{
    tree.Remove("graf/tlo/tlo2.JPG");
    Open("h");
    ASSERT_FALSE(frame->backgroundBitmap->IsOk());
    frame->Show();
    PumpEvents();
    FillScreenBuffer(*wxWHITE);
    frame->Redraw(true);
    frame->Update();
    PumpEvents();
    // Below the board, where only the background lies, as the screen shows
    // it: one plain colour, neither the buffer's old white nor the picture's.
    const wxColour below = ClientPixel(frame, 100, 242), farther = ClientPixel(frame, 20, 243);
    EXPECT_NE(below, *wxWHITE);
    EXPECT_EQ(below, farther);
    const wxColour picture = FixtureTree::BackgroundColour();
    EXPECT_FALSE(std::abs(below.Red() - picture.Red()) < 40
                 && std::abs(below.Green() - picture.Green()) < 40
                 && std::abs(below.Blue() - picture.Blue()) < 40);
}

TEST_F(GameWindow, PaintsTheTiledBackground)
{
    // A 32-pixel picture of two halves: tiled, each half comes back every 32
    // pixels; stretched or drawn once, it would not.
    wxImage halves(32, 32);
    halves.SetRGB(wxRect(0, 0, 16, 32), 200, 40, 40);
    halves.SetRGB(wxRect(16, 0, 16, 32), 40, 40, 200);
    halves.SetOption(wxIMAGE_OPTION_QUALITY, 100);
    ASSERT_TRUE(halves.SaveFile(tree.Path() + "/graf/tlo/tlo2.JPG", wxBITMAP_TYPE_JPEG));
    Open("h");
    frame->Show();
    PumpEvents();
    EXPECT_EQ(frame->GetClientSize(), GameWindowSize);
    frame->Refresh();
    frame->Update();
    PumpEvents();
    // Below the board, where only the background is drawn, as the screen
    // shows it.
    const auto near = [](const wxColour& c, const wxColour& want) {
        return std::abs(c.Red() - want.Red()) <= 12 && std::abs(c.Green() - want.Green()) <= 12
               && std::abs(c.Blue() - want.Blue()) <= 12;
    };
    for (const int x : {8, 40, 104, 232})
        EXPECT_TRUE(near(ClientPixel(frame, x, 242), wxColour(200, 40, 40))) << x;
    for (const int x : {24, 56, 120, 216})
        EXPECT_TRUE(near(ClientPixel(frame, x, 242), wxColour(40, 40, 200))) << x;
}

TEST_F(GameWindow, TeardownReleasesTheGameAndShowsTheStartWindow)
{
    wxFrame* start = new wxFrame(nullptr, wxID_ANY, "start");
    TheStartWindow = start;
    start->Hide();
    Open("hh");
    EXPECT_FALSE(TilePicturePaths[LetterIndex('a')].empty());
    Plansza[5][5].acrossSet.Fill();
    Close();
    EXPECT_EQ(TheGra, nullptr);
    EXPECT_EQ(TheGraFrame, nullptr);
    EXPECT_TRUE(TilePicturePaths[LetterIndex('a')].empty());
    EXPECT_TRUE(Plansza[5][5].acrossSet.Empty());
    EXPECT_TRUE(start->IsShown());

    // A second game builds everything anew, from the folder current now.
    tree.Picture("graf/plansza/two/plA.JPG", 14, 14, *wxBLUE);
    free(TileFolder);
    TileFolder = strdup((std::string(InstallFolder) + "graf/plansza/two").c_str());
    Open("h");
    EXPECT_NE(TheGra, nullptr);
    EXPECT_EQ(TilePicturePaths[LetterIndex('a')], std::string(TileFolder) + "/plA.JPG");
    EXPECT_TRUE(frame->TileBitmaps[LetterIndex('a')]->IsOk());
    EXPECT_FALSE(frame->TileBitmaps[LetterIndex('b')]->IsOk());
    Close();
    TheStartWindow = nullptr;
    start->Destroy();
    PumpEvents();
}

TEST_F(GameWindow, CloseButtonEndsTheGame)
{
    Open("hc");
    wxCommandEvent click(wxEVT_BUTTON, ID_BTN_CLOSE);
    frame->GetEventHandler()->ProcessEvent(click);
    PumpEvents();
    frame = nullptr; // destroyed by the framework
    EXPECT_EQ(TheGra, nullptr);
    EXPECT_EQ(TheGraFrame, nullptr);
}

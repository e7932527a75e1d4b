#include "window/graframe.h"

#include <cstring>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include <wx/menu.h>

#include "model/gra.h"
#include "model/opcje.h"
#include "model/plansza.h"
#include "platform/instalacja.h"
#include "platform/komunikat.h"
#include "platform/urzadzenie.h"
#include "window/ekran.h"
#include "window/tlo.h"

GraFrame* TheGraFrame = nullptr;
wxFrame* TheStartWindow = nullptr;

wxBEGIN_EVENT_TABLE(GraFrame, wxFrame)
    EVT_PAINT(GraFrame::OnPaint)
    EVT_MOUSE_EVENTS(GraFrame::OnMouse)
    EVT_MOUSE_CAPTURE_LOST(GraFrame::OnMouseCaptureLost)
    // First of the buttons: it passes every press on to the button's own entry.
    EVT_BUTTON(wxID_ANY, GraFrame::OnAnyButton)
    EVT_BUTTON(ID_BTN_PASS, GraFrame::OnPassButton)
    EVT_BUTTON(ID_BTN_PUT, GraFrame::OnPutButton)
    EVT_BUTTON(ID_BTN_EXCHANGE, GraFrame::OnExchangeButton)
    EVT_BUTTON(ID_BTN_YES, GraFrame::OnYesButton)
    EVT_BUTTON(ID_BTN_NO, GraFrame::OnNoButton)
    EVT_BUTTON(ID_BTN_GO, GraFrame::OnGoButton)
    EVT_BUTTON(ID_BTN_VIEW, GraFrame::OnToggleBoardView)
    EVT_BUTTON(ID_BTN_CLOSE, GraFrame::OnBackToMenu)
wxEND_EVENT_TABLE()

void DrawIfOk(wxDC& dc, const wxBitmap* bitmap, int x, int y)
{
    if (!bitmap || !bitmap->IsOk())
        return;
    dc.DrawBitmap(*bitmap, x, y, false);
    Touched(dc, wxRect(wxPoint(x, y), bitmap->GetSize()));
}

namespace {

// Whether a square or tile picture of the picture folder did not load; fault
// then names the folder when it is missing, else the first such picture.
bool PictureFolderFault(const GraFrame& frame, FileFault& fault)
{
    std::vector<const std::string*> failed;
    for (int k = 0; k < SquarePictureCount; ++k)
        if (!frame.SquareBitmaps[k]->IsOk())
            failed.push_back(&SquarePicturePaths[k]);
    int pictures = SquarePictureCount;
    for (int i = 0; i < LetterIndexCount; ++i)
        if (HasTilePicture(i)) {
            pictures += 2;
            if (!frame.TileBitmaps[i]->IsOk())
                failed.push_back(&TilePicturePaths[i]);
            if (!frame.BlankTileBitmaps[i]->IsOk())
                failed.push_back(&BlankTilePicturePaths[i]);
        }
    if (failed.empty())
        return false;
    const std::string folder = RealPath(TileFolder ? TileFolder : "");
    struct stat st;
    if (stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        RefuseFile(&fault, "picture folder", folder, "no such folder");
        return true;
    }
    const std::string first = RealPath(failed.front()->c_str());
    const char* what = access(first.c_str(), F_OK) == 0 ? "it is no JPEG picture the game can read"
                                                         : "no such file";
    RefuseFile(&fault, PictureKind, first,
               std::string(what) + " (" + std::to_string(failed.size()) + " of the folder's "
                   + std::to_string(pictures) + " pictures did not load)");
    return true;
}

} // namespace

void CopyMessage(char* line, const char* text)
{
    std::strncpy(line, text, MessageLineBytes - 1);
    line[MessageLineBytes - 1] = 0;
}

GraFrame::GraFrame(const wxString& title, const wxPoint& pos, const wxSize& size, long style)
{
    Create(nullptr, wxID_ANY, title, pos, size, style, "frame");
    frontBuffer.Create(GameWindowSize.x, GameWindowSize.y, -1);

    tura = TheGra ? Tura(*TheGra) : Tura{};
    CopyMessage(hintLine1, "The first word must cross");
    CopyMessage(hintLine2, "the central field");
    statusLine[0] = 0;

    FileFault layoutFault;
    const bool plainBoard = InitPlansza(LayoutPath, &layoutFault) != 0;
    BuildTilePicturePaths();
    LoadBitmaps();

    const struct {
        wxBitmapButton*& button;
        int id;
        int picture;
        wxPoint pos;
        wxSize size;
    } buttons[] = {
        {viewButton, ID_BTN_VIEW, BtnView, {5, 245}, {50, 20}},
        {putButton, ID_BTN_PUT, BtnPut, {65, 245}, {50, 20}},
        {passButton, ID_BTN_PASS, BtnPass, {5, 215}, {50, 20}},
        {exchangeButton, ID_BTN_EXCHANGE, BtnExchange, {65, 215}, {50, 20}},
        {yesButton, ID_BTN_YES, BtnYes, {129, 245}, {50, 20}},
        {noButton, ID_BTN_NO, BtnNo, {187, 245}, {50, 20}},
        {goButton, ID_BTN_GO, BtnGo, {0, 240}, {240, 30}},
        {closeButton, ID_BTN_CLOSE, BtnClose, {220, 0}, {20, 20}},
    };
    for (const auto& b : buttons)
        b.button = CreatePictureButton(this, b.id, *buttonBitmaps[b.picture], b.pos, b.size);
    if (!TheGra || TheGra->humans < 2)
        goButton->Show(false);

    // One menu without items: its title is the status caption.
    menuBar = new wxMenuBar(wxMB_DOCKABLE);
    menuBar->Append(new wxMenu(0L), " ");
    SetMenuBar(menuBar);
    // The bar lies outside the client area; keep the client area the game's size.
    KeepClientSize(this, GameWindowSize);

    UpdateControls(false);

    std::vector<std::string> told;
    if (plainBoard)
        told.push_back(FaultParagraph(layoutFault, "The game is played on a board without "
                                                   "premium squares."));
    FileFault pictureFault;
    if (PictureFolderFault(*this, pictureFault))
        told.push_back(FaultParagraph(pictureFault, "Squares and tiles without a picture stay "
                                                    "black."));
    TellPlayer(told);
}

GraFrame::~GraFrame()
{
    FreePlanszaSets();
    FreeTilePicturePaths();
    hintLine1[0] = hintLine2[0] = statusLine[0] = 0;
    backgroundBitmap.reset();
    rackBitmap.reset();
    exchangeSlotBitmap.reset();
    bagBitmap.reset();
    for (auto& b : SquareBitmaps)
        b.reset();
    if (TheGra) {
        delete TheGra;
        TheGra = nullptr;
    }
    for (auto& b : buttonBitmaps)
        b.reset();
    hoverSquare = Punkt{-1, -1};
    for (int i = 0; i < LetterIndexCount; ++i)
        if (HasTilePicture(i)) {
            TileBitmaps[i].reset();
            BlankTileBitmaps[i].reset();
        }
    if (TheGraFrame == this)
        TheGraFrame = nullptr;
    if (TheStartWindow)
        TheStartWindow->Show(true);
}

void GraFrame::LoadBitmaps()
{
    // A file that fails to load leaves an empty bitmap, which is never drawn.
    auto load = [](const char* path) { return std::make_unique<wxBitmap>(LoadPicture(path)); };
    backgroundBitmap = load(BackgroundPath);
    rackBitmap = load(FixedPicturePaths[PicRack]);
    for (int k = 0; k < SquarePictureCount; ++k)
        SquareBitmaps[k] = load(SquarePicturePaths[k].c_str());
    exchangeSlotBitmap = load(FixedPicturePaths[PicExchangeSlot]);
    const struct { int bitmap, picture; } buttons[] = {
        {BtnYes, PicYes},   {BtnNo, PicNo},       {BtnPut, PicPut},      {BtnView, PicView},
        {BtnExchange, PicExchange}, {BtnClose, PicClose}, {BtnPass, PicPass}, {BtnGo, PicGo}};
    for (const auto& b : buttons)
        buttonBitmaps[b.bitmap] = load(FixedPicturePaths[b.picture]);
    bagBitmap = load(FixedPicturePaths[PicBag]);
    for (int i = 0; i < LetterIndexCount; ++i)
        if (HasTilePicture(i)) {
            TileBitmaps[i] = load(TilePicturePaths[i].c_str());
            BlankTileBitmaps[i] = load(BlankTilePicturePaths[i].c_str());
        }
}

// GraFrame: the game window, built for every game and closed with CLOSE.
#pragma once

#include <memory>

#include <wx/bmpbuttn.h>
#include <wx/dragimag.h>
#include <wx/frame.h>

#include "model/punkt.h"
#include "window/obrazki.h"
#include "window/tura.h"

enum {
    ID_BTN_YES = 5019,
    ID_BTN_NO = 5020,
    ID_BTN_PASS = 5021,
    ID_BTN_EXCHANGE = 5022,
    ID_BTN_PUT = 5023,
    ID_BTN_GO = 5024,
    ID_BTN_VIEW = 5025,
    ID_BTN_CLOSE = 5026,
};

extern const wxSize GameWindowSize; // 240 by 270 client pixels

// Drag states of the stylus input.
enum { DragDragging = 0, DragPressed = 1, DragIdle = 2 };

constexpr int MessageLineBytes = 100;

class GraFrame : public wxFrame {
public:
    GraFrame(const wxString& title, const wxPoint& pos, const wxSize& size, long style);
    ~GraFrame() override;

    void LoadBitmaps();
    void UpdateControls(bool afterAccept);
    void PaintBackground(wxDC& dc);

    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnPassButton(wxCommandEvent& event);
    void OnPutButton(wxCommandEvent& event);
    void OnExchangeButton(wxCommandEvent& event);
    void OnYesButton(wxCommandEvent& event);
    void OnNoButton(wxCommandEvent& event);
    void OnGoButton(wxCommandEvent& event);
    void OnToggleBoardView(wxCommandEvent& event);
    void OnBackToMenu(wxCommandEvent& event);

    Tura tura;
    int DragState = DragIdle;
    int pressedSlot = -1;
    std::unique_ptr<wxDragImage> dragImage;
    Punkt hoverSquare{-1, -1};
    std::uint8_t boardView = 0;
    Tile draggedLetter = 'A';
    char hintLine1[MessageLineBytes] = {};
    char hintLine2[MessageLineBytes] = {};
    char statusLine[MessageLineBytes] = {};

    wxBitmapButton* putButton = nullptr;
    wxBitmapButton* exchangeButton = nullptr;
    wxBitmapButton* passButton = nullptr;
    wxBitmapButton* viewButton = nullptr;
    wxBitmapButton* yesButton = nullptr;
    wxBitmapButton* noButton = nullptr;
    wxBitmapButton* goButton = nullptr;
    wxBitmapButton* closeButton = nullptr;

    std::unique_ptr<wxBitmap> backgroundBitmap;
    std::unique_ptr<wxBitmap> rackBitmap;
    std::unique_ptr<wxBitmap> exchangeSlotBitmap;
    std::unique_ptr<wxBitmap> bagBitmap;
    std::unique_ptr<wxBitmap> SquareBitmaps[SquarePictureCount];
    // Button pictures: YES, NO, PUT, VIEW, EXCHANGE, PASS, GO, CLOSE.
    enum { BtnYes, BtnNo, BtnPut, BtnView, BtnExchange, BtnPass, BtnGo, BtnClose, ButtonCount };
    std::unique_ptr<wxBitmap> buttonBitmaps[ButtonCount];
    std::unique_ptr<wxBitmap> TileBitmaps[LetterIndexCount];
    std::unique_ptr<wxBitmap> BlankTileBitmaps[LetterIndexCount];

    wxMenuBar* menuBar = nullptr;

    // Used by the start of a game (stubs on this branch)
    void Redraw(bool background);

private:
    wxDECLARE_EVENT_TABLE();
};

// Used by the start of a game (stubs on this branch)
class Gra;
void ComputerTurn(Gra* game);

// The running game's window, or null.
extern GraFrame* TheGraFrame;
// The start window, shown again when a game window closes.
extern wxFrame* TheStartWindow;

// Draws bitmap at (x, y) when it holds a picture: a picture that failed to
// load is never drawn.
void DrawIfOk(wxDC& dc, const wxBitmap* bitmap, int x, int y);

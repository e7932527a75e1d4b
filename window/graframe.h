// GraFrame: the game window, built for every game and closed with CLOSE.
#pragma once

#include <chrono>
#include <memory>

#include <wx/bmpbuttn.h>
#include <wx/frame.h>

#include "model/gra.h"
#include "model/plansza.h"
#include "model/punkt.h"
#include "window/geometria.h"
#include "window/obraz_przeciagania.h"
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

// Drag states of the stylus input.
enum { DragDragging = 0, DragPressed = 1, DragIdle = 2 };

constexpr int MessageLineBytes = 100;

class GraFrame : public wxFrame {
public:
    GraFrame(const wxString& title, const wxPoint& pos, const wxSize& size, long style);
    ~GraFrame() override;

    void LoadBitmaps();

    // Drawing and stylus input
    // Copies the front buffer to the screen, the dragged tile over it.
    void OnPaint(wxPaintEvent& event);
    // Full repaint composed in ScreenBuffer and copied to the window's front
    // buffer, shown at the next paint; the background layer only when
    // background is true.
    void Redraw(bool background);
    // Tiles the background inside (0, 0, 240, 270) and whatever clipping the
    // caller set; leaves the device context with no clipping at all.
    void PaintBackground(wxDC& dc);
    void DrawPlansza(wxDC& dc);
    void DrawPlacedMarks(wxDC& dc);
    // VIEW: the other view.
    void OnToggleBoardView(wxCommandEvent& event);
    // Shows the board view (true) or the info view: the buttons of the info
    // view, then the board and rack, or the whole window with its background.
    void SetBoardView(bool board);
    void DrawStojak(wxDC& dc);
    void DrawExchangeSlots(wxDC& dc);
    void DrawLetterPicker(wxDC& dc);
    void RefreshLetterPicker(wxDC& dc);
    void DrawInfo(wxDC& dc);
    // Redraws the square (ox, oy) the dragged tile left and the hover square.
    void DragOverSquare(wxDC& dc, int ox, int oy);
    bool CanPlaceAt(int x, int y) const;
    void RefreshExchangeSlots();
    // The rack slot of the letter under (x, y), or -1; in the board view a
    // press on a tile laid this turn takes it back and gives its rack slot.
    int HitTestRack(int x, int y);
    void OnMouse(wxMouseEvent& event);
    void OnMouseCaptureLost(wxMouseCaptureLostEvent& event);
    // Ends a drag with no drop: the tile back in its gap on the rack, no
    // preview left, the mouse released unless the framework took it.
    void CancelDrag();
    void PlaceTile(int x, int y);
    bool MovePlacedTileLast(int x, int y);
    // The last placed tile back to the first empty rack slot; that slot, or
    // -1 when nothing could be taken back.
    int TakeBackLastTile();
    void ReturnExchangeTile(int slot);
    void ForgetBlankAt(int x, int y);

    // The letter of letter picker cell 0 to 25, in letter index order; 0 for
    // any other cell.
    static Tile PickerCellLetter(int cell);

    // Turn flow
    // Move status: applies JudgeMoveStatus (window/zasady.h) to the hint
    // lines, caption, PUT and EXCHANGE and the pending score, and repaints.
    void UpdateMoveStatus();
    void UpdateLineAndStatus();
    void SetMenuBarText(const wxString& text);
    // The move rules over this turn's tiles (window/zasady.h).
    bool TouchesOldTiles();
    bool IsInOneLine();
    bool IsWordValid(int x, int y, bool across);
    bool AreAllWordsValid();
    int ScoreWord(int x, int y, bool across);
    int ScoreMove();
    // Passing the turn on and the controls of each phase.
    void ResetTurn();
    void UpdateControls(bool afterAccept);
    void AskAcceptWord();
    void EndAcceptPrompt();
    void ShowGoBar();
    void SubmitMove();
    void Pass();
    void Exchange();
    // The steps those share: the placed tiles back to the rack, the turn
    // handed to the next player, a move's credit (true: it ended the game).
    void TakeBackPlacedTiles();
    void HandTurnOn();
    bool CreditMove(int mover);
    // The answer to a pending move, and the end of the game (out: the player
    // who went out, -1 none).
    void AcceptWord();
    void ChallengeWord();
    void EndGame(int out);
    void OnPutButton(wxCommandEvent& event);
    void OnPassButton(wxCommandEvent& event);
    void OnExchangeButton(wxCommandEvent& event);
    void OnYesButton(wxCommandEvent& event);
    void OnNoButton(wxCommandEvent& event);
    void OnGoButton(wxCommandEvent& event);
    void OnBackToMenu(wxCommandEvent& event);
    // Runs before the handler of every button.
    void OnAnyButton(wxCommandEvent& event);

    Tura tura;
    int DragState = DragIdle;
    int pressedSlot = -1;
    std::unique_ptr<TileDragImage> dragImage;
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

    // What the window shows (window/ekran.h); composed whole at the first
    // paint or Redraw, and changed only by drawing into it.
    wxBitmap frontBuffer;
    bool frontComposed = false;

private:
    // GO, YES and NO appear where PUT, GO and the rack were tapped a moment
    // before: a press that comes within TurnControlsGuardMs of their showing
    // (a double tap, or a tap made while a computer played) is taken for
    // one meant for what stood there, and ignored.
    void TurnControlsShown();
    bool TurnControlsJustShown() const;
    std::chrono::steady_clock::time_point turnControlsShownAt{};

    // Drawing and stylus input: helpers.
    const wxBitmap* TilePicture(Tile t) const;
    const wxBitmap* SquarePicture(const Pole& p) const;
    // The picture of the tile on a square: a blank with its letter shows
    // that letter's blank picture; null for an empty square.
    const wxBitmap* SquareTilePicture(const Pole& p) const;
    void DrawSquare(wxDC& dc, int x, int y) const;
    void ComposeScreen(wxDC& dc, bool background);
    // A full repaint into the front buffer.
    void ComposeFront(bool background);
    Stojak* ShownRack() const;
    bool CurrentIsComputer() const;
    void OnRightPress(int x, int y);
    void OnLeftPress(int x, int y);
    void StartDrag(const wxPoint& pos);
    void FollowStylus(const wxPoint& pos);
    void Drop();

    wxDECLARE_EVENT_TABLE();
};

// The running game's window, or null.
extern GraFrame* TheGraFrame;
// The start window, shown again when a game window closes.
extern wxFrame* TheStartWindow;

// The whole turn of the current player of game, a computer: it answers the
// pending move, then plays, exchanges or passes, which hands the turn on.
void ComputerTurn(Gra* game);
// The pause before a computer turn that follows another in a game without
// humans, in milliseconds, so the game can be watched (0 in a soak).
inline int ComputerTurnPauseMs = 50;
// How long GO, YES and NO ignore presses after they appear, in milliseconds.
inline int TurnControlsGuardMs = 300;

// Draws bitmap at (x, y) when it holds a picture: a picture that failed to
// load is never drawn.
void DrawIfOk(wxDC& dc, const wxBitmap* bitmap, int x, int y);

// A row of the player list: the name, then " (N)" with the tiles on his
// rack, the name cut short with an ellipsis where the row would be wider than
// width, so the count always shows.
wxString PlayerRow(wxDC& dc, const char* name, int tiles, int width);

// Writes text, with its NUL, over the start of a 100-byte message line.
void CopyMessage(char* line, const char* text);

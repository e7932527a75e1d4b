// The game window's drawing: the full repaint and its layers, the board, the
// rack, the exchange slots, the letter picker and the info panel.
#include <string>

#include <wx/control.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>

#include "model/litery.h"
#include "model/opcje.h"
#include "platform/tekst.h"
#include "window/ekran.h"
#include "window/geometria.h"
#include "window/graframe.h"
#include "window/tlo.h"

namespace {

wxColour ToColour(Rgb c) { return wxColour(c.red, c.green, c.blue); }

void UseFont(wxDC& dc, int points, const wxColour& colour)
{
    dc.SetFont(wxFont(wxFontInfo(points).Family(wxFONTFAMILY_DEFAULT).Bold()));
    dc.SetTextForeground(colour);
}

// The program's off-screen bitmaps, made here if start-up has not made them.
bool BuffersReady()
{
    if (!ScreenBuffer.IsOk() || !BoardBuffer.IsOk())
        CreateScreenBuffers();
    return ScreenBuffer.IsOk() && BoardBuffer.IsOk();
}

} // namespace

const wxBitmap* GraFrame::TilePicture(Tile t) const { return TileBitmaps[LetterIndex(t)].get(); }

const wxBitmap* GraFrame::SquarePicture(const Pole& p) const
{
    // The start square also has colour class 5: its flag comes first.
    int k = SqPlain;
    if (p.startFlag)
        k = SqStart;
    else if (p.wordMultiplier == 2)
        k = SqWord2;
    else if (p.wordMultiplier == 3)
        k = SqWord3;
    else
        switch (p.colourClass) {
        case 1: k = SqClass1; break;
        case 2: k = SqClass2; break;
        case 3: k = SqClass3; break;
        case 5: k = SqClass5; break;
        default: break;
        }
    return SquareBitmaps[k].get();
}

const wxBitmap* GraFrame::SquareTilePicture(const Pole& p) const
{
    if (!p.tile)
        return nullptr;
    if (p.blankLetter)
        return BlankTileBitmaps[LetterIndex(p.blankLetter)].get();
    return TilePicture(p.tile);
}

void GraFrame::DrawSquare(wxDC& dc, int x, int y) const
{
    const Pole& p = Plansza[x][y];
    const wxPoint corner = SquareCorner(x, y);
    DrawIfOk(dc, SquarePicture(p), corner.x, corner.y);
    DrawIfOk(dc, SquareTilePicture(p), corner.x + TileInset, corner.y + TileInset);
}

Stojak* GraFrame::ShownRack() const
{
    if (!TheGra || !TheGra->player[TheGra->shown])
        return nullptr;
    return TheGra->player[TheGra->shown]->rack;
}

bool GraFrame::CurrentIsComputer() const
{
    return TheGra && TheGra->player[TheGra->current] && TheGra->player[TheGra->current]->computer;
}

Tile GraFrame::PickerCellLetter(int cell)
{
    if (cell < 0 || cell >= PickerCells)
        return 0;
    int n = 0;
    for (int i = 0; i < LetterIndexCount; ++i) {
        const Tile c = IndexLetter(i);
        if (IsLetterTile(c) && n++ == cell)
            return c;
    }
    return 0;
}

void GraFrame::ComposeScreen(wxDC& dc, bool background)
{
    if (background)
        PaintBackground(dc);
    RefreshLetterPicker(dc);
    DrawPlansza(dc);
    DrawStojak(dc);
    DrawExchangeSlots(dc);
    DrawInfo(dc);
}

void GraFrame::ComposeFront(bool background)
{
    if (!BuffersReady() || !frontBuffer.IsOk())
        return;
    wxMemoryDC buffer(ScreenBuffer);
    ComposeScreen(buffer, background);
    FrontCanvas front(this, wxRect(GameWindowSize));
    front.Blit(wxPoint(0, 0), GameWindowSize, &buffer, wxPoint(0, 0), wxCOPY, false);
    frontComposed = true;
}

void GraFrame::OnPaint(wxPaintEvent&)
{
    // The screen shows the front buffer, with the dragged tile over it.
    if (!frontComposed)
        ComposeFront(true);
    wxPaintDC window(this);
    if (frontComposed) {
        wxMemoryDC front(frontBuffer);
        window.Blit(wxPoint(0, 0), GameWindowSize, &front, wxPoint(0, 0), wxCOPY, false);
    } else {
        ComposeScreen(window, true);
    }
    if (DragState == DragDragging && dragImage)
        dragImage->Paint(window);
}

void GraFrame::Redraw(bool background) { ComposeFront(background); }

void GraFrame::PaintBackground(wxDC& dc)
{
    wxRect clip;
    dc.GetClippingBox(clip);
    Touched(dc, clip.IsEmpty() ? wxRect(GameWindowSize) : clip.Intersect(wxRect(GameWindowSize)));
    TileBackground(dc, backgroundBitmap.get(), GetClientSize());
    dc.DestroyClippingRegion();
}

void GraFrame::DrawPlansza(wxDC& dc)
{
    if (!boardView || !BuffersReady())
        return;
    wxMemoryDC board(BoardBuffer);
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            DrawSquare(board, x, y);
    if (tura.highlight) {
        board.SetPen(*wxBLACK_PEN);
        board.SetBrush(*wxWHITE_BRUSH);
        DrawPlacedMarks(board);
    }
    dc.Blit(BoardArea.GetTopLeft(), BoardArea.GetSize(), &board, wxPoint(0, 0), wxCOPY, false);
    Touched(dc, BoardArea);
}

void GraFrame::DrawPlacedMarks(wxDC& dc)
{
    for (int i = 0; i < tura.placedCount; ++i) {
        const wxPoint corner = SquareCorner(tura.placedSquares[i].x, tura.placedSquares[i].y);
        dc.DrawRoundedRectangle(corner.x + MarkInset, corner.y + MarkInset, MarkSize, MarkSize,
                                MarkCorner);
    }
}

void GraFrame::OnToggleBoardView(wxCommandEvent&) { SetBoardView(!boardView); }

void GraFrame::SetBoardView(bool board)
{
    boardView = board;
    passButton->Show(!boardView);
    exchangeButton->Show(!boardView);
    closeButton->Show(!boardView);
    if (!boardView) {
        Redraw(true);
        return;
    }
    // Only the board and the rack change: the rest stays as it is.
    FrontCanvas front(this);
    {
        wxDCClipper clip(front, BoardArea);
        DrawPlansza(front);
    }
    DrawStojak(front);
}

void GraFrame::DrawStojak(wxDC& dc)
{
    if (tura.pending) {
        // No rack while a move waits for its answer.
        dc.SetClippingRegion(RackArea);
        PaintBackground(dc);
        return;
    }
    const Stojak* rack = ShownRack();
    if (CurrentIsComputer() || !rack)
        return;
    wxDCClipper clip(dc, RackArea);
    DrawIfOk(dc, rackBitmap.get(), RackArea.x, RackArea.y);
    for (int i = 0; i < RackSlots; ++i)
        if (rack->slots[i])
            DrawIfOk(dc, TilePicture(rack->slots[i]), RackTileX + SlotPixels * i, RackTileY);
}

void GraFrame::DrawExchangeSlots(wxDC& dc)
{
    if (boardView)
        return;
    for (int i = 0; i < RackSlots; ++i) {
        const int x = ExchangeSlotX + SlotPixels * i;
        DrawIfOk(dc, exchangeSlotBitmap.get(), x, ExchangeSlotY);
        Tile letter = tura.exchangeSlots[i];
        if (!letter && i == tura.highlightedExchangeSlot)
            letter = draggedLetter; // preview of the drop
        if (letter)
            DrawIfOk(dc, TilePicture(letter), x + TileInset, ExchangeSlotY + TileInset);
    }
}

void GraFrame::DrawLetterPicker(wxDC& dc)
{
    if (boardView)
        return;
    for (int n = 0; n < PickerCells; ++n)
        DrawIfOk(dc, BlankTileBitmaps[LetterIndex(PickerCellLetter(n))].get(),
                 PickerArea.x + PickerCellPixels * (n % PickerColumns),
                 PickerArea.y + PickerCellPixels * (n / PickerColumns));
}

void GraFrame::RefreshLetterPicker(wxDC& dc)
{
    if (boardView)
        return;
    if (tura.blankCount > tura.blanksLettered) {
        DrawLetterPicker(dc);
        return;
    }
    dc.SetClippingRegion(PickerArea);
    PaintBackground(dc);
}

wxString PlayerRow(wxDC& dc, const char* name, int tiles, int width)
{
    const wxString whole = ToWx(name ? name : ""), count = " (" + std::to_string(tiles) + ")";
    if (dc.GetTextExtent(whole + count).x <= width)
        return whole + count;
    return wxControl::Ellipsize(whole, dc, wxELLIPSIZE_END, width - dc.GetTextExtent(count).x)
           + count;
}

void GraFrame::DrawInfo(wxDC& dc)
{
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    UseFont(dc, 8, ToColour(TextColour));
    dc.SetClippingRegion(StatusArea);
    PaintBackground(dc);
    const wxString status = ToWx(statusLine);
    dc.DrawText(status, StatusTextAt);
    Touched(dc, wxRect(StatusTextAt, dc.GetTextExtent(status)));
    if (boardView)
        return;
    // The player list, the bag and the hint lines.
    Touched(dc, InfoPanelArea);

    dc.SetClippingRegion(InfoPanelArea);
    PaintBackground(dc);
    if (TheGra) {
        for (int i = 0; i < TheGra->players; ++i) {
            const Gracz* g = TheGra->player[i];
            if (!g)
                continue;
            const int y = PlayerRowPitch * i;
            UseFont(dc, 10, ToColour(i == TheGra->current ? HighlightColour : TextColour));
            // Up to the bag: a long name does not run under it.
            dc.DrawText(PlayerRow(dc, g->name, g->rack ? g->rack->Count() : 0,
                                  PlayerRowEnd - PlayerRowX),
                        PlayerRowX, y);
            dc.DrawText(ToWx(std::to_string(g->score).c_str()), PlayerScoreX, y);
        }
    }
    DrawIfOk(dc, bagBitmap.get(), BagX, BagY);
    UseFont(dc, 11, *wxWHITE);
    dc.DrawText(ToWx(std::to_string(TheGra ? TheGra->tilesLeft : 0).c_str()), BagCountAt);
    UseFont(dc, 8, ToColour(TextColour));
    dc.DrawText(ToWx(hintLine1), HintLine1At);
    dc.DrawText(ToWx(hintLine2), HintLine2At);
}

void GraFrame::DragOverSquare(wxDC& dc, int ox, int oy)
{
    if (!boardView)
        return;
    const Punkt h = hoverSquare;
    if (ox == h.x && oy == h.y)
        return;
    if (ox > 0)
        DrawSquare(dc, ox, oy);
    if (h.x <= 0)
        return;
    const wxPoint corner = SquareCorner(h.x, h.y);
    const int left = corner.x + TileInset, top = corner.y + TileInset;
    if (CanPlaceAt(h.x, h.y)) {
        // The tile shows snapped into the free square; the image stays hidden.
        DrawIfOk(dc, TilePicture(draggedLetter), left, top);
        return;
    }
    DrawIfOk(dc, SquareTilePicture(Plansza[h.x][h.y]), left, top);
    if (dragImage)
        dragImage->Show();
}

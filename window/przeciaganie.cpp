// The game window's stylus input: pressing, dragging and dropping tiles, and
// the steps that lay tiles on the board and take them back.
#include <utility>

#include "model/litery.h"
#include "window/ekran.h"
#include "window/geometria.h"
#include "window/graframe.h"

namespace {

// Hit areas of the window (window/geometria.h).
int RackSlotAt(int x, int y)
{
    if (x > RackTileX && x < RackHitRight && y > RackHitTop && y < RackHitBottom)
        return (x - RackHitSlot0X) / SlotPixels;
    return -1;
}

int ExchangeSlotAt(int x, int y)
{
    if (x > ExchangeSlotX && x < ExchangeSlotX + RackSlots * SlotPixels && y > ExchangeSlotY
        && y < ExchangeSlotY + SlotPixels)
        return (x - ExchangeSlotX) / SlotPixels;
    return -1;
}

int PickerCellAt(int x, int y)
{
    if (x > PickerArea.x && x < PickerArea.x + PickerColumns * PickerCellPixels
        && y > PickerArea.y && y < PickerHitBottom)
        return (x - PickerArea.x) / PickerCellPixels
               + PickerColumns * ((y - PickerArea.y) / PickerCellPixels);
    return -1;
}

// The board square under a point of the board area.
bool SquareAt(int x, int y, Punkt& q)
{
    if (x < 0 || y < 0 || x >= BoardPixels || y >= BoardPixels)
        return false;
    q = Punkt{x / SquarePixels + 1, y / SquarePixels + 1};
    return true;
}

bool OnBoard(int x, int y) { return x >= 1 && x <= BoardSize && y >= 1 && y <= BoardSize; }

} // namespace

bool GraFrame::CanPlaceAt(int x, int y) const { return OnBoard(x, y) && !Plansza[x][y].tile; }

void GraFrame::PlaceTile(int x, int y)
{
    const Tile letter = draggedLetter;
    if (letter == BlankTile) {
        tura.AddBlank(Punkt{x, y});
        if (boardView)
            SetBoardView(false);
        if (!boardView) {
            FrontCanvas front(this);
            RefreshLetterPicker(front);
        }
    }
    tura.pendingScore += LetterValue(letter);
    Plansza[x][y].tile = letter;
    Plansza[x][y].blankLetter = 0;
    tura.placedLetters[tura.placedCount] = letter;
    tura.placedSquares[tura.placedCount] = Punkt{x, y};
    ++tura.placedCount;
    putButton->Enable(true);
    UpdateMoveStatus();
}

int GraFrame::TakeBackLastTile()
{
    Stojak* rack = ShownRack();
    if (!rack || tura.placedCount <= 0)
        return -1;
    const int r = rack->FirstEmpty();
    if (r >= RackSlots)
        return -1; // no room: the tile stays on the board
    --tura.placedCount;
    const Tile letter = tura.placedLetters[tura.placedCount];
    const Punkt q = tura.placedSquares[tura.placedCount];
    if (letter == BlankTile) {
        ForgetBlankAt(q.x, q.y);
        if (tura.blankCount > 0)
            --tura.blankCount;
        if (!boardView) {
            FrontCanvas front(this);
            RefreshLetterPicker(front);
        }
    }
    rack->slots[r] = letter;
    Plansza[q.x][q.y].tile = 0;
    UpdateLineAndStatus();
    return r;
}

bool GraFrame::MovePlacedTileLast(int x, int y)
{
    if (!boardView || tura.placedCount <= 0)
        return false;
    const int last = tura.placedCount - 1;
    for (int i = 0; i <= last; ++i)
        if (tura.placedSquares[i] == Punkt{x, y}) {
            std::swap(tura.placedSquares[i], tura.placedSquares[last]);
            std::swap(tura.placedLetters[i], tura.placedLetters[last]);
            return true;
        }
    return false;
}

void GraFrame::ForgetBlankAt(int x, int y)
{
    if (tura.blankCount <= 0)
        return;
    const Punkt q{x, y};
    const int last = tura.blankCount >= 2 ? 1 : 0;
    if (last == 1 && tura.blankSquares[0] == q)
        tura.blankSquares[0] = tura.blankSquares[1];
    Pole& p = Plansza[x][y];
    if (p.blankLetter) {
        --tura.blanksLettered;
        p.blankLetter = 0;
    }
    tura.blankSquares[last] = Punkt{-1, -1};
}

int GraFrame::HitTestRack(int x, int y)
{
    const Stojak* rack = ShownRack();
    if (!rack)
        return -1;
    const int s = RackSlotAt(x, y);
    if (s >= 0 && rack->slots[s])
        return s;
    Punkt q;
    if (!boardView || !SquareAt(x, y, q) || !MovePlacedTileLast(q.x, q.y))
        return -1;
    const int r = TakeBackLastTile();
    FrontCanvas front(this);
    DrawPlansza(front);
    return r;
}

void GraFrame::ReturnExchangeTile(int slot)
{
    Stojak* rack = ShownRack();
    if (!rack || slot < 0 || slot >= RackSlots || !tura.exchangeSlots[slot])
        return;
    const int r = rack->FirstEmpty();
    if (r >= RackSlots)
        return;
    rack->slots[r] = tura.exchangeSlots[slot];
    tura.exchangeSlots[slot] = 0;
    --tura.exchangeCount;
    FrontCanvas front(this);
    DrawExchangeSlots(front);
}

void GraFrame::RefreshExchangeSlots()
{
    exchangeButton->Enable(tura.exchangeCount > 0);
    FrontCanvas front(this);
    DrawExchangeSlots(front);
}

void GraFrame::OnMouse(wxMouseEvent& event)
{
    event.Skip();
    if (!tura.inputEnabled || tura.pending || tura.gameOver || !ShownRack())
        return;
    const wxPoint pos = event.GetPosition();
    if (event.RightDown()) {
        if (DragState == DragIdle)
            OnRightPress(pos.x, pos.y);
    } else if (event.LeftDown()) {
        if (DragState == DragIdle)
            OnLeftPress(pos.x, pos.y);
    } else if (event.LeftUp()) {
        if (DragState == DragPressed) {
            // A tap: the letter stays where the press left it.
            DragState = DragIdle;
            FrontCanvas front(this);
            DrawStojak(front);
        } else if (DragState == DragDragging) {
            Drop();
            Update();
        }
    } else if (event.Dragging()) {
        if (DragState == DragPressed)
            StartDrag(pos);
        else if (DragState == DragDragging)
            FollowStylus(pos);
        // The tile follows the stylus on the screen, motion by motion.
        Update();
    }
}

void GraFrame::OnRightPress(int x, int y)
{
    Punkt q;
    if (boardView) {
        if (SquareAt(x, y, q) && MovePlacedTileLast(q.x, q.y) && TakeBackLastTile() >= 0) {
            FrontCanvas front(this);
            DrawStojak(front);
            DrawPlansza(front);
            RefreshLetterPicker(front);
        }
        return;
    }
    const int e = ExchangeSlotAt(x, y);
    if (e < 0 || !tura.exchangeSlots[e] || ShownRack()->FirstEmpty() >= RackSlots)
        return;
    ReturnExchangeTile(e);
    RefreshExchangeSlots();
    UpdateMoveStatus();
    FrontCanvas front(this);
    DrawStojak(front);
    DrawExchangeSlots(front);
    DrawInfo(front);
}

void GraFrame::OnLeftPress(int x, int y)
{
    Stojak* rack = ShownRack();
    int s = HitTestRack(x, y);
    if (s < 0 && !boardView) {
        const int e = ExchangeSlotAt(x, y);
        const int cell = PickerCellAt(x, y);
        if (e >= 0) {
            // An exchange letter tapped back to the rack, and pressed there.
            const int r = rack->FirstEmpty();
            if (tura.exchangeSlots[e] && r < RackSlots) {
                ReturnExchangeTile(e);
                RefreshExchangeSlots();
                UpdateMoveStatus();
                FrontCanvas front(this);
                DrawInfo(front);
                s = r;
            }
        } else if (PickerCellLetter(cell) && tura.blankCount > tura.blanksLettered &&
                   tura.blanksLettered < MaxBlanks) {
            // The blank that waits for its letter gets the tapped one.
            const Punkt b = tura.AwaitingBlank();
            if (OnBoard(b.x, b.y)) {
                Plansza[b.x][b.y].blankLetter = PickerCellLetter(cell);
                ++tura.blanksLettered;
                UpdateMoveStatus();
                FrontCanvas front(this);
                RefreshLetterPicker(front);
                DrawPlansza(front);
            }
        }
    }
    if (s < 0)
        return;
    DragState = DragPressed;
    pressedSlot = s;
    draggedLetter = rack->slots[s];
    UpdateMoveStatus();
}

void GraFrame::StartDrag(const wxPoint& pos)
{
    Stojak* rack = ShownRack();
    DragState = DragDragging;
    rack->slots[pressedSlot] = 0; // the gap
    dragImage = std::make_unique<TileDragImage>(TilePicture(draggedLetter));
    if (!dragImage->BeginDrag(wxPoint(0, 0), this)) {
        dragImage.reset();
        rack->slots[pressedSlot] = draggedLetter;
        DragState = DragIdle;
        return;
    }
    dragImage->Move(pos);
    {
        FrontCanvas front(this);
        DrawStojak(front);
    }
    dragImage->Show();
}

void GraFrame::FollowStylus(const wxPoint& pos)
{
    const int x = pos.x, y = pos.y;
    dragImage->Hide();
    Punkt q;
    if (boardView && x > 0 && y > 0 && SquareAt(x, y, q)) {
        if (q == hoverSquare) {
            if (!CanPlaceAt(q.x, q.y))
                dragImage->Show();
        } else {
            const Punkt old = hoverSquare;
            hoverSquare = q;
            FrontCanvas front(this);
            DragOverSquare(front, old.x, old.y);
        }
        dragImage->Move(pos);
        return;
    }

    Stojak* rack = ShownRack();
    bool previewed = false;
    const int r = RackSlotAt(x, y);
    const int e = ExchangeSlotAt(x, y);
    if (r >= 0 && rack->slots[r]) {
        // The letters between make room: the gap moves to r.
        for (int i = pressedSlot; i < r; ++i)
            rack->slots[i] = rack->slots[i + 1];
        for (int i = pressedSlot; i > r; --i)
            rack->slots[i] = rack->slots[i - 1];
        rack->slots[r] = 0;
        pressedSlot = r;
        FrontCanvas front(this);
        DrawStojak(front);
    } else if (e >= 0 && !boardView) {
        previewed = !tura.exchangeSlots[e];
        tura.highlightedExchangeSlot = previewed ? e : -1;
        FrontCanvas front(this);
        DrawExchangeSlots(front);
    } else if (tura.highlightedExchangeSlot >= 0) {
        tura.highlightedExchangeSlot = -1;
        FrontCanvas front(this);
        DrawExchangeSlots(front);
    }

    const Punkt old = hoverSquare;
    hoverSquare = Punkt{-1, -1};
    if (old.x > 0) {
        FrontCanvas front(this);
        DragOverSquare(front, old.x, old.y);
    }
    dragImage->Move(pos);
    if (!previewed)
        dragImage->Show();
}

void GraFrame::Drop()
{
    Stojak* rack = ShownRack();
    dragImage->EndDrag();
    dragImage.reset();
    const Punkt h = hoverSquare;
    hoverSquare = Punkt{-1, -1};
    if (h.x >= 1 && CanPlaceAt(h.x, h.y)) {
        PlaceTile(h.x, h.y);
        FrontCanvas front(this);
        DragOverSquare(front, h.x, h.y);
    } else if (tura.highlightedExchangeSlot >= 0) {
        tura.exchangeSlots[tura.highlightedExchangeSlot] = draggedLetter;
        tura.highlightedExchangeSlot = -1;
        ++tura.exchangeCount;
        RefreshExchangeSlots();
        UpdateMoveStatus();
        FrontCanvas front(this);
        DrawInfo(front);
    } else {
        rack->slots[pressedSlot] = draggedLetter;
        FrontCanvas front(this);
        DrawStojak(front);
    }
    DragState = DragIdle;
    pressedSlot = -1;
}

void GraFrame::OnMouseCaptureLost(wxMouseCaptureLostEvent&)
{
    if (DragState != DragDragging)
        return;
    // The framework is still giving the mouse back, so the drag must not
    // release it again.
    dragImage->CaptureLost();
    CancelDrag();
}

void GraFrame::CancelDrag()
{
    if (DragState != DragDragging || !dragImage)
        return;
    // The drop never comes: take away every preview and put the tile back
    // into its gap on the rack.
    dragImage->Hide();
    const Punkt old = hoverSquare;
    hoverSquare = Punkt{-1, -1};
    {
        FrontCanvas front(this);
        if (old.x > 0)
            DragOverSquare(front, old.x, old.y);
        if (tura.highlightedExchangeSlot >= 0) {
            tura.highlightedExchangeSlot = -1;
            DrawExchangeSlots(front);
        }
    }
    Drop();
    Update();
}

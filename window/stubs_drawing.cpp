// Stand-ins for the drawing and tile-placing members of the game window that
// the turn flow calls: they draw nothing, and the take-back does only what
// the turn flow relies on.
#include "model/gra.h"
#include "model/plansza.h"
#include "window/graframe.h"

void GraFrame::Redraw(bool) {}
void GraFrame::DrawPlansza(wxDC&) {}
void GraFrame::DrawStojak(wxDC&) {}
void GraFrame::DrawExchangeSlots(wxDC&) {}
void GraFrame::DrawLetterPicker(wxDC&) {}
void GraFrame::DrawInfo(wxDC&) {}

int GraFrame::TakeBackLastTile()
{
    Stojak& rack = *TheGra->player[TheGra->shown]->rack;
    const int r = rack.FirstEmpty();
    if (tura.placedCount <= 0 || r >= RackSlots)
        return -1;
    const int k = --tura.placedCount;
    const Punkt s = tura.placedSquares[k];
    Pole& square = Plansza[s.x][s.y];
    if (tura.placedLetters[k] == BlankTile) {
        // Forget the blank: later entries move up, its letter is dropped.
        int e = 0;
        while (e < tura.blankCount && tura.blankSquares[e] != s)
            ++e;
        if (e < tura.blankCount) {
            for (; e + 1 < tura.blankCount; ++e)
                tura.blankSquares[e] = tura.blankSquares[e + 1];
            tura.blankSquares[e] = Punkt{-1, -1};
            if (square.blankLetter && tura.blanksLettered > 0)
                --tura.blanksLettered;
            --tura.blankCount;
        }
        square.blankLetter = 0;
    }
    rack.slots[r] = tura.placedLetters[k];
    square.tile = 0;
    putButton->Enable(tura.placedCount > 0);
    UpdateMoveStatus();
    return r;
}

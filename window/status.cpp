// The move status: what the tiles laid this turn amount to, shown in the
// hint lines and the status caption, and whether PUT or EXCHANGE may act.
#include <cstdio>

#include <wx/control.h>
#include <wx/dcmemory.h>
#include <wx/menu.h>

#include "model/gra.h"
#include "model/plansza.h"
#include "platform/tekst.h"
#include "window/ekran.h"
#include "window/geometria.h"
#include "window/graframe.h"
#include "window/tlo.h"
#include "window/zasady.h"

namespace {

// The two hint lines of one status, and the caption it sets (null: the
// caption is left as it is).
struct Hints {
    const char* line1;
    const char* line2;
    const char* caption;
};

const Hints NotInLine{"Newly added tiles must", "form a continous line.", "Tiles should form a line"};
const Hints NotTouching{"New tiles must be", "adjacent to old ones.", "Letters must be connected"};
const Hints NotCentre{"The first word must cross", "the central field", "Not in the center"};
const Hints OneTile{"The first word must", "have at least 2 tiles.", nullptr};
const Hints BlankLetter{"Choose a letter", "for blank tile.", nullptr};

// The room a menu bar title takes beyond its text: GTK pads it by 8 pixels
// on each side; the rest is for themes that pad more.
constexpr int CaptionPadding = 24;

// text when it is at most width pixels wide in window's font; else its
// longest start that is, followed by "...".
wxString CutToWidth(const wxWindow& window, const wxString& text, int width)
{
    if (window.GetTextExtent(text).x <= width)
        return text;
    const wxString more = "...";
    size_t fits = 0, tooLong = text.length();
    while (tooLong - fits > 1) {
        const size_t mid = (fits + tooLong) / 2;
        if (window.GetTextExtent(text.Left(mid) + more).x <= width)
            fits = mid;
        else
            tooLong = mid;
    }
    return text.Left(fits) + more;
}

} // namespace

bool GraFrame::TouchesOldTiles() { return ::TouchesOldTiles(tura); }
bool GraFrame::IsInOneLine() { return ::IsInOneLine(tura); }
bool GraFrame::IsWordValid(int x, int y, bool across) { return ::IsWordValid(x, y, across); }
bool GraFrame::AreAllWordsValid() { return ::AreAllWordsValid(tura); }
int GraFrame::ScoreWord(int x, int y, bool across) { return ::ScoreWord(tura, x, y, across); }
int GraFrame::ScoreMove() { return ::ScoreMove(tura); }

void GraFrame::SetMenuBarText(const wxString& text)
{
    // The bar holds one menu without items; its title is the caption, shown
    // as it is (an '&' is no mnemonic) and cut to the window's width, which
    // the menu bar would otherwise stretch to the whole title.
    const wxString fitted = CutToWidth(*menuBar, text, GameWindowSize.x - CaptionPadding);
    menuBar->Append(new wxMenu(0L), wxControl::EscapeMnemonics(fitted));
    delete menuBar->Remove(0);
}

void GraFrame::UpdateLineAndStatus()
{
    putButton->Enable(tura.placedCount > 0);
    UpdateMoveStatus();
}

void GraFrame::UpdateMoveStatus()
{
    exchangeButton->Disable();
    if (tura.gameOver) {
        // The hint lines keep the result.
        SetMenuBarText("Finished");
        return;
    }
    if (!TheGra)
        return;
    const Gracz& shown = *TheGra->player[TheGra->shown];
    hintLine1[0] = hintLine2[0] = 0;

    auto show = [this](const Hints& h) {
        CopyMessage(hintLine1, h.line1);
        CopyMessage(hintLine2, h.line2);
        putButton->Disable();
        if (h.caption)
            SetMenuBarText(h.caption);
    };
    if (tura.exchangeCount > 0) {
        // An exchange is a whole turn: tiles laid meanwhile cannot be put.
        putButton->Disable();
        if (shown.exchangesUsed >= MaxExchanges) {
            CopyMessage(hintLine1, "You can only change");
            CopyMessage(hintLine2, "letters 3 times!!!");
        } else {
            CopyMessage(hintLine1, "Click EXCHANGE to");
            CopyMessage(hintLine2, "change letters");
            exchangeButton->Enable();
        }
    } else if (tura.placedCount == 0) {
        putButton->Disable();
        SetMenuBarText(wxString::Format("Player: %s", ToWx(shown.name)));
    } else if (tura.blankCount > tura.blanksLettered) {
        show(BlankLetter);
        FrontCanvas dc(this);
        DrawLetterPicker(dc);
    } else if (!TheGra->firstMove && !IsInOneLine()) {
        show(NotInLine);
    } else if (!TheGra->firstMove && !TouchesOldTiles()) {
        show(NotTouching);
    } else if (TheGra->firstMove && !Plansza[CentreSquare][CentreSquare].tile) {
        show(NotCentre);
    } else if (TheGra->firstMove && tura.placedCount == 1) {
        show(OneTile);
    } else if (TheGra->firstMove && !IsInOneLine()) {
        show(NotInLine);
    } else {
        const int score = ScoreMove();
        tura.pendingScore = score;
        CopyMessage(hintLine1, "Click PUT to place word");
        std::snprintf(hintLine2, MessageLineBytes, "Points :%d", score);
        putButton->Enable();
        SetMenuBarText(wxString::Format("Points: %d", score));
    }

    // The info view shows the hint lines: compose its background and info
    // layer off screen and copy the rows that hold them, as wide as the
    // window, since a hint line reaches past its middle.
    if (!boardView && ScreenBuffer.IsOk()) {
        wxMemoryDC mem(ScreenBuffer);
        PaintBackground(mem);
        DrawInfo(mem);
        FrontCanvas dc(this, HintRows);
        dc.Blit(HintRows.GetTopLeft(), HintRows.GetSize(), &mem, HintRows.GetTopLeft(), wxCOPY);
    }
}

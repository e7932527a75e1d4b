// The move status: what the tiles laid this turn amount to, shown in the
// hint lines and the status caption, and whether PUT or EXCHANGE may act.
#include <wx/control.h>
#include <wx/dcmemory.h>
#include <wx/menu.h>

#include "model/gra.h"
#include "platform/tekst.h"
#include "window/ekran.h"
#include "window/geometria.h"
#include "window/graframe.h"
#include "window/tlo.h"
#include "window/zasady.h"

namespace {

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
    const MoveStatus status = JudgeMoveStatus(tura, TheGra);
    if (status.outcome == MoveStatus::NoGame)
        return;
    if (status.outcome == MoveStatus::Judged) {
        CopyMessage(hintLine1, status.hint1.c_str());
        CopyMessage(hintLine2, status.hint2.c_str());
        if (status.score)
            tura.pendingScore = *status.score;
        putButton->Enable(status.put);
        exchangeButton->Enable(status.exchange);
    }
    if (status.caption)
        SetMenuBarText(ToWx(status.caption->c_str()));
    if (status.outcome == MoveStatus::GameOver)
        return;
    if (status.pickLetter) {
        FrontCanvas front(this);
        DrawLetterPicker(front);
    }

    // The info view shows the hint lines: compose its background and info
    // layer off screen and copy the rows that hold them, as wide as the
    // window, since a hint line reaches past its middle.
    if (!boardView && ScreenBuffer.IsOk()) {
        wxMemoryDC mem(ScreenBuffer);
        PaintBackground(mem);
        DrawInfo(mem);
        FrontCanvas front(this, HintRows);
        front.Blit(HintRows.GetTopLeft(), HintRows.GetSize(), &mem, HintRows.GetTopLeft(), wxCOPY);
    }
}

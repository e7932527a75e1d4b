// The turn flow of the game window: PUT, PASS and EXCHANGE, the answer to a
// pending move, the GO bar between human turns, passing the turn on and the
// end of the game.
//
// A computer's turn runs inside Gra::NextPlayer, so a chain of computer turns
// may answer the pending move or end the game before NextPlayer returns:
// every caller tests the pending and game-over flags again afterwards.
#include <climits>

#include <wx/msgdlg.h>
#include <wx/utils.h>

#include "model/gra.h"
#include "model/opcje.h"
#include "model/plansza.h"
#include "window/ekran.h"
#include "window/geometria.h"
#include "window/graframe.h"

namespace {

// The player before the current one: the mover of a pending move.
int Mover(const Gra& g) { return g.current == 0 ? g.players - 1 : g.current - 1; }
// The player after index i.
int After(const Gra& g, int i) { return i + 1 >= g.players ? 0 : i + 1; }

bool IsComputer(const Gra& g, int i) { return g.player[i]->computer != 0; }

// Refills the empty slots of rack from the end of the bag, while it lasts.
void RefillRack(Gra& g, Stojak& rack)
{
    for (int k = 0; k < RackSlots && g.tilesLeft > 0; ++k)
        if (!rack.slots[k]) {
            rack.slots[k] = g.bag->tiles[--g.tilesLeft];
            g.bag->tiles[g.tilesLeft] = 0;
        }
}

// Puts every letter of the exchange slots into the first empty slots of rack.
void ReturnExchangeLetters(Tura& t, Stojak& rack)
{
    for (Tile& slot : t.exchangeSlots)
        if (slot && rack.Add(slot)) {
            slot = 0;
            --t.exchangeCount;
        }
}

void ShowChallengeResult(const char* caption, const char* message)
{
    // The verdict is the box's main text as well as its title: a window
    // manager may cut a title short, and with none there is no title at all.
    wxMessageDialog box(nullptr, caption, caption, wxOK, wxPoint(10, 10));
    box.SetExtendedMessage(message);
    box.ShowModal();
}

} // namespace

void Gra::NextPlayer()
{
    if (players <= 0)
        return;
    current = After(*this, current);
    if (!IsComputer(*this, current)) {
        shown = current;
        return;
    }
    // Consecutive computer turns in a game without humans: let the board be
    // seen between them.
    if (humans == 0 && IsComputer(*this, Mover(*this))) {
        if (TheGraFrame) {
            TheGraFrame->Redraw(false);
            TheGraFrame->Update();
        }
        if (ComputerTurnPauseMs > 0)
            wxMilliSleep(ComputerTurnPauseMs);
    }
    ComputerTurn(this);
}

void GraFrame::ResetTurn()
{
    tura.ResetForNewTurn(*TheGra);
    DragState = DragIdle;
    hoverSquare = Punkt{-1, -1};
    draggedLetter = 'A';
}

void GraFrame::UpdateControls(bool afterAccept)
{
    if (!TheGra)
        return;
    const Gra& g = *TheGra;
    tura.inputEnabled = g.current == g.shown;
    if (tura.pending)
        AskAcceptWord();
    else if (!tura.gameOver)
        EndAcceptPrompt();
    // Every turn change opens the board view.
    if (!boardView)
        SetBoardView(true);
    if (tura.gameOver) {
        for (wxWindow* b : {putButton, passButton, exchangeButton, yesButton, noButton})
            b->Disable();
        return;
    }
    if (tura.inputEnabled && !tura.pending) {
        passButton->Enable();
        UpdateMoveStatus();
        if (g.humans >= 2 && !afterAccept)
            ShowGoBar();
        return;
    }
    putButton->Disable();
    passButton->Disable();
    exchangeButton->Disable();
    if (g.humans >= 2)
        ShowGoBar();
}

void GraFrame::AskAcceptWord()
{
    if (!boardView)
        SetBoardView(true);
    putButton->Hide();
    viewButton->Hide();
    FrontCanvas dc(this);
    DrawPlansza(dc);
    CopyMessage(statusLine, "Accept this word?");
    dc.SetClippingRegion(PromptArea);
    yesButton->Show();
    noButton->Show();
    TurnControlsShown();
    PaintBackground(dc);
    DrawInfo(dc);
    dc.DestroyClippingRegion();
}

void GraFrame::EndAcceptPrompt()
{
    statusLine[0] = 0;
    yesButton->Hide();
    noButton->Hide();
    FrontCanvas dc(this);
    dc.SetClippingRegion(PromptArea);
    putButton->Show();
    viewButton->Show();
    PaintBackground(dc);
    DrawInfo(dc);
    DrawStojak(dc);
    dc.DestroyClippingRegion();
}

void GraFrame::ShowGoBar()
{
    for (wxWindow* b : {yesButton, noButton, viewButton})
        b->Disable();
    for (wxWindow* b : {yesButton, noButton, putButton, viewButton})
        b->Hide();
    goButton->Show();
    TurnControlsShown();
}

void GraFrame::TurnControlsShown() { turnControlsShownAt = std::chrono::steady_clock::now(); }

bool GraFrame::TurnControlsJustShown() const
{
    return std::chrono::steady_clock::now() - turnControlsShownAt
           < std::chrono::milliseconds(TurnControlsGuardMs);
}

void GraFrame::OnGoButton(wxCommandEvent&)
{
    if (!tura.inputEnabled || tura.gameOver || TurnControlsJustShown())
        return;
    goButton->Hide();
    for (wxWindow* b : {yesButton, noButton, viewButton})
        b->Enable();
    yesButton->Show(tura.pending);
    noButton->Show(tura.pending);
    putButton->Show(!tura.pending);
    viewButton->Show(!tura.pending);
    if (tura.pending)
        TurnControlsShown();
}

void GraFrame::SubmitMove()
{
    Gra& g = *TheGra;
    ReturnExchangeLetters(tura, *g.player[g.current]->rack);
    tura.highlight = 1;
    tura.pending = 1;
    g.NextPlayer();
    if (tura.gameOver)
        return;
    ResetTurn();
    hintLine1[0] = hintLine2[0] = 0;
    // Without confirmation a human never answers a computer's move.
    if (tura.pending && IsComputer(g, Mover(g)) && !IsComputer(g, g.current) &&
        !ConfirmComputerMove) {
        AcceptWord();
        if (tura.gameOver)
            return;
    }
    UpdateControls(false);
    if (g.humans >= 2)
        ShowGoBar();
    Redraw(false);
}

void GraFrame::Pass()
{
    Gra& g = *TheGra;
    // The mover's letters: a computer that passes is never the shown player.
    ReturnExchangeLetters(tura, *g.player[g.current]->rack);
    TakeBackPlacedTiles();
    if (++g.scorelessTurns == 2 * g.players) {
        EndGame(-1);
        return;
    }
    HandTurnOn();
}

void GraFrame::Exchange()
{
    Gra& g = *TheGra;
    Gracz& player = *g.player[g.current];
    // Refused without a word: the letters stay in their slots. Every letter
    // drawn must find a free rack slot, or a tile would leave the game.
    if (!MayExchange(g, player) || tura.exchangeCount == 0
        || RackSlots - player.rack->Count() < tura.exchangeCount)
        return;
    g.scorelessTurns = 0;
    ++player.exchangesUsed;
    for (Tile& slot : tura.exchangeSlots) {
        if (!slot)
            continue;
        Tile& last = g.bag->tiles[g.tilesLeft - 1];
        const Tile drawn = last;
        last = slot;
        slot = drawn;
        ShuffleBag(&g);
    }
    ReturnExchangeLetters(tura, *player.rack);
    TakeBackPlacedTiles();
    HandTurnOn();
}

void GraFrame::TakeBackPlacedTiles()
{
    // A take-back that finds no room stops the loop instead of spinning.
    while (tura.placedCount > 0 && TakeBackLastTile() >= 0) {
    }
    tura.pending = 0;
}

void GraFrame::HandTurnOn()
{
    TheGra->NextPlayer();
    if (tura.gameOver)
        return;
    ResetTurn();
    if (TheGra->humans >= 2)
        ShowGoBar();
    UpdateControls(false);
    Redraw(false);
}

bool GraFrame::CreditMove(int mover)
{
    Gra& g = *TheGra;
    Gracz& p = *g.player[mover];
    p.score += tura.pendingScore;
    if (p.rack->Count() == 0 && g.tilesLeft == 0) {
        EndGame(mover);
        return true;
    }
    g.firstMove = 0;
    tura.pendingScore = 0;
    tura.placedCount = 0;
    g.scorelessTurns = 0;
    RefillRack(g, *p.rack);
    return false;
}

void GraFrame::AcceptWord()
{
    tura.pending = 0;
    tura.highlight = 0;
    if (CreditMove(Mover(*TheGra)))
        return;
    {
        FrontCanvas dc(this);
        DrawPlansza(dc);
        DrawInfo(dc);
    }
    UpdateControls(true);
    UpdateMoveStatus();
}

void GraFrame::ChallengeWord()
{
    Gra& g = *TheGra;
    const int mover = Mover(g);
    tura.pending = 0;
    tura.highlight = 0;
    if (AreAllWordsValid()) {
        ShowChallengeResult("Word is valid!", "You have lost your turn.");
        if (CreditMove(mover))
            return;
        // The turn passes over the challenger.
        g.NextPlayer();
        if (tura.gameOver)
            return;
        ResetTurn();
    } else {
        ShowChallengeResult("Word is not valid!", "No points.");
        const int challenger = g.current;
        g.current = mover;
        // The tiles go back to the mover's rack, which the take-back fills
        // as the shown one; a computer mover is shown only for that.
        const int shownBefore = g.shown;
        g.shown = mover;
        TakeBackPlacedTiles();
        if (IsComputer(g, mover)) {
            // The take-back's status update spoke for the mover: speak for
            // the shown player again.
            g.shown = shownBefore;
            UpdateMoveStatus();
        }
        tura.pendingScore = 0;
        tura.placedCount = 0;
        if (++g.scorelessTurns == 2 * g.players) {
            EndGame(-1);
            return;
        }
        g.current = challenger;
        if (!IsComputer(g, challenger))
            g.shown = challenger;
        ResetTurn();
    }
    {
        FrontCanvas dc(this);
        DrawPlansza(dc);
        DrawStojak(dc);
        DrawExchangeSlots(dc);
        DrawInfo(dc);
    }
    if (g.humans >= 2)
        ShowGoBar();
    UpdateControls(false);
}

void GraFrame::EndGame(int out)
{
    Gra& g = *TheGra;
    // Every rack's values are lost; the player who went out gains them all.
    int total = 0;
    for (int i = 0; i < g.players; ++i) {
        int left = 0;
        for (int k = 0; k < RackSlots; ++k)
            left += LetterValue(g.player[i]->rack->slots[k]);
        g.player[i]->score -= left;
        total += left;
    }
    if (out >= 0 && out < g.players)
        g.player[out]->score += total;

    statusLine[0] = 0;
    CopyMessage(hintLine1, "The winner is");
    int best = INT_MIN, winner = 0;
    bool shared = false;
    for (int i = 0; i < g.players; ++i) {
        if (g.player[i]->score > best) {
            best = g.player[i]->score;
            winner = i;
            shared = false;
        } else if (g.player[i]->score == best) {
            shared = true;
        }
    }
    if (shared) {
        CopyMessage(hintLine1, "DRAW!");
        hintLine2[0] = 0;
    } else {
        CopyMessage(hintLine2, g.player[winner]->name);
    }
    tura.gameOver = 1;
    UpdateMoveStatus();
    for (wxWindow* b : {passButton, noButton, yesButton, exchangeButton, putButton})
        b->Disable();
    // The GO bar would cover VIEW, the only way to the result and CLOSE.
    goButton->Hide();
    viewButton->Show();
    viewButton->Enable();
    Redraw(true);
}

void GraFrame::OnAnyButton(wxCommandEvent& event)
{
    // A button pressed from the keyboard while the stylus holds a tile: the
    // tile goes back to the rack first, so the button acts on the turn as a
    // drop on no target would have left it.
    CancelDrag();
    event.Skip();
}

void GraFrame::OnPutButton(wxCommandEvent&) { SubmitMove(); }
void GraFrame::OnPassButton(wxCommandEvent&) { Pass(); }
void GraFrame::OnExchangeButton(wxCommandEvent&) { Exchange(); }

// An answer brings PUT and VIEW back and takes the question down at once:
// the challenge's message box then opens over the bar as it will stay, not
// over YES and NO with PUT and VIEW drawn across them.
void GraFrame::OnYesButton(wxCommandEvent&)
{
    if (TurnControlsJustShown())
        return;
    EndAcceptPrompt();
    AcceptWord();
}

void GraFrame::OnNoButton(wxCommandEvent&)
{
    if (TurnControlsJustShown())
        return;
    EndAcceptPrompt();
    ChallengeWord();
}

void GraFrame::OnBackToMenu(wxCommandEvent&)
{
    if (TheStartWindow)
        TheStartWindow->Show(true);
    Close(true);
}

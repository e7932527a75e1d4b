// The reference move search: every word the current player's rack can lay
// through an anchor square, found line by line (rows, then columns) by
// walking the dictionary graph, each candidate scored and the best one by
// the player's strength kept in NajlepszyRuch. It is the plain statement of
// the search order; FindBestMove (szukanie.h) must choose exactly as it does.
//
// Order and ties: rows top to bottom, then columns left to right; anchors in
// line order; left parts shortest first; letters in the order of the
// dictionary's sibling lists, depth first. A later candidate replaces the best
// only when it scores strictly more. Strength I stops once the best raw score
// is above 5, II once it is above 14; III ranks by raw score, IV by the
// risk-adjusted score.
#pragma once

#include "computer/stan_szukania.h"

namespace reference {

// Prepares the board, searches, leaves the best move in NajlepszyRuch and
// lays its letters on Plansza (a blank as its plain letter). Reads the current
// player of TheGra, his rack and his strength.
void FindBestMove();

// The three steps below are the search's own, called only from within
// FindBestMove, which prepares the state they read (level, bounds, line).

// Left parts before the anchor at position anchor: first the word as it
// stands, then each letter of list that the rack supplies, while limit free
// squares remain before the anchor.
void LeftPart(int anchor, char* word, int len, int list, int node, int limit);

// Extends the word through position pos: a tile on the board is followed, an
// empty square takes each letter of list that its set and the rack allow. A
// word is recorded on the empty square (or border) after its last letter,
// once the anchor has been filled (extended).
void ExtendRight(int pos, char* word, int len, int list, int node, bool extended);

// Lays word (len letters from Szukanie's start) on the board, scores it and
// keeps it as the best move when it scores strictly more; then takes it off.
void TryCandidate(char* word, int len);

} // namespace reference

// For tests, of the reference search: whether it skips branches that cannot
// score strictly more than the best so far (on by default; the move chosen is
// the same), and a hook called for every candidate scored, with Szukanie
// describing it.
struct SearchControl {
    bool prune = true;
    void (*onCandidate)(int raw, int adjusted) = nullptr;
};
extern SearchControl TheSearchControl;

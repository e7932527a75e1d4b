#include "computer/szukanie.h"

#include <climits>

#include "computer/kotwice.h"
#include "computer/ocena.h"
#include "model/gra.h"
#include "model/slownik.h"

StanSzukania Szukanie;
BestMove NajlepszyRuch;
SearchControl TheSearchControl;

Gracz* CurrentPlayer()
{
    if (!TheGra || TheGra->current < 0 || TheGra->current >= MaxPlayers)
        return nullptr;
    return TheGra->player[TheGra->current];
}

namespace {

// The letter index of each tile the search may place ('a' to 'z'), else 0:
// dictionary nodes of other letters are passed over.
struct PlaceableTable {
    std::uint8_t index[256] = {};
    PlaceableTable()
    {
        for (int c = 'a'; c <= 'z'; ++c)
            index[c] = static_cast<std::uint8_t>(LetterIndex(static_cast<Tile>(c)));
    }
};
const PlaceableTable Placeable;

LetterBits Bit(int index) { return LetterBits{1} << index; }

// Bits of the letters 'a' to 'z'.
const LetterBits PlaceableBits = [] {
    LetterBits bits = 0;
    for (int c = 'a'; c <= 'z'; ++c)
        bits |= Bit(Placeable.index[c]);
    return bits;
}();

// A board tile that no word can pass through (a blank without a letter).
constexpr Tile UnusableLetter = 0xFF;

// What one search keeps besides Szukanie.
struct SearchRun {
    int level = 0;
    int stopAbove = INT_MAX;        // the early stop of levels I and II
    LetterBits rackLetters = 0;     // letters with a tile left on the rack
} Run;

bool Stopped() { return NajlepszyRuch.rawScore > Run.stopAbove; }

// The letters the rack can still supply: its letters, or any with a blank.
LetterBits Available()
{
    const bool blank = Szukanie.rack[BlankIndex] > 0 && Szukanie.blanksInUse < MaxMoveBlanks;
    return Run.rackLetters | (blank ? PlaceableBits : 0);
}

// Takes a tile for letter index i at word position len: a letter tile while
// one is left, else a blank. Returns whether it was a blank.
bool TakeTile(int i, int len)
{
    if (Szukanie.rack[i] > 0) {
        if (--Szukanie.rack[i] == 0)
            Run.rackLetters &= ~Bit(i);
        return false;
    }
    --Szukanie.rack[BlankIndex];
    Szukanie.blankPositions[Szukanie.blanksInUse++] = len;
    return true;
}

void GiveTileBack(int i, bool blank)
{
    if (blank) {
        Szukanie.blankPositions[--Szukanie.blanksInUse] = -1;
        ++Szukanie.rack[BlankIndex];
    } else if (Szukanie.rack[i]++ == 0) {
        Run.rackLetters |= Bit(i);
    }
}

int& StartAlongLine() { return Szukanie.across ? Szukanie.startX : Szukanie.startY; }

bool TouchesTile(int x, int y)
{
    return Plansza[x - 1][y].tile || Plansza[x + 1][y].tile || Plansza[x][y - 1].tile
           || Plansza[x][y + 1].tile;
}

// Copies line number n of the current pass into Szukanie's line buffer.
void FillLine(int n)
{
    for (int i = 0; i < BoardSpan; ++i) {
        const int x = Szukanie.across ? i : n, y = Szukanie.across ? n : i;
        const Pole& p = Plansza[x][y];
        LineSlot& slot = Szukanie.line[i];
        const bool border = i == 0 || i > BoardSize;
        slot.letter = !p.tile ? 0 : Placeable.index[p.Letter()] ? p.Letter() : UnusableLetter;
        slot.anchor = p.anchor;
        slot.open = !border && !p.tile && !p.anchor && !TouchesTile(x, y);
        slot.set = border ? 0 : (Szukanie.across ? p.acrossSet : p.downSet).Word();
    }
}

// The words through the anchor at position pos of the current line.
void SearchAnchor(int pos)
{
    const LineSlot* line = Szukanie.line;
    char* word = Szukanie.word;
    if (!line[pos - 1].letter) {
        // Left parts lie only on free squares that touch no tile; in a game
        // these are exactly the squares back to the previous anchor.
        int limit = 0;
        while (line[pos - 1 - limit].open)
            ++limit;
        StartAlongLine() = pos;
        LeftPart(pos, word, 0, TopLevelList, 0, limit);
        return;
    }
    // The tiles before the anchor begin the word; no rack letter goes there.
    int first = pos;
    while (line[first - 1].letter)
        --first;
    int list = TopLevelList, node = 0, len = 0;
    for (int i = first; i < pos; ++i) {
        node = 0;
        list = Slownik::FindChild(line[i].letter, list, node);
        if (!node || list <= 0)
            return;
        word[len++] = static_cast<char>(line[i].letter);
    }
    StartAlongLine() = first;
    LeftPart(pos, word, len, list, node, 0);
}

void SearchPass(bool across)
{
    Szukanie.across = across;
    for (int n = 1; n <= BoardSize; ++n) {
        (across ? Szukanie.startY : Szukanie.startX) = n;
        FillLine(n);
        for (int pos = 1; pos <= BoardSize; ++pos) {
            if (Stopped())
                return;
            if (Szukanie.line[pos].anchor)
                SearchAnchor(pos);
        }
    }
}

void ResetBestMove() { NajlepszyRuch = BestMove{}; }

void LayBestMove()
{
    for (int k = 0; k < NajlepszyRuch.tileCount; ++k) {
        Pole& p = Plansza[NajlepszyRuch.squares[k].x][NajlepszyRuch.squares[k].y];
        p.tile = NajlepszyRuch.letters[k];
        p.blankLetter = 0;
    }
}

} // namespace

void LeftPart(int anchor, char* word, int len, int list, int node, int limit)
{
    ExtendRight(anchor, word, len, list, node, false);
    if (!TheGra || limit <= 0)
        return;
    const int end = Slownik::Limit();
    for (int i = list; i > 0 && i < end; ++i) {
        if (Stopped())
            return;
        const Wezel& c = Slownik::Node(i);
        const int index = Placeable.index[c.letter];
        // A letter without a child list cannot reach the anchor.
        if (c.firstChild > 0 && (Available() & Bit(index)) && index) {
            const bool blank = TakeTile(index, len);
            word[len] = static_cast<char>(c.letter);
            --StartAlongLine();
            LeftPart(anchor, word, len + 1, c.firstChild, i, limit - 1);
            ++StartAlongLine();
            GiveTileBack(index, blank);
        }
        if (c.lastSibling)
            break;
    }
}

void ExtendRight(int pos, char* word, int len, int list, int node, bool extended)
{
    if (!TheGra)
        return;
    const LineSlot& slot = Szukanie.line[pos];
    if (slot.letter) {
        int found = 0;
        const int child = Slownik::FindChild(slot.letter, list, found);
        if (found) {
            word[len] = static_cast<char>(slot.letter);
            ExtendRight(pos + 1, word, len + 1, child, found, true);
        }
        return;
    }
    // An empty square or the border after the word's last letter.
    if (extended && node >= 1 && Slownik::Node(node).endOfWord)
        TryCandidate(word, len);
    const LetterBits allowed = slot.set & Available();
    if (!allowed)
        return;
    const int end = Slownik::Limit();
    for (int i = list; i > 0 && i < end; ++i) {
        if (Stopped())
            return;
        const Wezel& c = Slownik::Node(i);
        const int index = Placeable.index[c.letter];
        if (index && (allowed & Bit(index))) {
            const bool blank = TakeTile(index, len);
            word[len] = static_cast<char>(c.letter);
            ExtendRight(pos + 1, word, len + 1, c.firstChild, i, true);
            GiveTileBack(index, blank);
        }
        if (c.lastSibling)
            break;
    }
}

void TryCandidate(char* word, int len)
{
    word[len] = 0;
    StanSzukania& s = Szukanie;
    s.candidateCount = 0;
    int blankTiles[MaxMoveBlanks] = {0, 0};
    for (int i = 0; i < len; ++i) {
        const int x = s.startX + (s.across ? i : 0), y = s.startY + (s.across ? 0 : i);
        Pole& p = Plansza[x][y];
        if (p.tile)
            continue;
        const Tile letter = static_cast<Tile>(word[i]);
        bool blank = false;
        for (int b = 0; b < s.blanksInUse; ++b)
            if (i == s.blankPositions[b]) {
                blankTiles[b] = s.candidateCount;
                blank = true;
            }
        p.tile = blank ? BlankTile : letter;
        p.blankLetter = blank ? letter : 0;
        s.candidateSquares[s.candidateCount] = {x, y};
        s.candidateLetters[s.candidateCount] = letter;
        ++s.candidateCount;
    }

    const int raw = ScoreCandidateMove();
    const int adjusted = RiskAdjustedScore(raw);
    if (TheSearchControl.onCandidate)
        TheSearchControl.onCandidate(raw, adjusted);
    const bool better = Run.level < 4 ? raw > NajlepszyRuch.rawScore
                                      : adjusted > NajlepszyRuch.adjustedScore;
    if (better) {
        BestMove& b = NajlepszyRuch;
        b.rawScore = raw;
        b.adjustedScore = adjusted;
        b.tileCount = s.candidateCount;
        for (int k = 0; k < s.candidateCount; ++k) {
            b.squares[k] = s.candidateSquares[k];
            b.letters[k] = s.candidateLetters[k];
        }
        b.letters[s.candidateCount] = 0;
        b.blankCount = s.blanksInUse;
        for (int k = 0; k < MaxMoveBlanks; ++k)
            b.blankTiles[k] = blankTiles[k];
        for (int k = 0; k < LetterIndexCount; ++k)
            b.rackAfter[k] = s.rack[k];
    }

    for (int k = 0; k < s.candidateCount; ++k) {
        Pole& p = Plansza[s.candidateSquares[k].x][s.candidateSquares[k].y];
        p.tile = 0;
        p.blankLetter = 0;
    }
}

void FindBestMove()
{
    ResetBestMove();
    Szukanie.candidateCount = 0;
    const Gracz* player = CurrentPlayer();
    if (!player)
        return;
    MarkAnchors(TheGra->firstMove);
    ComputeAcrossCrossSets();
    ComputeDownCrossSets();

    Szukanie.blanksInUse = 0;
    Szukanie.blankPositions[0] = Szukanie.blankPositions[1] = -1;
    CountRackLetters();
    Run.level = player->Poziom;
    Run.stopAbove = Run.level == 1 ? 5 : Run.level == 2 ? 14 : INT_MAX;
    Run.rackLetters = 0;
    for (int c = 'a'; c <= 'z'; ++c)
        if (Szukanie.rack[Placeable.index[c]] > 0)
            Run.rackLetters |= Bit(Placeable.index[c]);

    SearchPass(true);
    SearchPass(false);
    LayBestMove();
}

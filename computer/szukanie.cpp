#include "computer/szukanie.h"

#include <algorithm>
#include <climits>
#include <iterator>

#include "computer/granica.h"
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

// What one search keeps besides Szukanie.
struct SearchRun {
    int level = 0;
    int stopAbove = INT_MAX;        // the early stop of levels I and II
    RackBound rack;                 // the whole rack
    LetterBits rackLetters = 0;     // letters with a tile left on the rack
    int lettersOfValue[MaxLetterValue + 1] = {}; // letter tiles left, by value
    // The word being built, scored as far as it goes: the sum of its letters
    // (premiums of its new tiles included), the product of its new tiles'
    // word multipliers, its cross words and its number of new tiles.
    int sum = 0, product = 1, cross = 0, tiles = 0;
    LineBound line;                 // the bounds of the current line
    // Entry n bounds, in the level's ranking, every candidate at the current
    // anchor whose left part has n letters or more.
    int leftPartBound[RackSlots + 2] = {};
} Run;

bool Stopped() { return NajlepszyRuch.rawScore > Run.stopAbove; }

// The small steps of the search's inner loops are inlined into them (the
// recursive loops are too large for the compiler to inline them itself).

// The letters the rack can still supply: its letters, or any with a blank.
[[gnu::always_inline]] inline LetterBits Available()
{
    const bool blank = Szukanie.rack[BlankIndex] > 0 && Szukanie.blanksInUse < MaxMoveBlanks;
    return Run.rackLetters | (blank ? PlaceableBits : 0);
}

// Takes a tile for letter index i at word position len: a letter tile while
// one is left, else a blank. Returns whether it was a blank.
[[gnu::always_inline]] inline bool TakeTile(int i, int len)
{
    if (Szukanie.rack[i] > 0) {
        if (--Szukanie.rack[i] == 0)
            Run.rackLetters &= ~Bit(i);
        --Run.lettersOfValue[IndexValue(i)];
        return false;
    }
    --Szukanie.rack[BlankIndex];
    Szukanie.blankPositions[Szukanie.blanksInUse++] = len;
    return true;
}

[[gnu::always_inline]] inline void GiveTileBack(int i, bool blank)
{
    if (blank) {
        Szukanie.blankPositions[--Szukanie.blanksInUse] = -1;
        ++Szukanie.rack[BlankIndex];
        return;
    }
    if (Szukanie.rack[i]++ == 0)
        Run.rackLetters |= Bit(i);
    ++Run.lettersOfValue[IndexValue(i)];
}

int& StartAlongLine() { return Szukanie.across ? Szukanie.startX : Szukanie.startY; }

// The best move's score in the level's ranking.
int BestScore() { return Run.level < 4 ? NajlepszyRuch.rawScore : NajlepszyRuch.adjustedScore; }

// A raw score in the level's ranking for a word starting at position start.
int RankedScore(int raw, int start)
{
    if (raw < 0 || Run.level < 4)
        return raw;
    return static_cast<int>(raw / Run.line.RiskFactor(start));
}

// Whether the candidates of a branch, scoring at most raw from position
// start, may hold one that becomes the best move.
bool MayBeat(int raw, int start)
{
    return !TheSearchControl.prune || RankedScore(raw, start) > BestScore();
}

// Adds a new tile of letter index i (a blank or not) on position pos to
// Run's score of the word.
[[gnu::always_inline]] inline void ScoreNewTile(int pos, int i, bool blank)
{
    const SquareBound& b = Run.line[pos];
    const int counted = CountedValue(blank ? 0 : IndexValue(i), b.colourClass);
    Run.sum += counted;
    Run.product *= b.wordMultiplier;
    if (b.crossWord)
        Run.cross += (b.crossSum + counted) * b.wordMultiplier;
    ++Run.tiles;
}

// Run's score of the word's first len letters as they now lie.
void ScoreWordStart(int len)
{
    Run.sum = Run.cross = Run.tiles = 0;
    Run.product = 1;
    const int start = StartAlongLine();
    for (int i = 0; i < len; ++i) {
        if (Szukanie.line[start + i].letter) {
            Run.sum += Run.line[start + i].value;
            continue;
        }
        bool blank = false;
        for (int b = 0; b < Szukanie.blanksInUse; ++b)
            blank |= Szukanie.blankPositions[b] == i;
        ScoreNewTile(start + i, Placeable.index[static_cast<Tile>(Szukanie.word[i])], blank);
    }
}

// Run's leftPartBound for the anchor at pos: left parts on the free squares
// before it, each square filled by the best rack letter for it.
void BoundLeftParts(int pos, int limit)
{
    const int longest = std::min(limit, Run.rack.tiles - 1);
    int* bound = Run.leftPartBound;
    int sum = 0, product = 1;
    for (int n = 0; n < static_cast<int>(std::size(Run.leftPartBound)); ++n) {
        if (n > longest) {
            bound[n] = -1;
            continue;
        }
        if (n > 0) {
            sum += Run.line[pos - n].value;
            product *= Run.line[pos - n].wordMultiplier;
        }
        bound[n] = RankedScore(
            Run.line.Ending(pos, sum, product, 0, n, Run.rack.lettersOfValue), pos - n);
    }
    for (int n = longest - 1; n >= 0; --n)
        bound[n] = std::max(bound[n], bound[n + 1]);
}

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
    Run.line.Prepare(Szukanie.across, n, Run.rack);
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
        BoundLeftParts(pos, limit);
        if (TheSearchControl.prune && Run.leftPartBound[0] <= BestScore())
            return;
        StartAlongLine() = pos;
        LeftPart(pos, word, 0, TopLevelList, 0, limit);
        return;
    }
    // The tiles before the anchor begin the word; no rack letter goes there.
    int first = pos, sum = 0;
    while (line[first - 1].letter)
        sum += Run.line[--first].value;
    if (!MayBeat(Run.line.Ending(pos, sum, 1, 0, 0, Run.rack.lettersOfValue), first))
        return;
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

// Counts the rack for the search and its bounds.
void PrepareRack()
{
    Szukanie.blanksInUse = 0;
    Szukanie.blankPositions[0] = Szukanie.blankPositions[1] = -1;
    CountRackLetters();
    RackBound& rack = Run.rack;
    rack = RackBound{};
    rack.tiles = std::min(Szukanie.rack[BlankIndex], MaxMoveBlanks);
    for (int c = 'a'; c <= 'z'; ++c) {
        const int i = Placeable.index[c];
        if (const int n = Szukanie.rack[i]; n > 0) {
            rack.letters |= Bit(i);
            rack.tiles += n;
            rack.lettersOfValue[IndexValue(i)] += n;
        }
    }
    Run.rackLetters = rack.letters;
    std::copy(std::begin(rack.lettersOfValue), std::end(rack.lettersOfValue),
              Run.lettersOfValue);
    rack.available = Available();
}

// For each node of the sibling list from list whose letter is in allowed
// (and has a child list, with needChild): takes a tile for it, puts its
// letter at word[len], calls visit(node, its record, letter index, whether
// the tile is a blank) and gives the tile back. Stops at the early stop.
template <class Visit>
void ForEachLetter(int list, LetterBits allowed, bool needChild, char* word, int len, Visit visit)
{
    const int end = Slownik::Limit();
    for (int i = list; i > 0 && i < end; ++i) {
        if (Stopped())
            return;
        const Wezel& c = Slownik::Node(i);
        const int index = Placeable.index[c.letter];
        if (index && (allowed & Bit(index)) && (!needChild || c.firstChild > 0)) {
            const bool blank = TakeTile(index, len);
            word[len] = static_cast<char>(c.letter);
            visit(i, c, index, blank);
            GiveTileBack(index, blank);
        }
        if (c.lastSibling)
            break;
    }
}

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
    ScoreWordStart(len);
    ExtendRight(anchor, word, len, list, node, false);
    if (!TheGra || limit <= 0)
        return;
    if (TheSearchControl.prune && Run.leftPartBound[len + 1] <= BestScore())
        return;
    // A letter without a child list cannot reach the anchor.
    ForEachLetter(list, Available(), true, word, len, [&](int i, const Wezel& c, int, bool) {
        --StartAlongLine();
        LeftPart(anchor, word, len + 1, c.firstChild, i, limit - 1);
        ++StartAlongLine();
    });
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
            const int sum = Run.sum;
            Run.sum += Run.line[pos].value;
            ExtendRight(pos + 1, word, len + 1, child, found, true);
            Run.sum = sum;
        }
        return;
    }
    // An empty square or the border after the word's last letter.
    if (extended && node >= 1 && Slownik::Node(node).endOfWord)
        TryCandidate(word, len);
    const LetterBits allowed = slot.set & Available();
    if (!allowed)
        return;
    const int bound =
        Run.line.Ending(pos, Run.sum, Run.product, Run.cross, Run.tiles, Run.lettersOfValue);
    if (!MayBeat(bound, StartAlongLine()))
        return;
    ForEachLetter(list, allowed, false, word, len,
                  [&](int i, const Wezel& c, int index, bool blank) {
                      const int sum = Run.sum, product = Run.product, cross = Run.cross;
                      ScoreNewTile(pos, index, blank);
                      ExtendRight(pos + 1, word, len + 1, c.firstChild, i, true);
                      Run.sum = sum;
                      Run.product = product;
                      Run.cross = cross;
                      --Run.tiles;
                  });
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
    if ((Run.level < 4 ? raw : adjusted) > BestScore()) {
        BestMove& b = NajlepszyRuch;
        b.rawScore = raw;
        b.adjustedScore = adjusted;
        b.tileCount = s.candidateCount;
        std::copy(s.candidateSquares, s.candidateSquares + s.candidateCount, b.squares);
        std::copy(s.candidateLetters, s.candidateLetters + s.candidateCount, b.letters);
        b.letters[s.candidateCount] = 0;
        b.blankCount = s.blanksInUse;
        std::copy(std::begin(blankTiles), std::end(blankTiles), b.blankTiles);
        std::copy(std::begin(s.rack), std::end(s.rack), b.rackAfter);
    }

    for (int k = 0; k < s.candidateCount; ++k) {
        Pole& p = Plansza[s.candidateSquares[k].x][s.candidateSquares[k].y];
        p.tile = 0;
        p.blankLetter = 0;
    }
}

void FindBestMove()
{
    NajlepszyRuch = BestMove{};
    Szukanie.candidateCount = 0;
    const Gracz* player = CurrentPlayer();
    if (!player)
        return;
    MarkAnchors(TheGra->firstMove);
    ComputeAcrossCrossSets();
    ComputeDownCrossSets();
    PrepareRack();
    Run.level = player->Poziom;
    Run.stopAbove = Run.level == 1 ? 5 : Run.level == 2 ? 14 : INT_MAX;

    SearchPass(true);
    SearchPass(false);
    LayBestMove();
}

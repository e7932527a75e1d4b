#include "computer/szukanie_wspolne.h"

#include <algorithm>
#include <iterator>
#include <type_traits>

#include "computer/kotwice.h"
#include "computer/ocena.h"
#include "model/gra.h"
#include "model/slownik.h"

StanSzukania Szukanie;
BestMove NajlepszyRuch;

bool SameMove(const BestMove& a, const BestMove& b)
{
    if (a.tileCount != b.tileCount || a.rawScore != b.rawScore
        || a.adjustedScore != b.adjustedScore || a.blankCount != b.blankCount
        || !std::equal(a.rackAfter, a.rackAfter + LetterIndexCount, b.rackAfter)
        || !std::equal(a.blankTiles, a.blankTiles + a.blankCount, b.blankTiles))
        return false;
    for (int k = 0; k < a.tileCount; ++k)
        if (a.squares[k].x != b.squares[k].x || a.squares[k].y != b.squares[k].y
            || a.letters[k] != b.letters[k])
            return false;
    return true;
}

Gracz* CurrentPlayer()
{
    if (!TheGra || TheGra->current < 0 || TheGra->current >= MaxPlayers)
        return nullptr;
    return TheGra->player[TheGra->current];
}

namespace search_detail {

PlaceableTable::PlaceableTable()
{
    for (int c = 'a'; c <= 'z'; ++c)
        index[c] = static_cast<std::uint8_t>(LetterIndex(static_cast<Tile>(c)));
}
const PlaceableTable Placeable;

const LetterBits PlaceableBits = [] {
    LetterBits bits = 0;
    for (int c = 'a'; c <= 'z'; ++c)
        bits |= Bit(Placeable.index[c]);
    return bits;
}();

SearchRun TheRun;

bool OrderKey::operator<(const OrderKey& other) const
{
    return std::lexicographical_compare(steps, steps + length, other.steps,
                                        other.steps + other.length);
}

OrderKey KeyOf(const char* word, int len, int leftLength)
{
    OrderKey key;
    // A word has at most a line's letters: with the mark they fill steps.
    static_assert(std::extent_v<decltype(OrderKey::steps)> == BoardSize + 1, "letters and mark");
    len = std::min(len, BoardSize);
    int list = TopLevelList;
    for (int i = 0; i < len; ++i) {
        if (i == leftLength)
            key.steps[key.length++] = -1;
        int found = 0;
        const int child = Slownik::FindChild(static_cast<Tile>(word[i]), list, found);
        key.steps[key.length++] = static_cast<std::int16_t>(found - list);
        list = child;
    }
    return key;
}

bool Beats(int score, const char* word, int len)
{
    const int best = BestScore();
    if (score != best)
        return score > best;
    if (TheRun.rank != TheRun.bestRank)
        return TheRun.rank < TheRun.bestRank;
    return TheRun.keyed && NajlepszyRuch.tileCount > 0
           && KeyOf(word, len, TheRun.anchor - StartAlongLine()) < TheRun.bestKey;
}

void ScoreWordStart(int len)
{
    TheRun.score = WordScore{};
    const int start = StartAlongLine();
    for (int i = 0; i < len; ++i) {
        if (Szukanie.line[start + i].letter) {
            TheRun.score.sum += (*TheRun.line)[start + i].value;
            continue;
        }
        bool blank = false;
        for (int b = 0; b < Szukanie.blanksInUse; ++b)
            blank |= Szukanie.blankPositions[b] == i;
        ScoreNewTile(start + i, Placeable.index[static_cast<Tile>(Szukanie.word[i])], blank);
    }
}

int PrefixStart(int pos, int& sum)
{
    int first = pos;
    sum = 0;
    while (Szukanie.line[first - 1].letter)
        sum += (*TheRun.line)[--first].value;
    return first;
}

int FreeSquaresBefore(int pos)
{
    int free = 0;
    while (Szukanie.line[pos - 1 - free].open)
        ++free;
    return free;
}

void BoundEachLeftPart(int pos, int limit, int* bound)
{
    const int longest = std::min(limit, TheRun.rack.tiles - 1);
    LineBound& line = *TheRun.line;
    int sum = 0, product = 1;
    for (int n = 0; n < LeftPartLengths; ++n) {
        if (n > longest) {
            bound[n] = -1;
            continue;
        }
        if (n > 0) {
            sum += line[pos - n].value;
            product *= line[pos - n].wordMultiplier;
        }
        bound[n] = RankedScore(line.Ending(pos, sum, product, 0, n, TheRun.rack.lettersOfValue),
                               pos - n);
    }
}

void BoundLeftParts(int pos, int limit)
{
    int* bound = TheRun.leftPartBound;
    BoundEachLeftPart(pos, limit, bound);
    for (int n = LeftPartLengths - 2; n >= 0; --n)
        bound[n] = std::max(bound[n], bound[n + 1]);
}

namespace {

// Counts the rack for the search and its bounds.
void PrepareRack()
{
    Szukanie.blanksInUse = 0;
    Szukanie.blankPositions[0] = Szukanie.blankPositions[1] = -1;
    CountRackLetters();
    RackBound& rack = TheRun.rack;
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
    TheRun.rackLetters = rack.letters;
    std::copy(std::begin(rack.lettersOfValue), std::end(rack.lettersOfValue),
              TheRun.lettersOfValue);
    rack.available = Available();
}

} // namespace

void FillLine(int n, LineBound& bound)
{
    const bool across = Szukanie.across;
    LineSlot* const line = Szukanie.line;
    line[0] = line[BoardSize + 1] = LineSlot{}; // the border
    // The line's squares on the board as one array: a step along the line
    // and one across it.
    const int along = across ? BoardSpan : 1, side = across ? 1 : BoardSpan;
    const Pole* p = (across ? &Plansza[0][n] : &Plansza[n][0]) + along;
    for (int i = 1; i <= BoardSize; ++i, p += along) {
        LineSlot& slot = line[i];
        const Tile letter = p->Letter();
        slot.letter = !p->tile ? 0 : Placeable.index[letter] ? letter : UnusableLetter;
        slot.anchor = p->anchor;
        slot.open = !p->tile && !p->anchor && !p[-along].tile && !p[along].tile && !p[-side].tile
                    && !p[side].tile;
        slot.set = (across ? p->acrossSet : p->downSet).Word();
    }
    TheRun.line = &bound;
    bound.Prepare(across, n, TheRun.rack);
}

bool PrepareSearch(void (*crossSets)())
{
    NajlepszyRuch = BestMove{};
    Szukanie.candidateCount = 0;
    const Gracz* player = CurrentPlayer();
    if (!player)
        return false;
    PrepareRack();
    MarkAnchors(TheGra->firstMove);
    if (crossSets) {
        crossSets();
    } else {
        ComputeAcrossCrossSets();
        ComputeDownCrossSets();
    }
    TheRun.level = player->Poziom;
    TheRun.stopAbove = TheRun.level == 1 ? 5 : TheRun.level == 2 ? 14 : INT_MAX;
    TheRun.rank = TheRun.bestRank = 0;
    TheRun.keyed = false;
    return true;
}

void TryCandidate(char* word, int len, void (*onCandidate)(int raw, int adjusted))
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
    if (onCandidate)
        onCandidate(raw, adjusted);
    if (Beats(TheRun.level < 4 ? raw : adjusted, word, len)) {
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
        TheRun.bestRank = TheRun.rank;
        if (TheRun.keyed)
            TheRun.bestKey = KeyOf(word, len, TheRun.anchor - StartAlongLine());
    }

    for (int k = 0; k < s.candidateCount; ++k) {
        Pole& p = Plansza[s.candidateSquares[k].x][s.candidateSquares[k].y];
        p.tile = 0;
        p.blankLetter = 0;
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

} // namespace search_detail

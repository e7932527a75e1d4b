#include "computer/kolejka_kotwic.h"

#include <algorithm>
#include <iterator>

#include "computer/liczenie_bitow.h"
#include "computer/listy.h"
#include "computer/szukanie_wspolne.h"

using namespace search_detail;

ZK_BIT_COUNT_BEGIN

namespace fast {

PreparedLines TheLines;
AnchorQueue TheAnchors;

void PreparedLines::Prepare(int n)
{
    const int across = Szukanie.across;
    FillLine(n, bounds_[across][n]);
    std::copy(std::begin(Szukanie.line), std::end(Szukanie.line), slots_[across][n]);
}

void PreparedLines::Select(int across, int n)
{
    const int key = across * BoardSpan + n;
    Szukanie.across = static_cast<std::uint8_t>(across);
    (across ? Szukanie.startY : Szukanie.startX) = n;
    TheRun.line = &bounds_[across][n];
    if (key == current_)
        return;
    current_ = key;
    std::copy(std::begin(slots_[across][n]), std::end(slots_[across][n]), Szukanie.line);
}

namespace {

// Walks the tiles from first to the anchor at pos from the top-level list:
// false when they are no word's beginning; else a's list and prefix length
// after them.
bool WalkPrefix(int first, int pos, Anchor& a)
{
    const SearchGraph& graph = TheSearchGraph;
    a.list = graph.Root();
    a.prefixLength = 0;
    for (int i = first; i < pos; ++i) {
        std::uint32_t entry = 0;
        if (!graph.Find(a.list, Placeable.index[Szukanie.line[i].letter], entry))
            return false;
        a.list = SearchGraph::Child(entry);
        if (a.list <= 0)
            return false;
        ++a.prefixLength;
    }
    return true;
}

// One bound for the words of the anchor at pos, whatever their left part
// (limit free squares before it); each left part's own bound is found only
// if the anchor is searched. With no room for a left part it is that bound.
int BoundAllLeftParts(int pos, int limit)
{
    const int longest = std::min(limit, TheRun.rack.tiles - 1);
    LineBound& line = *TheRun.line;
    if (longest <= 0)
        return RankedScore(line.Ending(pos, 0, 1, 0, 0, TheRun.rack.lettersOfValue), pos);
    int sum = 0, product = 1;
    for (int n = 1; n <= longest; ++n) {
        sum += line[pos - n].value;
        product *= line[pos - n].wordMultiplier;
    }
    // Not ranked: a risk factor is at least 1.
    return line.EndingAfterLeftParts(pos, sum, product, longest, TheRun.rack.lettersOfValue);
}

// The anchors that can take a tile, as bit masks: bit pos of entry
// [across][n] for the anchor at position pos of row n (across) or column n.
void FindAnchorLines(std::uint16_t (&lines)[2][BoardSpan])
{
    for (auto& direction : lines)
        std::fill(std::begin(direction), std::end(direction), 0);
    const LetterBits rack = TheRun.rack.available;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const Pole& p = Plansza[x][y];
            if (!p.anchor)
                continue;
            if (p.acrossSet.Word() & rack)
                lines[1][y] |= static_cast<std::uint16_t>(1u << x);
            if (p.downSet.Word() & rack)
                lines[0][x] |= static_cast<std::uint16_t>(1u << y);
        }
}

} // namespace

void AnchorQueue::Clear()
{
    count_ = 0;
    for (int b = 0; b <= highest_; ++b)
        first_[b] = -1;
    highest_ = -1;
}

void AnchorQueue::AddLast()
{
    const int k = count_++;
    const int b = BucketOf(anchors_[k].bound);
    next_[k] = -1;
    if (b > highest_) {
        for (int i = highest_ + 1; i <= b; ++i)
            first_[i] = -1;
        highest_ = b;
    }
    if (first_[b] < 0) {
        first_[b] = last_[b] = k;
        return;
    }
    if (b < Buckets - 1) {
        next_[last_[b]] = k;
        last_[b] = k;
        return;
    }
    // The last bucket: after every anchor of a higher or equal bound.
    int* link = &first_[b];
    while (*link >= 0 && anchors_[*link].bound >= anchors_[k].bound)
        link = &next_[*link];
    next_[k] = *link;
    *link = k;
}

void AnchorQueue::Collect(PreparedLines& lines)
{
    Clear();
    std::uint16_t anchorLines[2][BoardSpan];
    FindAnchorLines(anchorLines);
    int rank = 0;
    for (const int across : {1, 0}) {
        Szukanie.across = static_cast<std::uint8_t>(across);
        for (int n = 1; n <= BoardSize; ++n, rank += BoardSize) {
            if (!anchorLines[across][n])
                continue;
            lines.Prepare(n);
            for (unsigned m = anchorLines[across][n]; m; m &= m - 1) {
                const int pos = __builtin_ctz(m);
                Anchor& a = anchors_[count_];
                a.rank = rank + pos - 1;
                a.across = static_cast<std::uint8_t>(across);
                a.line = static_cast<std::uint8_t>(n);
                a.pos = static_cast<std::uint8_t>(pos);
                a.limit = 0;
                a.start = a.pos;
                a.list = TheSearchGraph.Root();
                a.prefixLength = 0;
                if (!Szukanie.line[pos - 1].letter) {
                    a.limit = static_cast<std::uint8_t>(FreeSquaresBefore(pos));
                    a.bound = BoundAllLeftParts(pos, a.limit);
                } else {
                    // The tiles before the anchor begin the word; no rack
                    // letter goes there.
                    int sum = 0;
                    const int first = PrefixStart(pos, sum);
                    if (!WalkPrefix(first, pos, a))
                        continue;
                    a.start = static_cast<std::uint8_t>(first);
                    a.bound = RankedScore(TheRun.line->EndingWithin(pos, sum, 1, 0, 0,
                                                                    TheRun.rack.lettersOfValue,
                                                                    TheSearchGraph.Longest(a.list)),
                                          first);
                }
                AddLast();
            }
        }
    }
    lines.Forget();
}

} // namespace fast

ZK_BIT_COUNT_END

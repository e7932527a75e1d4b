// The fast search's anchors: those of both passes that can take a tile,
// collected with an upper bound on what their words can score, and walked
// best first; and the lines that hold them, prepared before the first anchor
// is searched.
#pragma once

#include <algorithm>
#include <cstdint>

#include "computer/granica.h"
#include "computer/stan_szukania.h"

namespace fast {

// An anchor to search, with its bound and its rank in the reference's order.
struct Anchor {
    int bound;
    int rank;
    std::uint8_t across, line, pos, limit;
    std::uint8_t start;             // the first square of its words
    int list, prefixLength;         // after the tiles before the anchor, if any
};

// The lines of both passes that hold an anchor; the one searched is copied
// into Szukanie's line buffer.
class PreparedLines {
public:
    // Prepares line n of the current pass from the board (Szukanie's line
    // buffer and TheRun's line become it).
    void Prepare(int n);

    // Makes line n of the pass (across: row n) the one searched: Szukanie's
    // pass, line buffer and start across the line, and TheRun's line.
    void Select(int across, int n);

    // Forgets which line Szukanie's line buffer holds.
    void Forget() { current_ = -1; }

private:
    LineSlot slots_[2][BoardSpan][BoardSpan]; // [across][line][position]
    LineBound bounds_[2][BoardSpan];
    int current_ = -1;              // across * BoardSpan + line in the buffer
};

// The anchors in search order: by bound, highest first, and in the order
// they were listed (their ranks) within a bound. Bounds are buckets, each a
// chain of anchors, walked down from the highest: no sort, and the walk ends
// where the bounds can no longer win. Bounds past the last bucket share it,
// sorted there by insertion (none seen in play: a move would have to score
// over a thousand).
class AnchorQueue {
public:
    // Collects the anchors of the board, the across pass first, with the
    // lines that hold them prepared in lines. An anchor whose set along its
    // line holds no letter the rack can supply takes no tile, so no word
    // goes through it: it is left out, and so is one whose tiles before it
    // are no word's beginning.
    void Collect(PreparedLines& lines);

    // Calls visit(anchor) for each anchor in search order while it returns
    // true.
    template <class Visit>
    void WalkBestFirst(Visit visit)
    {
        for (int b = highest_; b >= 0; --b)
            for (int k = first_[b]; k >= 0; k = next_[k])
                if (!visit(anchors_[k]))
                    return;
    }

private:
    static constexpr int MaxAnchors = 2 * BoardSize * BoardSize;
    static constexpr int Buckets = 1024;

    static int BucketOf(int bound) { return std::min(bound + 1, Buckets - 1); } // bounds are at least -1
    void Clear();
    // Puts the anchor listed last in its place in the order.
    void AddLast();

    Anchor anchors_[MaxAnchors];
    int count_ = 0;
    int first_[Buckets], last_[Buckets]; // each bucket's chain
    int next_[MaxAnchors];               // the next anchor of its bucket, or -1
    int highest_ = -1;                   // the highest bucket in use
};

extern PreparedLines TheLines;
extern AnchorQueue TheAnchors;

} // namespace fast

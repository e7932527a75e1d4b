#include "computer/lewe_czesci.h"

#include <algorithm>
#include <iterator>

#include "computer/liczenie_bitow.h"
#include "computer/listy.h"

using namespace search_detail;

ZK_BIT_COUNT_BEGIN

namespace fast {

LeftPartList TheLeftParts;

bool LeftPartList::ListFrom(LeftPartEntry& e, int list, int len, int longest)
{
    const SearchGraph& graph = TheSearchGraph;
    if (count_ >= limit_)
        return false;
    e.letters = graph.Letters(list);
    e.then = graph.Then(list);
    e.available = Available();
    e.list = list;
    e.length = static_cast<std::uint8_t>(len);
    unsorted_[count_++] = e;
    if (len == longest)
        return true;
    for (LetterBits m = graph.Letters(list) & Available(); m; m &= m - 1) {
        const int index = __builtin_ctzll(m);
        const int child = SearchGraph::Child(graph.Entry(list, index));
        if (child <= 0)
            continue;
        const bool blank = TakeTile(index, len);
        e.index[len] = static_cast<std::uint8_t>(index);
        const bool fits = ListFrom(e, child, len + 1, longest);
        GiveTileBack(index, blank);
        if (!fits)
            return false;
    }
    return true;
}

void LeftPartList::List()
{
    LeftPartEntry e;
    count_ = 0;
    const int longest = std::min(TheRun.rack.tiles - 1, RackSlots - 1);
    listed_ = longest >= 0 && ListFrom(e, TheSearchGraph.Root(), 0, longest);
    if (!listed_)
        return;
    int counts[LeftPartLengths + 1] = {};
    for (int k = 0; k < count_; ++k)
        ++counts[unsorted_[k].length + 1];
    for (int n = 1; n <= LeftPartLengths; ++n)
        counts[n] += counts[n - 1];
    std::copy(std::begin(counts), std::end(counts), ofLength_);
    for (int k = 0; k < count_; ++k)
        entries_[counts[unsorted_[k].length]++] = unsorted_[k];
}

} // namespace fast

ZK_BIT_COUNT_END

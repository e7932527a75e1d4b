#include "computer/listy.h"

#include <algorithm>
#include <cstring>

#include "model/litery.h"
#include "model/plansza.h"

SearchGraph TheSearchGraph;

void SearchGraph::Update()
{
    const int limit = Slownik::Limit();
    if (revision_ == Slownik::Revision() && limit_ == limit && limit_ > 0)
        return;
    revision_ = Slownik::Revision();
    limit_ = limit;
    for (int c = 'a'; c <= 'z'; ++c)
        letters_[LetterIndex(static_cast<Tile>(c))] = static_cast<Tile>(c);
    constexpr int B = SearchNode::ChildBits;
    std::uint32_t from = 0;
    for (int i = limit - 1; i > 0; --i) {
        const Wezel& w = Slownik::Node(i);
        SearchNode& n = nodes_[i];
        if (w.lastSibling)
            from = 0;
        const bool placeable = w.letter >= 'a' && w.letter <= 'z';
        const auto letterIndex = static_cast<std::uint32_t>(LetterIndex(w.letter));
        const auto child = static_cast<std::uint32_t>(w.firstChild < limit ? w.firstChild : 0);
        n.packed = child | letterIndex << B | std::uint32_t{placeable} << (B + 5)
                   | std::uint32_t{w.endOfWord != 0} << (B + 6)
                   | std::uint32_t{w.lastSibling != 0} << (B + 7);
        if (placeable)
            from |= std::uint32_t{1} << letterIndex;
        n.from = from;
    }
    nodes_[0] = SearchNode{};
    std::uint32_t then = 0;
    for (int i = limit - 1; i > 0; --i) {
        SearchNode& n = nodes_[i];
        if (n.lastSibling())
            then = 0;
        then |= (*this)[n.child()].from;
        n.then = then;
    }
    FindLongest();
}

void SearchGraph::SetLongest(SearchNode& n, int longest)
{
    constexpr int Shift = SearchNode::ChildBits + 8;
    n.packed = (n.packed & ~(15u << Shift)) | static_cast<std::uint32_t>(longest) << Shift;
}

void SearchGraph::FindLongest()
{
    // Any starting values at least the true ones stay so through each pass,
    // also in a damaged graph with cycles: the passes only tighten them.
    for (int i = 1; i < limit_; ++i)
        SetLongest(nodes_[i], BoardSize);
    constexpr int MaxPasses = BoardSize + 1;
    bool changed = true;
    for (int pass = 0; pass < MaxPasses && changed; ++pass) {
        changed = false;
        for (int i = limit_ - 1; i > 0; --i) {
            SearchNode& n = nodes_[i];
            int longest = 1 + (n.child() > 0 ? nodes_[n.child()].longest() : 0);
            if (!n.lastSibling() && i + 1 < limit_)
                longest = std::max(longest, nodes_[i + 1].longest());
            longest = std::min(longest, BoardSize);
            if (longest != n.longest()) {
                SetLongest(n, longest);
                changed = true;
            }
        }
    }
}

int SearchGraph::Walk(int list, const std::uint8_t* s, int n) const
{
    int node = 0;
    for (int k = 0; k < n; ++k) {
        node = Find(list, LetterIndex(s[k]));
        if (!node)
            return 0;
        list = nodes_[node].child();
    }
    return node;
}

void SearchGraph::CrossCheck(const char* pattern, ZbiorLiter& set, LetterBits letters) const
{
    set.Clear();
    const char* gap = std::strchr(pattern, '?');
    if (!gap)
        return;
    const auto* s = reinterpret_cast<const std::uint8_t*>(pattern);
    const int prefixLength = static_cast<int>(gap - pattern);
    int list = 1;
    if (prefixLength > 0) {
        const int node = Walk(list, s, prefixLength);
        if (!node)
            return;
        list = nodes_[node].child();
    }
    const auto* suffix = reinterpret_cast<const std::uint8_t*>(gap + 1);
    const int suffixLength = static_cast<int>(std::strlen(gap + 1));
    const std::uint32_t first = suffixLength ? std::uint32_t{1} << LetterIndex(suffix[0]) : 0;
    for (int c = list; c > 0 && c < limit_; ++c) {
        const SearchNode& candidate = nodes_[c];
        const int index = candidate.letterIndex();
        const bool fits = (letters >> index & 1)
                          && (suffixLength == 0
                                  ? candidate.endOfWord()
                                  : ((*this)[candidate.child()].from & first)
                                        && nodes_[Walk(candidate.child(), suffix, suffixLength)]
                                               .endOfWord());
        if (fits)
            set.Add(index);
        if (candidate.lastSibling())
            break;
    }
}

#include "computer/listy.h"

#include <algorithm>
#include <cstring>

#include "model/litery.h"
#include "model/plansza.h"

SearchGraph TheSearchGraph;

bool SearchGraph::Update()
{
    const int limit = Slownik::Limit();
    if (revision_ == Slownik::Revision() && limit_ == limit && limit_ > 0)
        return false;
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
    return true;
}

void SearchGraph::SetLongest(SearchNode& n, int longest)
{
    constexpr int Shift = SearchNode::ChildBits + 8;
    n.packed = (n.packed & ~(15u << Shift)) | static_cast<std::uint32_t>(longest) << Shift;
}

void SearchGraph::FindLongest()
{
    // Depth first over the two links a node's entry depends on (its child
    // list and its next sibling), with an explicit stack. A link back into a
    // node still being worked on (a cycle, in a damaged graph) counts as the
    // longest possible value, which keeps every entry an upper bound.
    enum : std::uint8_t { Unseen, Open, Done };
    static std::uint8_t state[DictionaryCapacity];
    static int stack[2 * DictionaryCapacity + 1]; // each node pushes at most two
    std::fill(state, state + limit_, Unseen);
    const auto next = [this](int i) { return nodes_[i].lastSibling() || i + 1 >= limit_ ? 0 : i + 1; };
    const auto below = [this](int d) {
        return d <= 0 ? 0 : state[d] == Open ? BoardSize : nodes_[d].longest();
    };
    for (int root = 1; root < limit_; ++root) {
        if (state[root] != Unseen)
            continue;
        int top = 0;
        stack[top++] = root;
        while (top > 0) {
            const int i = stack[top - 1];
            if (state[i] == Unseen) {
                state[i] = Open;
                for (const int d : {nodes_[i].child(), next(i)})
                    if (d > 0 && state[d] == Unseen)
                        stack[top++] = d;
                continue;
            }
            --top;
            if (state[i] == Done)
                continue;
            const int longest = std::max(1 + below(nodes_[i].child()), below(next(i)));
            SetLongest(nodes_[i], std::min(longest, BoardSize));
            state[i] = Done;
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

void SearchGraph::CrossCheck(const char* pattern, ZbiorLiter& set) const
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
        const bool fits = suffixLength == 0
                              ? candidate.endOfWord()
                              : ((*this)[candidate.child()].from & first)
                                    && nodes_[Walk(candidate.child(), suffix, suffixLength)]
                                           .endOfWord();
        if (fits)
            set.Add(index);
        if (candidate.lastSibling())
            break;
    }
}

#include "computer/listy.h"

#include <algorithm>

#include "model/litery.h"
#include "model/plansza.h"

SearchGraph TheSearchGraph;

namespace {

// The copy's bound, 8 MB: the Polish default takes about 0.5 million words,
// and a graph of the loader's largest size built like it about as many again.
constexpr std::size_t MaxWords = std::size_t{1} << 21;

// What the copy needs of a node of the loaded graph.
struct Source {
    int index = 0; // letter index of 'a' to 'z', else 0
    int child = 0; // 0: none inside the graph
    bool endOfWord = false;
    bool last = false;
};

// The most letters a word can take from each node on (the node's letter,
// what follows it, and its later siblings), at most a line's length: depth
// first over the two links a node's value depends on, with an explicit
// stack. A link back into a node still being worked on (a cycle, in a
// damaged graph) counts as the longest possible value, which keeps every
// value an upper bound.
std::vector<std::uint8_t> FindLongest(const std::vector<Source>& nodes)
{
    const int limit = static_cast<int>(nodes.size());
    enum : std::uint8_t { Unseen, Open, Done };
    std::vector<std::uint8_t> state(limit, Unseen), longest(limit, 0);
    std::vector<int> stack;
    stack.reserve(2 * static_cast<std::size_t>(limit) + 1); // each node pushes at most two
    const auto next = [&](int i) { return nodes[i].last || i + 1 >= limit ? 0 : i + 1; };
    const auto below = [&](int d) {
        return d <= 0 ? 0 : state[d] == Open ? BoardSize : static_cast<int>(longest[d]);
    };
    for (int root = 1; root < limit; ++root) {
        if (state[root] != Unseen)
            continue;
        stack.push_back(root);
        while (!stack.empty()) {
            const int i = stack.back();
            if (state[i] == Unseen) {
                state[i] = Open;
                for (const int d : {nodes[i].child, next(i)})
                    if (d > 0 && state[d] == Unseen)
                        stack.push_back(d);
                continue;
            }
            stack.pop_back();
            if (state[i] == Done)
                continue;
            const int value = std::max(1 + below(nodes[i].child), below(next(i)));
            longest[i] = static_cast<std::uint8_t>(std::min(value, BoardSize));
            state[i] = Done;
        }
    }
    return longest;
}

} // namespace

bool SearchGraph::Update()
{
    const int limit = Slownik::Limit();
    if (revision_ == Slownik::Revision() && limit_ == limit && !words_.empty())
        return false;
    revision_ = Slownik::Revision();
    limit_ = limit;
    for (int c = 'a'; c <= 'z'; ++c)
        letters_[LetterIndex(static_cast<Tile>(c))] = static_cast<Tile>(c);
    if (!Build()) {
        words_.assign(HeaderWords, 0);
        root_ = 0;
    }
    return true;
}

bool SearchGraph::Build()
{
    const int limit = limit_;
    words_.assign(HeaderWords, 0); // list 0: the empty list
    root_ = 0;
    if (limit <= TopLevelList)
        return false;
    std::vector<Source> nodes(limit);
    for (int i = 1; i < limit; ++i) {
        const Wezel& w = Slownik::Node(i);
        Source& n = nodes[i];
        n.index = IsLetterTile(w.letter) ? LetterIndex(w.letter) : 0;
        n.child = w.firstChild > 0 && w.firstChild < limit ? w.firstChild : 0;
        n.endOfWord = w.endOfWord != 0;
        n.last = w.lastSibling != 0;
    }
    const std::vector<std::uint8_t> longest = FindLongest(nodes);

    // Each list start reachable from the top-level list gets a header, in
    // the order they are found; a list's letters run from its start to the
    // first last sibling.
    std::vector<int> headerOf(limit, 0), starts;
    std::vector<int> pending{TopLevelList};
    std::size_t size = HeaderWords;
    while (!pending.empty()) {
        const int start = pending.back();
        pending.pop_back();
        if (headerOf[start])
            continue;
        std::uint32_t mask = 0;
        int count = 0;
        for (int i = start; i < limit; ++i) {
            const Source& n = nodes[i];
            if (n.index) {
                const std::uint32_t bit = std::uint32_t{1} << n.index;
                if (mask & bit)
                    return false; // a letter twice in one list
                mask |= bit;
                ++count;
                if (n.child && !headerOf[n.child])
                    pending.push_back(n.child);
            }
            if (n.last)
                break;
        }
        headerOf[start] = static_cast<int>(size);
        starts.push_back(start);
        size += HeaderWords + count;
        if (size > MaxWords)
            return false;
    }
    words_.assign(size, 0);
    for (const int start : starts) {
        const int h = headerOf[start];
        std::uint32_t mask = 0;
        for (int i = start; i < limit; ++i) {
            if (nodes[i].index)
                mask |= std::uint32_t{1} << nodes[i].index;
            if (nodes[i].last)
                break;
        }
        words_[h] = mask;
        words_[h + 2] = longest[start];
    }
    for (const int start : starts) {
        const int h = headerOf[start];
        std::uint32_t then = 0;
        for (int i = start; i < limit; ++i) {
            const Source& n = nodes[i];
            if (n.index) {
                const int child = n.child ? headerOf[n.child] : 0;
                then |= words_[child];
                words_[h + HeaderWords
                       + CountBits(words_[h] & ((std::uint32_t{1} << n.index) - 1))] =
                    static_cast<std::uint32_t>(child) << 1 | std::uint32_t{n.endOfWord};
            }
            if (n.last)
                break;
        }
        words_[h + 1] = then;
    }
    root_ = headerOf[TopLevelList];
    words_.shrink_to_fit();
    return true;
}

bool SearchGraph::Walk(int list, const std::uint8_t* s, int n, std::uint32_t& entry) const
{
    for (int k = 0; k < n; ++k) {
        if (!Find(list, LetterIndex(s[k]), entry))
            return false;
        list = Child(entry);
    }
    return true;
}

void SearchGraph::CrossCheck(const char* pattern, ZbiorLiter& set) const
{
    set.Clear();
    CrossPattern p;
    if (!SplitCrossPattern(pattern, p))
        return;
    int list = root_;
    std::uint32_t entry = 0;
    if (p.prefixLength > 0) {
        if (!Walk(list, p.prefix, p.prefixLength, entry))
            return;
        list = Child(entry);
    }
    const std::uint8_t* const suffix = p.suffix;
    const int suffixLength = p.suffixLength;
    const std::uint32_t first = suffixLength ? std::uint32_t{1} << LetterIndex(suffix[0]) : 0;
    for (std::uint32_t m = Letters(list); m; m &= m - 1) {
        const int index = __builtin_ctz(m);
        const std::uint32_t e = Entry(list, index);
        std::uint32_t last = 0;
        const bool fits = suffixLength == 0
                              ? EndOfWord(e)
                              : (Letters(Child(e)) & first)
                                    && Walk(Child(e), suffix, suffixLength, last)
                                    && EndOfWord(last);
        if (fits)
            set.Add(index);
    }
}

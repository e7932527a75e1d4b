#include "tools/kompilator.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <unordered_map>

#include "model/litery.h"
#include "model/slownik.h"

namespace {

constexpr int MinWordLength = 2;
constexpr int MaxWordLength = 15;

using Word = std::basic_string<std::uint8_t>; // letter indices

struct Edge {
    std::uint8_t index;
    bool endOfWord;
    int target; // state id, 0: no child list
};

// Registry of finished states: each distinct edge list gets one id.
class Registry {
public:
    Registry() { states_.emplace_back(); } // id 0: the empty list

    int Register(const std::vector<Edge>& edges)
    {
        if (edges.empty())
            return 0;
        std::string key;
        key.reserve(edges.size() * 5);
        for (const Edge& e : edges) {
            key.push_back(static_cast<char>(e.index | (e.endOfWord ? 0x80 : 0)));
            key.append(reinterpret_cast<const char*>(&e.target), sizeof e.target);
        }
        auto [it, added] = ids_.emplace(std::move(key), static_cast<int>(states_.size()));
        if (added)
            states_.push_back(edges);
        return it->second;
    }
    const std::vector<Edge>& State(int id) const { return states_[id]; }

private:
    std::unordered_map<std::string, int> ids_;
    std::vector<std::vector<Edge>> states_;
};

// Builds the minimal graph of sorted, distinct words; returns the root's id.
int BuildGraph(const std::vector<Word>& words, Registry& reg)
{
    std::vector<std::vector<Edge>> path(1); // path[d]: the open state at depth d
    Word previous;
    auto closeTo = [&](std::size_t depth) {
        while (path.size() > depth + 1) {
            const int id = reg.Register(path.back());
            path.pop_back();
            path.back().back().target = id;
        }
    };
    for (const Word& w : words) {
        std::size_t common = 0;
        while (common < w.size() && common < previous.size() && w[common] == previous[common])
            ++common;
        closeTo(common);
        for (std::size_t i = common; i < w.size(); ++i) {
            path.back().push_back(Edge{w[i], i + 1 == w.size(), 0});
            path.emplace_back();
        }
        previous = w;
    }
    closeTo(0);
    return reg.Register(path[0]);
}

// The real words of the lists spelled without a vowel: interjections, and
// "nth".
const char* const WordsWithoutVowel[] = {"brr", "grr", "hm",  "hmm", "mhm", "nth",
                                         "pff", "psst", "pst", "sh",  "shh", "tss"};

} // namespace

bool HasVowelOrIsInterjection(const std::string& word)
{
    if (word.find_first_of("aeiouy") != std::string::npos)
        return true;
    return std::find(std::begin(WordsWithoutVowel), std::end(WordsWithoutVowel), word)
           != std::end(WordsWithoutVowel);
}

void PutChildIndex(std::int64_t n, std::uint8_t* b)
{
    // Four base-256 digits from -128 to 127, most significant first.
    for (int k = 3; k >= 0; --k) {
        std::int64_t d = ((n % 256) + 256) % 256;
        if (d > 127)
            d -= 256;
        b[k] = static_cast<std::uint8_t>(static_cast<std::int8_t>(d));
        n = (n - d) / 256;
    }
}

namespace {

// Lays every list out from node 1, in the order lists are first reached.
std::vector<std::uint8_t> Layout(const Registry& reg, int root, std::size_t& nodes)
{
    std::unordered_map<int, std::int64_t> position;
    std::vector<int> order;
    std::int64_t next = TopLevelList;
    auto place = [&](int id) {
        if (id == 0 || position.count(id))
            return;
        position[id] = next;
        next += static_cast<std::int64_t>(reg.State(id).size());
        order.push_back(id);
    };
    place(root);
    for (std::size_t k = 0; k < order.size(); ++k)
        for (const Edge& e : reg.State(order[k]))
            place(e.target);
    nodes = static_cast<std::size_t>(next);

    std::vector<std::uint8_t> out(static_cast<std::size_t>(next) * DictionaryRecordBytes, 0);
    for (int id : order) {
        std::uint8_t* rec = &out[static_cast<std::size_t>(position[id]) * DictionaryRecordBytes];
        const auto& edges = reg.State(id);
        for (std::size_t i = 0; i < edges.size(); ++i, rec += DictionaryRecordBytes) {
            const Edge& e = edges[i];
            PutChildIndex(e.target ? position[e.target] : 0, rec);
            rec[4] = static_cast<std::uint8_t>(e.index + (i + 1 == edges.size() ? 30 : 0)
                                               + (e.endOfWord ? 60 : 0));
        }
    }
    return out;
}

} // namespace

CompiledDictionary CompileWords(const std::vector<std::string>& input, bool trim)
{
    std::vector<Word> words;
    for (const std::string& line : input) {
        if (line.size() < MinWordLength || line.size() > MaxWordLength)
            continue;
        if (!std::all_of(line.begin(), line.end(),
                         [](char c) { return IsLetterTile(static_cast<Tile>(c)); }))
            continue;
        Word w;
        for (char c : line)
            w.push_back(static_cast<std::uint8_t>(LetterIndex(static_cast<Tile>(c))));
        words.push_back(std::move(w));
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());

    for (;;) {
        CompiledDictionary result;
        Registry reg;
        const int root = BuildGraph(words, reg);
        result.bytes = Layout(reg, root, result.nodes);
        result.words = words.size();
        for (const Word& w : words)
            result.longest = std::max(result.longest, w.size());
        result.fits = result.nodes <= static_cast<std::size_t>(DictionaryCapacity);
        if (result.fits || !trim || result.longest <= MinWordLength)
            return result;
        const std::size_t longest = result.longest;
        words.erase(std::remove_if(words.begin(), words.end(),
                                   [&](const Word& w) { return w.size() == longest; }),
                    words.end());
    }
}

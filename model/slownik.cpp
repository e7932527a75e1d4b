#include "model/slownik.h"

#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/instalacja.h"

char* DictionaryPath = nullptr;
const char DictionaryKind[] = "dictionary";

Wezel Slownik::nodes[DictionaryCapacity];
int Slownik::count = 0;
int Slownik::limit = 0;
unsigned Slownik::revision = 0;

std::int64_t Slownik::DecodeChildIndex(const std::uint8_t* b)
{
    std::int64_t v = 0;
    for (int k = 0; k < 4; ++k)
        v = v * 256 + static_cast<std::int8_t>(b[k]);
    return v;
}

Wezel Slownik::DecodeRecord(const std::uint8_t* record)
{
    Wezel n;
    const std::int64_t child = DecodeChildIndex(record);
    n.firstChild = child > 0 && child <= INT32_MAX ? static_cast<std::int32_t>(child) : 0;
    int c = record[4];
    n.endOfWord = c > 60;
    if (n.endOfWord)
        c -= 60;
    n.lastSibling = c > 30;
    if (n.lastSibling)
        c -= 30;
    n.letter = IndexLetter(c);
    return n;
}

void Slownik::AddRecord(const std::uint8_t* record)
{
    if (count >= DictionaryCapacity)
        return;
    ++revision;
    nodes[count++] = DecodeRecord(record);
}

int Slownik::Load(FileFault* fault) { return DictionaryPath ? LoadFile(DictionaryPath, fault) : 1; }

namespace {

// The first node of a sibling list in graph that holds some letter twice, or
// 0 when every list reached from the top-level list or a child index offers
// each letter once. A list without a repeat has at most one node per letter,
// so each list is scanned over a few dozen nodes at most.
int ListWithRepeatedLetter(const std::vector<Wezel>& graph)
{
    const int size = static_cast<int>(graph.size());
    std::vector<bool> checked(graph.size(), false);
    auto repeats = [&](int start) {
        if (start <= 0 || start >= size || checked[start])
            return false;
        checked[start] = true;
        std::vector<Tile> seen;
        for (int i = start; i < size; ++i) {
            if (std::find(seen.begin(), seen.end(), graph[i].letter) != seen.end())
                return true;
            seen.push_back(graph[i].letter);
            if (graph[i].lastSibling)
                break;
        }
        return false;
    };
    if (repeats(TopLevelList))
        return TopLevelList;
    for (const Wezel& n : graph)
        if (repeats(n.firstChild))
            return n.firstChild;
    return 0;
}

} // namespace

int Slownik::LoadFile(const char* path, FileFault* fault)
{
    std::FILE* f = OpenDataFile(path, "rb", DictionaryKind, fault);
    if (!f) {
        count = 0;
        return 1;
    }
    const std::string real = RealPath(path);
    auto refuse = [&](const std::string& what) {
        return RefuseFile(fault, DictionaryKind, real, what);
    };
    long length = -1;
    if (std::fseek(f, 0, SEEK_END) == 0)
        length = std::ftell(f);
    if (length < 0 || std::fseek(f, 0, SEEK_SET) != 0) {
        std::fclose(f);
        return refuse("can't read it");
    }
    if (length < DictionaryRecordBytes || length / DictionaryRecordBytes > DictionaryCapacity) {
        std::fclose(f);
        return refuse(length < DictionaryRecordBytes
                          ? "it holds no word list (" + std::to_string(length) + " bytes)"
                          : "it holds more than " + std::to_string(DictionaryCapacity)
                                + " nodes");
    }

    // The whole file is read and checked before any node changes, so a bad
    // file leaves the dictionary loaded before intact.
    const int records = static_cast<int>(length / DictionaryRecordBytes);
    std::vector<std::uint8_t> data(static_cast<std::size_t>(records) * DictionaryRecordBytes);
    constexpr std::size_t Chunk = 1024000;
    std::size_t have = 0;
    while (have < data.size()) {
        const std::size_t want = std::min(Chunk, data.size() - have);
        const std::size_t got = std::fread(data.data() + have, 1, want, f);
        if (got == 0) {
            std::fclose(f);
            return refuse("can't read it");
        }
        have += got;
    }
    std::fclose(f);

    std::vector<Wezel> graph(static_cast<std::size_t>(records));
    for (int r = 0; r < records; ++r) {
        const std::uint8_t* record = &data[static_cast<std::size_t>(r) * DictionaryRecordBytes];
        if (DecodeChildIndex(record) >= records)
            return refuse("it is damaged: node " + std::to_string(r)
                          + " points past the end of the file");
        graph[static_cast<std::size_t>(r)] = DecodeRecord(record);
    }
    // A letter offered twice in one list is matched by the lookups at its
    // first node only, but by the search at both: the computer could lay
    // words its own challenge rejects, and long lists of one letter make
    // the search's branching unbounded.
    if (const int list = ListWithRepeatedLetter(graph))
        return refuse("it is damaged: the list at node " + std::to_string(list)
                      + " holds a letter twice");

    std::copy(graph.begin(), graph.end(), nodes);
    ++revision;
    count = limit = records;
    return 0;
}

int Slownik::ScanList(int list, Tile letter)
{
    for (int i = list; i > 0 && i < limit; ++i) {
        if (nodes[i].letter == letter)
            return i;
        if (nodes[i].lastSibling)
            break;
    }
    return 0;
}

int Slownik::Walk(int list, const std::uint8_t* s, int n, int& matched)
{
    matched = 0;
    int result = 0;
    while (matched < n) {
        const int node = ScanList(list, s[matched]);
        if (!node)
            break;
        result = node;
        ++matched;
        list = nodes[node].firstChild;
        if (list <= 0)
            break;
    }
    return result;
}

int Slownik::Lookup(const char* word, int& matched)
{
    const auto* s = reinterpret_cast<const std::uint8_t*>(word);
    return Walk(TopLevelList, s, static_cast<int>(std::strlen(word)), matched);
}

bool Slownik::IsWord(const char* word)
{
    int matched = 0;
    const int node = Lookup(word, matched);
    return node > 0 && word[matched] == 0 && nodes[node].endOfWord;
}

bool SplitCrossPattern(const char* pattern, CrossPattern& split)
{
    const char* gap = std::strchr(pattern, '?');
    if (!gap)
        return false;
    split.prefix = reinterpret_cast<const std::uint8_t*>(pattern);
    split.prefixLength = static_cast<int>(gap - pattern);
    split.suffix = reinterpret_cast<const std::uint8_t*>(gap + 1);
    split.suffixLength = static_cast<int>(std::strlen(gap + 1));
    return true;
}

void Slownik::CrossCheck(const char* pattern, ZbiorLiter& set)
{
    set.Clear();
    CrossPattern p;
    if (!SplitCrossPattern(pattern, p))
        return;
    int list = TopLevelList;
    if (p.prefixLength > 0) {
        int matched = 0;
        const int node = Walk(TopLevelList, p.prefix, p.prefixLength, matched);
        if (matched < p.prefixLength)
            return;
        list = nodes[node].firstChild;
        if (list <= 0)
            return;
    }
    const std::uint8_t* const suffix = p.suffix;
    const int suffixLength = p.suffixLength;
    for (int c = list; c > 0 && c < limit; ++c) {
        const Wezel& candidate = nodes[c];
        bool fits;
        if (suffixLength == 0) {
            fits = candidate.endOfWord;
        } else {
            int matched = 0;
            const int last = candidate.firstChild > 0
                                 ? Walk(candidate.firstChild, suffix, suffixLength, matched)
                                 : 0;
            fits = matched == suffixLength && nodes[last].endOfWord;
        }
        if (fits)
            set.Add(LetterIndex(candidate.letter));
        if (candidate.lastSibling)
            break;
    }
}

int Slownik::FindChild(Tile letter, int list, int& found)
{
    const int node = ScanList(list, letter);
    if (!node)
        return 0;
    found = node;
    return nodes[node].firstChild;
}

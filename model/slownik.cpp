#include "model/slownik.h"

#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <memory>
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

// The one owner of an open dictionary file: it is closed however the read
// ends.
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using OwnedFile = std::unique_ptr<std::FILE, FileCloser>;

// Reads every whole record of file into records; the reason when the file
// cannot be read, holds no whole record or more than the node array holds,
// else empty.
std::string ReadRecords(std::FILE* file, std::vector<std::uint8_t>& records)
{
    long length = -1;
    if (std::fseek(file, 0, SEEK_END) == 0)
        length = std::ftell(file);
    if (length < 0 || std::fseek(file, 0, SEEK_SET) != 0)
        return "can't read it";
    if (length < DictionaryRecordBytes)
        return "it holds no word list (" + std::to_string(length) + " bytes)";
    if (length / DictionaryRecordBytes > DictionaryCapacity)
        return "it holds more than " + std::to_string(DictionaryCapacity) + " nodes";
    records.resize(static_cast<std::size_t>(length / DictionaryRecordBytes)
                   * DictionaryRecordBytes);
    constexpr std::size_t Chunk = 1024000;
    for (std::size_t have = 0; have < records.size();) {
        const std::size_t want = std::min(Chunk, records.size() - have);
        const std::size_t got = std::fread(records.data() + have, 1, want, file);
        if (got == 0)
            return "can't read it";
        have += got;
    }
    return std::string();
}

// The records of a file read whole, as nodes.
class RecordGraph {
public:
    explicit RecordGraph(const std::vector<std::uint8_t>& records)
        : records_(records), size_(static_cast<int>(records.size() / DictionaryRecordBytes))
    {
    }
    int Size() const { return size_; }
    const std::uint8_t* Record(int r) const
    {
        return &records_[static_cast<std::size_t>(r) * DictionaryRecordBytes];
    }
    Wezel Node(int r) const { return Slownik::DecodeRecord(Record(r)); }

private:
    const std::vector<std::uint8_t>& records_;
    int size_;
};

// The first node of a sibling list in graph that holds some letter 'a' to
// 'z' twice, or 0 when every list reached from the top-level list or a child
// index offers each such letter once. Nodes of other letters (0, 'X', 'Y',
// 'Z') match no tile, so no walk can tell two of them apart: they may repeat.
int ListWithRepeatedLetter(const RecordGraph& graph)
{
    const int size = graph.Size();
    std::vector<bool> checked(static_cast<std::size_t>(size), false);
    auto repeats = [&](int start) {
        if (start <= 0 || start >= size || checked[start])
            return false;
        std::uint32_t seen = 0; // bit i: letter index i
        for (int i = start; i < size; ++i) {
            // A list that starts further on is the rest of this one: it holds
            // no repeat when this one holds none, and a repeat refuses the
            // file anyway. So every node is scanned once, however the lists
            // overlap.
            checked[i] = true;
            const Wezel n = graph.Node(i);
            const std::uint32_t bit = std::uint32_t{1} << LetterIndex(n.letter);
            if (IsLetterTile(n.letter) && (seen & bit))
                return true;
            seen |= bit;
            if (n.lastSibling)
                break;
        }
        return false;
    };
    if (repeats(TopLevelList))
        return TopLevelList;
    for (int r = 0; r < size; ++r) {
        const int list = graph.Node(r).firstChild;
        if (repeats(list))
            return list;
    }
    return 0;
}

// Why records are no dictionary graph, or empty when they are one.
std::string GraphFault(const std::vector<std::uint8_t>& records)
{
    const RecordGraph graph(records);
    for (int r = 0; r < graph.Size(); ++r)
        if (Slownik::DecodeChildIndex(graph.Record(r)) >= graph.Size())
            return "it is damaged: node " + std::to_string(r)
                   + " points past the end of the file";
    // A letter offered twice in one list is matched by the lookups at its
    // first node only, but by the search at both: the computer could lay
    // words its own challenge rejects, and long lists of one letter make
    // the search's branching unbounded.
    if (const int list = ListWithRepeatedLetter(graph))
        return "it is damaged: the list at node " + std::to_string(list)
               + " holds a letter twice";
    return std::string();
}

} // namespace

int Slownik::LoadFile(const char* path, FileFault* fault)
{
    const OwnedFile file(OpenDataFile(path, "rb", DictionaryKind, fault));
    if (!file) {
        count = 0;
        return 1;
    }
    // Read, check, commit: the whole file is read and checked before any
    // node changes, so a refused file leaves the dictionary before intact.
    std::vector<std::uint8_t> records;
    std::string what = ReadRecords(file.get(), records);
    if (what.empty())
        what = GraphFault(records);
    if (!what.empty())
        return RefuseFile(fault, DictionaryKind, RealPath(path), what);
    Commit(records);
    return 0;
}

void Slownik::Commit(const std::vector<std::uint8_t>& records)
{
    count = 0;
    for (std::size_t r = 0; r < records.size(); r += DictionaryRecordBytes)
        AddRecord(&records[r]);
    limit = count;
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

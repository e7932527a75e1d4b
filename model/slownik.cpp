#include "model/slownik.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include <sys/stat.h>

#include "platform/instalacja.h"

char* DictionaryPath = nullptr;

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

void Slownik::AddRecord(const std::uint8_t* record)
{
    if (count >= DictionaryCapacity)
        return;
    ++revision;
    Wezel& n = nodes[count++];
    const std::int64_t child = DecodeChildIndex(record);
    n.firstChild = child > 0 ? static_cast<std::int32_t>(child) : 0;
    int c = record[4];
    n.endOfWord = c > 60;
    if (n.endOfWord)
        c -= 60;
    n.lastSibling = c > 30;
    if (n.lastSibling)
        c -= 30;
    n.letter = IndexLetter(c);
}

int Slownik::Load() { return DictionaryPath ? LoadFile(DictionaryPath) : 1; }

int Slownik::LoadFile(const char* path)
{
    std::FILE* f = OpenDataFile(path, "rb");
    if (!f) {
        count = 0;
        return 1;
    }
    struct stat st;
    long length = -1;
    if (fstat(fileno(f), &st) == 0 && S_ISREG(st.st_mode) && std::fseek(f, 0, SEEK_END) == 0)
        length = std::ftell(f);
    if (length < 0 || std::fseek(f, 0, SEEK_SET) != 0
        || length / DictionaryRecordBytes > DictionaryCapacity) {
        if (length >= 0)
            std::fprintf(stderr, "Error: dictionary '%s' holds more than %d nodes\n", path,
                         DictionaryCapacity);
        std::fclose(f);
        return 1;
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
            std::fprintf(stderr, "Error: can't read dictionary '%s'\n", path);
            std::fclose(f);
            return 1;
        }
        have += got;
    }
    std::fclose(f);

    for (int r = 0; r < records; ++r)
        if (DecodeChildIndex(&data[static_cast<std::size_t>(r) * DictionaryRecordBytes])
            >= records) {
            std::fprintf(stderr, "Error: dictionary '%s' is damaged (node %d)\n", path, r);
            return 1;
        }

    count = 0;
    for (int r = 0; r < records; ++r)
        AddRecord(&data[static_cast<std::size_t>(r) * DictionaryRecordBytes]);
    limit = count;
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

void Slownik::CrossCheck(const char* pattern, ZbiorLiter& set)
{
    set.Clear();
    const char* gap = std::strchr(pattern, '?');
    if (!gap)
        return;
    const auto* s = reinterpret_cast<const std::uint8_t*>(pattern);
    const int prefixLength = static_cast<int>(gap - pattern);
    int list = TopLevelList;
    if (prefixLength > 0) {
        int matched = 0;
        const int node = Walk(TopLevelList, s, prefixLength, matched);
        if (matched < prefixLength)
            return;
        list = nodes[node].firstChild;
        if (list <= 0)
            return;
    }
    const auto* suffix = reinterpret_cast<const std::uint8_t*>(gap + 1);
    const int suffixLength = static_cast<int>(std::strlen(gap + 1));
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

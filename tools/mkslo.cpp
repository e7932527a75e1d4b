// mkslo: the dictionary compiler's command line.
//
//   mkslo [--trim] WORDS.txt OUT.slo   plain word list (one word a line) in,
//                                      dictionary file out; --trim drops the
//                                      longest words until the graph fits
//   mkslo --list IN.slo                the words of a dictionary file, one a line
//                                      (refused when its lists lead back into
//                                      themselves)
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "model/slownik.h"
#include "tools/kompilator.h"

namespace {

constexpr std::size_t MaxWordLength = 15;

int Compile(const char* in, const char* outPath, bool trim)
{
    std::ifstream file(in, std::ios::binary);
    if (!file) {
        std::cerr << "mkslo: can't open " << in << "\n";
        return 1;
    }
    std::vector<std::string> words;
    std::string line;
    while (std::getline(file, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        words.push_back(line);
    }
    const CompiledDictionary d = CompileWords(words, trim);
    if (!d.fits) {
        std::cerr << "mkslo: " << d.words << " words need " << d.nodes
                  << " nodes, more than the dictionary's " << DictionaryCapacity
                  << " (--trim drops the longest words)\n";
        return 1;
    }
    std::FILE* f = std::fopen(outPath, "wb");
    if (!f || std::fwrite(d.bytes.data(), 1, d.bytes.size(), f) != d.bytes.size()
        || std::fclose(f) != 0) {
        std::cerr << "mkslo: can't write " << outPath << "\n";
        return 1;
    }
    std::cout << "mkslo: " << outPath << ": " << d.words << " words of up to " << d.longest
              << " letters, " << d.nodes << " nodes\n";
    return 0;
}
// The first list reached from the top-level list that leads back into
// itself through child indices, or 0. A word list has no such loop, but the
// loader takes one, and its words would be listed without end.
int LoopingList()
{
    const int limit = Slownik::Limit();
    if (limit <= TopLevelList)
        return 0;
    enum : std::uint8_t { Unseen, Open, Done };
    std::vector<std::uint8_t> state(static_cast<std::size_t>(limit), Unseen);
    struct Visit {
        int list; // the list's first node
        int node; // its next node whose child list is to be followed, 0: none
    };
    std::vector<Visit> path{{TopLevelList, TopLevelList}};
    state[TopLevelList] = Open;
    while (!path.empty()) {
        Visit& v = path.back();
        if (!v.node) {
            state[v.list] = Done;
            path.pop_back();
            continue;
        }
        const Wezel& n = Slownik::Node(v.node);
        v.node = n.lastSibling || v.node + 1 >= limit ? 0 : v.node + 1;
        const int child = n.firstChild;
        if (child <= 0 || child >= limit || state[child] == Done)
            continue;
        if (state[child] == Open)
            return child;
        state[child] = Open;
        path.push_back({child, child});
    }
    return 0;
}

void ListFrom(int list, std::string& prefix)
{
    for (int i = list; i > 0 && i < Slownik::Limit(); ++i) {
        const Wezel& n = Slownik::Node(i);
        prefix.push_back(static_cast<char>(n.letter));
        if (n.endOfWord)
            std::cout << prefix << '\n';
        if (n.firstChild > 0 && prefix.size() < MaxWordLength)
            ListFrom(n.firstChild, prefix);
        prefix.pop_back();
        if (n.lastSibling)
            break;
    }
}

int List(const char* path)
{
    if (Slownik::LoadFile(path) != 0) {
        std::cerr << "mkslo: can't load " << path << "\n";
        return 1;
    }
    if (const int list = LoopingList()) {
        std::cerr << "mkslo: " << path << ": the list at node " << list
                  << " leads back into itself; a word list has no such loop\n";
        return 1;
    }
    std::string prefix;
    ListFrom(TopLevelList, prefix);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--list") == 0)
        return List(argv[2]);
    if (argc == 3)
        return Compile(argv[1], argv[2], false);
    if (argc == 4 && std::strcmp(argv[1], "--trim") == 0)
        return Compile(argv[2], argv[3], true);
    std::cerr << "usage: mkslo [--trim] WORDS.txt OUT.slo\n       mkslo --list IN.slo\n";
    return 2;
}

// mkslo: the dictionary compiler's command line.
//
//   mkslo [--trim] WORDS.txt OUT.slo   plain word list (one word a line) in,
//                                      dictionary file out; --trim drops the
//                                      longest words until the graph fits
//   mkslo --list IN.slo                the words of a dictionary file, one a line
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

// mkslo: the dictionary compiler's command line.
//
//   mkslo [--trim] WORDS.txt... OUT.slo
//                        plain word lists (one word a line) in, dictionary
//                        file out: their words of 2 to 15 letters a to z
//                        that hold a vowel or are one of the few kept
//                        without one; --trim drops the longest words until
//                        the graph fits
//   mkslo --list IN.slo  the words of a dictionary file, one a line (refused
//                        when its lists lead back into themselves)
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "model/slownik.h"
#include "tools/kompilator.h"
#include "tools/lista_slow.h"

namespace {

// Adds the lines of the word list at path to words; false when it can't be
// read.
bool ReadWordList(const char* path, std::vector<std::string>& words)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << "mkslo: can't open " << path << "\n";
        return false;
    }
    std::string line;
    while (std::getline(file, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (HasVowelOrIsInterjection(line))
            words.push_back(line);
    }
    return true;
}

int Compile(const std::vector<const char*>& lists, const char* outPath, bool trim)
{
    std::vector<std::string> words;
    for (const char* list : lists)
        if (!ReadWordList(list, words))
            return 1;
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
    ForEachWord([](const std::string& word) { std::cout << word << '\n'; });
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--list") == 0)
        return List(argv[2]);
    const bool trim = argc > 1 && std::strcmp(argv[1], "--trim") == 0;
    const int first = trim ? 2 : 1;
    if (argc - first >= 2 && std::strncmp(argv[first], "--", 2) != 0)
        return Compile(std::vector<const char*>(argv + first, argv + argc - 1), argv[argc - 1],
                       trim);
    std::cerr << "usage: mkslo [--trim] WORDS.txt... OUT.slo\n       mkslo --list IN.slo\n";
    return 2;
}

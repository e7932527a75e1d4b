// The shipped dictionaries as the build compiled them: no abbreviation, unit
// symbol or Roman numeral of the spell-checker lists, no word without a
// vowel but the few kept, the ordinary words, and exactly the English
// two-letter words listed here.
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/slownik.h"
#include "tools/kompilator.h"
#include "tools/lista_slow.h"

namespace {

struct ShippedDictionary {
    const char* file;
    std::vector<const char*> absent;
    std::vector<const char*> present;
};

const ShippedDictionary Dictionaries[] = {
    {"angielski.slo",
     {"hgt", "obj", "kg", "cf", "lbs", "mph", "xxv", "csc", "kb", "ln", "bmw", "ctrl", "btw",
      "cd", "ts", "pwn"},
     {"cat", "house", "quiz", "rhythm", "myth", "sky", "jazz", "oxygen", "zebra", "hmm", "psst",
      "shh", "nth"}},
    {"PL20030923.slo",
     {"bmw", "ctrl", "btw", "cd", "kg", "cf", "mph", "xxv", "kb", "dvd", "www"},
     {"kot", "dom", "pies", "woda", "okno", "rzeka", "telefon", "kobieta", "hmm", "psst",
      "brr"}},
};

// Every two-letter word the English dictionary accepts.
const std::set<std::string> EnglishTwoLetterWords = {
    "ad", "ah", "am", "an", "as", "at", "ax", "be", "bi", "by", "do", "eh", "em", "en", "er", "es",
    "ex", "fa", "go", "ha", "he", "hi", "ho", "id", "if", "in", "is", "it", "la", "lo", "ma", "me",
    "mi", "mu", "my", "no", "nu", "of", "oh", "oi", "om", "on", "or", "ow", "ox", "pa", "pi", "re",
    "sh", "so", "ta", "ti", "to", "uh", "um", "up", "us", "we", "xi", "ya", "ye", "yo"};

void LoadShipped(const char* file)
{
    const std::string path = std::string(SHIPPED_DICTIONARY_DIR) + "/" + file;
    ASSERT_EQ(Slownik::LoadFile(path.c_str()), 0) << path;
}

} // namespace

TEST(ShippedDictionaries, HoldOrdinaryWordsAndNoAbbreviations)
{
    for (const ShippedDictionary& d : Dictionaries) {
        LoadShipped(d.file);
        for (const char* w : d.absent)
            EXPECT_FALSE(Slownik::IsWord(w)) << d.file << ": " << w;
        for (const char* w : d.present)
            EXPECT_TRUE(Slownik::IsWord(w)) << d.file << ": " << w;
        std::size_t words = 0;
        ForEachWord([&](const std::string& w) {
            ++words;
            EXPECT_TRUE(HasVowelOrIsInterjection(w)) << d.file << ": " << w;
        });
        EXPECT_GT(words, 70000u) << d.file;
    }
}

TEST(ShippedDictionaries, EnglishTwoLetterWordsAreTheListedOnes)
{
    LoadShipped("angielski.slo");
    std::set<std::string> twoLetters;
    ForEachWord([&](const std::string& w) {
        if (w.size() == 2)
            twoLetters.insert(w);
    });
    EXPECT_EQ(twoLetters, EnglishTwoLetterWords);
    for (const std::string& w : EnglishTwoLetterWords)
        EXPECT_TRUE(Slownik::IsWord(w.c_str())) << w;
}

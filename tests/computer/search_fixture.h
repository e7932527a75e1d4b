// Helpers of the computer tests: small dictionaries, boards and a running
// game whose one player is a computer of a chosen strength.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "computer/komputer.h"
#include "computer/stan_szukania.h"
#include "model/gra.h"
#include "model/plansza.h"
#include "tests/support/temp_files.h"

// Compiles words into a dictionary file in dir and loads it.
void LoadWords(const TempDir& dir, const std::vector<std::string>& words);

// At least count distinct words (besides those given in words), of lengths
// drawn from lengths, mostly alternating letters of vowels and consonants.
std::vector<std::string> AlternatingWords(unsigned seed, const std::string& vowels,
                                          const std::string& consonants,
                                          const std::vector<int>& lengths, std::size_t count,
                                          std::vector<std::string> words = {});

// Every square plain and empty.
void ClearBoard();

// Lays letters from (x, y) along the row (across) or the column; an
// upper-case letter is a blank standing for its lower-case letter.
void PutTiles(int x, int y, bool across, const std::string& letters);

// The letters of a set ('a' to 'z' in index order, others as '#'), or "all".
std::string SetLetters(LetterBits set);

// A test with a running game of one computer player and a plain board.
class SearchTest : public ::testing::Test {
protected:
    SearchTest();
    ~SearchTest() override;

    void Words(const std::vector<std::string>& words) { LoadWords(dir, words); }
    // The computer's rack: letters, 'X' a blank, '.' an empty slot.
    void Rack(const std::string& tiles);
    void Level(int level) { player->Poziom = level; }
    void FirstMove(bool first) { gra.firstMove = first; }

    // The best move's new tiles as "x,y=c" items in its order.
    static std::string BestTiles();

    TempDir dir;
    Gra gra;
    Komputer* player;
};

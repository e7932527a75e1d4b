// The dictionary loader on any file. A file it takes must be decoded record
// by record, and its walks, lookups and cross-checks must agree; a search
// over it must lay only words it holds, scored by the one rule, and the fast
// search must choose the reference search's move. A file it
// refuses must leave the dictionary loaded before exactly as it was.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "computer/komputer.h"
#include "computer/stan_szukania.h"
#include "computer/szukanie.h"
#include "computer/wzorzec.h"
#include "model/gra.h"
#include "model/plansza.h"
#include "model/slownik.h"
#include "tests/fuzz/fuzz_input.h"
#include "tools/kompilator.h"
#include "window/tura.h"
#include "window/zasady.h"

namespace {

const std::vector<std::string> ReferenceWords = {"ab", "ac", "ala", "kot", "kto", "tok", "zebra"};

InputFile input;
std::vector<Wezel> referenceNodes;
bool referenceLoaded = false;

bool SameNode(const Wezel& a, const Wezel& b)
{
    return a.letter == b.letter && a.endOfWord == b.endOfWord && a.lastSibling == b.lastSibling
           && a.firstChild == b.firstChild;
}

void LoadReference()
{
    static const std::vector<std::uint8_t> bytes = CompileWords(ReferenceWords, false).bytes;
    FUZZ_CHECK(Slownik::LoadFile(input.Put(bytes.data(), bytes.size())) == 0);
    referenceNodes.assign(&Slownik::Node(0), &Slownik::Node(0) + Slownik::Limit());
    referenceLoaded = true;
}

void CheckReferenceIntact()
{
    const int n = static_cast<int>(referenceNodes.size());
    FUZZ_CHECK(Slownik::Limit() == n);
    FUZZ_CHECK(Slownik::Count() == n);
    for (int i = 0; i < n; ++i)
        FUZZ_CHECK(SameNode(Slownik::Node(i), referenceNodes[i]));
    for (const std::string& w : ReferenceWords)
        FUZZ_CHECK(Slownik::IsWord(w.c_str()));
}

// A record decoded independently of the loader: four signed base-256 digits,
// then the code byte's end-of-word (above 60) and last-sibling (above 30)
// flags and letter index.
Wezel Decode(const std::uint8_t* r)
{
    long long child = 0;
    for (int k = 0; k < 4; ++k)
        child = child * 256 + static_cast<std::int8_t>(r[k]);
    Wezel n;
    n.firstChild = child > 0 ? static_cast<std::int32_t>(child) : 0;
    int c = r[4];
    n.endOfWord = c > 60;
    c -= n.endOfWord ? 60 : 0;
    n.lastSibling = c > 30;
    c -= n.lastSibling ? 30 : 0;
    n.letter = IndexLetter(c);
    return n;
}

// Whether some sibling list holds a letter 'a' to 'z' twice. Lookups take
// the first node of a letter while the search tries every node, and a search
// over such lists can take minutes: the loader refuses them. Nodes no tile
// matches (0, 'X', 'Y', 'Z') may repeat.
bool ListsRepeatALetter()
{
    const int limit = Slownik::Limit();
    std::vector<char> start(static_cast<std::size_t>(limit) + 1, 0);
    if (limit > TopLevelList)
        start[TopLevelList] = 1;
    for (int i = 0; i < limit; ++i)
        if (Slownik::Node(i).firstChild > 0)
            start[Slownik::Node(i).firstChild] = 1;
    for (int s = 1; s < limit; ++s) {
        if (!start[s])
            continue;
        bool seen[256] = {};
        for (int i = s; i < limit; ++i) {
            const Tile letter = Slownik::Node(i).letter;
            if (IsLetterTile(letter) && seen[letter])
                return true;
            seen[letter] = true;
            if (Slownik::Node(i).lastSibling)
                break;
        }
    }
    return false;
}

// Words of letters 'a' to 'z' spelled by walking the graph depth first
// from the top-level list, up to a bounded number of nodes. Nodes no tile
// matches spell no word a move can make, and the loader lets them repeat.
void Walk(int list, std::string& prefix, std::vector<std::string>& words, int& budget)
{
    for (int i = list; i > 0 && i < Slownik::Limit() && budget > 0; ++i, --budget) {
        const Wezel& n = Slownik::Node(i);
        if (IsLetterTile(n.letter)) {
            prefix.push_back(static_cast<char>(n.letter));
            if (n.endOfWord)
                words.push_back(prefix);
            if (n.firstChild > 0 && prefix.size() < BoardSize)
                Walk(n.firstChild, prefix, words, budget);
            prefix.pop_back();
        }
        if (n.lastSibling)
            break;
    }
}

void CheckQueries(const std::vector<std::string>& words)
{
    for (const std::string& w : words) {
        int matched = 0;
        const int node = Slownik::Lookup(w.c_str(), matched);
        FUZZ_CHECK(matched == static_cast<int>(w.size()));
        FUZZ_CHECK(node > 0 && Slownik::Node(node).endOfWord);
        FUZZ_CHECK(Slownik::IsWord(w.c_str()));
        // Each letter is among those that fill its gap, and each letter that
        // fills it makes a word.
        for (std::size_t k = 0; k < w.size(); ++k) {
            std::string pattern = w;
            pattern[k] = '?';
            ZbiorLiter set;
            Slownik::CrossCheck(pattern.c_str(), set);
            FUZZ_CHECK(set.Has(LetterIndex(static_cast<Tile>(w[k]))));
            for (int i = 1; i < LetterIndexCount; ++i)
                if (set.Has(i) && IsLetterTile(IndexLetter(i))) {
                    pattern[k] = static_cast<char>(IndexLetter(i));
                    FUZZ_CHECK(Slownik::IsWord(pattern.c_str()));
                }
        }
    }
}

void ClearBoard()
{
    for (auto& column : Plansza)
        for (Pole& p : column)
            p = Pole{};
    // A few premiums, so the score of a move has something to count.
    for (int k = 1; k <= BoardSize; k += 4) {
        Plansza[k][CentreSquare].wordMultiplier = 2;
        Plansza[CentreSquare][k].colourClass = static_cast<std::int8_t>(k % 4 == 1 ? 1 : 2);
    }
}

// One search for rack; the move found must be a legal move of words in the
// dictionary whose raw score is the move's score. It stays on the board.
void SearchAndCheck(Gra& gra, const std::string& rack, int level)
{
    Gracz& player = *gra.player[0];
    *player.rack = Stojak{};
    for (const char c : rack)
        player.rack->Add(static_cast<Tile>(c));
    player.Poziom = level;
    Tile before[BoardSpan][BoardSpan];
    for (int x = 0; x < BoardSpan; ++x)
        for (int y = 0; y < BoardSpan; ++y)
            before[x][y] = Plansza[x][y].tile;

    // The fast search chooses the reference's move on any graph the loader
    // takes, cycles and shared lists included; each leaves the board as it
    // found it once its letters are taken off.
    if (level >= 3) {
        const auto takeOff = [&] {
            for (int k = 0; k < NajlepszyRuch.tileCount; ++k)
                Plansza[NajlepszyRuch.squares[k].x][NajlepszyRuch.squares[k].y].tile = 0;
        };
        reference::FindBestMove();
        const BestMove expected = NajlepszyRuch;
        takeOff();
        FindBestMove();
        takeOff();
        FUZZ_CHECK(SameMove(NajlepszyRuch, expected));
        for (int x = 0; x < BoardSpan; ++x)
            for (int y = 0; y < BoardSpan; ++y)
                FUZZ_CHECK(Plansza[x][y].tile == before[x][y]);
    }

    if (player.Ruch() != 0)
        return;
    const BestMove& m = NajlepszyRuch;
    FUZZ_CHECK(m.tileCount > 0 && m.tileCount <= static_cast<int>(rack.size()));
    Tura t;
    t.placedCount = m.tileCount;
    int rackCount[LetterIndexCount] = {};
    for (const char c : rack)
        ++rackCount[LetterIndex(static_cast<Tile>(c))];
    for (int i = 0; i < m.tileCount; ++i) {
        const Punkt q = m.squares[i];
        FUZZ_CHECK(q.x >= 1 && q.x <= BoardSize && q.y >= 1 && q.y <= BoardSize);
        FUZZ_CHECK(!before[q.x][q.y] && Plansza[q.x][q.y].tile == m.letters[i]);
        FUZZ_CHECK(m.letters[i] >= 'a' && m.letters[i] <= 'z');
        t.placedSquares[i] = q;
        t.placedLetters[i] = m.letters[i];
        const bool blank = std::count(m.blankTiles, m.blankTiles + m.blankCount, i) > 0;
        if (blank) {
            Plansza[q.x][q.y].tile = BlankTile;
            Plansza[q.x][q.y].blankLetter = m.letters[i];
            t.placedLetters[i] = BlankTile;
        }
        --rackCount[LetterIndex(t.placedLetters[i])];
    }
    for (int i = 0; i < LetterIndexCount; ++i)
        FUZZ_CHECK(rackCount[i] == m.rackAfter[i]);
    FUZZ_CHECK(IsInOneLine(t));
    if (gra.firstMove)
        FUZZ_CHECK(Plansza[CentreSquare][CentreSquare].tile);
    else
        FUZZ_CHECK(TouchesOldTiles(t));
    FUZZ_CHECK(AreAllWordsValid(t));
    FUZZ_CHECK(ScoreMove(t) == m.rawScore);
}

void SearchOnASmallBoard(const std::vector<std::string>& words, std::size_t size)
{
    // The rack: the letters of the first word the search could lay.
    std::string rack;
    for (const std::string& w : words)
        if (w.size() >= 2 && w.size() <= RackSlots
            && std::all_of(w.begin(), w.end(), [](char c) { return c >= 'a' && c <= 'z'; })) {
            rack = w;
            break;
        }
    if (rack.empty())
        rack = "aeikost";
    if (size % 2 && rack.size() < RackSlots)
        rack += static_cast<char>(BlankTile);

    static Gra gra;
    static Komputer* player = nullptr;
    if (!player) {
        player = new Komputer("Cpu", 3);
        gra.player[0] = player;
        gra.players = 1;
    }
    TheGra = &gra;
    ClearBoard();
    gra.firstMove = 1;
    const int level = static_cast<int>(size % 4) + 1;
    SearchAndCheck(gra, rack, level);
    // A second move against the first, with the rack turned around.
    if (Plansza[CentreSquare][CentreSquare].tile) {
        gra.firstMove = 0;
        std::reverse(rack.begin(), rack.end());
        rack.erase(std::remove(rack.begin(), rack.end(), static_cast<char>(BlankTile)), rack.end());
        SearchAndCheck(gra, rack, level);
    }
    TheGra = nullptr;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SilenceReaderMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (!referenceLoaded)
        LoadReference();
    if (Slownik::LoadFile(input.Put(data, size)) != 0) {
        CheckReferenceIntact();
        return 0;
    }
    referenceLoaded = false;

    const int records = static_cast<int>(size / DictionaryRecordBytes);
    FUZZ_CHECK(Slownik::Limit() == records && Slownik::Count() == records);
    for (int i = 0; i < records; ++i)
        FUZZ_CHECK(SameNode(Slownik::Node(i), Decode(data + DictionaryRecordBytes * i)));

    FUZZ_CHECK(!ListsRepeatALetter());
    std::vector<std::string> words;
    std::string prefix;
    int budget = 4000;
    Walk(TopLevelList, prefix, words, budget);
    if (words.size() > 300)
        words.resize(300);
    CheckQueries(words);
    SearchOnASmallBoard(words, size);
    return 0;
}

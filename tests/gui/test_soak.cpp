// Self-play soak: whole games through the game window between computers of
// mixed strength, some with a human seat that the test plays with the stylus
// and the buttons, with and without the confirmation of computer moves, on
// the build's dictionaries (Polish and English; English alone in a build
// without the data tree). A referee with its own tile set, letter
// values, layout reading, dictionary walk and scoring checks the game at the
// start of every turn and at its end.
//
// ZK_SOAK_GAMES sets the number of games (a few by default); the test
// prints what the games held and how long they took.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/menu.h>

#include "computer/komputer.h"
#include "computer/stan_szukania.h"
#include "computer/szukanie.h"
#include "model/gra.h"
#include "model/opcje.h"
#include "model/plansza.h"
#include "model/slownik.h"
#include "tests/gui/okno_gry.h"
#include "window/graframe.h"

namespace {

// The one place the soak sets the pause between computer turns: none.
void NoPauseBetweenComputerTurns() { ComputerTurnPauseMs = 0; }

constexpr int DefaultGames = 6;

// ---- The referee's own account of the rules --------------------------------

// The tile set: how many tiles of each letter a new bag holds ('X' a blank).
const struct { const char* letters; int n; } TileSet[] = {
    {"a", 11}, {"e", 9}, {"i", 7}, {"o", 6}, {"nz", 5}, {"rsvwy", 4},
    {"cdklmpt", 3}, {"bghjquX", 2}, {"fx", 1}};

int Value(Tile t)
{
    const struct { const char* letters; int v; } values[] = {
        {"aeinorswz", 1}, {"cdklmptvy", 2}, {"bghju", 3}, {"fqx", 5}};
    for (const auto& v : values)
        for (const char* p = v.letters; *p; ++p)
            if (*p == t)
                return v.v;
    return 0; // a blank
}

struct Premium {
    int letterClass = 0; // a new letter of this value counts three times
    int wordFactor = 1;
};

// The layout file read by lines: 15 lines of 15 characters.
std::vector<std::vector<Premium>> ReadLayout(const std::string& path)
{
    std::vector<std::vector<Premium>> p(BoardSpan, std::vector<Premium>(BoardSpan));
    std::ifstream in(path, std::ios::binary);
    std::string line;
    for (int y = 1; y <= BoardSize && std::getline(in, line); ++y)
        for (int x = 1; x <= BoardSize && x <= static_cast<int>(line.size()); ++x) {
            const char c = line[x - 1];
            if (c == '1' || c == '2' || c == '3' || c == '5')
                p[x][y].letterClass = c - '0';
            else if (c == 'x')
                p[x][y].letterClass = 5;
            else if (c == '!' || c == '@')
                p[x][y].wordFactor = c == '!' ? 2 : 3;
        }
    return p;
}

// A word looked up by walking the node array: each letter in its sibling
// list, the last letter's node ending a word.
bool InDictionary(const std::string& word)
{
    int list = TopLevelList, node = 0;
    for (const char c : word) {
        if (list <= 0)
            return false;
        node = 0;
        for (int i = list; i < Slownik::Limit(); ++i) {
            if (Slownik::Node(i).letter == static_cast<Tile>(c)) {
                node = i;
                break;
            }
            if (Slownik::Node(i).lastSibling)
                break;
        }
        if (!node)
            return false;
        list = Slownik::Node(node).firstChild;
    }
    return node > 0 && Slownik::Node(node).endOfWord;
}

struct Snapshot {
    Tile tile[BoardSpan][BoardSpan] = {};
    Tile blank[BoardSpan][BoardSpan] = {};
    Stojak racks[MaxPlayers];
    int score[MaxPlayers] = {};
    int exchanges[MaxPlayers] = {};
    std::vector<Tile> bag;
    int players = 0, current = 0, scoreless = 0;
    bool firstMove = true;

    static Snapshot Take()
    {
        const Gra& g = *TheGra;
        Snapshot s;
        for (int x = 0; x < BoardSpan; ++x)
            for (int y = 0; y < BoardSpan; ++y) {
                s.tile[x][y] = Plansza[x][y].tile;
                s.blank[x][y] = Plansza[x][y].blankLetter;
            }
        s.players = g.players;
        for (int i = 0; i < g.players; ++i) {
            s.racks[i] = *g.player[i]->rack;
            s.score[i] = g.player[i]->score;
            s.exchanges[i] = g.player[i]->exchangesUsed;
        }
        s.bag.assign(g.bag->tiles, g.bag->tiles + g.tilesLeft);
        s.current = g.current;
        s.scoreless = g.scorelessTurns;
        s.firstMove = g.firstMove != 0;
        return s;
    }
    int RackValue(int i) const
    {
        int v = 0;
        for (int k = 0; k < RackSlots; ++k)
            v += Value(racks[i].slots[k]);
        return v;
    }
    int RackCount(int i) const
    {
        int n = 0;
        for (int k = 0; k < RackSlots; ++k)
            n += racks[i].slots[k] != 0;
        return n;
    }
};

struct Stats {
    long games = 0, turns = 0, moves = 0, exchanges = 0, passes = 0, blanks = 0, challenges = 0,
         rejected = 0;
};

enum class Turn { Play, Exchange, Pass };

// What one turn did, as the referee makes it out from two snapshots.
struct TurnSeen {
    Turn kind = Turn::Pass;
    int score = 0; // a play's score by the referee's count
    int blanks = 0;
};

std::string Where(int x, int y)
{
    return "(" + std::to_string(x) + "," + std::to_string(y) + ")";
}

class Referee {
public:
    Referee(const std::vector<std::vector<Premium>>& layout, Stats& stats)
        : layout_(layout), stats_(stats)
    {
    }

    // The game has just started: nothing played, every rack dealt.
    void Begin()
    {
        last_ = Snapshot::Take();
        for (int i = 0; i < last_.players; ++i) {
            EXPECT_EQ(last_.RackCount(i), RackSlots) << "dealt rack " << i;
            EXPECT_EQ(last_.score[i], 0);
        }
        CheckTiles(last_);
        started_ = false;
    }

    // The player to move loses his turn: a human challenged a valid move.
    void SkipNext() { skip_ = true; }

    // The start of a turn: the previous turn is over and answered.
    void Observe()
    {
        const Snapshot now = Snapshot::Take();
        const Tura& t = TheGraFrame->tura;
        EXPECT_FALSE(t.gameOver);
        EXPECT_EQ(t.pending, 0);
        EXPECT_EQ(t.placedCount, 0);
        EXPECT_EQ(t.exchangeCount, 0);
        CheckTiles(now);
        for (int i = 0; i < now.players; ++i) {
            EXPECT_GT(now.RackCount(i), 0) << "a rack went out and the game goes on";
            if (!now.bag.empty()) {
                EXPECT_EQ(now.RackCount(i), RackSlots) << "rack " << i << " not refilled";
            }
        }
        EXPECT_LT(now.scoreless, 2 * now.players);
        if (started_) {
            const int mover = last_.current;
            const int expected = After(skip_ ? After(mover) : mover);
            EXPECT_EQ(now.current, expected) << "turn order";
            const TurnSeen seen = SeeTurn(last_, now, mover);
            ExpectScores(now, mover, seen.kind == Turn::Play ? seen.score : 0);
        } else {
            started_ = true;
        }
        skip_ = false;
        last_ = now;
    }

    // The game is over: the last turn, then the end-of-game adjustment and
    // the result in the hint lines.
    void End()
    {
        const Snapshot now = Snapshot::Take();
        const GraFrame& f = *TheGraFrame;
        ASSERT_TRUE(f.tura.gameOver);
        CheckTiles(now);
        const int mover = last_.current;
        const TurnSeen seen = SeeTurn(last_, now, mover);
        int before[MaxPlayers];
        for (int i = 0; i < now.players; ++i)
            before[i] = last_.score[i];
        int out = -1;
        if (seen.kind == Turn::Play) {
            before[mover] += seen.score;
            EXPECT_EQ(now.RackCount(mover), 0) << "a play ended the game without going out";
            EXPECT_TRUE(now.bag.empty());
            out = mover;
        } else {
            EXPECT_EQ(seen.kind, Turn::Pass) << "an exchange ended the game";
            EXPECT_EQ(now.scoreless, 2 * now.players);
        }
        int total = 0;
        for (int i = 0; i < now.players; ++i)
            total += now.RackValue(i);
        int best = -1000, winner = -1;
        bool shared = false;
        for (int i = 0; i < now.players; ++i) {
            const int want = before[i] - now.RackValue(i) + (i == out ? total : 0);
            EXPECT_EQ(now.score[i], want) << "final score of player " << i;
            if (want > best) {
                best = want;
                winner = i;
                shared = false;
            } else if (want == best) {
                shared = true;
            }
        }
        if (shared) {
            EXPECT_STREQ(f.hintLine1, "DRAW!");
            EXPECT_STREQ(f.hintLine2, "");
        } else {
            EXPECT_STREQ(f.hintLine1, "The winner is");
            EXPECT_STREQ(f.hintLine2, TheGra->player[winner]->name);
        }
        EXPECT_EQ(f.GetMenuBar()->GetMenuLabel(0), "Finished");
    }

private:
    int After(int i) const { return (i + 1) % last_.players; }

    // Every tile of the set is on the board, on a rack or in the bag; no rack
    // holds more than 7; the turn record lists every blank on the board.
    void CheckTiles(const Snapshot& s)
    {
        int count[256] = {};
        int blanks = 0;
        for (int x = 0; x < BoardSpan; ++x)
            for (int y = 0; y < BoardSpan; ++y) {
                const Tile t = s.tile[x][y];
                if (!t)
                    continue;
                EXPECT_TRUE(x >= 1 && x <= BoardSize && y >= 1 && y <= BoardSize)
                    << "tile on the border at " << Where(x, y);
                ++count[t];
                if (t == BlankTile) {
                    ++blanks;
                    EXPECT_TRUE(s.blank[x][y] >= 'a' && s.blank[x][y] <= 'z')
                        << "blank without its letter at " << Where(x, y);
                }
            }
        for (int i = 0; i < s.players; ++i) {
            EXPECT_LE(s.RackCount(i), RackSlots);
            EXPECT_EQ(s.racks[i].slots[RackSlots], 0) << "rack " << i << " over 7";
            for (int k = 0; k < RackSlots; ++k)
                ++count[s.racks[i].slots[k]];
        }
        for (const Tile t : s.bag)
            ++count[t];
        count[0] = 0;
        int total = 0;
        for (const auto& set : TileSet)
            for (const char* p = set.letters; *p; ++p) {
                EXPECT_EQ(count[static_cast<Tile>(*p)], set.n) << "tiles of '" << *p << "'";
                total += count[static_cast<Tile>(*p)];
            }
        int all = 0;
        for (const int n : count)
            all += n;
        EXPECT_EQ(all, total) << "tiles outside the set";
        EXPECT_EQ(all, BagSize);
        EXPECT_EQ(TheGraFrame->tura.blankCount, blanks);
        EXPECT_EQ(TheGraFrame->tura.blanksLettered, blanks);
    }

    // The word through (x, y) along the row (across) or column on board s:
    // its letters, its score with fresh squares' premiums, its length.
    struct Word {
        std::string text;
        int score = 0;
    };
    Word WordThrough(const Snapshot& s, const Snapshot& before, int x, int y, bool across) const
    {
        const int dx = across ? 1 : 0, dy = across ? 0 : 1;
        while (s.tile[x - dx][y - dy]) {
            x -= dx;
            y -= dy;
        }
        Word w;
        int sum = 0, factor = 1;
        for (; s.tile[x][y]; x += dx, y += dy) {
            const Tile t = s.tile[x][y];
            w.text += static_cast<char>(t == BlankTile ? s.blank[x][y] : t);
            const int v = Value(t);
            sum += v;
            if (!before.tile[x][y]) {
                factor *= layout_[x][y].wordFactor;
                if (v && v == layout_[x][y].letterClass)
                    sum += 2 * v;
            }
        }
        w.score = sum * factor;
        return w;
    }

    TurnSeen SeeTurn(const Snapshot& before, const Snapshot& now, int mover)
    {
        ++stats_.turns;
        TurnSeen seen;
        std::vector<Punkt> fresh;
        for (int x = 1; x <= BoardSize; ++x)
            for (int y = 1; y <= BoardSize; ++y) {
                if (before.tile[x][y]) {
                    EXPECT_TRUE(now.tile[x][y] == before.tile[x][y]
                                && now.blank[x][y] == before.blank[x][y])
                        << "a tile of an earlier move changed at " << Where(x, y);
                } else if (now.tile[x][y]) {
                    fresh.push_back(Punkt{x, y});
                    seen.blanks += now.tile[x][y] == BlankTile;
                }
            }
        const bool computer = TheGra->player[mover]->computer != 0;
        if (fresh.empty()) {
            if (now.exchanges[mover] == before.exchanges[mover] + 1) {
                seen.kind = Turn::Exchange;
                ++stats_.exchanges;
                EXPECT_LE(now.exchanges[mover], 3);
                EXPECT_GE(before.bag.size(), 7u);
                EXPECT_EQ(now.scoreless, 0);
                return seen;
            }
            seen.kind = Turn::Pass;
            ++stats_.passes;
            EXPECT_EQ(now.exchanges[mover], before.exchanges[mover]);
            if (computer) {
                EXPECT_TRUE(before.exchanges[mover] >= 3 || before.bag.size() < 7)
                    << "a computer passed while it could exchange";
            }
            EXPECT_EQ(now.scoreless, before.scoreless + 1);
            return seen;
        }

        seen.kind = Turn::Play;
        ++stats_.moves;
        stats_.blanks += seen.blanks;
        const int n = static_cast<int>(fresh.size());
        EXPECT_LE(n, RackSlots);
        // A move that ends the game leaves the count and the flag as they were.
        if (!TheGraFrame->tura.gameOver) {
            EXPECT_EQ(now.scoreless, 0);
            EXPECT_FALSE(now.firstMove);
        }
        bool sameRow = true, sameColumn = true;
        for (const Punkt q : fresh) {
            sameRow = sameRow && q.y == fresh[0].y;
            sameColumn = sameColumn && q.x == fresh[0].x;
        }
        EXPECT_TRUE(sameRow || sameColumn) << "tiles not in one line";
        std::vector<Word> words;
        const bool across = n == 1 ? true : sameRow;
        const Word main = WordThrough(now, before, fresh[0].x, fresh[0].y, across);
        if (main.text.size() >= 2)
            words.push_back(main);
        // The main word holds every new tile: no gap.
        const int span = static_cast<int>(main.text.size());
        int first = across ? fresh[0].x : fresh[0].y;
        while ((across ? now.tile[first - 1][fresh[0].y] : now.tile[fresh[0].x][first - 1]))
            --first;
        for (const Punkt q : fresh) {
            const int c = across ? q.x : q.y;
            EXPECT_TRUE(c >= first && c < first + span) << "a gap in the move";
        }
        bool touches = false;
        for (const Punkt q : fresh) {
            const Word cross = WordThrough(now, before, q.x, q.y, !across);
            if (cross.text.size() >= 2)
                words.push_back(cross);
            for (const Punkt d : {Punkt{1, 0}, Punkt{-1, 0}, Punkt{0, 1}, Punkt{0, -1}})
                touches = touches || before.tile[q.x + d.x][q.y + d.y];
        }
        if (before.firstMove) {
            EXPECT_GE(n, 2) << "a first move of one tile";
            EXPECT_TRUE(now.tile[CentreSquare][CentreSquare] && !before.tile[CentreSquare][CentreSquare])
                << "the first move misses the centre";
        } else {
            EXPECT_TRUE(touches) << "the move touches no earlier tile";
        }
        EXPECT_FALSE(words.empty());
        for (const Word& w : words) {
            EXPECT_TRUE(InDictionary(w.text)) << "accepted word '" << w.text << "'";
            seen.score += w.score;
        }
        if (n == RackSlots)
            seen.score += 50;
        return seen;
    }

    // Only the mover's score changed, by what his turn scored.
    void ExpectScores(const Snapshot& now, int mover, int gained)
    {
        for (int i = 0; i < now.players; ++i)
            EXPECT_EQ(now.score[i], last_.score[i] + (i == mover ? gained : 0))
                << "score of player " << i << " after player " << mover << "'s turn";
    }

    const std::vector<std::vector<Premium>>& layout_;
    Stats& stats_;
    Snapshot last_;
    bool started_ = false;
    bool skip_ = false;
};

Referee* TheReferee = nullptr;

// A computer player that lets the referee look at the game before it moves:
// its turn starts once the move before it has been answered.
class ObservedKomputer : public Komputer {
public:
    using Komputer::Komputer;
    int Ruch() override
    {
        if (TheReferee)
            TheReferee->Observe();
        return Komputer::Ruch();
    }
};

// ---- The games ---------------------------------------------------------------

// Seats: 'c' a computer of a random strength, 'h' the human the test plays.
const char* const Seatings[] = {"cccc", "ccc", "cc", "hccc", "chc", "ch"};
constexpr int SeatingCount = static_cast<int>(std::size(Seatings));
constexpr int Dictionaries = 2;
constexpr int Combinations = SeatingCount * Dictionaries * 2;

struct GameSetup {
    std::string seats;
    std::string dictionary;
    int confirm = 0;
    unsigned seed = 0;
};

class Soak : public GameWindow {
protected:
    void SetUp() override
    {
        NoPauseBetweenComputerTurns();
        // The shipped layout, so premiums count.
        std::ifstream in(std::string(SOURCE_DATA_DIR) + "/dane/normalna.pln", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        const std::string layoutPath = tree.Path() + "/dane/normalna.pln";
        std::ofstream(layoutPath, std::ios::binary) << text.str();
        layout = ReadLayout(layoutPath);
        for (const char* name : {"PL20030923.slo", "angielski.slo"}) {
            const std::string path = std::string(SOAK_DICTIONARY_DIR) + "/" + name;
            if (std::ifstream(path))
                dictionaries.push_back(path);
        }
    }
    void TearDown() override
    {
        TheReferee = nullptr;
        GameWindow::TearDown();
    }

    void Click(int id)
    {
        wxCommandEvent e(wxEVT_BUTTON, id);
        frame->GetEventHandler()->ProcessEvent(e);
    }
    void View(bool board)
    {
        if (frame->boardView != board)
            Click(ID_BTN_VIEW);
        ASSERT_EQ(frame->boardView, board);
    }
    int RackSlotOf(Tile t) const
    {
        const Stojak& r = *TheGra->player[TheGra->shown]->rack;
        for (int s = 0; s < RackSlots; ++s)
            if (r.slots[s] == t)
                return s;
        return -1;
    }

    // The word through (x, y) on the board, blanks as their letters.
    static std::string BoardWord(int x, int y, bool across)
    {
        const int dx = across ? 1 : 0, dy = across ? 0 : 1;
        while (Plansza[x - dx][y - dy].tile) {
            x -= dx;
            y -= dy;
        }
        std::string w;
        for (; Plansza[x][y].tile; x += dx, y += dy)
            w += static_cast<char>(Plansza[x][y].Letter());
        return w;
    }

    // A tile of the rack and a free square next to the board's tiles where
    // it would form a word the dictionary lacks; false when there is none.
    static bool FindNonWord(const Stojak& rack, int& slot, Punkt& square)
    {
        for (int x = 1; x <= BoardSize; ++x)
            for (int y = 1; y <= BoardSize; ++y) {
                Pole& p = Plansza[x][y];
                if (p.tile || !(Plansza[x - 1][y].tile || Plansza[x + 1][y].tile ||
                                Plansza[x][y - 1].tile || Plansza[x][y + 1].tile))
                    continue;
                for (slot = 0; slot < RackSlots; ++slot) {
                    const Tile t = rack.slots[slot];
                    if (!t || t == BlankTile)
                        continue;
                    p.tile = t;
                    const std::string row = BoardWord(x, y, true), column = BoardWord(x, y, false);
                    p.tile = 0;
                    if ((row.size() >= 2 && !InDictionary(row)) ||
                        (column.size() >= 2 && !InDictionary(column))) {
                        square = Punkt{x, y};
                        return true;
                    }
                }
            }
        return false;
    }

    // The human's turn, played with the stylus and the buttons: the move the
    // search finds for his rack, else an exchange of up to three tiles
    // while he may, else a pass; now and then a pass by choice, or a tile
    // that forms no word, which the computer after him rejects.
    void HumanMove(std::mt19937& rng, int& boxes, Stats& stats)
    {
        Gra& g = *TheGra;
        Gracz& human = *g.player[g.current];
        int slot = 0;
        Punkt square;
        if (!g.firstMove && rng() % 12 == 0 && FindNonWord(*human.rack, slot, square)) {
            View(true);
            Drag(RackPoint(slot), {SquarePoint(square.x, square.y)});
            ASSERT_EQ(frame->tura.placedCount, 1);
            ASSERT_TRUE(frame->putButton->IsEnabled()) << frame->hintLine1;
            ++boxes;
            ++stats.rejected;
            Click(ID_BTN_PUT);
            return;
        }
        FindBestMove();
        const BestMove m = NajlepszyRuch;
        for (int k = 0; k < m.tileCount; ++k)
            Plansza[m.squares[k].x][m.squares[k].y].tile = 0;
        if (m.tileCount > 0 && rng() % 10 != 0) {
            for (int k = 0; k < m.tileCount; ++k) {
                const bool blank = std::count(m.blankTiles, m.blankTiles + m.blankCount, k) > 0;
                const int s = RackSlotOf(blank ? BlankTile : m.letters[k]);
                ASSERT_GE(s, 0) << "the move's tile is not on the rack";
                View(true);
                Drag(RackPoint(s), {SquarePoint(m.squares[k].x, m.squares[k].y)});
                ASSERT_EQ(frame->tura.placedCount, k + 1) << "the drop did not lay the tile";
                if (blank) {
                    int cell = 0;
                    while (cell < 26 && GraFrame::PickerCellLetter(cell) != m.letters[k])
                        ++cell;
                    ASSERT_LT(cell, 26);
                    Press(PickerPoint(cell).x, PickerPoint(cell).y);
                    Release(PickerPoint(cell).x, PickerPoint(cell).y);
                    ASSERT_EQ(Plansza[m.squares[k].x][m.squares[k].y].blankLetter, m.letters[k]);
                }
            }
            ASSERT_TRUE(frame->putButton->IsEnabled()) << frame->hintLine1;
            EXPECT_EQ(frame->tura.pendingScore, m.rawScore);
            Click(ID_BTN_PUT);
            return;
        }
        if (MayExchange(g, human)) {
            View(false);
            int e = 0;
            for (int s = 0; s < RackSlots && e < 3; ++s)
                if (human.rack->slots[s]) {
                    Drag(RackPoint(s), {ExchangePoint(e)});
                    ++e;
                }
            ASSERT_EQ(frame->tura.exchangeCount, e);
            ASSERT_TRUE(frame->exchangeButton->IsEnabled());
            Click(ID_BTN_EXCHANGE);
            return;
        }
        ASSERT_TRUE(frame->passButton->IsEnabled());
        Click(ID_BTN_PASS);
    }

    void Play(const GameSetup& setup, Stats& stats)
    {
        ASSERT_EQ(Slownik::LoadFile(setup.dictionary.c_str()), 0);
        ConfirmComputerMove = setup.confirm;
        std::mt19937 rng(setup.seed);
        Gra* g = new Gra;
        int n = 0, humans = 0;
        for (const char s : setup.seats) {
            const std::string name = "Seat" + std::to_string(n + 1);
            if (s == 'h') {
                g->player[n] = new Gracz(name.c_str());
                g->player[n]->Poziom = 3; // the search's strength when it plays for him
                ++humans;
            } else {
                g->player[n] = new ObservedKomputer(name.c_str(), 1 + static_cast<int>(rng() % 4));
            }
            ++n;
        }
        TheGra = g;
        g->NewGame(n, humans);
        // The game of this seed: its bag, its racks and its first player.
        for (int i = 0; i < n; ++i)
            *g->player[i]->rack = Stojak{};
        std::srand(setup.seed);
        g->FillBag();
        ShuffleBag(g);
        g->Deal();
        g->current = static_cast<int>(rng() % n);
        g->shown = g->ChooseShown();

        frame = new GraFrame("Venk's Zertanik EN", wxPoint(0, 26), GameWindowSize, 0);
        TheGraFrame = frame;
        frame->Show();
        PumpEvents();

        Referee referee(layout, stats);
        TheReferee = &referee;
        referee.Begin();
        const int dialogs = DialogsAnswered();
        int boxes = 0; // the message boxes of challenges
        if (g->player[g->current]->computer)
            ComputerTurn(g);
        // Whenever the chain of computer turns returns, the human is to move.
        for (int guard = 0; !frame->tura.gameOver && guard < 1000; ++guard) {
            ASSERT_FALSE(g->player[g->current]->computer);
            ASSERT_EQ(g->current, g->shown);
            if (frame->tura.pending) {
                // The computer's move, offered for an answer: challenged now
                // and then, which costs the human his turn.
                if (rng() % 4 == 0) {
                    ++boxes;
                    ++stats.challenges;
                    referee.SkipNext();
                    Click(ID_BTN_NO);
                } else {
                    Click(ID_BTN_YES);
                }
                continue;
            }
            referee.Observe();
            HumanMove(rng, boxes, stats);
            if (HasFatalFailure())
                return;
        }
        ASSERT_TRUE(frame->tura.gameOver);
        referee.End();
        EXPECT_EQ(DialogsAnswered() - dialogs, boxes) << "a message box besides the challenges";
        TheReferee = nullptr;
        ++stats.games;
        Close();
    }

    std::vector<std::vector<Premium>> layout;
    std::vector<std::string> dictionaries;
};

TEST_F(Soak, GamesKeepEveryRule)
{
    ASSERT_FALSE(dictionaries.empty()) << "no dictionary in " << SOAK_DICTIONARY_DIR;
    const char* env = std::getenv("ZK_SOAK_GAMES");
    const long games = env ? std::atol(env) : DefaultGames;
    const unsigned base = 1000;
    Stats stats;
    const auto start = std::chrono::steady_clock::now();
    for (long k = 0; k < games && !HasFailure(); ++k) {
        // Every seating, dictionary and confirmation in turn, interleaved.
        const int c = static_cast<int>((k * 7) % Combinations);
        GameSetup setup;
        setup.seats = Seatings[c % SeatingCount];
        setup.dictionary = dictionaries[(c / SeatingCount) % Dictionaries % dictionaries.size()];
        setup.confirm = c / (SeatingCount * Dictionaries);
        setup.seed = base + static_cast<unsigned>(k);
        SCOPED_TRACE("game " + std::to_string(k) + ": seats " + setup.seats + ", " +
                     setup.dictionary + ", confirmation " + std::to_string(setup.confirm) +
                     ", seed " + std::to_string(setup.seed));
        Play(setup, stats);
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("soak: %ld games, %ld turns: %ld moves, %ld exchanges, %ld passes, %ld blanks "
                "laid, %ld challenges, %ld rejected; %.1f s\n",
                stats.games, stats.turns, stats.moves, stats.exchanges, stats.passes,
                stats.blanks, stats.challenges, stats.rejected, seconds);
    EXPECT_EQ(stats.games, games);
}

} // namespace

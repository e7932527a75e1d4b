#include "computer/ocena.h"

#include "computer/stan_szukania.h"
#include "model/plansza.h"
#include "model/punktacja.h"

namespace {

// The candidate's squares as flags on the board while it is scored, so that
// the scoring rule's new-tile test is one load.
bool CandidateSquare[BoardSpan][BoardSpan];

bool IsCandidateSquare(int x, int y) { return CandidateSquare[x][y]; }

// Marks the candidate's squares for as long as it lives.
class MarkedCandidate {
public:
    MarkedCandidate() { Mark(true); }
    ~MarkedCandidate() { Mark(false); }
    MarkedCandidate(const MarkedCandidate&) = delete;
    MarkedCandidate& operator=(const MarkedCandidate&) = delete;

private:
    static void Mark(bool on)
    {
        for (int k = 0; k < Szukanie.candidateCount; ++k)
            CandidateSquare[Szukanie.candidateSquares[k].x][Szukanie.candidateSquares[k].y] = on;
    }
};

// The risk scan covers five squares each way; PremiumRiskFactor is 1 beyond
// three, so the squares past that never change the factor and are not read.
constexpr int RiskReach = 5;
constexpr int FactorReach = 3;
constexpr int ScanReach = RiskReach < FactorReach ? RiskReach : FactorReach;

} // namespace

int ScoreCandidateWord(int x, int y, bool across)
{
    const MarkedCandidate marks;
    return ScoreWordWith(x, y, across, IsCandidateSquare);
}

int ScoreCandidateMove()
{
    const MarkedCandidate marks;
    return ScoreMoveWith(Szukanie.candidateSquares, Szukanie.candidateCount, IsCandidateSquare);
}

double PremiumRiskFactor(int multiplier, int distance)
{
    static const double factors[2][3] = {{1.18, 1.16, 1.12}, {1.33, 1.27, 1.19}};
    if ((multiplier != 2 && multiplier != 3) || distance < 1 || distance > FactorReach)
        return 1.0;
    return factors[multiplier - 2][distance - 1];
}

double RiskFactorAt(bool across, int x, int y)
{
    double factor = 1.0;
    const int along = across ? y : x;
    // The scanned squares on the board as one array: across, the column
    // through (x, y); down, its row.
    const Pole* const start = &Plansza[x][y];
    const int step = across ? 1 : BoardSpan;
    const auto scan = [&](const Pole& p, int d) {
        if (!p.tile && p.wordMultiplier > 1) {
            const double f = PremiumRiskFactor(p.wordMultiplier, d);
            if (f > factor)
                factor = f;
        }
    };
    for (int d = 1; d <= ScanReach; ++d) {
        if (along - d >= 1)
            scan(start[-d * step], d);
        if (along + d <= BoardSize)
            scan(start[d * step], d);
    }
    return factor;
}

int RiskAdjustedScore(int raw)
{
    const double factor = Szukanie.candidateCount > 0
                              ? RiskFactorAt(Szukanie.across, Szukanie.startX, Szukanie.startY)
                              : 1.0;
    return static_cast<int>(raw / factor);
}

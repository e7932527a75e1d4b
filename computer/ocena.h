// Scoring a search candidate: its raw score by the game's one scoring rule
// (its tiles, a blank as 'X', lie on the board meanwhile), and a score
// lowered for empty word squares near its start across its line.
#pragma once

// The word through (x, y) along the row (across) or the column, with the
// candidate's squares as the new tiles.
int ScoreCandidateWord(int x, int y, bool across);

// The raw score of Szukanie's candidate.
int ScoreCandidateMove();

// The risk factor of an empty square of word multiplier m at distance d
// across the line from the word's first square: 1.0 beyond distance 3.
double PremiumRiskFactor(int multiplier, int distance);

// The largest risk factor of the empty word squares within 5 squares of
// (x, y) across the line of a word along the row (across) or the column.
double RiskFactorAt(bool across, int x, int y);

// raw divided by the risk factor at the candidate's first square, truncated.
int RiskAdjustedScore(int raw);

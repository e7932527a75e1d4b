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

// raw divided by the largest risk factor of the empty word squares within 5
// squares of the candidate's first square, across its line; truncated.
int RiskAdjustedScore(int raw);

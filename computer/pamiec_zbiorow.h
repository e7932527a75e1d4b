// The fast search's cross-check sets, kept from one search to the next: a
// pattern's set depends only on the dictionary, a column's across sets only
// on its tiles and a row's down sets only on its own, and from one search to
// the next most of the board stays as it was.
#pragma once

namespace fast {

// Writes the across and down set of every playing square of Plansza (the
// search reads no border square's): the lines whose tiles changed since
// their sets were kept are made again, through a cache of patterns; the
// others get the sets kept. The sets hold every letter a square allows, not
// only the rack's.
void ComputeCrossSets();

// Forgets every set kept, for a dictionary that changed.
void ForgetCrossSets();

} // namespace fast

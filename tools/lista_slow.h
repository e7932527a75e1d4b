// The words of the loaded dictionary, read back from its graph.
#pragma once

#include <functional>
#include <string>

// The first list reached from the top-level list that leads back into
// itself through child indices, or 0. A word list has no such loop, but the
// loader takes one, and its words would be listed without end.
int LoopingList();

// Calls visit with every word of the loaded dictionary, of at most 15
// letters 'a' to 'z', in the graph's order (a word reached along two paths
// comes twice); nodes of other letters and what lies below them are passed
// over.
void ForEachWord(const std::function<void(const std::string&)>& visit);

#include "tools/lista_slow.h"

#include <cstdint>
#include <vector>

#include "model/litery.h"
#include "model/plansza.h"
#include "model/slownik.h"

int LoopingList()
{
    const int limit = Slownik::Limit();
    if (limit <= TopLevelList)
        return 0;
    enum : std::uint8_t { Unseen, Open, Done };
    std::vector<std::uint8_t> state(static_cast<std::size_t>(limit), Unseen);
    struct Visit {
        int list; // the list's first node
        int node; // its next node whose child list is to be followed, 0: none
    };
    std::vector<Visit> path{{TopLevelList, TopLevelList}};
    state[TopLevelList] = Open;
    while (!path.empty()) {
        Visit& v = path.back();
        if (!v.node) {
            state[v.list] = Done;
            path.pop_back();
            continue;
        }
        const Wezel& n = Slownik::Node(v.node);
        v.node = n.lastSibling || v.node + 1 >= limit ? 0 : v.node + 1;
        const int child = n.firstChild;
        if (child <= 0 || child >= limit || state[child] == Done)
            continue;
        if (state[child] == Open)
            return child;
        state[child] = Open;
        path.push_back({child, child});
    }
    return 0;
}

namespace {

void VisitFrom(int list, std::string& prefix,
               const std::function<void(const std::string&)>& visit)
{
    for (int i = list; i > 0 && i < Slownik::Limit(); ++i) {
        const Wezel& n = Slownik::Node(i);
        // A node no tile matches (0, 'X', 'Y', 'Z') begins no word the game
        // can lay; the loader lets such nodes repeat, so a damaged file may
        // chain thousands of them.
        if (!IsLetterTile(n.letter)) {
            if (n.lastSibling)
                break;
            continue;
        }
        prefix.push_back(static_cast<char>(n.letter));
        if (n.endOfWord)
            visit(prefix);
        if (n.firstChild > 0 && prefix.size() < BoardSize)
            VisitFrom(n.firstChild, prefix, visit);
        prefix.pop_back();
        if (n.lastSibling)
            break;
    }
}

} // namespace

void ForEachWord(const std::function<void(const std::string&)>& visit)
{
    std::string prefix;
    VisitFrom(TopLevelList, prefix, visit);
}

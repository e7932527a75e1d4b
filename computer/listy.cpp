#include "computer/listy.h"

#include "model/litery.h"

SiblingMasks TheSiblingMasks;

void SiblingMasks::Update()
{
    const int limit = Slownik::Limit();
    if (revision_ == Slownik::Revision() && limit_ == limit && limit_ > 0)
        return;
    revision_ = Slownik::Revision();
    limit_ = limit;
    std::uint32_t all = 0, withChild = 0;
    for (int i = limit - 1; i > 0; --i) {
        const Wezel& n = Slownik::Node(i);
        if (n.lastSibling)
            all = withChild = 0;
        const bool placeable = n.letter >= 'a' && n.letter <= 'z';
        const std::uint32_t bit = placeable ? std::uint32_t{1} << LetterIndex(n.letter) : 0;
        all |= bit;
        if (n.firstChild > 0)
            withChild |= bit;
        all_[i] = all;
        withChild_[i] = withChild;
    }
}

#include "suitsymmetry.h"

#include <algorithm>

namespace Marrowick {
namespace Equity {

namespace {

CardSet imageOf(CardSet cards, const std::array<int, suitCount> &suitImage)
{
    CardSet image = 0;
    for (int card = 0; card < deckSize; ++card) {
        if (cards & cardBit(card))
            image |= cardBit(rankOf(card) * 4 + suitImage[size_t(suitOf(card))]);
    }
    return image;
}

CardSet setOf(const std::vector<int> &cards)
{
    CardSet set = 0;
    for (int card : cards)
        set |= cardBit(card);
    return set;
}

} // namespace

SuitSymmetry::SuitSymmetry(const EquityProblem &problem)
{
    std::vector<CardSet> fixedSets {setOf(problem.board), setOf(problem.deck)};
    for (const std::vector<int> &hole : problem.holes)
        fixedSets.push_back(setOf(hole));
    std::array<int, suitCount> suitImage {0, 1, 2, 3};
    // The unchanged suits come first in this order and are left out.
    while (std::next_permutation(suitImage.begin(), suitImage.end())) {
        const bool keepsAll = std::all_of(fixedSets.begin(), fixedSets.end(),
                                          [&suitImage](CardSet set) { return imageOf(set, suitImage) == set; });
        if (!keepsAll)
            continue;
        std::array<quint8, 16> images {};
        for (unsigned suits = 0; suits < 16; ++suits) {
            for (int suit = 0; suit < suitCount; ++suit) {
                if (suits & (1u << suit))
                    images[suits] |= quint8(1u << suitImage[size_t(suit)]);
            }
        }
        m_images.push_back(images);
    }
    for (int keepers = 1; keepers <= size(); ++keepers)
        m_familySizes.push_back(quint64(size() / keepers));
}

int SuitSymmetry::compareSuits(unsigned a, unsigned b)
{
    // Of two sets of one size, the one with the lowest suit that the other lacks comes first.
    const unsigned differ = a ^ b;
    if (differ == 0)
        return 0;
    const unsigned lowest = differ & (0u - differ);
    return (a & lowest) ? -1 : 1;
}

} // namespace Equity
} // namespace Marrowick

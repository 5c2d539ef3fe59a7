#ifndef MARROWICK_HANDEVAL_CARDCHOICE_H
#define MARROWICK_HANDEVAL_CARDCHOICE_H

#include "handvalue.h"
#include "window.h"

namespace Marrowick {
namespace HandEvaluation {

// Which choice of cards the enumeration reports, and in which order.
//
// Choices are enumerated in lexicographic order of their positions
// (i < j < k < l < m, i outermost), and of equal values the later one stays:
// the winner is the choice of the best value whose lowest position is as high
// as possible, then its second lowest, and so on.
//
// All choices of the best value are the choices of its ranks, so many cards
// of each rank (and, for the flushes, all five of one suit): the value
// depends on nothing else, and a choice of those ranks that scored higher (by
// being of one suit) would itself have been the best. Of these choices the
// one taking the latest cards of each rank in pool order comes last:
// swapping a card for a later one of the same rank raises the lowest
// position where the two choices differ. So when the window allows it, it
// wins; when not, chooseWithinWindow finds the winner.

/// The cards of the best flush-type @p hand (of one suit) in reading order.
PackedCodes flushCards(const HandPool &pool, const Window &window, const HandRanks &hand);

/**
 * The winner's cards when the latest cards of the ranks of @p hand take more
 * limited cards than the window allows: fills @p chosen like
 * HandPool::latestCodes, for each of the hand's ranks.
 */
void chooseWithinWindow(const HandPool &pool, const Window &window, const HandRanks &hand, quint32 (&chosen)[16]);

/**
 * The order in which the predicates leave the winner's cards. For each
 * category, which card of its rank each position takes, counted from the
 * latest in pool order (0 the latest), 4 bits per position, position 0
 * lowest. Sorting keeps cards of equal rank in pool order, and a grouping
 * predicate moves its group to the front in reverse: a group reads from its
 * latest card back. The pair of a full house is not moved: its earlier card
 * comes first.
 */
inline constexpr quint32 occurrences[] = {
    0x00000, // HighCard
    0x00010, // Pair: 0, 1, then single cards
    0x01010, // TwoPair: 0, 1, 0, 1, 0
    0x00210, // ThreeOfAKind: 0, 1, 2, 0, 0
    0x00000, // Straight
    0x00000, // Flush
    0x01210, // FullHouse: 0, 1, 2, 1, 0
    0x03210, // FourOfAKind: 0, 1, 2, 3, 0
    0x00000, // StraightFlush
    0x00000, // RoyalFlush
};

/// The winner's cards among those of the best @p value of a plain pool, in reading order.
inline PackedCodes chooseCards(const HandPool &pool, const Window &window, int value)
{
    Q_ASSERT(pool.isPlain());
    const HandRanks hand(value);
    if (hand.isFlush())
        return flushCards(pool, window, hand);

    // The latest cards of each rank, when the window allows them.
    const quint32 occurrence = occurrences[hand.type];
    const auto cardsFrom = [&hand, occurrence](const quint32 *chosen) {
        PackedCodes cards = 0;
        for (int i = 0; i < handSize; ++i) {
            // byte (occurrence of position i) of the codes chosen for its rank
            const uchar code = uchar(chosen[hand.ranks[i]] >> (8 * ((occurrence >> (4 * i)) & 15)));
            cards |= PackedCodes(code) << (8 * i);
        }
        return cards;
    };
    const PackedCodes latest = cardsFrom(pool.latestCodes());
    if (!window.isBinding())
        return latest;

    int limitedCount = 0;
    for (int i = 0; i < handSize; ++i)
        limitedCount += (pool.limitedCards() >> laneBits.bits[uchar(codeAt(latest, i))]) & 1; // card i is limited
    if (window.allows(limitedCount))
        return latest;
    quint32 chosenWithinWindow[16];
    chooseWithinWindow(pool, window, hand, chosenWithinWindow);
    return cardsFrom(chosenWithinWindow);
}

} // namespace HandEvaluation
} // namespace Marrowick

#endif

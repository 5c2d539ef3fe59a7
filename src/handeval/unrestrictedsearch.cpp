#include "unrestrictedsearch.h"

namespace Marrowick {
namespace HandEvaluation {

int bestStrongHand(const HandPool &pool, const HeldRanks &held, quint64 flushes, int straight)
{
    // From straight flush down to three of a kind, in the order of the predicate chain.
    if (flushes) {
        // Royal and straight flush: five ranks in a row in one suit.
        int lowest = 0;
        for (int suit = 0; suit < 4; ++suit)
            lowest = qMax(lowest, highestStraight(pool.suitRanks(suit)));
        if (lowest)
            return straightValue(lowest + 4 == highestRank ? EvalHand::RoyalFlush : EvalHand::StraightFlush, lowest);
    }

    if (held.four) {
        // Four of a kind: the four, then the best other card.
        const int four = highestRankOf(held.four);
        return typeField(EvalHand::FourOfAKind) | groupFields(0, 4, four) | singlesFrom(4, held.once & ~rankBit(four));
    }

    const int three = held.thrice ? highestRankOf(held.thrice) : 0;
    if (const RankMask pairs = three ? held.twice & ~rankBit(three) : 0) {
        // Full house: the best three, then the best other rank held twice (maybe three times).
        return typeField(EvalHand::FullHouse) | groupFields(0, 3, three) | groupFields(3, 2, highestRankOf(pairs));
    }

    if (flushes) {
        // Flush: the five highest cards of a suit; of several suits the best five.
        int best = 0;
        for (int suit = 0; suit < 4; ++suit) {
            if (flushes & (quint64(0x10) << (16 * suit))) // bit 4 of the suit's lane
                best = qMax(best, typeField(EvalHand::Flush) | singlesFrom(0, pool.suitRanks(suit)));
        }
        return best;
    }

    // Straight: the highest run of five ranks.
    if (straight)
        return straightValue(EvalHand::Straight, straight);

    // Three of a kind: no other rank is held twice, or it would be a full house.
    return typeField(EvalHand::ThreeOfAKind) | groupFields(0, 3, three) | singlesFrom(3, held.once & ~rankBit(three));
}

} // namespace HandEvaluation
} // namespace Marrowick
